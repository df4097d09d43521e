#pragma once
// The fill dialog of the text pages ("リスト・連番で入力"): entries from a pasted or opened list
// (plain lines, CSV or TSV) or from a numbered series go into the stickers from the current one
// on, onto further sheets as needed. The entries a sticker cannot hold are listed, with their
// lines, before anything is filled, and the user chooses what becomes of them.
#include "design/entry_list.h"
#include "design/fill_entries.h"
#include "design/number_series.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTimer;

class FillDialog : public QDialog {
    Q_OBJECT
public:
    // `fromSticker`: the current sticker record of `kind`, where the fill starts. `twoTexts`: a
    // Zolvi layout with a text on each part, which offers the choice of parts.
    FillDialog(QWidget* parent, int kind, int fromSticker, bool twoTexts);

    // What the fill puts in, in order (code page 932), after accept.
    const std::vector<std::string>& Texts() const { return m_checked.texts; }
    ZolviFill How() const;

    // The list's bytes as from a file (the encoding combo then applies to them).
    void TakeFile(const QString& name, std::string bytes);
    // Reads and checks the entries now rather than after the typing pause.
    void RefreshNow();
    // Takes the entries as they are now typed, and closes only when there is something to fill.
    void accept() override;

    QTabWidget* Tabs() const { return m_tabs; }
    QPlainTextEdit* ListText() const { return m_listText; }
    QComboBox* Encoding() const { return m_encoding; }
    QComboBox* Format() const { return m_format; }
    QComboBox* Column() const { return m_column; }
    QCheckBox* SkipBlank() const { return m_skipBlank; }
    QLineEdit* Prefix() const { return m_prefix; }
    QSpinBox* Start() const { return m_start; }
    QSpinBox* Step() const { return m_step; }
    QSpinBox* Count() const { return m_count; }
    QSpinBox* Digits() const { return m_digits; }
    QLineEdit* Suffix() const { return m_suffix; }
    QLabel* SeriesPreview() const { return m_seriesPreview; }
    QLabel* Summary() const { return m_summary; }
    QLabel* ListState() const { return m_listState; }
    QListWidget* Issues() const { return m_issues; }
    QRadioButton* ReplaceChoice() const { return m_replace; }
    QRadioButton* SkipChoice() const { return m_skip; }
    QRadioButton* FrontsChoice() const { return m_fronts; }
    QRadioButton* FrontAndBackChoice() const { return m_frontAndBack; }
    QPushButton* FillButton() const { return m_fill; }

private:
    QWidget* BuildListTab();
    QWidget* BuildSeriesTab();
    QWidget* BuildZolviChoice();
    QWidget* BuildIssues();
    void ConnectRefresh();
    void OnOpenFile();
    void OnListTyped();
    void Refresh();
    void ReadList();
    void ShowColumns();
    void ShowSeriesPreview();
    void CheckEntries();
    void ShowIssues();
    void ShowSummary();
    NumberSeries Series() const;
    ListOptions Options() const;
    BadEntries Handling() const;

    int m_nKind;
    int m_nFrom;
    QTabWidget* m_tabs = nullptr;
    QPlainTextEdit* m_listText = nullptr;
    QLabel* m_fileName = nullptr;
    QComboBox* m_encoding = nullptr;
    QComboBox* m_format = nullptr;
    QComboBox* m_column = nullptr;
    QCheckBox* m_header = nullptr;
    QCheckBox* m_skipBlank = nullptr;
    QLabel* m_listState = nullptr;
    QLineEdit* m_prefix = nullptr;
    QSpinBox* m_start = nullptr;
    QSpinBox* m_step = nullptr;
    QSpinBox* m_count = nullptr;
    QSpinBox* m_digits = nullptr;
    QLineEdit* m_suffix = nullptr;
    QLabel* m_seriesPreview = nullptr;
    QRadioButton* m_fronts = nullptr;
    QRadioButton* m_frontAndBack = nullptr;
    QLabel* m_issuesCaption = nullptr;
    QListWidget* m_issues = nullptr;
    QRadioButton* m_replace = nullptr;
    QRadioButton* m_skip = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_fill = nullptr;
    QTimer* m_typingPause = nullptr;

    // The list as read and the entries as checked: read again only when the list or how it is
    // read changes, checked again when the entries or the handling do.
    bool m_bFromFile = false;
    std::string m_fileBytes;
    EntryList m_list;
    std::vector<ListEntry> m_entries;
    CheckedEntries m_checked;
};
