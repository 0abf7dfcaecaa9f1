// Reading the layout on a screen other than the one it was designed on (96 dpi, a zero 13 pixels
// tall): the font follows the resolution, then the window and every control follow the height the
// font's zero really measures.
#include "support/LayoutForm.h"

#include <QSlider>
#include <QStackedWidget>

namespace {

struct ScaledLayout {
    const char* name;
    int pixelsPerInch;
    int zeroHeight;
    int fontHeight;
    QSize client;
    QRect chart1, chart2, trackBar3, trackBar4;
    QPoint label3, label4;
};

void PrintTo(const ScaledLayout& s, std::ostream* os) {
    *os << s.name;
}

class ResolutionScaling : public ::testing::TestWithParam<ScaledLayout> {
protected:
    void SetUp() override {
        form = layout_form::ReadForm(
            layout_form::Screen(GetParam().pixelsPerInch, GetParam().zeroHeight, &asked));
    }
    void TearDown() override { form.reset(); }

    std::vector<QFont> asked;
    std::unique_ptr<TForm1> form;
};

TEST_P(ResolutionScaling, TheFontFollowsTheResolution) {
    EXPECT_EQ(form->FontHeight(), GetParam().fontHeight);
    EXPECT_EQ(form->font().pixelSize(), -GetParam().fontHeight);
    EXPECT_EQ(form->font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(form->PixelsPerInch(), GetParam().pixelsPerInch);
    // The zero is measured in the font the form ends up with.
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back().pixelSize(), -GetParam().fontHeight);
    EXPECT_EQ(asked.back().family(), QStringLiteral("Tahoma"));
}

TEST_P(ResolutionScaling, TheClientAreaFollowsTheMeasuredZero) {
    EXPECT_EQ(form->size(), GetParam().client);
    EXPECT_EQ(form->TextHeight(), GetParam().zeroHeight);
    EXPECT_EQ(form->PageControl1->geometry(), QRect(QPoint(0, 0), GetParam().client));
    ShowActive(form.get());
    EXPECT_EQ(form->size(), GetParam().client);
}

TEST_P(ResolutionScaling, EveryControlOnEveryPageMovesItsEdges) {
    EXPECT_EQ(form->Chart1->geometry(), GetParam().chart1);
    EXPECT_EQ(form->Chart2->geometry(), GetParam().chart2);
    EXPECT_EQ(form->TrackBar3->geometry(), GetParam().trackBar3);
    EXPECT_EQ(form->TrackBar4->geometry(), GetParam().trackBar4);
    // The slider inside follows once the window shows.
    ShowActive(form.get());
    for (TTrackBar* bar : {form->TrackBar3, form->TrackBar4})
        EXPECT_EQ(bar->findChild<QSlider*>()->geometry(), bar->rect());
}

TEST_P(ResolutionScaling, LabelsMoveAndMeasureTheirCaptionInTheNewFont) {
    EXPECT_EQ(form->Label3->pos(), GetParam().label3);
    EXPECT_EQ(form->Label4->pos(), GetParam().label4);
    for (TLabel* label : {form->Label3, form->Label4}) {
        EXPECT_EQ(label->font().pixelSize(), -GetParam().fontHeight);
        const QFontMetrics metrics(label->font());
        EXPECT_EQ(label->size(),
                  QSize(metrics.horizontalAdvance(QStringLiteral("0")), metrics.height()));
    }
}

TEST_P(ResolutionScaling, PagesStillFillTheDisplayArea) {
    ShowActive(form.get());
    for (TTabSheet* page : {form->TabSheet2, form->TabSheet1}) {
        form->PageControl1->SetActivePage(page);
        ASSERT_TRUE(QTest::qWaitFor([page] { return page->isVisible(); }));
        EXPECT_EQ(page->geometry(), qobject_cast<QStackedWidget*>(page->parentWidget())->rect());
    }
}

// Each edge is scaled on its own: MulDiv(edge, zero, 13), halves away from zero. A width is the
// difference of two scaled edges, so neighbours that meet keep meeting; two controls of one width
// may come out a pixel apart (TrackBar3 and TrackBar4 at a zero of 15).
INSTANTIATE_TEST_SUITE_P(
    Screens, ResolutionScaling,
    ::testing::Values(
        ScaledLayout{"Design96dpiZero13", 96, 13, -11, QSize(531, 328), QRect(3, 0, 517, 289),
                     QRect(3, 3, 517, 250), QRect(3, 259, 150, 45), QRect(370, 259, 150, 45),
                     QPoint(159, 259), QPoint(358, 259)},
        // 397.5 rounds up to 398: TrackBar3 ends at 398, so it is 59 tall.
        ScaledLayout{"At120dpiZero17", 120, 17, -14, QSize(694, 429), QRect(4, 0, 676, 378),
                     QRect(4, 4, 676, 327), QRect(4, 339, 196, 59), QRect(484, 339, 196, 59),
                     QPoint(208, 339), QPoint(468, 339)},
        ScaledLayout{"At120dpiZero16", 120, 16, -14, QSize(654, 404), QRect(4, 0, 636, 356),
                     QRect(4, 4, 636, 307), QRect(4, 319, 184, 55), QRect(455, 319, 185, 55),
                     QPoint(196, 319), QPoint(441, 319)},
        ScaledLayout{"At96dpiAFontWithAZeroOf15", 96, 15, -11, QSize(613, 378),
                     QRect(3, 0, 597, 333), QRect(3, 3, 597, 289), QRect(3, 299, 174, 52),
                     QRect(427, 299, 173, 52), QPoint(183, 299), QPoint(413, 299)},
        ScaledLayout{"At144dpiAZeroStill13", 144, 13, -17, QSize(531, 328), QRect(3, 0, 517, 289),
                     QRect(3, 3, 517, 250), QRect(3, 259, 150, 45), QRect(370, 259, 150, 45),
                     QPoint(159, 259), QPoint(358, 259)},
        ScaledLayout{"At144dpiZero20", 144, 20, -17, QSize(817, 505), QRect(5, 0, 795, 445),
                     QRect(5, 5, 795, 384), QRect(5, 398, 230, 70), QRect(569, 398, 231, 70),
                     QPoint(245, 398), QPoint(551, 398)},
        ScaledLayout{"At72dpiZero10", 72, 10, -8, QSize(408, 252), QRect(2, 0, 398, 222),
                     QRect(2, 2, 398, 193), QRect(2, 199, 116, 35), QRect(285, 199, 115, 35),
                     QPoint(122, 199), QPoint(275, 199)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ResolutionScalingOnce, AZeroThatCannotBeMeasuredLeavesTheLayoutAsDesigned) {
    const auto form = layout_form::ReadForm(layout_form::Screen(96, 0));
    EXPECT_EQ(form->size(), QSize(531, 328));
    EXPECT_EQ(form->TrackBar3->geometry(), QRect(3, 259, 150, 45));
}

} // namespace
