#include "gui/ExceptionReport.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>

void ShowExceptionMessage(const QString& title, const Exception& E) {
    QString text = E.Message();
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void ReportStartupError(const QString& className, const QString& message) {
    const QString text =
        QStringLiteral("Exception %1 in module %2: %3.")
            .arg(className, QFileInfo(QCoreApplication::applicationFilePath()).fileName(), message);
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok);
        box.exec();
    }
}
