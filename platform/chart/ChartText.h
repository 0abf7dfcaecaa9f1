#pragma once
// Text as the chart lays it out: numbers in the chart's format and the size text takes.

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QLocale>
#include <QStaticText>
#include <QString>
#include <optional>

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

// Text in one font, measured and laid out once and then remembered: a chart measures and draws the
// same few texts at every draw, and shaping them again would cost more than the rest of the frame.
class TFontTextMetrics final : public TTextMetrics {
public:
    explicit TFontTextMetrics(const QFont& font) : font_(font), metrics_(font) {}
    const QFont& Font() const { return font_; }
    int Width(const QString& text) const override;
    int Height() const override { return metrics_.height(); }
    QString Elide(const QString& text, int width) const override;
    // The text laid out for drawing in the font.
    const QStaticText& LaidOut(const QString& text) const;

private:
    struct Entry {
        int width = 0;
        std::optional<QStaticText> laidOut; // made at the first draw
    };
    Entry& Find(const QString& text) const;

    QFont font_;
    QFontMetrics metrics_;
    mutable QHash<QString, Entry> texts_;
};
