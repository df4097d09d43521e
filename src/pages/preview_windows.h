#pragma once
// The whole-sheet preview windows the text pages open: the current design at the size of the
// paper canvas, refreshed after every change.
#include <QDialog>

#include <functional>

class CLayoutFontStatic;

class CModelessPreviewDlg : public QDialog {
    Q_OBJECT
public:
    // Lays the sheet out again and repaints; a missing data folder is reported instead.
    void Refresh();

signals:
    // The window was closed with its button (it deletes itself afterwards).
    void closedByUser();

protected:
    // On closing, `focusEdit` gives the keyboard focus back to the page's edit of the current
    // sticker (or sticker part).
    CModelessPreviewDlg(int templateId, int pictureId, int kind, QWidget* page, std::function<void()> focusEdit);
    ~CModelessPreviewDlg() override;
    void closeEvent(QCloseEvent* event) override;
    // Drops the layout results of the design of this window's kind.
    void DropLayout();

    int m_nKind;
    CLayoutFontStatic* m_picture = nullptr;

private:
    std::function<void()> m_focusEdit;
};

// Orvanel sheets.
class CModelessPreview400Dlg : public CModelessPreviewDlg {
    Q_OBJECT
public:
    explicit CModelessPreview400Dlg(QWidget* page, std::function<void()> focusEdit = {});
};

// Zolvi sheets.
class CModelessPreview4000Dlg : public CModelessPreviewDlg {
    Q_OBJECT
public:
    explicit CModelessPreview4000Dlg(QWidget* page, std::function<void()> focusEdit = {});
};
