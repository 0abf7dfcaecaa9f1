#include "layout/LayoutValue.h"

#include "runtime/Exceptions.h"

void ThrowInvalidValue(const QString& property, const QString& value) {
    throw EReadError(QStringLiteral("Invalid property value for %1: %2").arg(property, value));
}

void ThrowWrongKind(const QString& property) {
    throw EReadError(QStringLiteral("Invalid property value for %1").arg(property));
}

int TLayoutValue::AsInt(const QString& property) const {
    if (kind != Kind::Integer || integer < INT32_MIN || integer > INT32_MAX)
        ThrowWrongKind(property);
    return static_cast<int>(integer);
}

double TLayoutValue::AsFloat(const QString& property) const {
    if (kind == Kind::Integer)
        return static_cast<double>(integer);
    if (kind != Kind::Float)
        ThrowWrongKind(property);
    return real;
}

bool TLayoutValue::AsBool(const QString& property) const {
    if (kind != Kind::Boolean)
        ThrowWrongKind(property);
    return boolean;
}

const QString& TLayoutValue::AsString(const QString& property) const {
    if (kind != Kind::String)
        ThrowWrongKind(property);
    return text;
}

const QString& TLayoutValue::AsIdent(const QString& property) const {
    if (kind != Kind::Ident)
        ThrowWrongKind(property);
    return text;
}

const QStringList& TLayoutValue::AsStrings(const QString& property) const {
    if (kind != Kind::Strings)
        ThrowWrongKind(property);
    return items;
}

const QStringList& TLayoutValue::AsSet(const QString& property) const {
    if (kind != Kind::Set)
        ThrowWrongKind(property);
    return items;
}

std::vector<int> TLayoutValue::AsIntList(const QString& property) const {
    if (kind != Kind::List)
        ThrowWrongKind(property);
    std::vector<int> values;
    for (const QString& item : items) {
        bool ok = false;
        const int value = item.toInt(&ok);
        if (!ok)
            ThrowWrongKind(property);
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
