#include "pages/template_dialog.h"

#include "controls/font_button.h"
#include "controls/font_static.h"
#include "res/dialog_template.h"
#include "res/look.h"
#include "res/resource_ids.h"

#include <QFontMetrics>
#include <QPushButton>

namespace {
constexpr int kLabelPixels = 16;
const QColor kOkFace = ColourFromRef(0xFFFF60);
// The caption face at its size, made smaller one pixel at a time while the text does not fit.
QFont FittingCaptionFont(const QRect& box, const QString& text, int format)
{
    for (int pixels = kLabelPixels; pixels > 9; --pixels) {
        const QRect need = QFontMetrics(CaptionFont(pixels)).boundingRect(box, format, text);
        if (need.width() <= box.width() && need.height() <= box.height())
            return CaptionFont(pixels);
    }
    return CaptionFont(9);
}

}  // namespace

CTemplateDialog::CTemplateDialog(int templateId, QWidget* parent) : QDialog(parent)
{
    const DialogTemplate* dialog = FindDialogTemplate(templateId);
    if (!dialog)
        return;
    m_controls = BuildControls(this, *dialog);
    setFixedSize(size());
    setWindowTitle(QString::fromUtf8(dialog->caption));
    QPalette cream = palette();
    cream.setColor(QPalette::Window, PageColour());
    setPalette(cream);
    setAutoFillBackground(true);
    if (auto* ok = ControlAs<QPushButton>(kIdOk)) {
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, [this] { done(1); });
    }
    if (auto* cancel = ControlAs<QPushButton>(kIdCancel))
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* CTemplateDialog::Control(int id) const
{
    auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

void CTemplateDialog::SetLabel(int id, const QString& text, int format)
{
    auto* label = ControlAs<CFontStatic>(id);
    if (!label)
        return;
    label->CreateFont(FittingCaptionFont(label->rect(), text, format));
    label->SetColours(Qt::black, PageColour());
    label->SetFormat(format);
    label->SetText(text);
}

void CTemplateDialog::SetOkButton(const QString& caption)
{
    auto* ok = ControlAs<CFontButton>(kIdOk);
    if (!ok)
        return;
    ok->CreateFont(CaptionFont(kLabelPixels));
    ok->SetCaption(caption);
    ok->SetColours(Qt::black, kOkFace);
}
