#pragma once
// Colour values as the layout and the chart component write them: red in the lowest byte, green in
// the next, blue in the third. A value with the high bit set names a system colour instead.

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

using TColor = std::uint32_t;
struct TLayoutValue;

constexpr TColor RGBColor(int r, int g, int b) {
    return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clSilver = 0xC0C0C0;
// System colours, resolved through the platform's palette when drawn.
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clInfoBk = 0x80000018;

// Plain colours map to themselves; system colours to the application palette's role.
QColor ColorToQColor(TColor color);
// A layout colour written as an identifier ("clBlack") or as its number; EReadError otherwise.
TColor LayoutColor(const QString& property, const TLayoutValue& value);
// The colour named by a layout identifier ("clBtnFace", "clBlack", ...); nothing for an unknown
// name.
std::optional<TColor> IdentToColor(const QString& ident);
