// A whole frame worked out before painting: where each part of both charts goes.
#include "chart/ChartScene.h"

#include "ChartModel.h"
#include "chart/ChartGeometry.h"
#include "support/QStringPrinter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace chart_model;

const QLocale us(QLocale::English, QLocale::UnitedStates);
const QRect bounds(0, 0, 500, 250);
// Tooltip yellow unlike any platform default: marks must take the colours passed in.
const TSystemColours system{.infoBk = QColor(250, 240, 10)};

std::vector<QString> Texts(const std::vector<TTextItem>& items) {
    std::vector<QString> texts;
    for (const TTextItem& item : items)
        texts.push_back(item.text);
    return texts;
}

class Scene : public testing::Test {
protected:
    TChartScene Build(const ModelChart& chart) const {
        return BuildChartScene(chart.settings, chart.SeriesList(), bounds, metrics, us, system);
    }

    void ExpectFinite(const TChartScene& scene) const {
        for (const TSeriesPlan& plan : scene.series)
            for (const TLineRun& run : plan.lines)
                for (const QPointF& p : run.points)
                    ASSERT_TRUE(std::isfinite(p.x()) && std::isfinite(p.y()));
        EXPECT_TRUE(bounds.contains(scene.plot));
    }

    FixedMetrics metrics;
    TComponent owner{nullptr};
    ModelChart* lines = NewLineChart(&owner);
    ModelChart* bars = NewBarChart(&owner);
};

TEST_F(Scene, PartsTakeTheirRoomInOrder) {
    FillBars(*bars, {{4750, "Qd"}, {1600, "Qs"}});
    const TChartScene scene = Build(*bars);
    ASSERT_EQ(scene.title.size(), 1u);
    EXPECT_GE(scene.title[0].rect.top(), ChartMargin);
    EXPECT_LT(scene.title[0].rect.bottom(), scene.plot.top());
    EXPECT_GT(scene.legend.box.left(),
              scene.plot.right() + scene.bottom.labels.back().rect.width() / 2);
    EXPECT_LE(scene.legend.box.right(), bounds.right() - ChartMargin);
    EXPECT_GT(scene.legend.box.top(), scene.title[0].rect.bottom());
    EXPECT_LT(scene.left.labels.front().rect.right(), scene.plot.left());
    EXPECT_GE(scene.left.labels.front().rect.left(), ChartMargin);
    EXPECT_GT(scene.bottom.labels.front().rect.top(), scene.plot.bottom());
    EXPECT_LE(scene.bottom.labels.front().rect.bottom(), bounds.bottom() - ChartMargin);
}

TEST_F(Scene, TitleIsCentredOverThePlotInBlue) {
    const TChartScene scene = Build(*lines);
    ASSERT_EQ(scene.title.size(), 1u);
    EXPECT_EQ(scene.title[0].text, lines->TitleText().front());
    EXPECT_NEAR(scene.title[0].rect.center().x(), scene.plot.center().x(), 1);
    EXPECT_EQ(scene.titleColor, QColor(0, 0, 255));
}

TEST_F(Scene, BarChartFirstShowing) {
    FillBars(*bars, {{4750, "Qd"}, {1600, "Qs"}});
    const TChartScene scene = Build(*bars);
    ASSERT_EQ(scene.series.size(), 1u);
    const auto& rects = scene.series[0].bars;
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].color, QColor(68, 102, 163));
    EXPECT_EQ(rects[1].color, QColor(68, 102, 163));
    EXPECT_EQ(rects[0].rect.bottom(), scene.plot.bottom());
    EXPECT_EQ(rects[1].rect.bottom(), scene.plot.bottom());
    const double ratio = double(rects[0].rect.height()) / rects[1].rect.height();
    EXPECT_NEAR(ratio, 4750.0 / 1600.0, 0.05);
    // Two slots share the plot; a bar takes 70 % of its slot.
    EXPECT_NEAR(rects[0].rect.width(), 0.35 * scene.plot.width(), 1.5);
    EXPECT_NEAR(rects[0].rect.center().x(), scene.plot.left() + scene.plot.width() / 4.0, 1.5);
    EXPECT_EQ(scene.left.scale.range.min, 0.0);
    EXPECT_EQ(Texts(scene.left.labels).front(), QStringLiteral("0"));
    EXPECT_EQ(Texts(scene.bottom.labels), (std::vector<QString>{"Qd", "Qs"}));
    EXPECT_NEAR(scene.bottom.labels[0].rect.center().x(), rects[0].rect.center().x(), 1);
    EXPECT_NEAR(scene.bottom.labels[1].rect.center().x(), rects[1].rect.center().x(), 1);
}

TEST_F(Scene, BarMarksStandAboveTheBarsJoinedByTwentyPixels) {
    FillBars(*bars, {{4750, "Qd"}, {1600, "Qs"}});
    const TChartScene scene = Build(*bars);
    ASSERT_EQ(scene.marks.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const QRect bar = scene.series[0].bars[i].rect;
        const TMarkItem& mark = scene.marks[i];
        EXPECT_EQ(mark.line.p1(), QPoint(bar.center().x(), bar.top()));
        EXPECT_EQ(mark.line.p2(), QPoint(bar.center().x(), bar.top() - 20));
        EXPECT_EQ(mark.box.bottom(), bar.top() - 20);
        EXPECT_GE(mark.box.top(), scene.plot.top()); // the axis made room for it
        EXPECT_EQ(mark.fill, system.infoBk);
    }
    EXPECT_EQ(scene.marks[0].text, QStringLiteral("Qd"));
    EXPECT_EQ(scene.marks[1].text, QStringLiteral("Qs"));
}

TEST_F(Scene, UnlabelledBarsMarkTheirValue) {
    bars->SeriesList()[0]->Add(4750);
    const TChartScene scene = Build(*bars);
    ASSERT_EQ(scene.marks.size(), 1u);
    EXPECT_EQ(scene.marks[0].text, QStringLiteral("4,750"));
}

TEST_F(Scene, EqualBarsAreEqual) {
    FillBars(*bars, {{2300, "Qd"}, {2300, "Qs"}});
    const TChartScene scene = Build(*bars);
    const auto& rects = scene.series[0].bars;
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].rect.top(), rects[1].rect.top());
    EXPECT_EQ(rects[0].rect.size(), rects[1].rect.size());
}

TEST_F(Scene, NegativeBarsHangFromZeroWithMarksBelow) {
    bars->SeriesList()[0]->Add(-500, QStringLiteral("down"));
    bars->SeriesList()[0]->Add(1000, QStringLiteral("up"));
    const TChartScene scene = Build(*bars);
    const QRect down = scene.series[0].bars.at(0).rect;
    const QRect up = scene.series[0].bars.at(1).rect;
    EXPECT_NEAR(down.top(), up.bottom(), 1); // both meet at the origin
    ASSERT_EQ(scene.marks.size(), 2u);
    EXPECT_EQ(scene.marks[0].box.top(), down.bottom() + 20);
    EXPECT_LE(scene.marks[0].box.bottom(), scene.plot.bottom());
}

TEST_F(Scene, LineChartIsOnePolylinePerSeriesCrossingAtSeven) {
    FillLines(*lines);
    const TChartScene scene = Build(*lines);
    ASSERT_EQ(scene.series.size(), 2u);
    ASSERT_EQ(scene.series[0].lines.size(), 1u);
    ASSERT_EQ(scene.series[1].lines.size(), 1u);
    const TLineRun& qs = scene.series[0].lines[0];
    const TLineRun& qd = scene.series[1].lines[0];
    EXPECT_EQ(qs.color, QColor(68, 102, 163));
    EXPECT_EQ(qd.color, QColor(243, 156, 53));
    ASSERT_EQ(qs.points.size(), 11);
    ASSERT_EQ(qd.points.size(), 11);
    EXPECT_EQ(qs.points[7], qd.points[7]);
    EXPECT_DOUBLE_EQ(qs.points[0].x(), scene.plot.left());
    EXPECT_DOUBLE_EQ(qs.points[10].x(), scene.plot.right());
    EXPECT_DOUBLE_EQ(qd.points[0].y(), scene.plot.top());     // 4750, the highest
    EXPECT_DOUBLE_EQ(qd.points[10].y(), scene.plot.bottom()); // 1250, the lowest
    EXPECT_TRUE(scene.marks.empty());
    EXPECT_EQ(Texts(scene.bottom.labels).front(), QStringLiteral("0"));
    EXPECT_EQ(Texts(scene.bottom.labels).back(), QStringLiteral("10"));
    ASSERT_EQ(scene.legend.items.size(), 2u);
    EXPECT_EQ(scene.legend.items[0].row.text, QStringLiteral("Qs"));
    EXPECT_EQ(scene.legend.items[1].row.text, QStringLiteral("Qd"));
}

TEST_F(Scene, AxisLabelsNeverOverlap) {
    FillLines(*lines);
    const TChartScene scene = Build(*lines);
    for (const TAxisPlan* axis : {&scene.left, &scene.bottom})
        for (std::size_t i = 1; i < axis->labels.size(); ++i)
            EXPECT_FALSE(axis->labels[i].rect.intersects(axis->labels[i - 1].rect));
}

TEST_F(Scene, OwnPointColoursSplitTheLine) {
    TChartSeries* series = lines->SeriesList()[0];
    series->AddXY(0, 1);
    series->AddXY(1, 2);
    series->AddXY(2, 3, QString(), RGBColor(200, 0, 0));
    series->AddXY(3, 4);
    const TChartScene scene = Build(*lines);
    const auto& runs = scene.series[0].lines;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].points.size(), 2);
    EXPECT_EQ(runs[1].color, QColor(200, 0, 0));
    EXPECT_EQ(runs[1].points.size(), 2);
    EXPECT_EQ(runs[2].points.front(), runs[1].points.back());
}

TEST_F(Scene, MissingValuesBreakTheLine) {
    TChartSeries* series = lines->SeriesList()[0];
    series->AddXY(0, 1);
    series->AddXY(1, 2);
    series->AddXY(2, std::numeric_limits<double>::quiet_NaN());
    series->AddXY(3, 4);
    series->AddXY(4, 5);
    const TChartScene scene = Build(*lines);
    EXPECT_EQ(scene.series[0].lines.size(), 2u);
    ExpectFinite(scene);
}

TEST_F(Scene, EmptySeriesGiveNoNumbersButKeepTheirLegendRows) {
    for (ModelChart* chart : {lines, bars}) {
        const TChartScene scene = Build(*chart);
        EXPECT_TRUE(scene.left.labels.empty());
        EXPECT_TRUE(scene.bottom.labels.empty());
        EXPECT_TRUE(scene.marks.empty());
        ExpectFinite(scene);
    }
    EXPECT_EQ(Build(*lines).legend.items.size(), 2u);
    EXPECT_TRUE(Build(*bars).legend.items.empty());
}

TEST_F(Scene, OneValueEverywhereStillDraws) {
    lines->SeriesList()[0]->AddXY(7, 2300);
    lines->SeriesList()[1]->AddXY(7, 2300);
    const TChartScene scene = Build(*lines);
    EXPECT_FALSE(scene.left.labels.empty());
    ExpectFinite(scene);
    bars->SeriesList()[0]->Add(0);
    bars->SeriesList()[0]->Add(0);
    const TChartScene flat = Build(*bars);
    EXPECT_EQ(flat.series[0].bars.size(), 2u);
}

TEST_F(Scene, ExtremeValuesStayInsideThePlot) {
    TChartSeries* series = lines->SeriesList()[0];
    series->AddXY(-2147483648.0, 2147483647.0);
    series->AddXY(2147483647.0, -2147483648.0);
    series->AddXY(0, std::numeric_limits<double>::max());
    series->AddXY(1, -std::numeric_limits<double>::max());
    const TChartScene scene = Build(*lines);
    ExpectFinite(scene);
    for (const QPointF& p : scene.series[0].lines.at(0).points)
        EXPECT_TRUE(QRectF(scene.plot).adjusted(-1, -1, 1, 1).contains(p));
}

TEST_F(Scene, HundredThousandPointsMakeOnePolyline) {
    TChartSeries* series = lines->SeriesList()[0];
    for (int i = 0; i < 100000; ++i)
        series->AddXY(i, (i * 7919) % 100000 - 50000.0);
    const TChartScene scene = Build(*lines);
    ASSERT_EQ(scene.series[0].lines.size(), 1u);
    EXPECT_EQ(scene.series[0].lines[0].points.size(), 100000);
    ExpectFinite(scene);
}

TEST_F(Scene, HundredThousandLabelledBarsStayLegible) {
    TChartSeries* series = bars->SeriesList()[0];
    for (int i = 0; i < 100000; ++i)
        series->Add(i % 3000, QStringLiteral("bar"));
    const TChartScene scene = Build(*bars);
    EXPECT_LT(scene.bottom.labels.size(), 100u);
    EXPECT_LT(scene.marks.size(), 100u);
    EXPECT_LT(scene.legend.items.size(), 20u);
}

// Whatever the series hold, the legend keeps to its share of the chart and the plot to a sane
// width.
TEST_F(Scene, LongTitlesAndHugeValuesLeaveThePlotItsRoom) {
    FillLines(*lines);
    lines->SeriesList()[0]->SetTitle(QString(95, QLatin1Char('x')));
    lines->SeriesList()[1]->AddXY(1e300, 2000);
    bars->SeriesList()[0]->Add(1e300, QStringLiteral("Qd"));
    bars->SeriesList()[0]->Add(1600, QStringLiteral("Qs"));
    for (ModelChart* chart : {lines, bars}) {
        const TChartScene scene = Build(*chart);
        EXPECT_GE(scene.plot.width(), bounds.width() / 4);
        ASSERT_FALSE(scene.legend.items.empty());
        EXPECT_TRUE(bounds.contains(scene.legend.box));
        EXPECT_LE(scene.legend.box.width(), bounds.width() / 3);
        EXPECT_GT(scene.legend.box.left(), scene.plot.right());
        for (const TLegendItem& item : scene.legend.items) {
            EXPECT_LE(metrics.Width(item.row.text), item.text.width());
            EXPECT_LE(metrics.Width(item.row.value), item.value.width());
        }
        for (const TTextItem& label : scene.left.labels)
            EXPECT_GE(label.rect.left(), bounds.left());
    }
}

TEST_F(Scene, LongChartTitleIsElidedToTheChart) {
    FillLines(*lines);
    TChartSettings settings;
    settings.title = QStringList{QString(200, QLatin1Char('t'))};
    const TChartScene scene =
        BuildChartScene(settings, lines->SeriesList(), bounds, metrics, us, system);
    ASSERT_EQ(scene.title.size(), 1u);
    EXPECT_TRUE(scene.title[0].text.endsWith(QChar(0x2026)));
    EXPECT_LE(metrics.Width(scene.title[0].text), bounds.width() - 2 * ChartMargin);
    EXPECT_TRUE(bounds.contains(scene.title[0].rect));
}

TEST_F(Scene, TinyChartDoesNotBreak) {
    FillBars(*bars, {{4750, "Qd"}, {1600, "Qs"}});
    const TChartSettings settings = bars->settings;
    for (const QRect& tiny : {QRect(0, 0, 0, 0), QRect(0, 0, 10, 10), QRect(0, 0, 60, 40)}) {
        const TChartScene scene =
            BuildChartScene(settings, bars->SeriesList(), tiny, metrics, us, system);
        EXPECT_GE(scene.plot.width(), 1);
        EXPECT_GE(scene.plot.height(), 1);
    }
}

} // namespace
