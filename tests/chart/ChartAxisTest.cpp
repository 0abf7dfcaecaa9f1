// Axis decisions: label style, spans, nice steps and labels that keep apart.
#include "chart/ChartAxis.h"

#include "ChartModel.h"
#include "support/QStringPrinter.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

using namespace chart_model;

const QLocale us(QLocale::English, QLocale::UnitedStates);

struct NiceCase {
    const char* name;
    double x;
    bool round;
    double expected;
};

class NiceNumbers : public testing::TestWithParam<NiceCase> {};

TEST_P(NiceNumbers, Picks) {
    EXPECT_DOUBLE_EQ(NiceNumber(GetParam().x, GetParam().round), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Heckbert, NiceNumbers,
    testing::Values(NiceCase{"RoundOne", 1.2, true, 1}, NiceCase{"RoundTwo", 1.6, true, 2},
                    NiceCase{"RoundFive", 3.4, true, 5}, NiceCase{"RoundTen", 7.1, true, 10},
                    NiceCase{"RoundHundreds", 583, true, 500},
                    NiceCase{"RoundSmall", 0.023, true, 0.02},
                    NiceCase{"RoundHuge", 2147483648.0, true, 2e9},
                    NiceCase{"CeilOneStays", 1, false, 1}, NiceCase{"CeilTwo", 1.2, false, 2},
                    NiceCase{"CeilFive", 4.5, false, 5}, NiceCase{"CeilTen", 5.5, false, 10},
                    NiceCase{"CeilTiny", 3e-7, false, 5e-7}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NiceSteps, NextIsTheCoarserOneTwoFive) {
    EXPECT_DOUBLE_EQ(NextNiceStep(1), 2);
    EXPECT_DOUBLE_EQ(NextNiceStep(2), 5);
    EXPECT_DOUBLE_EQ(NextNiceStep(5), 10);
    EXPECT_DOUBLE_EQ(NextNiceStep(500), 1000);
    EXPECT_DOUBLE_EQ(NextNiceStep(0.2), 0.5);
}

TEST(Ticks, AreTheStepsMultiplesInsideTheRange) {
    EXPECT_EQ(TickValues({1250, 4750}, 500, 100),
              (std::vector<double>{1500, 2000, 2500, 3000, 3500, 4000, 4500}));
    EXPECT_EQ(TickValues({0, 10}, 2, 100), (std::vector<double>{0, 2, 4, 6, 8, 10}));
}

TEST(Ticks, ZeroIsNeverNegative) {
    const auto ticks = TickValues({-0.3, 0.3}, 0.1, 100);
    ASSERT_EQ(ticks.size(), 7u);
    EXPECT_EQ(ticks[3], 0.0);
    EXPECT_FALSE(std::signbit(ticks[3]));
}

// Far from zero a multiple's index is too big for adding one to change it as a double.
TEST(Ticks, EndFarFromZero) {
    const auto ticks = TickValues({1e20, 1e20 + 1e5}, 1e4, 100);
    ASSERT_FALSE(ticks.empty());
    EXPECT_LE(ticks.size(), 11u);
    EXPECT_TRUE(std::is_sorted(ticks.begin(), ticks.end()));
    EXPECT_GE(ticks.front(), 1e20);
    EXPECT_LE(ticks.back(), 1e20 + 1e5);
}

TEST(Ticks, NoneForAnUnusableStepOrTooMany) {
    EXPECT_TRUE(TickValues({0, 10}, 0, 100).empty());
    EXPECT_TRUE(TickValues({0, 10}, std::numeric_limits<double>::quiet_NaN(), 100).empty());
    EXPECT_TRUE(TickValues({0, 1e9}, 1, 1000).empty());
    EXPECT_TRUE(TickValues({0.1, 0.2}, 1, 100).empty());
}

TEST(Ranges, OneValueIsWidenedAroundIt) {
    EXPECT_EQ(SpreadRange(std::nullopt), (TValueRange{0, 1}));
    EXPECT_EQ(SpreadRange(TValueRange{0, 0}), (TValueRange{-1, 1}));
    EXPECT_EQ(SpreadRange(TValueRange{2300, 2300}), (TValueRange{2185, 2415}));
    EXPECT_EQ(SpreadRange(TValueRange{1250, 4750}), (TValueRange{1250, 4750}));
}

TEST(Ranges, ExtremesStayFinite) {
    const double big = std::numeric_limits<double>::max();
    const TValueRange r = SpreadRange(TValueRange{-big, big});
    EXPECT_TRUE(std::isfinite(r.max - r.min));
    const TValueRange one = SpreadRange(TValueRange{big, big});
    EXPECT_LT(one.min, one.max);
    EXPECT_TRUE(std::isfinite(one.max));
}

TEST(Ranges, PixelRoomLeavesFreePixelsBeyondTheEnds) {
    const TValueRange r = AddPixelRoom({0, 100}, 100, 0, 20);
    EXPECT_DOUBLE_EQ(r.min, 0);
    EXPECT_DOUBLE_EQ(r.max, 125);
    const TAxisScale scale{r, 100, 0};
    EXPECT_DOUBLE_EQ(scale.ToPixel(100), 20);
}

TEST(Ranges, PixelRoomGivesAwayAtMostHalfTheAxis) {
    const TValueRange r = AddPixelRoom({0, 100}, 50, 100, 100);
    EXPECT_DOUBLE_EQ(r.max - r.min, 200);
    EXPECT_EQ(AddPixelRoom({0, 100}, 0, 10, 10), (TValueRange{0, 100}));
}

class AxisDecisions : public testing::Test {
protected:
    TComponent owner{nullptr};
    ModelChart* lines = NewLineChart(&owner);
    ModelChart* bars = NewBarChart(&owner);
};

TEST_F(AxisDecisions, LineChartSpansPricesAndQuantities) {
    FillLines(*lines);
    EXPECT_EQ(AxisDataRange(lines->SeriesList(), TAxisSide::Bottom), (TValueRange{0, 10}));
    EXPECT_EQ(AxisDataRange(lines->SeriesList(), TAxisSide::Left), (TValueRange{1250, 4750}));
}

TEST_F(AxisDecisions, BarChartSpansFromOriginAndHalfASlotAroundTheBars) {
    FillBars(*bars, {{4750, "Qd"}, {1600, "Qs"}});
    EXPECT_EQ(AxisDataRange(bars->SeriesList(), TAxisSide::Left), (TValueRange{0, 4750}));
    EXPECT_EQ(AxisDataRange(bars->SeriesList(), TAxisSide::Bottom), (TValueRange{-0.5, 1.5}));
}

TEST_F(AxisDecisions, NegativeBarsKeepTheOriginAbove) {
    bars->SeriesList()[0]->Add(-100);
    bars->SeriesList()[0]->Add(-40);
    EXPECT_EQ(AxisDataRange(bars->SeriesList(), TAxisSide::Left), (TValueRange{-100, 0}));
}

TEST_F(AxisDecisions, InactiveOrEmptySeriesSpanNothing) {
    EXPECT_FALSE(AxisDataRange(lines->SeriesList(), TAxisSide::Left).has_value());
    FillLines(*lines);
    lines->SeriesList()[0]->SetActive(false);
    EXPECT_EQ(AxisDataRange(lines->SeriesList(), TAxisSide::Left), (TValueRange{1250, 4750}));
}

TEST_F(AxisDecisions, LabelStylesOfBothCharts) {
    FillLines(*lines);
    FillBars(*bars, {{4750, "Qd"}, {1600, "Qs"}});
    EXPECT_EQ(AxisLabelStyle(lines->SeriesList(), TAxisSide::Bottom), TAxisLabelStyle::Value);
    EXPECT_EQ(AxisLabelStyle(lines->SeriesList(), TAxisSide::Left), TAxisLabelStyle::Value);
    EXPECT_EQ(AxisLabelStyle(bars->SeriesList(), TAxisSide::Bottom), TAxisLabelStyle::Text);
    EXPECT_EQ(AxisLabelStyle(bars->SeriesList(), TAxisSide::Left), TAxisLabelStyle::Value);
}

TEST_F(AxisDecisions, OneLabelledPointTurnsTheBottomAxisToText) {
    FillLines(*lines);
    lines->SeriesList()[1]->AddXY(11, 1000, QStringLiteral("end"));
    EXPECT_EQ(AxisLabelStyle(lines->SeriesList(), TAxisSide::Bottom), TAxisLabelStyle::Text);
    lines->SeriesList()[1]->SetActive(false);
    EXPECT_EQ(AxisLabelStyle(lines->SeriesList(), TAxisSide::Bottom), TAxisLabelStyle::Value);
}

TEST_F(AxisDecisions, NoActiveSeriesNoLabels) {
    lines->SeriesList()[0]->SetActive(false);
    lines->SeriesList()[1]->SetActive(false);
    EXPECT_EQ(AxisLabelStyle(lines->SeriesList(), TAxisSide::Bottom), TAxisLabelStyle::None);
    EXPECT_EQ(AxisLabelStyle(lines->SeriesList(), TAxisSide::Left), TAxisLabelStyle::None);
    const TChartSeriesList empty;
    EXPECT_EQ(AxisLabelStyle(empty, TAxisSide::Left), TAxisLabelStyle::None);
}

TEST_F(AxisDecisions, PointLabelsStandUnderTheirBars) {
    FillBars(*bars, {{4750, "Qd"}, {1600, "Qs"}});
    const TAxisScale scale{{-0.5, 1.5}, 50, 350};
    EXPECT_EQ(PointLabels(bars->SeriesList(), scale, FixedMetrics()),
              (std::vector<TAxisLabel>{{125, QStringLiteral("Qd")}, {275, QStringLiteral("Qs")}}));
}

TEST_F(AxisDecisions, CrowdedPointLabelsAreThinned) {
    TChartSeries* series = bars->SeriesList()[0];
    for (int i = 0; i < 1000; ++i)
        series->Add(i, QStringLiteral("label"));
    const TAxisScale scale{{-0.5, 999.5}, 0, 300};
    const FixedMetrics metrics;
    const auto labels = PointLabels(bars->SeriesList(), scale, metrics);
    EXPECT_GT(labels.size(), 3u);
    EXPECT_LT(labels.size(), 10u);
    EXPECT_FALSE(LabelsCollide(labels, TAxisSide::Bottom, metrics));
}

struct LabelCase {
    const char* name;
    TValueRange range;
    double length;
    TAxisSide side;
    std::size_t atLeast;
};

class AxisNumbers : public testing::TestWithParam<LabelCase> {};

TEST_P(AxisNumbers, AreNiceApartAndInRange) {
    const LabelCase& c = GetParam();
    const FixedMetrics metrics;
    const TAxisScale scale{c.range, c.side == TAxisSide::Left ? c.length : 0.0,
                           c.side == TAxisSide::Left ? 0.0 : c.length};
    const auto labels = ValueLabels(scale, c.side, metrics, us);
    EXPECT_GE(labels.size(), c.atLeast);
    EXPECT_FALSE(LabelsCollide(labels, c.side, metrics));
    for (const TAxisLabel& label : labels) {
        EXPECT_TRUE(std::isfinite(label.position));
        EXPECT_GE(label.position, -0.5);
        EXPECT_LE(label.position, c.length + 0.5);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Axes, AxisNumbers,
    testing::Values(LabelCase{"Quantities", {1250, 4750}, 170, TAxisSide::Left, 4},
                    LabelCase{"Prices", {0, 10}, 380, TAxisSide::Bottom, 6},
                    LabelCase{"PricesNarrow", {0, 10}, 40, TAxisSide::Bottom, 1},
                    LabelCase{"QuantitiesShort", {0, 5500}, 30, TAxisSide::Left, 1},
                    LabelCase{"HugeSpan", {-2147483648.0, 2147483647.0}, 380, TAxisSide::Bottom, 2},
                    LabelCase{
                        "HugeTinySpan", {2147483646.0, 2147483647.0}, 170, TAxisSide::Left, 2},
                    LabelCase{"Fractions", {0.001, 0.009}, 170, TAxisSide::Left, 3},
                    LabelCase{"ExtremeDoubles", {-1e300, 1e300}, 380, TAxisSide::Bottom, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AxisNumbers, QuantitiesReadInThousandsAtNiceSteps) {
    const TAxisScale scale{{1250, 4750}, 170, 0};
    const auto labels = ValueLabels(scale, TAxisSide::Left, FixedMetrics(), us);
    ASSERT_GE(labels.size(), 2u);
    EXPECT_EQ(labels.front().text, QStringLiteral("1,500"));
    EXPECT_EQ(labels[1].text, QStringLiteral("2,000"));
}

TEST(AxisNumbers, PricesEveryWholeNumberWhenThereIsRoom) {
    const TAxisScale scale{{0, 10}, 0, 380};
    const auto labels = ValueLabels(scale, TAxisSide::Bottom, FixedMetrics(), us);
    ASSERT_EQ(labels.size(), 11u);
    EXPECT_EQ(labels.front(), (TAxisLabel{0, QStringLiteral("0")}));
    EXPECT_EQ(labels.back(), (TAxisLabel{380, QStringLiteral("10")}));
}

// Side by side, numbers keep at least the width of two digits between them at any length.
TEST(AxisNumbers, PricesKeepTwoDigitsApart) {
    const FixedMetrics metrics;
    const int least = metrics.Width(QStringLiteral("00"));
    for (int length = 100; length <= 1000; length += 20) {
        const TAxisScale scale{{0, 10}, 0, double(length)};
        const auto labels = ValueLabels(scale, TAxisSide::Bottom, metrics, us);
        ASSERT_GE(labels.size(), 2u) << length;
        for (std::size_t i = 1; i < labels.size(); ++i) {
            const double free =
                labels[i].position - labels[i - 1].position -
                (metrics.Width(labels[i].text) + metrics.Width(labels[i - 1].text)) / 2.0;
            EXPECT_GE(free, least) << length << ": " << labels[i].text.toStdString();
        }
    }
}

// Labels show three decimals: a finer step would print the same number twice.
TEST(AxisNumbers, TinyValuesNeverRepeatALabel) {
    const FixedMetrics metrics;
    const auto texts = [&](TValueRange range) {
        std::vector<QString> result;
        for (const TAxisLabel& label :
             ValueLabels(TAxisScale{range, 170, 0}, TAxisSide::Left, metrics, us))
            result.push_back(label.text);
        return result;
    };
    EXPECT_EQ(texts({0, 0.00025}), std::vector<QString>{"0"});
    EXPECT_EQ(texts({0, 0.004}), (std::vector<QString>{"0", "0.001", "0.002", "0.003", "0.004"}));
}

TEST(AxisNumbers, CollisionIsMeasuredOnTheText) {
    const FixedMetrics metrics; // "100" is 21 pixels wide, the gap of "00" 14
    const std::vector<TAxisLabel> close{{0, QStringLiteral("100")}, {34, QStringLiteral("100")}};
    const std::vector<TAxisLabel> apart{{0, QStringLiteral("100")}, {35, QStringLiteral("100")}};
    EXPECT_TRUE(LabelsCollide(close, TAxisSide::Bottom, metrics));
    EXPECT_FALSE(LabelsCollide(apart, TAxisSide::Bottom, metrics));
    EXPECT_TRUE(LabelsCollide({{100, "1"}, {84, "2"}}, TAxisSide::Left, metrics));
    EXPECT_FALSE(LabelsCollide({{100, "1"}, {83, "2"}}, TAxisSide::Left, metrics));
}

} // namespace
