#pragma once
// Common controls: a page control whose tab sheets share one display area, and a track bar.

#include "gui/Controls.h"

#include <vector>

class QTabWidget;
class TTabSheet;
class TrackBarSlider;
class ThumbStyle;

class TPageControl : public TWinControl {
    Q_OBJECT
    SD_COMPONENT_CLASS(TPageControl)
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override; // destroys the pages still on it
    Q_DISABLE_COPY_MOVE(TPageControl)

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }

    // The page on show; null only while there are no pages. Switching pages raises no event.
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet* page); // pages of other page controls and null are ignored
    int ActivePageIndex() const;         // -1 without pages
    void SetActivePageIndex(int index);  // out of range: ignored

    // Where the tab of page `index` is, in this control's client coordinates.
    QRect TabRect(int index) const;

    void InsertChild(TComponent* child) override; // a tab sheet becomes the next page
    void SetProperty(const QString& name, const TLayoutValue& value) override;
    void Loaded() override; // names the active page: the layout makes the pages after this

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TTabSheet;
    void AddPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void UpdateTab(const TTabSheet* page);

    QTabWidget* tabs_ = nullptr;
    std::vector<TTabSheet*> pages_; // in tab order, which is the order they joined
    QString activePageName_;        // from the layout, until Loaded
};

// One page of a page control. Its children stay where the layout puts them: the page neither moves
// nor stretches them when it resizes with the page control.
class TTabSheet : public TWinControl {
    Q_OBJECT
    SD_COMPONENT_CLASS(TTabSheet)
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;
    Q_DISABLE_COPY_MOVE(TTabSheet)

    const QString& Caption() const { return caption_; } // the tab's text
    void SetCaption(const QString& caption);
    int ImageIndex() const { return imageIndex_; } // kept only: the page control has no images
    void SetImageIndex(int index) { imageIndex_ = index; }

    TPageControl* PageControl() const { return pageControl_; }
    int PageIndex() const; // -1 while on no page control

    // The page control sizes the page; only the children follow the scale.
    void ScaleBy(int M, int D) override;

    void SetProperty(const QString& name, const TLayoutValue& value) override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    QString caption_;
    int imageIndex_ = 0;
};

enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum class TTickStyle { tsNone, tsAuto, tsManual };

// A horizontal slider over a range of whole numbers.
class TTrackBar : public TWinControl {
    Q_OBJECT
    SD_COMPONENT_CLASS(TTrackBar)
public:
    explicit TTrackBar(TComponent* AOwner);
    ~TTrackBar() override;
    Q_DISABLE_COPY_MOVE(TTrackBar)

    int Position() const;
    void SetPosition(int position); // clamped into Min..Max
    int Min() const;
    void SetMin(int min); // a Max below it is raised to it
    int Max() const;
    void SetMax(int max); // a Min above it is lowered to it
    int LineSize() const; // the step of the arrow keys, default 1
    void SetLineSize(int size);
    int PageSize() const; // the step of Page Up/Down and of a click beside the thumb, default 2
    void SetPageSize(int size);
    int Frequency() const { return frequency_; } // positions between tick marks, default 1
    void SetFrequency(int frequency);
    TTickMark TickMarks() const { return tickMarks_; }
    void SetTickMarks(TTickMark marks);
    TTickStyle TickStyle() const { return tickStyle_; }
    void SetTickStyle(TTickStyle style);
    int ThumbLength() const { return thumbLength_; } // pixels across the channel, default 20
    void SetThumbLength(int length);

    // In this control's client coordinates.
    QRect ThumbRect() const;
    QRect ChannelRect() const;

    // Raised after every change of Position the user makes (each step of a key or of a click
    // beside the thumb, each move of a drag) and once more when a drag of the thumb ends; after a
    // change made in code only if Position itself changed. Position already holds the new value.
    TNotifyEvent OnChange;

    void SetProperty(const QString& name, const TLayoutValue& value) override;
    void SetEvent(const QString& name, const TNotifyEvent& handler) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Changed();
    void ApplyTicks();

    TrackBarSlider* slider_ = nullptr;
    ThumbStyle* style_ = nullptr;
    int frequency_ = 1;
    TTickMark tickMarks_ = TTickMark::tmBottomRight;
    TTickStyle tickStyle_ = TTickStyle::tsAuto;
    int thumbLength_ = 20;
    int quiet_ = 0; // while the layout sets values, nothing is raised
};
