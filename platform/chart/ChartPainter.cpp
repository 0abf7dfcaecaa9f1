#include "chart/ChartPainter.h"

#include <QPen>

namespace {

QPen CosmeticPen(const QColor& color, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(color, 1, style);
    pen.setCosmetic(true);
    return pen;
}

// Draws texts placed in rectangles by alignment flags, from the cache.
class TTextPainter {
public:
    TTextPainter(QPainter& painter, const TFontTextMetrics& texts)
        : painter_(painter), texts_(texts) {}

    void Draw(const QRect& rect, int flags, const QString& text) {
        if (text.isEmpty())
            return;
        const QStaticText& laidOut = texts_.LaidOut(text);
        const QSizeF size = laidOut.size();
        double x = rect.left();
        if ((flags & Qt::AlignRight) != 0)
            x = rect.right() + 1 - size.width();
        else if ((flags & Qt::AlignHCenter) != 0)
            x = rect.left() + (rect.width() - size.width()) / 2;
        double y = rect.top();
        if ((flags & Qt::AlignBottom) != 0)
            y = rect.bottom() + 1 - size.height();
        else if ((flags & Qt::AlignVCenter) != 0)
            y = rect.top() + (rect.height() - size.height()) / 2;
        painter_.drawStaticText(QPoint(qRound(x), qRound(y)), laidOut);
    }

    void Draw(const std::vector<TTextItem>& items) {
        for (const TTextItem& item : items)
            Draw(item.rect, item.flags, item.text);
    }

private:
    QPainter& painter_;
    const TFontTextMetrics& texts_;
};

// Level and upright lines are filled rectangles: filling a row of pixels costs a fraction of
// stroking it with a pen.
void PaintLine(QPainter& painter, const QLine& line, const QColor& color) {
    if (line.x1() == line.x2() || line.y1() == line.y2()) {
        painter.fillRect(QRect(line.p1(), line.p2()).normalized(), color);
        return;
    }
    painter.setPen(CosmeticPen(color));
    painter.drawLine(line);
}

void PaintLines(QPainter& painter, const std::vector<QLine>& lines, const QColor& color) {
    for (const QLine& line : lines)
        PaintLine(painter, line, color);
}

void PaintFrame(QPainter& painter, const QRect& rect, const QColor& color) {
    if (rect.isEmpty())
        return;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), color);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), color);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), color);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), color);
}

// Fills exactly `rect` and frames its outermost pixels.
void PaintBox(QPainter& painter, const QRect& rect, const QColor& fill, const QColor& frame) {
    painter.fillRect(rect, fill);
    PaintFrame(painter, rect, frame);
}

void PaintAxis(QPainter& painter, TTextPainter& texts, const TAxisPlan& axis) {
    PaintLine(painter, axis.line, Qt::black);
    PaintLines(painter, axis.ticks, Qt::black);
    painter.setPen(Qt::black);
    texts.Draw(axis.labels);
}

void PaintSeries(QPainter& painter, const TSeriesPlan& series) {
    for (const TBarItem& bar : series.bars)
        PaintBox(painter, bar.rect, bar.color, Qt::black);
    for (const TLineRun& run : series.lines) {
        painter.setPen(CosmeticPen(run.color));
        painter.drawPolyline(run.points);
    }
}

void PaintMark(QPainter& painter, TTextPainter& texts, const TMarkItem& mark) {
    if (mark.lineVisible)
        PaintLine(painter, mark.line, mark.lineColor);
    PaintBox(painter, mark.box, mark.fill, Qt::black);
    painter.setPen(Qt::black);
    texts.Draw(mark.box, Qt::AlignCenter, mark.text);
}

void PaintLegend(QPainter& painter, TTextPainter& texts, const TLegendPlan& legend) {
    if (legend.items.empty())
        return;
    PaintBox(painter, legend.box, Qt::white, Qt::black);
    for (const TLegendItem& item : legend.items) {
        const QColor& color = item.color;
        if (item.row.symbol == TSeriesKind::Bar) {
            PaintBox(painter, item.symbol, color, Qt::black);
        } else {
            const QRect stroke(item.symbol.left(), item.symbol.center().y() - 1,
                               item.symbol.width(), 2);
            painter.fillRect(stroke, color);
        }
    }
    painter.setPen(Qt::black);
    for (const TLegendItem& item : legend.items) {
        texts.Draw(item.value, Qt::AlignRight | Qt::AlignVCenter, item.row.value);
        texts.Draw(item.text, Qt::AlignLeft | Qt::AlignVCenter, item.row.text);
    }
}

} // namespace

void PaintChartScene(QPainter& painter, const TChartScene& scene,
                     const TFontTextMetrics& fontTexts) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(fontTexts.Font());
    TTextPainter texts(painter, fontTexts);
    painter.fillRect(scene.bounds, scene.background);
    const QColor grid(210, 210, 210);
    PaintLines(painter, scene.left.grid, grid);
    PaintLines(painter, scene.bottom.grid, grid);
    PaintFrame(painter, scene.plot, QColor(128, 128, 128));
    for (const TSeriesPlan& series : scene.series)
        PaintSeries(painter, series);
    PaintAxis(painter, texts, scene.left);
    PaintAxis(painter, texts, scene.bottom);
    for (const TMarkItem& mark : scene.marks)
        PaintMark(painter, texts, mark);
    PaintLegend(painter, texts, scene.legend);
    painter.setPen(scene.titleColor);
    texts.Draw(scene.title);
    painter.restore();
}
