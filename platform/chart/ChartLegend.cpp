#include "chart/ChartLegend.h"

#include <algorithm>

TLegendStyle LegendStyle(const TChartSeriesList& series) {
    const auto active = std::count_if(series.begin(), series.end(),
                                      [](const TChartSeries* s) { return s->Active(); });
    return active <= 1 ? TLegendStyle::Values : TLegendStyle::Series;
}

std::vector<TLegendRow> LegendRows(const TChartSeriesList& series, const QLocale& locale,
                                   int maxRows) {
    std::vector<TLegendRow> rows;
    if (maxRows <= 0)
        return rows;
    if (LegendStyle(series) == TLegendStyle::Series) {
        for (const TChartSeries* s : series) {
            if (!s->Active())
                continue;
            if (static_cast<int>(rows.size()) == maxRows)
                break;
            rows.push_back({s->Kind(), s->SeriesColor(), QString(), s->Title()});
        }
        return rows;
    }
    const auto only = std::find_if(series.begin(), series.end(),
                                   [](const TChartSeries* s) { return s->Active(); });
    if (only == series.end())
        return rows;
    const TChartSeries* s = *only;
    const int count = std::min(s->Count(), maxRows);
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        rows.push_back(
            {s->Kind(), s->ValueColor(i), ChartValueText(s->YValues()[i], locale), s->Label(i)});
    return rows;
}

int LegendRowHeight(const TTextMetrics& metrics) {
    return metrics.Height() + 2;
}

TLegendMeasure MeasureLegend(const std::vector<TLegendRow>& rows, const TTextMetrics& metrics) {
    TLegendMeasure measure;
    if (rows.empty())
        return measure;
    measure.rowHeight = LegendRowHeight(metrics);
    for (const TLegendRow& row : rows) {
        if (!row.value.isEmpty())
            measure.valueWidth = std::max(measure.valueWidth, metrics.Width(row.value));
        measure.textWidth = std::max(measure.textWidth, metrics.Width(row.text));
    }
    int width = 2 * LegendPadding + LegendSymbolWidth + LegendColumnGap + measure.textWidth;
    if (measure.valueWidth > 0)
        width += measure.valueWidth + LegendColumnGap;
    const int height = 2 * LegendPadding + static_cast<int>(rows.size()) * measure.rowHeight;
    measure.size = QSize(width, height);
    return measure;
}

TLegendMeasure FitLegend(std::vector<TLegendRow>& rows, TLegendMeasure measure, int maxWidth,
                         const TTextMetrics& metrics) {
    if (rows.empty() || measure.size.width() <= maxWidth)
        return measure;
    const int beside = measure.size.width() - measure.valueWidth - measure.textWidth;
    const int room = std::max(0, maxWidth - beside);
    const int half = room / 2;
    if (measure.valueWidth <= half)
        measure.textWidth = room - measure.valueWidth;
    else if (measure.textWidth <= room - half)
        measure.valueWidth = room - measure.textWidth;
    else {
        measure.valueWidth = half;
        measure.textWidth = room - half;
    }
    for (TLegendRow& row : rows) {
        row.value = metrics.Elide(row.value, measure.valueWidth);
        row.text = metrics.Elide(row.text, measure.textWidth);
    }
    measure.size.setWidth(beside + measure.valueWidth + measure.textWidth);
    return measure;
}

TLegendPlan PlaceLegend(std::vector<TLegendRow> rows, const TLegendMeasure& measure,
                        QPoint topLeft) {
    TLegendPlan plan;
    if (rows.empty())
        return plan;
    plan.box = QRect(topLeft, measure.size);
    const int symbolHeight = std::max(2, measure.rowHeight / 2);
    int top = plan.box.top() + LegendPadding;
    for (TLegendRow& row : rows) {
        int x = plan.box.left() + LegendPadding;
        TLegendItem item;
        item.symbol =
            QRect(x, top + (measure.rowHeight - symbolHeight) / 2, LegendSymbolWidth, symbolHeight);
        x += LegendSymbolWidth + LegendColumnGap;
        if (measure.valueWidth > 0) {
            item.value = QRect(x, top, measure.valueWidth, measure.rowHeight);
            x += measure.valueWidth + LegendColumnGap;
        }
        item.text = QRect(x, top, measure.textWidth, measure.rowHeight);
        item.row = std::move(row);
        plan.items.push_back(std::move(item));
        top += measure.rowHeight;
    }
    return plan;
}
