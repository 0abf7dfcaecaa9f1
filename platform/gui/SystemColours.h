#pragma once
// The desktop's colours, as the application's palette gives them.

#include "runtime/Colour.h"

#include <QColor>

TSystemColours CurrentSystemColours();

// A colour value resolved against the current system colours.
QColor ColorToQColor(TColor color);
