// Label sheets on the selection page: found by a search, shown on their own paper, and a sheet
// measured by hand registered as the user's template.
#include "wizard_fixture.h"

#include "../format/label_sheet_fixture.h"

#include "controls/layout_font_static.h"
#include "controls/quick_list.h"
#include "format/label_sheet.h"
#include "labels/label_database.h"
#include "pages/measure_dialog.h"
#include "pages/print_sheet.h"
#include "pages/program_folder.h"
#include "res/resource_ids.h"

#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace {

class LabelSheets : public WizardTest {
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        StartWizard();
        NewDesign();
        LabelGeometry round = A4RoundLabels();
        round.brand = "Avery";
        AppendLabelSheets({A4AddressLabels(), round}, g_sealCatalog);
        Selection()->FillList();
    }
    QLineEdit* Search() const { return Selection()->Search(); }
    int Shown() const { return Selection()->List()->ItemCount(); }
};

TEST_F(LabelSheets, SearchFindsSheetsByCodeBrandPartOrDescription)
{
    const int all = Shown();
    EXPECT_EQ(all, static_cast<int>(g_sealCatalog.size()));
    struct Case {
        const char* query;
        int found;
    };
    const Case cases[] = {{"L7163", 1}, {"avery l7163", 1}, {"AVERY", 2}, {"round", 1},
                          {"OV-N08", 1}, {"zzz", 0},        {"", all}};
    for (const Case& c : cases) {
        Search()->setText(QString::fromUtf8(c.query));
        EXPECT_EQ(Shown(), c.found) << c.query;
    }
    Search()->setText(QStringLiteral("l7163"));
    const QuickListCell title = Selection()->List()->RequestCell(0, 0);
    EXPECT_EQ(title.text, QStringLiteral("Avery L7163  Address Labels"));
    EXPECT_EQ(Selection()->List()->RequestCell(0, 1).text, QStringLiteral("99.1×38.1mm ×14"));
}

TEST_F(LabelSheets, ANewSearchForgetsTheChoiceAmongTheRowsItHides)
{
    ClickSheet("M100AA00");
    EXPECT_TRUE(NextEnabled());
    Search()->setText(QStringLiteral("avery"));
    EXPECT_FALSE(NextEnabled());
    EXPECT_EQ(Selection()->List()->SelectedRow(), -1);
    ClickSheet("AveryL7163");
    EXPECT_TRUE(NextEnabled());
    EXPECT_EQ(CSealFormat::Orvanel().m_strCode, "AveryL7163");
}

TEST_F(LabelSheets, AChosenLabelSheetIsDrawnOnItsOwnPaper)
{
    Search()->setText(QStringLiteral("avery"));
    ClickSheet("AveryL7163");
    auto* picture = Selection()->ControlAs<CLayoutFontStatic>(kIdcSheetPicture);
    EXPECT_EQ(picture->PictureSize(), QSize(1240, 1754));  // A4 at 150 dots per inch
    EXPECT_TRUE(IsLabelSheet(CSealFormat::Orvanel()));
    // The whole paper fits the view: the last row of labels ends where it ends on the paper (at
    // 282 of 297 mm), not cut off by the view's edge.
    const QImage shown = picture->grab().toImage();
    int lowest = -1;
    for (int y = 0; y < shown.height() - 2; ++y)  // the view's own border left out
        for (int x = 2; x < shown.width() - 2; ++x)
            if (qGray(shown.pixel(x, y)) < 128)
                lowest = y;
    EXPECT_GT(lowest, shown.height() * 80 / 100);
    EXPECT_LT(lowest, shown.height() * 97 / 100);
}

// The print dialog is offered the label sheet's own paper, as the standard size it is.
TEST_F(LabelSheets, ALabelSheetPrintsOnItsOwnPaper)
{
    EXPECT_EQ(SheetPaper(kKindOrvanel).id(), QPageSize::Custom) << "the maker's postcard";
    ClickSheet("AveryL7163");
    EXPECT_EQ(SheetPaper(kKindOrvanel).id(), QPageSize::A4);
    const QImage canvas = SheetCanvasPicture(kKindOrvanel);
    EXPECT_EQ(canvas.size(), QSize(1240, 1754));
}

TEST_F(LabelSheets, MeasuringDialogAllowsOnlySheetsThatFitTheirPaper)
{
    CMeasureSheetDlg dialog(Wizard());
    MeasuredSheet sheet;
    sheet.name = "MY-10";
    dialog.SetSheet(sheet);
    EXPECT_EQ(dialog.Problem(), QString());
    sheet.pitchX = sheet.width - 1;
    dialog.SetSheet(sheet);
    EXPECT_NE(dialog.Problem(), QString());
    const auto buttons = dialog.findChildren<QPushButton*>();
    const auto registerButton = std::find_if(buttons.begin(), buttons.end(), [](QPushButton* b) {
        return b->text() == QStringLiteral("登録");
    });
    ASSERT_NE(registerButton, buttons.end());
    EXPECT_FALSE((*registerButton)->isEnabled());
    sheet.pitchX = sheet.width;
    dialog.SetSheet(sheet);
    EXPECT_TRUE((*registerButton)->isEnabled());
    EXPECT_EQ(dialog.Sheet().pitchX, sheet.width);
}

TEST_F(LabelSheets, AMeasuredSheetIsWrittenAsATemplateThatReadsBackTheSame)
{
    MeasuredSheet sheet;
    sheet.name = "私のシール/2";
    sheet.roundLabels = true;
    sheet.width = 30;
    sheet.cols = 5;
    sheet.rows = 7;
    sheet.pitchX = sheet.pitchY = 38.5;
    sheet.left = 8.75;
    sheet.top = 12.25;
    ASSERT_EQ(MeasuredSheetProblem(sheet), "");
    ASSERT_EQ(SaveMeasuredSheet(sheet), "");

    const LabelFolders folders = LocateLabelFolders([](const char* name) { return std::getenv(name); });
    std::ostringstream errors;
    const LabelDatabase read = LoadLabelDatabase({{}, folders.user}, errors);
    EXPECT_EQ(errors.str(), "");
    ASSERT_EQ(read.sheets.size(), 1u);
    EXPECT_EQ(read.sheets[0].part, sheet.name);
    const CSealData2 written = MakeLabelSheet(MeasuredGeometry(sheet)).record;
    const CSealData2 readBack = MakeLabelSheet(read.sheets[0]).record;
    ASSERT_EQ(readBack.m_pieces.size(), written.m_pieces.size());
    for (std::size_t i = 0; i < written.m_pieces.size(); ++i)
        EXPECT_EQ(readBack.m_pieces[i].m_rcPiece, written.m_pieces[i].m_rcPiece) << i;
    EXPECT_EQ(LabelShapeOf(readBack), LabelShape::Round);
    std::filesystem::remove_all(folders.user);
}

}  // namespace
