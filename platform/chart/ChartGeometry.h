#pragma once
// Pixel geometry of the chart's parts, as plain functions of numbers.

#include <QLine>
#include <QRect>
#include <QSize>

// A coordinate rounded to a whole pixel; far-off values are pinned so that painting stays safe.
int PixelOf(double coordinate);

// Strips `size` pixels off one side of `area` and returns the strip. Layout removes parts from one
// rectangle in a fixed order: margins, title (top), legend (right), axes (left, bottom).
QRect TakeTop(QRect& area, int size);
QRect TakeRight(QRect& area, int size);
QRect TakeLeft(QRect& area, int size);
QRect TakeBottom(QRect& area, int size);

// A bar centred on `centre` taking `widthPercent` of its slot, spanning from the pixel of its value
// to the pixel of its origin (either may be the higher). At least one pixel each way.
QRect BarRect(double centre, double slotWidth, int widthPercent, double valuePixel,
              double originPixel);

struct TMarkGeometry {
    QRect box;  // framed and filled
    QLine line; // from the point to the box
};

constexpr int MarkPaddingX = 3; // between a mark's text and its frame
constexpr int MarkPaddingY = 1;

// A mark's distance from its point as drawn: 0 to 1000 pixels, whatever was asked for.
int ClampedArrowLength(int length);
// The size of a mark's box around text of `textSize`.
QSize MarkBoxSize(QSize textSize);
// A mark `arrowLength` pixels above `anchor` (below it when `below`), centred on it.
TMarkGeometry MarkGeometry(QPoint anchor, QSize textSize, int arrowLength, bool below);
