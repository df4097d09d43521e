#pragma once
// Dialog templates as control tables: every page and small dialog builds its controls from one.
#include <QRect>

#include <vector>

enum class ControlKind {
    Placeholder,     // an invisible frame that only marks a position
    Picture,         // CImageFontStatic
    LayoutPicture,   // CLayoutFontStatic
    PictureButton,   // CButtonST
    FontButton,      // CFontButton
    PushButton,      // a plain push button with its caption
    Label,           // CFontStatic
    QuickList,       // CQuickList
    ImageButton,     // CImageButton
    CheckBox,        // a check box with its caption
    GroupBox,        // a titled frame around other controls
    ComboBox,        // a drop-down list
    LineEdit,        // a one-line text field; the caption is its hint
};

struct ControlTemplate {
    int id = 0;
    ControlKind kind = ControlKind::Placeholder;
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    const char* text = "";             // UTF-8 caption
    int bitmap = 0;                    // picture resource loaded when the control is attached
};

struct DialogTemplate {
    int id = 0;
    int cx = 0, cy = 0;  // dialog units
    const char* caption = "";
    std::vector<ControlTemplate> controls;
};

// The header and footer strips every design page shares.
std::vector<ControlTemplate> PageStrips(int footer);

// The template with that id, or nullptr.
const DialogTemplate* FindDialogTemplate(int id);

// Dialog units to pixels at 96 dots per inch: one unit is 1.5 pixels in x and y.
int DialogUnitsToPixels(int units);
QRect DialogUnitsToPixels(int x, int y, int cx, int cy);
QRect ControlRect(const ControlTemplate& control);
