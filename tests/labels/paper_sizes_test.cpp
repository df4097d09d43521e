// The papers templates name, from the database's "paper-sizes.xml".
#include "labels/label_templates.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace {

TEST(PaperSizesTest, PapersInAnyUnitAndTheUnreadableLeftOut)
{
    const TempFolder folder;
    folder.write("paper-sizes.xml", R"(<?xml version="1.0"?>
<Glabels-paper-sizes>
  <!-- Most popular (at top of list) -->
  <Paper-size id="A4"        _name="A4"        pwg_size="iso_a4"    width="210mm" height="297mm"/>
  <Paper-size id="US-Letter" _name="US Letter" pwg_size="na_letter" width="8.5in" height="11in"/>
  <Paper-size id="bad"       width="210mm" height="tall"/>
  <Paper-size width="10mm" height="10mm"/>
  <Paper-size id="flat"      width="10mm" height="0"/>
  <Paper-size id="pt"        width="72" height="144pt"/>
</Glabels-paper-sizes>
)");
    std::string error = "unchanged";
    const std::vector<PaperSize> papers = ReadPaperSizes(folder.path() / "paper-sizes.xml", &error);
    EXPECT_EQ(error, "");
    ASSERT_EQ(papers.size(), 3u);
    EXPECT_EQ(papers[0].id, "A4");
    EXPECT_EQ(papers[0].width, 210);
    EXPECT_EQ(papers[0].height, 297);
    EXPECT_EQ(papers[1].id, "US-Letter");
    EXPECT_DOUBLE_EQ(papers[1].width, 215.9);
    EXPECT_DOUBLE_EQ(papers[1].height, 279.4);
    EXPECT_EQ(papers[2].id, "pt");
    EXPECT_DOUBLE_EQ(papers[2].height, 50.8);
}

TEST(PaperSizesTest, AFileThatDoesNotReadGivesNoPapers)
{
    const TempFolder folder;
    struct Case {
        const char* bytes;
        const char* error;
    } cases[] = {
        {"<Glabels-paper-sizes><Paper-size id=\"A4\" width=\"210mm\" height=\"297mm\"/>", "line 1: Premature end"},
        {"<Glabels-templates/>", "not a paper-size file"},
    };
    for (const Case& c : cases) {
        folder.write("paper-sizes.xml", c.bytes);
        std::string error;
        EXPECT_TRUE(ReadPaperSizes(folder.path() / "paper-sizes.xml", &error).empty()) << c.bytes;
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
}

}  // namespace
