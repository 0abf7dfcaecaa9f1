#pragma once
// The legend: what it lists, decided at each draw, then measured, then placed.

#include "chart/ChartSeries.h"
#include "chart/ChartText.h"

#include <QColor>
#include <QLocale>
#include <QRect>
#include <QString>
#include <vector>

// Series: a row per active series. Values: a row per point of the only active series.
enum class TLegendStyle { Series, Values };

TLegendStyle LegendStyle(const TChartSeriesList& series);

struct TLegendRow {
    TSeriesKind symbol = TSeriesKind::Line;
    TColor color = clBlack;
    QString value; // the point's value, left of the text; empty for a series row
    QString text;  // the series' title or the point's label
    friend bool operator==(const TLegendRow&, const TLegendRow&) = default;
};

// The first `maxRows` rows, in series or point order.
std::vector<TLegendRow> LegendRows(const TChartSeriesList& series, const QLocale& locale,
                                   int maxRows);

constexpr int LegendPadding = 4; // inside the frame
constexpr int LegendSymbolWidth = 14;
constexpr int LegendColumnGap = 5;

int LegendRowHeight(const TTextMetrics& metrics);

// Column widths and the framed size of the whole legend.
struct TLegendMeasure {
    int rowHeight = 0;
    int valueWidth = 0; // 0 when no row has a value
    int textWidth = 0;
    QSize size;
};

TLegendMeasure MeasureLegend(const std::vector<TLegendRow>& rows, const TTextMetrics& metrics);

// The legend takes at most this share of the chart's width.
constexpr double LegendMaxWidthShare = 1.0 / 3;

// Narrows a legend measured wider than `maxWidth` to it: beside the symbols, each column keeps its
// width up to half of the room, a column needing less leaves the rest to the other, and the
// values and texts of a narrowed column are elided.
TLegendMeasure FitLegend(std::vector<TLegendRow>& rows, TLegendMeasure measure, int maxWidth,
                         const TTextMetrics& metrics);

struct TLegendItem {
    TLegendRow row;
    QColor color; // of the symbol: the row's colour resolved
    QRect symbol;
    QRect value; // the value is right-aligned in it
    QRect text;
};

struct TLegendPlan {
    QRect box; // empty when there is no legend
    std::vector<TLegendItem> items;
};

// Rows laid out in a box of the measured size whose top-left corner is `topLeft`.
TLegendPlan PlaceLegend(std::vector<TLegendRow> rows, const TLegendMeasure& measure,
                        QPoint topLeft);
