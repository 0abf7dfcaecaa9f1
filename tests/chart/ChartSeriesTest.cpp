// Points, titles and colours of a series, both kinds, alone and held in a chart's list.
#include "chart/ChartSeries.h"

#include "ChartModel.h"
#include "runtime/Exceptions.h"
#include "support/LayoutValues.h"
#include "support/QStringPrinter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using namespace chart_model;
using namespace layout_values;

struct SeriesCase {
    const char* name;
    TSeriesKind kind;
    bool inChart;
};

class SeriesModel : public testing::TestWithParam<SeriesCase> {
protected:
    void SetUp() override {
        if (GetParam().kind == TSeriesKind::Line)
            series = new TLineSeries(&owner);
        else
            series = new TBarSeries(&owner);
        if (GetParam().inChart) {
            chart = new ModelChart(&owner);
            chart->Hold(series);
        }
    }

    std::vector<double> Xs() const {
        const auto xs = series->XValues().Values();
        return {xs.begin(), xs.end()};
    }
    std::vector<double> Ys() const {
        const auto ys = series->YValues().Values();
        return {ys.begin(), ys.end()};
    }
    std::vector<QString> Labels() const {
        std::vector<QString> labels;
        for (int i = 0; i < series->Count(); ++i)
            labels.push_back(series->Label(i));
        return labels;
    }

    TComponent owner{nullptr};
    ModelChart* chart = nullptr;
    TChartSeries* series = nullptr;
};

TEST_P(SeriesModel, StartsEmptyUntitledAscendingWithMandatoryY) {
    EXPECT_EQ(series->Count(), 0);
    EXPECT_TRUE(series->Title().isEmpty());
    EXPECT_TRUE(series->YMandatory());
    EXPECT_EQ(series->XValues().Order(), TChartListOrder::loAscending);
    EXPECT_EQ(series->Kind(), GetParam().kind);
    EXPECT_FALSE(series->Marks().visible);
    EXPECT_NO_THROW(SetLayoutProperty(*series, QStringLiteral("Pointer.Visible"), Bool(false)));
}

TEST_P(SeriesModel, AscendingAddXYAppendsGrowingXAndReturnsIndex) {
    EXPECT_EQ(series->AddXY(0, 1600), 0);
    EXPECT_EQ(series->AddXY(1, 1700), 1);
    EXPECT_EQ(series->AddXY(2, 1800), 2);
    EXPECT_EQ(Xs(), (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(Ys(), (std::vector<double>{1600, 1700, 1800}));
}

TEST_P(SeriesModel, AscendingAddXYPutsPointBehindEqualX) {
    series->AddXY(1, 10, QStringLiteral("a"));
    series->AddXY(3, 30, QStringLiteral("b"));
    EXPECT_EQ(series->AddXY(1, 11, QStringLiteral("c")), 1);
    EXPECT_EQ(series->AddXY(0, 5, QStringLiteral("d")), 0);
    EXPECT_EQ(Xs(), (std::vector<double>{0, 1, 1, 3}));
    EXPECT_EQ(Ys(), (std::vector<double>{5, 10, 11, 30}));
    EXPECT_EQ(Labels(), (std::vector<QString>{"d", "a", "c", "b"}));
}

TEST_P(SeriesModel, UnorderedAddXYAppends) {
    series->XValues().SetOrder(TChartListOrder::loNone);
    series->AddXY(5, 50);
    EXPECT_EQ(series->AddXY(1, 10), 1);
    EXPECT_EQ(Xs(), (std::vector<double>{5, 1}));
    // Ordered again, a point goes behind the last one whose x is not greater than its own, a NaN
    // behind every number and a number in front of every NaN.
    series->XValues().SetOrder(TChartListOrder::loAscending);
    EXPECT_EQ(series->AddXY(3, 30), 2);
    EXPECT_EQ(series->AddXY(std::nan(""), 0), 3);
    EXPECT_LT(series->AddXY(0, 0), 4);
    EXPECT_TRUE(std::isnan(Xs().back()));
}

// NaN x values gather at the end in their order of arrival; the numbers before them stay sorted.
TEST_P(SeriesModel, NaNXGoesBehindEveryNumber) {
    for (const TChartListOrder order :
         {TChartListOrder::loAscending, TChartListOrder::loDescending}) {
        series->Clear();
        series->XValues().SetOrder(order);
        series->AddXY(2, 0, QStringLiteral("2"));
        EXPECT_EQ(series->AddXY(std::nan(""), 0, QStringLiteral("n1")), 1);
        series->AddXY(1, 0, QStringLiteral("1"));
        series->AddXY(3, 0, QStringLiteral("3"));
        EXPECT_EQ(series->AddXY(std::nan(""), 0, QStringLiteral("n2")), 4);
        EXPECT_EQ(Labels(), order == TChartListOrder::loAscending
                                ? (std::vector<QString>{"1", "2", "3", "n1", "n2"})
                                : (std::vector<QString>{"3", "2", "1", "n1", "n2"}));
    }
}

// Whatever order the points arrive in, each column moves with x: y, label and colour stay with
// their point, and equal x values keep their order of arrival.
TEST_P(SeriesModel, PointsArrivingInAnyOrderAreSortedWithTheirValues) {
    constexpr int count = 600;
    int (*const descending)(int) = [](int i) { return count - 1 - i; };
    int (*const scattered)(int) = [](int i) { return (i * 277) % count; };
    for (int (*const arrival)(int) : {descending, scattered}) {
        series->Clear();
        for (int i = 0; i < count; ++i) {
            const double x = arrival(i) / 2; // two points at each x
            series->AddXY(x, 10 * x + i, QString::number(i), TColor(i));
        }
        ASSERT_EQ(series->Count(), count);
        for (int k = 0; k < count; ++k) {
            const int i = series->Label(k).toInt();
            const double x = arrival(i) / 2;
            EXPECT_EQ(series->XValues()[k], x);
            EXPECT_EQ(series->YValues()[k], 10 * x + i);
            EXPECT_EQ(series->ValueColor(k), TColor(i));
            if (k == 0)
                continue;
            EXPECT_LE(series->XValues()[k - 1], x) << k;
            if (series->XValues()[k - 1] == x) {
                EXPECT_LT(series->Label(k - 1).toInt(), i) << k;
            }
        }
    }
}

TEST_P(SeriesModel, DescendingAddXYKeepsFallingXWithEqualXInArrivalOrder) {
    series->XValues().SetOrder(TChartListOrder::loDescending);
    series->AddXY(1, 10, QStringLiteral("a"));
    series->AddXY(5, 50, QStringLiteral("b"));
    series->AddXY(1, 11, QStringLiteral("c"));
    EXPECT_EQ(Xs(), (std::vector<double>{5, 1, 1}));
    EXPECT_EQ(Labels(), (std::vector<QString>{"b", "a", "c"}));
}

TEST_P(SeriesModel, AddTakesCountAsX) {
    series->Add(4750, QStringLiteral("Qd"));
    series->Add(1600, QStringLiteral("Qs"));
    EXPECT_EQ(Xs(), (std::vector<double>{0, 1}));
    EXPECT_EQ(Ys(), (std::vector<double>{4750, 1600}));
    EXPECT_EQ(Labels(), (std::vector<QString>{"Qd", "Qs"}));
}

TEST_P(SeriesModel, AddSortsItsXLikeAddXY) {
    series->AddXY(10, 1);
    // Count is 1, so the point goes to x 1, in front of x 10.
    EXPECT_EQ(series->Add(2), 0);
    EXPECT_EQ(Xs(), (std::vector<double>{1, 10}));
}

TEST_P(SeriesModel, ClearDropsPointsLabelsAndColours) {
    series->Add(4750, QStringLiteral("Qd"), RGBColor(1, 2, 3));
    series->Add(1600, QStringLiteral("Qs"));
    series->Clear();
    EXPECT_EQ(series->Count(), 0);
    EXPECT_EQ(series->XValues().Count(), 0);
    EXPECT_EQ(series->YValues().Count(), 0);
    EXPECT_FALSE(series->HasLabels());
    EXPECT_FALSE(series->HasOwnColors());
    series->Add(7);
    EXPECT_EQ(Xs(), (std::vector<double>{0}));
    EXPECT_TRUE(series->Label(0).isEmpty());
    EXPECT_FALSE(series->HasOwnColor(0));
}

TEST_P(SeriesModel, ClearOnEmptyStaysEmpty) {
    series->Clear();
    series->Clear();
    EXPECT_EQ(series->Count(), 0);
}

TEST_P(SeriesModel, AutomaticColourFollowsSeriesOwnColourStays) {
    series->SetSeriesColor(RGBColor(0, 0, 200));
    series->Add(1, QString(), clAutomaticSeriesColor);
    series->Add(2, QString(), RGBColor(10, 20, 30));
    series->Add(3, QString(), clAutomaticSeriesColor);
    // Points without a colour of their own all show the series' one colour, whatever it becomes.
    EXPECT_EQ(series->ValueColor(0), RGBColor(0, 0, 200));
    EXPECT_EQ(series->ValueColor(2), RGBColor(0, 0, 200));
    series->SetSeriesColor(RGBColor(200, 0, 0));
    EXPECT_FALSE(series->HasOwnColor(0));
    EXPECT_EQ(series->ValueColor(0), RGBColor(200, 0, 0));
    EXPECT_EQ(series->ValueColor(2), RGBColor(200, 0, 0));
    EXPECT_TRUE(series->HasOwnColor(1));
    EXPECT_EQ(series->ValueColor(1), RGBColor(10, 20, 30));
    EXPECT_TRUE(series->HasOwnColors());
}

TEST_P(SeriesModel, TitleReadsBack) {
    series->SetTitle(QStringLiteral("Qs"));
    EXPECT_EQ(series->Title(), QStringLiteral("Qs"));
    series->SetTitle(QStringLiteral("Графік попиту"));
    EXPECT_EQ(series->Title(), QStringLiteral("Графік попиту"));
}

TEST_P(SeriesModel, LabelsCountOnlyNonEmpty) {
    series->Add(1);
    EXPECT_FALSE(series->HasLabels());
    series->Add(2, QStringLiteral("Qs"));
    EXPECT_TRUE(series->HasLabels());
}

TEST_P(SeriesModel, IndexOutsideThePointsThrows) {
    series->Add(1);
    try {
        (void)series->XValues()[1];
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("List index out of bounds (1)"));
    }
    EXPECT_THROW((void)series->YValues()[-1], Exception);
    EXPECT_THROW((void)series->Label(1), Exception);
    EXPECT_THROW((void)series->ValueColor(5), Exception);
}

TEST_P(SeriesModel, ValueListsKeepNamesAndOrderFromLayout) {
    SetLayoutProperty(*series, QStringLiteral("XValues.Name"), Str("X"));
    SetLayoutProperty(*series, QStringLiteral("XValues.Order"), Ident("loNone"));
    SetLayoutProperty(*series, QStringLiteral("YValues.Name"), Str("Bar"));
    SetLayoutProperty(*series, QStringLiteral("YValues.Order"), Ident("loNone"));
    EXPECT_THROW(SetLayoutProperty(*series, QStringLiteral("XValues.Name"), Ident("X")),
                 EReadError);
    EXPECT_EQ(series->XValues().Order(), TChartListOrder::loNone);
    EXPECT_THROW(SetLayoutProperty(*series, QStringLiteral("YValues.Name"), Int(1)), EReadError);
}

TEST_P(SeriesModel, LayoutPropertiesAreKept) {
    SetLayoutProperty(*series, QStringLiteral("Marks.Visible"), Bool(true));
    SetLayoutProperty(*series, QStringLiteral("Marks.Arrow.Visible"), Bool(false));
    SetLayoutProperty(*series, QStringLiteral("Marks.Callout.Brush.Color"), Ident("clWhite"));
    SetLayoutProperty(*series, QStringLiteral("Marks.Emboss.Color"), Int(8487297));
    SetLayoutProperty(*series, QStringLiteral("LinePen.Color"), Int(10708548));
    SetLayoutProperty(*series, QStringLiteral("Pointer.Visible"), Bool(true));
    SetLayoutProperty(*series, QStringLiteral("Pointer.Style"), Ident("psCircle"));
    EXPECT_TRUE(series->Marks().visible);
    EXPECT_FALSE(series->Marks().arrowVisible);
    EXPECT_EQ(series->Marks().calloutBrushColor, clWhite);
    // Emboss, line pen and pointer have no effect; the layout still reads them as what they are.
    EXPECT_THROW(
        SetLayoutProperty(*series, QStringLiteral("Marks.Emboss.Color"), Ident("clNoSuch")),
        EReadError);
    EXPECT_THROW(SetLayoutProperty(*series, QStringLiteral("LinePen.Color"), Str("blue")),
                 EReadError);
    EXPECT_THROW(SetLayoutProperty(*series, QStringLiteral("Pointer.Visible"), Int(1)), EReadError);
    EXPECT_THROW(SetLayoutProperty(*series, QStringLiteral("Pointer.Style"), Str("psCircle")),
                 EReadError);
}

TEST_P(SeriesModel, UnknownPropertyOrValueIsAReadError) {
    EXPECT_THROW(SetLayoutProperty(*series, QStringLiteral("Marks.Bogus"), Bool(true)), EReadError);
    EXPECT_THROW(SetLayoutProperty(*series, QStringLiteral("XValues.Order"), Ident("loSideways")),
                 EReadError);
    EXPECT_THROW(SetLayoutProperty(*series, QStringLiteral("Marks.Visible"), Int(1)), EReadError);
    EXPECT_THROW(SetLayoutProperty(*series, QStringLiteral("LinePen.Color"), Ident("clNoSuch")),
                 EReadError);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SeriesModel,
                         testing::Values(SeriesCase{"LineAlone", TSeriesKind::Line, false},
                                         SeriesCase{"LineInChart", TSeriesKind::Line, true},
                                         SeriesCase{"BarAlone", TSeriesKind::Bar, false},
                                         SeriesCase{"BarInChart", TSeriesKind::Bar, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BarSeries, RisesFromZeroAtSeventyPercentByDefault) {
    TBarSeries bars(nullptr);
    EXPECT_EQ(bars.BarWidthPercent(), 70);
    EXPECT_EQ(bars.YOrigin(), 0.0);
    EXPECT_TRUE(bars.UseYOrigin());
    EXPECT_EQ(bars.Marks().arrowLength, 20);
    EXPECT_EQ(bars.Marks().color, clInfoBk);
}

TEST(ValueList, FiniteRangeSkipsNaNAndInfinity) {
    TLineSeries series(nullptr);
    EXPECT_FALSE(series.YValues().FiniteRange().has_value());
    series.Add(std::numeric_limits<double>::quiet_NaN());
    EXPECT_FALSE(series.YValues().FiniteRange().has_value());
    series.Add(3);
    series.Add(-std::numeric_limits<double>::infinity());
    series.Add(-2);
    EXPECT_EQ(series.YValues().FiniteRange(), (TValueRange{-2, 3}));
}

} // namespace
