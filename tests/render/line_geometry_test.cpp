#include "render/line_geometry.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::pair<int, int>> Spans(const std::vector<Rect>& boxes, bool down)
{
    std::vector<std::pair<int, int>> spans;
    for (const Rect& b : boxes)
        spans.emplace_back(down ? b.top : b.left, down ? b.bottom : b.right);
    return spans;
}

TEST(LineBoxes, StackAlignmentPlacesTheLines)
{
    const Rect area{0, 0, 4000, 3000};
    using Spans_t = std::vector<std::pair<int, int>>;
    struct Case {
        int n, pitch, align;
        Spans_t expected;
    };
    const Case cases[] = {
        {3, 400, 0, {{0, 1000}, {1000, 2000}, {2000, 3000}}},  // spread evenly whatever the pitch
        {2, 500, 1, {{2000, 2500}, {2500, 3000}}},             // packed at the end
        {2, 500, -1, {{0, 500}, {500, 1000}}},                 // packed at the start
        {1, 500, 0, {{0, 3000}}},                              // one line keeps the whole area
        {2, 500, 7, {{0, 3000}, {500, 3500}}},                 // unknown alignment: the whole area, moved by p
    };
    for (const Case& c : cases)
        EXPECT_EQ(Spans(LineBoxes(area, c.n, c.pitch, 0, c.align), true), c.expected) << c.align;
    // Types 1 and 3 stack rightwards over the width.
    EXPECT_EQ(Spans(LineBoxes(area, 2, 500, 1, 0), false), (Spans_t{{0, 2000}, {2000, 4000}}));
    EXPECT_TRUE(LineBoxes(area, 0, 500, 0, 0).empty());
}

TEST(AlignStretch, KeepsTheMeasuredLengthAtEachAlignment)
{
    const Rect box{100, 0, 1100, 500};
    EXPECT_EQ(AlignStretch(box, 0, 400, -1).start, 100);
    EXPECT_EQ(AlignStretch(box, 0, 400, -1).end, 500);
    EXPECT_EQ(AlignStretch(box, 0, 400, 0).start, 400);
    EXPECT_EQ(AlignStretch(box, 0, 400, 0).end, 800);
    EXPECT_EQ(AlignStretch(box, 0, 400, 1).start, 700);
    // Types 1 and 3 run along y.
    EXPECT_EQ(AlignStretch(box, 1, 100, 1).start, 400);
    EXPECT_EQ(NarrowAcross(box, 1, 400).left, 400);
    EXPECT_EQ(NarrowAcross(box, 1, 400).right, 800);
    EXPECT_EQ(NarrowAcross(box, 0, 400), box);
}

TEST(FitAdvances, SpreadsTheDifferenceOverTheCharacters)
{
    struct Case {
        std::vector<int> advances;
        int target;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {{100, 100, 100, 100, 100}, 493, {98, 98, 99, 99, 99}},  // 7 too long over 5: all lose 1, first 2 one more
        {{100, 100, 100}, 302, {101, 101, 100}},                 // too short by 2: the first two gain 1
        {{100, 100, 100}, 310, {104, 103, 103}},
        {{50}, 50, {50}},
        {{}, 10, {}},
    };
    for (Case c : cases) {
        FitAdvances(c.advances, c.target);
        EXPECT_EQ(c.advances, c.expected);
    }
}

}  // namespace
