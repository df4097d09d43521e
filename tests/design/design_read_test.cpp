#include "design/file_messages.h"
#include "design_fixture.h"
#include "design_test_support.h"

namespace {

using Fixture = DesignFixture;

class DesignReadTest : public DesignFileTest {};

TEST_F(DesignReadTest, ASheetTheCatalogLacksIsNamedInAWarning)
{
    const OpenDesignResult missing = OpenDesignBytes(Fixture{}.Bytes(), "a.zvd");
    ASSERT_TRUE(missing.ok) << missing.error;
    EXPECT_EQ(missing.designKind, kKindOrvanel);
    EXPECT_EQ(missing.warning, MissingSheetMessage("F-12"));

    CSealData2 listed;
    listed.m_strCode = "M100AA00";
    g_sealCatalog.emplace_back(listed);
    EXPECT_EQ(OpenDesignBytes(Fixture{}.Bytes(), "a.zvd").warning, "");
}

TEST_F(DesignReadTest, OrvanelVariantRestoresSettingsRecordAndStickers)
{
    const OpenDesignResult r = OpenDesignBytes(Fixture{}.Bytes(), "a.zvd");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.variant, DesignVariant::Orvanel);
    EXPECT_EQ(r.designKind, kKindOrvanel);
    EXPECT_TRUE(r.advance);
    EXPECT_EQ(CurrentSettings(), (SettingValues{138, 162, 145, 103, 1, 2, 3, 1, 153}));

    const CSealData2& o = CSealFormat::Orvanel();
    EXPECT_EQ(o.m_strCode, "M100AA00");
    EXPECT_EQ(o.m_strFindCode, "F-12");
    EXPECT_EQ(o.m_strPieceSize, "40x20mm");
    EXPECT_EQ(o.m_bFrame, 1);  // raw byte 0x02
    EXPECT_EQ(o.m_crFrame, 0x0000ffu);
    EXPECT_EQ(o.m_nFrameRound, 90);
    EXPECT_EQ(o.m_nFramePen, 100);
    EXPECT_EQ(o.m_nSpare8, 110);  // field 11 before field 12
    EXPECT_EQ(o.m_nSpare9, 120);
    EXPECT_EQ(o.m_nSpare10, 130);
    EXPECT_EQ(o.m_nMarkRound, 140);
    EXPECT_EQ(o.m_nMarkPen, 150);
    EXPECT_EQ(o.m_nMetric[0], 160);
    EXPECT_EQ(o.m_nMetric[11], 270);
    EXPECT_EQ(o.m_nSpare25, 280);
    EXPECT_EQ(o.m_nSpare26, 290);
    EXPECT_EQ(o.m_nPreviewScale, -1);
    EXPECT_EQ(o.m_nDefaultSize, 120);
    EXPECT_EQ(o.m_nOutlineRound, 150);
    EXPECT_EQ(o.m_nOutlinePen, 25);
    EXPECT_EQ(o.m_nKind, 0);  // not stored in design files
    EXPECT_EQ(o.m_bModified, 0);
    EXPECT_EQ(o.m_rcPreview[2], (Rect{9020, 9021, 9022, 9023}));

    ASSERT_EQ(o.m_pieces.size(), 2u);
    const SealPiece& p0 = o.m_pieces[0];
    EXPECT_EQ(p0.m_rcPiece, (Rect{1000, 1001, 1002, 1003}));
    EXPECT_EQ(p0.m_rcFrame, (Rect{2000, 2001, 2002, 2003}));
    EXPECT_EQ(p0.m_rcText, (Rect{3000, 3001, 3002, 3003}));
    EXPECT_EQ(o.m_pieces[1].m_rcMark, (Rect{4010, 4011, 4012, 4013}));
    EXPECT_EQ(p0.m_rcHit, (Rect{999, 996, 1003, 1008}));  // half gaps 3 and 10
    EXPECT_EQ(p0.m_nTextColour, 105);
    EXPECT_EQ(p0.m_nSize, 120);
    EXPECT_EQ(p0.m_crFrame, 0xff0000u);
    EXPECT_EQ(p0.m_nAlignH, -1);
    EXPECT_EQ(p0.m_nAlignV, 1);
    EXPECT_EQ(p0.m_strText, "A\nB\n");  // Orvanel keeps the final line feed
    const SealPiece& p1 = o.m_pieces[1];
    EXPECT_EQ(p1.m_nTextColour, 99);
    EXPECT_EQ(p1.m_nSpare, 7);
    EXPECT_EQ(p1.m_nSize, -1);
    EXPECT_EQ(p1.m_strText, "");  // empty stays empty, not a line break
}

TEST_F(DesignReadTest, ZolviVariantTakesItsKindFromTheFlagByte)
{
    const struct {
        char opening;
        int kind;
    } cases[] = {{'\x00', 4}, {'\x01', 5}};
    for (const auto& c : cases) {
        Fixture f;
        f.layout = Fixture::kZolvi;
        f.opening = c.opening;
        const OpenDesignResult r = OpenDesignBytes(f.Bytes(), "z.zvd");
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(r.variant, DesignVariant::Zolvi);
        EXPECT_EQ(r.designKind, kKindZolvi);
        EXPECT_TRUE(r.advance);
        const CSealData3& z = CSealFormat::Zolvi();
        EXPECT_EQ(z.m_nKind, c.kind);
        EXPECT_EQ(z.m_nPreviewScale, 2);
        EXPECT_EQ(z.m_nDefaultSize, 100);
        EXPECT_EQ(z.m_nSpare29, 7);
        EXPECT_EQ(z.m_nOutlinePen, 30);
        EXPECT_EQ(z.m_rcPreview[0], (Rect{9000, 9001, 9002, 9003}));
        EXPECT_EQ(z.m_rcPreview[5], (Rect{9050, 9051, 9052, 9053}));
        EXPECT_EQ(z.m_pieces[0].m_strText, "A\nB");  // Zolvi drops the final line feed
        EXPECT_EQ(z.m_pieces[1].m_strText, "");
    }
}

TEST_F(DesignReadTest, OldOrvanelTakesTheOutlineFromItsCatalogSheet)
{
    Fixture f;
    f.layout = Fixture::kOldOrvanel;
    const struct {
        const char* name;
        std::vector<CatalogEntry> catalog;
        int kind;
        int outlineRound;
    } cases[] = {
        {"Orvanel sheet", {SampleOrvanel()}, kKindOrvanel, 150},
        {"Zolvi sheet of the same code", {SampleZolvi("M100AA00")}, kKindNone, 0},
        {"code not in the catalog", {}, kKindNone, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g_sealCatalog = c.catalog;
        const OpenDesignResult r = OpenDesignBytes(f.Bytes(), "old.zvd");
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(r.variant, DesignVariant::OldOrvanel);
        EXPECT_EQ(r.designKind, c.kind);
        EXPECT_EQ(r.advance, c.kind != kKindNone);
        EXPECT_EQ(g_strCurCode, "M100AA00");
        // What was read is kept either way.
        EXPECT_EQ(CSealFormat::Orvanel().m_pieces[0].m_strText, "A\nB\n");
        EXPECT_EQ(CSealFormat::Orvanel().m_nOutlineRound, c.outlineRound);
        EXPECT_EQ(CSealFormat::Orvanel().m_nDefaultSize, 120);
    }
}

TEST_F(DesignReadTest, OldZolviTakesKindPreviewsAndOutlinesFromItsCatalogSheet)
{
    Fixture f;
    f.layout = Fixture::kOldZolvi;
    f.code = "M001AA00";
    const struct {
        const char* name;
        std::vector<CatalogEntry> catalog;
        int kind;
        std::uint8_t nKind;
    } cases[] = {
        // One sticker in the catalog, two in the file: the second keeps the file's outline.
        {"kind-5 code", {SampleZolvi("M001AA00", 1, 4)}, kKindZolvi, 5},
        {"Orvanel sheet of the same code", {SampleOrvanel()}, kKindNone, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g_sealCatalog = c.catalog;
        for (auto& entry : g_sealCatalog)
            std::visit([](auto& sheet) { sheet.m_strCode = "M001AA00"; }, entry);
        const OpenDesignResult r = OpenDesignBytes(f.Bytes(), "old.zvd");
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(r.variant, DesignVariant::OldZolvi);
        EXPECT_EQ(r.designKind, c.kind);
        const CSealData3& z = CSealFormat::Zolvi();
        EXPECT_EQ(z.m_nKind, c.nKind);
        EXPECT_EQ(z.m_nDefaultSize, 100);
        EXPECT_EQ(z.m_pieces[0].m_strText, "A\nB");
        EXPECT_EQ(z.m_pieces[1].m_rcPiece, (Rect{1010, 1011, 1012, 1013}));
        if (c.kind == kKindZolvi) {
            EXPECT_EQ(z.m_nSpare29, 9);
            EXPECT_EQ(z.m_nOutlinePen, 12);
            EXPECT_EQ(z.m_rcPreview[1], (Rect{1, 1, 101, 51}));
            EXPECT_EQ(z.m_pieces[0].m_rcPiece, (Rect{0, 0, 90, 40}));
            EXPECT_EQ(z.m_pieces[0].m_rcHit, (Rect{-5, -5, 95, 45}));
            EXPECT_EQ(z.m_pieces[0].m_rcFrame, (Rect{2000, 2001, 2002, 2003}));
        } else {
            // The one preview line stands for both outlines.
            EXPECT_EQ(z.m_rcPreview[0], (Rect{9010, 9011, 9012, 9013}));
            EXPECT_EQ(z.m_rcPreview[1], (Rect{9010, 9011, 9012, 9013}));
            EXPECT_EQ(z.m_rcPreview[2], (Rect{9020, 9021, 9022, 9023}));
            EXPECT_EQ(z.m_nOutlinePen, 0);
        }
    }
}

TEST_F(DesignReadTest, OldZolviKindFollowsTheCode)
{
    for (const std::string code : {"M000AA00", "M002AA00", "M004AA00", "M010AA00"}) {
        Fixture f;
        f.layout = Fixture::kOldZolvi;
        f.code = code;
        g_sealCatalog = {SampleZolvi(code)};
        ASSERT_TRUE(OpenDesignBytes(f.Bytes(), "old.zvd").ok);
        const bool kind5 = code == "M002AA00" || code == "M004AA00";
        EXPECT_EQ(CSealFormat::Zolvi().m_nKind, kind5 ? 5 : 4) << code;
    }
}

// "\0zvd\0", the settings, the other face, two reserved numbers, then the sticker entries.
std::string FirstVersionBytes(int oldSheetType, const std::string& entries)
{
    std::string s("\0zvd\0", 5);
    for (int v : {oldSheetType, 162, 145, 104, 0, 2, 1, 0, 153})
        s += std::to_string(v) + "\t";
    return s + "0\t\t11\t22\t" + entries;
}

TEST_F(DesignReadTest, FirstVersionTakesTheSheetFromItsFamilyAndTheTextsFromTheFile)
{
    g_sealCatalog = {SampleOrvanel(), SampleZolvi("M001AA00", 3, 5)};
    // Colour 255 (0x0000ff), spare 5, "ソ表" with their 0x5C trail bytes, rest of line ignored;
    // then near-white; the third sticker has no entry and keeps its new values.
    const std::string entries = "255\t5\t4\t\x83\x5C\x95\x5C ignored\n16777214\t0\t0\t\n";
    const OpenDesignResult r = OpenDesignBytes(FirstVersionBytes(138, entries), "v1.zvd");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.variant, DesignVariant::FirstVersion);
    EXPECT_EQ(r.designKind, kKindZolvi);
    EXPECT_TRUE(r.advance);
    EXPECT_EQ(g_strCurCode, "M001AA00");
    EXPECT_EQ(CSealFormat::s_nJapaneseFace, 0);  // the other face of the first version is gone
    EXPECT_EQ(CSealFormat::s_nTextColour, 104);
    const CSealData3& z = CSealFormat::Zolvi();
    EXPECT_EQ(z.m_nKind, 5);
    EXPECT_EQ(z.m_nSpare29, 9);
    EXPECT_EQ(z.m_nReserved[0], 11);
    EXPECT_EQ(z.m_nReserved[1], 22);
    ASSERT_EQ(z.m_pieces.size(), 3u);
    EXPECT_EQ(z.m_pieces[0].m_rcPiece, (Rect{0, 0, 90, 40}));
    EXPECT_EQ(z.m_pieces[0].m_nTextColour, 103);
    EXPECT_EQ(z.m_pieces[0].m_nSpare, 5);
    EXPECT_EQ(z.m_pieces[0].m_strText, "\x83\x5C\x95\x5C");
    EXPECT_EQ(z.m_pieces[1].m_nTextColour, 118);
    EXPECT_EQ(z.m_pieces[2].m_nTextColour, kNoTextColour);
    EXPECT_EQ(z.m_pieces[2].m_strText, "");
    // The catalog entry itself is untouched.
    EXPECT_EQ(AsZolvi(g_sealCatalog[1]).m_pieces[0].m_strText, "");
}

TEST_F(DesignReadTest, FirstVersionColoursOutsideTheTableMeanNone)
{
    g_sealCatalog = {SampleZolvi("M000AA00", 3, 4)};
    const std::string entries = "0\t0\t0\t\n8421376\t0\t0\t\n123\t0\t0\t\n";  // black, 0x808000, other
    ASSERT_TRUE(OpenDesignBytes(FirstVersionBytes(137, entries), "v1.zvd").ok);
    const CSealData3& z = CSealFormat::Zolvi();
    EXPECT_EQ(z.m_pieces[0].m_nTextColour, 102);
    EXPECT_EQ(z.m_pieces[1].m_nTextColour, 113);
    EXPECT_EQ(z.m_pieces[2].m_nTextColour, kNoTextColour);
}

TEST_F(DesignReadTest, FirstVersionWithoutAZolviSheetKeepsOnlyTheSettings)
{
    FillCurrentDesign();
    const CSealData3 zolviBefore = CSealFormat::Zolvi();
    const struct {
        const char* name;
        int oldSheetType;
        std::vector<CatalogEntry> catalog;
        const char* code;
    } cases[] = {
        {"Orvanel sheet of the code", 139, {SampleOrvanel()}, "M002AA00"},
        {"code not in the catalog", 140, {SampleZolvi("M000AA00")}, "M003AA00"},
        {"no sheet family", 150, {SampleZolvi("M000AA00")}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g_sealCatalog = c.catalog;
        for (auto& entry : g_sealCatalog)
            if (!IsZolvi(entry))
                std::get<CSealData2>(entry).m_strCode = "M002AA00";
        const OpenDesignResult r = OpenDesignBytes(FirstVersionBytes(c.oldSheetType, "0\t0\t0\t\n"), "v1.zvd");
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(r.designKind, kKindNone);
        EXPECT_FALSE(r.advance);
        EXPECT_EQ(g_strCurCode, c.code);
        EXPECT_EQ(CSealFormat::s_nOldSheetType, c.oldSheetType);
        EXPECT_EQ(CSealFormat::Zolvi().m_pieces[1].m_strText, zolviBefore.m_pieces[1].m_strText);
        EXPECT_EQ(CSealFormat::Zolvi().m_nReserved, zolviBefore.m_nReserved);
    }
}

TEST_F(DesignReadTest, OtherFaceNamesKeepTheirSpacesAndOlderItemsStillRead)
{
    const std::string longName(96, 'N');
    const struct {
        const char* name;
        std::string item;
        std::string face;
    } cases[] = {
        {"name with spaces", "16\tNoto Sans CJK JP\t", "Noto Sans CJK JP"},
        {"Japanese name with a 0x5C trail byte", "7\t\x95\x5C\x8E\xA6 Ex\t", "\x95\x5C\x8E\xA6 Ex"},
        {"no name leaves the current one", "0\t\t", "Previous Face"},
        {"length beyond the name: the word rule", "12\tIPAGothic\t", "IPAGothic"},
        // 20 bytes on stands the tab after the header's second field.
        {"length beyond the name, a tab there by chance", "20\tIPAGothic\t", "IPAGothic"},
        {"length short of the name: the word rule cuts it", "3\tIPA Gothic\t", "IPA"},
        {"longest name that fits the block", "96\t" + longName + "\t", longName},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CSealFormat::OtherFace() = "Previous Face";
        Fixture f;
        f.faceItem = c.item;
        const OpenDesignResult r = OpenDesignBytes(f.Bytes(), "face.zvd");
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(CSealFormat::OtherFace(), c.face);
        EXPECT_EQ(CSealFormat::Orvanel().m_strCode, "M100AA00");
    }
}

TEST_F(DesignReadTest, WhatIsNoDesignFileIsTurnedAwayAndChangesNothing)
{
    const std::string valid = Fixture{}.Bytes();
    std::string zolviFlag2 = [] {
        Fixture f;
        f.layout = Fixture::kZolvi;
        f.opening = '\x02';
        return f.Bytes();
    }();
    std::string orvanelFlag1 = valid;
    orvanelFlag1[0] = '\x01';
    const std::string cases[] = {
        "",
        std::string(1, '\0'),
        zolviFlag2,
        orvanelFlag1,
        std::string("\0zvdx\0", 6) + valid.substr(18),
        std::string("\0orvanelvectorzvd", 17).substr(0, 9),
        "plain text that is no design",
        valid.substr(1),
    };
    FillCurrentDesign();
    const std::string before = DesignSnapshot();
    for (const std::string& bytes : cases) {
        const OpenDesignResult r = OpenDesignBytes(bytes, "x.zvd");
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, "Velmaroの保存ファイルではありません。");
        EXPECT_FALSE(r.advance);
        EXPECT_EQ(DesignSnapshot(), before);
    }
}

std::string Replace(std::string s, const std::string& from, const std::string& to)
{
    const std::size_t at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? s : s.replace(at, from.size(), to);
}

TEST_F(DesignReadTest, DamagedFilesAreRefusedAndTheDesignStaysAsItWas)
{
    const std::string valid = Fixture{}.Bytes();
    auto withLines = [](std::vector<std::string> lines) {
        Fixture f;
        f.designLines = std::move(lines);
        return f.Bytes();
    };
    auto withFixture = [](auto change) {
        Fixture f;
        change(f);
        return f.Bytes();
    };
    const std::string good = "1\t0\t-1\tffffff\t0\t0\t0\t\n";
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"setting not a number", Replace(valid, "138\t162\t", "138\tx\t")},
        {"fewer than nine settings", Replace(valid, "1\t153\t", "1\t")},
        {"other-face length not a number", withFixture([](Fixture& f) { f.faceItem = "n\tFace\t"; })},
        {"other-face name longer than its block",
         withFixture([](Fixture& f) { f.faceItem = "120\t" + std::string(120, 'N') + "\t"; })},
        {"header number not a number", Replace(valid, "40x20mm\t103\t", "40x20mm\tred\t")},
        {"header colour not hexadecimal", Replace(valid, "\t0000ff\t", "\tblue\t")},
        {"header of the older length", Replace(valid, "\t150\t25\n", "\n")},
        {"header text beyond 255 bytes", withFixture([](Fixture& f) { f.code = std::string(256, 'C'); })},
        {"too many stickers", withFixture([](Fixture& f) { f.cols = 5000; })},
        {"rectangle line cut short", Replace(valid, "2000\t2001\t2002\t2003\n", "2000\t2001\n")},
        {"design line missing", withLines({good})},
        {"design number not a number", withLines({good, "1\t0\tbig\tffffff\t0\t0\t0\t\n"})},
        {"length past the end", withLines({good, "1\t0\t-1\tffffff\t0\t0\t50\tshort\n"})},
        {"negative length", withLines({good, "1\t0\t-1\tffffff\t0\t0\t-1\t\n"})},
        {"length short of the text", withLines({good, "1\t0\t-1\tffffff\t0\t0\t2\tabc\n"})},
        {"text longer than its buffer",
         withLines({good, "1\t0\t-1\tffffff\t0\t0\t1100\t" + std::string(1100, 'x') + "\n"})},
        {"file ends after the magic", valid.substr(0, 18)},
    };
    FillCurrentDesign();
    const std::string before = DesignSnapshot();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const OpenDesignResult r = OpenDesignBytes(c.bytes, "/home/u/data/a.zvd");
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, "/home/u/data/a.zvd は壊れているため、読み込めません。");
        EXPECT_EQ(DesignSnapshot(), before);
    }
}

TEST_F(DesignReadTest, EveryTruncationOfAFileIsRefused)
{
    std::vector<std::string> files;
    for (Fixture::Layout layout : {Fixture::kOrvanel, Fixture::kZolvi, Fixture::kOldOrvanel, Fixture::kOldZolvi}) {
        Fixture f;
        f.layout = layout;
        f.faceItem = "16\tNoto Sans CJK JP\t";
        files.push_back(f.Bytes());
    }
    g_sealCatalog = {SampleZolvi("M100AA00")};
    FillCurrentDesign();
    const std::string before = DesignSnapshot();
    for (const std::string& file : files) {
        ASSERT_TRUE(OpenDesignBytes(file, "whole.zvd").ok);
        FillCurrentDesign();
        for (std::size_t length = 0; length < file.size(); ++length) {
            const OpenDesignResult r = OpenDesignBytes(file.substr(0, length), "cut.zvd");
            ASSERT_FALSE(r.ok) << "length " << length << " of " << file.size();
            ASSERT_EQ(DesignSnapshot(), before) << "length " << length;
        }
    }
}

TEST_F(DesignReadTest, FirstVersionCutInsideAnEntryIsRefused)
{
    g_sealCatalog = {SampleZolvi("M000AA00", 3, 4)};
    const std::string file = FirstVersionBytes(137, "255\t5\t4\tabcd rest\n");
    FillCurrentDesign();
    const std::string before = DesignSnapshot();
    const std::size_t entryStart = file.find("255\t");
    for (std::size_t length = 0; length < file.size(); ++length) {
        if (length == entryStart)
            continue;  // the sticker part may end between entries
        EXPECT_FALSE(OpenDesignBytes(file.substr(0, length), "v1.zvd").ok) << length;
        EXPECT_EQ(DesignSnapshot(), before);
    }
    EXPECT_FALSE(OpenDesignBytes(FirstVersionBytes(137, "0\t0\t1000\t" + std::string(1000, 'x') + "\n"), "v").ok);
    EXPECT_TRUE(OpenDesignBytes(FirstVersionBytes(137, "0\t0\t999\t" + std::string(999, 'x') + "\n"), "v").ok);
}

}  // namespace
