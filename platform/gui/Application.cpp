#include "gui/Application.h"

#include "gui/ExceptionReport.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>

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
