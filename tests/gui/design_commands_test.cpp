// Opening, saving and closing: the design file commands as the wizard runs them.
#include "wizard_fixture.h"

#include "design/design_file.h"
#include "design/file_messages.h"
#include "format/catalog.h"
#include "platform/cp932.h"
#include "pages/design_commands.h"
#include "pages/save_message_dialog.h"
#include "pages/start_page.h"
#include "controls/layout_font_static.h"
#include "pages/text_page.h"
#include "res/resource_ids.h"
#include "res/text_print_ids.h"

#include <QApplication>
#include <QTest>

#include <fstream>

namespace {

class DesignCommands : public WizardTest {
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        StartWizard();
    }

    // A saved design of `kind` on sheet `code` with one sticker text, in a folder of its own
    // (not the design-file folder).
    std::filesystem::path SavedDesign(const std::string& code, int kind)
    {
        UseFormat(*FindFormat(code));
        if (kind == kKindOrvanel)
            CSealFormat::Orvanel().m_pieces[0].m_strText = "Hello";
        else
            CSealFormat::Zolvi().m_pieces[0].m_strText = "Hello";
        const std::filesystem::path path = m_elsewhere.path() / (code + ".zvd");
        EXPECT_FALSE(SaveDesignFile(path, kind).has_value());
        CSealFormat::ResetAll();
        return path;
    }

    // The text page shows the opened sticker's text in its edit, the caret at the end, and the
    // typing goes there.
    void ExpectTextReadyToType(int textPage)
    {
        auto* page = static_cast<CTextEntryPage*>(Page(textPage));
        const CEveryEdit* edit = page->Edit();
        EXPECT_EQ(edit->toPlainText(), QStringLiteral("Hello"));
        EXPECT_EQ(edit->textCursor().position(), 5);
        EXPECT_EQ(QApplication::focusWidget(), edit);
    }

    TempFolder m_elsewhere;
};

struct OpenCase {
    const char* code;
    int kind;
    int textPage;
};

TEST_F(DesignCommands, OpeningADesignFromTheStartPageLandsOnTheTextPageOfItsKind)
{
    const OpenCase cases[] = {{"M100AA00", kKindOrvanel, kIddOrvanelText}, {"M011AA00", kKindZolvi, kIddZolviText}};
    for (const OpenCase& c : cases) {
        const std::filesystem::path file = SavedDesign(c.code, c.kind);
        Wizard()->OnInitDialog();
        ASSERT_EQ(ActiveId(), kIddStart);
        EXPECT_TRUE(OpenDesignPath(g_pStartPage, file)) << c.code;
        EXPECT_EQ(ActiveId(), c.textPage) << c.code;
        EXPECT_EQ(Wizard()->m_nKind, c.kind);
        EXPECT_TRUE(NextEnabled()) << "the opened design has text";
        const auto& pieces = c.kind == kKindOrvanel ? CSealFormat::Orvanel().m_pieces : CSealFormat::Zolvi().m_pieces;
        EXPECT_EQ(pieces[0].m_strText.rfind("Hello", 0), 0u) << c.code;
        SCOPED_TRACE(c.code);
        ExpectTextReadyToType(c.textPage);
    }
}

// A design of a sheet this installation lacks (a sheet from an update elsewhere) says so, and the
// text page's map of an Orvanel sheet is drawn from the design's own stickers.
TEST_F(DesignCommands, ADesignOfASheetNotInstalledSaysWhichAndStillShowsItsMap)
{
    const OpenCase cases[] = {{"M100AA00", kKindOrvanel, kIddOrvanelText}, {"M011AA00", kKindZolvi, kIddZolviText}};
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(c.code);
        const std::filesystem::path file = SavedDesign(c.code, c.kind);
        const auto entry = FindFormat(c.code);
        const std::string findCode =
            std::visit([](const auto& record) { return cp932::ToUtf8(record.m_strFindCode); }, *entry);
        g_sealCatalog.erase(entry);
        Wizard()->OnInitDialog();
        auto answer = AnswerNextModal(QDialog::Accepted);
        EXPECT_TRUE(OpenDesignPath(g_pStartPage, file));
        EXPECT_TRUE(answer->seen);
        EXPECT_EQ(answer->text, QString::fromStdString(MissingSheetMessage(findCode)));
        EXPECT_EQ(ActiveId(), c.textPage);
        if (c.kind == kKindOrvanel) {
            EXPECT_TRUE(Page(c.textPage)->ControlAs<CLayoutFontStatic>(kIdcOrvanelMap)->HasPicture());
        }
    }
}

TEST_F(DesignCommands, AFileThatIsNoDesignShowsTheMessageAndChangesNothing)
{
    const std::filesystem::path file = m_elsewhere.path() / "notes.zvd";
    std::ofstream(file) << "just some notes\n";
    CSealFormat::s_nTextColour = 110;
    auto answer = AnswerNextModal(QDialog::Accepted);
    EXPECT_FALSE(OpenDesignPath(g_pStartPage, file));
    EXPECT_TRUE(answer->seen);
    EXPECT_EQ(answer->text, QStringLiteral("Velmaroの保存ファイルではありません。"));
    EXPECT_EQ(ActiveId(), kIddStart);
    EXPECT_EQ(Wizard()->m_nKind, kKindNone);
    EXPECT_EQ(CSealFormat::s_nTextColour, 110);
}

// The name is taken as the bytes given, also when they are no UTF-8 (here code page 932, as
// names from a Windows share come).
TEST_F(DesignCommands, AFileNamedOnTheCommandLineOpensWhenTheWizardStarts)
{
    const OpenCase cases[] = {{"M100AA00", kKindOrvanel, kIddOrvanelText}, {"M011AA00", kKindZolvi, kIddZolviText}};
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(c.code);
        const std::filesystem::path saved = SavedDesign(c.code, c.kind);
        const std::filesystem::path file = saved.parent_path() / "\x83\x65\x83\x58\x83\x67.zvd";
        std::filesystem::rename(saved, file);
        // As at start: the file is opened before the window shows.
        Wizard()->hide();
        g_strOpenPath = file.string();
        Wizard()->OnInitDialog();
        g_strOpenPath.clear();
        EXPECT_EQ(ActiveId(), c.textPage);
        Wizard()->show();
        // The offscreen platform keeps its focus window while the wizard is hidden, so Qt's widgets
        // are not told of the activation a window manager would give.
        QApplication::setActiveWindow(Wizard());
        ASSERT_TRUE(QTest::qWaitForWindowActive(Wizard()));
        ExpectTextReadyToType(c.textPage);
    }
}

TEST_F(DesignCommands, ExitAsksWhileTheDesignIsUnsavedAndNotAfterSaving)
{
    NewDesign();
    ClickSheet("M100AA00");
    PressNext();
    CSealFormat::Orvanel().m_pieces[0].m_strText = "A";
    CSealFormat::Orvanel().m_bModified = 1;

    auto keep = AnswerNextModal(QDialog::Rejected);
    ClickControl(Button(kIdcExit));
    EXPECT_TRUE(keep->seen);
    EXPECT_EQ(keep->className, QStringLiteral("CDlgSaveMsg"));
    EXPECT_TRUE(Wizard()->isVisible());
    EXPECT_EQ(ActiveId(), kIddOrvanelLayout);

    ASSERT_TRUE(SaveDesignPath(Wizard(), m_elsewhere.path() / "saved.zvd", kKindOrvanel));
    EXPECT_EQ(CSealFormat::Orvanel().m_bModified, 0);
    auto none = AnswerNextModal(QDialog::Rejected);
    ClickControl(Button(kIdcExit));
    EXPECT_FALSE(none->seen);
    EXPECT_FALSE(Wizard()->isVisible());
}

TEST_F(DesignCommands, ClosingFromTheStartPageNeverAsks)
{
    NewDesign();
    ClickSheet("M100AA00");
    CSealFormat::Orvanel().m_bModified = 1;
    PressBack();
    auto answer = AnswerNextModal(QDialog::Rejected);
    ClickPageControl(kIddStart, kIdcStartExit);
    EXPECT_FALSE(answer->seen);
    EXPECT_FALSE(Wizard()->isVisible());
}

TEST_F(DesignCommands, AnsweringOkToTheQuestionCloses)
{
    NewDesign();
    ClickSheet("M011AA00");
    CSealFormat::Zolvi().m_bModified = 1;
    auto answer = AnswerNextModal(1);
    ClickControl(Button(kIdcExit));
    EXPECT_TRUE(answer->seen);
    EXPECT_FALSE(Wizard()->isVisible());
}

}  // namespace
