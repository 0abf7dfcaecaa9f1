// The main window as the layout leaves it: caption, client area, colour, font, how it opens, and
// the tabs it opens on.
#include "support/LayoutForm.h"

#include "gui/SystemColours.h"
#include "runtime/Colour.h"

#include <QFontInfo>
#include <QTabBar>
#include <QWindow>

namespace {

using layout_form::DesignFormTest;
using FormWindow = DesignFormTest;

TEST_F(FormWindow, IsCaptionedForm1WithAClientAreaOf531By328) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Form1"));
    EXPECT_TRUE(form->isWindow());
    EXPECT_EQ(form->size(), QSize(531, 328));
    EXPECT_EQ(form->ClientWidth(), 531);
    EXPECT_EQ(form->ClientHeight(), 328);
    ShowActive(form.get());
    EXPECT_EQ(form->size(), QSize(531, 328)) << "showing the window must not resize it";
}

TEST_F(FormWindow, IsPaintedInTheButtonFaceColour) {
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    EXPECT_EQ(form->palette().color(QPalette::Window), buttonFace);
    EXPECT_TRUE(form->autoFillBackground());
    EXPECT_EQ(form->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::WindowText));
}

TEST_F(FormWindow, AsksForTahomaAtElevenPixelsAndPassesTheFontDown) {
    EXPECT_EQ(form->FontHeight(), -11);
    EXPECT_EQ(form->font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(form->font().pixelSize(), 11);
    EXPECT_FALSE(form->font().bold());
    EXPECT_FALSE(form->font().italic());
    EXPECT_FALSE(form->font().underline());
    EXPECT_FALSE(form->font().strikeOut());
    // Whatever the machine substitutes, the text is drawn 11 pixels high.
    EXPECT_EQ(QFontInfo(form->font()).pixelSize(), 11);
    for (TControl* control :
         {static_cast<TControl*>(form->Label3), static_cast<TControl*>(form->Label4),
          static_cast<TControl*>(form->PageControl1)})
        EXPECT_EQ(control->font(), form->font()) << control->Name().toStdString();
}

TEST_F(FormWindow, TheLayoutsPositionIsLeftToTheWindowSystem) {
    // A window moved in code carries WA_Moved and the window system is asked to keep the place.
    EXPECT_FALSE(form->testAttribute(Qt::WA_Moved));
    ShowActive(form.get());
    EXPECT_FALSE(form->testAttribute(Qt::WA_Moved));
}

TEST_F(FormWindow, OpensNormalResizableAndWithMinimiseAndMaximise) {
    ShowActive(form.get());
    EXPECT_EQ(form->windowState(), Qt::WindowNoState);
    EXPECT_FALSE(form->isModal());
    // Nothing fixes the size...
    EXPECT_EQ(form->minimumSize(), QSize(0, 0));
    EXPECT_EQ(form->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);
    EXPECT_FALSE(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
    EXPECT_FALSE(flags.testFlag(Qt::FramelessWindowHint));
    // ...and the window the system is given asks for both buttons: Qt fills them in for a main
    // window that does not customise its decorations.
    const Qt::WindowFlags shown = form->windowHandle()->flags();
    EXPECT_TRUE(shown.testFlag(Qt::WindowMinimizeButtonHint)) << std::hex << shown.toInt();
    EXPECT_TRUE(shown.testFlag(Qt::WindowMaximizeButtonHint)) << std::hex << shown.toInt();
    form->resize(700, 450);
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->size() == QSize(700, 450); }));
    form->showMaximized();
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->isMaximized(); }));
    form->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !form->isMaximized(); }));
}

TEST_F(FormWindow, OpensOnTabSheet2) {
    ShowActive(form.get());
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet2);
    EXPECT_TRUE(form->TabSheet2->isVisible());
    EXPECT_FALSE(form->TabSheet1->isVisible());
    EXPECT_TRUE(form->TrackBar3->isVisible());
    EXPECT_TRUE(form->Label4->isVisible());
    EXPECT_FALSE(form->Chart1->isVisible());
}

TEST_F(FormWindow, TabsShowTheirCaptionsAndNoImage) {
    EXPECT_EQ(form->TabSheet1->ImageIndex(), 0) << "the class's default, which the layout keeps";
    EXPECT_EQ(form->TabSheet2->ImageIndex(), 1) << "the value is kept though nothing shows it";
    const QTabBar* tabs = form->PageControl1->findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("TabSheet1"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("TabSheet2"));
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_TRUE(tabs->tabIcon(i).isNull()) << i;
        EXPECT_EQ(tabs->tabButton(i, QTabBar::LeftSide), nullptr) << i;
    }
}

} // namespace
