#include "gui/Application.h"

#include "gui/ExceptionReport.h"

#include <QApplication>
#include <QFileInfo>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

TApplication* Application = nullptr;

namespace {

QString TitleFromExecutable() {
    if (QCoreApplication::instance() == nullptr)
        return {};
    QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name;
}

// The ends of a session: log-off (SIGTERM), hang-up (SIGHUP), an interrupt from a terminal
// (SIGINT). A handler may do next to nothing, so it only writes to a socket whose other end the
// message loop watches; the loop then ends as after closing the main form.
constexpr std::array sessionEndSignals{SIGTERM, SIGHUP, SIGINT};

// Made once and kept open: a handler still running in another thread must never write to a
// descriptor that has been closed and perhaps reused.
std::array<int, 2> SessionEndSocket() {
    static const std::array<int, 2> ends = [] {
        std::array<int, 2> made{-1, -1};
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, made.data()) != 0)
            made = {-1, -1};
        return made;
    }();
    return ends;
}

int sessionEndWriteEnd = -1;

extern "C" void OnSessionEndSignal(int signal) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    if (::write(sessionEndWriteEnd, &byte, 1) < 0) {
        // Full: a signal is already waiting for the loop.
    }
    errno = savedErrno;
}

void DrainSessionEndSocket(int readEnd) {
    unsigned char bytes[16];
    while (::read(readEnd, bytes, sizeof bytes) > 0) {
    }
}

// The handlers, for as long as the message loop can take the signals. A signal the process was
// started ignoring (nohup, a background job of a shell) stays ignored.
class SessionEndSignals {
public:
    explicit SessionEndSignals(const std::function<void()>& onSessionEnd) {
        const std::array<int, 2> ends = SessionEndSocket();
        if (ends[0] < 0)
            return;
        DrainSessionEndSocket(ends[1]);
        sessionEndWriteEnd = ends[0];
        notifier_ = std::make_unique<QSocketNotifier>(ends[1], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [onSessionEnd, ends] {
            DrainSessionEndSocket(ends[1]);
            onSessionEnd();
        });
        struct sigaction action {};
        action.sa_handler = OnSessionEndSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < sessionEndSignals.size(); ++i) {
            if (::sigaction(sessionEndSignals[i], nullptr, &previous_[i]) != 0 ||
                previous_[i].sa_handler == SIG_IGN)
                continue;
            installed_[i] = ::sigaction(sessionEndSignals[i], &action, nullptr) == 0;
        }
    }
    ~SessionEndSignals() {
        for (std::size_t i = 0; i < sessionEndSignals.size(); ++i)
            if (installed_[i])
                ::sigaction(sessionEndSignals[i], &previous_[i], nullptr);
    }
    SessionEndSignals(const SessionEndSignals&) = delete;
    SessionEndSignals& operator=(const SessionEndSignals&) = delete;

private:
    std::unique_ptr<QSocketNotifier> notifier_;
    std::array<struct sigaction, sessionEndSignals.size()> previous_{};
    std::array<bool, sessionEndSignals.size()> installed_{};
};

} // namespace

TApplication::TApplication(TComponent* AOwner)
    : TComponent(AOwner), title_(TitleFromExecutable()) {}

void TApplication::AddForm(TForm* form) {
    if (mainForm_ == nullptr)
        mainForm_ = form;
    form->winId(); // the window exists from here on, still hidden
}

void TApplication::RemoveForm(TForm* form) {
    if (mainForm_ == form)
        mainForm_ = nullptr;
}

void TApplication::Run() {
    const SessionEndSignals sessionEnd([this] { Terminate(); });
    if (mainForm_ != nullptr && showMainForm_)
        mainForm_->show();
    if (!terminated_)
        QApplication::exec();
}

void TApplication::Terminate() {
    terminated_ = true;
    QCoreApplication::quit();
}

void TApplication::Dispatch(const TNotifyEvent& handler, TObject* Sender) {
    if (!handler)
        return;
    try {
        handler(Sender);
    } catch (...) {
        HandleException(Sender);
    }
}

void TApplication::HandleException(TObject* Sender) {
    const auto Report = [&](const Exception& e) {
        if (OnException)
            OnException(Sender, e);
        else
            ShowException(e);
    };
    try {
        try {
            throw;
        } catch (const Exception& e) {
            Report(e);
        } catch (const std::exception& e) {
            Report(Exception(QString::fromLocal8Bit(e.what())));
        } catch (...) {
            Report(Exception(QStringLiteral("Unknown exception")));
        }
    } catch (...) {
        // Nothing may leave the report: the event loop must go on.
        std::fputs("An exception could not be reported.\n", stderr);
    }
}

void TApplication::ShowException(const Exception& E) {
    ShowExceptionMessage(title_, E);
}
