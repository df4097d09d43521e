// Lengths of template files: units to millimetres, and millimetres written back exactly.
#include "labels/template_length.h"

#include <gtest/gtest.h>

namespace {

// "in" and "" are zeros, as the database writes them in places.
TEST(TemplateLengthTest, UnitsConvertToMillimetres)
{
    struct Case {
        const char* text;
        double millimetres;
    } cases[] = {
        {"72", 25.4},      {"72pt", 25.4}, {"99.1mm", 99.1}, {"2.5cm", 25}, {"1in", 25.4}, {"6pc", 25.4},
        {" 3.5 mm ", 3.5}, {"0", 0},       {"-2mm", -2},     {"1e1mm", 10}, {"in", 0},     {"", 0},
    };
    for (const Case& c : cases) {
        const std::optional<double> length = ParseTemplateLength(c.text);
        ASSERT_TRUE(length) << c.text;
        EXPECT_NEAR(*length, c.millimetres, 1e-12) << c.text;
    }
}

TEST(TemplateLengthTest, TextThatIsNoLengthIsRefused)
{
    for (const char* text :
         {"px", "10px", "10MM", "10 mm x", "0x10", "ten", "nan", "inf", "infmm", "1e400", "1e307in", "+"})
        EXPECT_FALSE(ParseTemplateLength(text)) << text;
}

TEST(TemplateLengthTest, WrittenLengthsReadBackBitForBit)
{
    for (const double mm : {99.1, 0.1 + 0.2, 2.0 / 3, 1e-7, 210.0, 0.0, 123456.789})
        EXPECT_EQ(ParseTemplateLength(FormatTemplateLength(mm)), mm) << FormatTemplateLength(mm);
}

TEST(TemplateLengthTest, RequiredAndOptionalLengths)
{
    EXPECT_FALSE(PositiveLength(std::nullopt));
    EXPECT_FALSE(PositiveLength("0mm"));
    EXPECT_FALSE(PositiveLength("-1mm"));
    EXPECT_EQ(PositiveLength("5mm"), 5.0);
    EXPECT_EQ(NonNegativeLength(std::nullopt, 7), 7.0);
    EXPECT_EQ(NonNegativeLength("0"), 0.0);
    EXPECT_FALSE(NonNegativeLength("-1mm"));
    EXPECT_FALSE(NonNegativeLength("bad"));
}

}  // namespace
