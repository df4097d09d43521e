// Files made to cost time or memory are refused as soon as the reader sees what they are. How
// little they cost is measured by bench/label_refuse_time.sh, not here.
#include "label_fixtures.h"
#include "labels/guarded_xml.h"
#include "labels/label_templates.h"
#include "temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::string Repeated(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

std::string BillionLaughs()
{
    std::string dtd = "<!DOCTYPE Glabels-templates [\n<!ENTITY lol0 \"lol\">\n";
    for (int i = 1; i < 10; ++i)
        dtd +=
            "<!ENTITY lol" + std::to_string(i) + " \"" + Repeated("&lol" + std::to_string(i - 1) + ";", 10) + "\">\n";
    return "<?xml version=\"1.0\"?>\n" + dtd + "]>\n" +
           "<Glabels-templates><Template brand=\"&lol9;\" part=\"x\"/></Glabels-templates>\n";
}

std::string Layouts(int count)
{
    return TemplateFile(R"(<Template brand="B" part="x" size="A4"><Label-rectangle id="0" width="1mm" height="1mm">)" +
                        Repeated(R"(<Layout nx="1" ny="1"/>)", count) + "</Label-rectangle></Template>");
}

// Elements nested `depth` deep in all, the root counted.
std::string Nested(int depth)
{
    return TemplateFile(Repeated("<Markup>", depth - 1) + Repeated("</Markup>", depth - 1));
}

std::string CrowdedTag(int attributes)
{
    std::string tag = "<Meta";
    for (int i = 0; i < attributes; ++i)
        tag += " a" + std::to_string(i) + "=\"\"";
    return TemplateFile(tag + "/>");
}

TEST(HostileInputTest, RefusedAtOnce)
{
    struct Case {
        const char* what;
        std::string bytes;
        const char* error;
    } cases[] = {
        {"billion laughs", BillionLaughs(), "DTD not allowed"},
        {"an empty DTD", "<!DOCTYPE Glabels-templates>" + TemplateFile(""), "DTD not allowed"},
        {"deep nesting", Nested(kMaxXmlDepth + 1), "nested deeper than 16"},
        {"deep nesting past the root", Nested(100000), "nested deeper than 16"},
        {"100,000 layouts", Layouts(100000), "more than 64 layouts in a template"},
        {"one layout too many", Layouts(kMaxLayoutsPerTemplate + 1), "more than 64 layouts"},
        {"too many templates",
         TemplateFile(Repeated(R"(<Template brand="B" part="x" equiv="y"/>)", kMaxTemplatesPerFile + 1)),
         "more than 20000 templates"},
        {"a tag of many attributes", CrowdedTag(kMaxXmlAttributes + 1), "more than 256 attributes"},
        {"a NUL byte", TemplateFile(std::string("<Meta a=\"\0\"/>", 13)), "NUL byte"},
        {"UTF-16", std::string("\xff\xfe<\0G\0/\0>\0", 10), "NUL byte"},
        {"another encoding", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><Glabels-templates/>", "only UTF-8"},
    };
    for (const Case& c : cases) {
        const TemplateFileResult result = ReadTemplateBytes(c.bytes, kPapers, {});
        EXPECT_NE(result.error.find(c.error), std::string::npos) << c.what << ": " << result.error;
        EXPECT_TRUE(result.sheets.empty()) << c.what;
    }
}

// Just within each limit a file still reads, so the limits leave room for every real file.
TEST(HostileInputTest, FilesAtTheLimitsRead)
{
    const std::string nested = Nested(kMaxXmlDepth);
    const std::string layouts = Layouts(kMaxLayoutsPerTemplate);
    const std::string templates = TemplateFile(Repeated(PlainTemplate("B", "x"), kMaxTemplatesPerFile));
    const std::string crowded = CrowdedTag(kMaxXmlAttributes);
    const std::string banners = TemplateFile(Repeated("<!-- " + std::string(200, '=') + " -->\n", 100));
    for (const std::string* bytes : {&nested, &layouts, &templates, &crowded, &banners})
        EXPECT_EQ(ReadTemplateBytes(*bytes, kPapers, {}).error, "") << bytes->substr(0, 200);
    EXPECT_EQ(ReadTemplateBytes(layouts, kPapers, {}).sheets.at(0).layouts.size(), 64u);
    EXPECT_EQ(ReadTemplateBytes(templates, kPapers, {}).sheets.size(), 20000u);
}

TEST(HostileInputTest, OnlyRegularFilesWithinTheSizeLimitAreRead)
{
    const TempFolder folder;
    const std::filesystem::path fifo = folder.path() / "fifo-templates.xml";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::filesystem::path big = folder.path() / "big-templates.xml";
    folder.write("big-templates.xml", TemplateFile(""));
    std::filesystem::resize_file(big, kMaxXmlFileBytes + 1);
    struct Case {
        std::filesystem::path file;
        const char* error;
    } cases[] = {
        {fifo, "not a regular file"},
        {"/dev/zero", "not a regular file"},
        {big, "larger than 4 MiB"},
        {folder.path(), "Is a directory"},
        {folder.path() / "missing-templates.xml", "No such file"},
    };
    for (const Case& c : cases) {
        const TemplateFileResult result = ReadTemplateFile(c.file, kPapers, {});
        EXPECT_NE(result.error.find(c.error), std::string::npos) << c.file << ": " << result.error;
        std::string paperError;
        EXPECT_TRUE(ReadPaperSizes(c.file, &paperError).empty()) << c.file;
        EXPECT_NE(paperError.find(c.error), std::string::npos) << c.file << ": " << paperError;
    }
}

}  // namespace
