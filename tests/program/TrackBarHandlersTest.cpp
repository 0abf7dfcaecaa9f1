// The track bars moved by real input: each notification writes the position into its label and
// rebuilds the bars at once; the line chart never follows.
#include "support/FormFixture.h"
#include "support/LayoutTrackBar.h"

#include "runtime/IntegerText.h"

#include <QTest>

namespace {

struct Pair {
    const char* name; // the track bar's
    TLabel* TForm1::*label;
    TLabel* TForm1::*other;
    int barIndex; // which bar the label's price feeds: "Qd" 0, "Qs" 1
};

void PrintTo(const Pair& pair, std::ostream* os) {
    *os << pair.name;
}

class TrackBarInput : public LayoutTrackBar, public ::testing::TestWithParam<Pair> {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ShowWithFocusOn(GetParam().name));
        label = form_.get()->*GetParam().label;
        other = form_.get()->*GetParam().other;
        linesBefore = {Points(Lines(0)), Points(Lines(1))};
    }

    TChartSeries* Lines(int index) const { return form_->Chart1->SeriesList()[index]; }
    std::vector<ChartPoint> BarPoints() const { return Points(form_->Chart2->SeriesList()[0]); }

    // After every notification: the label holds the position, the bar its quantity, the other
    // label and bar are untouched and the lines are as the first showing left them.
    void ExpectInStep(const char* step) {
        SCOPED_TRACE(step);
        const int price = bar_->Position();
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

    TLabel* label = nullptr;
    TLabel* other = nullptr;
    std::vector<std::vector<ChartPoint>> linesBefore;
};

TEST_P(TrackBarInput, ArrowKeysStepByOne) {
    Key(Qt::Key_Right);
    EXPECT_EQ(bar_->Position(), 1);
    ExpectInStep("right");
    Key(Qt::Key_Right);
    Key(Qt::Key_Left);
    EXPECT_EQ(bar_->Position(), 1);
    ExpectInStep("right, left");
}

TEST_P(TrackBarInput, PageKeysStepByTwo) {
    Key(Qt::Key_PageDown);
    const int afterDown = bar_->Position();
    Key(Qt::Key_PageUp);
    Key(Qt::Key_PageUp);
    const int afterUps = bar_->Position();
    EXPECT_EQ(std::abs(afterDown - afterUps), 2);
    EXPECT_EQ(std::max(afterDown, afterUps), 2);
    ExpectInStep("page keys");
}

TEST_P(TrackBarInput, ADragIsFollowedAtEveryMove) {
    const QRect thumb = bar_->ThumbRect();
    const QRect channel = bar_->ChannelRect();
    QPoint at = thumb.center();
    QWidget* target = bar_->childAt(at) != nullptr ? bar_->childAt(at) : bar_;
    QTest::mousePress(target, Qt::LeftButton, {}, target->mapFrom(bar_, at));
    int moves = 0;
    std::vector<int> seen;
    while (at.x() < channel.right() + 10) {
        at.rx() += 7;
        QTest::mouseMove(target, target->mapFrom(bar_, at));
        ++moves;
        if (seen.empty() || seen.back() != bar_->Position())
            seen.push_back(bar_->Position());
        ExpectInStep("during the drag");
    }
    QTest::mouseRelease(target, Qt::LeftButton, {}, target->mapFrom(bar_, at));
    EXPECT_EQ(bar_->Position(), 10);
    ExpectInStep("after the drag");
    EXPECT_GT(seen.size(), 5u) << "the bars should follow the thumb, not jump at the end";
}

INSTANTIATE_TEST_SUITE_P(BothTrackBars, TrackBarInput,
                         ::testing::Values(Pair{"TrackBar3", &TForm1::Label3, &TForm1::Label4, 0},
                                           Pair{"TrackBar4", &TForm1::Label4, &TForm1::Label3, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
