#include "app/headless.h"
#include "app/headless_fill.h"
#include "app/progress_line.h"
#include "design/design_file.h"
#include "design/design_sheets.h"
#include "format/label_sheet.h"
#include "format/load_formats.h"
#include "labels/label_database.h"

#include "../design/design_fixture.h"
#include "../format/format_fixture.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

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

// An export says nothing in its first two seconds; then a line a second at most, and the last
// sheet once anything was said.
TEST(ProgressLineTest, LongExportsTellHowFarTheyAreShortOnesStayQuiet)
{
    using namespace std::chrono_literals;
    std::chrono::steady_clock::time_point now{};
    const auto clock = [&now] { return now; };
    const struct {
        std::chrono::milliseconds at;
        int done;
        const char* told;
    } steps[] = {
        {500ms, 1, ""},       {1900ms, 2, ""},       {2000ms, 3, "3/100枚"}, {2500ms, 4, ""},
        {3000ms, 5, "5/100枚"}, {3100ms, 100, "100/100枚（完了）"},
    };
    std::ostringstream err;
    ProgressLine progress(err, clock);
    for (const auto& step : steps) {
        now = std::chrono::steady_clock::time_point(step.at);
        err.str("");
        progress(step.done, 100);
        EXPECT_EQ(err.str(), *step.told ? "シートを出力しています: " + std::string(step.told) + "\n" : "") << step.done;
    }
    std::ostringstream quiet;
    ProgressLine shortExport(quiet, clock);
    shortExport(100, 100);
    EXPECT_EQ(quiet.str(), "");
}

// On a Zolvi design "--from" and the overflow report count stickers, each of two records.
TEST_F(HeadlessTest, ZolviFillCountsStickersNotTheirParts)
{
    FormatFixture tall;
    tall.kind = 5;
    tall.code = "M002AA00";
    tall.rows = 4;  // two parts a row: four stickers
    tall.withOutline = true;
    tall.previews = 6;
    WriteBytes(m_program / "印刷情報" / "M002AA00" / "format.tsd", tall.Bytes());
    ASSERT_TRUE(LoadFormats(m_program));
    UseFormat(*FindFormat("M002AA00"));
    ResetSheets(kKindZolvi);
    CSealFormat::s_nLayoutMode = 145;  // a text on each part: the fill takes the fronts
    const int stickers = static_cast<int>(CSealFormat::Zolvi().m_pieces.size()) / 2;
    ASSERT_GE(stickers, 4);
    const auto fill = [](const std::string& from, std::vector<FilledEntry>& filled, std::ostream& err) {
        FillRequest request;
        TakeFillOption("--series", "N,1,1,2,0", request);
        TakeFillOption("--from", from, request);
        return FillFromRequest(request, kKindZolvi, filled, err);
    };
    std::vector<FilledEntry> filled;
    std::ostringstream err;
    ASSERT_TRUE(fill("3", filled, err)) << err.str();
    ASSERT_EQ(filled.size(), 2u);
    EXPECT_EQ(filled[0].sticker, 4) << "the front of the third sticker";
    EXPECT_EQ(filled[0].number, 3);
    EXPECT_EQ(filled[1].number, 4);
    FillRequest series;
    TakeFillOption("--series", "N,1,1,2,0", series);
    ReportOverflow(series, filled, {{0, 6}}, err);
    EXPECT_NE(err.str().find("（1枚目の4番のシール）"), std::string::npos) << err.str();

    EXPECT_TRUE(fill(std::to_string(stickers), filled, err)) << err.str();
    std::ostringstream beyond;
    EXPECT_FALSE(fill(std::to_string(stickers + 1), filled, beyond));
    EXPECT_NE(beyond.str().find("1から" + std::to_string(stickers) + "まで"), std::string::npos) << beyond.str();
}

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
                               "--fill LIST", "--column NAME|N", "--series PREFIX,START,STEP,COUNT,DIGITS[,SUFFIX]",
                               "--from STICKER", "--version", "--help"})
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

// The bundled 8-sticker sheet cut to its first six stickers (three rows of two): the header line
// with its columns and rows, then four blocks of eight rectangles, the first right after the header.
std::string SixStickerFormat(const fs::path& bundled)
{
    std::istringstream in(ReadText(bundled));
    std::string out;
    int line = 0;
    int block = 0;
    int inBlock = 0;
    for (std::string text; std::getline(in, text); ++line) {
        if (line == 1)
            text.replace(text.find("\t2\t4\t"), 5, "\t2\t3\t");
        if (line >= 2 && block < 4) {
            if (text == "\r" || text.empty()) {
                ++block;
                inBlock = 0;
            } else if (inBlock++ >= 6) {
                continue;  // the stickers of the fourth row
            }
        }
        out += text + "\n";
    }
    return out;
}

// The real program filling a design from lists and series on a sheet of six stickers.
class FillCommandTest : public ProgramCopyTest {
protected:
    void SetUp() override
    {
        ProgramCopyTest::SetUp();
        const fs::path bundled = fs::path(VELMARO_EXE).parent_path() / "印刷情報" / "M100AA00" / "format.tsd";
        WriteBytes(m_program / "印刷情報" / "M100AA00" / "format.tsd", SixStickerFormat(bundled));
        m_exe = CopyProgramTo(m_program);
        EXPECT_TRUE(LoadFormats(m_program));
        UseFormat(*FindFormat("M100AA00"));
        ASSERT_EQ(CSealFormat::Orvanel().m_pieces.size(), 6u);
        CSealFormat::s_nLayoutMode = 187;
        m_design = m_root / "designs" / "six.zvd";
        fs::create_directories(m_design.parent_path());
        ASSERT_EQ(SaveDesignFile(m_design, kKindOrvanel), std::nullopt);
    }

    int Export(const fs::path& out, const std::string& options, const std::string& input = "")
    {
        const fs::path list = m_root / "input.txt";
        WriteBytes(list, input);
        return RunProgram(m_exe, "--export '" + out.string() + "' '" + m_design.string() + "' " + options + " <'"
                                     + list.string() + "'");
    }

    // The text of each page of a PDF, as pdftotext lays it out.
    std::vector<std::string> PdfPages(const fs::path& pdf)
    {
        std::vector<std::string> pages;
        const fs::path text = m_root / "pages.txt";
        const std::string command = "pdftotext -layout '" + pdf.string() + "' '" + text.string() + "'";
        if (std::system(command.c_str()) != 0)
            return pages;
        std::string all = ReadText(text);
        for (std::size_t start = 0, end; (end = all.find('\f', start)) != std::string::npos; start = end + 1)
            pages.push_back(all.substr(start, end - start));
        return pages;
    }

    // Each page holds its entries of `texts`, six a page, in their order.
    void ExpectPages(const std::vector<std::string>& pages, const std::vector<std::string>& texts, int skipped = 0)
    {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const std::size_t page = (i + static_cast<std::size_t>(skipped)) / 6;
            ASSERT_LT(page, pages.size()) << texts[i];
            const std::size_t at = pages[page].find(texts[i]);
            EXPECT_NE(at, std::string::npos) << texts[i] << " not on page " << page + 1 << ":\n" << pages[page];
            if (i > 0 && (i + static_cast<std::size_t>(skipped)) % 6 != 0) {
                EXPECT_LT(pages[page].find(texts[i - 1]), at) << texts[i] << " before " << texts[i - 1];
            }
        }
    }

    fs::path m_exe;
    fs::path m_design;
};

TEST_F(FillCommandTest, NinetyFiveEntriesFromStandardInputGiveSixteenPagesInOrder)
{
    std::vector<std::string> names;
    std::string list;
    for (int i = 1; i <= 95; ++i) {
        names.push_back("生徒" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "号");
        list += names.back() + "\r\n";
    }
    const fs::path pdf = m_root / "class.pdf";
    ASSERT_EQ(Export(pdf, "--fill -", list), 0) << m_stderr;
    const std::vector<std::string> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 16u);
    ExpectPages(pages, names);
    EXPECT_EQ(m_stderr.find("標準入力"), std::string::npos) << m_stderr;
    // The design file itself is left as it was: one sheet, no companion.
    EXPECT_FALSE(fs::exists(m_design.string() + "s"));
}

TEST_F(FillCommandTest, SeriesFromAStickerOnAndPicturesNumberedPerSheet)
{
    const fs::path pdf = m_root / "numbers.pdf";
    ASSERT_EQ(Export(pdf, "--series No.,1,1,12,3 --from 5"), 0) << m_stderr;
    std::vector<std::string> texts;
    for (int i = 1; i <= 12; ++i)
        texts.push_back(std::string("No.0") + (i < 10 ? "0" : "") + std::to_string(i));
    const std::vector<std::string> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 3u);
    ExpectPages(pages, texts, 4);

    const fs::path png = m_root / "numbers.png";
    ASSERT_EQ(Export(png, "--series ,-3,1,8,0,番"), 0) << m_stderr;
    EXPECT_EQ(ReadText(m_root / "numbers-1.png").substr(1, 3), "PNG");
    EXPECT_EQ(ReadText(m_root / "numbers-2.png").substr(1, 3), "PNG");
    EXPECT_FALSE(fs::exists(png));
    EXPECT_FALSE(fs::exists(m_root / "numbers-3.png"));
}

TEST_F(FillCommandTest, ColumnsUnusableCharactersAndOverflowAreReportedWithTheirLines)
{
    std::string tall = "\"";
    for (int i = 0; i < 80; ++i)
        tall += "行\n";
    tall += "\"";
    const std::string csv = "番号,氏名\n1,山田\n2," + tall + "\n3,\"Emoji 😀\"\n4,佐藤\n";
    const fs::path pdf = m_root / "table.pdf";
    ASSERT_EQ(Export(pdf, "--fill - --column 氏名", csv), 0) << m_stderr;
    EXPECT_NE(m_stderr.find("標準入力:3: 文字がシールに収まりません（1枚目の2番のシール）"), std::string::npos) << m_stderr;
    EXPECT_NE(m_stderr.find("標準入力:84: シールに使えない文字を「？」にしました: 😀"), std::string::npos) << m_stderr;
    const std::vector<std::string> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("佐藤"), std::string::npos);

    // A Shift_JIS list with a UTF-8 line is still read as Shift_JIS, and the line is named.
    const std::string mixed = "\x8E\x52\x93\x63\n田中\n\x8D\xB2\x93\xA1\n";
    ASSERT_EQ(Export(pdf, "--fill -", mixed), 0) << m_stderr;
    EXPECT_NE(m_stderr.find("標準入力:2: リストをシフトJISとして読みましたが、この行はUTF-8のようです（文字化けします）: 田中"),
              std::string::npos)
        << m_stderr;
    EXPECT_EQ(m_stderr.find("標準入力:1:"), std::string::npos) << m_stderr;
}

// Without a .csv or .tsv name or a column a list is lines: a comma neither cuts an entry nor makes
// the first line a header.
TEST_F(FillCommandTest, CommasInAPlainListStayInItsEntries)
{
    const std::string names = "Abe,Ken\nIto,Mai\n";
    const fs::path list = m_root / "names.list";
    WriteBytes(list, names);
    const fs::path pdf = m_root / "names.pdf";
    for (const std::string& options : {std::string("--fill -"), "--fill '" + list.string() + "'"}) {
        SCOPED_TRACE(options);
        ASSERT_EQ(Export(pdf, options, names), 0) << m_stderr;
        const std::vector<std::string> pages = PdfPages(pdf);
        ASSERT_EQ(pages.size(), 1u);
        ExpectPages(pages, {"Abe,Ken", "Ito,Mai"});
    }
}

// `count` lines "x".
std::string Lines(int count)
{
    std::string lines;
    for (int i = 0; i < count; ++i)
        lines += "x\n";
    return lines;
}

TEST_F(FillCommandTest, UnreadableInputEndsWithStatusTwoAndTheLine)
{
    const fs::path pdf = m_root / "bad.pdf";
    const struct {
        const char* name;
        std::string options;
        std::string input;
        std::string told;
    } cases[] = {
        {"bytes no encoding reads", "--fill -", "ok\nok\n\x82\n", "標準入力:3: "},
        {"a quote never closed", "--fill - --column 2", "a,b\n1,\"open\n2,3\n", "標準入力:2: "},
        {"no such column", "--fill - --column 住所", "a,b\n1,2\n", "標準入力:1: 「住所」という列はありません"},
        {"a missing list file", "--fill '" + (m_root / "none.txt").string() + "'", "", "none.txt: "},
        {"a malformed series", "--series No.,1,1", "", "--series: "},
        {"a series prefix cut inside a character", "--series \"$(printf 'No\\343'),1,1,3,0\"", "",
         "--series: 接頭辞"},
        {"a sticker beyond the sheet", "--series No.,1,1,3,0 --from 7", "", "--from: "},
        {"more sheets than a design holds", "--series No.,1,1,60000,0", "", "--series: シートが9999枚を超えます（この用紙では59994件まで）"},
        {"a list for more sheets than a design holds", "--fill -", Lines(59995), "--fill: シートが9999枚を超えます"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Export(pdf, c.options, c.input), 2);
        EXPECT_NE(m_stderr.find(c.told), std::string::npos) << m_stderr;
        EXPECT_FALSE(fs::exists(pdf));
    }
    // Standard input has a named list's limit: an endless one is cut off there.
    EXPECT_EQ(RunProgram(m_exe, "--export '" + pdf.string() + "' '" + m_design.string() + "' --fill - </dev/zero"), 2);
    EXPECT_NE(m_stderr.find("標準入力: リストが大きすぎます（256 MiBまで）"), std::string::npos) << m_stderr;
    EXPECT_FALSE(fs::exists(pdf));
    for (const std::string options : {"--column 1", "--from 2", "--fill - --series a,1,1,1,1", "--fill - --fill -"}) {
        SCOPED_TRACE(options);
        EXPECT_EQ(Export(pdf, options), 2);
        EXPECT_NE(m_stderr.find("usage:"), std::string::npos);
    }
}

// A saved design of three sheets exports all three, each on its page, without any fill.
TEST_F(FillCommandTest, EverySheetOfASavedDesignIsExported)
{
    for (const char* text : {"ONE", "TWO", "THREE"}) {
        if (std::string(text) != "ONE") {
            AddSheet(kKindOrvanel);
            ShowSheet(kKindOrvanel, SheetCount(kKindOrvanel) - 1);
        }
        CSealFormat::Orvanel().m_pieces[5].m_strText = text;
    }
    ASSERT_EQ(SaveDesignFile(m_design, kKindOrvanel), std::nullopt);
    const fs::path pdf = m_root / "three.pdf";
    ASSERT_EQ(Export(pdf, ""), 0) << m_stderr;
    const std::vector<std::string> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_NE(pages[0].find("ONE"), std::string::npos);
    EXPECT_NE(pages[1].find("TWO"), std::string::npos);
    EXPECT_NE(pages[2].find("THREE"), std::string::npos);
    EXPECT_EQ(pages[2].find("TWO"), std::string::npos);
}

}  // namespace

namespace {

// A label-template database of one round-label sheet on A4, in a data folder of the test's.
class LabelSheetCommandTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        const fs::path templates = m_root / "share" / "libglabels-3.0" / "templates";
        WriteBytes(templates / "paper-sizes.xml",
                   R"(<Glabels-paper-sizes><Paper-size id="A4" name="A4" width="210mm" height="297mm"/></Glabels-paper-sizes>)");
        WriteBytes(templates / "test-templates.xml", R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Test" part="R40" size="A4" _description="Round labels">
    <Label-round id="0" radius="20mm" waste="0mm">
      <Layout nx="4" ny="6" x0="12.5mm" y0="20.3mm" dx="47.1mm" dy="45.2mm"/>
    </Label-round>
  </Template>
</Glabels-templates>
)");
        const char* dataDirs = std::getenv("XDG_DATA_DIRS");
        m_dataDirs = dataDirs ? dataDirs : "";
        setenv("XDG_DATA_DIRS", (m_root / "share").c_str(), 1);
    }
    void TearDown() override
    {
        setenv("XDG_DATA_DIRS", m_dataDirs.c_str(), 1);
        HeadlessTest::TearDown();
    }

    static std::string PdfInfo(const fs::path& pdf)
    {
        const fs::path info = pdf.string() + ".txt";
        std::system(("pdfinfo '" + pdf.string() + "' >'" + info.string() + "' 2>&1").c_str());
        return ReadText(info);
    }

    std::string m_dataDirs;
};

TEST_F(LabelSheetCommandTest, CatalogListsTheLabelSheetAfterTheBundledOnes)
{
    ASSERT_EQ(Run({"--catalog"}, m_program), 0) << m_err.str();
    std::istringstream lines(m_out.str());
    std::vector<std::string> entries;
    for (std::string line; std::getline(lines, line);)
        entries.push_back(line);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[2],
              R"({"strCode":"TestR40","strFindCode":"R40","strPieceSize":"直径40mm","brand":"Test","part":"R40",)"
              R"("description":"Round labels","paper":"A4","paperSize":[21000,29700],"shape":"round",)"
              R"("labelSize":[4000,4000],"count":24})");
}

TEST_F(LabelSheetCommandTest, ExportMakesANewDesignOnTheNamedSheetOnItsPaper)
{
    const fs::path pdf = m_root / "labels.pdf";
    ASSERT_EQ(Run({"--export", pdf.string(), "--sheet", "test r40", "--series", "No.,1,1,30,2"}, m_program), 0)
        << m_err.str();
    const std::string info = PdfInfo(pdf);
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;  // 30 numbers, 24 labels a sheet
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;

    for (const std::string name : {"TestR40", "R40"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Run({"--export", pdf.string(), "--sheet", name}, m_program), 0) << m_err.str();
    }
    EXPECT_EQ(Run({"--export", pdf.string(), "--sheet", "Test R4"}, m_program), kExitFailure);
    EXPECT_EQ(m_err.str(), "シート「Test R4」が見つかりませんでした。\n");
    EXPECT_EQ(Run({"--export", pdf.string(), "--sheet"}, m_program), kExitFailure);
}

// The label database is read only for a design that is not on one of the maker's sheets; a design
// on a label sheet still finds its template there, and says nothing of a missing one.
TEST_F(LabelSheetCommandTest, ADesignOnALabelSheetOpensWithItsTemplate)
{
    ASSERT_TRUE(LoadFormats(m_program));
    std::ostringstream readErrors;
    AppendLabelSheets(LoadLabelDatabase(readErrors).sheets, g_sealCatalog);
    ASSERT_NE(FindFormat("TestR40"), g_sealCatalog.end());
    UseFormat(*FindFormat("TestR40"));
    CSealFormat::Orvanel().m_pieces[0].m_strText = "R40";
    const fs::path design = m_root / "designs" / "round.zvd";
    fs::create_directories(design.parent_path());
    ASSERT_EQ(SaveDesignFile(design, kKindOrvanel), std::nullopt);
    CSealFormat::ResetAll();
    ClearCatalog();

    ASSERT_EQ(Run({"--info", design.string()}, m_program), 0) << m_err.str();
    EXPECT_EQ(m_err.str(), "");
    const fs::path pdf = m_root / "round.pdf";
    ASSERT_EQ(Run({"--export", pdf.string(), design.string()}, m_program), 0) << m_err.str();
    EXPECT_EQ(m_err.str(), "");
    EXPECT_NE(PdfInfo(pdf).find("(A4)"), std::string::npos);
}

}  // namespace
