#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

#include "platform/ui/ComCtrls.h"
#include "platform/ui/QtControls.h"

struct TPageControl::TTabs {
    QTabBar* bar = nullptr;
    bool updating = false;
};

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner)
{
    CreateControlCanvas();
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks,
                     csParentBackground});
    SetVisible(false);
}

TTabSheet::~TTabSheet()
{
    Destroying();
    if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* pageControl)
{
    if (pageControl == pageControl_) return;
    if (pageControl_) pageControl_->RemovePage(this);
    pageControl_ = pageControl;
    SetParent(pageControl);
    if (pageControl) pageControl->InsertPage(this);
}

void TTabSheet::SetTabVisible(bool visible)
{
    tabVisible_ = visible;
    if (pageControl_) pageControl_->UpdateTabs();
}

int TTabSheet::PageIndex() const
{
    if (!pageControl_) return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetText(const std::string& text)
{
    TWinControl::SetText(text);
    if (pageControl_) pageControl_->UpdateTabs();
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner), tabs_(std::make_unique<TTabs>())
{
    CreateControlCanvas();
    QWidget* w = Impl().Widget();
    w->setFocusPolicy(Qt::NoFocus);
    tabs_->bar = new QTabBar(w);
    tabs_->bar->setFocusPolicy(Qt::NoFocus);
    tabs_->bar->setDrawBase(false);
    QObject::connect(tabs_->bar, &QTabBar::currentChanged, tabs_->bar, [this](int tab) {
        if (tabs_->updating) return;
        GuardedCall([&] {
            SelectTab(tab);
            if (OnChange && !Quiet()) OnChange(this);
        });
    });
    Impl().windowDefault = [](TMessage& m) {
        if (m.Msg != WM_GETDLGCODE) return false;
        m.Result = DLGC_WANTARROWS;
        return true;
    };
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl()
{
    Destroying();
    for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
}

void TPageControl::InsertPage(TTabSheet* page)
{
    pages_.push_back(page);
    UpdateTabs();
    if (!activePage_ && page->TabVisible()) SetActivePage(page);
    Realign();
}

void TPageControl::RemovePage(TTabSheet* page)
{
    std::erase(pages_, page);
    if (activePage_ == page) {
        activePage_ = nullptr;
        for (TTabSheet* p : pages_)
            if (p->TabVisible()) {
                SetActivePage(p);
                break;
            }
    }
    UpdateTabs();
}

TTabSheet* TPageControl::PageOfTab(int tab) const
{
    for (TTabSheet* page : pages_)
        if (page->TabVisible() && tab-- == 0) return page;
    return nullptr;
}

// The tab bar shows the pages whose tab is visible, in page order.
void TPageControl::UpdateTabs()
{
    QTabBar* bar = tabs_->bar;
    tabs_->updating = true;
    while (bar->count() > 0) bar->removeTab(0);
    int current = -1;
    for (TTabSheet* page : pages_) {
        if (!page->TabVisible()) continue;
        const int tab = bar->addTab(QString::fromStdString(page->Caption()));
        if (page == activePage_) current = tab;
    }
    bar->setCurrentIndex(current);
    bar->adjustSize();
    tabs_->updating = false;
    Realign();
    Invalidate();
}

void TPageControl::SelectTab(int tab)
{
    if (TTabSheet* page = PageOfTab(tab)) SetActivePage(page);
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (page && page->pageControl_ != this) return;
    if (page == activePage_) return;
    TTabSheet* old = activePage_;
    activePage_ = page;
    if (page) {
        Realign();
        page->SetVisible(true);
        page->BringToFront();
    }
    if (old) old->SetVisible(false);
    int tab = -1, i = 0;
    for (TTabSheet* p : pages_)
        if (p->TabVisible()) {
            if (p == page) tab = i;
            ++i;
        }
    tabs_->updating = true;
    tabs_->bar->setCurrentIndex(tab);
    tabs_->updating = false;
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index)
{
    SetActivePage(index >= 0 && index < PageCount() ? pages_[index] : nullptr);
}

int TPageControl::TabHeight() const { return tabs_->bar->count() > 0 ? tabs_->bar->sizeHint().height() : 0; }

TRect TPageControl::DisplayRect() const
{
    const TRect client = ClientRect();
    return Rect(client.Left + 4, client.Top + TabHeight() + 4, client.Right - 4, client.Bottom - 4);
}

void TPageControl::AlignControls(TRect& rect)
{
    tabs_->bar->setGeometry(2, 0, std::max(0, Width() - 4), TabHeight());
    const TRect display = DisplayRect();
    for (TTabSheet* page : pages_) page->SetBoundsRect(display);
    TWinControl::AlignControls(rect);
}

void TPageControl::Paint()
{
    QPainter* p = BeginCanvasPainter(*ControlCanvas());
    if (!p) return;
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(Impl().Widget());
    frame.rect = QRect(0, TabHeight() - 1, Width(), Height() - TabHeight() + 1);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = tabs_->bar->sizeHint();
    Impl().Widget()->style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, p, Impl().Widget());
}

void TPageControl::KeyDown(Word& key, TShiftState shift)
{
    TWinControl::KeyDown(key, shift);
    if (key != VK_LEFT && key != VK_RIGHT) return;
    const int count = tabs_->bar->count();
    if (count == 0) return;
    const int tab = (tabs_->bar->currentIndex() + (key == VK_RIGHT ? 1 : count - 1)) % count;
    tabs_->bar->setCurrentIndex(tab);
    key = 0;
}
