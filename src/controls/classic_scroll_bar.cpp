#include "controls/classic_scroll_bar.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyleOptionSlider>

QColor ClassicTrackColour()
{
    return QColor(240, 240, 240);
}

QColor ClassicThumbColour()
{
    return QColor(192, 192, 192);
}

namespace {

QColor ThumbColour(const QStyleOptionSlider& bar)
{
    if (!(bar.activeSubControls & QStyle::SC_ScrollBarSlider))
        return ClassicThumbColour();
    return (bar.state & QStyle::State_Sunken) ? QColor(120, 120, 120) : QColor(166, 166, 166);
}

}  // namespace

void ClassicScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                               QPainter* painter, const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control != CC_ScrollBar || !bar)
        return;
    // The arrows stay as the base style drew them; track and thumb are drawn again over its own.
    const QRect groove = subControlRect(CC_ScrollBar, bar, SC_ScrollBarGroove, widget);
    const QRect thumb = subControlRect(CC_ScrollBar, bar, SC_ScrollBarSlider, widget);
    painter->save();
    painter->fillRect(groove, ClassicTrackColour());
    if (bar->maximum > bar->minimum && thumb.isValid()) {
        painter->setPen(QColor(128, 128, 128));
        painter->setBrush(ThumbColour(*bar));
        painter->drawRect(thumb.adjusted(1, 0, -2, -1));
    }
    painter->restore();
}

void UseClassicLook(QScrollBar* bar)
{
    // One style for every bar, gone with the application (after its widgets).
    static QPointer<ClassicScrollBarStyle> shared;
    if (!shared) {
        shared = new ClassicScrollBarStyle;
        shared->setParent(QCoreApplication::instance());
    }
    bar->setStyle(shared);
}
