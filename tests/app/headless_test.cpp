#include "app/headless.h"
#include "design/design_file.h"
#include "format/load_formats.h"

#include "../design/design_fixture.h"
#include "../format/format_fixture.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {

void WriteBytes(const fs::path& file, const std::string& bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string ReadText(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A program folder with two sheets beside it: an Orvanel one and a Zolvi one of kind 5.
class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CSealFormat::ResetAll();
        ClearCatalog();
        m_root = fs::temp_directory_path() / ("velmaro-app-" + std::to_string(::getpid()));
        m_program = m_root / "program";
        FormatFixture orvanel;
        orvanel.kind = 3;
        orvanel.withOutline = true;
        WriteBytes(m_program / "印刷情報" / "M100AA00" / "format.tsd", orvanel.Bytes());
        FormatFixture zolvi;
        zolvi.kind = 5;
        zolvi.code = "M001AA00";
        zolvi.withOutline = true;
        zolvi.previews = 6;
        WriteBytes(m_program / "印刷情報" / "M001AA00" / "format.tsd", zolvi.Bytes());
    }
    void TearDown() override
    {
        fs::remove_all(m_root);
        CSealFormat::ResetAll();
        ClearCatalog();
    }

    // Saves a Zolvi design on the kind-5 sheet with a Japanese text and a typeface with spaces.
    fs::path SaveZolviDesign()
    {
        EXPECT_TRUE(LoadFormats(m_program));
        UseFormat(*FindFormat("M001AA00"));
        CSealFormat::Zolvi().m_pieces[1].m_strText = "\x83\x5C\x95\x5C\r\nB";  // ソ表, B
        CSealFormat::OtherFace() = "Noto Sans CJK JP";
        CSealFormat::s_nLayoutMode = 146;
        const fs::path file = m_root / "designs" / "z.zvd";
        fs::create_directories(file.parent_path());
        EXPECT_EQ(SaveDesignFile(file, kKindZolvi), std::nullopt);
        CSealFormat::ResetAll();
        ClearCatalog();
        return file;
    }

    int Run(const std::vector<std::string>& args, const fs::path& program)
    {
        m_out.str("");
        m_err.str("");
        ProgramFolders folders;
        folders.programData = program;
        folders.userData = m_root / "user";
        return RunHeadless(args, folders, m_out, m_err);
    }

    fs::path m_root;
    fs::path m_program;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(HeadlessTest, InfoPrintsTheDesignAsOpenedOnOneLine)
{
    const fs::path file = SaveZolviDesign();
    ASSERT_EQ(Run({"--info", file.string()}, m_program), 0) << m_err.str();
    const std::string json = m_out.str();
    EXPECT_EQ(json.find('\n'), json.size() - 1);
    EXPECT_EQ(json.rfind("{\"variant\":\"zolvi\",\"designKind\":-2,\"advance\":true,\"strCurCode\":\"\","
                         "\"settings\":{\"nOldSheetType\":137,\"nOldSheetImage\":161,\"nLayoutMode\":146,"
                         "\"nTextColour\":102,\"bBold\":0,\"nJapaneseFace\":0,\"nLatinFace\":1,\"bLatinFace\":0,"
                         "\"nOldSheetPicture\":152},\"otherFace\":\"Noto Sans CJK JP\",\"record\":{",
                         0),
              0u)
        << json;
    EXPECT_NE(json.find("\"strCode\":\"M001AA00\""), std::string::npos);
    EXPECT_NE(json.find("\"nKind\":5"), std::string::npos);
    EXPECT_NE(json.find("\"strText\":\"ソ表\\nB\""), std::string::npos) << json;
    EXPECT_EQ(m_err.str(), "");
}

// The laid-out lines of the first sticker in the JSON of --info --layout.
std::vector<std::string> FirstStickerLines(const std::string& json)
{
    const std::string key = "\"lines\":[";
    const std::size_t start = json.find(key);
    std::vector<std::string> lines;
    if (start == std::string::npos)
        return lines;
    std::size_t pos = start + key.size();
    while (pos < json.size() && json[pos] == '"') {
        const std::size_t end = json.find('"', pos + 1);
        lines.push_back(json.substr(pos + 1, end - pos - 1));
        pos = end + 1 + (json[end + 1] == ',' ? 1 : 0);
    }
    return lines;
}

TEST_F(HeadlessTest, LayoutKeepsWordsWholeUnlessPlainBreaksAreAskedFor)
{
    EXPECT_TRUE(LoadFormats(m_program));
    UseFormat(*FindFormat("M100AA00"));
    std::string words = "velmaro";
    for (int i = 0; i < 11; ++i)
        words += " velmaro";
    CSealFormat::Orvanel().m_pieces[0].m_strText = words;
    CSealFormat::Orvanel().m_pieces[0].m_rcText = Rect{0, 0, 4000, 3000};
    CSealFormat::s_nLayoutMode = 187;
    const fs::path file = m_root / "designs" / "words.zvd";
    fs::create_directories(file.parent_path());
    ASSERT_EQ(SaveDesignFile(file, kKindOrvanel), std::nullopt);
    CSealFormat::ResetAll();

    ASSERT_EQ(Run({"--info", "--layout", file.string()}, m_program), 0) << m_err.str();
    const std::vector<std::string> kinsoku = FirstStickerLines(m_out.str());
    ASSERT_GT(kinsoku.size(), 1u) << m_out.str();
    for (const std::string& line : kinsoku) {
        std::istringstream split(line);
        std::string word;
        std::string rebuilt;
        while (split >> word) {
            EXPECT_EQ(word, "velmaro") << line;
            rebuilt += (rebuilt.empty() ? "" : " ") + word;
        }
        EXPECT_EQ(rebuilt, line) << "no space at either end";
    }
    ASSERT_EQ(Run({"--info", "--layout", "--plain-breaks", file.string()}, m_program), 0) << m_err.str();
    const std::vector<std::string> plain = FirstStickerLines(m_out.str());
    std::string joined;
    for (const std::string& line : plain)
        joined += line;
    EXPECT_EQ(joined, words) << "plain breaks cut between characters and keep every space";
    EXPECT_NE(plain, kinsoku);

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--info", "--plain-breaks", file.string()}, {"--catalog", "--plain-breaks"}}) {
        EXPECT_EQ(Run(args, m_program), 2) << args[0];
        EXPECT_NE(m_err.str().find("usage:"), std::string::npos);
    }
}

TEST_F(HeadlessTest, InfoLooksOlderFilesUpInTheCatalogBesideTheProgram)
{
    DesignFixture old;
    old.layout = DesignFixture::kOldOrvanel;
    const fs::path file = m_root / "old.zvd";
    WriteBytes(file, old.Bytes());
    ASSERT_EQ(Run({"--info", file.string()}, m_program), 0) << m_err.str();
    const std::string json = m_out.str();
    EXPECT_EQ(json.rfind("{\"variant\":\"old-orvanel\",\"designKind\":1,\"advance\":true,\"strCurCode\":\"M100AA00\"", 0),
              0u)
        << json;
    EXPECT_NE(json.find("\"nOutlineRound\":150,\"nOutlinePen\":25"), std::string::npos) << json;
}

TEST_F(HeadlessTest, VersionAndHelpNeedNoDataFolder)
{
    const fs::path bare = m_root / "bare";
    EXPECT_EQ(Run({"--version"}, bare), 0);
    EXPECT_EQ(m_out.str(), std::string("velmaro ") + VELMARO_VERSION + "\n");
    EXPECT_EQ(Run({"--help"}, bare), 0);
    for (const char* option : {"--catalog", "--info [--layout] FILE.zvd", "--export OUT FILE.zvd [--offset DX,DY]",
                               "--version", "--help"})
        EXPECT_NE(m_out.str().find(std::string("\n  ") + option), std::string::npos) << option;
    EXPECT_EQ(m_err.str(), "");
    EXPECT_EQ(Run({"--version", "--help"}, bare), 2);
    EXPECT_NE(m_err.str().find("velmaro --version | --help"), std::string::npos);
}

TEST_F(HeadlessTest, ErrorsGoToStandardErrorWithExitStatusTwo)
{
    WriteBytes(m_root / "text.zvd", "not a design");
    DesignFixture damaged;
    damaged.designLines.pop_back();
    WriteBytes(m_root / "damaged.zvd", damaged.Bytes());
    const fs::path bare = m_root / "bare";
    fs::create_directories(bare);
    const struct {
        std::vector<std::string> args;
        fs::path program;
        std::string message;
    } cases[] = {
        {{"--info", (m_root / "none.zvd").string()}, m_program, (m_root / "none.zvd").string() + " が見つかりませんでした。"},
        {{"--info", (m_root / "text.zvd").string()}, m_program, "Velmaroの保存ファイルではありません。"},
        {{"--info", (m_root / "damaged.zvd").string()}, m_program,
         (m_root / "damaged.zvd").string() + " は壊れているため、読み込めません。"},
        {{"--info", (m_root / "text.zvd").string()}, bare, (bare / "印刷情報").string() + "が存在しません"},
        {{"--catalog"}, bare, (bare / "印刷情報").string() + "が存在しません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(Run(c.args, c.program), 2);
        EXPECT_EQ(m_err.str(), c.message + "\n");
        EXPECT_EQ(m_out.str(), "");
    }
    EXPECT_EQ(Run({"--info"}, m_program), 2);
    EXPECT_NE(m_err.str().find("usage:"), std::string::npos);
}

// The real program, copied into a folder of its own: it finds its data beside itself.
class ProgramCopyTest : public HeadlessTest {
protected:
    fs::path CopyProgramTo(const fs::path& folder)
    {
        fs::create_directories(folder);
        const fs::path exe = folder / "velmaro";
        fs::copy_file(VELMARO_EXE, exe, fs::copy_options::overwrite_existing);
        return exe;
    }

    // Runs the program; returns its exit status and leaves its output in m_stdout, m_stderr.
    int RunProgram(const fs::path& exe, const std::string& args)
    {
        const fs::path out = m_root / "stdout.txt";
        const fs::path err = m_root / "stderr.txt";
        const std::string command =
            "'" + exe.string() + "' " + args + " >'" + out.string() + "' 2>'" + err.string() + "'";
        const int status = std::system(command.c_str());
        m_stdout = ReadText(out);
        m_stderr = ReadText(err);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string m_stdout;
    std::string m_stderr;
};

TEST_F(ProgramCopyTest, CatalogAndInfoWorkFromAnyFolderWithItsData)
{
    const fs::path design = SaveZolviDesign();
    const fs::path exe = CopyProgramTo(m_program);

    ASSERT_EQ(RunProgram(exe, "--catalog"), 0) << m_stderr;
    std::istringstream lines(m_stdout);
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count)
        EXPECT_EQ(line.rfind("{\"nReserved\":[0,0,0],\"strCode\":\"M", 0), 0u) << line;
    EXPECT_EQ(count, 2);

    ASSERT_EQ(RunProgram(exe, "--info '" + design.string() + "'"), 0) << m_stderr;
    for (const char* key : {"{\"variant\":\"zolvi\"", "\"designKind\":-2", "\"advance\":true", "\"strCurCode\":",
                            "\"settings\":{\"nOldSheetType\":137", "\"otherFace\":\"Noto Sans CJK JP\"",
                            "\"record\":{", "\"pieces\":[{"})
        EXPECT_NE(m_stdout.find(key), std::string::npos) << key;
    EXPECT_EQ(m_stderr, "");
}

TEST_F(ProgramCopyTest, WithoutItsDataFolderTheProgramSaysWhichFolderIsMissing)
{
    const fs::path folder = m_root / "elsewhere";
    const fs::path exe = CopyProgramTo(folder);
    for (const std::string args : {"--catalog", "--info design.zvd"}) {
        SCOPED_TRACE(args);
        EXPECT_EQ(RunProgram(exe, args), 2);
        EXPECT_EQ(m_stderr, (folder / "印刷情報").string() + "が存在しません\n");
        EXPECT_EQ(m_stdout, "");
    }
}

// The built program on its bundled sheets and sample designs: laying out and exporting need the
// fonts but no display.
TEST_F(ProgramCopyTest, LayoutAndExportOfTheBundledSamples)
{
    const fs::path exe = VELMARO_EXE;
    const fs::path samples = exe.parent_path() / "data";
    const std::string nameTags = "'" + (samples / "名札サンプル.zvd").string() + "'";

    ASSERT_EQ(RunProgram(exe, "--info --layout " + nameTags), 0) << m_stderr;
    EXPECT_NE(m_stdout.find("\"lines\":[\"山田 太郎\",\"1年2組\"]"), std::string::npos) << m_stdout.substr(0, 400);
    EXPECT_NE(m_stdout.find("\"bOverflow\":0"), std::string::npos);
    ASSERT_EQ(RunProgram(exe, "--info " + nameTags), 0) << m_stderr;
    EXPECT_NE(m_stdout.find("\"lines\":[]"), std::string::npos);  // without --layout nothing is laid out

    const fs::path png = m_root / "sheet.png";
    const fs::path pdf = m_root / "sheet.pdf";
    ASSERT_EQ(RunProgram(exe, "--export '" + png.string() + "' " + nameTags), 0) << m_stderr;
    EXPECT_EQ(ReadText(png).substr(1, 3), "PNG");
    ASSERT_EQ(RunProgram(exe, "--export '" + pdf.string() + "' " + nameTags + " --offset 100,-50"), 0) << m_stderr;
    EXPECT_EQ(ReadText(pdf).substr(0, 5), "%PDF-");

    EXPECT_EQ(RunProgram(exe, "--export '" + pdf.string() + "' " + nameTags + " --offset 1,x"), 2);
    EXPECT_NE(m_stderr.find("usage:"), std::string::npos);
    EXPECT_EQ(RunProgram(exe, "--export '" + (m_root / "sheet.txt").string() + "' " + nameTags), 2);
    EXPECT_NE(m_stderr.find(".pdf"), std::string::npos);
}

}  // namespace
