#include "render/font_pool.h"
#include "render/pool_font.h"

#include "platform/cp932.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class FontPoolTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { g_fontPool.Create(); }
};

TEST_F(FontPoolTest, EveryFixedSlotHasItsStandInFamily)
{
    struct Case {
        bool japanese;
        int face;
        const char* family;
    };
    const Case cases[] = {{true, 0, "IPAGothic"},         {true, 1, "IPAMincho"},
                          {false, 0, "Liberation Serif"}, {false, 1, "Liberation Sans"},
                          {false, 2, "Liberation Mono"},  {false, 3, "DejaVu Sans"}};
    for (const Case& c : cases) {
        for (bool bold : {false, true}) {
            const PoolFont* font = c.japanese ? g_fontPool.Japanese(c.face, bold) : g_fontPool.Latin(c.face, bold);
            ASSERT_NE(font, nullptr) << c.family;
            EXPECT_EQ(font->Family(), QString(c.family));
        }
    }
    EXPECT_EQ(g_fontPool.Japanese(2, false), nullptr);  // no other typeface chosen yet
    EXPECT_EQ(g_fontPool.Japanese(3, false), nullptr);
    EXPECT_TRUE(g_fontPool.Japanese(0, true)->SyntheticBold());  // IPA has no bold face
    EXPECT_FALSE(g_fontPool.Latin(1, true)->SyntheticBold());
}

TEST_F(FontPoolTest, MeasuresInHundredthsOfAMillimetreIndependentOfTheScreen)
{
    const PoolFont* gothic = g_fontPool.Japanese(0, false);
    const PoolFont* sans = g_fontPool.Latin(1, false);
    // A full-width character advances one em: 10 pt = 352.8 units.
    EXPECT_EQ(gothic->Extent(cp932::FromUtf8("漢"), false, 10), 353);
    EXPECT_EQ(gothic->Extent(cp932::FromUtf8("漢字"), false, 10), 706);
    // Arial metrics: 'A' advances 1366/2048 em, the cell is (1854 + 434)/2048 em.
    EXPECT_EQ(sans->Extent("A", false, 10), 235);
    EXPECT_EQ(sans->CellHeight(10), 394);
    EXPECT_EQ(sans->Extent("", false, 10), 0);
}

TEST_F(FontPoolTest, VerticalFormsReplaceBracketsAndMarks)
{
    const PoolFont* gothic = g_fontPool.Japanese(0, false);
    for (const char* text : {"「", "、", "ー", "（"}) {
        const std::string run = cp932::FromUtf8(text);
        const ShapedRun horizontal = gothic->Shape(run, false);
        const ShapedRun vertical = gothic->Shape(run, true);
        ASSERT_EQ(horizontal.glyphs.size(), 1u) << text;
        ASSERT_EQ(vertical.glyphs.size(), 1u) << text;
        EXPECT_NE(horizontal.glyphs[0], vertical.glyphs[0]) << text;
    }
}

// Drawing keeps shaped runs and sized fonts between repaints; neither may stand in for another.
TEST_F(FontPoolTest, RememberedRunsAndSizesStayApart)
{
    const PoolFont* gothic = g_fontPool.Japanese(0, false);
    const std::string run = cp932::FromUtf8("「ー」");
    const std::vector<quint32> horizontal = gothic->Shape(run, false).glyphs;
    const std::vector<quint32> vertical = gothic->Shape(run, true).glyphs;
    EXPECT_EQ(gothic->ShapeRemembered(run, false).glyphs, horizontal);
    EXPECT_EQ(gothic->ShapeRemembered(run, true).glyphs, vertical);
    EXPECT_EQ(gothic->ShapeRemembered(run, false).glyphs, horizontal);
    for (double size : {100.0, 250.0, 100.0})
        EXPECT_EQ(gothic->RawAt(size).pixelSize(), size);
}

TEST_F(FontPoolTest, OtherTypefaceIsRememberedAndLoadedAsFaceTwo)
{
    g_fontPool.CreateOther(cp932::FromUtf8("Noto Sans CJK JP"));
    EXPECT_EQ(g_fontPool.OtherFace(), cp932::FromUtf8("Noto Sans CJK JP"));
    ASSERT_NE(g_fontPool.Japanese(2, true), nullptr);
    EXPECT_FALSE(g_fontPool.Japanese(2, true)->SyntheticBold());  // Noto CJK has a real bold

    g_fontPool.CreateOther("NoSuchFamilyAnywhere");
    EXPECT_EQ(g_fontPool.Japanese(2, false), nullptr);
    g_fontPool.ReleaseOther();
}

// A one-off command loads the look's faces at its weight, and the faces drawing falls back on
// when one is missing (Japanese 0, Latin 1); a face number out of range loads only those.
TEST_F(FontPoolTest, ALookLoadsItsFacesAndTheirStandInsOnly)
{
    struct Case {
        int japaneseFace;
        int latinFace;
        bool bold;
        std::vector<int> japanese;  // the faces loaded, at `bold`
        std::vector<int> latin;
    };
    const Case cases[] = {{1, 3, true, {0, 1}, {1, 3}}, {0, 1, false, {0}, {1}}, {7, -1, false, {0}, {1}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.japaneseFace * 10 + c.latinFace);
        g_fontPool.CreateFaces(c.japaneseFace, c.latinFace, c.bold);
        for (bool bold : {false, true}) {
            for (int face = 0; face < 2; ++face) {
                const bool wanted = bold == c.bold && std::count(c.japanese.begin(), c.japanese.end(), face) > 0;
                EXPECT_EQ(g_fontPool.Japanese(face, bold) != nullptr, wanted) << "Japanese " << face << bold;
            }
            for (int face = 0; face < 4; ++face) {
                const bool wanted = bold == c.bold && std::count(c.latin.begin(), c.latin.end(), face) > 0;
                EXPECT_EQ(g_fontPool.Latin(face, bold) != nullptr, wanted) << "Latin " << face << bold;
            }
        }
    }
    g_fontPool.Create();
}

TEST(FontPoolSizes, IndexOfSizeAndPoints)
{
    EXPECT_EQ(CFontPool::IndexOfSize(10), 6);
    EXPECT_EQ(CFontPool::IndexOfSize(72), 21);
    EXPECT_EQ(CFontPool::IndexOfSize(9), -1);
    EXPECT_EQ(g_fontPool.PointsAt(0), 3);
    EXPECT_EQ(g_fontPool.PointsAt(99), 72);
}

}  // namespace

namespace {

// A font is found by any of its names: in a Japanese locale fontconfig reports IPA Gothic as
// "IPAゴシック", and the pool must still take it for "IPAGothic" rather than fall back.
TEST(FamilyNamesTest, EveryLanguagesNameOfTheFontIsRead)
{
    QFont font;
    font.setFamilies({QStringLiteral("IPAGothic")});
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setPixelSize(100);
    const QRawFont raw = QRawFont::fromFont(font);
    ASSERT_TRUE(raw.isValid());
    const QStringList names = FamilyNames(raw);
    EXPECT_TRUE(names.contains(QStringLiteral("IPAGothic"))) << names.join(u'|').toStdString();
    EXPECT_TRUE(names.contains(QStringLiteral("IPAゴシック"))) << names.join(u'|').toStdString();
    EXPECT_TRUE(FamilyNames(QRawFont()).isEmpty());
}

}  // namespace
