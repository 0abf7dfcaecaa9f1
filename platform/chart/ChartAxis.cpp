#include "chart/ChartAxis.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double maxMagnitude = 1e300;
constexpr int maxTicks = 1000;
// Labels show at most three decimals (ChartValueText): a finer step would repeat their texts.
constexpr double finestValueStep = 0.001;

TValueRange Clamped(TValueRange range) {
    return {ClampToAxis(range.min), ClampToAxis(range.max)};
}

void Include(std::optional<TValueRange>& total, TValueRange part) {
    if (!total)
        total = part;
    else
        total = TValueRange{std::min(total->min, part.min), std::max(total->max, part.max)};
}

double Power10(double exponent) {
    return std::pow(10.0, exponent);
}

} // namespace

TAxisLabelStyle AxisLabelStyle(const TChartSeriesList& series, TAxisSide side) {
    bool active = false;
    bool labelled = false;
    for (const TChartSeries* s : series) {
        if (!s->Active())
            continue;
        active = true;
        labelled = labelled || s->HasLabels();
    }
    if (!active)
        return TAxisLabelStyle::None;
    return side == TAxisSide::Bottom && labelled ? TAxisLabelStyle::Text : TAxisLabelStyle::Value;
}

std::optional<TValueRange> AxisDataRange(const TChartSeriesList& series, TAxisSide side) {
    std::optional<TValueRange> total;
    for (const TChartSeries* s : series) {
        if (!s->Active())
            continue;
        const auto* bars = dynamic_cast<const TBarSeries*>(s);
        if (side == TAxisSide::Left) {
            auto range = s->YValues().FiniteRange();
            if (!range)
                continue;
            if (bars != nullptr && bars->UseYOrigin() && std::isfinite(bars->YOrigin()))
                Include(range, TValueRange{bars->YOrigin(), bars->YOrigin()});
            Include(total, Clamped(*range));
        } else {
            auto range = s->XValues().FiniteRange();
            if (!range)
                continue;
            *range = Clamped(*range);
            if (bars != nullptr) {
                // Each bar owns the slot between its neighbours' midpoints.
                const double slot = BarSlotWidth(*s);
                range->min -= slot / 2;
                range->max += slot / 2;
            }
            Include(total, *range);
        }
    }
    return total;
}

double ClampToAxis(double value) {
    return std::clamp(value, -maxMagnitude, maxMagnitude);
}

double BarSlotWidth(const TChartSeries& series) {
    const auto range = series.XValues().FiniteRange();
    if (!range || series.Count() < 2)
        return 1.0;
    const TValueRange r = Clamped(*range);
    const double span = r.max - r.min;
    return span > 0 ? span / (series.Count() - 1) : 1.0;
}

TValueRange SpreadRange(std::optional<TValueRange> range) {
    if (!range)
        return {0.0, 1.0};
    TValueRange r = Clamped(*range);
    if (r.max > r.min)
        return r;
    const double v = r.min;
    const double half = std::max(1.0, std::fabs(v) * 0.05);
    return {v - half, v + half};
}

TValueRange AddPixelRoom(TValueRange range, double lengthPx, double belowPx, double abovePx) {
    if (!(lengthPx > 0) || !(range.max > range.min))
        return range;
    double below = std::max(0.0, belowPx) / lengthPx;
    double above = std::max(0.0, abovePx) / lengthPx;
    if (below + above > 0.5) {
        const double shrink = 0.5 / (below + above);
        below *= shrink;
        above *= shrink;
    }
    const double total = (range.max - range.min) / (1.0 - below - above);
    return {range.min - below * total, range.max + above * total};
}

double NiceNumber(double x, bool round) {
    x = std::clamp(x, 1e-300, maxMagnitude);
    const double exponent = std::floor(std::log10(x));
    const double fraction = x / Power10(exponent);
    double nice = 10;
    if (round)
        nice = fraction < 1.5 ? 1 : fraction < 3 ? 2 : fraction < 7 ? 5 : 10;
    else
        nice = fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10;
    return nice * Power10(exponent);
}

double NextNiceStep(double step) {
    const double nice = NiceNumber(step, true);
    const double exponent = std::floor(std::log10(nice));
    const double fraction = nice / Power10(exponent);
    const double next = fraction < 1.5 ? 2 : fraction < 3.5 ? 5 : 10;
    return next * Power10(exponent);
}

std::vector<double> TickValues(TValueRange range, double step, int maxCount) {
    std::vector<double> ticks;
    if (!(step > 0) || !std::isfinite(step) || !(range.max >= range.min))
        return ticks;
    // A billionth of a step absorbs the rounding of min/step at the range's ends.
    const double first = std::ceil(range.min / step - 1e-9);
    const double last = std::floor(range.max / step + 1e-9);
    const double count = last - first + 1;
    if (!(count >= 1) || count > maxCount)
        return ticks;
    ticks.reserve(static_cast<std::size_t>(count));
    // Counted in whole steps: far from zero `first + 1` may equal `first` as a double.
    const int n = static_cast<int>(count);
    for (int i = 0; i < n; ++i) {
        double v = (first + i) * step;
        if (std::fabs(v) < step * 1e-9)
            v = 0; // never "-0"
        if (ticks.empty() || v > ticks.back())
            ticks.push_back(v);
    }
    return ticks;
}

double TAxisScale::ToPixel(double value) const {
    const double span = range.max - range.min;
    if (!(span > 0))
        return from;
    return from + (value - range.min) / span * (to - from);
}

double TAxisScale::PixelsPerUnit() const {
    const double span = range.max - range.min;
    return span > 0 ? (to - from) / span : 0.0;
}

double TAxisScale::Length() const {
    return std::fabs(to - from);
}

int AxisLabelSpace(TAxisSide side, const TTextMetrics& metrics) {
    // Side by side, numbers closer than two digits read as one.
    return side == TAxisSide::Left ? AxisLabelGap
                                   : std::max(AxisLabelGap, metrics.Width(QStringLiteral("00")));
}

bool LabelsCollide(const std::vector<TAxisLabel>& labels, TAxisSide side,
                   const TTextMetrics& metrics) {
    const int gap = AxisLabelSpace(side, metrics);
    for (std::size_t i = 1; i < labels.size(); ++i) {
        const double distance = std::fabs(labels[i].position - labels[i - 1].position);
        const double needed =
            side == TAxisSide::Left
                ? metrics.Height()
                : (metrics.Width(labels[i].text) + metrics.Width(labels[i - 1].text)) / 2.0;
        if (distance < needed + gap)
            return true;
    }
    return false;
}

std::vector<TAxisLabel> ValueLabels(const TAxisScale& scale, TAxisSide side,
                                    const TTextMetrics& metrics, const QLocale& locale) {
    std::vector<TAxisLabel> labels;
    const double length = scale.Length();
    const double span = scale.range.max - scale.range.min;
    if (!(length >= 1) || !(span > 0))
        return labels;
    const double spacing = side == TAxisSide::Left
                               ? metrics.Height() * 1.5 + AxisLabelGap
                               : std::max(metrics.Width(ChartValueText(scale.range.min, locale)),
                                          metrics.Width(ChartValueText(scale.range.max, locale))) +
                                     3.0 * AxisLabelGap;
    const double wanted = std::max(1.0, std::floor(length / std::max(spacing, 1.0)));
    double step = std::max(NiceNumber(span / wanted, true), finestValueStep);
    // Each round at least doubles the step, so this ends long before the limit.
    for (int round = 0; round < 64; ++round, step = NextNiceStep(step)) {
        const std::vector<double> ticks = TickValues(scale.range, step, maxTicks);
        if (ticks.empty() && span / step > maxTicks)
            continue;
        labels.clear();
        for (const double v : ticks)
            labels.push_back({scale.ToPixel(v), ChartValueText(v, locale)});
        if (!LabelsCollide(labels, side, metrics))
            break;
    }
    return labels;
}

std::vector<TAxisLabel> PointLabels(const TChartSeriesList& series, const TAxisScale& scale,
                                    const TTextMetrics& metrics) {
    std::vector<TAxisLabel> labels;
    const double start = std::min(scale.from, scale.to);
    const int columns = static_cast<int>(std::min(scale.Length(), 1e5)) + 1;
    // Pixel columns already under a label: most points are turned down without measuring text.
    std::vector<bool> taken(static_cast<std::size_t>(columns), false);
    const double gap = AxisLabelSpace(TAxisSide::Bottom, metrics);
    const auto column = [&](double pixel) {
        return static_cast<int>(std::clamp(std::floor(pixel - start), 0.0, columns - 1.0));
    };
    for (const TChartSeries* s : series) {
        if (!s->Active() || !s->HasLabels())
            continue;
        const std::span<const double> xs = s->XValues().Values();
        for (int i = 0; i < s->Count(); ++i) {
            const double x = xs[static_cast<std::size_t>(i)];
            const QString& text = s->Label(i);
            if (text.isEmpty() || !std::isfinite(x) || x < scale.range.min || x > scale.range.max)
                continue;
            const double position = scale.ToPixel(x);
            if (taken[static_cast<std::size_t>(column(position))])
                continue;
            const double half = metrics.Width(text) / 2.0 + gap / 2.0;
            const int first = column(position - half);
            const int last = column(position + half);
            if (std::find(taken.begin() + first, taken.begin() + last + 1, true) !=
                taken.begin() + last + 1)
                continue;
            std::fill(taken.begin() + first, taken.begin() + last + 1, true);
            labels.push_back({position, text});
        }
    }
    return labels;
}
