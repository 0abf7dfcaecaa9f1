#pragma once
// The chart-wide settings that shape a frame.

#include "runtime/Colour.h"

#include <QStringList>

struct TChartSettings {
    QStringList title;
    TColor color = clBtnFace; // behind everything
    // The plot's back wall is transparent; its colour only keeps series from taking it.
    TColor backWallColor = RGBColor(192, 192, 192);
    TColor titleColor = RGBColor(0, 0, 255);
};
