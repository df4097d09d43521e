// Templates of one file: shapes, papers, layouts, equivalents, the templates left out and the
// files refused.
#include "label_fixtures.h"
#include "labels/label_templates.h"

#include <gtest/gtest.h>

namespace {

constexpr double kPoint = 25.4 / 72;

TEST(TemplateReaderTest, RectanglesOnANamedPaperInTheDatabasesOwnWriting)
{
    const TemplateFileResult result = ReadTemplateBytes(R"(<?xml version="1.0"?>
<Glabels-templates xmlns="http://glabels.org/xmlns/3.0/">
  <!-- ===== Address labels ===== -->
  <Template brand="Avery" part="7163" size="A4" _description="Mailing labels">
    <Meta category="label"/>
    <Meta category="mail"/>
    <Label-rectangle id="0" width="280.9" height="108" round="5" x_waste="2pt" y_waste="0.1in">
      <Markup-margin size="5"/>
      <Layout nx="2" ny="7" x0="9.5" y0="43" dx="292" dy="108"/>
    </Label-rectangle>
  </Template>
</Glabels-templates>
)",
                                                        kPapers, {});
    ASSERT_EQ(result.error, "");
    ASSERT_EQ(result.sheets.size(), 1u);
    const LabelGeometry& sheet = result.sheets[0];
    EXPECT_EQ(sheet.brand, "Avery");
    EXPECT_EQ(sheet.part, "7163");
    EXPECT_EQ(sheet.description, "Mailing labels");
    EXPECT_EQ(sheet.equivOf, "");
    EXPECT_EQ(sheet.paperId, "A4");
    EXPECT_EQ(sheet.paperWidth, 210);
    EXPECT_EQ(sheet.paperHeight, 297);
    EXPECT_EQ(sheet.shape, LabelShape::Rectangle);
    EXPECT_DOUBLE_EQ(sheet.width, 280.9 * kPoint);
    EXPECT_DOUBLE_EQ(sheet.height, 38.1);
    EXPECT_DOUBLE_EQ(sheet.round, 5 * kPoint);
    EXPECT_DOUBLE_EQ(sheet.xWaste, 2 * kPoint);
    EXPECT_DOUBLE_EQ(sheet.yWaste, 2.54);
    ASSERT_EQ(sheet.layouts.size(), 1u);
    EXPECT_EQ(sheet.layouts[0].nx, 2);
    EXPECT_EQ(sheet.layouts[0].ny, 7);
    EXPECT_DOUBLE_EQ(sheet.layouts[0].x0, 9.5 * kPoint);
    EXPECT_DOUBLE_EQ(sheet.layouts[0].dy, 38.1);
    EXPECT_EQ(sheet.LabelCount(), 14);
}

TEST(TemplateReaderTest, RoundAndEllipticLabelsAndTheirWaste)
{
    const TemplateFileResult result = ReadTemplates(R"(
<Template brand="B" part="round" size="US-Letter" description="Round">
  <Label-round id="0" radius="1.25in" waste="3pt">
    <Layout nx="3" ny="4" x0="0.5in" y0="0.5in" dx="2.6in" dy="2.6in"/>
  </Label-round>
</Template>
<Template brand="B" part="oval" size="A4">
  <Label-ellipse id="0" width="60mm" height="40mm" waste="1mm">
    <Layout nx="3" ny="6" x0="5mm" y0="8mm" dx="65mm" dy="47mm"/>
  </Label-ellipse>
</Template>
<Template brand="B" part="old-waste" size="A4">
  <Label-rectangle id="0" width="70mm" height="37mm" waste="2mm"><Layout nx="3" ny="8"/></Label-rectangle>
</Template>
<Template brand="B" part="mixed-waste" size="A4">
  <Label-rectangle id="0" width="70mm" height="37mm" waste="2mm" y_waste="0"><Layout nx="3" ny="8"/></Label-rectangle>
</Template>
)");
    ASSERT_EQ(result.error, "");
    ASSERT_EQ(result.sheets.size(), 4u);
    const LabelGeometry& round = result.sheets[0];
    EXPECT_EQ(round.shape, LabelShape::Round);
    EXPECT_DOUBLE_EQ(round.width, 63.5);
    EXPECT_EQ(round.width, round.height);
    EXPECT_DOUBLE_EQ(round.xWaste, 3 * kPoint);
    EXPECT_EQ(round.xWaste, round.yWaste);
    EXPECT_EQ(round.paperId, "US-Letter");
    EXPECT_EQ(round.description, "Round");
    const LabelGeometry& oval = result.sheets[1];
    EXPECT_EQ(oval.shape, LabelShape::Ellipse);
    EXPECT_EQ(oval.width, 60);
    EXPECT_EQ(oval.height, 40);
    EXPECT_EQ(oval.yWaste, 1);
    // The older single waste serves both directions, unless one is given on its own.
    EXPECT_EQ(result.sheets[2].xWaste, 2);
    EXPECT_EQ(result.sheets[2].yWaste, 2);
    EXPECT_EQ(result.sheets[3].xWaste, 2);
    EXPECT_EQ(result.sheets[3].yWaste, 0);
    // A layout's left-out offsets are zero.
    EXPECT_EQ(result.sheets[2].layouts[0].x0, 0);
    EXPECT_EQ(result.sheets[2].layouts[0].dy, 0);
}

TEST(TemplateReaderTest, SeveralLayoutsOnAPaperOfTheTemplatesOwnSize)
{
    const TemplateFileResult result = ReadTemplates(R"(
<Template brand="B" part="two-blocks" size="Other" width="100mm" height="150mm" _description="Two blocks">
  <Label-rectangle id="0" width="40mm" height="20mm">
    <Layout nx="2" ny="3" x0="5mm" y0="5mm" dx="50mm" dy="25mm"/>
    <Markup-margin size="1mm"/>
    <Layout nx="1" ny="1" x0="30mm" y0="100mm"/>
  </Label-rectangle>
</Template>
)");
    ASSERT_EQ(result.error, "");
    ASSERT_EQ(result.sheets.size(), 1u);
    const LabelGeometry& sheet = result.sheets[0];
    EXPECT_EQ(sheet.paperId, "Other");
    EXPECT_EQ(sheet.paperWidth, 100);
    EXPECT_EQ(sheet.paperHeight, 150);
    ASSERT_EQ(sheet.layouts.size(), 2u);
    EXPECT_EQ(sheet.layouts[1].y0, 100);
    EXPECT_EQ(sheet.LabelCount(), 7);
}

TEST(TemplateReaderTest, AnEquivalentTakesAnEarlierGeometryUnderItsOwnName)
{
    const TemplateFileResult result = ReadTemplates(PlainTemplate("Avery", "L7163") + R"(
<Template brand="Avery" part="J8163" equiv="L7163" _description="Inkjet labels"/>
<Template brand="avery" part="L7163-100" equiv="l7163"/>
<Template brand="Avery" part="chain" equiv="J8163"/>
)");
    ASSERT_EQ(result.error, "");
    ASSERT_EQ(result.sheets.size(), 4u);
    const LabelGeometry& own = result.sheets[0];
    const LabelGeometry& inkjet = result.sheets[1];
    EXPECT_EQ(inkjet.part, "J8163");
    EXPECT_EQ(inkjet.description, "Inkjet labels");
    EXPECT_EQ(inkjet.equivOf, "L7163");
    EXPECT_EQ(inkjet.paperId, own.paperId);
    EXPECT_EQ(inkjet.width, own.width);
    ExpectSameLayouts(inkjet.layouts, own.layouts);
    // Brand and part match in any case; without its own description it takes the original's.
    EXPECT_EQ(result.sheets[2].brand, "avery");
    EXPECT_EQ(result.sheets[2].description, "Plain");
    EXPECT_EQ(result.sheets[2].equivOf, "l7163");
    // An equivalent of an equivalent names the part it was given.
    EXPECT_EQ(result.sheets[3].equivOf, "J8163");
    EXPECT_EQ(result.sheets[3].LabelCount(), 10);
}

TEST(TemplateReaderTest, AnEquivalentFindsTheTemplatesOfFilesReadBefore)
{
    const TemplateFileResult first = ReadTemplates(PlainTemplate("Herma", "4200"));
    const TemplateFileResult second =
        ReadTemplates(R"(<Template brand="Herma" part="4201" equiv="4200"/>)", first.sheets);
    ASSERT_EQ(second.sheets.size(), 1u);
    EXPECT_EQ(second.sheets[0].part, "4201");
    EXPECT_EQ(second.sheets[0].LabelCount(), 10);
    // The file's own template of that part comes first.
    const TemplateFileResult own = ReadTemplates(R"(
<Template brand="Herma" part="4200" size="Other" width="100mm" height="100mm">
  <Label-round id="0" radius="10mm"><Layout nx="1" ny="1"/></Label-round>
</Template>
<Template brand="Herma" part="4201" equiv="4200"/>)",
                                                 first.sheets);
    ASSERT_EQ(own.sheets.size(), 2u);
    EXPECT_EQ(own.sheets[1].shape, LabelShape::Round);
}

// A template of brand "B", part "x" around a label element.
std::string Template(const std::string& attributes, const std::string& label)
{
    return R"(<Template brand="B" part="x" )" + attributes + ">" + label + "</Template>";
}

std::string Label(const std::string& element, const std::string& attributes,
                  const std::string& layouts = R"(<Layout nx="1" ny="1"/>)")
{
    return "<" + element + " id=\"0\" " + attributes + ">" + layouts + "</" + element + ">";
}

// Each of these templates is left out and counted, and the file goes on to the next one.
TEST(TemplateReaderTest, TemplatesThatCannotBeUsedAreCountedAndLeftOut)
{
    const std::string a4 = R"(size="A4")";
    const std::string rect = Label("Label-rectangle", R"(width="50mm" height="20mm")");
    const std::string cd = Label("Label-cd", R"(radius="58mm" hole="20mm" waste="3mm")");
    const auto rectWith = [](const std::string& attributes) {
        return Label("Label-rectangle", R"(width="50mm" height="20mm" )" + attributes);
    };
    const auto layouts = [](const std::string& layouts) {
        return Label("Label-rectangle", R"(width="1mm" height="1mm")", layouts);
    };
    struct Case {
        const char* what;
        std::string templates;
        int unsupported;
        std::size_t kept = 0;  // usable templates the case needs besides
    } cases[] = {
        {"CD label", Template(a4, cd), 1},
        {"equivalent of a CD label", Template(a4, cd) + R"(<Template brand="B" part="x2" equiv="x"/>)", 2},
        {"roll", Template(R"(size="roll" width="62mm")", rect), 1},
        {"continuous, no height", Template(R"(size="Other" width="62mm")", rect), 1},
        {"unknown paper", Template(R"(size="A17")", rect), 1},
        {"no paper", Template("", rect), 1},
        {"zero paper width", Template(R"(size="Other" width="0" height="100mm")", rect), 1},
        {"no brand", R"(<Template part="x" size="A4">)" + rect + "</Template>", 1},
        {"unknown equivalent", R"(<Template brand="B" part="x" equiv="nowhere"/>)", 1},
        {"equivalent of another brand", PlainTemplate("C", "p") + R"(<Template brand="B" part="x" equiv="p"/>)", 1, 1},
        {"equivalent defined later", R"(<Template brand="B" part="x" equiv="y"/>)" + PlainTemplate("B", "y"), 1, 1},
        {"no label", Template(a4, R"(<Meta category="label"/>)"), 1},
        {"unknown shape", Template(a4, Label("Label-star", R"(radius="5mm")")), 1},
        {"negative width", Template(a4, Label("Label-rectangle", R"(width="-50mm" height="20mm")")), 1},
        {"missing height", Template(a4, Label("Label-rectangle", R"(width="50mm")")), 1},
        {"infinite radius", Template(a4, Label("Label-round", R"(radius="1e308in")")), 1},
        {"radius past a double when doubled", Template(a4, Label("Label-round", R"(radius="1.5e308mm")")), 1},
        {"bad unit", Template(a4, Label("Label-ellipse", R"(width="50px" height="20mm")")), 1},
        {"negative round", Template(a4, rectWith(R"(round="-1")")), 1},
        {"negative waste", Template(a4, rectWith(R"(x_waste="-1")")), 1},
        {"no layout", Template(a4, layouts("")), 1},
        {"zero columns", Template(a4, layouts(R"(<Layout nx="0" ny="1"/>)")), 1},
        {"count no number", Template(a4, layouts(R"(<Layout nx="2x" ny="1"/>)")), 1},
        {"negative offset", Template(a4, layouts(R"(<Layout x0="-1mm"/>)")), 1},
        {"one bad layout of two", Template(a4, layouts(R"(<Layout/><Layout dy="?"/>)")), 1},
        {"more labels than a sheet has", Template(a4, layouts(R"(<Layout nx="64" ny="64"/><Layout/>)")), 1},
        {"counts whose product passes an int", Template(a4, layouts(R"(<Layout nx="2147483647" ny="2147483647"/>)")),
         1},
    };
    for (const Case& c : cases) {
        const TemplateFileResult result = ReadTemplates(c.templates + PlainTemplate("Z", "usable"));
        EXPECT_EQ(result.error, "") << c.what;
        EXPECT_EQ(result.unsupported, c.unsupported) << c.what;
        ASSERT_EQ(result.sheets.size(), c.kept + 1) << c.what;
        EXPECT_EQ(result.sheets.back().part, "usable") << c.what;
    }
}

TEST(TemplateReaderTest, ASheetOfExactlyTheLargestLabelCountIsKept)
{
    const TemplateFileResult result =
        ReadTemplates(Template(R"(size="A4")", Label("Label-rectangle", R"(width="1mm" height="1mm")",
                                                     R"(<Layout nx="64" ny="63"/><Layout nx="64" ny="1"/>)")));
    ASSERT_EQ(result.sheets.size(), 1u);
    EXPECT_EQ(result.sheets[0].LabelCount(), 4096);
}

// A file that is no well-formed template file gives no sheets at all, even ones read before the
// fault, and says where it went wrong.
TEST(TemplateReaderTest, MalformedFilesAreRefusedWhole)
{
    struct Case {
        const char* what;
        std::string bytes;
        const char* error;
    } cases[] = {
        {"empty", "", "Premature end of document"},
        {"not XML", "Avery L7163, 2 x 7\n", "line 1"},
        {"cut short", TemplateFile(PlainTemplate("B", "a")).substr(0, 150), "Premature end of document"},
        {"mismatched tags", TemplateFile(PlainTemplate("B", "a") + "<Template></Meta>"), "line 4"},
        {"another root", "<Glabels-paper-sizes/>", "not a label template file (root element <Glabels-paper-sizes>)"},
        {"a second root", TemplateFile(PlainTemplate("B", "a")) + "<Glabels-templates/>", "Extra content"},
        {"undefined entity", TemplateFile(PlainTemplate("B", "a&nbsp;b")), "line 3"},
    };
    for (const Case& c : cases) {
        const TemplateFileResult result = ReadTemplateBytes(c.bytes, kPapers, {});
        EXPECT_NE(result.error.find(c.error), std::string::npos) << c.what << ": " << result.error;
        EXPECT_TRUE(result.sheets.empty()) << c.what;
        EXPECT_EQ(result.unsupported, 0) << c.what;
    }
}

}  // namespace
