#pragma once
// Objects, owned components and notification events.

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

struct TLayoutValue;

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

// Declares the class name a component answers to; the layout reader resolves classes by it.
#define SD_COMPONENT_CLASS(Name)                                                                   \
public:                                                                                            \
    static QString StaticClassName() {                                                             \
        return QStringLiteral(#Name);                                                              \
    }                                                                                              \
    QString ClassName() const override {                                                           \
        return StaticClassName();                                                                  \
    }                                                                                              \
                                                                                                   \
private:

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

    // Reading a layout. Each class takes the properties, children and events it knows and passes
    // the rest to its base; what no class takes raises EReadError naming it.
    virtual void SetProperty(const QString& name, const TLayoutValue& value);
    virtual void SetEvent(const QString& name, const TNotifyEvent& handler);
    virtual void InsertChild(TComponent* child);
    virtual void Loaded() {} // the whole layout has been read

private:
    TComponent* owner_ = nullptr;
    QString name_;
    std::vector<TComponent*> components_;
};
