#include "chartcontrol/ChartControl.h"

#include "chart/ChartPainter.h"
#include "chart/ChartScene.h"
#include "components/PublishedProperties.h"
#include "gui/SystemColours.h"
#include "layout/LayoutValue.h"
#include "runtime/Exceptions.h"

#include <QPaintEvent>
#include <QPainter>
TChart::TChart(TComponent* AOwner) : TWinControl(AOwner) {
    SetTabStop(false);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted
}

TChart::~TChart() {
    // The series may outlive the chart; they must not report to it any more.
    for (TChartSeries* series : series_)
        series->chart_ = nullptr;
}

void TChart::AddSeries(TChartSeries* series) {
    if (series == nullptr || series_.IndexOf(series) >= 0)
        return;
    if (series->chart_ != nullptr)
        series->chart_->RemoveSeries(series);
    if (!series->HasStoredColor())
        series->AssignAutomaticColor(FreeSeriesColor(series));
    series->chart_ = this;
    series_.Add(series);
    update();
}

void TChart::RemoveSeries(TChartSeries* series) {
    if (series_.IndexOf(series) < 0)
        return;
    series_.Remove(series);
    series->chart_ = nullptr;
    update();
}

TColor TChart::FreeSeriesColor(const TChartSeries* series) const {
    std::vector<TColor> taken;
    for (const TChartSeries* other : series_)
        if (other != series)
            taken.push_back(other->SeriesColor());
    return ChooseSeriesColor(ColorPalette(), taken, settings_.color, settings_.backWallColor);
}

void TChart::SeriesChanged(TChartSeries*) {
    update();
}

void TChart::SetTitleText(const QStringList& lines) {
    settings_.title = lines;
    update();
}

void TChart::SetColor(TColor color) {
    settings_.color = color;
    update();
}

void TChart::SetBackWallColor(TColor color) {
    settings_.backWallColor = color;
    update();
}

const std::vector<TColor>& TChart::ColorPalette() const {
    return ::ColorPalette(paletteIndex_);
}

void TChart::SetColorPaletteIndex(int index) {
    if (index == paletteIndex_)
        return;
    ::ColorPalette(index); // throws before anything changes
    paletteIndex_ = index;
    for (TChartSeries* series : series_)
        if (!series->HasStoredColor())
            series->AssignAutomaticColor(FreeSeriesColor(series));
    update();
}

TChartScene TChart::Scene(const QRect& bounds) const {
    if (!texts_ || texts_->Font() != font())
        texts_ = std::make_unique<TFontTextMetrics>(font());
    return BuildChartScene(settings_, series_, bounds, *texts_, QLocale(), CurrentSystemColours());
}

void TChart::Draw(QPainter& painter, const QRect& bounds) const {
    const TChartScene scene = Scene(bounds); // lays out the texts in the current font
    PaintChartScene(painter, scene, *texts_);
}

void TChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Draw(painter, rect());
}

const TPropertyTable& TChart::PublishedProperties() const {
    static const TPropertyTable table =
        TClassProperties<TChart>(TWinControl::PublishedProperties())
            .Strings("Title.Text.Strings", &TChart::SetTitleText)
            .Integer("ColorPaletteIndex",
                     [](TChart& chart, int index) {
                         if (!HasColorPalette(index))
                             ThrowInvalidValue(QStringLiteral("ColorPaletteIndex"),
                                               QString::number(index));
                         chart.SetColorPaletteIndex(index);
                     })
            .Colour("Color", &TChart::SetColor)
            .Colour("BackWall.Color", &TChart::SetBackWallColor);
    return table;
}

void TChart::InsertChild(TComponent* child) {
    if (auto* series = dynamic_cast<TChartSeries*>(child))
        AddSeries(series);
    else
        TWinControl::InsertChild(child);
}
