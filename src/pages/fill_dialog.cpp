#include "pages/fill_dialog.h"

#include "design/design_record.h"
#include "design/design_sheets.h"
#include "design/seal_format.h"
#include "design/sheets_file.h"
#include "design/sticker_number.h"
#include "pages/program_folder.h"
#include "platform/file_bytes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cerrno>
#include <cstring>
#include <optional>

namespace {

constexpr int kTypingPauseMs = 150;  // a pasted or typed list is read again once the typing pauses
constexpr int kListTab = 0;
constexpr int kMostEntries = 100000;

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QString EncodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8: return QStringLiteral("UTF-8");
    case TextEncoding::Utf16: return QStringLiteral("UTF-16");
    case TextEncoding::Cp932: return QStringLiteral("シフトJIS");
    case TextEncoding::Detect: break;
    }
    return QStringLiteral("自動");
}

QString FormatName(ListFormat format)
{
    switch (format) {
    case ListFormat::Lines: return QStringLiteral("1行に1件");
    case ListFormat::Csv: return QStringLiteral("CSV");
    case ListFormat::Tsv: return QStringLiteral("TSV");
    case ListFormat::Detect: break;
    }
    return QStringLiteral("自動");
}

// An entry as one line of the preview: its line breaks shown as "⏎".
QString OneLine(const std::string& text)
{
    QString line = FromUtf8(text);
    line.replace(QLatin1Char('\n'), QStringLiteral("⏎"));
    return line.isEmpty() ? QStringLiteral("（空）") : line;
}

QString IssueText(const EntryIssue& issue)
{
    if (issue.kind == EntryIssue::Kind::TooLong)
        return QStringLiteral("%1行目: 長すぎます（1枚のシールに%2バイトまで）%3")
            .arg(issue.line)
            .arg(kMaxStickerTextBytes)
            .arg(FromUtf8(issue.detail));
    if (issue.kind == EntryIssue::Kind::OtherEncoding)
        return QStringLiteral("%1行目: シフトJISではなくUTF-8の行です（文字化けします）「%2」")
            .arg(issue.line)
            .arg(FromUtf8(issue.detail));
    return QStringLiteral("%1行目: 使えない文字「%2」").arg(issue.line).arg(FromUtf8(issue.detail));
}

QSpinBox* NumberBox(int low, int high, int value)
{
    auto* box = new QSpinBox;
    box->setRange(low, high);
    box->setValue(value);
    box->setAccelerated(true);
    return box;
}

}  // namespace

FillDialog::FillDialog(QWidget* parent, int kind, int fromSticker, bool twoTexts)
    : QDialog(parent), m_nKind(kind), m_nFrom(fromSticker)
{
    setWindowTitle(QStringLiteral("リスト・連番で入力"));
    m_typingPause = new QTimer(this);
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(kTypingPauseMs);
    m_tabs = new QTabWidget;
    m_tabs->addTab(BuildListTab(), QStringLiteral("リスト"));
    m_tabs->addTab(BuildSeriesTab(), QStringLiteral("連番"));
    m_summary = new QLabel;
    m_summary->setWordWrap(true);
    auto* buttons = new QDialogButtonBox;
    m_fill = buttons->addButton(QStringLiteral("入力する"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    QWidget* zolvi = BuildZolviChoice();
    zolvi->setVisible(twoTexts);
    layout->addWidget(zolvi);
    layout->addWidget(BuildIssues());
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    ConnectRefresh();
    ShowSeriesPreview();
    RefreshNow();
    m_listText->setFocus(Qt::OtherFocusReason);
}

QWidget* FillDialog::BuildListTab()
{
    auto* tab = new QWidget;
    m_listText = new QPlainTextEdit;
    m_listText->setPlaceholderText(QStringLiteral("1行に1件ずつ貼り付けるか、ファイルを開いてください。"));
    m_listText->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* open = new QPushButton(QStringLiteral("ファイルを開く…"));
    connect(open, &QPushButton::clicked, this, &FillDialog::OnOpenFile);
    m_fileName = new QLabel;
    m_encoding = new QComboBox;
    for (TextEncoding encoding : {TextEncoding::Detect, TextEncoding::Utf8, TextEncoding::Utf16, TextEncoding::Cp932})
        m_encoding->addItem(EncodingName(encoding), static_cast<int>(encoding));
    m_encoding->setEnabled(false);
    m_format = new QComboBox;
    for (ListFormat format : {ListFormat::Detect, ListFormat::Lines, ListFormat::Csv, ListFormat::Tsv})
        m_format->addItem(FormatName(format), static_cast<int>(format));
    m_column = new QComboBox;
    m_column->setEditable(true);
    m_column->setMinimumContentsLength(10);
    m_column->lineEdit()->setPlaceholderText(QStringLiteral("最初の列"));
    m_header = new QCheckBox(QStringLiteral("1行目は見出し"));
    m_header->setChecked(true);
    m_skipBlank = new QCheckBox(QStringLiteral("空の行を飛ばす（外すと空のシールになります）"));
    m_listState = new QLabel;
    m_listState->setWordWrap(true);

    auto* file = new QHBoxLayout;
    file->addWidget(open);
    file->addWidget(m_fileName, 1);
    auto* reading = new QHBoxLayout;
    reading->addWidget(new QLabel(QStringLiteral("文字コード")));
    reading->addWidget(m_encoding);
    reading->addSpacing(8);
    reading->addWidget(new QLabel(QStringLiteral("形式")));
    reading->addWidget(m_format);
    reading->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addWidget(new QLabel(QStringLiteral("列（見出しの名前か番号）")));
    columns->addWidget(m_column, 1);
    columns->addWidget(m_header);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(m_listText, 1);
    layout->addLayout(file);
    layout->addLayout(reading);
    layout->addLayout(columns);
    layout->addWidget(m_skipBlank);
    layout->addWidget(m_listState);
    return tab;
}

QWidget* FillDialog::BuildSeriesTab()
{
    auto* tab = new QWidget;
    m_prefix = new QLineEdit;
    m_start = NumberBox(-999999999, 999999999, 1);
    m_step = NumberBox(-999999, 999999, 1);
    m_count = NumberBox(0, kMostEntries, 10);
    m_digits = NumberBox(0, 18, 0);
    m_digits->setSpecialValueText(QStringLiteral("そろえない"));
    m_suffix = new QLineEdit;
    m_seriesPreview = new QLabel;
    m_seriesPreview->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* form = new QFormLayout(tab);
    form->addRow(QStringLiteral("前に付ける文字"), m_prefix);
    form->addRow(QStringLiteral("最初の番号"), m_start);
    form->addRow(QStringLiteral("増やす数"), m_step);
    form->addRow(QStringLiteral("件数"), m_count);
    form->addRow(QStringLiteral("桁数（0で埋める）"), m_digits);
    form->addRow(QStringLiteral("後に付ける文字"), m_suffix);
    form->addRow(QStringLiteral("見本"), m_seriesPreview);
    return tab;
}

QWidget* FillDialog::BuildZolviChoice()
{
    auto* box = new QGroupBox(QStringLiteral("2つの文字のシール"));
    m_fronts = new QRadioButton(QStringLiteral("表の文字だけに入れる"));
    m_frontAndBack = new QRadioButton(QStringLiteral("表と裏に交互に入れる"));
    m_fronts->setChecked(true);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(m_fronts);
    layout->addWidget(m_frontAndBack);
    layout->addStretch(1);
    return box;
}

QWidget* FillDialog::BuildIssues()
{
    auto* box = new QWidget;
    m_issuesCaption = new QLabel;
    m_issues = new QListWidget;
    m_issues->setUniformItemSizes(true);
    m_issues->setMaximumHeight(m_issues->fontMetrics().height() * 6);
    m_replace = new QRadioButton(QStringLiteral("使えない文字を「？」にする"));
    m_skip = new QRadioButton(QStringLiteral("その件を飛ばす"));
    m_replace->setChecked(true);
    auto* choice = new QHBoxLayout;
    choice->addWidget(m_replace);
    choice->addWidget(m_skip);
    choice->addStretch(1);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_issuesCaption);
    layout->addWidget(m_issues);
    layout->addLayout(choice);
    return box;
}

void FillDialog::ConnectRefresh()
{
    connect(m_typingPause, &QTimer::timeout, this, &FillDialog::Refresh);
    connect(m_listText, &QPlainTextEdit::textChanged, this, &FillDialog::OnListTyped);
    connect(m_tabs, &QTabWidget::currentChanged, this, &FillDialog::Refresh);
    // The cursor goes to the tab's first field, so the keyboard alone fills either tab.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        (tab == kListTab ? static_cast<QWidget*>(m_listText) : m_prefix)->setFocus(Qt::TabFocusReason);
    });
    for (QComboBox* combo : {m_encoding, m_format})
        connect(combo, &QComboBox::currentIndexChanged, this, &FillDialog::Refresh);
    connect(m_column, &QComboBox::currentTextChanged, m_typingPause, qOverload<>(&QTimer::start));
    for (QCheckBox* check : {m_header, m_skipBlank})
        connect(check, &QCheckBox::toggled, this, &FillDialog::Refresh);
    // The first and last entries follow every keystroke; the whole series once the typing pauses.
    const auto seriesChanged = [this] {
        ShowSeriesPreview();
        m_typingPause->start();
    };
    for (QLineEdit* edit : {m_prefix, m_suffix})
        connect(edit, &QLineEdit::textChanged, this, seriesChanged);
    for (QSpinBox* box : {m_start, m_step, m_count, m_digits})
        connect(box, &QSpinBox::valueChanged, this, seriesChanged);
    connect(m_replace, &QRadioButton::toggled, this, [this] {
        CheckEntries();
        ShowIssues();
        ShowSummary();
    });
    connect(m_fronts, &QRadioButton::toggled, this, &FillDialog::ShowSummary);
}

ZolviFill FillDialog::How() const
{
    return m_frontAndBack->isChecked() ? ZolviFill::FrontAndBack : ZolviFill::Fronts;
}

BadEntries FillDialog::Handling() const
{
    return m_skip->isChecked() ? BadEntries::Skip : BadEntries::Replace;
}

NumberSeries FillDialog::Series() const
{
    NumberSeries series;
    series.prefix = m_prefix->text().toStdString();
    series.suffix = m_suffix->text().toStdString();
    series.start = m_start->value();
    series.step = m_step->value();
    series.count = m_count->value();
    series.digits = m_digits->value();
    return series;
}

ListOptions FillDialog::Options() const
{
    ListOptions options;
    options.encoding = m_bFromFile ? static_cast<TextEncoding>(m_encoding->currentData().toInt()) : TextEncoding::Utf8;
    options.format = static_cast<ListFormat>(m_format->currentData().toInt());
    options.column = m_column->currentText().trimmed().toStdString();
    options.hasHeader = m_header->isChecked();
    options.skipBlank = m_skipBlank->isChecked();
    // Enough for the most sheets a design holds, whichever parts take the entries.
    options.maxEntries = EntriesWithin(m_nKind, kMaxSheets - ShownSheet(m_nKind), m_nFrom, ZolviFill::FrontAndBack);
    return options;
}

void FillDialog::OnOpenFile()
{
    const QString name = QFileDialog::getOpenFileName(this, QStringLiteral("リストを開く"), ToQString(ListFolder()),
                                                      QStringLiteral("リスト (*.txt *.csv *.tsv);;すべてのファイル (*)"));
    if (name.isEmpty())
        return;
    RememberListFolder(ToPath(name));
    errno = 0;
    std::optional<std::string> bytes = ReadFileBytes(ToPath(name), kMaxListBytes);
    if (!bytes) {
        const QString why = errno == EFBIG ? QStringLiteral("%1 MiBを超えています").arg(kMaxListBytes / (1024 * 1024))
                                           : QString::fromLocal8Bit(std::strerror(errno != 0 ? errno : EIO));
        m_listState->setText(QStringLiteral("ファイルを開けません（%1）: %2").arg(why, name));
        return;
    }
    TakeFile(name, std::move(*bytes));
}

void FillDialog::TakeFile(const QString& name, std::string bytes)
{
    m_fileBytes = std::move(bytes);
    m_bFromFile = true;
    {
        const QSignalBlocker quiet(m_listText);
        m_listText->clear();
        m_listText->setPlaceholderText(QString());
    }
    m_fileName->setText(QFileInfo(name).fileName());
    m_encoding->setEnabled(true);
    RefreshNow();
}

// Typing or pasting replaces a list opened from a file.
void FillDialog::OnListTyped()
{
    if (m_bFromFile) {
        m_bFromFile = false;
        m_fileBytes.clear();
        m_fileName->clear();
        m_encoding->setEnabled(false);
    }
    m_typingPause->start();
}

void FillDialog::RefreshNow()
{
    m_typingPause->stop();
    Refresh();
}

void FillDialog::accept()
{
    RefreshNow();
    if (m_fill->isEnabled())
        QDialog::accept();
}

void FillDialog::Refresh()
{
    m_typingPause->stop();
    if (m_tabs->currentIndex() == kListTab)
        ReadList();
    else
        m_entries = SeriesEntries(Series());
    CheckEntries();
    ShowIssues();
    ShowSummary();
}

void FillDialog::ReadList()
{
    const std::string typed = m_bFromFile ? std::string() : m_listText->toPlainText().toStdString();
    m_list = ReadEntryList(m_bFromFile ? m_fileBytes : typed, Options());
    m_entries = m_list.error.empty() ? m_list.entries : std::vector<ListEntry>();
    ShowColumns();
    QString state;
    if (!m_list.error.empty())
        state = QStringLiteral("読めません（%1行目）: %2").arg(m_list.errorLine).arg(FromUtf8(m_list.error));
    else if (!m_entries.empty())
        state = QStringLiteral("%1・%2　%3件　最初「%4」　最後「%5」")
                    .arg(m_bFromFile ? EncodingName(m_list.encoding) : QStringLiteral("貼り付け"),
                         FormatName(m_list.format))
                    .arg(m_entries.size())
                    .arg(OneLine(m_entries.front().text), OneLine(m_entries.back().text));
    m_listState->setText(state);
}

void FillDialog::ShowColumns()
{
    const bool table = m_list.format == ListFormat::Csv || m_list.format == ListFormat::Tsv;
    m_column->setEnabled(table);
    m_header->setEnabled(table);
    const QSignalBlocker quiet(m_column);
    const QString chosen = m_column->currentText();
    m_column->clear();
    for (const std::string& name : m_list.columns)
        m_column->addItem(FromUtf8(name));
    m_column->setEditText(chosen);
}

void FillDialog::ShowSeriesPreview()
{
    const NumberSeries series = Series();
    if (series.count <= 0) {
        m_seriesPreview->setText(QStringLiteral("（0件）"));
        return;
    }
    const QString first = FromUtf8(SeriesEntry(series, 0));
    if (series.count == 1) {
        m_seriesPreview->setText(first);
        return;
    }
    m_seriesPreview->setText(QStringLiteral("%1 … %2").arg(first, FromUtf8(SeriesEntry(series, series.count - 1))));
}

void FillDialog::CheckEntries()
{
    m_checked = PrepareEntries(m_entries, Handling());
}

void FillDialog::ShowIssues()
{
    m_issues->clear();
    QStringList lines;
    lines.reserve(static_cast<int>(m_checked.issues.size()));
    for (const EntryIssue& issue : m_checked.issues)
        lines.push_back(IssueText(issue));
    m_issues->addItems(lines);
    const bool any = !lines.isEmpty();
    m_issues->parentWidget()->setVisible(any);
    m_issuesCaption->setText(QStringLiteral("シールに入れられない件があります（%1件）:").arg(lines.size()));
}

void FillDialog::ShowSummary()
{
    const std::size_t count = m_checked.texts.size();
    m_fill->setEnabled(count > 0);
    if (count == 0) {
        m_summary->setText(QStringLiteral("入れる件がありません。"));
        return;
    }
    const int sticker = StickerNumber(m_nKind, m_nFrom);
    const int sheets = SheetsNeeded(m_nKind, count, m_nFrom, How());
    // A design keeps no more sheets than its companion file can hold.
    if (ShownSheet(m_nKind) + sheets > kMaxSheets) {
        m_fill->setEnabled(false);
        // A list read only up to one entry beyond the limit is longer still.
        const bool cut = m_tabs->currentIndex() == kListTab && m_list.tooMany;
        const QString text = cut ? QStringLiteral("%1件を超えるため、シートが%2枚を超えます。")
                                 : QStringLiteral("%1件ではシートが%2枚を超えます。");
        m_summary->setText(text.arg(count - (cut ? 1 : 0)).arg(kMaxSheets));
        return;
    }
    m_summary->setText(QStringLiteral("シール%1から%2件を入れます。いまのシートから%3枚使います。")
                           .arg(sticker)
                           .arg(count)
                           .arg(sheets));
}
