// Resizing the window: the page control follows the client area and its pages follow the page
// control, while everything placed on a page keeps its place and size and is cut off instead.
#include "support/LayoutForm.h"

#include <QStackedWidget>
#include <map>

namespace {

struct WindowSize {
    const char* name;
    QSize size;
};

void PrintTo(const WindowSize& s, std::ostream* os) {
    *os << s.name;
}

class Resize : public layout_form::DesignFormTest,
               public ::testing::WithParamInterface<WindowSize> {
protected:
    void SetUp() override {
        DesignFormTest::SetUp();
        ShowActive(form.get());
        for (TTabSheet* page : {form->TabSheet1, form->TabSheet2})
            for (int i = 0; i < page->ControlCount(); ++i)
                placed[page->Controls(i)] = page->Controls(i)->geometry();
        designPage = form->TabSheet2->size();
    }

    void ResizeTo(QSize size) {
        form->resize(size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->size() == size; }));
    }

    void ExpectNothingPlacedMoved() {
        for (const auto& [control, bounds] : placed)
            EXPECT_EQ(control->geometry(), bounds) << control->Name().toStdString();
    }

    std::map<TControl*, QRect> placed;
    QSize designPage;
};

TEST_P(Resize, ThePageControlFillsTheClientArea) {
    ResizeTo(GetParam().size);
    EXPECT_EQ(form->PageControl1->geometry(), QRect(QPoint(0, 0), GetParam().size));
    EXPECT_EQ(form->PageControl1->Align(), TAlign::alClient);
}

TEST_P(Resize, TheActivePageFillsTheDisplayAreaAndGrowsWithTheWindow) {
    ResizeTo(GetParam().size);
    for (TTabSheet* page : {form->TabSheet2, form->TabSheet1}) {
        form->PageControl1->SetActivePage(page);
        ASSERT_TRUE(QTest::qWaitFor([page] { return page->isVisible(); }));
        const auto* area = qobject_cast<QStackedWidget*>(page->parentWidget());
        ASSERT_NE(area, nullptr);
        EXPECT_EQ(page->geometry(), area->rect()) << page->Name().toStdString();
        // The tabs and the frame take the same room at every size.
        EXPECT_EQ(page->size() - designPage, GetParam().size - QSize(531, 328))
            << page->Name().toStdString();
    }
}

TEST_P(Resize, ChartsLabelsAndTrackBarsKeepTheirPlaceAndSize) {
    ResizeTo(GetParam().size);
    ExpectNothingPlacedMoved();
    form->PageControl1->SetActivePage(form->TabSheet1);
    ExpectNothingPlacedMoved();
    ResizeTo(QSize(531, 328));
    ExpectNothingPlacedMoved();
    EXPECT_EQ(form->TabSheet1->size(), designPage);
}

INSTANTIATE_TEST_SUITE_P(Sizes, Resize,
                         ::testing::Values(WindowSize{"Larger", QSize(800, 600)},
                                           WindowSize{"Wider", QSize(700, 328)},
                                           WindowSize{"Taller", QSize(531, 500)},
                                           WindowSize{"Smaller", QSize(320, 220)},
                                           WindowSize{"NarrowerThanATrackBar", QSize(300, 328)}),
                         [](const auto& info) { return std::string(info.param.name); });

using ResizeCut = layout_form::DesignFormTest;

TEST_F(ResizeCut, ControlsCutOffByASmallWindowAreStillWhole) {
    ShowActive(form.get());
    form->resize(320, 220);
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->size() == QSize(320, 220); }));
    // TrackBar4 lies beyond the page's right edge and below its bottom: it is hidden by the cut,
    // not pushed in or shrunk.
    const QRect page = form->TabSheet2->rect();
    EXPECT_FALSE(page.contains(form->TrackBar4->geometry()));
    EXPECT_EQ(form->TrackBar4->size(), QSize(150, 45));
    EXPECT_TRUE(form->TrackBar4->visibleRegion().isEmpty());
    EXPECT_FALSE(form->Chart2->visibleRegion().isEmpty());
    EXPECT_LT(form->Chart2->visibleRegion().boundingRect().width(), 517);
}

} // namespace
