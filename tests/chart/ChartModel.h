#pragma once
// A chart's series and settings without the chart control: what the decisions, the scene and the
// painter read. The data are the tests' own; text sizes do not depend on the fonts installed.

#include "chart/ChartSeries.h"
#include "chart/ChartSettings.h"
#include "chart/ChartText.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>
#include <vector>

namespace chart_model {

constexpr TColor kBlue = RGBColor(68, 102, 163);
constexpr TColor kOrange = RGBColor(243, 156, 53);

// Every character 7 pixels wide, every line 13 high.
class FixedMetrics final : public TTextMetrics {
public:
    int Width(const QString& text) const override { return 7 * static_cast<int>(text.size()); }
    int Height() const override { return 13; }
};

// The series in the order they joined, each with the colour a chart would have given it.
class ModelChart : public TComponent {
public:
    using TComponent::TComponent;

    const TChartSeriesList& SeriesList() const { return series_; }
    const QStringList& TitleText() const { return settings.title; }

    void Hold(TChartSeries* series) { series_.Add(series); }
    template <class Series> Series* Join(TColor color) {
        auto* series = new Series(this);
        series->SetSeriesColor(color);
        Hold(series);
        return series;
    }

    TChartSettings settings;

private:
    TChartSeriesList series_;
};

// Two line series, blue "Qs" then orange "Qd", without marks.
inline ModelChart* NewLineChart(TComponent* owner) {
    auto* chart = new ModelChart(owner);
    chart->settings.title = QStringList{QStringLiteral("Ціни й кількості")};
    chart->Join<TLineSeries>(kBlue)->SetTitle(QStringLiteral("Qs"));
    chart->Join<TLineSeries>(kOrange)->SetTitle(QStringLiteral("Qd"));
    return chart;
}

// One blue bar series with marks.
inline ModelChart* NewBarChart(TComponent* owner) {
    auto* chart = new ModelChart(owner);
    chart->settings.title = QStringList{QStringLiteral("Ціни й кількості")};
    TSeriesMarks marks;
    marks.visible = true;
    chart->Join<TBarSeries>(kBlue)->SetMarks(marks);
    return chart;
}

// Two lines over x = 0..10 crossing at x = 7: the first rising from 1600 to 2600, the second
// falling from 4750 to 1250.
inline void FillLines(ModelChart& chart) {
    const std::vector<double> rising{1600, 1700, 1800, 1900, 2000, 2100,
                                     2200, 2300, 2400, 2500, 2600};
    const std::vector<double> falling{4750, 4400, 4050, 3700, 3350, 3000,
                                      2650, 2300, 1950, 1600, 1250};
    for (std::size_t x = 0; x < rising.size(); ++x) {
        chart.SeriesList()[0]->AddXY(double(x), rising[x]);
        chart.SeriesList()[1]->AddXY(double(x), falling[x]);
    }
}

// Labelled bars, left to right.
inline void FillBars(ModelChart& chart, std::initializer_list<std::pair<double, QString>> bars) {
    for (const auto& [value, label] : bars)
        chart.SeriesList()[0]->Add(value, label);
}

} // namespace chart_model
