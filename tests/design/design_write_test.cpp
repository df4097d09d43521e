#include "design/design_record.h"
#include "design/design_text.h"
#include "design_fixture.h"
#include "design_test_support.h"

namespace {

using Fixture = DesignFixture;

class DesignWriteTest : public DesignFileTest {};

TEST_F(DesignWriteTest, OrvanelDesignIsWrittenByteForByte)
{
    CSealFormat::Orvanel() = SampleOrvanel(1);
    const std::string expected = std::string("\0orvanelvectorzvd\0", 18) +
                                 "137\t161\t144\t102\t0\t0\t1\t0\t152\t"  // settings
                                 "0\t\t"                                   // no other typeface
                                 "M100AA00\t1\t1\tF-12\t40x20mm\t102\t\x01\tffffff\t0\t0\t0\t0\t0\t0\t0\t"
                                 "0\t0\t0\t10\t0\t10\t0\t0\t0\t0\t0\t0\t0\t0\t1\t70\t150\t25\n"
                                 "0\t0\t90\t40\n\n"
                                 "1\t1\t89\t39\n\n"
                                 "2\t2\t88\t38\n\n"
                                 "-1\t-1\t91\t41\n\n"
                                 "0\t0\t90\t40\n\n1\t1\t89\t39\n\n2\t2\t88\t38\n\n"
                                 "6513507\t0\t-1\tffffff\t0\t0\t0\t\n";  // empty text: length 0, line feed
    EXPECT_EQ(DesignFileBytes(kKindOrvanel), expected);
}

TEST_F(DesignWriteTest, ZolviDesignIsWrittenByteForByte)
{
    CSealFormat::Zolvi() = SampleZolvi("M001AA00", 1, 5);
    CSealData3& z = CSealFormat::Zolvi();
    z.m_bFrame = 1;
    z.m_crFrame = 0x0000ff;
    z.m_pieces[0].m_strText = "A\r\nB";
    z.m_pieces[0].m_nTextColour = 105;
    z.m_pieces[0].m_nAlignH = 1;
    CSealFormat::OtherFace() = "Noto Sans CJK JP";
    const std::string expected = std::string("\x01zolvi2vectorzvd\0", 17) +
                                 "137\t161\t144\t102\t0\t0\t1\t0\t152\t"
                                 "16\tNoto Sans CJK JP\t"
                                 "M001AA00\t1\t1\tZ-1\t50x30mm\t102\t\x02\t0000ff\t0\t0\t0\t0\t0\t0\t0\t"
                                 "0\t0\t0\t10\t0\t10\t0\t0\t0\t0\t0\t0\t0\t0\t1\t"
                                 "2\t2\t52\t102\t3\t3\t53\t103\t4\t4\t54\t104\t5\t5\t55\t105\t"  // top, left, bottom, right
                                 "70\t9\t12\n"
                                 "0\t0\t90\t40\n\n"
                                 "1\t1\t89\t39\n\n"
                                 "2\t2\t88\t38\n\n"
                                 "-1\t-1\t91\t41\n\n"
                                 "0\t0\t100\t50\n\n1\t1\t101\t51\n\n2\t2\t102\t52\n\n"
                                 "3\t3\t103\t53\n\n4\t4\t104\t54\n\n5\t5\t105\t55\n\n"
                                 "105\t0\t-1\tffffff\t1\t0\t3\tA\x0b"
                                 "B\n";
    EXPECT_EQ(DesignFileBytes(kKindZolvi), expected);
}

TEST_F(DesignWriteTest, ZolviFlagByteFollowsTheSheetKind)
{
    const struct {
        std::uint8_t kind;
        char opening;
    } cases[] = {{0, '\x00'}, {4, '\x00'}, {5, '\x01'}};
    for (const auto& c : cases) {
        CSealFormat::Zolvi() = SampleZolvi("M001AA00", 1, c.kind);
        const std::string bytes = DesignFileBytes(kKindZolvi);
        EXPECT_EQ(bytes.substr(0, 17), std::string(1, c.opening) + std::string("zolvi2vectorzvd\0", 16));
    }
}

TEST_F(DesignWriteTest, FilesBuiltByHandReadAndWriteBackUnchanged)
{
    const struct {
        Fixture::Layout layout;
        char opening;
        int kind;
    } cases[] = {{Fixture::kOrvanel, '\x00', kKindOrvanel},
                 {Fixture::kZolvi, '\x00', kKindZolvi},
                 {Fixture::kZolvi, '\x01', kKindZolvi}};
    for (const auto& c : cases) {
        Fixture f;
        f.layout = c.layout;
        f.opening = c.opening;
        f.faceItem = "16\tNoto Sans CJK JP\t";
        const std::string bytes = f.Bytes();
        ASSERT_TRUE(OpenDesignBytes(bytes, "f.zvd").ok);
        EXPECT_EQ(DesignFileBytes(c.kind), bytes);
    }
}

TEST_F(DesignWriteTest, StickerTextsComeBackAsEachKindDecodesThem)
{
    const std::string longest(kMaxTextBytes, 'x');
    const struct {
        const char* name;
        std::string text;
        std::string orvanel;  // what the text reads back as
        std::string zolvi;
    } cases[] = {
        {"trail bytes 0x5C of ソ and 表", "\x83\x5C\x95\x5C", "\x83\x5C\x95\x5C\n", "\x83\x5C\x95\x5C"},
        {"half-width katakana", "\xB6\xC0\xB6\xC5", "\xB6\xC0\xB6\xC5\n", "\xB6\xC0\xB6\xC5"},
        {"CR LF between two lines", "A\r\nB", "A\nB\n", "A\nB"},
        {"line break at the end", "A\r\n", "A\n", "A\n"},
        // Found by fuzzing: a Zolvi text lost one trailing line break with every save, so a blank
        // last line that moves the text up was gone when the design was opened again.
        {"blank line at the end", "A\n\n", "A\n\n", "A\n\n"},
        {"only blank lines", "\n\n\n", "\n\n\n", "\n\n\n"},
        {"empty", "", "", ""},
        {"empty first line", "\r\nB", "\nB\n", "\nB"},
        {"leading space", " x", " x\n", " x"},
        {"longest text", longest, longest + "\n", longest},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CSealFormat::Orvanel() = SampleOrvanel(2);
        CSealFormat::Zolvi() = SampleZolvi("M001AA00", 2, 5);
        CSealFormat::Orvanel().m_pieces[0].m_strText = c.text;
        CSealFormat::Zolvi().m_pieces[0].m_strText = c.text;
        for (int kind : {kKindOrvanel, kKindZolvi}) {
            const std::string written = DesignFileBytes(kind);
            ASSERT_TRUE(OpenDesignBytes(written, "t.zvd").ok);
            EXPECT_EQ(DesignFileBytes(kind), written);
        }
        EXPECT_EQ(CSealFormat::Orvanel().m_pieces[0].m_strText, c.orvanel);
        EXPECT_EQ(CSealFormat::Zolvi().m_pieces[0].m_strText, c.zolvi);
        EXPECT_EQ(CSealFormat::Orvanel().m_pieces[1].m_strText, "");
    }
}

TEST(DesignText, EncodingDropsCarriageReturnsAndOneTrailingBreakWhereTheReaderAddsIt)
{
    EXPECT_EQ(EncodeText("A\r\nB", true), "A\x0b" "B");
    EXPECT_EQ(EncodeText("A\rB\r\n", true), "AB");
    EXPECT_EQ(EncodeText("\n", true), "");
    EXPECT_EQ(EncodeText("A\rB\r\n", false), "AB\x0b");
    EXPECT_EQ(EncodeText("\n\n", false), "\x0b\x0b");
    EXPECT_EQ(DecodeText("A\x0b\x0b", true), "A\n\n\n");
    EXPECT_EQ(DecodeText("", true), "");
    EXPECT_EQ(DecodeText("", false), "");
}

}  // namespace
