#pragma once
// The colour palettes a chart picks its series' colours from, and the rule that picks them.

#include "runtime/Colour.h"

#include <vector>

constexpr int DefaultColorPaletteIndex = 0;

bool HasColorPalette(int index);
// The palette's colours in the order series take them; throws Exception for an unknown index.
const std::vector<TColor>& ColorPalette(int index);

// The first colour of `palette` that no series has yet (`taken`) and that would not vanish into
// the chart's background or back wall; the palette's last colour once all before it are taken.
TColor ChooseSeriesColor(const std::vector<TColor>& palette, const std::vector<TColor>& taken,
                         TColor chartColor, TColor backWallColor);
