#include "gui/Graphics.h"

#include "gui/Classes.h"

#include <QApplication>
#include <QPalette>
#include <array>
#include <utility>

QColor ColorToQColor(TColor color) {
    if ((color & 0x80000000u) == 0)
        return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                      static_cast<int>((color >> 16) & 0xFF));
    const QPalette palette = QApplication::palette();
    switch (color) {
    case clBtnFace:
        return palette.color(QPalette::Button);
    case clWindowText:
        return palette.color(QPalette::WindowText);
    case clInfoBk:
        return palette.color(QPalette::ToolTipBase);
    default:
        return palette.color(QPalette::Window);
    }
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

std::optional<TColor> IdentToColor(const QString& ident) {
    static const std::array<std::pair<const char*, TColor>, 7> names{{
        {"clBlack", clBlack},
        {"clWhite", clWhite},
        {"clBlue", clBlue},
        {"clSilver", clSilver},
        {"clBtnFace", clBtnFace},
        {"clWindowText", clWindowText},
        {"clInfoBk", clInfoBk},
    }};
    for (const auto& [name, value] : names)
        if (ident == QLatin1String(name))
            return value;
    return std::nullopt;
}
