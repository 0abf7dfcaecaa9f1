#include "gui/Control.h"

#include "components/PublishedProperties.h"
#include "gui/ResolutionScaling.h"

#include <QEvent>
#include <QResizeEvent>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

TControl::TControl(TComponent* AOwner) : QWidget(nullptr), TComponent(AOwner) {
    setFocusPolicy(Qt::NoFocus);
}

TControl::~TControl() {
    Detach();
}

void TControl::Detach() {
    if (parent_ != nullptr) {
        auto& siblings = parent_->controls_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    parent_ = nullptr;
}

void TControl::SetParent(TWinControl* parent) {
    if (parent_ == parent)
        return;
    Detach();
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

void TControl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ParentChange)
        return;
    // The parent is the nearest control above the widget; SetParent has already made it so, and a
    // widget parent inside the parent control (a page control's tab widget) keeps it.
    TWinControl* parent = nullptr;
    for (QWidget* above = parentWidget(); above != nullptr && parent == nullptr;
         above = above->parentWidget())
        parent = dynamic_cast<TWinControl*>(above);
    if (parent == parent_)
        return;
    Detach();
    parent_ = parent;
    if (parent_ != nullptr) {
        parent_->controls_.push_back(this);
        parent_->AlignControls();
    }
}

const TPropertyTable& TControl::PublishedProperties() const {
    static const TPropertyTable table =
        TClassProperties<TControl>(TComponent::PublishedProperties())
            .Integer("Left", [](TControl& c,
                                int left) { c.SetBounds(left, c.Top(), c.Width(), c.Height()); })
            .Integer("Top", [](TControl& c,
                               int top) { c.SetBounds(c.Left(), top, c.Width(), c.Height()); })
            .Integer("Width", [](TControl& c,
                                 int width) { c.SetBounds(c.Left(), c.Top(), width, c.Height()); })
            .Integer(
                "Height",
                [](TControl& c, int height) { c.SetBounds(c.Left(), c.Top(), c.Width(), height); })
            .Integer("TabOrder", &TControl::SetTabOrder)
            .Boolean("TabStop", &TControl::SetTabStop)
            .Boolean("Visible", [](TControl& c, bool on) { c.setVisible(on); })
            .Enumeration<TAlign>("Align", &TControl::SetAlign,
                                 {{"alNone", TAlign::alNone}, {"alClient", TAlign::alClient}});
    return table;
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
