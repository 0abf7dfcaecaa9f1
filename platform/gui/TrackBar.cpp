#include "gui/TrackBar.h"

#include "components/PublishedProperties.h"
#include "gui/Application.h"

#include <QApplication>
#include <QBasicTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTimerEvent>
#include <QWheelEvent>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

// The thumb's size comes from the track bar rather than from the style, and the left button
// never jumps the thumb to the mouse: a press beside it pages, as the track bar handles itself.
class ThumbStyle : public QProxyStyle {
public:
    explicit ThumbStyle(QObject* owner) : QProxyStyle(QApplication::style()->name()) {
        setParent(owner);
    }

    int thumbLength = 20;

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
        case PM_SliderThickness:
        case PM_SliderControlThickness:
            return thumbLength;
        case PM_SliderLength:
            return thumbLength / 2 + 1;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    // The track bars show no selection range, yet some styles (Fusion among them) fill the
    // channel from Min up to the thumb as if they did. So the channel is drawn on its own as it
    // looks with the thumb at Min, where no part of it comes before the thumb, and the thumb and
    // the ticks are drawn over it as usual.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_Slider || slider == nullptr || !(slider->subControls & SC_SliderGroove)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        QStyleOptionSlider channel = *slider;
        channel.subControls = SC_SliderGroove;
        channel.activeSubControls = SC_None;
        channel.sliderPosition = channel.minimum;
        channel.sliderValue = channel.minimum;
        QProxyStyle::drawComplexControl(control, &channel, painter, widget);
        QStyleOptionSlider rest = *slider;
        rest.subControls &= ~SC_SliderGroove;
        QProxyStyle::drawComplexControl(control, &rest, painter, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        switch (hint) {
        case SH_Slider_AbsoluteSetButtons:
            return Qt::NoButton;
        case SH_Slider_PageSetButtons:
            return Qt::LeftButton;
        default:
            return QProxyStyle::styleHint(hint, option, widget, returnData);
        }
    }
};

// The slider inside a track bar: its keys and a press beside the thumb work the same under every
// style, and it reports the geometry of its thumb and channel.
class TrackBarSlider : public QSlider {
public:
    explicit TrackBarSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {}

    QRect SubControlRect(QStyle::SubControl control, const QRect& area) const {
        QStyleOptionSlider option;
        initStyleOption(&option);
        option.rect = area;
        return style()->subControlRect(QStyle::CC_Slider, &option, control, this);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        SliderAction action = SliderNoAction;
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            action = SliderSingleStepSub;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            action = SliderSingleStepAdd;
            break;
        case Qt::Key_PageUp:
            action = SliderPageStepSub;
            break;
        case Qt::Key_PageDown:
            action = SliderPageStepAdd;
            break;
        case Qt::Key_Home:
            action = SliderToMinimum;
            break;
        case Qt::Key_End:
            action = SliderToMaximum;
            break;
        default:
            event->ignore(); // Ctrl+Tab and the like belong to the page control
            return;
        }
        event->accept();
        triggerAction(action);
    }

    // A notch of the wheel is a press of the arrow key it points at: up (or tilted left) one line
    // toward Min, down (or right) toward Max, in whole notches however finely the wheel reports
    // them. The direction follows the wheel the hand turns, not the system's choice of scrolling
    // direction, as the thumb is what moves. The track bar keeps every turn, at the ends too, so
    // nothing around it scrolls instead.
    void wheelEvent(QWheelEvent* event) override {
        event->accept();
        const std::int64_t across = event->angleDelta().x();
        const std::int64_t along = event->angleDelta().y();
        std::int64_t turn = std::abs(along) >= std::abs(across) ? along : across;
        if (event->inverted())
            turn = -turn;
        if (turn == 0)
            return;
        if ((turn > 0) != (wheelTurned_ > 0))
            wheelTurned_ = 0; // a turn back forgets the part notch the other way
        wheelTurned_ += turn;
        std::int64_t notches = wheelTurned_ / QWheelEvent::DefaultDeltasPerStep;
        wheelTurned_ %= QWheelEvent::DefaultDeltasPerStep;
        const SliderAction step = notches > 0 ? SliderSingleStepSub : SliderSingleStepAdd;
        for (notches = std::abs(notches); notches > 0; --notches) {
            const int before = value();
            triggerAction(step);
            if (value() == before)
                break; // at the end of the range
        }
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton || paging_ != SliderNoAction || isSliderDown()) {
            event->accept();
            return;
        }
        const QPoint point = event->position().toPoint();
        const QRect thumb = SubControlRect(QStyle::SC_SliderHandle, rect());
        if (thumb.contains(point)) {
            QSlider::mousePressEvent(event); // a drag of the thumb
            return;
        }
        event->accept();
        pressX_ = point.x();
        paging_ = pressX_ < thumb.left() ? SliderPageStepSub : SliderPageStepAdd;
        triggerAction(paging_);
        // Held down, the press goes on paging until the thumb reaches it.
        pageRepeat_.start(kRepeatDelayMs, this);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (paging_ != SliderNoAction) {
            event->accept();
            if (event->button() == Qt::LeftButton) {
                pageRepeat_.stop();
                paging_ = SliderNoAction;
            }
            return;
        }
        QSlider::mouseReleaseEvent(event);
    }

    void timerEvent(QTimerEvent* event) override {
        if (event->timerId() != pageRepeat_.timerId()) {
            QSlider::timerEvent(event);
            return;
        }
        const QRect thumb = SubControlRect(QStyle::SC_SliderHandle, rect());
        const bool reached =
            paging_ == SliderPageStepAdd ? pressX_ <= thumb.right() : pressX_ >= thumb.left();
        const int before = value();
        if (!reached)
            triggerAction(paging_);
        if (reached || value() == before) {
            pageRepeat_.stop();
            return;
        }
        pageRepeat_.start(kRepeatIntervalMs, this);
    }

private:
    static constexpr int kRepeatDelayMs = 500;
    static constexpr int kRepeatIntervalMs = 100;

    QBasicTimer pageRepeat_;
    SliderAction paging_ = SliderNoAction;
    int pressX_ = 0;
    std::int64_t wheelTurned_ = 0; // the part of a notch the wheel has turned so far, up positive
};

TTrackBar::TTrackBar(TComponent* AOwner)
    : TWinControl(AOwner), slider_(new TrackBarSlider(this)), style_(new ThumbStyle(this)) {
    slider_->setStyle(style_);
    slider_->setRange(0, 10);
    slider_->setValue(0);
    slider_->setSingleStep(1);
    slider_->setPageStep(2);
    slider_->setTracking(true);
    slider_->setFocusPolicy(Qt::StrongFocus);
    ApplyTicks();
    setFocusProxy(slider_);
    SetTabStop(true);
    resize(150, 45);
    slider_->setGeometry(rect());
    // Qt reports an action before the value takes it; valueChanged comes after, so the handler
    // sees the new position.
    connect(slider_, &QAbstractSlider::valueChanged, this, &TTrackBar::Changed);
    connect(slider_, &QAbstractSlider::sliderReleased, this, &TTrackBar::Changed);
}

TTrackBar::~TTrackBar() {
    disconnect(slider_, nullptr, this, nullptr);
}

int TTrackBar::Position() const {
    return slider_->value();
}

void TTrackBar::SetPosition(int position) {
    slider_->setValue(std::clamp(position, Min(), Max()));
}

int TTrackBar::Min() const {
    return slider_->minimum();
}

void TTrackBar::SetMin(int min) {
    slider_->setMinimum(min);
    ApplyTicks();
}

int TTrackBar::Max() const {
    return slider_->maximum();
}

void TTrackBar::SetMax(int max) {
    slider_->setMaximum(max);
    ApplyTicks();
}

int TTrackBar::LineSize() const {
    return slider_->singleStep();
}

void TTrackBar::SetLineSize(int size) {
    slider_->setSingleStep(size);
}

int TTrackBar::PageSize() const {
    return slider_->pageStep();
}

void TTrackBar::SetPageSize(int size) {
    slider_->setPageStep(size);
}

void TTrackBar::SetFrequency(int frequency) {
    frequency_ = frequency;
    ApplyTicks();
}

void TTrackBar::SetTickMarks(TTickMark marks) {
    tickMarks_ = marks;
    ApplyTicks();
}

void TTrackBar::SetTickStyle(TTickStyle style) {
    tickStyle_ = style;
    ApplyTicks();
}

void TTrackBar::SetThumbLength(int length) {
    thumbLength_ = std::max(1, length);
    style_->thumbLength = thumbLength_;
    slider_->update();
}

QRect TTrackBar::ThumbRect() const {
    return slider_->SubControlRect(QStyle::SC_SliderHandle, rect());
}

QRect TTrackBar::ChannelRect() const {
    return slider_->SubControlRect(QStyle::SC_SliderGroove, rect());
}

const TPropertyTable& TTrackBar::PublishedProperties() const {
    // Values the layout sets raise nothing: Position, and the range that may move it.
    const auto quietly = [](void (TTrackBar::*set)(int)) {
        return [set](TTrackBar& bar, int value) {
            struct Quiet {
                int& depth;
                explicit Quiet(int& d) : depth(d) { ++depth; }
                ~Quiet() { --depth; }
                Quiet(const Quiet&) = delete;
                Quiet& operator=(const Quiet&) = delete;
            } quiet(bar.quiet_);
            (bar.*set)(value);
        };
    };
    static const TPropertyTable table =
        TClassProperties<TTrackBar>(TWinControl::PublishedProperties())
            .Integer("Position", quietly(&TTrackBar::SetPosition))
            .Integer("Min", quietly(&TTrackBar::SetMin))
            .Integer("Max", quietly(&TTrackBar::SetMax))
            .Integer("LineSize", &TTrackBar::SetLineSize)
            .Integer("PageSize", &TTrackBar::SetPageSize)
            .Integer("Frequency", &TTrackBar::SetFrequency)
            .Integer("ThumbLength", &TTrackBar::SetThumbLength)
            .Enumeration<TTickMark>("TickMarks", &TTrackBar::SetTickMarks,
                                    {{"tmBottomRight", TTickMark::tmBottomRight},
                                     {"tmTopLeft", TTickMark::tmTopLeft},
                                     {"tmBoth", TTickMark::tmBoth}})
            .Enumeration<TTickStyle>("TickStyle", &TTrackBar::SetTickStyle,
                                     {{"tsNone", TTickStyle::tsNone},
                                      {"tsAuto", TTickStyle::tsAuto},
                                      {"tsManual", TTickStyle::tsManual}})
            .Event("OnChange", &TTrackBar::OnChange);
    return table;
}

void TTrackBar::resizeEvent(QResizeEvent* event) {
    slider_->setGeometry(rect());
    TWinControl::resizeEvent(event);
}

void TTrackBar::Changed() {
    if (quiet_ > 0 || !OnChange || Application == nullptr)
        return;
    // A copy: the handler may assign OnChange while it runs.
    const TNotifyEvent handler = OnChange;
    Application->Dispatch(handler, this);
}

void TTrackBar::ApplyTicks() {
    QSlider::TickPosition where = QSlider::TicksBelow;
    if (tickMarks_ == TTickMark::tmTopLeft)
        where = QSlider::TicksAbove;
    else if (tickMarks_ == TTickMark::tmBoth)
        where = QSlider::TicksBothSides;
    int interval = std::max(1, frequency_);
    if (tickStyle_ == TTickStyle::tsNone) {
        where = QSlider::NoTicks;
    } else if (tickStyle_ == TTickStyle::tsManual) {
        // Only the ends carry a mark until ticks are placed one by one.
        const std::int64_t span = static_cast<std::int64_t>(Max()) - Min();
        interval = static_cast<int>(std::clamp<std::int64_t>(span, 1, INT_MAX));
    }
    slider_->setTickPosition(where);
    slider_->setTickInterval(interval);
}
