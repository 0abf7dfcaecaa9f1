// The legend of both charts: its style, its rows, then its measured and placed box.
#include "chart/ChartLegend.h"

#include "ChartModel.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

using namespace chart_model;

const QLocale us(QLocale::English, QLocale::UnitedStates);
const QLocale germany(QLocale::German, QLocale::Germany);

class Legend : public testing::Test {
protected:
    TComponent owner{nullptr};
    ModelChart* lines = NewLineChart(&owner);
    ModelChart* bars = NewBarChart(&owner);
};

TEST_F(Legend, StyleListsPointsOfALoneSeriesElseSeries) {
    EXPECT_EQ(LegendStyle(bars->SeriesList()), TLegendStyle::Values);
    EXPECT_EQ(LegendStyle(lines->SeriesList()), TLegendStyle::Series);
    lines->SeriesList()[0]->SetActive(false);
    EXPECT_EQ(LegendStyle(lines->SeriesList()), TLegendStyle::Values);
}

TEST_F(Legend, LineChartRowsAreSeriesTitlesInListOrder) {
    FillLines(*lines);
    EXPECT_EQ(
        LegendRows(lines->SeriesList(), us, 10),
        (std::vector<TLegendRow>{{TSeriesKind::Line, kBlue, QString(), QStringLiteral("Qs")},
                                 {TSeriesKind::Line, kOrange, QString(), QStringLiteral("Qd")}}));
}

TEST_F(Legend, BarChartRowsAreValueThenLabel) {
    FillBars(*bars, {{4750, "Qd"}, {1600, "Qs"}});
    EXPECT_EQ(LegendRows(bars->SeriesList(), us, 10),
              (std::vector<TLegendRow>{
                  {TSeriesKind::Bar, kBlue, QStringLiteral("4,750"), QStringLiteral("Qd")},
                  {TSeriesKind::Bar, kBlue, QStringLiteral("1,600"), QStringLiteral("Qs")}}));
}

TEST_F(Legend, BarChartValuesFollowTheLocale) {
    FillBars(*bars, {{2300, "Qd"}, {2300, "Qs"}});
    const auto rows = LegendRows(bars->SeriesList(), germany, 10);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].value, QStringLiteral("2.300"));
    EXPECT_EQ(rows[1].value, QStringLiteral("2.300"));
}

TEST_F(Legend, APointsOwnColourShowsInItsRow) {
    bars->SeriesList()[0]->Add(5, QStringLiteral("own"), RGBColor(1, 2, 3));
    EXPECT_EQ(LegendRows(bars->SeriesList(), us, 10).at(0).color, RGBColor(1, 2, 3));
}

TEST_F(Legend, OnlyRowsThatFitAreMade) {
    TChartSeries* series = bars->SeriesList()[0];
    for (int i = 0; i < 100000; ++i)
        series->Add(i);
    EXPECT_EQ(LegendRows(bars->SeriesList(), us, 5).size(), 5u);
    EXPECT_TRUE(LegendRows(bars->SeriesList(), us, 0).empty());
}

TEST_F(Legend, AnUntitledSeriesHasARowWithoutText) {
    lines->SeriesList()[0]->SetName(QStringLiteral("Series1"));
    lines->SeriesList()[0]->SetTitle(QString());
    EXPECT_TRUE(LegendRows(lines->SeriesList(), us, 10).at(0).text.isEmpty());
}

TEST_F(Legend, NoActiveSeriesNoRows) {
    bars->SeriesList()[0]->Add(1);
    bars->SeriesList()[0]->SetActive(false);
    EXPECT_TRUE(LegendRows(bars->SeriesList(), us, 10).empty());
}

TEST(LegendBox, MeasuresColumnsBeforePlacing) {
    const std::vector<TLegendRow> rows{
        {TSeriesKind::Bar, kBlue, QStringLiteral("4,750"), QStringLiteral("Qd")},
        {TSeriesKind::Bar, kBlue, QStringLiteral("1,600"), QStringLiteral("Qs")}};
    const TLegendMeasure measure = MeasureLegend(rows, FixedMetrics());
    EXPECT_EQ(measure.valueWidth, 35);
    EXPECT_EQ(measure.textWidth, 14);
    EXPECT_EQ(measure.rowHeight, 15);
    EXPECT_EQ(measure.size,
              QSize(2 * LegendPadding + LegendSymbolWidth + 35 + 14 + 2 * LegendColumnGap,
                    2 * LegendPadding + 2 * 15));

    const TLegendPlan plan = PlaceLegend(rows, measure, QPoint(400, 30));
    EXPECT_EQ(plan.box, QRect(QPoint(400, 30), measure.size));
    ASSERT_EQ(plan.items.size(), 2u);
    for (const TLegendItem& item : plan.items) {
        EXPECT_TRUE(plan.box.contains(item.symbol));
        EXPECT_LT(item.symbol.right(), item.value.left());
        EXPECT_LT(item.value.right(), item.text.left());
        EXPECT_TRUE(plan.box.contains(item.text));
    }
    EXPECT_EQ(plan.items[1].text.top(), plan.items[0].text.bottom() + 1);
}

TEST(LegendBox, SeriesRowsHaveNoValueColumn) {
    const std::vector<TLegendRow> rows{{TSeriesKind::Line, kBlue, QString(), QStringLiteral("Qs")}};
    const TLegendMeasure measure = MeasureLegend(rows, FixedMetrics());
    EXPECT_EQ(measure.valueWidth, 0);
    const TLegendPlan plan = PlaceLegend(rows, measure, QPoint(0, 0));
    EXPECT_TRUE(plan.items.at(0).value.isEmpty());
    EXPECT_EQ(plan.items.at(0).text.left(), LegendPadding + LegendSymbolWidth + LegendColumnGap);
}

TEST(LegendBox, ANarrowedColumnLeavesTheOtherItsWidth) {
    const FixedMetrics metrics;
    std::vector<TLegendRow> rows{
        {TSeriesKind::Bar, kBlue, QStringLiteral("4,750"), QString(40, QLatin1Char('d'))}};
    const TLegendMeasure natural = MeasureLegend(rows, metrics);
    const TLegendMeasure fitted = FitLegend(rows, natural, 150, metrics);
    EXPECT_EQ(fitted.size.width(), 150);
    EXPECT_EQ(fitted.valueWidth, 35);
    EXPECT_EQ(fitted.textWidth, 150 - (natural.size.width() - natural.textWidth));
    EXPECT_EQ(rows[0].value, QStringLiteral("4,750"));
    EXPECT_TRUE(rows[0].text.endsWith(QChar(0x2026)));
    EXPECT_LE(metrics.Width(rows[0].text), fitted.textWidth);
}

TEST(LegendBox, NoRowsNoBox) {
    EXPECT_EQ(MeasureLegend({}, FixedMetrics()).size, QSize());
    EXPECT_TRUE(PlaceLegend({}, TLegendMeasure{}, QPoint(5, 5)).box.isEmpty());
}

} // namespace
