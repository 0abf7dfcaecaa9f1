#pragma once
// Shows a window and waits until it is the active one, so that the focus and the Tab key work as on
// screen.

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

inline void ShowActive(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}
