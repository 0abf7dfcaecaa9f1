// One repaint of a chart into a 517 x 250 image: the program's bar and line charts drawn by the
// chart control, the same contents drawn by Qt Charts, and a hand-drawn frame of the bar chart
// that no chart component can beat.
#include "Market.h"
#include "chart/ChartScene.h"
#include "chart/ChartText.h"
#include "chartcontrol/ChartControl.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int width = 517;
constexpr int height = 250;
const QString title = QStringLiteral("Графік попиту і пропозиції");

QImage NewImage() {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

double Qd(int price) {
    return Demand(price);
}

double Qs(int price) {
    return Supply(price);
}

// The chart control set up as the program's form sets up its charts.
std::unique_ptr<TChart> NewChart() {
    auto chart = std::make_unique<TChart>(nullptr);
    chart->SetTitleText({title});
    chart->SetColorPaletteIndex(13);
    chart->resize(width, height);
    return chart;
}

struct OurBarChart {
    std::unique_ptr<TChart> chart = NewChart();
    TBarSeries series{nullptr};

    OurBarChart() {
        TSeriesMarks marks = series.Marks();
        marks.visible = true;
        series.SetMarks(marks);
        chart->AddSeries(&series);
        series.Add(Qd(0), QStringLiteral("Qd"));
        series.Add(Qs(0), QStringLiteral("Qs"));
    }
};

// Two lines of `points` points each over the prices 0 to 10. The series are declared after the
// chart, so they leave it before it goes.
struct OurLineChart {
    std::unique_ptr<TChart> chart = NewChart();
    TLineSeries supply{nullptr};
    TLineSeries demand{nullptr};

    explicit OurLineChart(int points) {
        chart->AddSeries(&supply);
        chart->AddSeries(&demand);
        supply.SetTitle(QStringLiteral("Qs"));
        demand.SetTitle(QStringLiteral("Qd"));
        for (int i = 0; i < points; ++i) {
            const double price = points > 1 ? 10.0 * i / (points - 1) : 0.0;
            supply.AddXY(price, Qs(price));
            demand.AddXY(price, Qd(price));
        }
    }
};

void RepaintOurs(benchmark::State& state, TChart& chart) {
    QImage image = NewImage();
    for (auto _ : state) {
        chart.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_OursBar(benchmark::State& state) {
    OurBarChart bars;
    RepaintOurs(state, *bars.chart);
}

void BM_OursLine(benchmark::State& state) {
    OurLineChart lines(static_cast<int>(state.range(0)));
    RepaintOurs(state, *lines.chart);
    state.SetComplexityN(2 * state.range(0));
}

// Painting straight into the image, without QWidget::render's own work.
void BM_OursBarDirect(benchmark::State& state) {
    OurBarChart bars;
    QImage image = NewImage();
    for (auto _ : state) {
        QPainter painter(&image);
        bars.chart->Draw(painter, image.rect());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The layout alone: what the chart works out before it paints anything.
void BM_OursBarLayout(benchmark::State& state) {
    OurBarChart bars;
    const QRect bounds(0, 0, width, height);
    for (auto _ : state)
        benchmark::DoNotOptimize(bars.chart->Scene(bounds));
}

std::unique_ptr<QChartView> NewView(QChart* chart) {
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignRight);
    auto view = std::make_unique<QChartView>(chart);
    view->resize(width, height);
    return view;
}

void RepaintQtCharts(benchmark::State& state, QChartView& view) {
    QImage image = NewImage();
    // QWidget::render, as for the chart control: QGraphicsView::render draws the scene only.
    view.QWidget::render(&image); // lays the chart out once, as a shown view would have done
    for (auto _ : state) {
        view.QWidget::render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_QtChartsBar(benchmark::State& state) {
    auto* chart = new QChart;
    auto* set = new QBarSet(QString());
    *set << Qd(0) << Qs(0);
    set->setColor(QColor(68, 102, 163));
    auto* series = new QBarSeries;
    series->append(set);
    series->setBarWidth(0.7);
    series->setLabelsVisible(true);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append({QStringLiteral("Qd"), QStringLiteral("Qs")});
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto* values = new QValueAxis;
    values->setRange(0, 5500);
    values->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    const auto view = NewView(chart);
    RepaintQtCharts(state, *view);
}

void BM_QtChartsLine(benchmark::State& state) {
    auto* chart = new QChart;
    const auto points = static_cast<int>(state.range(0));
    auto* supply = new QLineSeries;
    auto* demand = new QLineSeries;
    supply->setName(QStringLiteral("Qs"));
    demand->setName(QStringLiteral("Qd"));
    supply->setColor(QColor(68, 102, 163));
    demand->setColor(QColor(243, 156, 53));
    for (int i = 0; i < points; ++i) {
        const double price = points > 1 ? 10.0 * i / (points - 1) : 0.0;
        supply->append(price, Qs(price));
        demand->append(price, Qd(price));
    }
    chart->addSeries(supply);
    chart->addSeries(demand);
    chart->createDefaultAxes();
    const auto view = NewView(chart);
    RepaintQtCharts(state, *view);
    state.SetComplexityN(2 * state.range(0));
}

// The bar chart's content at fixed places: title, two bars, the axis numbers and the legend.
void BM_HandDrawnBar(benchmark::State& state) {
    QImage image = NewImage();
    const QFont font = QApplication::font();
    const QLocale locale;
    const QColor blue(68, 102, 163);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setFont(font);
        painter.fillRect(image.rect(), QColor(240, 240, 240));
        painter.setPen(QColor(0, 0, 255));
        painter.drawText(QRect(0, 8, 420, 16), Qt::AlignCenter, title);
        painter.setPen(Qt::black);
        painter.drawLine(50, 30, 50, 220);
        painter.drawLine(50, 220, 410, 220);
        painter.fillRect(QRect(75, 60, 126, 160), blue);
        painter.fillRect(QRect(255, 166, 126, 54), blue);
        for (int i = 0; i <= 5; ++i)
            painter.drawText(QRect(0, 214 - 32 * i, 44, 14), Qt::AlignRight | Qt::AlignVCenter,
                             ChartValueText(1000.0 * i, locale));
        painter.drawText(QRect(120, 224, 40, 14), Qt::AlignHCenter, QStringLiteral("Qd"));
        painter.drawText(QRect(300, 224, 40, 14), Qt::AlignHCenter, QStringLiteral("Qs"));
        painter.fillRect(QRect(426, 28, 84, 38), Qt::white);
        painter.fillRect(QRect(430, 34, 14, 8), blue);
        painter.fillRect(QRect(430, 49, 14, 8), blue);
        painter.drawText(QRect(448, 30, 60, 15), Qt::AlignLeft,
                         ChartValueText(Qd(0), locale) + QStringLiteral(" Qd"));
        painter.drawText(QRect(448, 45, 60, 15), Qt::AlignLeft,
                         ChartValueText(Qs(0), locale) + QStringLiteral(" Qs"));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Filling a series of `points` points in the order the argument names: where AddXY finds each
// point's place and makes room for it.
enum class FillOrder { Ascending, Descending, Scattered };

void FillSeries(benchmark::State& state, FillOrder order) {
    const auto points = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TLineSeries series(nullptr);
        for (int i = 0; i < points; ++i) {
            const int x = order == FillOrder::Ascending    ? i
                          : order == FillOrder::Descending ? points - i
                                                           : (i * 7919) % points;
            series.AddXY(x, Qd(x));
        }
        benchmark::DoNotOptimize(series.Count());
    }
}

void BM_AddXYAscending(benchmark::State& state) {
    FillSeries(state, FillOrder::Ascending);
}

void BM_AddXYDescending(benchmark::State& state) {
    FillSeries(state, FillOrder::Descending);
}

void BM_AddXYScattered(benchmark::State& state) {
    FillSeries(state, FillOrder::Scattered);
}

BENCHMARK(BM_OursBar);
BENCHMARK(BM_OursBarDirect);
BENCHMARK(BM_OursBarLayout);
BENCHMARK(BM_QtChartsBar);
BENCHMARK(BM_HandDrawnBar);
// The argument is the points per line; the charts hold two lines.
BENCHMARK(BM_OursLine)->Arg(11)->Arg(500)->Arg(50000)->Complexity();
BENCHMARK(BM_QtChartsLine)->Arg(11)->Arg(500)->Arg(50000)->Complexity();
// The argument is the number of points.
BENCHMARK(BM_AddXYAscending)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddXYDescending)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddXYScattered)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::AddCustomContext("commit", SD_BENCH_COMMIT);
    benchmark::AddCustomContext("host", SD_BENCH_HOST);
    benchmark::AddCustomContext("cpu", SD_BENCH_CPU);
    benchmark::AddCustomContext("build_type", SD_BENCH_BUILD_TYPE);
    benchmark::AddCustomContext("qt", qVersion());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
