#pragma once
// The text entry pages (Orvanel 173, Zolvi 218): the user picks a sticker on the numbered sheet
// map, types its text and may give it its own size, colours and alignment, watching a large
// preview of it and, in a window of its own, of the whole sheet.
#include "controls/every_edit.h"
#include "pages/design_of_kind.h"
#include "render/sticker_previews.h"
#include "wizard/design_step_page.h"

#include <QPointer>
#include <QStringList>

class CFontButton;
class CLayoutFontStatic;
class CModelessPreviewDlg;
class SheetNavigation;
class CScrollLB;
class QAbstractButton;
class QButtonGroup;

class CTextEntryPage : public CDesignStepPage, public EveryEditPage {
    Q_OBJECT
public:
    CTextEntryPage(CWizardSheetDlg* sheet, int kind);

    void OnSetActive() override;
    // The edits show the restored texts whether or not they get the focus.
    void OnDesignRestored() override;
    // Closes the whole-sheet preview window.
    bool OnKillActive() override;
    // Drops the controls the page made itself, which the page window's template does not hold.
    void OnDestroyPage() override;
    // The Tab the wizard hands on (Zolvi): the focus goes to the edit of the current part.
    void OnKeyDown(int key, Qt::KeyboardModifiers modifiers) override;

    void RefreshSelection() override;
    void RepaintPictures() override;
    void EraseAroundEdit(CEveryEdit* edit) override;
    // Frames the edit the typing goes to (Zolvi: the back edit for a back part in two-text
    // layouts).
    void DrawEditFrame();
    // Lays the sheet out again and refreshes the whole-sheet preview window, when it is open.
    void RefreshWholePreview();

    // The user moved the size list to entry `index` (command 1129).
    void OnSizeChosen(int index);
    // The preview had to reduce the size to entry `index` (notification 1130).
    void OnSizeReduced(int index);
    // The sticker preview has been laid out and drawn.
    void OnPreviewPainted(ReducedSize reduced);

    CEveryEdit* Edit() const { return m_edit; }
    CEveryEdit* BackEdit() const { return m_backEdit; }
    CScrollLB* SizeList() const { return m_sizeList; }
    QAbstractButton* AlignButton(int id) const;
    CModelessPreviewDlg* WholePreview() const;
    bool WholePreviewOpen() const;
    // 1066 or 1067: the edit the frame is drawn around.
    int FramedEdit() const;
    CFontButton* FillButton() const { return m_fillButton; }
    SheetNavigation* Sheets() const { return m_sheets; }
    // The fill dialog (the fill button); its fill is one step of the history.
    void OnFill();

protected:
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool IsZolvi() const { return m_nKind == kKindZolvi; }
    DesignOfKind Design() const { return CurrentDesign(m_nKind); }
    SealPiece* Current() const;
    // The record whose settings the page shows: the current one, in same-text layouts the front
    // part of the current sticker.
    SealPiece* Shown() const;
    CEveryEdit* CurrentEdit() const;
    CLayoutFontStatic* Map() const;
    CLayoutFontStatic* Preview() const;

    void BuildEdits();
    void BuildSizeList();
    void BuildAlignment();
    void SetUpLabels();
    void SetUpButtons();
    void BuildSheetControls();

    void RefreshOnce();
    void ShowSize();
    void ShowAlignment();
    void RecomputePreview();
    void ShowStickerNumber();
    void ShowOverflow();
    void ApplyNextRule();
    void FocusEdit();
    void ShowBackEditState();
    void ShowFrameButton();
    bool LoadPictures();
    // A recorded step of this page changes the design's sticker values: the record says so.
    void MarkModified();

    void OnTextStored(EditChange how);
    void OnMapClick(const QPoint& click);
    void OnAlign(int id);
    void OnColour(bool text);
    void OnCopyToAll();
    void OnDeleteSelected();
    void OnDeleteAll();
    void OnWholePreview();
    void UpdatePreviewButton();

    int m_nKind;
    CEveryEdit* m_edit = nullptr;
    CEveryEdit* m_backEdit = nullptr;
    CScrollLB* m_sizeList = nullptr;
    QButtonGroup* m_alignH = nullptr;
    QButtonGroup* m_alignV = nullptr;
    QStringList m_sizes;
    QPointer<CModelessPreviewDlg> m_preview;
    CFontButton* m_fillButton = nullptr;
    SheetNavigation* m_sheets = nullptr;
    int m_nLastFramedEdit = 0;
    std::vector<QObject*> m_made;  // the controls above, for OnDestroyPage
    bool m_bRefreshing = false;
    bool m_bRefreshAgain = false;
};

class CPage400Dlg : public CTextEntryPage {
    Q_OBJECT
public:
    explicit CPage400Dlg(CWizardSheetDlg* sheet);
};

class CPage4000Dlg : public CTextEntryPage {
    Q_OBJECT
public:
    explicit CPage4000Dlg(CWizardSheetDlg* sheet);
};
