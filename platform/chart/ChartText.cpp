#include "chart/ChartText.h"

#include "runtime/NumberFormat.h"

#include <algorithm>

QString ChartValueText(double value, const QLocale& locale) {
    return FormatFloat(QStringLiteral("#,##0.###"), value, locale);
}

QString TTextMetrics::Elide(const QString& text, int width) const {
    if (Width(text) <= width)
        return text;
    const QString ellipsis(QChar(0x2026));
    if (Width(ellipsis) > width)
        return QString();
    // The longest start that fits with the ellipsis, found by halving: text widens as it grows.
    qsizetype fits = 0;
    qsizetype tooLong = text.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = fits + (tooLong - fits) / 2;
        if (Width(text.left(middle) + ellipsis) <= width)
            fits = middle;
        else
            tooLong = middle;
    }
    if (fits > 0 && text[fits - 1].isHighSurrogate())
        --fits; // never half a character
    return text.left(fits) + ellipsis;
}

QString TFontTextMetrics::Elide(const QString& text, int width) const {
    if (Width(text) <= width)
        return text;
    return metrics_.elidedText(text, Qt::ElideRight, std::max(0, width));
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
