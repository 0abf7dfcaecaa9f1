#pragma once
// Text as the chart lays it out: numbers in the chart's format and the size text takes.

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QLocale>
#include <QString>

// A value as marks, legends and axes show it: thousands grouped, up to three decimals.
QString ChartValueText(double value, const QLocale& locale);

// How much room text takes in the font it will be drawn in. Layout asks this instead of a painter
// so that it can be tested with fixed sizes.
class TTextMetrics {
public:
    virtual ~TTextMetrics() = default;
    virtual int Width(const QString& text) const = 0;
    virtual int Height() const = 0; // of one line
    // `text` whole when it is at most `width` wide, else its start followed by an ellipsis (empty
    // when not even the ellipsis fits). Cut at a whole character measured by Width().
    virtual QString Elide(const QString& text, int width) const;
};

// Measures with a font, remembering the widths it has measured: a chart measures the same few
// texts at every draw, and shaping them again would cost more than the rest of the layout.
class TFontTextMetrics final : public TTextMetrics {
public:
    explicit TFontTextMetrics(const QFont& font) : font_(font), metrics_(font) {}
    const QFont& Font() const { return font_; }
    int Width(const QString& text) const override;
    int Height() const override { return metrics_.height(); }
    QString Elide(const QString& text, int width) const override;

private:
    QFont font_;
    QFontMetrics metrics_;
    mutable QHash<QString, int> widths_;
};
