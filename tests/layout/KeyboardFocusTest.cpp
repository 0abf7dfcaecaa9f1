// The keyboard on the main window: Tab goes round the page control and the two track bars in their
// TabOrder, charts and labels never take the focus, and a focused track bar steps with its keys.
#include "support/LayoutForm.h"

#include "runtime/IntegerText.h"

namespace {

using layout_form::FocusedControl;
using layout_form::NameOf;

class KeyboardFocus : public layout_form::DesignFormTest {
protected:
    void SetUp() override {
        DesignFormTest::SetUp();
        ShowActive(form.get());
        form->PageControl1->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([] { return FocusedControl() != nullptr; }));
        ASSERT_EQ(NameOf(FocusedControl()), QStringLiteral("PageControl1"));
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key, modifiers);
    }

    // The controls the focus visits with `count` presses of `key`.
    QStringList Visit(Qt::Key key, int count) {
        QStringList visited;
        for (int i = 0; i < count; ++i) {
            Key(key);
            visited << NameOf(FocusedControl());
        }
        return visited;
    }
};

TEST_F(KeyboardFocus, TabGoesRoundThePageControlAndTheTrackBarsInTabOrder) {
    EXPECT_EQ(form->TrackBar3->TabOrder(), 1);
    EXPECT_EQ(form->TrackBar4->TabOrder(), 2);
    EXPECT_EQ(Visit(Qt::Key_Tab, 6), (QStringList{"TrackBar3", "TrackBar4", "PageControl1",
                                                  "TrackBar3", "TrackBar4", "PageControl1"}));
}

TEST_F(KeyboardFocus, ShiftTabGoesRoundTheOtherWay) {
    EXPECT_EQ(Visit(Qt::Key_Backtab, 3), (QStringList{"TrackBar4", "TrackBar3", "PageControl1"}));
}

TEST_F(KeyboardFocus, ChartsAndLabelsNeverTakeTheFocus) {
    const std::vector<TControl*> passive{form->Chart2, form->Label3, form->Label4};
    Key(Qt::Key_Tab);
    ASSERT_EQ(NameOf(FocusedControl()), QStringLiteral("TrackBar3"));
    for (TControl* control : passive) {
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
        EXPECT_EQ(NameOf(FocusedControl()), QStringLiteral("TrackBar3"))
            << "after a click on " << control->Name().toStdString();
    }
    form->PageControl1->SetActivePage(form->TabSheet1);
    QTest::mouseClick(form->Chart1, Qt::LeftButton, {}, form->Chart1->rect().center());
    EXPECT_NE(FocusedControl(), form->Chart1);
    // Nothing inside them can take the focus by any means.
    const std::vector<TControl*> all{form->Chart1, form->Chart2, form->Label3, form->Label4};
    for (TControl* control : all) {
        EXPECT_EQ(control->focusPolicy(), Qt::NoFocus) << control->Name().toStdString();
        for (const QWidget* inner : control->findChildren<QWidget*>())
            EXPECT_EQ(inner->focusPolicy(), Qt::NoFocus) << control->Name().toStdString();
    }
}

TEST_F(KeyboardFocus, OnTabSheet1TabStaysOnThePageControl) {
    // The page's only control is a chart; the track bars on the hidden page are passed by.
    form->PageControl1->SetActivePage(form->TabSheet1);
    EXPECT_EQ(Visit(Qt::Key_Tab, 2), (QStringList{"PageControl1", "PageControl1"}));
}

struct StepKey {
    const char* name;
    const char* bar;
    Qt::Key key;
    int tabs; // presses of Tab from the page control to reach the bar
    int expected;
};

void PrintTo(const StepKey& k, std::ostream* os) {
    *os << k.name;
}

class TrackBarKeys : public KeyboardFocus, public ::testing::WithParamInterface<StepKey> {};

// The bar starts at 5 so that every key has room to move it.
TEST_P(TrackBarKeys, StepOnceRaisingOnChangeAndTheLabelFollows) {
    auto* bar = dynamic_cast<TTrackBar*>(form->FindComponent(QLatin1String(GetParam().bar)));
    ASSERT_NE(bar, nullptr);
    TLabel* label = bar == form->TrackBar3 ? form->Label3 : form->Label4;
    bar->SetPosition(5);
    ASSERT_EQ(label->Caption(), QStringLiteral("5"));
    int raised = 0;
    const TNotifyEvent program = bar->OnChange;
    bar->OnChange = [&](TObject* sender) {
        ++raised;
        EXPECT_EQ(sender, bar);
        program(sender);
    };
    for (int i = 0; i < GetParam().tabs; ++i)
        Key(Qt::Key_Tab);
    ASSERT_EQ(FocusedControl(), bar);
    Key(GetParam().key);
    EXPECT_EQ(bar->Position(), GetParam().expected);
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(label->Caption(), IntToStr(GetParam().expected));
    EXPECT_EQ(FocusedControl(), bar) << "the key moves the bar, not the focus";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TrackBarKeys,
    ::testing::Values(StepKey{"TrackBar3Right", "TrackBar3", Qt::Key_Right, 1, 6},
                      StepKey{"TrackBar3Left", "TrackBar3", Qt::Key_Left, 1, 4},
                      StepKey{"TrackBar3Down", "TrackBar3", Qt::Key_Down, 1, 6},
                      StepKey{"TrackBar3Up", "TrackBar3", Qt::Key_Up, 1, 4},
                      StepKey{"TrackBar3PageDown", "TrackBar3", Qt::Key_PageDown, 1, 7},
                      StepKey{"TrackBar3PageUp", "TrackBar3", Qt::Key_PageUp, 1, 3},
                      StepKey{"TrackBar4Right", "TrackBar4", Qt::Key_Right, 2, 6},
                      StepKey{"TrackBar4Left", "TrackBar4", Qt::Key_Left, 2, 4},
                      StepKey{"TrackBar4PageDown", "TrackBar4", Qt::Key_PageDown, 2, 7},
                      StepKey{"TrackBar4PageUp", "TrackBar4", Qt::Key_PageUp, 2, 3}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
