// The sheet selection page: its rows, the sheet picture, keyboard moves and catalog reloads.
#include "wizard_fixture.h"

#include "controls/layout_font_static.h"
#include "controls/quick_list.h"
#include "pages/start_page.h"
#include "res/resource_ids.h"
#include "update/update_check.h"

#include <QTest>


namespace {

class SelectionPage : public WizardTest {
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        StartWizard();
        NewDesign();
    }
    CLayoutFontStatic* Picture() const { return Selection()->ControlAs<CLayoutFontStatic>(kIdcSheetPicture); }
    bool HintsVisible() const
    {
        return Selection()->Control(kIdcPickArrow)->isVisible() && Selection()->Control(kIdcCheckCaption)->isVisible();
    }
};

TEST_F(SelectionPage, ListsEveryCatalogEntryWithItsCodeAndSizeInBold)
{
    CQuickList* list = Selection()->List();
    ASSERT_EQ(list->ItemCount(), static_cast<int>(g_sealCatalog.size()));
    const int orvanel = RowOf("M100AA00"), zolvi = RowOf("M011AA00");
    const QuickListCell code = list->RequestCell(orvanel, 0);
    EXPECT_EQ(code.text, QStringLiteral("OV-N08"));
    EXPECT_TRUE(code.bold);
    EXPECT_EQ(code.image, 4);
    EXPECT_EQ(list->RequestCell(zolvi, 0).image, 0);
    const QuickListCell size = list->RequestCell(orvanel, 1);
    EXPECT_EQ(size.text, QStringLiteral("43×30mm"));
    EXPECT_EQ(size.image, -1);
    EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("ソフトお探しコード"));
}

struct PictureCase {
    const char* code;
    QSize pictureSize;  // the background as loaded, in its own pixels
};

TEST_F(SelectionPage, EachFormatKindShowsItsPicture)
{
    const PictureCase cases[] = {
        {"M100AA00", QSize(591, 874)},  // format kind 1: the sheet's whiteseal.bmp
        {"L100AA00", QSize(592, 875)},  // kind 3: white paper 284
        {"M000AA00", QSize(592, 875)},  // kind 4: white paper 284
        {"M011AA00", QSize(527, 751)},  // kind 5: white paper 285
        {"M000AB00", QSize(591, 874)},  // kind 2: the sheet's whiteseal.bmp
    };
    EXPECT_FALSE(Picture()->HasPicture());
    EXPECT_FALSE(HintsVisible());
    for (const PictureCase& c : cases) {
        ClickSheet(c.code);
        EXPECT_EQ(Picture()->PictureSize(), c.pictureSize) << c.code;
        EXPECT_TRUE(HintsVisible()) << c.code;
    }
}

enum class Ink { Outline, Sticker, Paper };

// What a pixel of the selection picture shows: a drawn outline, the picture's pale blue sticker or
// its paper.
Ink InkAt(const QImage& image, int x, int y)
{
    const QColor pixel(image.pixel(x, y));
    if (qGray(pixel.rgb()) < 170)
        return Ink::Outline;
    return pixel.blue() - pixel.red() > 12 ? Ink::Sticker : Ink::Paper;
}

// Places on the rows of `image` where the picture's sticker meets its paper with no outline
// within a pixel of the edge: an outline that misses its sticker by more than one pixel.
int UncoveredStickerEdges(const QImage& image)
{
    int uncovered = 0;
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x + 2 < image.width() - 1; ++x) {
            const Ink a = InkAt(image, x, y), b = InkAt(image, x + 2, y);
            if (a != Ink::Outline && b != Ink::Outline && a != b && InkAt(image, x + 1, y) != Ink::Outline)
                ++uncovered;
        }
    return uncovered;
}

TEST_F(SelectionPage, TheOutlinesLieOnThePicturesStickers)
{
    for (const char* code : {"M102AA00", "M101AA00", "M100AA00"}) {  // OV-N40, OV-N24, OV-N08
        SCOPED_TRACE(code);
        ClickSheet(code);
        const QImage shown = Picture()->grab().toImage();
        EXPECT_EQ(UncoveredStickerEdges(shown), 0);
    }
}

TEST_F(SelectionPage, ComingBackClearsTheChoiceButKeepsTheRecord)
{
    ClickSheet("M100AA00");
    PressNext();
    PressBack();
    EXPECT_FALSE(Picture()->HasPicture());
    EXPECT_FALSE(HintsVisible());
    EXPECT_EQ(Selection()->List()->SelectedRow(), -1);
    EXPECT_TRUE(g_strCurCode.empty());
    EXPECT_EQ(CSealFormat::Orvanel().m_strCode, "M100AA00");
}

TEST_F(SelectionPage, ArrowKeysChooseTheSheetAsAClickDoes)
{
    CQuickList* list = Selection()->List();
    list->setFocus();
    const int first = RowOf("M100AA00");
    ClickSheet("M100AA00");
    CSealFormat::s_nTextColour = 107;
    const int last = static_cast<int>(Selection()->Rows().size()) - 1;
    const int target = first == last ? first - 1 : first + 1;
    QTest::keyClick(list, first == last ? Qt::Key_Up : Qt::Key_Down);
    ASSERT_EQ(list->SelectedRow(), target);
    const SheetListItem& row = Selection()->Rows()[target];
    EXPECT_EQ(g_strCurCode, row.m_strCode);
    EXPECT_EQ(g_nLastSelRow, target);
    EXPECT_EQ(Wizard()->m_nKind, IsOrvanelRow(row) ? kKindOrvanel : kKindZolvi);
    EXPECT_TRUE(NextEnabled());
    EXPECT_TRUE(HintsVisible());
    EXPECT_EQ(CSealFormat::s_nTextColour, 102) << "a new sheet starts a new design";
}

TEST_F(SelectionPage, ARowLastSeenSelectedUpdatesNothingWhenSelectedAgainWithoutAClick)
{
    ClickSheet("M100AA00");
    PressNext();
    PressBack();
    Selection()->List()->SelectRow(RowOf("M100AA00"));
    EXPECT_TRUE(g_strCurCode.empty());
    EXPECT_FALSE(Picture()->HasPicture());
}

TEST_F(SelectionPage, AReloadWhileHiddenRebuildsTheListWhenShownAgain)
{
    const std::filesystem::path extra = m_folder.path() / "印刷情報" / "M900AA00";
    PressBack();
    ASSERT_EQ(ActiveId(), kIddStart);
    const int before = Selection()->List()->ItemCount();
    std::filesystem::copy(m_folder.path() / "印刷情報" / "M100AA00", extra);

    g_pStartPage->onUpdateResult(kUpdateFetched);
    EXPECT_EQ(Wizard()->m_bRefreshList, 1);
    EXPECT_EQ(Selection()->List()->ItemCount(), before) << "rows are rebuilt only when the page is shown";

    NewDesign();
    EXPECT_EQ(Selection()->List()->ItemCount(), before + 1);
    EXPECT_EQ(Wizard()->m_bRefreshList, 0);
}

TEST_F(SelectionPage, NoUpdateOnlyStopsTheCheck)
{
    PressBack();
    g_pStartPage->onUpdateResult(kNoUpdate);
    EXPECT_EQ(Wizard()->m_bRefreshList, 0);
    EXPECT_FALSE(g_pStartPage->CheckTimerActive());
}

TEST_F(SelectionPage, ARowWhoseEntryLeftTheCatalogIsIgnoredAndTheListRebuilt)
{
    const int row = RowOf("M100AA00");
    g_sealCatalog.erase(g_sealCatalog.begin() + row);
    ClickSheet("M100AA00");
    EXPECT_EQ(Wizard()->m_nKind, kKindNone);
    EXPECT_FALSE(NextEnabled());
    EXPECT_EQ(RowOf("M100AA00"), -1);
}

}  // namespace
