// Which colour a series gets: the free-colour rule and the palettes it picks from.
#include "chart/ChartPalette.h"

#include "runtime/Exceptions.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr TColor A = RGBColor(1, 0, 0);
constexpr TColor B = RGBColor(2, 0, 0);
constexpr TColor C = RGBColor(3, 0, 0);
constexpr TColor D = RGBColor(4, 0, 0);
constexpr TColor Elsewhere = RGBColor(9, 9, 9);

struct ChoiceCase {
    const char* name;
    std::vector<TColor> taken;
    TColor chartColor;
    TColor backWall;
    TColor expected;
};

class FreeSeriesColor : public testing::TestWithParam<ChoiceCase> {};

TEST_P(FreeSeriesColor, Chooses) {
    const ChoiceCase& c = GetParam();
    EXPECT_EQ(ChooseSeriesColor({A, B, C, D}, c.taken, c.chartColor, c.backWall), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, FreeSeriesColor,
    testing::Values(ChoiceCase{"NothingTakenGivesFirst", {}, clBtnFace, Elsewhere, A},
                    ChoiceCase{"SkipsTaken", {A}, clBtnFace, Elsewhere, B},
                    ChoiceCase{"TakenOutOfOrder", {B, A}, clBtnFace, Elsewhere, C},
                    ChoiceCase{"SkipsChartColour", {}, A, Elsewhere, B},
                    ChoiceCase{"SkipsBackWall", {}, clBtnFace, A, B},
                    ChoiceCase{"SkipsAllThree", {B}, A, C, D},
                    ChoiceCase{"LastWhenAllBeforeTaken", {A, B, C}, clBtnFace, Elsewhere, D},
                    ChoiceCase{"LastEvenIfTaken", {A, B, C, D}, clBtnFace, Elsewhere, D},
                    ChoiceCase{"LastEvenIfChartColour", {A, B, C}, D, Elsewhere, D},
                    ChoiceCase{"SystemColourNeverMatches", {}, clBtnFace, clBtnFace, A}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColorPalettes, ThirteenIsTheProgramsTwelveColours) {
    EXPECT_EQ(ColorPalette(13),
              (std::vector<TColor>{
                  RGBColor(68, 102, 163), RGBColor(243, 156, 53), RGBColor(241, 76, 20),
                  RGBColor(78, 151, 168), RGBColor(43, 64, 107), RGBColor(29, 123, 99),
                  RGBColor(179, 8, 14), RGBColor(242, 192, 93), RGBColor(93, 183, 158),
                  RGBColor(112, 112, 112), RGBColor(243, 234, 141), RGBColor(180, 180, 180)}));
}

TEST(ColorPalettes, DefaultExistsAndUnknownThrows) {
    EXPECT_TRUE(HasColorPalette(DefaultColorPaletteIndex));
    EXPECT_GE(ColorPalette(DefaultColorPaletteIndex).size(), 2u);
    EXPECT_FALSE(HasColorPalette(7));
    EXPECT_THROW(ColorPalette(7), Exception);
}

TEST(ColorPalettes, EmptyPaletteStillGivesAColour) {
    EXPECT_EQ(ChooseSeriesColor({}, {}, clBtnFace, clSilver), clBlack);
}

} // namespace
