#include "gui/Label.h"

#include "components/PublishedProperties.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

TLabel::TLabel(TComponent* AOwner) : TControl(AOwner) {
    setFocusPolicy(Qt::NoFocus);
    resize(65, 17);
}

void TLabel::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
    AdjustBounds();
}

void TLabel::SetAutoSize(bool on) {
    if (on == autoSize_)
        return;
    autoSize_ = on;
    AdjustBounds();
}

void TLabel::SetParent(TWinControl* parent) {
    TControl::SetParent(parent);
    AdjustBounds();
}

void TLabel::ScaleBy(int M, int D) {
    TControl::ScaleBy(M, D);
    AdjustBounds();
}

const TPropertyTable& TLabel::PublishedProperties() const {
    static const TPropertyTable table = TClassProperties<TLabel>(TControl::PublishedProperties())
                                            .String("Caption", &TLabel::SetCaption)
                                            .Boolean("AutoSize", &TLabel::SetAutoSize);
    return table;
}

void TLabel::Loaded() {
    TControl::Loaded();
    AdjustBounds();
}

void TLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption_);
}

void TLabel::changeEvent(QEvent* event) {
    TControl::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        AdjustBounds();
}

void TLabel::AdjustBounds() {
    if (!autoSize_)
        return;
    ++measureCount_;
    const QFontMetrics metrics(font());
    SetBounds(Left(), Top(), metrics.horizontalAdvance(caption_), metrics.height());
}
