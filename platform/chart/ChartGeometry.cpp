#include "chart/ChartGeometry.h"

#include <algorithm>
#include <cmath>

int PixelOf(double coordinate) {
    if (std::isnan(coordinate))
        return 0;
    // Far beyond any screen, yet well inside int even after QRect adds widths to it.
    constexpr double limit = 1 << 24;
    return static_cast<int>(std::lround(std::clamp(coordinate, -limit, limit)));
}

QRect TakeTop(QRect& area, int size) {
    size = std::clamp(size, 0, std::max(0, area.height()));
    const QRect strip(area.left(), area.top(), area.width(), size);
    area.setTop(area.top() + size);
    return strip;
}

QRect TakeRight(QRect& area, int size) {
    size = std::clamp(size, 0, std::max(0, area.width()));
    const QRect strip(area.right() + 1 - size, area.top(), size, area.height());
    area.setRight(area.right() - size);
    return strip;
}

QRect TakeLeft(QRect& area, int size) {
    size = std::clamp(size, 0, std::max(0, area.width()));
    const QRect strip(area.left(), area.top(), size, area.height());
    area.setLeft(area.left() + size);
    return strip;
}

QRect TakeBottom(QRect& area, int size) {
    size = std::clamp(size, 0, std::max(0, area.height()));
    const QRect strip(area.left(), area.bottom() + 1 - size, area.width(), size);
    area.setBottom(area.bottom() - size);
    return strip;
}

QRect BarRect(double centre, double slotWidth, int widthPercent, double valuePixel,
              double originPixel) {
    const double width =
        std::max(1.0, std::fabs(slotWidth) * std::clamp(widthPercent, 1, 100) / 100);
    const int left = PixelOf(centre - width / 2);
    const int right = std::max(left, PixelOf(centre - width / 2 + width) - 1);
    const int top = PixelOf(std::min(valuePixel, originPixel));
    const int bottom = std::max(top, PixelOf(std::max(valuePixel, originPixel)));
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

int ClampedArrowLength(int length) {
    return std::clamp(length, 0, 1000);
}

QSize MarkBoxSize(QSize textSize) {
    return {textSize.width() + 2 * MarkPaddingX, textSize.height() + 2 * MarkPaddingY};
}

TMarkGeometry MarkGeometry(QPoint anchor, QSize textSize, int arrowLength, bool below) {
    const QSize size = MarkBoxSize(textSize);
    const int length = ClampedArrowLength(arrowLength);
    const int left = anchor.x() - size.width() / 2;
    if (below) {
        const QPoint end(anchor.x(), anchor.y() + length);
        return {QRect(QPoint(left, end.y()), size), QLine(anchor, end)};
    }
    const QPoint end(anchor.x(), anchor.y() - length);
    return {QRect(QPoint(left, end.y() - size.height() + 1), size), QLine(anchor, end)};
}
