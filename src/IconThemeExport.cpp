// Writes the images of the program's .ico file as PNGs where an icon theme keeps them, so that the
// icon has one source for the window and for launchers and file managers alike.
//   icon-theme-export ICO THEME_DIR NAME
// writes THEME_DIR/<N>x<N>/apps/NAME.png for each square image of N px; a size held twice is
// taken from its first image.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <cstdio>

int main(int argc, char** argv) {
    // The image format plugins, the one for .ico among them, are found through the application.
    const QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: icon-theme-export ICO THEME_DIR NAME\n", stderr);
        return 2;
    }
    const QString icoPath = QString::fromLocal8Bit(argv[1]);
    const QDir themeDir(QString::fromLocal8Bit(argv[2]));
    const QString name = QString::fromLocal8Bit(argv[3]);

    QImageReader reader(icoPath);
    const int count = reader.imageCount();
    if (count < 1) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    QSet<int> written;
    for (int i = 0; i < count; ++i) {
        const QImage image = reader.jumpToImage(i) ? reader.read() : QImage();
        if (image.isNull()) {
            std::fprintf(stderr, "%s: image %d: %s\n", argv[1], i,
                         qPrintable(reader.errorString()));
            return 1;
        }
        const int size = image.width();
        if (image.height() != size || written.contains(size))
            continue;
        const QString appsDir = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = themeDir.filePath(QStringLiteral("%1/%2.png").arg(appsDir, name));
        if (!themeDir.mkpath(appsDir) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        written.insert(size);
    }
    return 0;
}
