#pragma once
// What the axes show: which values they span, where their ticks go and what the labels say.
// Decided afresh from the series at every draw.

#include "chart/ChartSeries.h"
#include "chart/ChartText.h"

#include <QLocale>
#include <QString>
#include <vector>

enum class TAxisSide { Left, Bottom };

// None: the axis carries no series. Text: the points' labels. Value: numbers.
enum class TAxisLabelStyle { None, Value, Text };

// The bottom axis shows point labels when an active series has any, the left axis numbers.
TAxisLabelStyle AxisLabelStyle(const TChartSeriesList& series, TAxisSide side);

// The values the active series put on the axis: x or y of their points, a bar series' origin on
// the left, and half a bar's slot either side on the bottom. Nothing when no point is finite.
std::optional<TValueRange> AxisDataRange(const TChartSeriesList& series, TAxisSide side);

// The x distance that falls to each bar of a bar series: the even spacing of its points, 1 for one.
double BarSlotWidth(const TChartSeries& series);

// Values beyond +-1e300 count as +-1e300, so that the distance between any two stays finite.
double ClampToAxis(double value);

// A range an axis can divide: an empty or one-value range is widened around its value.
TValueRange SpreadRange(std::optional<TValueRange> range);

// Widens `range` so that, over an axis `lengthPx` long, `belowPx` and `abovePx` pixels stay free
// beyond its ends (room for marks). At most half the axis is given away.
TValueRange AddPixelRoom(TValueRange range, double lengthPx, double belowPx, double abovePx);

// Heckbert's "nice numbers" (Graphics Gems I, 1990): the number 1, 2 or 5 x 10^n closest to x
// (round) or the smallest not below it. x must be positive and finite.
double NiceNumber(double x, bool round);
// The next coarser step of the 1-2-5 sequence.
double NextNiceStep(double step);
// The multiples of `step` inside `range`, at most `maxCount` of them (none if there would be more).
std::vector<double> TickValues(TValueRange range, double step, int maxCount);

// Maps the range onto an axis: range.min to pixel `from`, range.max to pixel `to`.
struct TAxisScale {
    TValueRange range;
    double from = 0.0;
    double to = 1.0;

    double ToPixel(double value) const;
    double PixelsPerUnit() const; // signed
    double Length() const;        // pixels, not negative
};

// A label centred on `position`, a pixel along its axis.
struct TAxisLabel {
    double position = 0.0;
    QString text;
    friend bool operator==(const TAxisLabel&, const TAxisLabel&) = default;
};

constexpr int AxisLabelGap = 4; // least free pixels between two labels
// The free pixels kept between neighbouring labels of an axis: AxisLabelGap above one another, the
// width of "00" (at least AxisLabelGap) side by side.
int AxisLabelSpace(TAxisSide side, const TTextMetrics& metrics);

// Numbers at the finest 1-2-5 step whose labels stay apart, starting from a step that gives a
// tick every few text heights (left) or label widths (bottom). Never finer than 0.001, the last
// decimal a label shows.
std::vector<TAxisLabel> ValueLabels(const TAxisScale& scale, TAxisSide side,
                                    const TTextMetrics& metrics, const QLocale& locale);
// Each labelled point's label at its x position, skipping labels that would overlap one before.
std::vector<TAxisLabel> PointLabels(const TChartSeriesList& series, const TAxisScale& scale,
                                    const TTextMetrics& metrics);
// True when two neighbours come closer than AxisLabelSpace.
bool LabelsCollide(const std::vector<TAxisLabel>& labels, TAxisSide side,
                   const TTextMetrics& metrics);
