#pragma once
// The chart control: holds its series in the order they joined, picks their colours from its
// palette and draws them flat, with title, legend, axes and marks.

#include "chart/ChartPalette.h"
#include "chart/ChartSeries.h"
#include "chart/ChartSettings.h"
#include "gui/Control.h"

#include <QStringList>
#include <memory>
#include <vector>

class QPainter;
struct TChartScene;
class TFontTextMetrics;

class TChart : public TWinControl, public TChartSeriesHost {
    Q_OBJECT
    SD_COMPONENT_CLASS(TChart)
public:
    explicit TChart(TComponent* AOwner);
    ~TChart() override;

    // Series.
    const TChartSeriesList& SeriesList() const { return series_; }
    // Joins `series` at the end of the list, unless it is there already; a series without a stored
    // colour first takes the palette's next free colour.
    void AddSeries(TChartSeries* series);
    void RemoveSeries(TChartSeries* series) override;

    // Settings.
    const QStringList& TitleText() const { return settings_.title; }
    void SetTitleText(const QStringList& lines);
    TColor Color() const { return settings_.color; }
    void SetColor(TColor color);
    TColor BackWallColor() const { return settings_.backWallColor; }
    void SetBackWallColor(TColor color);
    // Writing another index re-colours every series without a stored colour; unknown indexes throw.
    int ColorPaletteIndex() const { return paletteIndex_; }
    void SetColorPaletteIndex(int index);
    const std::vector<TColor>& ColorPalette() const;

    // The frame as it would be painted into `bounds` now; painting draws exactly this.
    TChartScene Scene(const QRect& bounds) const;
    void Draw(QPainter& painter, const QRect& bounds) const;

    const TPropertyTable& PublishedProperties() const override;
    void InsertChild(TComponent* child) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void SeriesChanged(TChartSeries* series) override; // marks the chart for redrawing

private:
    TColor FreeSeriesColor(const TChartSeries* series) const;

    TChartSeriesList series_;
    TChartSettings settings_;
    int paletteIndex_ = DefaultColorPaletteIndex;
    // Text laid out for earlier draws, kept while the font stays.
    mutable std::unique_ptr<TFontTextMetrics> texts_; // null until the first draw
};
