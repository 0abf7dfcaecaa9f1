#include "layout/LayoutValue.h"

#include "runtime/Exceptions.h"

namespace {

[[noreturn]] void WrongKind(const QString& property) {
    throw EReadError(QStringLiteral("Invalid property value for %1").arg(property));
}

} // namespace

void ThrowInvalidValue(const QString& property, const QString& value) {
    throw EReadError(QStringLiteral("Invalid property value for %1: %2").arg(property, value));
}

int TLayoutValue::AsInt(const QString& property) const {
    if (kind != Kind::Integer || integer < INT32_MIN || integer > INT32_MAX)
        WrongKind(property);
    return static_cast<int>(integer);
}

double TLayoutValue::AsFloat(const QString& property) const {
    if (kind == Kind::Integer)
        return static_cast<double>(integer);
    if (kind != Kind::Float)
        WrongKind(property);
    return real;
}

bool TLayoutValue::AsBool(const QString& property) const {
    if (kind != Kind::Boolean)
        WrongKind(property);
    return boolean;
}

const QString& TLayoutValue::AsString(const QString& property) const {
    if (kind != Kind::String)
        WrongKind(property);
    return text;
}

const QString& TLayoutValue::AsIdent(const QString& property) const {
    if (kind != Kind::Ident)
        WrongKind(property);
    return text;
}

const QStringList& TLayoutValue::AsStrings(const QString& property) const {
    if (kind != Kind::Strings)
        WrongKind(property);
    return items;
}

const QStringList& TLayoutValue::AsSet(const QString& property) const {
    if (kind != Kind::Set)
        WrongKind(property);
    return items;
}

std::vector<int> TLayoutValue::AsIntList(const QString& property) const {
    if (kind != Kind::List)
        WrongKind(property);
    std::vector<int> values;
    for (const QString& item : items) {
        bool ok = false;
        const int value = item.toInt(&ok);
        if (!ok)
            WrongKind(property);
        values.push_back(value);
    }
    return values;
}

TColor LayoutColor(const QString& property, const TLayoutValue& value) {
    if (value.kind == TLayoutValue::Kind::Ident) {
        if (const auto color = IdentToColor(value.text))
            return *color;
        ThrowInvalidValue(property, value.text);
    }
    // System colours are written as negative numbers; their bit pattern is the colour.
    return static_cast<TColor>(value.AsInt(property));
}
