#pragma once
// A value read from a form layout, and the typed reads that property setters make of it.

#include "runtime/Colour.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

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

// A colour written as an identifier ("clBlack") or as its number; EReadError otherwise.
TColor LayoutColor(const QString& property, const TLayoutValue& value);
