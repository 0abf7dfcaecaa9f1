#pragma once
// Objects, owned components, notification events and the values a form layout gives them.

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

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

// One value read from a form layout, typed as the layout writes it.
struct TLayoutValue {
    enum class Kind { Integer, Float, String, Ident, Boolean, Set, Strings, List };
    Kind kind = Kind::Integer;
    std::int64_t integer = 0;
    double real = 0.0;
    bool boolean = false;
    QString text;      // String and Ident
    QStringList items; // Set members, Strings lines, List items (as written)

    // Typed reads for property setters: a value of another kind raises EReadError naming
    // `property`.
    int AsInt(const QString& property) const;
    double AsFloat(const QString& property) const;
    bool AsBool(const QString& property) const;
    const QString& AsString(const QString& property) const;
    const QString& AsIdent(const QString& property) const;
    const QStringList& AsStrings(const QString& property) const;
    const QStringList& AsSet(const QString& property) const;
    std::vector<int> AsIntList(const QString& property) const;
    // An identifier that names one of `choices`; EReadError for any other.
    template <class E>
    E AsEnum(const QString& property,
             std::initializer_list<std::pair<const char*, E>> choices) const;
};

// EReadError naming the property and the value it cannot take.
[[noreturn]] void ThrowInvalidValue(const QString& property, const QString& value);

template <class E>
E TLayoutValue::AsEnum(const QString& property,
                       std::initializer_list<std::pair<const char*, E>> choices) const {
    const QString& ident = AsIdent(property);
    for (const auto& [name, choice] : choices)
        if (ident == QLatin1String(name))
            return choice;
    ThrowInvalidValue(property, ident);
}

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

class TForm;

// The published fields and handlers of a form class: the layout reader creates components of the
// fields' classes, binds each field to the component of its name and connects events to handlers.
class TPublishedTable {
public:
    struct FieldEntry {
        QString name;
        QString className;
        std::function<TComponent*(TComponent* owner)> create;
        std::function<bool(TForm* form, TComponent* component)> bind; // false: wrong class
    };
    struct MethodEntry {
        QString name;
        std::function<TNotifyEvent(TForm* form)> bind;
    };

    explicit TPublishedTable(QString className) : className_(std::move(className)) {}

    template <class Form, class C> TPublishedTable& Field(const char* name, C* Form::*member) {
        fields_.push_back(FieldEntry{QString::fromLatin1(name), C::StaticClassName(),
                                     [](TComponent* owner) -> TComponent* { return new C(owner); },
                                     [member](TForm* form, TComponent* component) {
                                         auto* typed = dynamic_cast<C*>(component);
                                         if (typed == nullptr)
                                             return false;
                                         static_cast<Form*>(form)->*member = typed;
                                         return true;
                                     }});
        return *this;
    }

    template <class Form>
    TPublishedTable& Method(const char* name, void (Form::*method)(TObject*)) {
        methods_.push_back(MethodEntry{QString::fromLatin1(name), [method](TForm* form) {
                                           auto* self = static_cast<Form*>(form);
                                           return TNotifyEvent([self, method](TObject* sender) {
                                               (self->*method)(sender);
                                           });
                                       }});
        return *this;
    }

    const QString& ClassName() const { return className_; }
    const FieldEntry* FindField(const QString& name) const;
    const FieldEntry* FindClass(const QString& className) const; // a field of that class
    const MethodEntry* FindMethod(const QString& name) const;

private:
    QString className_;
    std::vector<FieldEntry> fields_;
    std::vector<MethodEntry> methods_;
};
