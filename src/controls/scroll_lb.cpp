#include "controls/scroll_lb.h"

#include <QKeyEvent>
#include <QScrollBar>

CScrollLB::CScrollLB(QWidget* parent) : QListWidget(parent)
{
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The action has moved the slider already when it is reported; post the new top index.
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this](int) {
        m_nLastPos = verticalScrollBar()->sliderPosition();
        QMetaObject::invokeMethod(this, [this, pos = m_nLastPos] { emit command(kCmdScrolled, pos); },
                                  Qt::QueuedConnection);
    });
}

void CScrollLB::keyPressEvent(QKeyEvent* event)
{
    event->accept();
}

void CScrollLB::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
}
