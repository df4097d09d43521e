#pragma once
// The wizard on the text entry and print pages: helpers that walk there and act like a user.
#include "wizard_fixture.h"

#include "pages/design_of_kind.h"
#include "pages/print_page.h"
#include "pages/text_page.h"

#include <functional>

class TextPrintTest : public WizardTest {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // Chooses the sheet `code` and presses Next until its text page shows.
    void GoToTextPage(const std::string& code);
    CTextEntryPage* TextPage() const;
    CPrintStepPage* PrintPage() const;
    DesignOfKind Design() const { return CurrentDesign(Wizard()->m_nKind); }
    SealPiece& Piece(int index) const { return Design().pieces[static_cast<std::size_t>(index)]; }
    int Current() const { return Design().sheet.m_nCurPiece; }

    // Clicks the sticker on the text page's sheet map.
    void ClickMapSticker(int index);
    // Clicks `button` of the text page and answers the confirmation that follows.
    void ClickConfirmed(int buttonId, int answer);
    // The wizard window active again after a modal dialog (the offscreen platform has no window
    // manager to give it back its activation).
    void Reactivate();
    // A string committed by the input method into the widget that has the focus.
    static void Commit(QWidget* edit, const QString& text);
};

// Clicks the child control `id` of `parent`.
void ClickOnChild(QWidget* parent, int id);

