#include "format/seal_data.h"
#include "format_fixture.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(ReadFormat, OrvanelKind1ReadsEveryFieldIntoItsMember)
{
    FormatFixture f;
    CSealData2 r;
    ASSERT_TRUE(r.ReadFormat(f.Bytes(), false));
    EXPECT_EQ(r.m_nKind, 1);
    EXPECT_EQ(r.m_strCode, "M100AA00");
    EXPECT_EQ(r.m_nCols, 2);
    EXPECT_EQ(r.m_nRows, 1);
    EXPECT_EQ(r.m_strFindCode, "F-12");
    EXPECT_EQ(r.m_strPieceSize, "40x20mm");
    EXPECT_EQ(r.m_nFrameRound, 60);
    EXPECT_EQ(r.m_nFramePen, 70);
    EXPECT_EQ(r.m_nSpare8, 80);  // field 8 goes to the member after m_nSpare9
    EXPECT_EQ(r.m_nSpare9, 90);
    EXPECT_EQ(r.m_nSpare10, 100);
    EXPECT_EQ(r.m_nMarkRound, 110);
    EXPECT_EQ(r.m_nMarkPen, 120);
    EXPECT_EQ(r.m_nMetric[0], 130);
    EXPECT_EQ(r.m_nMetric[3], 3);
    EXPECT_EQ(r.m_nMetric[5], 10);
    EXPECT_EQ(r.m_nMetric[11], 240);
    EXPECT_EQ(r.m_nSpare25, 250);
    EXPECT_EQ(r.m_nSpare26, 260);
    EXPECT_EQ(r.m_nPreviewScale, 270);
    EXPECT_EQ(r.m_nDefaultSize, 100);  // index 6 is 10 points
    EXPECT_EQ(r.m_nOutlineRound, 0);
    EXPECT_EQ(r.m_nOutlinePen, 0);
    EXPECT_EQ(r.m_crFrame, 0xFFFFFFu);

    ASSERT_EQ(r.m_pieces.size(), 2u);
    const SealPiece& second = r.m_pieces[1];
    EXPECT_EQ(second.m_rcPiece, (Rect{1010, 1011, 1012, 1013}));
    EXPECT_EQ(second.m_rcFrame, (Rect{2010, 2011, 2012, 2013}));
    EXPECT_EQ(second.m_rcText, (Rect{3010, 3011, 3012, 3013}));
    EXPECT_EQ(second.m_rcMark, (Rect{4010, 4011, 4012, 4013}));
    // Half of a gap of 3 is 1 on each side; half of 10 is 5.
    EXPECT_EQ(second.m_rcHit, (Rect{1009, 1006, 1013, 1018}));
    EXPECT_EQ(second.m_nTextColour, 0x636363);
    EXPECT_EQ(second.m_nSize, -1);
    EXPECT_EQ(r.m_rcPreview[0], (Rect{9000, 9001, 9002, 9003}));
    EXPECT_EQ(r.m_rcPreview[2], (Rect{9020, 9021, 9022, 9023}));
}

TEST(ReadFormat, KindByteDecidesTheKindMemberAndTheTrailingFields)
{
    struct Case {
        unsigned char kind;
        bool zolvi;
        bool extended;
        int expectedKind;
    };
    const Case cases[] = {{1, false, false, 1}, {3, false, true, 3}, {2, true, false, 0},
                          {4, true, true, 4},   {5, true, true, 5}};
    for (const Case& c : cases) {
        FormatFixture f;
        f.kind = c.kind;
        f.withOutline = c.extended;
        f.previews = c.zolvi ? 6 : 3;
        f.rows = 2;
        if (c.zolvi) {
            CSealData3 r;
            ASSERT_TRUE(r.ReadFormat(f.Bytes(), c.extended)) << int(c.kind);
            EXPECT_EQ(r.m_nKind, c.expectedKind) << int(c.kind);
            EXPECT_EQ(r.m_nSpare29, c.extended ? 150 : 0);
            EXPECT_EQ(r.m_nOutlinePen, c.extended ? 25 : 0);
            EXPECT_EQ(r.m_pieces.size(), 4u);
            EXPECT_EQ(r.m_rcPreview[5], (Rect{9050, 9051, 9052, 9053}));
        } else {
            CSealData2 r;
            ASSERT_TRUE(r.ReadFormat(f.Bytes(), c.extended)) << int(c.kind);
            EXPECT_EQ(r.m_nKind, c.expectedKind) << int(c.kind);
            EXPECT_EQ(r.m_nOutlineRound, c.extended ? 150 : 0);
            EXPECT_EQ(r.m_nOutlinePen, c.extended ? 25 : 0);
        }
    }
}

TEST(ReadFormat, DefaultSizeFollowsTheSizeListAndClampsOutsideIt)
{
    const std::pair<int, int> cases[] = {{0, 30}, {6, 100}, {21, 720}, {22, 720}, {-3, 30}, {1000000, 720}};
    for (auto [index, size] : cases) {
        FormatFixture f;
        f.sizeIndex = index;
        CSealData2 r;
        ASSERT_TRUE(r.ReadFormat(f.Bytes(), false));
        EXPECT_EQ(r.m_nDefaultSize, size) << index;
    }
}

TEST(ReadFormat, EmptyGridStillConsumesSeparatorsAndPreviews)
{
    for (auto [rows, cols] : {std::pair{0, 3}, std::pair{2, 0}, std::pair{-1, -1}}) {
        FormatFixture f;
        f.rows = rows;
        f.cols = cols;
        CSealData2 r;
        ASSERT_TRUE(r.ReadFormat(f.Bytes(), false));
        EXPECT_TRUE(r.m_pieces.empty());
        EXPECT_EQ(r.m_rcPreview[1], (Rect{9010, 9011, 9012, 9013}));
    }
}

TEST(ReadFormat, ShortOrDamagedFilesNeverReadPastTheEnd)
{
    FormatFixture f;
    f.rows = 2;
    const std::string whole = f.Bytes();
    // Every prefix either is refused or reads with zero rectangles where lines are missing.
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        CSealData2 r;
        const bool ok = r.ReadFormat(whole.substr(0, n), false);
        if (ok) {
            EXPECT_LE(r.m_pieces.size(), 4u);
        }
    }
    CSealData2 cut;
    ASSERT_TRUE(cut.ReadFormat(whole.substr(0, whole.find("separator")), false));
    ASSERT_EQ(cut.m_pieces.size(), 4u);
    EXPECT_EQ(cut.m_pieces[3].m_rcPiece, (Rect{1030, 1031, 1032, 1033}));
    EXPECT_EQ(cut.m_pieces[3].m_rcFrame, Rect{});
}

TEST(ReadFormat, DescriptorEndingEarlyKeepsResetValues)
{
    FormatFixture f;
    std::vector<std::string> fields = f.Fields();
    fields.resize(12);  // up to the marker pen
    CSealData2 r;
    ASSERT_TRUE(r.ReadFormat(f.Bytes(fields), false));
    EXPECT_EQ(r.m_nMarkPen, 120);
    EXPECT_EQ(r.m_nMetric[0], 0);
    EXPECT_EQ(r.m_nPreviewScale, 1);
    EXPECT_EQ(r.m_nDefaultSize, 30);  // the size index starts at 0
}

TEST(ReadFormat, UnreadableGridLineGivesZeroRectangle)
{
    FormatFixture f;
    std::string bytes = f.Bytes();
    bytes.replace(bytes.find("1010\t1011"), 4, "oops");
    CSealData2 r;
    ASSERT_TRUE(r.ReadFormat(bytes, false));
    EXPECT_EQ(r.m_pieces[1].m_rcPiece, Rect{});
    EXPECT_EQ(r.m_pieces[1].m_rcFrame, (Rect{2010, 2011, 2012, 2013}));
}

TEST(ReadFormat, RefusesWhatItCannotHoldSafely)
{
    FormatFixture f;
    // A grid of a million stickers is not allocated.
    f.rows = 1000;
    f.cols = 1000;
    CSealData2 huge;
    EXPECT_FALSE(huge.ReadFormat(f.Bytes(), false));
    EXPECT_TRUE(huge.m_pieces.empty());

    // A descriptor without a line feed within its block.
    FormatFixture g;
    std::vector<std::string> fields = g.Fields();
    fields[3] = std::string(1200, 'x');
    CSealData2 r;
    EXPECT_FALSE(r.ReadFormat(g.Bytes(fields), false));
    EXPECT_EQ(r.m_strCode, "");

    // A text field longer than 255 bytes keeps its first 255 and the fields after it stay aligned.
    fields[3] = std::string(300, 'y');
    CSealData2 longText;
    ASSERT_TRUE(longText.ReadFormat(g.Bytes(fields), false));
    EXPECT_EQ(longText.m_strFindCode, std::string(255, 'y'));
    EXPECT_EQ(longText.m_strPieceSize, "40x20mm");
}

// Found by fuzzing: a sticker at the edge of the coordinate range widened by half a gap overflowed.
TEST(ReadFormat, HitAreaAtTheCoordinateLimitsStopsThere)
{
    const struct {
        const char* name;
        int hGap;
        int vGap;
        Rect expected;
    } cases[] = {
        {"gaps push outwards", 400, 400, Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}},
        {"negative gaps push inwards", -400, -400, Rect{INT32_MIN + 200, INT32_MIN + 200, INT32_MAX - 200, INT32_MAX - 200}},
        {"gaps at the int limits", INT32_MIN, INT32_MAX, Rect{-1073741824, INT32_MIN, 1073741823, INT32_MAX}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FormatFixture f;
        f.cols = 1;
        f.hGap = c.hGap;
        f.vGap = c.vGap;
        std::string bytes = f.Bytes();
        const std::string firstPiece = FormatFixture::RectLine(1000, f.lineEnd);
        bytes.replace(bytes.find(firstPiece), firstPiece.size(),
                      "-2147483648\t-2147483648\t2147483647\t2147483647" + std::string(f.lineEnd));
        CSealData2 r;
        ASSERT_TRUE(r.ReadFormat(bytes, false));
        ASSERT_EQ(r.m_pieces.size(), 1u);
        EXPECT_EQ(r.m_pieces[0].m_rcHit, c.expected);
    }
}

TEST(SealData, CopyFromKeepsTheFirstTwoReservedValuesAndCopiesStickers)
{
    FormatFixture f;
    CSealData2 source;
    ASSERT_TRUE(source.ReadFormat(f.Bytes(), false));
    source.m_nReserved = {7, 8, 9};
    source.m_pieces[0].m_strText = "A";
    CSealData2 target;
    target.m_nReserved = {1, 2, 3};
    target.CopyFrom(source);
    EXPECT_EQ(target.m_nReserved[0], 1);
    EXPECT_EQ(target.m_nReserved[1], 2);
    EXPECT_EQ(target.m_nReserved[2], 9);
    EXPECT_EQ(target.m_pieces[0].m_strText, "A");
    target.m_pieces[0].m_strText = "B";
    EXPECT_EQ(source.m_pieces[0].m_strText, "A");

    target.m_bModified = 1;
    target.Reset();
    EXPECT_EQ(target.m_bModified, 0);
    EXPECT_EQ(target.m_nDefaultSize, 70);
    EXPECT_EQ(target.m_nPreviewScale, 1);
    EXPECT_TRUE(target.m_pieces.empty());
}

}  // namespace
