// A hand-measured sheet written as a template file of its own reads back as the same sheet.
#include "label_fixtures.h"
#include "labels/label_templates.h"

#include <gtest/gtest.h>

namespace {

LabelGeometry Sheet(LabelShape shape, const std::string& paperId, std::vector<LabelLayout> layouts)
{
    LabelGeometry sheet;
    sheet.brand = "My sheets";
    sheet.part = "kitchen-" + paperId;
    sheet.description = "Jars & tins <kitchen> \"large\" 'odd' \t台所";
    sheet.paperId = paperId;
    sheet.paperWidth = paperId == "A4" ? 210 : 0.1 + 0.2;
    sheet.paperHeight = paperId == "A4" ? 297 : 123.456789;
    sheet.shape = shape;
    sheet.width = 2.0 / 3;
    sheet.height = shape == LabelShape::Round ? sheet.width : 38.1;
    sheet.round = shape == LabelShape::Rectangle ? 1.5 : 0;
    sheet.xWaste = 0.25;
    sheet.yWaste = shape == LabelShape::Rectangle ? 1e-7 : sheet.xWaste;
    sheet.layouts = std::move(layouts);
    return sheet;
}

TEST(TemplateWriterTest, WrittenSheetsReadBackEqual)
{
    const LabelLayout block{2, 7, 4.65, 15.15, 101.6, 38.1};
    const LabelLayout single{1, 1, 0.1 + 0.7, 250, 0, 0};
    const LabelGeometry sheets[] = {
        Sheet(LabelShape::Rectangle, "A4", {block}),
        Sheet(LabelShape::Round, "Other", {block, single}),
        Sheet(LabelShape::Ellipse, "Other", {single}),
    };
    for (const LabelGeometry& sheet : sheets) {
        const std::string xml = WriteTemplateXml(sheet);
        const TemplateFileResult result = ReadTemplateBytes(xml, kPapers, {});
        ASSERT_EQ(result.error, "") << xml;
        ASSERT_EQ(result.sheets.size(), 1u) << xml;
        ExpectSameSheet(result.sheets[0], sheet);
    }
}

TEST(TemplateWriterTest, AnEquivalentIsWrittenWholeAndStandsAlone)
{
    LabelGeometry sheet = Sheet(LabelShape::Rectangle, "A4", {{2, 7, 4.65, 15.15, 101.6, 38.1}});
    sheet.equivOf = "L7163";
    const std::string xml = WriteTemplateXml(sheet);
    EXPECT_EQ(xml.find("equiv"), std::string::npos);
    const TemplateFileResult result = ReadTemplateBytes(xml, kPapers, {});
    ASSERT_EQ(result.sheets.size(), 1u);
    EXPECT_EQ(result.sheets[0].equivOf, "");
    EXPECT_EQ(result.sheets[0].LabelCount(), 14);
}

}  // namespace
