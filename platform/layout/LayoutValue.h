#pragma once
// A value read from a form layout, and the typed reads made of it for the kind of a property.

#include "runtime/Colour.h"

#include <QString>
#include <QStringList>
#include <cstdint>
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

    // Typed reads: a value of another kind raises EReadError naming `property`.
    int AsInt(const QString& property) const;
    double AsFloat(const QString& property) const;
    bool AsBool(const QString& property) const;
    const QString& AsString(const QString& property) const;
    const QString& AsIdent(const QString& property) const;
    const QStringList& AsStrings(const QString& property) const;
    const QStringList& AsSet(const QString& property) const;
    std::vector<int> AsIntList(const QString& property) const;
};

// EReadError naming the property and the value it cannot take.
[[noreturn]] void ThrowInvalidValue(const QString& property, const QString& value);
// EReadError naming the property whose value is of another kind.
[[noreturn]] void ThrowWrongKind(const QString& property);

// A colour written as an identifier ("clBlack") or as its number; EReadError otherwise.
TColor LayoutColor(const QString& property, const TLayoutValue& value);
