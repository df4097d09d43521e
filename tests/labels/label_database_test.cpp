// The database's folders and the user's, read together into one list of sheets.
#include "label_fixtures.h"
#include "labels/label_database.h"
#include "temp_folder.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

const char kA4PaperFile[] =
    R"(<Glabels-paper-sizes><Paper-size id="A4" width="210mm" height="297mm"/></Glabels-paper-sizes>)";

LabelFolders Locate(const std::map<std::string, std::string>& variables)
{
    return LocateLabelFolders([&variables](const char* name) -> const char* {
        const auto found = variables.find(name);
        return found == variables.end() ? nullptr : found->second.c_str();
    });
}

TEST(LabelFoldersTest, DataFoldersThenTheUsers)
{
    const LabelFolders folders = Locate({{"HOME", "/home/a"}});
    EXPECT_EQ(folders.database, (std::vector<fs::path>{"/usr/local/share/libglabels-3.0/templates",
                                                       "/usr/share/libglabels-3.0/templates"}));
    EXPECT_EQ(folders.user, "/home/a/.config/libglabels/templates");

    const LabelFolders given = Locate({{"HOME", "/home/a"},
                                       {"XDG_DATA_DIRS", "/opt/x:relative/share::/usr/share/:/opt/x"},
                                       {"XDG_CONFIG_HOME", "/cfg"}});
    EXPECT_EQ(given.database,
              (std::vector<fs::path>{"/opt/x/libglabels-3.0/templates", "/usr/share//libglabels-3.0/templates"}));
    EXPECT_EQ(given.user, "/cfg/libglabels/templates");

    // A list without /usr/share leaves it out, as the tests' own folders do.
    const LabelFolders withoutSystem = Locate({{"HOME", "/home/a"}, {"XDG_DATA_DIRS", "/opt/x"}});
    EXPECT_EQ(withoutSystem.database, (std::vector<fs::path>{"/opt/x/libglabels-3.0/templates"}));
}

class LabelDatabaseTest : public ::testing::Test {
protected:
    LabelDatabase Load(std::vector<std::string>* errorLines = nullptr)
    {
        std::ostringstream errors;
        LabelDatabase database =
            LoadLabelDatabase({{m_root.path() / "db1", m_root.path() / "db2"}, m_root.path() / "user"}, errors);
        std::istringstream lines(errors.str());
        for (std::string line; std::getline(lines, line);)
            if (errorLines)
                errorLines->push_back(line);
        return database;
    }
    static std::vector<std::string> Parts(const LabelDatabase& database)
    {
        std::vector<std::string> parts;
        for (const LabelGeometry& sheet : database.sheets)
            parts.push_back(sheet.brand + " " + sheet.part);
        return parts;
    }

    TempFolder m_root;
};

TEST_F(LabelDatabaseTest, FilesInNameOrderEquivalentsAcrossFilesAndTheFirstPapers)
{
    m_root.write("db1/paper-sizes.xml", kA4PaperFile);
    m_root.write("db1/b-templates.xml", TemplateFile(R"(<Template brand="A" part="2" equiv="1"/>)"));
    const std::string cd = R"(<Template brand="A" part="cd" size="A4">)"
                           R"(<Label-cd id="0" radius="58mm" hole="20mm"><Layout/></Label-cd></Template>)";
    m_root.write("db1/a-templates.xml", TemplateFile(PlainTemplate("A", "1") + cd));
    m_root.write("db1/categories.xml", "<Glabels-categories/>");
    m_root.write("db1/mine.template", TemplateFile(PlainTemplate("A", "not in a database folder")));
    // A later folder's papers are not read, its template of a part known already is dropped.
    m_root.write("db2/paper-sizes.xml",
                 R"(<Glabels-paper-sizes><Paper-size id="A4" width="1mm" height="1mm"/></Glabels-paper-sizes>)");
    m_root.write("db2/c-templates.xml", TemplateFile(PlainTemplate("a", "1") + PlainTemplate("C", "3")));

    const LabelDatabase database = Load();
    EXPECT_EQ(Parts(database), (std::vector<std::string>{"A 1", "A 2", "C 3"}));
    EXPECT_EQ(database.unsupported, 1);
    EXPECT_EQ(database.sheets[0].paperWidth, 210);
    EXPECT_EQ(database.sheets[1].equivOf, "1");
    EXPECT_EQ(database.sheets[2].paperWidth, 210);
}

TEST_F(LabelDatabaseTest, TheUsersTemplateReplacesTheDatabasesInItsPlace)
{
    m_root.write("db1/paper-sizes.xml", kA4PaperFile);
    m_root.write("db1/avery-templates.xml",
                 TemplateFile(PlainTemplate("Avery", "L7163") + PlainTemplate("Avery", "L7160")));
    LabelGeometry measured = ReadTemplates(PlainTemplate("AVERY", "l7163")).sheets.at(0);
    measured.description = "Measured by hand";
    m_root.write("user/l7163.template", WriteTemplateXml(measured));
    measured.description = "A second measurement";
    m_root.write("user/m7163.template", WriteTemplateXml(measured));
    m_root.write("user/own-templates.xml",
                 TemplateFile(PlainTemplate("Mine", "1") + R"(<Template brand="Avery" part="J8160" equiv="L7160"/>)"));
    m_root.write("user/notes.xml", "not a template");

    const LabelDatabase database = Load();
    EXPECT_EQ(Parts(database), (std::vector<std::string>{"AVERY l7163", "Avery L7160", "Mine 1", "Avery J8160"}));
    EXPECT_EQ(database.sheets[0].description, "Measured by hand");
}

// Each unreadable file costs one line naming it, and the other files are read all the same.
TEST_F(LabelDatabaseTest, UnreadableFilesAreReportedOnOneLineEachAndLeftOut)
{
    m_root.write("db1/a-templates.xml", TemplateFile(PlainTemplate("A", "1")).substr(0, 60));
    m_root.write("db1/paper-sizes.xml", "<Glabels-paper-sizes>");
    m_root.write("db2/paper-sizes.xml", kA4PaperFile);
    m_root.write("db2/b-templates.xml", TemplateFile(PlainTemplate("B", "2")));
    m_root.write("user/bad\nname.template", "<!DOCTYPE Glabels-templates><Glabels-templates/>");
    fs::create_directories(m_root.path() / "user");
    ASSERT_EQ(::mkfifo((m_root.path() / "user" / "fifo.template").c_str(), 0600), 0);

    std::vector<std::string> errors;
    const LabelDatabase database = Load(&errors);
    EXPECT_EQ(Parts(database), (std::vector<std::string>{"B 2"}));
    const std::string folder = m_root.path().string();
    EXPECT_EQ(errors,
              (std::vector<std::string>{
                  "label templates: " + folder + "/db1/paper-sizes.xml left out: line 1: Premature end of document.",
                  "label templates: " + folder + "/db1/a-templates.xml left out: line 3: Premature end of document.",
                  "label templates: " + folder + "/user/bad?name.template left out: line 1: DTD not allowed",
                  "label templates: " + folder + "/user/fifo.template left out: not a regular file",
              }));
}

TEST_F(LabelDatabaseTest, MissingFoldersAreNoError)
{
    std::vector<std::string> errors;
    EXPECT_TRUE(Load(&errors).sheets.empty());
    EXPECT_TRUE(errors.empty());
}

}  // namespace
