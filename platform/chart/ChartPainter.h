#pragma once
// Draws a worked-out frame. Nothing here decides what goes where.

#include "chart/ChartScene.h"

#include "chart/ChartText.h"

#include <QPainter>

// Draws `scene` with the texts laid out in `texts`, whose font is the one the scene was measured
// in.
void PaintChartScene(QPainter& painter, const TChartScene& scene, const TFontTextMetrics& texts);
