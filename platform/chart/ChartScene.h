#pragma once
// Everything one frame of a chart shows, worked out from the series and the chart's settings
// before any painting: the painter only draws what is here.

#include "chart/ChartAxis.h"
#include "chart/ChartLegend.h"
#include "chart/ChartSeries.h"
#include "chart/ChartSettings.h"
#include "chart/ChartText.h"

#include <QColor>
#include <QLine>
#include <QLocale>
#include <QPolygonF>
#include <QRect>
#include <QStringList>
#include <vector>

constexpr int ChartMargin = 8; // around the whole chart
constexpr int TitleGap = 6;    // below the title
constexpr int LegendGap = 12;  // between the plot and the legend
constexpr int AxisTickLength = 4;
constexpr int AxisLabelOffset = 2; // between a tick and its label
// The numbers of an axis take at most this share of the chart's width beside the plot.
constexpr double AxisMaxWidthShare = 1.0 / 3;

struct TTextItem {
    QRect rect;
    QString text;
    int flags = 0; // Qt::AlignmentFlag values placing the text in the rect
};

struct TAxisPlan {
    TAxisLabelStyle style = TAxisLabelStyle::None;
    TAxisScale scale;
    QLine line;
    std::vector<QLine> ticks;
    std::vector<QLine> grid; // across the plot
    std::vector<TTextItem> labels;
};

// A stretch of a line series drawn in one colour.
struct TLineRun {
    QColor color;
    QPolygonF points;
};

struct TBarItem {
    QRect rect;
    QColor color;
};

struct TMarkItem {
    QRect box;
    QLine line;
    bool lineVisible = true;
    QString text;
    QColor fill;
    QColor lineColor;
};

// What one series draws, kept in series order so that later series cover earlier ones.
struct TSeriesPlan {
    std::vector<TLineRun> lines;
    std::vector<TBarItem> bars;
};

struct TChartScene {
    QRect bounds;
    QColor background;
    QRect plot;
    QColor titleColor;
    std::vector<TTextItem> title;
    TAxisPlan left;
    TAxisPlan bottom;
    std::vector<TSeriesPlan> series;
    std::vector<TMarkItem> marks;
    TLegendPlan legend;
};

// Pixels that marks need beyond the highest (above) and lowest (below) marked points.
struct TMarkRoom {
    int below = 0;
    int above = 0;
};
TMarkRoom MarkRoom(const TChartSeriesList& series, const TTextMetrics& metrics);

// `system` resolves the system colours that settings, series and marks may name.
TChartScene BuildChartScene(const TChartSettings& settings, const TChartSeriesList& series,
                            const QRect& bounds, const TTextMetrics& metrics, const QLocale& locale,
                            const TSystemColours& system);
