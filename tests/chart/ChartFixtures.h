#pragma once
// The program's two charts built as its form layout builds them, filled as its handlers fill them,
// and text sizes that do not depend on the fonts installed.

#include "chart/ChartText.h"
#include "chartcontrol/ChartControl.h"
#include "support/LayoutValues.h"

#include <QImage>
#include <QStringList>
#include <memory>

namespace chart_test {

inline const QString kTitle = QStringLiteral("Графік попиту і пропозиції");
constexpr TColor kBlue = RGBColor(68, 102, 163);
constexpr TColor kOrange = RGBColor(243, 156, 53);
constexpr int kImageWidth = 517;
constexpr int kImageHeight = 250;

using namespace layout_values;

// Every character 7 pixels wide, every line 13 high.
class FixedMetrics final : public TTextMetrics {
public:
    int Width(const QString& text) const override { return 7 * static_cast<int>(text.size()); }
    int Height() const override { return 13; }
};

// The chart properties the layout writes, in its order, for Chart1 (with PrintMargins) or Chart2.
inline TChart* NewChartAsLayout(TComponent* owner, const char* name, bool printMargins) {
    auto* chart = new TChart(owner);
    chart->SetName(QString::fromLatin1(name));
    SetLayoutProperty(*chart, QStringLiteral("Left"), Int(3));
    SetLayoutProperty(*chart, QStringLiteral("Top"), Int(0));
    SetLayoutProperty(*chart, QStringLiteral("Width"), Int(kImageWidth));
    SetLayoutProperty(*chart, QStringLiteral("Height"), Int(kImageHeight));
    SetLayoutProperty(*chart, QStringLiteral("Title.Text.Strings"), Strings({kTitle}));
    SetLayoutProperty(*chart, QStringLiteral("View3D"), Bool(false));
    SetLayoutProperty(*chart, QStringLiteral("TabOrder"), Int(0));
    if (printMargins)
        SetLayoutProperty(*chart, QStringLiteral("PrintMargins"), List({"15", "22", "15", "22"}));
    SetLayoutProperty(*chart, QStringLiteral("ColorPaletteIndex"), Int(13));
    return chart;
}

inline void SetMarksLayout(TChartSeries& series, bool marks) {
    SetLayoutProperty(series, QStringLiteral("Marks.Visible"), Bool(marks));
    SetLayoutProperty(series, QStringLiteral("Marks.Arrow.Visible"), Bool(true));
    SetLayoutProperty(series, QStringLiteral("Marks.Callout.Brush.Color"), Ident("clBlack"));
    SetLayoutProperty(series, QStringLiteral("Marks.Callout.Arrow.Visible"), Bool(true));
}

inline void SetValueListLayout(TChartSeries& series, const char* yName) {
    SetLayoutProperty(series, QStringLiteral("XValues.Name"), Str("X"));
    SetLayoutProperty(series, QStringLiteral("XValues.Order"), Ident("loAscending"));
    SetLayoutProperty(series, QStringLiteral("YValues.Name"), Str(yName));
    SetLayoutProperty(series, QStringLiteral("YValues.Order"), Ident("loNone"));
}

inline TLineSeries* NewLineSeriesAsLayout(TComponent* owner, TChart* chart, int linePenColor,
                                          bool first) {
    auto* series = new TLineSeries(owner);
    SetMarksLayout(*series, false);
    if (first) {
        SetLayoutProperty(*series, QStringLiteral("Marks.Emboss.Color"), Int(8487297));
        SetLayoutProperty(*series, QStringLiteral("Marks.Shadow.Color"), Int(8684676));
    }
    SetLayoutProperty(*series, QStringLiteral("LinePen.Color"), Int(linePenColor));
    if (first) {
        SetLayoutProperty(*series, QStringLiteral("Pointer.Brush.Gradient.EndColor"),
                          Int(10708548));
        SetLayoutProperty(*series, QStringLiteral("Pointer.Gradient.EndColor"), Int(10708548));
    }
    SetLayoutProperty(*series, QStringLiteral("Pointer.InflateMargins"), Bool(true));
    SetLayoutProperty(*series, QStringLiteral("Pointer.Style"), Ident("psRectangle"));
    SetLayoutProperty(*series, QStringLiteral("Pointer.Visible"), Bool(false));
    SetValueListLayout(*series, "Y");
    chart->InsertChild(series);
    return series;
}

// Chart1 with Series1 and Series2, owned by `owner`.
inline TChart* NewLineChart(TComponent* owner) {
    TChart* chart = NewChartAsLayout(owner, "Chart1", true);
    NewLineSeriesAsLayout(owner, chart, 10708548, true);
    NewLineSeriesAsLayout(owner, chart, 3513587, false);
    return chart;
}

// Chart2 with Series3, owned by `owner`.
inline TChart* NewBarChart(TComponent* owner) {
    TChart* chart = NewChartAsLayout(owner, "Chart2", false);
    auto* series = new TBarSeries(owner);
    SetMarksLayout(*series, true);
    SetValueListLayout(*series, "Bar");
    chart->InsertChild(series);
    return chart;
}

inline int Qd(int price) {
    return 4750 - 350 * price;
}

inline int Qs(int price) {
    return 1600 + 100 * price;
}

// As the program fills the line chart: titles, clearing, then both series price by price.
inline void FillLines(TChart& chart, int lo = 0, int hi = 10) {
    chart.SeriesList()[0]->SetTitle(QStringLiteral("Qs"));
    chart.SeriesList()[1]->SetTitle(QStringLiteral("Qd"));
    chart.SeriesList()[0]->Clear();
    chart.SeriesList()[1]->Clear();
    for (int p = lo; p <= hi; ++p) {
        chart.SeriesList()[0]->AddXY(double(p), double(Qs(p)), QString(), clAutomaticSeriesColor);
        chart.SeriesList()[1]->AddXY(double(p), double(Qd(p)), QString(), clAutomaticSeriesColor);
    }
}

// As the program fills the bar chart for the prices of its two labels.
inline void FillBars(TChart& chart, int demandPrice, int supplyPrice) {
    chart.SeriesList()[0]->Clear();
    chart.SeriesList()[0]->Add(double(Qd(demandPrice)), QStringLiteral("Qd"),
                               clAutomaticSeriesColor);
    chart.SeriesList()[0]->Add(double(Qs(supplyPrice)), QStringLiteral("Qs"),
                               clAutomaticSeriesColor);
}

// The chart as it shows on screen, at the size the tests look at.
inline QImage Render(TChart& chart) {
    chart.resize(kImageWidth, kImageHeight);
    QImage image(kImageWidth, kImageHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    chart.render(&image);
    return image;
}

} // namespace chart_test
