#pragma once
// Reading the chart component's property values from a form layout.

#include "gui/Classes.h"
#include "gui/Graphics.h"

// A colour written as an identifier ("clBlack") or as its number; EReadError for anything else.
TColor LayoutColor(const QString& property, const TLayoutValue& value);

// EReadError naming the property and the value it cannot take.
[[noreturn]] void ThrowInvalidValue(const QString& property, const QString& value);
