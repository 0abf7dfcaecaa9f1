#include "runtime/Colour.h"

#include <array>
#include <utility>

QColor ToQColor(TColor color, const TSystemColours& system) {
    if ((color & 0x80000000u) == 0)
        return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                      static_cast<int>((color >> 16) & 0xFF));
    switch (color) {
    case clBtnFace:
        return system.btnFace;
    case clWindowText:
        return system.windowText;
    case clInfoBk:
        return system.infoBk;
    default:
        return system.window;
    }
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
