#pragma once
// The main form read from its embedded layout with the screen's answers given by the test, so that
// every expected position is known whatever fonts the machine has.

#include "Unit1.h"
#include "gui/Application.h"
#include "support/QStringPrinter.h"
#include "support/ShowActive.h"

#include <QApplication>
#include <QFont>
#include <QRect>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <vector>

// Readable values in the failure messages of the layout tests.
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '"' << list.join(QStringLiteral(", ")).toStdString() << '"';
}
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}
inline void PrintTo(const QSize& s, std::ostream* os) {
    *os << s.width() << "x" << s.height();
}
inline void PrintTo(const QPoint& p, std::ostream* os) {
    *os << p.x() << "," << p.y();
}

namespace layout_form {

// A screen at `pixelsPerInch` on which the digit zero of every font is `zeroHeight` pixels tall.
// Each font asked about is recorded in `asked`, when given.
inline TScreenMetrics Screen(int pixelsPerInch, int zeroHeight,
                             std::vector<QFont>* asked = nullptr) {
    return TScreenMetrics{pixelsPerInch, [zeroHeight, asked](const QFont& font) {
                              if (asked != nullptr)
                                  asked->push_back(font);
                              return zeroHeight;
                          }};
}

// The screen the layout was designed on: nothing is scaled.
inline TScreenMetrics DesignScreen() {
    return Screen(96, 13);
}

inline std::unique_ptr<TForm1> ReadForm(const TScreenMetrics& screen) {
    auto form = std::make_unique<TForm1>(Application);
    form->ReadLayout(*form->Published(), screen);
    return form;
}

// The control of the form that holds the keyboard focus (a track bar's slider or the page
// control's tabs stand for their control), or null.
inline TControl* FocusedControl() {
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget())
        if (auto* control = dynamic_cast<TControl*>(w))
            return control;
    return nullptr;
}

inline QString NameOf(const TControl* control) {
    return control == nullptr ? QStringLiteral("(nothing)") : control->Name();
}

class DesignFormTest : public ::testing::Test {
protected:
    void SetUp() override { form = ReadForm(DesignScreen()); }
    void TearDown() override { form.reset(); }

    std::unique_ptr<TForm1> form;
};

} // namespace layout_form
