#include "gui/ResolutionScaling.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <cstdint>

TScreenMetrics TScreenMetrics::Current() {
    TScreenMetrics metrics;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        metrics.pixelsPerInch = qRound(screen->logicalDotsPerInchY());
    metrics.measureZero = &TScreenMetrics::MeasureZero;
    return metrics;
}

int TScreenMetrics::MeasureZero(const QFont& font) {
    // A line's height is its ascent and descent, each rounded to whole pixels.
    const QFontMetricsF metrics(font);
    return qRound(metrics.ascent()) + qRound(metrics.descent());
}

int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t divisor = c;
    const bool negative = (product < 0) != (divisor < 0);
    const std::uint64_t magnitude = static_cast<std::uint64_t>(product < 0 ? -product : product);
    const std::uint64_t d = static_cast<std::uint64_t>(divisor < 0 ? -divisor : divisor);
    const std::uint64_t rounded = (magnitude + d / 2) / d;
    if (rounded > static_cast<std::uint64_t>(INT32_MAX))
        return -1; // as the platform's own: the result does not fit
    const auto result = static_cast<std::int64_t>(rounded);
    return static_cast<int>(negative ? -result : result);
}
