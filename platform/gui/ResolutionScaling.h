#pragma once
// Resolution scaling of a form layout: what it asks of the screen, and the rounding it scales by.

#include <QFont>
#include <functional>

// What the resolution scaling of a layout asks of the screen: its logical resolution (Qt has
// already applied its own device pixel ratio to it) and the pixel height of the text "0" in a font.
struct TScreenMetrics {
    int pixelsPerInch = 96;
    std::function<int(const QFont&)> measureZero;

    static TScreenMetrics Current();
    static int MeasureZero(const QFont& font); // as the platform measures a line of text
};

// MulDiv(a, b, c): a * b / c rounded to the nearest integer, halves away from zero; -1 when c is 0
// or the result does not fit.
int MulDiv(int a, int b, int c);
