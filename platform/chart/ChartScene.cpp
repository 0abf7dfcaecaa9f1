#include "chart/ChartScene.h"

#include "chart/ChartGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

bool HasFinitePoint(const TChartSeries& s) {
    return s.YValues().FiniteRange().has_value();
}

int WidestLabel(const std::vector<TAxisLabel>& labels, const TTextMetrics& metrics) {
    int widest = 0;
    for (const TAxisLabel& label : labels)
        widest = std::max(widest, metrics.Width(label.text));
    return widest;
}

// Labels wider than `width` are elided to it.
void PlaceLeftAxis(TAxisPlan& axis, const std::vector<TAxisLabel>& labels, const QRect& plot,
                   int width, const TTextMetrics& metrics) {
    const int h = metrics.Height();
    axis.line = QLine(plot.left(), plot.top(), plot.left(), plot.bottom());
    for (const TAxisLabel& label : labels) {
        const int y = PixelOf(label.position);
        axis.ticks.emplace_back(plot.left() - AxisTickLength, y, plot.left() - 1, y);
        if (y > plot.top() && y < plot.bottom())
            axis.grid.emplace_back(plot.left() + 1, y, plot.right() - 1, y);
        const QString text = metrics.Elide(label.text, width);
        const int w = std::min(metrics.Width(text), width);
        const int right = plot.left() - AxisTickLength - AxisLabelOffset;
        axis.labels.push_back(
            {QRect(right - w, y - h / 2, w, h), text, Qt::AlignRight | Qt::AlignVCenter});
    }
}

void PlaceBottomAxis(TAxisPlan& axis, const std::vector<TAxisLabel>& labels, const QRect& plot,
                     const TTextMetrics& metrics) {
    const int h = metrics.Height();
    axis.line = QLine(plot.left(), plot.bottom(), plot.right(), plot.bottom());
    for (const TAxisLabel& label : labels) {
        const int x = PixelOf(label.position);
        axis.ticks.emplace_back(x, plot.bottom() + 1, x, plot.bottom() + AxisTickLength);
        // Point labels name bars or points; lines through them would only clutter.
        if (axis.style == TAxisLabelStyle::Value && x > plot.left() && x < plot.right())
            axis.grid.emplace_back(x, plot.top() + 1, x, plot.bottom() - 1);
        const int w = metrics.Width(label.text);
        axis.labels.push_back(
            {QRect(x - w / 2, plot.bottom() + AxisTickLength + AxisLabelOffset + 1, w, h),
             label.text, Qt::AlignHCenter | Qt::AlignTop});
    }
}

// The axes take their room off `area` (labels first, so that the numbers fit) and leave the plot.
void LayOutAxes(TChartScene& scene, const TChartSeriesList& series, QRect area,
                const TTextMetrics& metrics, const QLocale& locale) {
    const int h = metrics.Height();
    scene.left.style = AxisLabelStyle(series, TAxisSide::Left);
    scene.bottom.style = AxisLabelStyle(series, TAxisSide::Bottom);
    if (scene.left.style != TAxisLabelStyle::None)
        TakeTop(area, h / 2); // the top number stands half above the plot
    TakeBottom(area, AxisTickLength +
                         (scene.bottom.style != TAxisLabelStyle::None ? AxisLabelOffset + h : 0));

    // The numbers of the left axis depend on the plot's height only, its width on them.
    const TMarkRoom room = MarkRoom(series, metrics);
    const std::optional<TValueRange> yData = AxisDataRange(series, TAxisSide::Left);
    const TValueRange yRange =
        AddPixelRoom(SpreadRange(yData), std::max(0, area.height() - 1), room.below, room.above);
    scene.left.scale =
        TAxisScale{yRange, static_cast<double>(area.bottom()), static_cast<double>(area.top())};
    std::vector<TAxisLabel> leftLabels;
    if (scene.left.style != TAxisLabelStyle::None && yData) // no numbers without values
        leftLabels = ValueLabels(scene.left.scale, TAxisSide::Left, metrics, locale);
    // Numbers wider than their share of the chart are elided: they must not squeeze the plot.
    const int widest = static_cast<int>(scene.bounds.width() * AxisMaxWidthShare);
    const int leftWidth = std::min(WidestLabel(leftLabels, metrics), widest);
    TakeLeft(area, AxisTickLength + (leftWidth > 0 ? AxisLabelOffset + leftWidth : 0));

    const std::optional<TValueRange> xData = AxisDataRange(series, TAxisSide::Bottom);
    const TValueRange xRange = SpreadRange(xData);
    if (scene.bottom.style == TAxisLabelStyle::Value) // the last number stands half past the plot
        TakeRight(area, std::min(std::max(metrics.Width(ChartValueText(xRange.min, locale)),
                                          metrics.Width(ChartValueText(xRange.max, locale))),
                                 widest) /
                            2);
    if (area.width() < 1)
        area.setWidth(1);
    if (area.height() < 1)
        area.setHeight(1);
    scene.plot = area;
    scene.bottom.scale =
        TAxisScale{xRange, static_cast<double>(area.left()), static_cast<double>(area.right())};
    std::vector<TAxisLabel> bottomLabels;
    if (scene.bottom.style == TAxisLabelStyle::Text)
        bottomLabels = PointLabels(series, scene.bottom.scale, metrics);
    else if (scene.bottom.style == TAxisLabelStyle::Value && xData)
        bottomLabels = ValueLabels(scene.bottom.scale, TAxisSide::Bottom, metrics, locale);
    PlaceLeftAxis(scene.left, leftLabels, scene.plot, leftWidth, metrics);
    PlaceBottomAxis(scene.bottom, bottomLabels, scene.plot, metrics);
}

QPointF PointPixel(const TChartScene& scene, double x, double y) {
    return {scene.bottom.scale.ToPixel(ClampToAxis(x)), scene.left.scale.ToPixel(ClampToAxis(y))};
}

// Where the bars of one series go; worked out once per series, then per bar.
class TBarPlacer {
public:
    TBarPlacer(const TBarSeries& s, const TChartScene& scene)
        : scene_(scene), percent_(s.BarWidthPercent()),
          slot_(BarSlotWidth(s) * std::fabs(scene.bottom.scale.PixelsPerUnit())),
          originValue_(s.UseYOrigin() ? s.YOrigin() : scene.left.scale.range.min),
          origin_(std::clamp(scene.left.scale.ToPixel(ClampToAxis(originValue_)),
                             double(scene.plot.top()), double(scene.plot.bottom()))) {}

    QRect Rect(double x, double y) const {
        const QPointF p = PointPixel(scene_, x, y);
        return BarRect(p.x(), slot_, percent_, p.y(), origin_).intersected(scene_.plot);
    }
    bool Hangs(double y) const { return y < originValue_; }

private:
    const TChartScene& scene_;
    int percent_;
    double slot_;
    double originValue_;
    double origin_;
};

void BuildBars(const TBarSeries& s, const TChartScene& scene, const TSystemColours& system,
               std::vector<TBarItem>& bars) {
    const TBarPlacer placer(s, scene);
    const std::span<const double> xs = s.XValues().Values();
    const std::span<const double> ys = s.YValues().Values();
    bars.reserve(xs.size());
    for (int i = 0; i < s.Count(); ++i) {
        const double x = xs[static_cast<std::size_t>(i)];
        const double y = ys[static_cast<std::size_t>(i)];
        if (!std::isfinite(x) || !std::isfinite(y))
            continue;
        const QRect rect = placer.Rect(x, y);
        if (!rect.isEmpty())
            bars.push_back({rect, ToQColor(s.ValueColor(i), system)});
    }
}

// One polyline per stretch of equal colour: with no point colours, one for the whole series.
void BuildLines(const TChartSeries& s, const TChartScene& scene, const TSystemColours& system,
                std::vector<TLineRun>& runs) {
    const std::span<const double> xs = s.XValues().Values();
    const std::span<const double> ys = s.YValues().Values();
    const bool pointColors = s.HasOwnColors();
    QPolygonF points;
    points.reserve(static_cast<qsizetype>(xs.size()));
    TColor color = s.SeriesColor();
    const auto flush = [&] {
        if (points.size() > 1)
            runs.push_back({ToQColor(color, system), points});
        points.clear();
    };
    for (int i = 0; i < s.Count(); ++i) {
        const double x = xs[static_cast<std::size_t>(i)];
        const double y = ys[static_cast<std::size_t>(i)];
        if (!std::isfinite(x) || !std::isfinite(y)) {
            flush(); // a missing value breaks the line
            continue;
        }
        const TColor pointColor = pointColors ? s.ValueColor(i) : color;
        if (pointColor != color && points.size() > 1) {
            // The segment into a point takes the point's colour.
            const QPointF last = points.back();
            flush();
            points.append(last);
        }
        color = pointColor;
        points.append(PointPixel(scene, x, y));
    }
    flush();
}

// Marks go left to right; one that would overlap the mark before it is left out.
void BuildMarks(const TChartSeries& s, const TChartScene& scene, const TTextMetrics& metrics,
                const QLocale& locale, const TSystemColours& system,
                std::vector<TMarkItem>& marks) {
    const auto* bars = dynamic_cast<const TBarSeries*>(&s);
    std::optional<TBarPlacer> placer;
    if (bars != nullptr)
        placer.emplace(*bars, scene);
    const TSeriesMarks& style = s.Marks();
    const QColor fill = ToQColor(style.color, system);
    const QColor lineColor = ToQColor(style.calloutBrushColor, system);
    double lastRight = -std::numeric_limits<double>::infinity();
    for (int i = 0; i < s.Count(); ++i) {
        const double x = s.XValues().Values()[static_cast<std::size_t>(i)];
        const double y = s.YValues().Values()[static_cast<std::size_t>(i)];
        if (!std::isfinite(x) || !std::isfinite(y))
            continue;
        const QPointF point = PointPixel(scene, x, y);
        if (point.x() < lastRight + AxisLabelGap)
            continue; // under the mark before: not even worth formatting
        const bool below = placer && placer->Hangs(y);
        QPoint anchor(PixelOf(point.x()), PixelOf(point.y()));
        if (placer) {
            const QRect bar = placer->Rect(x, y);
            anchor = QPoint(bar.center().x(), below ? bar.bottom() : bar.top());
        }
        const QString text = s.Label(i).isEmpty() ? ChartValueText(y, locale) : s.Label(i);
        const TMarkGeometry geometry = MarkGeometry(
            anchor, QSize(metrics.Width(text), metrics.Height()), style.arrowLength, below);
        if (geometry.box.left() < lastRight + AxisLabelGap)
            continue;
        lastRight = geometry.box.right();
        marks.push_back({geometry.box, geometry.line, style.arrowVisible, text, fill, lineColor});
    }
}

void PlaceTitle(TChartScene& scene, const QStringList& lines, int top,
                const TTextMetrics& metrics) {
    const int h = metrics.Height();
    const double centre = (scene.plot.left() + scene.plot.right() + 1) / 2.0;
    const int room = std::max(0, scene.bounds.width() - 2 * ChartMargin);
    for (const QString& line : lines) {
        const QString text = metrics.Elide(line, room);
        const int w = std::min(metrics.Width(text), room);
        int left = PixelOf(centre - w / 2.0);
        left = std::clamp(left, scene.bounds.left(), scene.bounds.right() + 1 - w);
        scene.title.push_back({QRect(left, top, w, h), text, Qt::AlignCenter});
        top += h;
    }
}

} // namespace

TMarkRoom MarkRoom(const TChartSeriesList& series, const TTextMetrics& metrics) {
    TMarkRoom room;
    for (const TChartSeries* s : series) {
        if (!s->Active() || !s->Marks().visible || !HasFinitePoint(*s))
            continue;
        // A few pixels more keep the box off the plot's frame.
        const int needed = MarkBoxSize(QSize(0, metrics.Height())).height() +
                           ClampedArrowLength(s->Marks().arrowLength) + 3;
        const auto* bars = dynamic_cast<const TBarSeries*>(s);
        const double origin = bars != nullptr && bars->UseYOrigin()
                                  ? bars->YOrigin()
                                  : -std::numeric_limits<double>::infinity();
        const TValueRange y = *s->YValues().FiniteRange();
        if (bars == nullptr || y.max >= origin)
            room.above = std::max(room.above, needed);
        if (bars != nullptr && y.min < origin)
            room.below = std::max(room.below, needed);
    }
    return room;
}

TChartScene BuildChartScene(const TChartSettings& settings, const TChartSeriesList& series,
                            const QRect& bounds, const TTextMetrics& metrics, const QLocale& locale,
                            const TSystemColours& system) {
    TChartScene scene;
    scene.bounds = bounds;
    scene.background = ToQColor(settings.color, system);
    scene.titleColor = ToQColor(settings.titleColor, system);

    // The fixed order in which the parts take their room: margins, title, legend, axes.
    QRect area = bounds.adjusted(ChartMargin, ChartMargin, -ChartMargin, -ChartMargin);
    const bool titled = std::any_of(settings.title.begin(), settings.title.end(),
                                    [](const QString& line) { return !line.isEmpty(); });
    const QRect titleBand = TakeTop(
        area, titled ? static_cast<int>(settings.title.size()) * metrics.Height() + TitleGap : 0);
    const int maxRows = std::max(0, (area.height() - 2 * LegendPadding) / LegendRowHeight(metrics));
    std::vector<TLegendRow> rows = LegendRows(series, locale, maxRows);
    const int maxWidth =
        std::min(static_cast<int>(bounds.width() * LegendMaxWidthShare), area.width() - LegendGap);
    const TLegendMeasure measure = FitLegend(rows, MeasureLegend(rows, metrics), maxWidth, metrics);
    if (!rows.empty() && measure.size.width() <= maxWidth) {
        const QRect strip = TakeRight(area, measure.size.width() + LegendGap);
        scene.legend = PlaceLegend(std::move(rows), measure,
                                   QPoint(strip.right() + 1 - measure.size.width(), strip.top()));
        for (TLegendItem& item : scene.legend.items)
            item.color = ToQColor(item.row.color, system);
    }
    LayOutAxes(scene, series, area, metrics, locale);
    if (titled)
        PlaceTitle(scene, settings.title, titleBand.top(), metrics);

    for (const TChartSeries* s : series) {
        TSeriesPlan& plan = scene.series.emplace_back();
        if (!s->Active() || s->Count() == 0)
            continue;
        if (const auto* bars = dynamic_cast<const TBarSeries*>(s))
            BuildBars(*bars, scene, system, plan.bars);
        else
            BuildLines(*s, scene, system, plan.lines);
        if (s->Marks().visible)
            BuildMarks(*s, scene, metrics, locale, system, scene.marks);
    }
    return scene;
}
