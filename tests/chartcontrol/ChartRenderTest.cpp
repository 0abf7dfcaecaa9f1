// The form's two charts, filled by its own handlers, rendered offscreen and read back pixel by
// pixel. The images are also written to the temporary directory (chart1.png, chart2_first.png, ...)
// for a look by eye.
#include "chartcontrol/ChartControl.h"

#include "chart/ChartScene.h"
#include "gui/SystemColours.h"
#include "support/LayoutForm.h"

#include <QDir>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

const QColor blue(68, 102, 163);
const QColor orange(243, 156, 53);

bool Is(const QImage& image, int x, int y, const QColor& color) {
    return image.pixelColor(x, y).rgb() == color.rgb();
}

int Count(const QImage& image, const QRect& region, const QColor& color) {
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            count += Is(image, x, y, color) ? 1 : 0;
    return count;
}

// The heights of the runs of columns holding `color`, left to right.
std::vector<int> ColumnGroupHeights(const QImage& image, const QRect& region, const QColor& color) {
    std::vector<int> heights;
    bool inGroup = false;
    for (int x = region.left(); x <= region.right(); ++x) {
        const int n = Count(image, QRect(x, region.top(), 1, region.height()), color);
        if (n == 0) {
            inGroup = false;
            continue;
        }
        if (!inGroup)
            heights.push_back(0);
        inGroup = true;
        heights.back() = std::max(heights.back(), n);
    }
    return heights;
}

// The mean row of `color` in column x of `region`; nothing if the column lacks it.
std::optional<double> MeanRow(const QImage& image, const QRect& region, int x,
                              const QColor& color) {
    double sum = 0;
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        if (Is(image, x, y, color)) {
            sum += y;
            ++n;
        }
    return n > 0 ? std::optional<double>(sum / n) : std::nullopt;
}

// The chart as it shows on screen, at the size the layout gives it.
QImage Render(TChart& chart) {
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    chart.render(&image);
    return image;
}

class Rendered : public testing::Test {
protected:
    void SetUp() override {
        saved = QLocale();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override { QLocale::setDefault(saved); }

    static void Save(const QImage& image, const char* name) {
        image.save(QDir::temp().filePath(QString::fromLatin1(name)));
    }

    // The plot and legend as the chart lays them out at the rendered size.
    static TChartScene SceneOf(const TChart& chart) { return chart.Scene(chart.rect()); }

    // Both charts as the form's first showing fills them.
    void FormShow() { form->FormShow(form.get()); }

    QLocale saved;
    // Read on the screen the layout was designed on, so that each chart has the layout's size.
    std::unique_ptr<TForm1> form = layout_form::ReadForm(layout_form::DesignScreen());
};

TEST_F(Rendered, BarChartFirstShowing) {
    TChart* chart = form->Chart2;
    FormShow();
    const QImage image = Render(*chart);
    Save(image, "chart2_first.png");
    const TChartScene scene = SceneOf(*chart);

    EXPECT_EQ(Count(image, image.rect(), Qt::magenta), 0) << "every pixel painted";
    const QRect plotSide(0, 0, scene.legend.box.left(), image.height());
    const std::vector<int> bars = ColumnGroupHeights(image, plotSide, blue);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_NEAR(double(bars[0]) / bars[1], 4750.0 / 1600.0, 0.1);
    EXPECT_GT(Count(image, scene.legend.box, blue), 0) << "blue legend symbols";
    EXPECT_GT(Count(image, QRect(0, 0, image.width(), scene.plot.top()), QColor(0, 0, 255)), 0)
        << "title in pure blue at the top";
}

TEST_F(Rendered, BarChartMarksSitAboveTheBars) {
    TChart* chart = form->Chart2;
    FormShow();
    const QImage image = Render(*chart);
    const TChartScene scene = SceneOf(*chart);
    const QColor markFill = ColorToQColor(clInfoBk);
    for (const TMarkItem& mark : scene.marks) {
        EXPECT_GT(Count(image, mark.box, markFill), mark.box.width()) << "mark box filled";
        EXPECT_TRUE(Is(image, mark.line.x1(), mark.line.y1() - 10, Qt::black)) << "joining line";
    }
}

TEST_F(Rendered, BarsAtSevenAreEqual) {
    TChart* chart = form->Chart2;
    form->TrackBar3->SetPosition(7);
    form->TrackBar4->SetPosition(7);
    const QImage image = Render(*chart);
    Save(image, "chart2_equal.png");
    const TChartScene scene = SceneOf(*chart);
    const std::vector<int> bars =
        ColumnGroupHeights(image, QRect(0, 0, scene.legend.box.left(), image.height()), blue);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0], bars[1]);
}

TEST_F(Rendered, LineChartCrossesAtPriceSeven) {
    TChart* chart = form->Chart1;
    FormShow();
    const QImage image = Render(*chart);
    Save(image, "chart1.png");
    const TChartScene scene = SceneOf(*chart);

    EXPECT_GT(Count(image, scene.plot, blue), 50);
    EXPECT_GT(Count(image, scene.plot, orange), 50);
    EXPECT_GT(Count(image, scene.legend.box, blue), 0);
    EXPECT_GT(Count(image, scene.legend.box, orange), 0);
    // Demand starts above supply and ends below it.
    std::optional<int> crossing;
    for (int x = scene.plot.left(); x <= scene.plot.right() && !crossing; ++x) {
        const auto qs = MeanRow(image, scene.plot, x, blue);
        const auto qd = MeanRow(image, scene.plot, x, orange);
        if (qs && qd && *qd >= *qs)
            crossing = x;
    }
    ASSERT_TRUE(crossing.has_value());
    EXPECT_NEAR(*crossing, scene.bottom.scale.ToPixel(7), 3);
}

TEST_F(Rendered, LineColoursStayInsideThePlotAndLegend) {
    TChart* chart = form->Chart1;
    FormShow();
    const QImage image = Render(*chart);
    const TChartScene scene = SceneOf(*chart);
    const QRect belowPlot(0, scene.plot.bottom() + 1, image.width(),
                          image.height() - scene.plot.bottom() - 1);
    const QRect leftOfPlot(0, 0, scene.plot.left(), image.height());
    for (const QColor& color : {blue, orange}) {
        EXPECT_EQ(Count(image, belowPlot, color), 0);
        EXPECT_EQ(Count(image, leftOfPlot, color), 0);
    }
}

TEST_F(Rendered, EmptyAndExtremeChartsPaintWithoutFault) {
    TChart* chart = form->Chart1;
    Render(*chart);
    chart->SeriesList()[0]->AddXY(0, 2147483647.0);
    chart->SeriesList()[0]->AddXY(1, -2147483648.0);
    chart->SeriesList()[1]->AddXY(0, std::nan(""));
    const QImage image = Render(*chart);
    Save(image, "chart_extreme.png");
    EXPECT_GT(Count(image, image.rect(), blue), 0);
}

TEST_F(Rendered, NegativeBarsHangBelowTheZeroLine) {
    TChart* chart = form->Chart2;
    chart->SeriesList()[0]->Add(-1250, QStringLiteral("Qd"));
    chart->SeriesList()[0]->Add(2300, QStringLiteral("Qs"));
    const QImage image = Render(*chart);
    Save(image, "chart2_negative.png");
    const TChartScene scene = SceneOf(*chart);
    const int zero = qRound(scene.left.scale.ToPixel(0));
    const QRect left = scene.series.at(0).bars.at(0).rect;
    const QRect right = scene.series.at(0).bars.at(1).rect;
    EXPECT_TRUE(Is(image, left.center().x(), zero + 5, blue));
    EXPECT_FALSE(Is(image, left.center().x(), zero - 5, blue));
    EXPECT_TRUE(Is(image, right.center().x(), zero - 5, blue));
    EXPECT_FALSE(Is(image, right.center().x(), zero + 5, blue));
}

} // namespace
