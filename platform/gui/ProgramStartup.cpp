#include "gui/ProgramStartup.h"

#include "gui/Application.h"
#include "gui/ExceptionReport.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace {

// The sizes a title bar and a task bar show; the largest image of the icon is for file managers
// and costs a noticeable part of start-up to decode.
QIcon WindowIcon(const QString& resource) {
    QIcon icon;
    QImageReader reader(resource);
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QSize size = reader.size();
        if (size.isValid() && size.width() > 48)
            continue;
        if (const QImage image = reader.read(); !image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace

int RunProgram(int& argc, char** argv, const std::function<void()>& mainBlock,
               const TStartupErrorReport& report) {
    // Qt scales by whole factors only, so lines stay one device pixel thick; the form's own
    // resolution scaling takes the remaining fraction from the logical dpi Qt then reports.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Floor);
    QApplication app(argc, argv);
    QApplication::setWindowIcon(WindowIcon(QStringLiteral(":/MAINICON")));
    TApplication application(nullptr);
    Application = &application;
    int exitCode = 0;
    const TStartupErrorReport reportError =
        report ? report : TStartupErrorReport(ReportStartupError);
    try {
        mainBlock();
    } catch (const Exception& e) {
        reportError(e.ClassName(), e.Message());
        exitCode = 1;
    } catch (const std::exception& e) {
        reportError(QStringLiteral("Exception"), QString::fromLocal8Bit(e.what()));
        exitCode = 1;
    }
    // The exit procedure: the form and all it owns go, and with them the window.
    application.DestroyComponents();
    Application = nullptr;
    return exitCode;
}
