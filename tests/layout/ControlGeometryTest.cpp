// Where the layout puts each control, in its page's client coordinates, on the screen the layout
// was designed for.
#include "support/LayoutForm.h"

#include <QSlider>

namespace {

struct Placement {
    const char* name;
    const char* page;
    QRect bounds;
};

void PrintTo(const Placement& p, std::ostream* os) {
    *os << p.name;
}

class ControlGeometry : public layout_form::DesignFormTest,
                        public ::testing::WithParamInterface<Placement> {};

TEST_P(ControlGeometry, SitsWhereTheLayoutPutsIt) {
    auto* control = dynamic_cast<TControl*>(form->FindComponent(QLatin1String(GetParam().name)));
    ASSERT_NE(control, nullptr);
    ASSERT_NE(control->Parent(), nullptr);
    EXPECT_EQ(control->Parent()->Name(), QLatin1String(GetParam().page));
    EXPECT_EQ(control->geometry(), GetParam().bounds);
    EXPECT_EQ(QRect(control->Left(), control->Top(), control->Width(), control->Height()),
              GetParam().bounds);
    // Showing the window moves nothing.
    ShowActive(form.get());
    EXPECT_EQ(control->geometry(), GetParam().bounds);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, ControlGeometry,
    ::testing::Values(Placement{"Chart1", "TabSheet1", QRect(3, 0, 517, 289)},
                      Placement{"Chart2", "TabSheet2", QRect(3, 3, 517, 250)},
                      Placement{"TrackBar3", "TabSheet2", QRect(3, 259, 150, 45)},
                      Placement{"TrackBar4", "TabSheet2", QRect(370, 259, 150, 45)}),
    [](const auto& info) { return std::string(info.param.name); });

struct LabelPlacement {
    const char* name;
    QPoint topLeft;
};

void PrintTo(const LabelPlacement& p, std::ostream* os) {
    *os << p.name;
}

class LabelGeometry : public layout_form::DesignFormTest,
                      public ::testing::WithParamInterface<LabelPlacement> {};

// The layout's 6x13 is what the caption measured where the layout was made; here the caption is
// measured again in the font the label shows.
TEST_P(LabelGeometry, KeepsItsTopLeftAndTakesTheSizeOfItsCaption) {
    auto* label = dynamic_cast<TLabel*>(form->FindComponent(QLatin1String(GetParam().name)));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), form->TabSheet2);
    EXPECT_EQ(label->Caption(), QStringLiteral("0"));
    EXPECT_EQ(label->pos(), GetParam().topLeft);
    const QFontMetrics metrics(label->font());
    EXPECT_EQ(label->size(),
              QSize(metrics.horizontalAdvance(QStringLiteral("0")), metrics.height()));
}

INSTANTIATE_TEST_SUITE_P(Layout, LabelGeometry,
                         ::testing::Values(LabelPlacement{"Label3", QPoint(159, 259)},
                                           LabelPlacement{"Label4", QPoint(358, 259)}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutNeighbours, EachTrackBarsSliderFillsIt) {
    const auto form = layout_form::ReadForm(layout_form::DesignScreen());
    for (TTrackBar* bar : {form->TrackBar3, form->TrackBar4}) {
        const auto* slider = bar->findChild<QSlider*>();
        ASSERT_NE(slider, nullptr);
        EXPECT_EQ(slider->geometry(), bar->rect()) << bar->Name().toStdString();
    }
}

} // namespace
