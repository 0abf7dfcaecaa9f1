#include "gui/Control.h"

#include "gui/ResolutionScaling.h"
#include "layout/LayoutValue.h"

#include "runtime/Exceptions.h"

#include <QResizeEvent>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

TControl::TControl(TComponent* AOwner) : QWidget(nullptr), TComponent(AOwner) {
    setFocusPolicy(Qt::NoFocus);
}

TControl::~TControl() {
    if (parent_ != nullptr) {
        auto& siblings = parent_->controls_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

void TControl::SetParent(TWinControl* parent) {
    if (parent_ == parent)
        return;
    if (parent_ != nullptr) {
        auto& siblings = parent_->controls_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    parent_ = parent;
    const QRect bounds = geometry();
    setParent(parent);
    setGeometry(bounds);
    if (parent_ != nullptr) {
        parent_->controls_.push_back(this);
        setVisible(true); // shown with its parent
        parent_->AlignControls();
    }
}

void TControl::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, std::max(0, width), std::max(0, height));
}

void TControl::SetAlign(TAlign align) {
    align_ = align;
    if (parent_ != nullptr)
        parent_->AlignControls();
}

void TControl::SetTabStop(bool on) {
    tabStop_ = on;
    // TabStop is about the Tab key only. A click focuses only the widget that takes the input (the
    // last of the focus proxies); were this control or a container between it and that widget to
    // take a click, every click falling through a passive child (a chart, a label, the empty part
    // of a page) would pull the focus onto it.
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
    // A control whose focus sits on an inner widget has to hand the setting on, or the Tab key
    // would still find (or still miss) the inner widget.
    QWidget* inner = focusProxy();
    while (inner != nullptr && inner->focusProxy() != nullptr) {
        inner->setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
        inner = inner->focusProxy();
    }
    if (inner != nullptr)
        inner->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void TControl::ScaleBy(int M, int D) {
    const int left = MulDiv(Left(), M, D);
    const int top = MulDiv(Top(), M, D);
    SetBounds(left, top, MulDiv(Left() + Width(), M, D) - left,
              MulDiv(Top() + Height(), M, D) - top);
}

void TControl::SetProperty(const QString& name, const TLayoutValue& value) {
    if (name == QLatin1String("Left"))
        SetBounds(value.AsInt(name), Top(), Width(), Height());
    else if (name == QLatin1String("Top"))
        SetBounds(Left(), value.AsInt(name), Width(), Height());
    else if (name == QLatin1String("Width"))
        SetBounds(Left(), Top(), value.AsInt(name), Height());
    else if (name == QLatin1String("Height"))
        SetBounds(Left(), Top(), Width(), value.AsInt(name));
    else if (name == QLatin1String("TabOrder"))
        SetTabOrder(value.AsInt(name));
    else if (name == QLatin1String("TabStop"))
        SetTabStop(value.AsBool(name));
    else if (name == QLatin1String("Visible"))
        setVisible(value.AsBool(name));
    else if (name == QLatin1String("Align"))
        SetAlign(value.AsEnum<TAlign>(
            name, {{"alNone", TAlign::alNone}, {"alClient", TAlign::alClient}}));
    else if (name.startsWith(QLatin1String("Explicit"))) {
        // Sizes recorded while the layout was designed; they mean nothing in the running window.
        value.AsInt(name);
    } else
        TComponent::SetProperty(name, value);
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
    // Children still here are destroyed with the widget after this list is gone.
    for (TControl* child : controls_)
        child->parent_ = nullptr;
}

void TWinControl::Repaint() {
    if (isVisible())
        repaint();
    else
        update();
}

void TWinControl::ScaleBy(int M, int D) {
    TControl::ScaleBy(M, D);
    for (TControl* child : controls_)
        child->ScaleBy(M, D);
}

void TWinControl::InsertChild(TComponent* child) {
    if (auto* control = dynamic_cast<TControl*>(child)) {
        control->SetParent(this);
        return;
    }
    TControl::InsertChild(child);
}

void TWinControl::AlignControls() {
    const QRect client = ClientRect();
    for (TControl* child : controls_)
        if (child->Align() == TAlign::alClient)
            child->setGeometry(client);
}

void TWinControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    AlignControls();
}
