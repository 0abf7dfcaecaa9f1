#pragma once
// A page control whose tab sheets share one display area, and its tab sheets.

#include "gui/Control.h"

#include <vector>

class QTabWidget;
class TTabSheet;

class TPageControl : public TWinControl {
    Q_OBJECT
    SD_COMPONENT_CLASS(TPageControl)
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override; // destroys the pages still on it
    Q_DISABLE_COPY_MOVE(TPageControl)

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }

    // The page on show; null only while there are no pages. Switching pages raises no event.
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet* page); // pages of other page controls and null are ignored
    int ActivePageIndex() const;         // -1 without pages
    void SetActivePageIndex(int index);  // out of range: ignored

    // Where the tab of page `index` is, in this control's client coordinates.
    QRect TabRect(int index) const;

    void InsertChild(TComponent* child) override; // a tab sheet becomes the next page
    const TPropertyTable& PublishedProperties() const override;
    void Loaded() override; // names the active page: the layout makes the pages after this

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TTabSheet;
    void AddPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void UpdateTab(const TTabSheet* page);

    QTabWidget* tabs_ = nullptr;
    std::vector<TTabSheet*> pages_; // in tab order, which is the order they joined
    QString activePageName_;        // from the layout, until Loaded
};

// One page of a page control. Its children stay where the layout puts them: the page neither moves
// nor stretches them when it resizes with the page control.
class TTabSheet : public TWinControl {
    Q_OBJECT
    SD_COMPONENT_CLASS(TTabSheet)
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;
    Q_DISABLE_COPY_MOVE(TTabSheet)

    const QString& Caption() const { return caption_; } // the tab's text
    void SetCaption(const QString& caption);
    int ImageIndex() const { return imageIndex_; } // kept only: the page control has no images
    void SetImageIndex(int index) { imageIndex_ = index; }

    TPageControl* PageControl() const { return pageControl_; }
    int PageIndex() const; // -1 while on no page control

    // The page control sizes the page; only the children follow the scale.
    void ScaleBy(int M, int D) override;

    const TPropertyTable& PublishedProperties() const override;

protected:
    void changeEvent(QEvent* event) override; // moved off its page control by Qt: off the pages

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    QString caption_;
    int imageIndex_ = 0;
};
