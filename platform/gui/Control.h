#pragma once
// Visible components: a control is a widget placed in a windowed parent at a position and size in
// the parent's client coordinates.

#include "components/Component.h"

#include <QWidget>

// Where a control stands in its parent: where the layout puts it, or over the whole client area.
enum class TAlign { alNone, alClient };

class TWinControl;

class TControl : public QWidget, public TComponent {
    Q_OBJECT
    SD_COMPONENT_CLASS(TControl)
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;
    Q_DISABLE_COPY_MOVE(TControl)

    // Where the control is placed and painted; see Component.h for who frees what.
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return geometry().x(); }
    int Top() const { return geometry().y(); }
    int Width() const { return geometry().width(); }
    int Height() const { return geometry().height(); }
    void SetBounds(int left, int top, int width, int height);

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    int TabOrder() const { return tabOrder_; } // rank among the siblings that take the focus
    void SetTabOrder(int order) { tabOrder_ = order; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on);

    friend class TWinControl;

public:
    // Resolution scaling of the layout: every edge moves to MulDiv(edge, M, D), so edges that meet
    // go on meeting. Windowed controls scale their children too.
    virtual void ScaleBy(int M, int D);

    const TPropertyTable& PublishedProperties() const override;

protected:
    void changeEvent(QEvent* event) override; // follows a re-parent that Qt made

private:
    // A control is placed with SetParent; QWidget::setParent would bypass the parent's list.
    using QWidget::setParent;
    void Detach(); // off the parent's list of controls

    TWinControl* parent_ = nullptr;
    TAlign align_ = TAlign::alNone;
    int tabOrder_ = -1;
    bool tabStop_ = false;
};

class TWinControl : public TControl {
    Q_OBJECT
    SD_COMPONENT_CLASS(TWinControl)
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }

    // Paints the control now if it is on screen; otherwise it is painted when it next shows.
    void Repaint();

    void ScaleBy(int M, int D) override;
    void InsertChild(TComponent* child) override;

    // The area children are aligned in, in client coordinates.
    virtual QRect ClientRect() const { return rect(); }

protected:
    void AlignControls();
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TControl;
    std::vector<TControl*> controls_; // in the order they were placed
};
