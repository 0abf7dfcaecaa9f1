#pragma once
// A track bar: a horizontal slider over a range of whole numbers.

#include "gui/Control.h"

class TrackBarSlider;
class ThumbStyle;

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

    const TPropertyTable& PublishedProperties() const override;

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
