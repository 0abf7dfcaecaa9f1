#pragma once
// Ends the event loop once a window has painted for the first time. The quit is queued, so the
// paint pass that raised it finishes first: every child of the window is painted and the frame is
// flushed before the loop ends.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <functional>
#include <utility>

class QuitAtFirstPaint : public QObject {
public:
    QuitAtFirstPaint(QObject* window, std::function<void()> quit)
        : QObject(window), quit_(std::move(quit)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(QCoreApplication::instance(), quit_, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> quit_;
};
