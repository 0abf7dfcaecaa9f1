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

TFontTextMetrics::Entry& TFontTextMetrics::Find(const QString& text) const {
    if (const auto found = texts_.find(text); found != texts_.end())
        return *found;
    if (texts_.size() >= 512) // changing numbers must not make it grow without end
        texts_.clear();
    return *texts_.insert(text, Entry{metrics_.horizontalAdvance(text), std::nullopt});
}

int TFontTextMetrics::Width(const QString& text) const {
    return Find(text).width;
}

const QStaticText& TFontTextMetrics::LaidOut(const QString& text) const {
    Entry& entry = Find(text);
    if (!entry.laidOut) {
        QStaticText laidOut(text);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.prepare(QTransform(), font_);
        entry.laidOut = std::move(laidOut);
    }
    return *entry.laidOut;
}
