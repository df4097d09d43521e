// The label-template database as Debian installs it (package glabels-data).
#include "labels/label_database.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

const std::filesystem::path kInstalled = "/usr/share/libglabels-3.0/templates";

TEST(InstalledDatabaseTest, ReadsEveryFileAndKnowsTheCommonSheets)
{
    if (!std::filesystem::exists(kInstalled / "paper-sizes.xml"))
        GTEST_SKIP() << "the label-template database is not installed (glabels-data)";
    std::ostringstream errors;
    const LabelDatabase database = LoadLabelDatabase({{kInstalled}, {}}, errors);
    EXPECT_EQ(errors.str(), "");
    EXPECT_GE(database.sheets.size(), 1500u);
    EXPECT_GT(database.unsupported, 0);  // its CD labels

    const auto find = [&database](const std::string& brand, const std::string& part) {
        return std::find_if(database.sheets.begin(), database.sheets.end(),
                            [&](const LabelGeometry& sheet) { return sheet.brand == brand && sheet.part == part; });
    };
    const auto l7163 = find("Avery", "L7163");
    ASSERT_NE(l7163, database.sheets.end());
    EXPECT_EQ(l7163->paperId, "A4");
    EXPECT_EQ(l7163->paperWidth, 210);
    EXPECT_EQ(l7163->paperHeight, 297);
    EXPECT_EQ(l7163->shape, LabelShape::Rectangle);
    EXPECT_EQ(l7163->LabelCount(), 14);
    EXPECT_NEAR(l7163->width, 99.1, 0.01);
    EXPECT_NEAR(l7163->height, 38.1, 0.01);

    // These two write a zero as a unit alone (round="in") or as nothing (x0="").
    EXPECT_NE(find("Online Labels", "OL320 (rectangle)"), database.sheets.end());
    EXPECT_NE(find("Zweckform", "3490"), database.sheets.end());

    EXPECT_TRUE(std::any_of(database.sheets.begin(), database.sheets.end(), [](const LabelGeometry& sheet) {
        return sheet.shape == LabelShape::Round && sheet.width == sheet.height && sheet.width > 0;
    }));
}

}  // namespace
