#include "chart/ChartProperties.h"

#include "rtl/Exceptions.h"

TColor LayoutColor(const QString& property, const TLayoutValue& value) {
    if (value.kind == TLayoutValue::Kind::Ident) {
        if (const auto color = IdentToColor(value.text))
            return *color;
        ThrowInvalidValue(property, value.text);
    }
    // System colours are written as negative numbers; their bit pattern is the colour.
    return static_cast<TColor>(value.AsInt(property));
}

void ThrowInvalidValue(const QString& property, const QString& value) {
    throw EReadError(QStringLiteral("Invalid property value for %1: %2").arg(property, value));
}
