#include "format/label_sheet.h"
#include "format/measured_sheet.h"

#include <gtest/gtest.h>

namespace {

MeasuredSheet Name(const char* name)
{
    MeasuredSheet s;
    s.name = name;
    s.paperId = "A4";
    return s;
}

TEST(MeasuredSheetTest, EachProblemIsNamedBeforeAnythingIsWritten)
{
    struct Case {
        const char* what;
        void (*change)(MeasuredSheet&);
        const char* problem;  // a part of the message; nullptr: no problem
    };
    const Case cases[] = {
        {"as measured", [](MeasuredSheet&) {}, nullptr},
        {"no name", [](MeasuredSheet& s) { s.name = " "; }, "名前"},
        {"no paper", [](MeasuredSheet& s) { s.paperHeight = 0; }, "用紙"},
        {"no rows", [](MeasuredSheet& s) { s.rows = 0; }, "列と行"},
        {"too many", [](MeasuredSheet& s) { s.cols = 100, s.rows = 100, s.width = s.height = 1, s.pitchX = s.pitchY = 2; }, "4096"},
        {"corner beyond half", [](MeasuredSheet& s) { s.cornerRadius = 25.1; }, "角の半径"},
        {"corner exactly half", [](MeasuredSheet& s) { s.cornerRadius = 25; }, nullptr},
        {"overlap across", [](MeasuredSheet& s) { s.pitchX = 89.9; }, "重なります"},
        {"overlap down", [](MeasuredSheet& s) { s.pitchY = 49; }, "重なります"},
        {"one column needs no pitch", [](MeasuredSheet& s) { s.cols = 1, s.pitchX = 0; }, nullptr},
        {"off the right edge", [](MeasuredSheet& s) { s.left = 20.01; }, "はみ出します"},
        {"to the right edge", [](MeasuredSheet& s) { s.left = 20; }, nullptr},
        {"off the bottom", [](MeasuredSheet& s) { s.rows = 6; }, "はみ出します"},
        {"round labels use the width", [](MeasuredSheet& s) { s.roundLabels = true, s.width = 50, s.height = 500; }, nullptr},
        {"negative margin", [](MeasuredSheet& s) { s.top = -1; }, "余白"},
    };
    for (const Case& c : cases) {
        MeasuredSheet s = Name("MY-1");
        c.change(s);
        const std::string problem = MeasuredSheetProblem(s);
        if (c.problem)
            EXPECT_NE(problem.find(c.problem), std::string::npos) << c.what << ": " << problem;
        else
            EXPECT_EQ(problem, "") << c.what;
    }
}

TEST(MeasuredSheetTest, MeasuredSheetBecomesALabelSheetWithTheMeasuredPlaces)
{
    MeasuredSheet s = Name("MY-1");
    s.roundLabels = true;
    s.width = 40;
    s.cols = 4;
    s.rows = 6;
    s.left = 12.5;
    s.top = 20;
    s.pitchX = 47;
    s.pitchY = 45;
    ASSERT_EQ(MeasuredSheetProblem(s), "");
    const LabelSheetResult made = MakeLabelSheet(MeasuredGeometry(s));
    ASSERT_EQ(made.error, LabelSheetError::None);
    ASSERT_EQ(made.record.m_pieces.size(), 24u);
    EXPECT_EQ(made.record.m_pieces[5].m_rcPiece, (Rect{5950, 6500, 9950, 10500}));
    EXPECT_EQ(LabelShapeOf(made.record), LabelShape::Round);
}

}  // namespace
