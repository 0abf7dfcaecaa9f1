// Reads a screenshot of the program's window for the end-to-end tests.
//   probe size FILE                 prints "W H"
//   probe bars FILE R G B           prints one line "left right top bottom" per run of columns
//                                   holding a vertical stretch of that colour at least 8 px tall
//   probe runbox FILE R G B MIN MAX prints "left top width height" of the pixels of that colour
//                                   that lie in horizontal runs of MIN to MAX px
//   probe ink FILE X Y W H LEVEL    prints "left top width height" of the pixels in that rectangle
//                                   whose grey level is below LEVEL (nothing if there are none)
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

bool Matches(QRgb pixel, int r, int g, int b) {
    return std::abs(qRed(pixel) - r) <= 2 && std::abs(qGreen(pixel) - g) <= 2 &&
           std::abs(qBlue(pixel) - b) <= 2;
}

// The longest vertical stretch of the colour in column x, as [top, bottom).
std::pair<int, int> LongestRun(const QImage& image, int x, int r, int g, int b) {
    std::pair<int, int> best{0, 0};
    int start = -1;
    for (int y = 0; y <= image.height(); ++y) {
        const bool hit = y < image.height() && Matches(image.pixel(x, y), r, g, b);
        if (hit && start < 0)
            start = y;
        if (!hit && start >= 0) {
            if (y - start > best.second - best.first)
                best = {start, y};
            start = -1;
        }
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: probe size|bars|runbox|ink FILE [ARGS...]\n", stderr);
        return 2;
    }
    const QString command = QString::fromLocal8Bit(argv[1]);
    const QImage image =
        QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 2;
    }
    if (command == QLatin1String("size")) {
        std::printf("%d %d\n", image.width(), image.height());
        return 0;
    }
    const auto printBox = [](const QRect& box) {
        if (box.isValid())
            std::printf("%d %d %d %d\n", box.x(), box.y(), box.width(), box.height());
    };
    if (command == QLatin1String("ink")) {
        if (argc < 8)
            return 2;
        const QRect area =
            QRect(std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]))
                .intersected(image.rect());
        const int level = std::atoi(argv[7]);
        QRect box;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(image.pixel(x, y)) < level)
                    box |= QRect(x, y, 1, 1);
        printBox(box);
        return 0;
    }
    if (argc < 6)
        return 2;
    const int r = std::atoi(argv[3]), g = std::atoi(argv[4]), b = std::atoi(argv[5]);
    if (command == QLatin1String("runbox")) {
        if (argc < 8)
            return 2;
        const int least = std::atoi(argv[6]), most = std::atoi(argv[7]);
        QRect box;
        for (int y = 0; y < image.height(); ++y) {
            int start = -1;
            for (int x = 0; x <= image.width(); ++x) {
                const bool hit = x < image.width() && Matches(image.pixel(x, y), r, g, b);
                if (hit && start < 0)
                    start = x;
                if (!hit && start >= 0) {
                    if (x - start >= least && x - start <= most)
                        box |= QRect(start, y, x - start, 1);
                    start = -1;
                }
            }
        }
        printBox(box);
        return 0;
    }
    if (command == QLatin1String("bars")) {
        int left = -1;
        std::pair<int, int> span{0, 0};
        for (int x = 0; x <= image.width(); ++x) {
            const auto run = x < image.width() ? LongestRun(image, x, r, g, b) : std::pair{0, 0};
            const bool bar = run.second - run.first >= 8;
            if (bar && left < 0) {
                left = x;
                span = run;
            }
            if (!bar && left >= 0) {
                std::printf("%d %d %d %d\n", left, x, span.first, span.second);
                left = -1;
            }
        }
        return 0;
    }
    return 2;
}
