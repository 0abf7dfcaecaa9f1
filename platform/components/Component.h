#pragma once
// Objects, owned components and notification events.
//
// Who frees what:
//  - A component is freed by its owner (the AOwner it was created with): the owner frees the
//    components it owns when it is destroyed or on DestroyComponents, the last created first, so a
//    child made after its parent goes before it. A component freed earlier takes itself off its
//    owner's list. The application object owns the forms made with CreateForm, and a form owns
//    every component its layout makes; the start-up frees the application object, and so
//    everything, when the program ends.
//  - A control's parent (TControl::Parent) is only where it is placed and painted: the parent's
//    list of controls owns nothing, and controls still on a parent that goes first are left
//    without one.
//  - Qt's parent/child links only mirror the layer's parent; a control's widget may sit inside a
//    widget of its parent (a page inside its page control's tab widget). A control is placed with
//    SetParent, never with QWidget::setParent; one moved by Qt all the same joins the nearest
//    control above its new widget parent. A widget that Qt frees with its parent takes itself off
//    its owner's list like any other component freed early.
//  - A page control's pages are the tab sheets on it: the page control frees the pages still on it
//    when it goes, and a page freed earlier takes itself off the page control.

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <type_traits>
#include <utility>
#include <vector>

class TPropertyTable;

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    virtual QString ClassName() const { return QStringLiteral("TObject"); }
};

// An event handler of the program: the object it belongs to is bound in, Sender is who raised it.
using TNotifyEvent = std::function<void(TObject* Sender)>;

// Declares the class name a component answers to; the layout reader resolves classes by it. The
// member type lets the places that use a class by its name check that it declared its own.
#define SD_COMPONENT_CLASS(Name)                                                                   \
public:                                                                                            \
    using DeclaredComponentClass = Name;                                                           \
    static QString StaticClassName() {                                                             \
        return QStringLiteral(#Name);                                                              \
    }                                                                                              \
    QString ClassName() const override {                                                           \
        return StaticClassName();                                                                  \
    }                                                                                              \
                                                                                                   \
private:

// True when C declares its class name itself; a class that forgets SD_COMPONENT_CLASS would answer
// to its base's name.
template <class C>
inline constexpr bool DeclaresClassName = std::is_same_v<typename C::DeclaredComponentClass, C>;

// A component is owned by another component, which destroys it with itself (the last created
// first).
class TComponent : public TObject {
    SD_COMPONENT_CLASS(TComponent)
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    const QString& Name() const { return name_; }
    void SetName(const QString& name) { name_ = name; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
    TComponent* FindComponent(const QString& name) const; // among the owned ones; null if none
    void DestroyComponents();                             // last created first

    // The properties the class publishes (PublishedProperties.h); a class with properties of its
    // own overrides it, chaining its table to its base's.
    virtual const TPropertyTable& PublishedProperties() const;
    // Reading a layout: places a child read inside this component's object; EReadError when this
    // class cannot hold it.
    virtual void InsertChild(TComponent* child);
    virtual void Loaded() {} // the whole layout has been read

private:
    TComponent* owner_ = nullptr;
    QString name_;
    std::vector<TComponent*> components_;
};
