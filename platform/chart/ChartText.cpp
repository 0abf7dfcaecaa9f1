#include "chart/ChartText.h"

#include "runtime/NumberFormat.h"

QString ChartValueText(double value, const QLocale& locale) {
    return FormatFloat(QStringLiteral("#,##0.###"), value, locale);
}

int TFontTextMetrics::Width(const QString& text) const {
    if (const auto found = widths_.constFind(text); found != widths_.constEnd())
        return *found;
    if (widths_.size() >= 512) // changing numbers must not make it grow without end
        widths_.clear();
    const int width = metrics_.horizontalAdvance(text);
    widths_.insert(text, width);
    return width;
}
