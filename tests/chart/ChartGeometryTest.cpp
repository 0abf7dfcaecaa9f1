// Pixel geometry of bars, marks and the layout's strips.
#include "chart/ChartGeometry.h"

#include <QPoint>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

struct BarCase {
    const char* name;
    double centre;
    double slot;
    int percent;
    double value;
    double origin;
    QRect expected;
};

class BarGeometry : public testing::TestWithParam<BarCase> {};

TEST_P(BarGeometry, Rect) {
    const BarCase& c = GetParam();
    EXPECT_EQ(BarRect(c.centre, c.slot, c.percent, c.value, c.origin), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Bars, BarGeometry,
    testing::Values(
        BarCase{"SeventyPercentOfSlot", 100, 200, 70, 50, 200, QRect(30, 50, 140, 151)},
        BarCase{"FullSlot", 100, 200, 100, 50, 200, QRect(0, 50, 200, 151)},
        BarCase{"NegativeHangsFromOrigin", 100, 200, 70, 180, 120, QRect(30, 120, 140, 61)},
        BarCase{"ZeroHeightIsOneRow", 100, 200, 70, 120, 120, QRect(30, 120, 140, 1)},
        BarCase{"NarrowSlotIsOnePixel", 10, 0.1, 70, 0, 10, QRect(10, 0, 1, 11)},
        BarCase{"SlotDirectionIgnored", 100, -200, 70, 50, 200, QRect(30, 50, 140, 151)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MarkGeometry, StandsTwentyPixelsAboveTheBarTop) {
    const TMarkGeometry mark = MarkGeometry(QPoint(100, 80), QSize(14, 13), 20, false);
    EXPECT_EQ(mark.line, QLine(100, 80, 100, 60));
    EXPECT_EQ(mark.box.bottom(), 60);
    EXPECT_EQ(mark.box.size(), QSize(14 + 2 * MarkPaddingX, 13 + 2 * MarkPaddingY));
    EXPECT_NEAR(mark.box.center().x(), 100, 1);
}

TEST(MarkGeometry, HangsBelowANegativeBar) {
    const TMarkGeometry mark = MarkGeometry(QPoint(50, 80), QSize(14, 13), 20, true);
    EXPECT_EQ(mark.line, QLine(50, 80, 50, 100));
    EXPECT_EQ(mark.box.top(), 100);
}

TEST(MarkGeometry, NegativeArrowLengthTouchesThePoint) {
    const TMarkGeometry mark = MarkGeometry(QPoint(50, 80), QSize(14, 13), -5, false);
    EXPECT_EQ(mark.box.bottom(), 80);
}

TEST(MarkGeometry, AnAbsurdArrowLengthIsCut) {
    const TMarkGeometry mark =
        MarkGeometry(QPoint(50, 80), QSize(14, 13), std::numeric_limits<int>::max(), false);
    EXPECT_EQ(mark.line.p2(), QPoint(50, 80 - 1000));
}

TEST(LayoutStrips, TakeFromEachSideInTurn) {
    QRect area(0, 0, 517, 250);
    EXPECT_EQ(TakeTop(area, 20), QRect(0, 0, 517, 20));
    EXPECT_EQ(TakeRight(area, 100), QRect(417, 20, 100, 230));
    EXPECT_EQ(TakeBottom(area, 30), QRect(0, 220, 417, 30));
    EXPECT_EQ(TakeLeft(area, 40), QRect(0, 20, 40, 200));
    EXPECT_EQ(area, QRect(40, 20, 377, 200));
}

TEST(LayoutStrips, NeverTakeMoreThanThereIs) {
    QRect area(0, 0, 10, 10);
    EXPECT_EQ(TakeTop(area, 25).height(), 10);
    EXPECT_EQ(area.height(), 0);
    EXPECT_EQ(TakeLeft(area, -3).width(), 0);
}

TEST(PixelOf, RoundsHalfAwayAndPinsTheUnreasonable) {
    EXPECT_EQ(PixelOf(2.5), 3);
    EXPECT_EQ(PixelOf(-2.5), -3);
    EXPECT_EQ(PixelOf(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(PixelOf(1e300), 1 << 24);
    EXPECT_EQ(PixelOf(-std::numeric_limits<double>::infinity()), -(1 << 24));
}

} // namespace
