// The chart control: its series list, the properties the form layout gives it, and redrawing.
#include "chartcontrol/ChartControl.h"

#include "runtime/Exceptions.h"
#include "support/LayoutForm.h"
#include "support/LayoutValues.h"
#include "support/QStringPrinter.h"
#include "support/ShowActive.h"

#include <QTest>
#include <array>
#include <gtest/gtest.h>

namespace {

using namespace layout_values;

// Counts what the chart is told and what it paints.
class SpyChart : public TChart {
public:
    using TChart::TChart;
    int changes = 0;
    int paints = 0;

protected:
    void SeriesChanged(TChartSeries* series) override {
        ++changes;
        TChart::SeriesChanged(series);
    }
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        TChart::paintEvent(event);
    }
};

// The form's two charts as its layout makes them, and room for charts of the tests' own.
class ChartWidget : public testing::Test {
protected:
    TComponent owner{nullptr};
    std::unique_ptr<TForm1> form = layout_form::ReadForm(layout_form::DesignScreen());
};

TEST_F(ChartWidget, SeriesListKeepsJoinOrderAndHoldsEachOnce) {
    TChart* chart = form->Chart1;
    ASSERT_EQ(chart->SeriesList().Count(), 2);
    auto* first = chart->SeriesList()[0];
    auto* second = chart->SeriesList().Items(1);
    EXPECT_NE(first, second);
    chart->InsertChild(first);
    chart->AddSeries(second);
    EXPECT_EQ(chart->SeriesList().Count(), 2);
    EXPECT_EQ(chart->SeriesList().IndexOf(first), 0);
    EXPECT_EQ(chart->SeriesList().IndexOf(second), 1);
    EXPECT_EQ(first->ParentChart(), chart);
}

TEST_F(ChartWidget, SeriesIndexOutsideTheListThrows) {
    TChart* chart = form->Chart2;
    try {
        (void)chart->SeriesList()[1];
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("List index out of bounds (1)"));
    }
    EXPECT_THROW((void)chart->SeriesList().Items(-1), Exception);
}

TEST_F(ChartWidget, TakesEveryPropertyTheLayoutWrites) {
    TChart* lines = form->Chart1;
    TChart* bars = form->Chart2;
    const QString title = QStringLiteral("Графік попиту і пропозиції");
    EXPECT_EQ(lines->TitleText(), QStringList{title});
    EXPECT_EQ(bars->TitleText(), QStringList{title});
    // View3D and PrintMargins have no effect; the layout still reads them as what they are.
    EXPECT_THROW(SetLayoutProperty(*lines, QStringLiteral("View3D"), Int(0)), EReadError);
    EXPECT_THROW(
        SetLayoutProperty(*lines, QStringLiteral("PrintMargins"), List({"15", "x", "15", "22"})),
        EReadError);
    EXPECT_THROW(
        SetLayoutProperty(*bars, QStringLiteral("PrintMargins"), Strings({"15", "15", "15", "15"})),
        EReadError);
    EXPECT_EQ(lines->ColorPaletteIndex(), 13);
    EXPECT_EQ(lines->geometry(), QRect(3, 0, 517, 289));
    EXPECT_EQ(bars->geometry(), QRect(3, 3, 517, 250));
    EXPECT_TRUE(bars->SeriesList()[0]->Marks().visible);
    EXPECT_FALSE(lines->SeriesList()[1]->Marks().visible);
}

TEST_F(ChartWidget, DefaultsBeforeTheLayout) {
    TChart chart(nullptr);
    EXPECT_NO_THROW(SetLayoutProperty(chart, QStringLiteral("View3D"), Bool(true)));
    EXPECT_EQ(chart.Color(), clBtnFace);
    EXPECT_EQ(chart.BackWallColor(), RGBColor(192, 192, 192));
    EXPECT_TRUE(chart.TitleText().isEmpty());
    EXPECT_EQ(chart.SeriesList().Count(), 0);
}

TEST_F(ChartWidget, NeverTakesTheFocus) {
    TChart chart(nullptr);
    EXPECT_FALSE(chart.TabStop());
    EXPECT_EQ(chart.focusPolicy(), Qt::NoFocus);
}

TEST_F(ChartWidget, RejectsWhatItDoesNotKnow) {
    TChart chart(nullptr);
    EXPECT_THROW(SetLayoutProperty(chart, QStringLiteral("Legend.Bogus"), Bool(true)), EReadError);
    EXPECT_THROW(SetLayoutProperty(chart, QStringLiteral("ColorPaletteIndex"), Int(99)),
                 EReadError);
    EXPECT_EQ(chart.ColorPaletteIndex(), DefaultColorPaletteIndex);
    EXPECT_THROW(SetLayoutProperty(chart, QStringLiteral("PrintMargins"), List({"1", "2"})),
                 EReadError);
    EXPECT_THROW(chart.SetColorPaletteIndex(-1), Exception);
}

TEST_F(ChartWidget, EveryChangeOfASeriesReachesItsChart) {
    auto* chart = new SpyChart(&owner);
    auto* series = new TLineSeries(&owner);
    chart->AddSeries(series);
    int before = chart->changes;
    series->SetTitle(QStringLiteral("Qs"));
    EXPECT_EQ(chart->changes, before + 1);
    series->AddXY(0, 1600);
    series->Add(1700);
    EXPECT_EQ(chart->changes, before + 3);
    series->Clear();
    EXPECT_EQ(chart->changes, before + 4);
}

TEST_F(ChartWidget, SameTitleAgainChangesNothing) {
    auto* chart = new SpyChart(&owner);
    auto* series = new TLineSeries(&owner);
    chart->AddSeries(series);
    series->SetTitle(QStringLiteral("Qs"));
    const int before = chart->changes;
    series->SetTitle(QStringLiteral("Qs"));
    EXPECT_EQ(chart->changes, before);
}

TEST_F(ChartWidget, ChangesRedrawWhenTheEventLoopRuns) {
    auto* chart = new SpyChart(&owner);
    chart->AddSeries(new TLineSeries(&owner));
    chart->resize(400, 250);
    ShowActive(chart);
    ASSERT_TRUE(QTest::qWaitFor([&] { return chart->paints > 0; }));
    const int before = chart->paints;
    chart->SeriesList()[0]->AddXY(1, 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return chart->paints > before; }));
}

TEST_F(ChartWidget, RepaintDrawsAtOnceWhenShown) {
    auto* chart = new SpyChart(&owner);
    chart->resize(400, 250);
    ShowActive(chart);
    const int before = chart->paints;
    chart->Repaint();
    EXPECT_GT(chart->paints, before); // without waiting for the event loop
}

TEST_F(ChartWidget, ADestroyedSeriesLeavesTheList) {
    TChart* chart = form->Chart1;
    TChartSeries* second = chart->SeriesList()[1];
    delete chart->SeriesList()[0];
    ASSERT_EQ(chart->SeriesList().Count(), 1);
    EXPECT_EQ(chart->SeriesList()[0], second);
}

TEST_F(ChartWidget, SeriesOutlivingItsChartStaysUsable) {
    auto* chart = new TChart(nullptr);
    TLineSeries series(nullptr);
    chart->AddSeries(&series);
    delete chart;
    EXPECT_EQ(series.ParentChart(), nullptr);
    series.AddXY(1, 2);
    EXPECT_EQ(series.Count(), 1);
}

TEST_F(ChartWidget, ASeriesJoiningAnotherChartLeavesTheFirst) {
    TChart* first = form->Chart1;
    TChart* second = form->Chart2;
    TChartSeries* moving = first->SeriesList()[1];
    second->AddSeries(moving);
    EXPECT_EQ(first->SeriesList().Count(), 1);
    EXPECT_EQ(second->SeriesList().IndexOf(moving), 1);
    EXPECT_EQ(moving->ParentChart(), second);
}

} // namespace
