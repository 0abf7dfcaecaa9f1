#include "gui/ProgramStartup.h"

#include "gui/Application.h"
#include "gui/ExceptionReport.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <vector>

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

// Qt ends the process with an abort when its window system cannot start, after lines that tell a
// user to reinstall the program; crash reporters then log a crash. While the Qt application is
// being made, Qt's messages are held back: if it fails, one line says why and the exit code is 1;
// if it succeeds, the held messages go out as they would have.
struct HeldMessage {
    QtMsgType type;
    QByteArray category, file, function;
    int line;
    QString message;
};

struct PlatformStartState {
    std::mutex mutex;
    const char* programPath = nullptr;
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;
};

PlatformStartState platformStart;

bool CouldNotConnectToDisplay() {
    for (const HeldMessage& m : platformStart.held)
        if (m.category == "qt.qpa.xcb" &&
            m.message.contains(QLatin1String("could not connect to display")))
            return true;
    return false;
}

void HoldStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const std::lock_guard lock(platformStart.mutex);
    if (type != QtFatalMsg) {
        platformStart.held.push_back(
            {type, context.category, context.file, context.function, context.line, message});
        return;
    }
    const QString program = QFileInfo(QString::fromLocal8Bit(platformStart.programPath)).fileName();
    QString line;
    if (CouldNotConnectToDisplay()) {
        const QString display = qEnvironmentVariable("DISPLAY");
        line = display.isEmpty()
                   ? program + QStringLiteral(": cannot open display: DISPLAY is not set")
                   : program + QStringLiteral(": cannot open display \"%1\"").arg(display);
    } else {
        // Any other failure: Qt's own account of it, without the abort.
        for (const HeldMessage& m : platformStart.held)
            line += m.message + QLatin1Char('\n');
        line += message;
    }
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
    // Nothing of the half-made application may run its clean-up.
    std::_Exit(1);
}

class PlatformStartGuard {
public:
    explicit PlatformStartGuard(const char* programPath) {
        const std::lock_guard lock(platformStart.mutex);
        platformStart.programPath = programPath;
        platformStart.previous = qInstallMessageHandler(HoldStartMessage);
    }
    ~PlatformStartGuard() {
        std::vector<HeldMessage> held;
        {
            const std::lock_guard lock(platformStart.mutex);
            qInstallMessageHandler(platformStart.previous);
            held.swap(platformStart.held);
        }
        const auto text = [](const QByteArray& bytes) {
            return bytes.isNull() ? nullptr : bytes.constData();
        };
        for (const HeldMessage& m : held) {
            const QMessageLogContext context(text(m.file), m.line, text(m.function),
                                             text(m.category));
            qt_message_output(m.type, context, m.message);
        }
    }
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;
};

} // namespace

int RunProgram(int& argc, char** argv, const std::function<void()>& mainBlock,
               const TStartupErrorReport& report) {
    // Qt scales by whole factors only, so lines stay one device pixel thick; the form's own
    // resolution scaling takes the remaining fraction from the logical dpi Qt then reports.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Floor);
    // The program takes no command line: Qt's own options (-reverse, -qwindowtitle, ...) would
    // change the window. Qt gets the program's name alone.
    static char unnamed[] = "";
    int qtArgc = 1;
    char* qtArgv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : unnamed, nullptr};
    auto startGuard = std::make_optional<PlatformStartGuard>(qtArgv[0]);
    QApplication app(qtArgc, qtArgv);
    startGuard.reset();
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
