// The components the layout makes: their classes, the order they are made in, who owns them and
// where each one sits in the tree of controls.
#include "support/LayoutForm.h"

#include <QStackedWidget>

namespace {

using layout_form::DesignFormTest;
using ComponentTree = DesignFormTest;

TEST_F(ComponentTree, TheFormOwnsEveryComponentInTheOrderTheLayoutMakesThem) {
    const std::vector<std::pair<QString, QString>> expected{
        {QStringLiteral("PageControl1"), QStringLiteral("TPageControl")},
        {QStringLiteral("TabSheet1"), QStringLiteral("TTabSheet")},
        {QStringLiteral("Chart1"), QStringLiteral("TChart")},
        {QStringLiteral("Series1"), QStringLiteral("TLineSeries")},
        {QStringLiteral("Series2"), QStringLiteral("TLineSeries")},
        {QStringLiteral("TabSheet2"), QStringLiteral("TTabSheet")},
        {QStringLiteral("Label3"), QStringLiteral("TLabel")},
        {QStringLiteral("Label4"), QStringLiteral("TLabel")},
        {QStringLiteral("Chart2"), QStringLiteral("TChart")},
        {QStringLiteral("Series3"), QStringLiteral("TBarSeries")},
        {QStringLiteral("TrackBar3"), QStringLiteral("TTrackBar")},
        {QStringLiteral("TrackBar4"), QStringLiteral("TTrackBar")},
    };
    EXPECT_EQ(form->Name(), QStringLiteral("Form1"));
    EXPECT_EQ(form->ClassName(), QStringLiteral("TForm1"));
    ASSERT_EQ(form->ComponentCount(), static_cast<int>(expected.size()));
    for (int i = 0; i < form->ComponentCount(); ++i) {
        const TComponent* component = form->Components(i);
        SCOPED_TRACE(i);
        EXPECT_EQ(component->Name(), expected[static_cast<size_t>(i)].first);
        EXPECT_EQ(component->ClassName(), expected[static_cast<size_t>(i)].second);
        EXPECT_EQ(component->Owner(), form.get());
        EXPECT_EQ(component->ComponentCount(), 0) << "only the form owns components";
    }
}

TEST_F(ComponentTree, FieldsAreBoundToTheComponentsOfTheirNames) {
    const std::vector<TComponent*> fields{form->PageControl1, form->TabSheet1, form->Chart1,
                                          form->Series1,      form->Series2,   form->TabSheet2,
                                          form->Label3,       form->Label4,    form->Chart2,
                                          form->Series3,      form->TrackBar3, form->TrackBar4};
    for (TComponent* field : fields) {
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(form->FindComponent(field->Name()), field) << field->Name().toStdString();
    }
}

TEST_F(ComponentTree, ThePageControlIsTheFormsOnlyControlAndHoldsBothPagesInOrder) {
    ASSERT_EQ(form->ControlCount(), 1);
    EXPECT_EQ(form->Controls(0), form->PageControl1);
    EXPECT_EQ(form->PageControl1->Parent(), form.get());
    EXPECT_EQ(form->PageControl1->window(), form.get());

    ASSERT_EQ(form->PageControl1->PageCount(), 2);
    EXPECT_EQ(form->PageControl1->Pages(0), form->TabSheet1);
    EXPECT_EQ(form->PageControl1->Pages(1), form->TabSheet2);
    EXPECT_EQ(form->TabSheet1->PageIndex(), 0);
    EXPECT_EQ(form->TabSheet2->PageIndex(), 1);
    for (TTabSheet* page : {form->TabSheet1, form->TabSheet2}) {
        EXPECT_EQ(page->PageControl(), form->PageControl1);
        EXPECT_TRUE(form->PageControl1->isAncestorOf(page));
        // The pages take turns in one display area.
        EXPECT_NE(qobject_cast<QStackedWidget*>(page->parentWidget()), nullptr);
    }
}

TEST_F(ComponentTree, EachPageHoldsItsControlsInCreationOrder) {
    ASSERT_EQ(form->TabSheet1->ControlCount(), 1);
    EXPECT_EQ(form->TabSheet1->Controls(0), form->Chart1);

    const std::vector<TControl*> onSheet2{form->Label3, form->Label4, form->Chart2, form->TrackBar3,
                                          form->TrackBar4};
    ASSERT_EQ(form->TabSheet2->ControlCount(), static_cast<int>(onSheet2.size()));
    for (size_t i = 0; i < onSheet2.size(); ++i) {
        EXPECT_EQ(form->TabSheet2->Controls(static_cast<int>(i)), onSheet2[i]);
        EXPECT_EQ(onSheet2[i]->Parent(), form->TabSheet2);
        // Positions are in the page's own client coordinates.
        EXPECT_EQ(onSheet2[i]->parentWidget(), form->TabSheet2);
    }
    EXPECT_EQ(form->Chart1->Parent(), form->TabSheet1);
    EXPECT_EQ(form->Chart1->parentWidget(), form->TabSheet1);
}

TEST_F(ComponentTree, SeriesBelongToTheirChartsInCreationOrder) {
    ASSERT_EQ(form->Chart1->SeriesList().size(), 2u);
    EXPECT_EQ(form->Chart1->SeriesList()[0], form->Series1);
    EXPECT_EQ(form->Chart1->SeriesList()[1], form->Series2);
    ASSERT_EQ(form->Chart2->SeriesList().size(), 1u);
    EXPECT_EQ(form->Chart2->SeriesList()[0], form->Series3);
    EXPECT_EQ(form->Series1->ParentChart(), form->Chart1);
    EXPECT_EQ(form->Series2->ParentChart(), form->Chart1);
    EXPECT_EQ(form->Series3->ParentChart(), form->Chart2);
}

TEST_F(ComponentTree, DestroyingTheFormTakesEveryComponentAndLeavesTheApplicationAsItWas) {
    const int before = Application->ComponentCount();
    ASSERT_NE(Application->FindComponent(QStringLiteral("Form1")), nullptr);
    form.reset();
    EXPECT_EQ(Application->ComponentCount(), before - 1);
    EXPECT_EQ(Application->FindComponent(QStringLiteral("Form1")), nullptr);
}

} // namespace
