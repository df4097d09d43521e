#pragma once
// CDlgFontColor (template 165, "文字の色を変える"): the seventeen-colour palette. A click stores the
// colour as a text colour (string id) or a frame colour (colour value), for the whole sheet or
// for the current sticker, and closes the dialog.
#include "design/seal_format.h"
#include "pages/template_dialog.h"

#include <cstdint>

class CDlgFontColor : public CTemplateDialog, public CSealFormat {
    Q_OBJECT
public:
    // `textMode`: text colour, else frame colour. `wholeSheet`: the design's value, else the
    // current sticker's. The design kind (which record) is read from the wizard that owns `parent`.
    CDlgFontColor(bool textMode, bool wholeSheet, QWidget* parent);

    // exec() returns 1 after a colour was clicked, 0 after cancel.

private:
    void SetUpButtons();
    void SetUpNoFrameChoice();
    // The button of the value the target holds now, or none.
    int CurrentButton() const;
    void OnColour(int buttonId, int stringId);
    SealDataCommon* Sheet() const;
    SealPiece* CurrentSticker() const;

    bool m_bTextMode;
    bool m_bWholeSheet;
    int m_nKind;
};
