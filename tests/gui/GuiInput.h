#pragma once
// Input as the window system delivers it: a mouse event goes to the innermost widget under the
// point, a key to the widget that has the focus.

#include "support/ShowActive.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace gui_input {

// The widget under `point` (in `root`'s coordinates), and the point in its own coordinates.
inline std::pair<QWidget*, QPoint> Target(QWidget* root, QPoint point) {
    QWidget* target = root->childAt(point);
    if (target == nullptr)
        target = root;
    return {target, target->mapFrom(root, point)};
}

inline void Press(QWidget* root, QPoint point, Qt::MouseButton button = Qt::LeftButton) {
    const auto [target, local] = Target(root, point);
    QTest::mousePress(target, button, {}, local);
}

// While a button is held, the widget that took the press keeps the mouse.
inline void Drag(QWidget* grabber, QWidget* root, QPoint point) {
    QTest::mouseMove(grabber, grabber->mapFrom(root, point));
}

inline void Release(QWidget* grabber, QWidget* root, QPoint point,
                    Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(grabber, button, {}, grabber->mapFrom(root, point));
}

inline void Click(QWidget* root, QPoint point) {
    const auto [target, local] = Target(root, point);
    QTest::mouseClick(target, Qt::LeftButton, {}, local);
}

inline void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "no widget has the focus";
    QTest::keyClick(focus, key, modifiers);
}

} // namespace gui_input
