// The page control and its tab sheets, built as the layout builds them: each component made with
// the form as owner, placed in its parent, given its values, and told when the whole is loaded.

#include "gui/PageControl.h"
#include "GuiInput.h"
#include "gui/Label.h"
#include "gui/ResolutionScaling.h"
#include "gui/TrackBar.h"
#include "runtime/Exceptions.h"
#include "support/LayoutValues.h"

#include <QTabBar>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace layout_values;
using gui_input::Key;

namespace {

class PageControlFixture {
protected:
    template <class C> C* Make(TWinControl* parent, const char* name) {
        auto* component = new C(&owner_);
        component->SetName(QString::fromLatin1(name));
        if (parent != nullptr)
            parent->InsertChild(component);
        return component;
    }

    void Build(const QString& activePage = QStringLiteral("TabSheet2")) {
        host_ = Make<TWinControl>(nullptr, "Form1");
        host_->SetBounds(0, 0, 531, 328);

        pages_ = Make<TPageControl>(host_, "PageControl1");
        SetLayoutProperty(*pages_, QStringLiteral("Left"), Int(0));
        SetLayoutProperty(*pages_, QStringLiteral("Top"), Int(0));
        SetLayoutProperty(*pages_, QStringLiteral("Width"), Int(531));
        SetLayoutProperty(*pages_, QStringLiteral("Height"), Int(328));
        SetLayoutProperty(*pages_, QStringLiteral("ActivePage"), Ident(activePage));
        SetLayoutProperty(*pages_, QStringLiteral("Align"), Ident(QStringLiteral("alClient")));
        SetLayoutProperty(*pages_, QStringLiteral("TabOrder"), Int(0));
        SetLayoutProperty(*pages_, QStringLiteral("ExplicitHeight"), Int(447));

        sheet1_ = Make<TTabSheet>(pages_, "TabSheet1");
        SetLayoutProperty(*sheet1_, QStringLiteral("Caption"), Str(QStringLiteral("TabSheet1")));
        SetLayoutProperty(*sheet1_, QStringLiteral("ExplicitHeight"), Int(419));
        auto* chart1 = Make<TWinControl>(sheet1_, "Chart1");
        chart1->SetBounds(3, 0, 517, 289);
        SetLayoutProperty(*chart1, QStringLiteral("TabOrder"), Int(0));

        sheet2_ = Make<TTabSheet>(pages_, "TabSheet2");
        SetLayoutProperty(*sheet2_, QStringLiteral("Caption"), Str(QStringLiteral("TabSheet2")));
        SetLayoutProperty(*sheet2_, QStringLiteral("ImageIndex"), Int(1));
        SetLayoutProperty(*sheet2_, QStringLiteral("ExplicitHeight"), Int(419));
        for (const auto& [name, left] : {std::pair{"Label3", 159}, std::pair{"Label4", 358}}) {
            auto* label = Make<TLabel>(sheet2_, name);
            label->SetBounds(left, 259, 6, 13);
            SetLayoutProperty(*label, QStringLiteral("Caption"), Str(QStringLiteral("0")));
        }
        auto* chart2 = Make<TWinControl>(sheet2_, "Chart2");
        chart2->SetBounds(3, 3, 517, 250);
        SetLayoutProperty(*chart2, QStringLiteral("TabOrder"), Int(0));
        bar3_ = MakeBar("TrackBar3", 3, 1);
        bar4_ = MakeBar("TrackBar4", 370, 2);

        for (int i = 0; i < owner_.ComponentCount(); ++i)
            owner_.Components(i)->Loaded();
    }

    TTrackBar* MakeBar(const char* name, int left, int tabOrder) {
        auto* bar = Make<TTrackBar>(sheet2_, name);
        SetLayoutProperty(*bar, QStringLiteral("Left"), Int(left));
        SetLayoutProperty(*bar, QStringLiteral("Top"), Int(259));
        SetLayoutProperty(*bar, QStringLiteral("Width"), Int(150));
        SetLayoutProperty(*bar, QStringLiteral("Height"), Int(45));
        SetLayoutProperty(*bar, QStringLiteral("TabOrder"), Int(tabOrder));
        SetLayoutEvent(*bar, QStringLiteral("OnChange"), [this](TObject*) { ++changes_; });
        return bar;
    }

    // The focus chain the form makes after loading: the controls that take the focus, ranked by
    // TabOrder among their siblings, parents before their children.
    void ChainByTabOrder() {
        std::vector<TControl*> chain;
        std::function<void(TWinControl*)> collect = [&](TWinControl* parent) {
            std::vector<TControl*> children;
            for (int i = 0; i < parent->ControlCount(); ++i)
                children.push_back(parent->Controls(i));
            std::stable_sort(children.begin(), children.end(), [](TControl* a, TControl* b) {
                return a->TabOrder() < b->TabOrder();
            });
            for (TControl* child : children) {
                if (child->TabStop())
                    chain.push_back(child);
                if (auto* windowed = dynamic_cast<TWinControl*>(child))
                    collect(windowed);
            }
        };
        collect(host_);
        for (size_t i = 1; i < chain.size(); ++i)
            QWidget::setTabOrder(chain[i - 1], chain[i]);
    }

    QTabBar* Tabs() const { return pages_->findChild<QTabBar*>(); }
    QPoint OnTab(int index) const { return pages_->mapTo(host_, pages_->TabRect(index).center()); }

    TComponent owner_{nullptr};
    TWinControl* host_ = nullptr;
    TPageControl* pages_ = nullptr;
    TTabSheet* sheet1_ = nullptr;
    TTabSheet* sheet2_ = nullptr;
    TTrackBar* bar3_ = nullptr;
    TTrackBar* bar4_ = nullptr;
    int changes_ = 0; // OnChange of either track bar
};

class PageControlTest : public PageControlFixture, public ::testing::Test {
protected:
    void SetUp() override {
        Build();
        ChainByTabOrder();
        ShowActive(host_);
    }
    void TearDown() override { owner_.DestroyComponents(); }
};

TEST_F(PageControlTest, ShowsThePageTheLayoutNames) {
    EXPECT_EQ(pages_->ActivePage(), sheet2_);
    EXPECT_EQ(pages_->ActivePageIndex(), 1);
    EXPECT_TRUE(sheet2_->isVisible());
    EXPECT_FALSE(sheet1_->isVisible());
    EXPECT_TRUE(bar3_->isVisible());
    EXPECT_EQ(changes_, 0);
}

TEST_F(PageControlTest, PagesAreNumberedInTheOrderTheyJoined) {
    ASSERT_EQ(pages_->PageCount(), 2);
    EXPECT_EQ(pages_->Pages(0), sheet1_);
    EXPECT_EQ(pages_->Pages(1), sheet2_);
    EXPECT_EQ(sheet1_->PageIndex(), 0);
    EXPECT_EQ(sheet2_->PageIndex(), 1);
    EXPECT_EQ(sheet2_->PageControl(), pages_);
    EXPECT_EQ(sheet2_->Parent(), pages_);
    EXPECT_EQ(sheet2_->ImageIndex(), 1);
}

TEST_F(PageControlTest, TabsShowTheCaptionsAndNoImages) {
    QTabBar* tabs = Tabs();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("TabSheet1"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("TabSheet2"));
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_TRUE(tabs->tabIcon(i).isNull());
    EXPECT_LT(pages_->TabRect(0).right(), pages_->TabRect(1).left()) << "tabs in one row";
    EXPECT_EQ(pages_->TabRect(0).top(), pages_->TabRect(1).top());
    EXPECT_LT(pages_->TabRect(0).bottom(), sheet1_->mapTo(pages_, QPoint(0, 0)).y() + 1)
        << "tabs on top";

    sheet1_->SetCaption(QStringLiteral("Lines"));
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Lines"));
}

TEST_F(PageControlTest, ClickOnATabSwitchesPagesAndRaisesNothing) {
    gui_input::Click(host_, OnTab(0));
    EXPECT_EQ(pages_->ActivePage(), sheet1_);
    EXPECT_TRUE(sheet1_->isVisible());
    EXPECT_FALSE(bar3_->isVisible());
    EXPECT_TRUE(pages_->hasFocus());
    gui_input::Click(host_, OnTab(1));
    EXPECT_EQ(pages_->ActivePage(), sheet2_);
    EXPECT_EQ(changes_, 0);
    EXPECT_EQ(bar3_->Position(), 0);
}

TEST_F(PageControlTest, CtrlTabCyclesThePages) {
    pages_->setFocus();
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages_->ActivePage(), sheet1_);
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages_->ActivePage(), sheet2_);
    Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pages_->ActivePage(), sheet1_);
    EXPECT_EQ(changes_, 0);
}

TEST_F(PageControlTest, CtrlTabFromATrackBarSwitchesPagesWithoutMovingIt) {
    bar3_->setFocus();
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages_->ActivePage(), sheet1_);
    EXPECT_EQ(bar3_->Position(), 0);
    EXPECT_EQ(changes_, 0);
    EXPECT_FALSE(bar3_->hasFocus()) << "the focus stayed on a hidden page";
}

TEST_F(PageControlTest, PageWithNothingToFocusKeepsTheFocusOnTheTabs) {
    pages_->SetActivePage(sheet1_);
    pages_->setFocus();
    Key(Qt::Key_Tab);
    EXPECT_TRUE(pages_->hasFocus());
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(pages_->hasFocus());
}

TEST_F(PageControlTest, ChildrenKeepTheirPlaceWhenThePageResizes) {
    const QRect bar = bar4_->geometry();
    const QSize before = sheet2_->size();
    host_->resize(800, 600);
    EXPECT_EQ(pages_->geometry(), QRect(0, 0, 800, 600));
    EXPECT_EQ(sheet2_->width() - before.width(), 800 - 531);
    EXPECT_EQ(sheet2_->height() - before.height(), 600 - 328);
    EXPECT_EQ(bar4_->geometry(), bar);
    host_->resize(300, 200);
    EXPECT_EQ(bar4_->geometry(), bar) << "cut off, not moved or squeezed";
}

TEST_F(PageControlTest, ScalingScalesThePagesChildrenAndTheControlKeepsItsPages) {
    pages_->ScaleBy(3, 2);
    EXPECT_EQ(bar3_->geometry(),
              QRect(MulDiv(3, 3, 2), MulDiv(259, 3, 2), MulDiv(153, 3, 2) - MulDiv(3, 3, 2),
                    MulDiv(304, 3, 2) - MulDiv(259, 3, 2)));
    const QRect page(sheet2_->mapTo(pages_, QPoint(0, 0)), sheet2_->size());
    EXPECT_TRUE(pages_->rect().contains(page)) << "the page was scaled as well as laid out";
    EXPECT_GT(page.top(), pages_->TabRect(1).top());
}

// The Tab key from the page control through the track bars of the page on show and back, both
// in the order the controls were made and in the chain the form makes from their TabOrder.
class PageControlTabTest : public PageControlFixture, public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        Build();
        if (QLatin1String(GetParam()) == QLatin1String("TabOrderChain"))
            ChainByTabOrder();
        ShowActive(host_);
        pages_->setFocus();
        ASSERT_TRUE(pages_->hasFocus());
    }
    void TearDown() override { owner_.DestroyComponents(); }
};

TEST_P(PageControlTabTest, TabGoesRoundThePageControlAndTheTrackBars) {
    Key(Qt::Key_Tab);
    EXPECT_TRUE(bar3_->hasFocus());
    Key(Qt::Key_Tab);
    EXPECT_TRUE(bar4_->hasFocus());
    Key(Qt::Key_Tab);
    EXPECT_TRUE(pages_->hasFocus());
    Key(Qt::Key_Tab);
    EXPECT_TRUE(bar3_->hasFocus());
}

TEST_P(PageControlTabTest, ShiftTabGoesRoundTheOtherWay) {
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(bar4_->hasFocus());
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(bar3_->hasFocus());
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(pages_->hasFocus());
}

TEST_P(PageControlTabTest, ArrowKeysOnTheTabsSwitchPagesAndTabFollows) {
    Key(Qt::Key_Left);
    EXPECT_EQ(pages_->ActivePage(), sheet1_);
    Key(Qt::Key_Right);
    EXPECT_EQ(pages_->ActivePage(), sheet2_);
    Key(Qt::Key_Tab);
    EXPECT_TRUE(bar3_->hasFocus());
    EXPECT_EQ(changes_, 0);
}

std::string ChainName(const ::testing::TestParamInfo<const char*>& info) {
    return info.param;
}

INSTANTIATE_TEST_SUITE_P(Chains, PageControlTabTest,
                         ::testing::Values("CreationOrder", "TabOrderChain"), ChainName);

// Reading the layout: what is named, and when.
class PageControlLayoutTest : public PageControlFixture, public ::testing::Test {
protected:
    void TearDown() override { owner_.DestroyComponents(); }
};

TEST_F(PageControlLayoutTest, ActivePageWaitsForThePageToExist) {
    host_ = Make<TWinControl>(nullptr, "Form1");
    pages_ = Make<TPageControl>(host_, "PageControl1");
    SetLayoutProperty(*pages_, QStringLiteral("ActivePage"), Ident(QStringLiteral("TabSheet2")));
    sheet1_ = Make<TTabSheet>(pages_, "TabSheet1");
    sheet2_ = Make<TTabSheet>(pages_, "TabSheet2");
    EXPECT_EQ(pages_->ActivePage(), sheet1_);
    pages_->Loaded();
    EXPECT_EQ(pages_->ActivePage(), sheet2_);
}

TEST_F(PageControlLayoutTest, TabFollowsTabOrderRatherThanCreation) {
    Build();
    bar3_->SetTabOrder(2);
    bar4_->SetTabOrder(1);
    ChainByTabOrder();
    ShowActive(host_);
    pages_->setFocus();
    Key(Qt::Key_Tab);
    EXPECT_TRUE(bar4_->hasFocus());
    Key(Qt::Key_Tab);
    EXPECT_TRUE(bar3_->hasFocus());
    Key(Qt::Key_Tab);
    EXPECT_TRUE(pages_->hasFocus());
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(bar3_->hasFocus());
}

TEST_F(PageControlLayoutTest, ActivePageNamingNoPageIsAReadError) {
    EXPECT_THROW(Build(QStringLiteral("Chart1")), EReadError);
}

TEST_F(PageControlLayoutTest, CaptionGivenBeforeJoiningBecomesTheTab) {
    host_ = Make<TWinControl>(nullptr, "Form1");
    pages_ = Make<TPageControl>(host_, "PageControl1");
    auto* sheet = new TTabSheet(&owner_);
    sheet->SetCaption(QStringLiteral("Bars"));
    EXPECT_EQ(sheet->PageIndex(), -1);
    pages_->InsertChild(sheet);
    EXPECT_EQ(Tabs()->tabText(0), QStringLiteral("Bars"));
    EXPECT_EQ(pages_->ActivePage(), sheet);
}

TEST_F(PageControlLayoutTest, DestroyingAPageTakesItsTab) {
    host_ = Make<TWinControl>(nullptr, "Form1");
    pages_ = Make<TPageControl>(host_, "PageControl1");
    sheet1_ = Make<TTabSheet>(pages_, "TabSheet1");
    sheet2_ = Make<TTabSheet>(pages_, "TabSheet2");
    sheet2_->SetCaption(QStringLiteral("TabSheet2"));
    ShowActive(host_);
    delete sheet1_;
    ASSERT_EQ(pages_->PageCount(), 1);
    EXPECT_EQ(pages_->Pages(0), sheet2_);
    EXPECT_EQ(sheet2_->PageIndex(), 0);
    ASSERT_EQ(Tabs()->count(), 1);
    EXPECT_EQ(Tabs()->tabText(0), QStringLiteral("TabSheet2"));
    EXPECT_EQ(pages_->ActivePage(), sheet2_);
    EXPECT_TRUE(sheet2_->isVisible());
    EXPECT_EQ(pages_->ControlCount(), 1);
}

TEST_F(PageControlLayoutTest, PagesGoWithTheirPageControl) {
    host_ = Make<TWinControl>(nullptr, "Form1");
    pages_ = Make<TPageControl>(host_, "PageControl1");
    Make<TTabSheet>(pages_, "TabSheet1");
    Make<TTabSheet>(pages_, "TabSheet2");
    ASSERT_EQ(owner_.ComponentCount(), 4);
    delete pages_;
    EXPECT_EQ(owner_.ComponentCount(), 1);
    EXPECT_EQ(host_->ControlCount(), 0);
}

TEST_F(PageControlLayoutTest, UnknownValuesAreReadErrors) {
    pages_ = Make<TPageControl>(nullptr, "PageControl1");
    auto* sheet = Make<TTabSheet>(pages_, "TabSheet1");
    EXPECT_THROW(SetLayoutProperty(*pages_, QStringLiteral("ActivePage"), Str(QStringLiteral("x"))),
                 EReadError);
    EXPECT_THROW(SetLayoutProperty(*pages_, QStringLiteral("MultiLine"), Bool(true)), EReadError);
    EXPECT_THROW(SetLayoutProperty(*sheet, QStringLiteral("ImageIndex"), Str(QStringLiteral("1"))),
                 EReadError);
    EXPECT_THROW(SetLayoutEvent(*sheet, QStringLiteral("OnShow"), [](TObject*) {}), EReadError);
}

} // namespace
