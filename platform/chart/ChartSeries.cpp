#include "chart/ChartSeries.h"

#include "components/PublishedProperties.h"
#include "runtime/Exceptions.h"

#include <algorithm>
#include <cmath>
#include <iterator>

void ThrowListIndexError(int index) {
    throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
}

double TChartValueList::operator[](int index) const {
    if (index < 0 || index >= Count())
        ThrowListIndexError(index);
    return values_[static_cast<std::size_t>(index)];
}

std::optional<TValueRange> TChartValueList::FiniteRange() const {
    std::optional<TValueRange> range;
    for (const double v : values_.View()) {
        if (!std::isfinite(v))
            continue;
        if (!range)
            range = TValueRange{v, v};
        else {
            range->min = std::min(range->min, v);
            range->max = std::max(range->max, v);
        }
    }
    return range;
}

TChartSeries::TChartSeries(TComponent* AOwner) : TComponent(AOwner) {}

TChartSeries::~TChartSeries() {
    if (chart_ != nullptr)
        chart_->RemoveSeries(this);
}

void TChartSeries::Changed() {
    if (chart_ != nullptr)
        chart_->SeriesChanged(this);
}

void TChartSeries::SetTitle(const QString& title) {
    if (title == title_)
        return;
    title_ = title;
    Changed();
}

void TChartSeries::SetActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    Changed();
}

void TChartSeries::SetSeriesColor(TColor color) {
    color_ = color;
    colorStored_ = true;
    Changed();
}

void TChartSeries::AssignAutomaticColor(TColor color) {
    color_ = color;
    colorStored_ = false;
    Changed();
}

void TChartSeries::SetMarks(const TSeriesMarks& marks) {
    marks_ = marks;
    Changed();
}

void TChartSeries::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        ThrowListIndexError(index);
}

const QString& TChartSeries::Label(int index) const {
    CheckIndex(index);
    return labels_[static_cast<std::size_t>(index)];
}

bool TChartSeries::HasOwnColor(int index) const {
    CheckIndex(index);
    return colors_[static_cast<std::size_t>(index)] != clAutomaticSeriesColor;
}

TColor TChartSeries::ValueColor(int index) const {
    return HasOwnColor(index) ? colors_[static_cast<std::size_t>(index)] : color_;
}

int TChartSeries::InsertionIndex(double x) const {
    const TChartListOrder order = xValues_.Order();
    if (order == TChartListOrder::loNone)
        return Count();
    // Whether `a` sorts before `b`. NaN has no place among numbers: it sorts behind all of them,
    // so that the numbers in front of it stay in order.
    const auto before = [order](double a, double b) {
        if (std::isnan(a))
            return false;
        if (std::isnan(b))
            return true;
        return order == TChartListOrder::loAscending ? a < b : a > b;
    };
    // Behind the last point that sorts no later, so that equal x values keep their order of
    // arrival. A plain binary search: on points left out of order (added while the order was
    // loNone) it still ends at an index in range.
    const TPointColumn<double>& xs = xValues_.values_;
    if (xs.size() == 0 || !before(x, xs[xs.size() - 1]))
        return Count(); // points mostly arrive in order
    std::size_t low = 0;
    std::size_t high = xs.size() - 1;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (before(x, xs[middle]))
            high = middle;
        else
            low = middle + 1;
    }
    return static_cast<int>(low);
}

int TChartSeries::AddXY(double AXValue, double AYValue, const QString& ALabel, TColor AColor) {
    const int index = InsertionIndex(AXValue);
    const auto at = static_cast<std::size_t>(index);
    xValues_.values_.Insert(at, AXValue);
    yValues_.values_.Insert(at, AYValue);
    labels_.Insert(at, ALabel);
    colors_.Insert(at, AColor);
    if (!ALabel.isEmpty())
        ++labelledCount_;
    if (AColor != clAutomaticSeriesColor)
        ++ownColorCount_;
    Changed();
    return index;
}

int TChartSeries::Add(double AValue, const QString& ALabel, TColor AColor) {
    return AddXY(static_cast<double>(Count()), AValue, ALabel, AColor);
}

void TChartSeries::Clear() {
    xValues_.values_.Clear();
    yValues_.values_.Clear();
    labels_.Clear();
    colors_.Clear();
    labelledCount_ = 0;
    ownColorCount_ = 0;
    Changed();
}

namespace {

// A setter of one field of the marks.
template <class T> auto SetMarksField(T TSeriesMarks::*field) {
    return [field](TChartSeries& series, T value) {
        TSeriesMarks marks = series.Marks();
        marks.*field = value;
        series.SetMarks(marks);
    };
}

} // namespace

const TPropertyTable& TChartSeries::PublishedProperties() const {
    const auto orders = {std::pair{"loNone", TChartListOrder::loNone},
                         std::pair{"loAscending", TChartListOrder::loAscending},
                         std::pair{"loDescending", TChartListOrder::loDescending}};
    static const TPropertyTable table =
        TClassProperties<TChartSeries>(TComponent::PublishedProperties())
            .Boolean("Marks.Visible", SetMarksField(&TSeriesMarks::visible))
            .Boolean("Marks.Arrow.Visible", SetMarksField(&TSeriesMarks::arrowVisible))
            .Integer("Marks.ArrowLength", SetMarksField(&TSeriesMarks::arrowLength))
            .Colour("Marks.Color", SetMarksField(&TSeriesMarks::color))
            .Colour("Marks.Callout.Brush.Color", SetMarksField(&TSeriesMarks::calloutBrushColor))
            .Enumeration<TChartListOrder>(
                "XValues.Order",
                [](TChartSeries& series, TChartListOrder order) {
                    series.XValues().SetOrder(order);
                },
                orders)
            .Enumeration<TChartListOrder>(
                "YValues.Order",
                [](TChartSeries& series, TChartListOrder order) {
                    series.YValues().SetOrder(order);
                },
                orders)
            .String("Title", &TChartSeries::SetTitle)
            .Boolean("Active", &TChartSeries::SetActive)
            .Colour("SeriesColor", &TChartSeries::SetSeriesColor);
    return table;
}

void TBarSeries::SetBarWidthPercent(int percent) {
    barWidthPercent_ = std::clamp(percent, 1, 100);
    Changed();
}

void TBarSeries::SetYOrigin(double origin) {
    yOrigin_ = origin;
    Changed();
}

void TBarSeries::SetUseYOrigin(bool use) {
    useYOrigin_ = use;
    Changed();
}

const TPropertyTable& TBarSeries::PublishedProperties() const {
    static const TPropertyTable table =
        TClassProperties<TBarSeries>(TChartSeries::PublishedProperties())
            .Integer("BarWidthPercent", &TBarSeries::SetBarWidthPercent)
            .Float("YOrigin", &TBarSeries::SetYOrigin)
            .Boolean("UseYOrigin", &TBarSeries::SetUseYOrigin);
    return table;
}

TChartSeries* TChartSeriesList::Items(int index) const {
    if (index < 0 || index >= Count())
        ThrowListIndexError(index);
    return items_[static_cast<std::size_t>(index)];
}

int TChartSeriesList::IndexOf(const TChartSeries* series) const {
    const auto found = std::find(items_.begin(), items_.end(), series);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

bool TChartSeriesList::Add(TChartSeries* series) {
    if (series == nullptr || IndexOf(series) >= 0)
        return false;
    items_.push_back(series);
    return true;
}

void TChartSeriesList::Remove(TChartSeries* series) {
    items_.erase(std::remove(items_.begin(), items_.end(), series), items_.end());
}
