#pragma once
// The chart-wide settings that shape a frame.

#include "runtime/Colour.h"

#include <QStringList>

struct TChartSettings {
    QStringList title;
    TColor color = clBtnFace;                       // behind everything
    TColor backWallColor = RGBColor(192, 192, 192); // behind the plot, unless transparent
    bool backWallTransparent = true;
    TColor titleColor = RGBColor(0, 0, 255);
    bool legendVisible = true;
};
