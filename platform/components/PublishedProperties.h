#pragma once
// The properties a component class publishes: one table per class, chained to its base class's,
// naming each property with the kind of value it takes and the setter that takes it. A class only
// declares; reading values and reporting the bad ones is the layout's business.

#include "components/Component.h"
#include "runtime/Colour.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

// The kind of value a property takes, and what its setter is handed.
enum class TPropertyKind {
    Integer,     // int
    Float,       // double
    Boolean,     // bool
    String,      // QString
    Identifier,  // QString: a name, such as a component's
    Strings,     // QStringList: lines of text
    Enumeration, // int: the value of one of the property's choices, named by an identifier
    Set,         // QStringList: the identifiers of the members
    Colour,      // TColor
    IntegerList, // std::vector<int>
    Event,       // TNotifyEvent: a handler of the form
};

using TPropertyValue =
    std::variant<int, double, bool, QString, QStringList, TColor, std::vector<int>, TNotifyEvent>;

struct TPublishedProperty {
    QString name;
    TPropertyKind kind = TPropertyKind::Integer;
    std::vector<std::pair<QString, int>> choices; // Enumeration: each identifier with its value
    std::size_t count = 0;                        // IntegerList: how many integers; 0 for any
    // Takes the value converted to `kind`; empty for a value that is read and then dropped.
    std::function<void(TComponent&, const TPropertyValue&)> set;
};

// The properties of one class; those of its base classes are reached through Base().
class TPropertyTable {
public:
    const QString& ClassName() const { return className_; }
    const TPropertyTable* Base() const { return base_; }
    // The class's own property of that name (names are exact); null when it has none.
    const TPublishedProperty* Find(const QString& name) const;

protected:
    TPropertyTable(QString className, const TPropertyTable* base);
    std::vector<TPublishedProperty> properties_;

private:
    QString className_;
    const TPropertyTable* base_ = nullptr;
};

// Builds the table of class C, whose base's table is `base` (none for the root class):
//   static const TPropertyTable table = TClassProperties<TLabel>(TControl::PublishedProperties())
//       .String("Caption", &TLabel::SetCaption)
//       .Boolean("AutoSize", &TLabel::SetAutoSize);
// A setter is a member function or anything callable with (C&, value).
template <class C> class TClassProperties : public TPropertyTable {
    static_assert(DeclaresClassName<C>,
                  "a component class must declare its class name with SD_COMPONENT_CLASS");
    static_assert(std::is_base_of_v<TComponent, C>);

public:
    TClassProperties() : TPropertyTable(C::StaticClassName(), nullptr) {}
    explicit TClassProperties(const TPropertyTable& base)
        : TPropertyTable(C::StaticClassName(), &base) {}

    TClassProperties& Integer(const char* name, std::function<void(C&, int)> set) {
        return Add(name, TPropertyKind::Integer, std::move(set));
    }
    TClassProperties& Float(const char* name, std::function<void(C&, double)> set) {
        return Add(name, TPropertyKind::Float, std::move(set));
    }
    TClassProperties& Boolean(const char* name, std::function<void(C&, bool)> set) {
        return Add(name, TPropertyKind::Boolean, std::move(set));
    }
    TClassProperties& String(const char* name, std::function<void(C&, const QString&)> set) {
        return Add(name, TPropertyKind::String, std::move(set));
    }
    TClassProperties& Identifier(const char* name, std::function<void(C&, const QString&)> set) {
        return Add(name, TPropertyKind::Identifier, std::move(set));
    }
    TClassProperties& Strings(const char* name, std::function<void(C&, const QStringList&)> set) {
        return Add(name, TPropertyKind::Strings, std::move(set));
    }
    TClassProperties& Set(const char* name, std::function<void(C&, const QStringList&)> set) {
        return Add(name, TPropertyKind::Set, std::move(set));
    }
    TClassProperties& Colour(const char* name, std::function<void(C&, TColor)> set) {
        return Add(name, TPropertyKind::Colour, std::move(set));
    }
    template <class E>
    TClassProperties& Enumeration(const char* name, std::function<void(C&, E)> set,
                                  std::initializer_list<std::pair<const char*, E>> choices) {
        Add<int>(name, TPropertyKind::Enumeration,
                 [set](C& c, int value) { set(c, static_cast<E>(value)); });
        for (const auto& [identifier, value] : choices)
            properties_.back().choices.emplace_back(QString::fromLatin1(identifier),
                                                    static_cast<int>(value));
        return *this;
    }
    TClassProperties& Event(const char* name, TNotifyEvent C::*handler) {
        return Add<const TNotifyEvent&>(
            name, TPropertyKind::Event,
            [handler](C& c, const TNotifyEvent& event) { c.*handler = event; });
    }

private:
    template <class T>
    TClassProperties& Add(const char* name, TPropertyKind kind, std::function<void(C&, T)> set) {
        TPublishedProperty property;
        property.name = QString::fromLatin1(name);
        property.kind = kind;
        // The table is reached through the component's own class, so the component is a C.
        property.set = [set = std::move(set)](TComponent& component, const TPropertyValue& value) {
            set(static_cast<C&>(component), std::get<std::decay_t<T>>(value));
        };
        properties_.push_back(std::move(property));
        return *this;
    }
};
