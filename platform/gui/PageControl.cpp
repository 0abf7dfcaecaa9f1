#include "gui/PageControl.h"

#include "components/PublishedProperties.h"
#include "runtime/Exceptions.h"

#include <QEvent>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <utility>

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner), tabs_(new QTabWidget(this)) {
    tabs_->setTabPosition(QTabWidget::North);
    tabs_->setUsesScrollButtons(true); // one row of tabs: those that do not fit scroll
    tabs_->setElideMode(Qt::ElideNone);
    QTabBar* bar = tabs_->tabBar();
    bar->setExpanding(false);
    bar->setFocusPolicy(Qt::StrongFocus); // a click on a tab takes the focus, as Tab does
    setFocusProxy(tabs_);
    SetTabStop(true);
    resize(289, 193);
    tabs_->setGeometry(rect());
}

TPageControl::~TPageControl() {
    // A page goes with the control it is on; each one takes itself off the list.
    while (!pages_.empty())
        delete pages_.back();
}

TTabSheet* TPageControl::ActivePage() const {
    const int index = tabs_->currentIndex();
    return index < 0 ? nullptr : Pages(index);
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page == nullptr || page->pageControl_ != this)
        return;
    tabs_->setCurrentIndex(page->PageIndex());
}

int TPageControl::ActivePageIndex() const {
    return tabs_->currentIndex();
}

void TPageControl::SetActivePageIndex(int index) {
    if (index >= 0 && index < PageCount())
        tabs_->setCurrentIndex(index);
}

QRect TPageControl::TabRect(int index) const {
    const QTabBar* bar = tabs_->tabBar();
    const QRect tab = bar->tabRect(index);
    if (!tab.isValid())
        return {};
    return QRect(bar->mapTo(this, tab.topLeft()), tab.size());
}

void TPageControl::InsertChild(TComponent* child) {
    if (auto* page = dynamic_cast<TTabSheet*>(child)) {
        AddPage(page);
        return;
    }
    TWinControl::InsertChild(child);
}

const TPropertyTable& TPageControl::PublishedProperties() const {
    static const TPropertyTable table =
        TClassProperties<TPageControl>(TWinControl::PublishedProperties())
            .Identifier("ActivePage", [](TPageControl& control, const QString& page) {
                control.activePageName_ = page;
            });
    return table;
}

void TPageControl::Loaded() {
    TWinControl::Loaded();
    if (activePageName_.isEmpty())
        return;
    const QString pageName = std::exchange(activePageName_, QString());
    auto* page =
        Owner() != nullptr ? dynamic_cast<TTabSheet*>(Owner()->FindComponent(pageName)) : nullptr;
    if (page == nullptr)
        throw EReadError(QStringLiteral("Error reading %1.ActivePage: %2 is not a tab sheet")
                             .arg(Name(), pageName));
    SetActivePage(page);
}

void TPageControl::resizeEvent(QResizeEvent* event) {
    tabs_->setGeometry(rect());
    TWinControl::resizeEvent(event);
}

void TPageControl::AddPage(TTabSheet* page) {
    if (page->pageControl_ == this)
        return;
    if (page->pageControl_ != nullptr)
        page->pageControl_->RemovePage(page);
    page->SetParent(this);
    page->pageControl_ = this;
    pages_.push_back(page);
    tabs_->addTab(page, page->Caption());
}

void TPageControl::RemovePage(TTabSheet* page) {
    const auto found = std::find(pages_.begin(), pages_.end(), page);
    if (found == pages_.end())
        return;
    pages_.erase(found);
    page->pageControl_ = nullptr;
    // Qt has taken the tab away already when it moved the page out of the tab widget.
    if (const int tab = tabs_->indexOf(page); tab >= 0)
        tabs_->removeTab(tab);
}

void TPageControl::UpdateTab(const TTabSheet* page) {
    tabs_->setTabText(page->PageIndex(), page->Caption());
}

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {}

TTabSheet::~TTabSheet() {
    if (pageControl_ != nullptr)
        pageControl_->RemovePage(this);
}

void TTabSheet::SetCaption(const QString& caption) {
    caption_ = caption;
    if (pageControl_ != nullptr)
        pageControl_->UpdateTab(this);
}

int TTabSheet::PageIndex() const {
    if (pageControl_ == nullptr)
        return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::ScaleBy(int M, int D) {
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->ScaleBy(M, D);
}

void TTabSheet::changeEvent(QEvent* event) {
    TWinControl::changeEvent(event);
    if (event->type() == QEvent::ParentChange && pageControl_ != nullptr &&
        !pageControl_->tabs_->isAncestorOf(this))
        pageControl_->RemovePage(this);
}

const TPropertyTable& TTabSheet::PublishedProperties() const {
    static const TPropertyTable table =
        TClassProperties<TTabSheet>(TWinControl::PublishedProperties())
            .String("Caption", &TTabSheet::SetCaption)
            .Integer("ImageIndex", &TTabSheet::SetImageIndex);
    return table;
}
