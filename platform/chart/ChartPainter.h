#pragma once
// Draws a worked-out frame. Nothing here decides what goes where.

#include "chart/ChartScene.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QStaticText>

// Texts laid out once and drawn many times: the same title, numbers and labels come back at
// every draw, and laying text out costs more than drawing it.
class TStaticTextCache {
public:
    const QStaticText& Get(const QString& text, const QFont& font);

private:
    QFont font_;
    QHash<QString, QStaticText> texts_;
};

void PaintChartScene(QPainter& painter, const TChartScene& scene, const QFont& font,
                     TStaticTextCache& texts);
