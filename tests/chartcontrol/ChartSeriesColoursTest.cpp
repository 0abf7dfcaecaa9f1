// Which colour a series gets as a chart applies the free-colour rule: on joining, and again when
// the chart's palette changes.
#include "chartcontrol/ChartControl.h"

#include "runtime/Exceptions.h"
#include "support/FormFixture.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr TColor kBlue = RGBColor(68, 102, 163);
constexpr TColor kOrange = RGBColor(243, 156, 53);

// A chart of its own, not the form's, on palette 13.
TChart* NewChart(TComponent* owner) {
    auto* chart = new TChart(owner);
    chart->SetColorPaletteIndex(13);
    return chart;
}

class ChartSeriesColours : public FormFixture {
protected:
    TComponent owner{nullptr};
};

TEST_F(ChartSeriesColours, LayoutGivesBlueThenOrangeAndBlueBars) {
    EXPECT_EQ(form->Series1->SeriesColor(), kBlue);
    EXPECT_EQ(form->Series2->SeriesColor(), kOrange);
    EXPECT_EQ(form->Series3->SeriesColor(), kBlue);
    EXPECT_FALSE(form->Series1->HasStoredColor());
}

TEST_F(ChartSeriesColours, AStoredColourIsKeptAndCountsAsTaken) {
    TChart* chart = NewChart(&owner);
    auto* stored = new TLineSeries(&owner);
    stored->SetSeriesColor(kBlue);
    chart->AddSeries(stored);
    auto* automatic = new TLineSeries(&owner);
    chart->AddSeries(automatic);
    EXPECT_EQ(stored->SeriesColor(), kBlue);
    EXPECT_EQ(automatic->SeriesColor(), kOrange);
}

TEST_F(ChartSeriesColours, SkipsTheChartColourAndTheBackWall) {
    TChart* chart = NewChart(&owner);
    chart->SetColor(kBlue);
    chart->SetBackWallColor(kOrange);
    auto* series = new TBarSeries(&owner);
    chart->InsertChild(series);
    EXPECT_EQ(series->SeriesColor(), RGBColor(241, 76, 20));
}

TEST_F(ChartSeriesColours, ANewPaletteRecoloursAutomaticSeriesInListOrder) {
    auto* chart = new TChart(&owner);
    auto* first = new TLineSeries(&owner);
    auto* stored = new TLineSeries(&owner);
    auto* third = new TLineSeries(&owner);
    stored->SetSeriesColor(RGBColor(243, 156, 53));
    chart->AddSeries(first);
    chart->AddSeries(stored);
    chart->AddSeries(third);
    EXPECT_NE(first->SeriesColor(), kBlue);
    chart->SetColorPaletteIndex(13);
    EXPECT_EQ(first->SeriesColor(), kBlue);
    EXPECT_EQ(stored->SeriesColor(), kOrange);
    EXPECT_EQ(third->SeriesColor(), RGBColor(241, 76, 20));
    EXPECT_EQ(chart->ColorPalette(), ColorPalette(13)); // whose colours the model tests pin
}

TEST_F(ChartSeriesColours, WritingTheSameIndexRecoloursNothing) {
    TChartSeries* series = form->Chart2->SeriesList()[0];
    form->Chart2->SetColor(kBlue); // blue would no longer be free
    form->Chart2->SetColorPaletteIndex(13);
    EXPECT_EQ(series->SeriesColor(), kBlue);
}

TEST_F(ChartSeriesColours, AnUnknownIndexLeavesPaletteAndColours) {
    EXPECT_THROW(form->Chart2->SetColorPaletteIndex(42), Exception);
    EXPECT_EQ(form->Chart2->ColorPaletteIndex(), 13);
    EXPECT_EQ(form->Chart2->SeriesList()[0]->SeriesColor(), kBlue);
}

} // namespace
