#include "pages/sheet_navigation.h"

#include "wizard/design_history.h"
#include "controls/font_button.h"
#include "controls/font_static.h"
#include "design/design_sheets.h"
#include "pages/sheet_steps.h"
#include "res/look.h"
#include "wizard/message_box.h"

#include <QFontMetrics>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr std::uint32_t kButtonFaceRef = 0xFFFF60;  // the page's other caption buttons
constexpr int kCaptionPixels = 15;
constexpr int kSmallestCaptionPixels = 8;
constexpr int kButtonPixels = 12;

bool ConfirmRemoval(QWidget* parent, int sheet)
{
    return AskOkCancel(parent, QStringLiteral("シート%1には文字が入っています。このシートを削除しますか？").arg(sheet + 1),
                       QStringLiteral("削除する"), QStringLiteral("やめる"));
}

}  // namespace

QString SheetCountText(int shown, int count)
{
    return QStringLiteral("%1 / %2枚").arg(shown + 1).arg(count);
}

QFont CounterFont(const QString& text, int width)
{
    int pixels = kCaptionPixels;
    while (pixels > kSmallestCaptionPixels && QFontMetrics(CaptionFont(pixels)).horizontalAdvance(text) > width)
        --pixels;
    return CaptionFont(pixels);
}

SheetNavigation::SheetNavigation(QWidget* page, DesignHistory& history, int kind, int pageId)
    : QWidget(page), m_history(history), m_nKind(kind), m_nPageId(pageId)
{
    m_previous = MakeButton(QStringLiteral("◀"));
    m_caption = new CFontStatic(this);
    m_caption->CreateFont(CaptionFont(kCaptionPixels));
    m_caption->SetColours(Qt::black, PageColour());
    m_caption->SetFormat(Qt::AlignCenter | Qt::TextSingleLine);
    m_next = MakeButton(QStringLiteral("▶"));
    m_add = MakeButton(QStringLiteral("追加"));
    m_remove = MakeButton(QStringLiteral("削除"));
    m_previous->setToolTip(QStringLiteral("前のシート"));
    m_next->setToolTip(QStringLiteral("次のシート"));
    m_add->setToolTip(QStringLiteral("最後のシートの後に空のシートを加えます（同じ並びと書体）"));
    m_remove->setToolTip(QStringLiteral("表示中のシートを削除します"));
    connect(m_previous, &QPushButton::clicked, this, [this] { MoveBy(-1); });
    connect(m_next, &QPushButton::clicked, this, [this] { MoveBy(1); });
    connect(m_add, &QPushButton::clicked, this, &SheetNavigation::AddSheetAfterLast);
    connect(m_remove, &QPushButton::clicked, this, &SheetNavigation::RemoveShownSheet);
    Place();
}

CFontButton* SheetNavigation::MakeButton(const QString& caption)
{
    auto* button = new CFontButton(this);
    button->CreateFont(CaptionFont(kButtonPixels));
    button->SetCaption(caption);
    button->SetColours(Qt::black, ColourFromRef(kButtonFaceRef));
    // A click leaves the typing where it was.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// In a row, in pixels at 96 dots per inch scaled to the screen: ◀ 2 / 4枚 ▶, add, remove.
void SheetNavigation::Place()
{
    const int dpi = logicalDpiY();
    const auto px = [dpi](int pixels) { return pixels * dpi / 96; };
    const int height = px(24);
    m_previous->setGeometry(0, 0, px(22), height);
    m_caption->setGeometry(px(22), 0, px(68), height);
    m_next->setGeometry(px(90), 0, px(22), height);
    m_add->setGeometry(px(118), 0, px(38), height);
    m_remove->setGeometry(px(158), 0, px(38), height);
    setFixedSize(px(196), height);
}

void SheetNavigation::Refresh()
{
    const int count = SheetCount(m_nKind), shown = ShownSheet(m_nKind);
    const QString text = SheetCountText(shown, count);
    m_caption->CreateFont(CounterFont(text, m_caption->width()));
    m_caption->SetText(text);
    m_previous->setEnabled(shown > 0);
    m_next->setEnabled(shown + 1 < count);
    m_remove->setEnabled(count > 1);
}

void SheetNavigation::MoveBy(int sheets)
{
    const int target = ShownSheet(m_nKind) + sheets;
    if (target < 0 || target >= SheetCount(m_nKind))
        return;
    MoveToSheet(m_history, m_nKind, target);
    Refresh();
    emit SheetShown();
}

void SheetNavigation::AddSheetAfterLast()
{
    m_history.Settle();
    SheetsState before = TakeSheets(m_nKind);
    AddSheet(m_nKind);
    ShowSheet(m_nKind, SheetCount(m_nKind) - 1);
    RecordSheetsStep(m_history, m_nKind, m_nPageId, QStringLiteral("シートの追加"), std::move(before));
    Refresh();
    emit SheetShown();
}

bool SheetNavigation::RemoveShownSheet()
{
    const int shown = ShownSheet(m_nKind);
    if (SheetCount(m_nKind) < 2)
        return false;
    if (SheetHasText(m_nKind, shown) && !ConfirmRemoval(this, shown))
        return false;
    m_history.Settle();
    SheetsState before = TakeSheets(m_nKind);
    RemoveSheet(m_nKind, shown);
    RecordSheetsStep(m_history, m_nKind, m_nPageId, QStringLiteral("シート%1の削除").arg(shown + 1),
                     std::move(before));
    Refresh();
    emit SheetShown();
    return true;
}
