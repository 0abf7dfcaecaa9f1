#include "chart/ChartPalette.h"

#include "runtime/Exceptions.h"

#include <algorithm>

namespace {

// Ten well-separated hues for charts that pick no palette.
const std::vector<TColor> defaultPalette{RGBColor(31, 119, 180),  RGBColor(255, 127, 14),
                                         RGBColor(44, 160, 44),   RGBColor(214, 39, 40),
                                         RGBColor(148, 103, 189), RGBColor(140, 86, 75),
                                         RGBColor(227, 119, 194), RGBColor(127, 127, 127),
                                         RGBColor(188, 189, 34),  RGBColor(23, 190, 207)};

// Muted blue and orange first, as the program's charts expect.
const std::vector<TColor> palette13{
    RGBColor(68, 102, 163),  RGBColor(243, 156, 53),  RGBColor(241, 76, 20),
    RGBColor(78, 151, 168),  RGBColor(43, 64, 107),   RGBColor(29, 123, 99),
    RGBColor(179, 8, 14),    RGBColor(242, 192, 93),  RGBColor(93, 183, 158),
    RGBColor(112, 112, 112), RGBColor(243, 234, 141), RGBColor(180, 180, 180)};

} // namespace

bool HasColorPalette(int index) {
    return index == DefaultColorPaletteIndex || index == 13;
}

const std::vector<TColor>& ColorPalette(int index) {
    if (index == DefaultColorPaletteIndex)
        return defaultPalette;
    if (index == 13)
        return palette13;
    throw Exception(QStringLiteral("Colour palette %1 does not exist").arg(index));
}

TColor ChooseSeriesColor(const std::vector<TColor>& palette, const std::vector<TColor>& taken,
                         TColor chartColor, TColor backWallColor) {
    if (palette.empty())
        return clBlack;
    const auto free = [&](TColor c) {
        return c != chartColor && c != backWallColor &&
               std::find(taken.begin(), taken.end(), c) == taken.end();
    };
    const auto found = std::find_if(palette.begin(), palette.end() - 1, free);
    return *found; // the last colour when none before it is free
}
