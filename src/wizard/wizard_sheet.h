#pragma once
// CWizardSheetDlg: the frame that shows one page at a time over its placeholder and moves
// between pages with Back and Next, asking each page where to go.
#include "controls/control_factory.h"
#include "labels/label_database.h"
#include "wizard/wizard_page.h"

#include <QDialog>
#include <QImage>
#include <QPrinter>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class DesignHistory;

// The sheet map the open design was made on, kept while an update may replace its sheet's folder
// (pages/sheet_map_pin.h reads and keeps it).
struct SheetMapPin {
    std::string code;
    QImage map;
    bool pinned = false;
};

class CWizardSheetDlg : public QDialog {
    Q_OBJECT
public:
    explicit CWizardSheetDlg(int templateId, QWidget* parent = nullptr);

    void AddPage(CWizardPageDlg* page, int templateId);
    CWizardPageDlg* GetActivePage() const;
    CWizardPageDlg* FindPage(int templateId) const;
    int IndexOf(const CWizardPageDlg* page) const;
    CWizardPageDlg* PageAt(int index) const;
    int PageCount() const { return static_cast<int>(m_pages.size()); }

    // False when the move was refused (the page could not be created, or the active page
    // would not be left).
    bool ActivatePage(CWizardPageDlg* page);
    // Lights step n (1..5) of the step indicator; any other n shows none.
    void ShowStep(int n);
    // The print page of the current design kind, or nullptr.
    CWizardPageDlg* GetFinishPage() const;

    // The buttons' states.
    void ShowBack(bool on);
    void ShowNext(bool on);
    void EnableNext(bool on);
    void ShowExit(bool on);

    // The Next and Back steps (the buttons, and callers that move on their own).
    void Next();
    void Back();

    // The dialog's set-up: shows the first page with every button hidden.
    virtual void OnInitDialog();
    // Tears the page windows down (each created page is asked to be left first).
    void DestroyPages();

    // The printer the print pages print on, kept between prints so the next print dialog opens
    // on the printer and settings chosen last.
    QPrinter& KeptPrinter();
    // Whether the kept printer's paper is one the user chose instead of the sheet's own, which
    // the print dialog then keeps rather than proposing the sheet's paper.
    bool m_bOwnPaper = false;

    // The design's one undo history, and the steps it puts back: `templateId` is shown with the
    // record `sticker` (-1: any) current.
    DesignHistory& History() { return *m_history; }
    void ShowDesignStep(int templateId, int sticker);

    QWidget* Control(int id) const;
    template <class T>
    T* ControlAs(int id) const
    {
        return qobject_cast<T*>(Control(id));
    }

    int m_nPlaceholderId = 0;
    int m_nKind = 0;
    std::uint8_t m_bRefreshList = 0;
    // The label sheets being read for the catalog while the wizard starts.
    PendingLabelDatabase m_labelSheets;
    SheetMapPin m_sheetMap;

public slots:
    // Exit, Esc and the close box: the close question, then the wizard ends as cancelled.
    void reject() override;

protected:
    // Whether the wizard may close now; the program's wizard asks about unsaved work.
    virtual bool CloseQuestion() { return true; }
    void CancelWizard();
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A larger window keeps the pages as they are, to scale, in its middle.
    void resizeEvent(QResizeEvent* event) override;
    void StartWizard();

private:
    CWizardPageDlg* Resolve(int target, int step) const;
    void UpdateButtonsAfterNext(CWizardPageDlg* page);
    void UpdateButtonsAfterBack(CWizardPageDlg* page);
    void SetUpHistoryKeys();
    void StepHistory(bool undo);
    // The undo and redo buttons: shown on the design pages, with what they would undo or redo.
    void ShowHistoryButtons();

    std::vector<CWizardPageDlg*> m_pages;
    ControlMap m_controls;
    bool m_bForwardingKey = false;
    std::unique_ptr<QPrinter> m_printer;
    DesignHistory* m_history;
    QSize m_designedSize;  // the window as its template lays it out: its smallest size
    QPoint m_contentOffset;  // where that layout stands in the window now
};
