// The track bar under real keys and mouse: both of the layout's track bars on its form, each with
// an OnChange that records the position it sees in place of the program's handler.

#include "gui/TrackBar.h"
#include "GuiInput.h"
#include "gui/Application.h"
#include "gui/PageControl.h"
#include "runtime/Exceptions.h"
#include "support/LayoutTrackBar.h"
#include "support/LayoutValues.h"

#include <QWheelEvent>
#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

using namespace layout_values;
using gui_input::Key;

namespace {

class TrackBarFixture : public LayoutTrackBar {
protected:
    void Build(const char* barName) {
        ASSERT_NO_FATAL_FAILURE(ShowWithFocusOn(barName));
        host_ = form_.get();
        for (TTrackBar* bar : {form_->TrackBar3, form_->TrackBar4})
            bar->OnChange = [this, bar](TObject* sender) {
                EXPECT_EQ(sender, bar);
                if (bar == bar_)
                    seen_.push_back(bar->Position());
                else
                    ++otherCalls_;
            };
    }

    void Destroy() {
        Application->OnException = nullptr;
        form_.reset();
    }

    // Sets the position from code and forgets what that raised.
    void Start(int position) {
        bar_->SetPosition(position);
        ASSERT_EQ(bar_->Position(), position);
        seen_.clear();
    }

    QPoint OnBar(QPoint local) const { return bar_->mapTo(host_, local); }
    QWidget* Grabber() const { return bar_->focusProxy(); }

    QWidget* host_ = nullptr; // the form: input goes to the widget under a point of it
    std::vector<int> seen_;   // Position() as each OnChange of bar_ saw it
    int otherCalls_ = 0;
};

class TrackBarTest : public TrackBarFixture, public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { Build(GetParam()); }
    void TearDown() override { Destroy(); }
};

std::string BarName(const ::testing::TestParamInfo<const char*>& info) {
    return info.param;
}

// Either bar with each of a table of cases, named after both.
template <class Case>
class TrackBarCaseTest : public TrackBarFixture,
                         public ::testing::TestWithParam<std::tuple<const char*, Case>> {
protected:
    void SetUp() override { Build(std::get<0>(this->GetParam())); }
    void TearDown() override { Destroy(); }
};

template <class Case>
std::string CaseName(const ::testing::TestParamInfo<std::tuple<const char*, Case>>& info) {
    return std::string(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(LayoutBars, TrackBarTest, ::testing::Values("TrackBar3", "TrackBar4"),
                         BarName);

TEST_P(TrackBarTest, StartsAsTheLayoutLeavesIt) {
    EXPECT_EQ(bar_->Min(), 0);
    EXPECT_EQ(bar_->Max(), 10);
    EXPECT_EQ(bar_->Position(), 0);
    EXPECT_EQ(bar_->LineSize(), 1);
    EXPECT_EQ(bar_->PageSize(), 2);
    EXPECT_EQ(bar_->Frequency(), 1);
    EXPECT_EQ(bar_->TickMarks(), TTickMark::tmBottomRight);
    EXPECT_EQ(bar_->TickStyle(), TTickStyle::tsAuto);
    EXPECT_EQ(bar_->ThumbLength(), 20);
    EXPECT_TRUE(bar_->TabStop());
    EXPECT_EQ(bar_->geometry(), QRect(bar_->Left(), 259, 150, 45));
    EXPECT_TRUE(seen_.empty());
    EXPECT_EQ(otherCalls_, 0);
}

TEST_P(TrackBarTest, ThumbKeepsItsLengthAcrossTheChannel) {
    EXPECT_EQ(bar_->ThumbRect().height(), 20);
    bar_->SetThumbLength(30);
    EXPECT_EQ(bar_->ThumbRect().height(), 30);
    EXPECT_TRUE(bar_->rect().contains(bar_->ThumbRect()));
    EXPECT_FALSE(bar_->grab().isNull());
}

TEST_P(TrackBarTest, ThumbMovesAlongTheChannelWithPosition) {
    const int atMin = bar_->ThumbRect().center().x();
    Start(10);
    const int atMax = bar_->ThumbRect().center().x();
    EXPECT_GT(atMax - atMin, 100);
    EXPECT_TRUE(bar_->ChannelRect().contains(QPoint(atMin, bar_->ChannelRect().center().y())));
    EXPECT_TRUE(bar_->ChannelRect().contains(QPoint(atMax, bar_->ChannelRect().center().y())));
}

TEST_P(TrackBarTest, ClickGivesTheFocus) {
    auto* other = dynamic_cast<TTrackBar*>(form_->FindComponent(
        bar_->Name() == QLatin1String("TrackBar3") ? QStringLiteral("TrackBar4")
                                                   : QStringLiteral("TrackBar3")));
    ASSERT_NE(other, nullptr);
    gui_input::Click(host_, other->mapTo(host_, other->ThumbRect().center()));
    EXPECT_TRUE(other->hasFocus());
    EXPECT_FALSE(bar_->hasFocus());
}

TEST_P(TrackBarTest, DragRaisesOnEveryMoveAndOnceMoreAtRelease) {
    const QRect thumb = bar_->ThumbRect();
    gui_input::Press(host_, OnBar(thumb.center()));
    QWidget* grabber = Grabber();
    int calls = 0;
    for (int x = thumb.center().x(); x <= bar_->width() + 20; x += 5) {
        gui_input::Drag(grabber, host_, OnBar(QPoint(x, thumb.center().y())));
        if (static_cast<int>(seen_.size()) != calls) {
            calls = static_cast<int>(seen_.size());
            EXPECT_EQ(seen_.back(), bar_->Position()) << "OnChange saw the old position";
        }
    }
    ASSERT_GE(seen_.size(), 5u);
    for (size_t i = 1; i < seen_.size(); ++i)
        EXPECT_GT(seen_[i], seen_[i - 1]);
    EXPECT_EQ(bar_->Position(), 10);
    const size_t beforeRelease = seen_.size();
    gui_input::Release(grabber, host_, OnBar(QPoint(bar_->width() + 20, thumb.center().y())));
    ASSERT_EQ(seen_.size(), beforeRelease + 1);
    EXPECT_EQ(seen_.back(), 10);
    EXPECT_EQ(otherCalls_, 0);
}

TEST_P(TrackBarTest, DragBackPastTheStartStopsAtMin) {
    Start(6);
    const QRect thumb = bar_->ThumbRect();
    gui_input::Press(host_, OnBar(thumb.center()));
    QWidget* grabber = Grabber();
    for (int x = thumb.center().x(); x >= -30; x -= 10)
        gui_input::Drag(grabber, host_, OnBar(QPoint(x, thumb.center().y())));
    gui_input::Release(grabber, host_, OnBar(QPoint(-30, thumb.center().y())));
    EXPECT_EQ(bar_->Position(), 0);
    ASSERT_FALSE(seen_.empty());
    EXPECT_EQ(seen_.back(), 0);
}

TEST_P(TrackBarTest, ReleasingTheThumbWithoutMovingRaisesOnce) {
    Start(4);
    const QPoint centre = OnBar(bar_->ThumbRect().center());
    gui_input::Press(host_, centre);
    EXPECT_TRUE(seen_.empty());
    gui_input::Release(Grabber(), host_, centre);
    EXPECT_EQ(seen_, std::vector<int>{4});
}

TEST_P(TrackBarTest, HeldPressBesideTheThumbPagesUntilTheThumbReachesIt) {
    const QRect thumb = bar_->ThumbRect();
    const QPoint farRight = OnBar(QPoint(bar_->ChannelRect().right() - 1, thumb.center().y()));
    gui_input::Press(host_, farRight);
    EXPECT_EQ(seen_, std::vector<int>{2});
    EXPECT_TRUE(QTest::qWaitFor([this] { return bar_->Position() == 10; }, 10000));
    gui_input::Release(Grabber(), host_, farRight);
    EXPECT_EQ(seen_, (std::vector<int>{2, 4, 6, 8, 10}));
}

TEST_P(TrackBarTest, KeysAfterTheThumbHoldNoStaleState) {
    const QRect thumb = bar_->ThumbRect();
    const QPoint beside = OnBar(QPoint(thumb.right() + 4, thumb.center().y()));
    gui_input::Press(host_, beside);
    gui_input::Release(Grabber(), host_, beside);
    Key(Qt::Key_Right);
    EXPECT_EQ(seen_, (std::vector<int>{2, 3}));
    // A move with no button held is no drag.
    QTest::mouseMove(Grabber(), QPoint(bar_->width() - 2, thumb.center().y()));
    EXPECT_EQ(bar_->Position(), 3);
}

// A wheel turn over the thumb. Whether the slider kept it: a wheel event it leaves goes on to
// scroll whatever holds the track bar.
bool Wheel(QWidget* slider, QPoint angleDelta, bool inverted = false) {
    const QPointF at(slider->rect().center());
    QWheelEvent event(at, slider->mapToGlobal(at), QPoint(), angleDelta, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, inverted);
    QApplication::sendEvent(slider, &event);
    return event.isAccepted();
}

TEST_P(TrackBarTest, WheelNotchStepsAsTheUpAndDownKeys) {
    QWidget* slider = Grabber();
    constexpr int kNotch = QWheelEvent::DefaultDeltasPerStep;

    Start(5);
    Wheel(slider, QPoint(0, kNotch));
    EXPECT_EQ(seen_, std::vector<int>{4}) << "a notch up goes one line toward Min";
    Start(5);
    Wheel(slider, QPoint(0, -kNotch));
    EXPECT_EQ(seen_, std::vector<int>{6}) << "a notch down goes one line toward Max";

    // A fine wheel moves one line for every whole notch it turns, however it splits the turn.
    Start(5);
    for (int i = 0; i < 8; ++i)
        Wheel(slider, QPoint(0, -kNotch / 4));
    EXPECT_EQ(seen_, (std::vector<int>{6, 7}));
    // The physical turn counts, not the direction the system reports for scrolling.
    Start(5);
    Wheel(slider, QPoint(0, -kNotch), true);
    EXPECT_EQ(seen_, std::vector<int>{4});
    // Tilted, the wheel goes as the Left and Right keys.
    Start(5);
    Wheel(slider, QPoint(kNotch, 0));
    Wheel(slider, QPoint(-2 * kNotch, 0));
    EXPECT_EQ(seen_, (std::vector<int>{4, 5, 6}));

    // At the ends the wheel does nothing, and still scrolls nothing else.
    Start(0);
    EXPECT_TRUE(Wheel(slider, QPoint(0, kNotch)));
    EXPECT_EQ(bar_->Position(), 0);
    EXPECT_TRUE(seen_.empty()) << "a notch up at Min raises nothing";
    Start(10);
    EXPECT_TRUE(Wheel(slider, QPoint(0, -kNotch)));
    EXPECT_EQ(bar_->Position(), 10);
    EXPECT_TRUE(seen_.empty()) << "a notch down at Max raises nothing";
    EXPECT_EQ(otherCalls_, 0);
}

TEST_P(TrackBarTest, OtherButtonsLeaveThePositionAlone) {
    const QRect thumb = bar_->ThumbRect();
    const QPoint beside = OnBar(QPoint(bar_->ChannelRect().right() - 1, thumb.center().y()));
    gui_input::Press(host_, beside, Qt::MiddleButton);
    gui_input::Release(Grabber(), host_, beside, Qt::MiddleButton);
    gui_input::Press(host_, beside, Qt::RightButton);
    gui_input::Release(Grabber(), host_, beside, Qt::RightButton);
    EXPECT_EQ(bar_->Position(), 0);
    EXPECT_TRUE(seen_.empty());
}

TEST_P(TrackBarTest, ExceptionFromOnChangeIsReportedAndTheBarGoesOn) {
    std::vector<QString> reports;
    std::vector<TObject*> senders;
    Application->OnException = [&](TObject* sender, const Exception& e) {
        senders.push_back(sender);
        reports.push_back(e.Message());
    };
    bar_->OnChange = [this](TObject*) {
        seen_.push_back(bar_->Position());
        throw EConvertError(QStringLiteral("'x' is not a valid integer value"));
    };
    Key(Qt::Key_Right);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(seen_, (std::vector<int>{1, 3}));
    EXPECT_EQ(reports.size(), 2u);
    EXPECT_EQ(senders, (std::vector<TObject*>{bar_, bar_}));
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.front(), QStringLiteral("'x' is not a valid integer value"));

    // A drag whose every step throws still follows the mouse and ends at the release.
    const QRect thumb = bar_->ThumbRect();
    gui_input::Press(host_, OnBar(thumb.center()));
    QWidget* grabber = Grabber();
    const QPoint end = OnBar(QPoint(bar_->width() + 10, thumb.center().y()));
    gui_input::Drag(grabber, host_, end);
    gui_input::Release(grabber, host_, end);
    EXPECT_EQ(bar_->Position(), 10);
    EXPECT_EQ(reports.size(), seen_.size());

    seen_.clear();
    bar_->OnChange = [this](TObject*) { seen_.push_back(bar_->Position()); };
    Key(Qt::Key_Left);
    EXPECT_EQ(seen_, std::vector<int>{9});
}

TEST_P(TrackBarTest, HandlerMaySetThePositionItself) {
    bar_->OnChange = [this](TObject*) {
        seen_.push_back(bar_->Position());
        if (bar_->Position() == 1)
            bar_->SetPosition(5);
    };
    Key(Qt::Key_Right);
    EXPECT_EQ(bar_->Position(), 5);
    EXPECT_EQ(seen_, (std::vector<int>{1, 5}));
    Key(Qt::Key_Right);
    EXPECT_EQ(bar_->Position(), 6);
}

TEST_P(TrackBarTest, HandlerMayReplaceItselfWhileRunning) {
    int replacedCalls = 0;
    bar_->OnChange = [this, &replacedCalls](TObject*) {
        bar_->OnChange = [&replacedCalls](TObject*) { ++replacedCalls; };
        seen_.push_back(bar_->Position());
    };
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(seen_, std::vector<int>{1});
    EXPECT_EQ(replacedCalls, 1);
}

// Keys, from a starting position, on either bar.
struct KeyCase {
    const char* name;
    Qt::Key key;
    int from;
    int to;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

using TrackBarKeyTest = TrackBarCaseTest<KeyCase>;

TEST_P(TrackBarKeyTest, StepsOnceAndRaisesWithTheNewPosition) {
    const KeyCase& c = std::get<1>(GetParam());
    Start(c.from);
    Key(c.key);
    EXPECT_EQ(bar_->Position(), c.to);
    EXPECT_EQ(seen_, std::vector<int>{c.to});
    EXPECT_EQ(otherCalls_, 0);
}

constexpr KeyCase kKeySteps[] = {
    {"RightAddsALine", Qt::Key_Right, 5, 6},         {"DownAddsALine", Qt::Key_Down, 5, 6},
    {"LeftTakesALine", Qt::Key_Left, 5, 4},          {"UpTakesALine", Qt::Key_Up, 5, 4},
    {"PageDownAddsAPage", Qt::Key_PageDown, 5, 7},   {"PageUpTakesAPage", Qt::Key_PageUp, 5, 3},
    {"HomeGoesToMin", Qt::Key_Home, 5, 0},           {"EndGoesToMax", Qt::Key_End, 5, 10},
    {"PageDownStopsAtMax", Qt::Key_PageDown, 9, 10}, {"PageUpStopsAtMin", Qt::Key_PageUp, 1, 0},
};

INSTANTIATE_TEST_SUITE_P(Steps, TrackBarKeyTest,
                         ::testing::Combine(::testing::Values("TrackBar3", "TrackBar4"),
                                            ::testing::ValuesIn(kKeySteps)),
                         CaseName<KeyCase>);

class TrackBarEndKeyTest : public TrackBarKeyTest {};

TEST_P(TrackBarEndKeyTest, StaysAtTheEndAndStaysUsable) {
    const KeyCase& c = std::get<1>(GetParam());
    Start(c.from);
    Key(c.key);
    Key(c.key);
    EXPECT_EQ(bar_->Position(), c.to);
    for (int seen : seen_)
        EXPECT_EQ(seen, c.to) << "a handler at the end of the range saw another position";
    seen_.clear();
    Key(c.to == 0 ? Qt::Key_Right : Qt::Key_Left);
    EXPECT_EQ(seen_, std::vector<int>{c.to == 0 ? 1 : 9});
}

constexpr KeyCase kKeysAtEnds[] = {
    {"RightAtMax", Qt::Key_Right, 10, 10}, {"PageDownAtMax", Qt::Key_PageDown, 10, 10},
    {"EndAtMax", Qt::Key_End, 10, 10},     {"LeftAtMin", Qt::Key_Left, 0, 0},
    {"PageUpAtMin", Qt::Key_PageUp, 0, 0}, {"HomeAtMin", Qt::Key_Home, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Ends, TrackBarEndKeyTest,
                         ::testing::Combine(::testing::Values("TrackBar3", "TrackBar4"),
                                            ::testing::ValuesIn(kKeysAtEnds)),
                         CaseName<KeyCase>);

// A single click beside the thumb: one page toward the click, however far away it is.
enum class Beside { JustRight, FarRight, JustLeft, FarLeft };

struct ClickCase {
    const char* name;
    int from;
    Beside where;
    int to;
};

void PrintTo(const ClickCase& c, std::ostream* os) {
    *os << c.name;
}

using TrackBarChannelTest = TrackBarCaseTest<ClickCase>;

TEST_P(TrackBarChannelTest, PagesOnceTowardTheClick) {
    const ClickCase& c = std::get<1>(GetParam());
    Start(c.from);
    const QRect thumb = bar_->ThumbRect();
    const QRect channel = bar_->ChannelRect();
    int x = 0;
    switch (c.where) {
    case Beside::JustRight:
        x = thumb.right() + 3;
        break;
    case Beside::FarRight:
        x = channel.right() - 1;
        break;
    case Beside::JustLeft:
        x = thumb.left() - 3;
        break;
    case Beside::FarLeft:
        x = channel.left() + 1;
        break;
    }
    gui_input::Click(host_, OnBar(QPoint(x, thumb.center().y())));
    EXPECT_EQ(bar_->Position(), c.to);
    EXPECT_EQ(seen_, std::vector<int>{c.to});
}

constexpr ClickCase kClicks[] = {
    {"JustRightAddsAPage", 0, Beside::JustRight, 2},
    {"FarRightAddsOnlyAPage", 0, Beside::FarRight, 2},
    {"JustLeftTakesAPage", 6, Beside::JustLeft, 4},
    {"FarLeftTakesOnlyAPage", 10, Beside::FarLeft, 8},
    {"RightStopsAtMax", 9, Beside::JustRight, 10},
    {"LeftStopsAtMin", 1, Beside::JustLeft, 0},
};

INSTANTIATE_TEST_SUITE_P(Clicks, TrackBarChannelTest,
                         ::testing::Combine(::testing::Values("TrackBar3", "TrackBar4"),
                                            ::testing::ValuesIn(kClicks)),
                         CaseName<ClickCase>);

// Changes made in code raise OnChange only when the position itself changes.
struct CodeCase {
    const char* name;
    int from;
    std::function<void(TTrackBar&)> change;
    int position;
    std::vector<int> raised;
};

void PrintTo(const CodeCase& c, std::ostream* os) {
    *os << c.name;
}

using TrackBarCodeTest = TrackBarCaseTest<CodeCase>;

TEST_P(TrackBarCodeTest, RaisesOnlyWhenThePositionChanges) {
    const CodeCase& c = std::get<1>(GetParam());
    Start(c.from);
    c.change(*bar_);
    EXPECT_EQ(bar_->Position(), c.position);
    EXPECT_EQ(seen_, c.raised);
    EXPECT_LE(bar_->Min(), bar_->Position());
    EXPECT_LE(bar_->Position(), bar_->Max());
}

const CodeCase kCodeChanges[] = {
    {"SamePosition", 4, [](TTrackBar& b) { b.SetPosition(4); }, 4, {}},
    {"NewPosition", 4, [](TTrackBar& b) { b.SetPosition(7); }, 7, {7}},
    {"AboveMaxIsClamped", 4, [](TTrackBar& b) { b.SetPosition(25); }, 10, {10}},
    {"BelowMinIsClamped", 4, [](TTrackBar& b) { b.SetPosition(-3); }, 0, {0}},
    {"ClampedOntoCurrent", 10, [](TTrackBar& b) { b.SetPosition(11); }, 10, {}},
    {"ExtremeValuesAreClamped", 5, [](TTrackBar& b) { b.SetPosition(INT_MIN); }, 0, {0}},
    {"MaxBelowPosition", 8, [](TTrackBar& b) { b.SetMax(5); }, 5, {5}},
    {"MaxAbovePosition", 3, [](TTrackBar& b) { b.SetMax(5); }, 3, {}},
    {"MinAbovePosition", 2, [](TTrackBar& b) { b.SetMin(4); }, 4, {4}},
    {"MinBelowPosition", 2, [](TTrackBar& b) { b.SetMin(-4); }, 2, {}},
    {"MinAboveMax", 2, [](TTrackBar& b) { b.SetMin(20); }, 20, {20}},
    {"SizesAndTicks",
     2,
     [](TTrackBar& b) {
         b.SetLineSize(3);
         b.SetPageSize(4);
         b.SetFrequency(5);
         b.SetThumbLength(12);
         b.SetTickMarks(TTickMark::tmBoth);
         b.SetTickStyle(TTickStyle::tsManual);
     },
     2,
     {}},
};

INSTANTIATE_TEST_SUITE_P(Code, TrackBarCodeTest,
                         ::testing::Combine(::testing::Values("TrackBar3", "TrackBar4"),
                                            ::testing::ValuesIn(kCodeChanges)),
                         CaseName<CodeCase>);

// A track bar read from a layout: the values it is given take effect and raise nothing.
class TrackBarLayoutTest : public ::testing::Test {
protected:
    void TearDown() override { owner_.DestroyComponents(); }

    TComponent owner_{nullptr};
};

TEST_F(TrackBarLayoutTest, ReadingRaisesNothingAndTheValuesTakeEffect) {
    auto* host = new TWinControl(&owner_);
    host->SetBounds(0, 0, 300, 100);
    auto* bar = new TTrackBar(&owner_);
    int calls = 0;
    host->InsertChild(bar);
    SetLayoutEvent(*bar, QStringLiteral("OnChange"), [&calls](TObject*) { ++calls; });
    SetLayoutProperty(*bar, QStringLiteral("Max"), Int(40));
    SetLayoutProperty(*bar, QStringLiteral("Min"), Int(10));
    SetLayoutProperty(*bar, QStringLiteral("Position"), Int(30));
    SetLayoutProperty(*bar, QStringLiteral("LineSize"), Int(3));
    SetLayoutProperty(*bar, QStringLiteral("PageSize"), Int(5));
    SetLayoutProperty(*bar, QStringLiteral("Frequency"), Int(5));
    SetLayoutProperty(*bar, QStringLiteral("ThumbLength"), Int(24));
    SetLayoutProperty(*bar, QStringLiteral("TickMarks"), Ident(QStringLiteral("tmTopLeft")));
    SetLayoutProperty(*bar, QStringLiteral("TickStyle"), Ident(QStringLiteral("tsNone")));
    SetLayoutProperty(*bar, QStringLiteral("ExplicitWidth"), Int(150));
    bar->Loaded();
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(bar->Min(), 10);
    EXPECT_EQ(bar->Max(), 40);
    EXPECT_EQ(bar->Position(), 30);
    EXPECT_EQ(bar->TickMarks(), TTickMark::tmTopLeft);
    EXPECT_EQ(bar->TickStyle(), TTickStyle::tsNone);
    EXPECT_EQ(bar->ThumbRect().height(), 24);

    ShowActive(host);
    bar->setFocus();
    Key(Qt::Key_Right);
    EXPECT_EQ(bar->Position(), 33);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(bar->Position(), 38);
    EXPECT_EQ(calls, 2);
}

TEST_F(TrackBarLayoutTest, UnknownOrMistypedValuesAreReadErrors) {
    auto* bar = new TTrackBar(&owner_);
    bar->SetName(QStringLiteral("TrackBar3"));
    EXPECT_THROW(SetLayoutProperty(*bar, QStringLiteral("Orientation"), Ident(QStringLiteral("x"))),
                 EReadError);
    EXPECT_THROW(SetLayoutProperty(*bar, QStringLiteral("Position"), Str(QStringLiteral("3"))),
                 EReadError);
    EXPECT_THROW(
        SetLayoutProperty(*bar, QStringLiteral("TickMarks"), Ident(QStringLiteral("tmLeft"))),
        EReadError);
    EXPECT_THROW(SetLayoutEvent(*bar, QStringLiteral("OnClick"), [](TObject*) {}), EReadError);
    EXPECT_EQ(bar->Position(), 0);
}

TEST_F(TrackBarLayoutTest, WithoutTabStopTheKeyboardPassesItBy) {
    auto* host = new TWinControl(&owner_);
    host->SetBounds(0, 0, 400, 100);
    auto* first = new TTrackBar(&owner_);
    auto* skipped = new TTrackBar(&owner_);
    auto* last = new TTrackBar(&owner_);
    int left = 0;
    for (TTrackBar* bar : {first, skipped, last}) {
        host->InsertChild(bar);
        bar->SetBounds(left, 0, 120, 45);
        left += 130;
    }
    SetLayoutProperty(*skipped, QStringLiteral("TabStop"), Bool(false));
    ShowActive(host);
    first->setFocus();
    Key(Qt::Key_Tab);
    EXPECT_TRUE(last->hasFocus());
    gui_input::Click(host, skipped->mapTo(host, skipped->ThumbRect().center()));
    EXPECT_TRUE(skipped->hasFocus()) << "a click still gives the focus";
}

} // namespace
