#pragma once
// The data of a chart: series of points and the list a chart keeps them in. Plain data only; how
// a series looks is decided in ChartScene and drawn in ChartPainter.

#include "components/Component.h"
#include "runtime/Colour.h"

#include <QString>
#include <algorithm>
#include <iterator>
#include <optional>
#include <span>
#include <vector>

// Passed as a point's colour: the point keeps no colour of its own and shows its series' colour.
constexpr TColor clAutomaticSeriesColor = 0x20000000;

enum class TChartListOrder { loNone, loAscending, loDescending };

// What a series draws, and so which legend symbol stands for it.
enum class TSeriesKind { Line, Bar };

struct TValueRange {
    double min = 0.0;
    double max = 0.0;
    friend bool operator==(const TValueRange&, const TValueRange&) = default;
};

// One column of a series' points (x, y, labels or colours), in point order. Free room is kept in
// front of the first point, as a vector keeps it behind the last, so that a point added at either
// end costs no more than an append, and one added inside moves the points on its shorter side.
template <typename T> class TPointColumn {
public:
    std::size_t size() const { return items_.size() - first_; }
    std::span<const T> View() const { return std::span<const T>(items_).subspan(first_); }
    const T& operator[](std::size_t index) const { return items_[first_ + index]; }
    void Insert(std::size_t index, T value);
    void Clear() {
        items_.clear();
        first_ = 0;
    }

private:
    std::vector<T> items_; // the free room in front, then the points
    std::size_t first_ = 0;
};

template <typename T> void TPointColumn<T>::Insert(std::size_t index, T value) {
    const std::size_t count = size();
    if (index >= count - index) { // nearer the end
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(first_ + index),
                      std::move(value));
        return;
    }
    if (first_ == 0) {
        // Room in front for as many points again as there are.
        const std::size_t room = std::max<std::size_t>(count, 8);
        std::vector<T> grown;
        grown.reserve(room + count);
        grown.resize(room);
        grown.insert(grown.end(), std::make_move_iterator(items_.begin()),
                     std::make_move_iterator(items_.end()));
        items_ = std::move(grown);
        first_ = room;
    }
    const auto begin = items_.begin() + static_cast<std::ptrdiff_t>(first_);
    std::move(begin, begin + static_cast<std::ptrdiff_t>(index), begin - 1);
    --first_;
    items_[first_ + index] = std::move(value);
}

// The values of one dimension of a series' points, in point order.
class TChartValueList {
public:
    int Count() const { return static_cast<int>(values_.size()); }
    double operator[](int index) const; // throws Exception when out of bounds
    std::span<const double> Values() const { return values_.View(); }

    // Where AddXY puts a point; only the x values' order is used.
    TChartListOrder Order() const { return order_; }
    void SetOrder(TChartListOrder order) { order_ = order; }

    // Smallest and largest of the finite values; nothing when there is none.
    std::optional<TValueRange> FiniteRange() const;

private:
    friend class TChartSeries;
    TPointColumn<double> values_;
    TChartListOrder order_ = TChartListOrder::loAscending;
};

// The marks a series can show beside its points.
struct TSeriesMarks {
    bool visible = false;
    bool arrowVisible = true;
    int arrowLength = 20;               // pixels between the point and its mark
    TColor color = clInfoBk;            // the box
    TColor calloutBrushColor = clBlack; // the line joining mark and point
};

class TChartSeries;

// The chart a series has joined, as the series sees it.
class TChartSeriesHost {
public:
    virtual void SeriesChanged(TChartSeries* series) = 0; // marks the chart for redrawing
    virtual void RemoveSeries(TChartSeries* series) = 0;

protected:
    ~TChartSeriesHost() = default;
};

class TChartSeries : public TComponent {
    SD_COMPONENT_CLASS(TChartSeries)
public:
    explicit TChartSeries(TComponent* AOwner);
    ~TChartSeries() override;

    virtual TSeriesKind Kind() const = 0;
    virtual bool YMandatory() const { return true; } // y is the value, x its position
    TChartSeriesHost* ParentChart() const { return chart_; }

    // Appearance. A series joins a chart with the chart's next free palette colour unless one was
    // stored through SetSeriesColor.
    const QString& Title() const { return title_; }
    void SetTitle(const QString& title);
    bool Active() const { return active_; }
    void SetActive(bool active);
    TColor SeriesColor() const { return color_; }
    bool HasStoredColor() const { return colorStored_; }
    void SetSeriesColor(TColor color);
    bool ColorEachPoint() const { return false; }
    const TSeriesMarks& Marks() const { return marks_; }
    void SetMarks(const TSeriesMarks& marks);

    // Points, in index order.
    int Count() const { return xValues_.Count(); }
    const TChartValueList& XValues() const { return xValues_; }
    TChartValueList& XValues() { return xValues_; }
    const TChartValueList& YValues() const { return yValues_; }
    TChartValueList& YValues() { return yValues_; }
    const QString& Label(int index) const; // empty for none
    bool HasOwnColor(int index) const;
    TColor ValueColor(int index) const; // the own colour, else the series colour
    bool HasLabels() const { return labelledCount_ > 0; }
    bool HasOwnColors() const { return ownColorCount_ > 0; }

    // Adds a point where XValues().Order() puts it and returns its index: behind the points whose
    // x sorts no later, with a NaN x behind every number.
    int AddXY(double AXValue, double AYValue, const QString& ALabel = QString(),
              TColor AColor = clAutomaticSeriesColor);
    // A point at x = Count().
    int Add(double AValue, const QString& ALabel = QString(),
            TColor AColor = clAutomaticSeriesColor);
    void Clear();

    const TPropertyTable& PublishedProperties() const override;

protected:
    void Changed(); // the chart redraws when next painted

private:
    friend class TChart; // joins the series and gives it its palette colour
    void AssignAutomaticColor(TColor color);
    void CheckIndex(int index) const;
    int InsertionIndex(double x) const;

    TChartSeriesHost* chart_ = nullptr;
    QString title_;
    bool active_ = true;
    TColor color_ = clBlack;
    bool colorStored_ = false;
    TSeriesMarks marks_;

    TChartValueList xValues_;
    TChartValueList yValues_;
    TPointColumn<QString> labels_;
    TPointColumn<TColor> colors_; // clAutomaticSeriesColor where a point has none
    int labelledCount_ = 0;
    int ownColorCount_ = 0;
};

class TLineSeries : public TChartSeries {
    SD_COMPONENT_CLASS(TLineSeries)
public:
    explicit TLineSeries(TComponent* AOwner) : TChartSeries(AOwner) {}
    TSeriesKind Kind() const override { return TSeriesKind::Line; }
};

class TBarSeries : public TChartSeries {
    SD_COMPONENT_CLASS(TBarSeries)
public:
    explicit TBarSeries(TComponent* AOwner) : TChartSeries(AOwner) {}
    TSeriesKind Kind() const override { return TSeriesKind::Bar; }

    int BarWidthPercent() const { return barWidthPercent_; } // of the width that falls to a bar
    void SetBarWidthPercent(int percent);
    // Bars rise from YOrigin when UseYOrigin is set, which keeps the origin on the value axis.
    double YOrigin() const { return yOrigin_; }
    void SetYOrigin(double origin);
    bool UseYOrigin() const { return useYOrigin_; }
    void SetUseYOrigin(bool use);

    const TPropertyTable& PublishedProperties() const override;

private:
    int barWidthPercent_ = 70;
    double yOrigin_ = 0.0;
    bool useYOrigin_ = true;
};

// A chart's series in the order they joined it; a series is held once.
class TChartSeriesList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    std::size_t size() const { return items_.size(); } // for code that treats it as a range
    TChartSeries* operator[](int index) const { return Items(index); }
    TChartSeries* Items(int index) const;          // throws Exception when out of bounds
    int IndexOf(const TChartSeries* series) const; // -1 when not held
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool Add(TChartSeries* series); // false when already held
    void Remove(TChartSeries* series);

private:
    std::vector<TChartSeries*> items_;
};

// The message of an index outside a list, as every list of the component reports it.
[[noreturn]] void ThrowListIndexError(int index);
