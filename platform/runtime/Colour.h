#pragma once
// Colour values as the layout and the charts write them: red in the lowest byte, green in the
// next, blue in the third. A value with the high bit set names a system colour instead, which
// only the desktop's current colours can resolve.

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

using TColor = std::uint32_t;

constexpr TColor RGBColor(int r, int g, int b) {
    return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clSilver = 0xC0C0C0;
// System colours.
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clInfoBk = 0x80000018;

// The desktop's colours that the system colours stand for.
struct TSystemColours {
    QColor btnFace{240, 240, 240};
    QColor windowText{0, 0, 0};
    QColor infoBk{255, 255, 220};
    QColor window{255, 255, 255}; // for a system colour without a role of its own
};

// Plain colours map to themselves, system colours to their entry in `system`.
QColor ToQColor(TColor color, const TSystemColours& system);

// The colour named by a layout identifier ("clBtnFace", "clBlack", ...); nothing for an unknown
// name.
std::optional<TColor> IdentToColor(const QString& ident);
