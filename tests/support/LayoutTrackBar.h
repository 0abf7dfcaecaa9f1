#pragma once
// One of the main form's two track bars as the layout makes and places it: the form read on the
// screen the layout was designed on, shown as the active window, the bar holding the focus.

#include "support/LayoutForm.h"
#include "support/ShowActive.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

class LayoutTrackBar {
protected:
    // Call through ASSERT_NO_FATAL_FAILURE: `bar_` stays null when the form has no such bar.
    void ShowWithFocusOn(const char* name) {
        form_ = layout_form::ReadForm(layout_form::DesignScreen());
        bar_ = dynamic_cast<TTrackBar*>(form_->FindComponent(QLatin1String(name)));
        ASSERT_NE(bar_, nullptr) << name;
        ShowActive(form_.get());
        bar_->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([this] { return bar_->hasFocus(); }));
    }

    std::unique_ptr<TForm1> form_;
    TTrackBar* bar_ = nullptr;
};
