#include "pages2_fixture.h"

#include "controls/layout_font_static.h"
#include "pages/sheet_page_views.h"
#include "render/font_pool.h"
#include "res/resource_ids.h"
#include "res/text_print_ids.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>

void TextPrintTest::SetUpTestSuite()
{
    g_fontPool.Create();
}

void TextPrintTest::TearDownTestSuite()
{
    g_fontPool.Release();
}

void TextPrintTest::SetUp()
{
    WizardTest::SetUp();
    StartWizard();
}

void TextPrintTest::GoToTextPage(const std::string& code)
{
    NewDesign();
    ClickSheet(code);
    const int textPage = Wizard()->m_nKind == kKindZolvi ? kIddZolviText : kIddOrvanelText;
    for (int step = 0; step < 3 && ActiveId() != textPage; ++step)
        PressNext();
    ASSERT_EQ(ActiveId(), textPage);
}

CTextEntryPage* TextPrintTest::TextPage() const
{
    return static_cast<CTextEntryPage*>(Page(Wizard()->m_nKind == kKindZolvi ? kIddZolviText : kIddOrvanelText));
}

CPrintStepPage* TextPrintTest::PrintPage() const
{
    return static_cast<CPrintStepPage*>(Page(Wizard()->m_nKind == kKindZolvi ? kIddZolviPrint : kIddOrvanelPrint));
}

void TextPrintTest::ClickMapSticker(int index)
{
    const bool zolvi = Wizard()->m_nKind == kKindZolvi;
    auto* map = TextPage()->ControlAs<CLayoutFontStatic>(zolvi ? kIdcZolviMap : kIdcOrvanelMap);
    const PictureFrame frame = FrameOf(*map);
    const Rect& hit = Piece(index).m_rcHit;
    const QSizeF extent = WindowExtent(frame.picture, kScaleMap);
    const QPoint click(static_cast<int>((hit.left + hit.right) / 2.0 * frame.client.width() / extent.width()),
                       static_cast<int>((hit.top + hit.bottom) / 2.0 * frame.client.height() / extent.height()));
    QTest::mouseClick(map, Qt::LeftButton, {}, click);
}

void TextPrintTest::ClickConfirmed(int buttonId, int answer)
{
    auto reply = AnswerNextModal(answer);
    ClickPageControl(TextPage()->m_nTemplateId, buttonId);
    Reactivate();
    EXPECT_TRUE(reply->seen);
    EXPECT_EQ(reply->className, QStringLiteral("CDlgConfirm"));
}

void TextPrintTest::Reactivate()
{
    Wizard()->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(Wizard()));
}

void TextPrintTest::Commit(QWidget* edit, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

void ClickOnChild(QWidget* parent, int id)
{
    auto* child = parent->findChild<QWidget*>(QString::number(id));
    ASSERT_NE(child, nullptr) << id;
    QTest::mouseClick(child, Qt::LeftButton, {}, child->rect().center());
}

