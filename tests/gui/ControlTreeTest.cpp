// Controls placed in windowed parents: taking the tree apart in any order, moves that Qt makes,
// and the Tab key following TabStop set from code on controls whose focus sits on an inner widget.
#include "gui/Application.h"
#include "gui/Label.h"
#include "gui/PageControl.h"
#include "gui/TrackBar.h"
#include "support/ShowActive.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

namespace {

TEST(ControlTree, AParentDeletedBeforeItsChildrenTakesThemWithoutTouchingFreedMemory) {
    auto* sheet = new TTabSheet(nullptr);
    auto* label = new TLabel(nullptr);
    auto* bar = new TTrackBar(nullptr);
    sheet->InsertChild(label);
    sheet->InsertChild(bar);
    ASSERT_EQ(sheet->ControlCount(), 2);
    const QPointer<TLabel> labelAlive(label);
    const QPointer<TTrackBar> barAlive(bar);
    int destroyed = 0;
    for (QObject* child : std::initializer_list<QObject*>{label, bar})
        QObject::connect(child, &QObject::destroyed, [&destroyed] { ++destroyed; });
    delete sheet; // the sanitizer build also catches any access to the freed parent
    EXPECT_TRUE(labelAlive.isNull());
    EXPECT_TRUE(barAlive.isNull());
    EXPECT_EQ(destroyed, 2);
}

TEST(ControlTree, AChildDeletedFirstLeavesItsParentsList) {
    auto sheet = std::make_unique<TTabSheet>(nullptr);
    auto* label = new TLabel(nullptr);
    sheet->InsertChild(label);
    delete label;
    EXPECT_EQ(sheet->ControlCount(), 0);
}

TEST(ControlTree, AMoveMadeByQtKeepsParentsAndPagesInStep) {
    auto* pages = new TPageControl(nullptr);
    auto* first = new TTabSheet(nullptr);
    auto* second = new TTabSheet(nullptr);
    pages->InsertChild(first);
    pages->InsertChild(second);
    auto* host = new TWinControl(nullptr);
    auto* label = new TLabel(nullptr);
    first->InsertChild(label);

    // Behind the layer's back: through the widget, not SetParent.
    QWidget* widget = label;
    widget->setParent(host);
    EXPECT_EQ(label->Parent(), host);
    EXPECT_EQ(first->ControlCount(), 0);
    ASSERT_EQ(host->ControlCount(), 1);
    QWidget plain;
    widget->setParent(&plain);
    EXPECT_EQ(label->Parent(), nullptr);
    EXPECT_EQ(host->ControlCount(), 0);

    // A page moved off its page control is no longer one of its pages, nor its tab.
    QWidget* page = first;
    page->setParent(host);
    EXPECT_EQ(first->Parent(), host);
    EXPECT_EQ(first->PageControl(), nullptr);
    ASSERT_EQ(pages->PageCount(), 1);
    EXPECT_EQ(pages->Pages(0), second);
    EXPECT_EQ(pages->ActivePage(), second);
    EXPECT_EQ(pages->ControlCount(), 1);
    EXPECT_FALSE(pages->TabRect(1).isValid());
    // Each list now holds only what is there: the sanitizer build catches a stale entry.
    delete pages;
    EXPECT_EQ(host->ControlCount(), 1);
    delete host;
}

TEST(ControlTree, TabStopSetInCodeDecidesWhetherTheTabKeyStopsAtATrackBar) {
    TForm form(nullptr);
    auto* first = new TTrackBar(&form);
    auto* second = new TTrackBar(&form);
    auto* third = new TTrackBar(&form);
    for (TTrackBar* bar : {first, second, third})
        form.InsertChild(bar);
    second->SetTabStop(false);
    ShowActive(&form);
    first->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return first->hasFocus(); }));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(third->hasFocus());
    EXPECT_FALSE(second->hasFocus());
}

} // namespace
