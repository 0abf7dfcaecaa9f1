// The track bars moved by real input: each notification writes the position into its label and
// rebuilds the bars at once; the line chart never follows.
#include "FormFixture.h"

#include "runtime/IntegerText.h"

#include <QTest>

namespace {

struct Pair {
    const char* name;
    TTrackBar* TForm1::*bar;
    TLabel* TForm1::*label;
    TLabel* TForm1::*other;
    int barIndex; // which bar the label's price feeds: "Qd" 0, "Qs" 1
};

void PrintTo(const Pair& pair, std::ostream* os) {
    *os << pair.name;
}

class TrackBarInput : public FormFixture, public ::testing::WithParamInterface<Pair> {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        ShowForm();
        bar = form->*GetParam().bar;
        label = form->*GetParam().label;
        other = form->*GetParam().other;
        linesBefore = {Points(Lines(0)), Points(Lines(1))};
        bar->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::focusWidget() != nullptr; }));
    }

    // After every notification: the label holds the position, the bar its quantity, the other
    // label and bar are untouched and the lines are as the first showing left them.
    void ExpectInStep(const char* step) {
        SCOPED_TRACE(step);
        const int price = bar->Position();
        EXPECT_EQ(label->Caption(), IntToStr(price));
        EXPECT_EQ(other->Caption(), QStringLiteral("0"));
        const double qd = GetParam().barIndex == 0 ? 4750.0 - 350.0 * price : 4750.0;
        const double qs = GetParam().barIndex == 1 ? 1600.0 + 100.0 * price : 1600.0;
        EXPECT_EQ(BarPoints(), (std::vector<ChartPoint>{{0, qd, QStringLiteral("Qd")},
                                                        {1, qs, QStringLiteral("Qs")}}));
        EXPECT_EQ(Points(Lines(0)), linesBefore[0]);
        EXPECT_EQ(Points(Lines(1)), linesBefore[1]);
    }

    void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    TTrackBar* bar = nullptr;
    TLabel* label = nullptr;
    TLabel* other = nullptr;
    std::vector<std::vector<ChartPoint>> linesBefore;
};

TEST_P(TrackBarInput, ArrowKeysStepByOne) {
    Key(Qt::Key_Right);
    EXPECT_EQ(bar->Position(), 1);
    ExpectInStep("right");
    Key(Qt::Key_Right);
    Key(Qt::Key_Left);
    EXPECT_EQ(bar->Position(), 1);
    ExpectInStep("right, left");
}

TEST_P(TrackBarInput, PageKeysStepByTwo) {
    Key(Qt::Key_PageDown);
    const int afterDown = bar->Position();
    Key(Qt::Key_PageUp);
    Key(Qt::Key_PageUp);
    const int afterUps = bar->Position();
    EXPECT_EQ(std::abs(afterDown - afterUps), 2);
    EXPECT_EQ(std::max(afterDown, afterUps), 2);
    ExpectInStep("page keys");
}

TEST_P(TrackBarInput, ADragIsFollowedAtEveryMove) {
    const QRect thumb = bar->ThumbRect();
    const QRect channel = bar->ChannelRect();
    QPoint at = thumb.center();
    QWidget* target = bar->childAt(at) != nullptr ? bar->childAt(at) : bar;
    QTest::mousePress(target, Qt::LeftButton, {}, target->mapFrom(bar, at));
    int moves = 0;
    std::vector<int> seen;
    while (at.x() < channel.right() + 10) {
        at.rx() += 7;
        QTest::mouseMove(target, target->mapFrom(bar, at));
        ++moves;
        if (seen.empty() || seen.back() != bar->Position())
            seen.push_back(bar->Position());
        ExpectInStep("during the drag");
    }
    QTest::mouseRelease(target, Qt::LeftButton, {}, target->mapFrom(bar, at));
    EXPECT_EQ(bar->Position(), 10);
    ExpectInStep("after the drag");
    EXPECT_GT(seen.size(), 5u) << "the bars should follow the thumb, not jump at the end";
}

INSTANTIATE_TEST_SUITE_P(
    BothTrackBars, TrackBarInput,
    ::testing::Values(Pair{"TrackBar3", &TForm1::TrackBar3, &TForm1::Label3, &TForm1::Label4, 0},
                      Pair{"TrackBar4", &TForm1::TrackBar4, &TForm1::Label4, &TForm1::Label3, 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
