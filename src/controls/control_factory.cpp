#include "controls/control_factory.h"

#include "controls/button_st.h"
#include "controls/font_button.h"
#include "controls/font_static.h"
#include "controls/image_button.h"
#include "controls/image_font_static.h"
#include "controls/layout_font_static.h"
#include "controls/quick_list.h"
#include "res/look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

QWidget* MakeControl(QWidget* parent, const ControlTemplate& control)
{
    const QString text = QString::fromUtf8(control.text);
    switch (control.kind) {
    case ControlKind::Placeholder: {
        auto* frame = new QWidget(parent);
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        return frame;
    }
    case ControlKind::Picture: {
        auto* picture = new CImageFontStatic(parent);
        if (control.bitmap)
            picture->LoadResource(control.bitmap);
        return picture;
    }
    case ControlKind::LayoutPicture: return new CLayoutFontStatic(control.id, parent);
    case ControlKind::PictureButton: {
        auto* button = new CButtonST(parent);
        if (control.bitmap)
            button->SetBitmaps(control.bitmap, PageColour().rgb());
        return button;
    }
    case ControlKind::FontButton: {
        auto* button = new CFontButton(parent);
        button->SetCaption(text);
        return button;
    }
    case ControlKind::PushButton: return new QPushButton(text, parent);
    case ControlKind::Label: {
        auto* label = new CFontStatic(parent);
        label->SetText(text);
        return label;
    }
    case ControlKind::QuickList: return new CQuickList(parent);
    case ControlKind::ImageButton: return new CImageButton(parent);
    case ControlKind::CheckBox: return new QCheckBox(text, parent);
    case ControlKind::GroupBox: return new QGroupBox(text, parent);
    case ControlKind::ComboBox: return new QComboBox(parent);
    case ControlKind::LineEdit: {
        auto* edit = new QLineEdit(parent);
        edit->setPlaceholderText(text);
        edit->setClearButtonEnabled(true);
        return edit;
    }
    }
    return new QWidget(parent);
}

}  // namespace

ControlMap BuildControls(QWidget* parent, const DialogTemplate& dialog)
{
    ControlMap controls;
    parent->resize(DialogUnitsToPixels(dialog.cx), DialogUnitsToPixels(dialog.cy));
    for (const ControlTemplate& control : dialog.controls) {
        QWidget* widget = MakeControl(parent, control);
        widget->setObjectName(QString::number(control.id));
        widget->setGeometry(ControlRect(control));
        controls[control.id] = widget;
    }
    return controls;
}
