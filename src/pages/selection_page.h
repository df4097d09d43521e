#pragma once
// CPage10Dlg: the list of sheet products; choosing one makes it the design's sheet.
#include "pages/sheet_list.h"
#include "wizard/wizard_page.h"

#include <vector>

struct QuickListCell;
struct QuickListHit;
class CQuickList;
class QLineEdit;

// The row the list was last seen showing as selected.
extern int g_nLastSelRow;

class CPage10Dlg : public CWizardPageDlg {
    Q_OBJECT
public:
    explicit CPage10Dlg(CWizardSheetDlg* sheet);

    void OnSetActive() override;
    int OnWizardNext() override;
    // The start page has no design kind, whatever sheet this page kept chosen.
    int OnWizardBack() override;

    // Rebuilds the rows from the catalog, keeping the search.
    void FillList();
    // The rows the search finds, as the list shows them.
    const std::vector<SheetListItem>& Rows() const { return m_rows; }
    CQuickList* List() const;
    QLineEdit* Search() const;
    // Chooses the sheet a name finds (a code, search code or label "BRAND PART") as a click on its
    // row would; false when none is found.
    bool ChooseNamedSheet(const std::string& utf8Name);

protected:
    bool OnInitDialog() override;

private:
    void OnCellRequest(QuickListCell& cell) const;
    void OnListClick(const QuickListHit& hit);
    bool ChooseRow(int row);
    void OnMeasureSheet();
    void OnSelectionShown(int row);
    // Makes row `row` the design's sheet (kind, settings, code, record, picture); false when
    // the row could not be chosen.
    bool ChooseSheet(int row);
    bool ShowSheetPicture();
    // The kind of the design when the user has written text in it, which choosing another sheet
    // would empty; kKindNone otherwise.
    int HeldDesignKind() const;
    // The row of that design's sheet among the rows shown; -1 when not shown.
    int HeldDesignRow(int kind) const;
    // Shows that design's sheet as chosen when listed, and Next goes on with the texts; false when
    // there is no such design.
    bool ShowHeldDesign();
    // Coming back: a search that hides that design's sheet is cleared.
    void RevealHeldDesign();
    void ShowChoiceHints(bool on);
    void ShowFoundRows();
    void OnSearchChanged();

    std::vector<SheetListItem> m_allRows;
    std::vector<SheetListItem> m_rows;
};
