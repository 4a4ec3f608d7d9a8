#include "platform/ui/CategoryPanels.h"

#include <algorithm>
#include <climits>

namespace {
constexpr int Caption_Indent = 6;
constexpr int Chevron_Width = 9;
constexpr int Chevron_Margin = 10;

// Two stacked chevrons that point up on an expanded panel and down on a collapsed one.
void Draw_Chevrons(TCanvas* canvas, int left, int middle, bool up, TColor color)
{
    canvas->Pen()->SetColor(color);
    canvas->Pen()->SetWidth(1);
    const int half = Chevron_Width / 2;
    for (int chevron = 0; chevron < 2; ++chevron)
        for (int stroke = 0; stroke < 2; ++stroke) {
            const int top = middle - 5 + chevron * 5 + stroke;
            const int tip = up ? top : top + 3;
            const int ends = up ? top + 3 : top;
            canvas->Polyline({{left, ends}, {left + half, tip}, {left + 2 * half, ends}});
        }
}
} // namespace

TCategoryPanel::TCategoryPanel(TComponent* owner) : TCustomControl(owner)
{
    surface_ = new TPanel(this);
    surface_->SetParent(this);
    surface_->SetBevelOuter(bvNone);
    surface_->SetParentBackground(false);
    surface_->SetParentColor(true);
    TCategoryPanel::SetBounds(0, 0, 185, 200);
}

TCategoryPanelGroup* TCategoryPanel::PanelGroup() const
{
    return dynamic_cast<TCategoryPanelGroup*>(Parent());
}

void TCategoryPanel::SetPanelGroup(TCategoryPanelGroup* group) { SetParent(group); }

int TCategoryPanel::HeaderHeight() const
{
    const TCategoryPanelGroup* group = PanelGroup();
    return group ? group->HeaderHeight() : 24;
}

void TCategoryPanel::SetCollapsed(bool collapsed)
{
    if (collapsed == collapsed_) return;
    expandedHeight_ = ExpandedHeight();
    collapsed_ = collapsed;
    surface_->SetVisible(!collapsed);
    SetBounds(Left(), Top(), Width(), collapsed ? HeaderHeight() : expandedHeight_);
    Invalidate();
}

void TCategoryPanel::SetBounds(int left, int top, int width, int height)
{
    if (collapsed_ && height != HeaderHeight()) {
        expandedHeight_ = height;
        height = HeaderHeight();
    }
    const bool moved = top != Top();
    const bool changed = moved || left != Left() || width != Width() || height != Height();
    TCustomControl::SetBounds(left, top, width, height);
    if (TCategoryPanelGroup* group = PanelGroup(); group && changed) group->Panel_Changed(this, moved);
}

// A panel that joins a group takes its place at the end.
void TCategoryPanel::SetParent(TWinControl* parent)
{
    TCustomControl::SetParent(parent);
    if (TCategoryPanelGroup* group = PanelGroup()) group->Panel_Changed(this, false);
}

void TCategoryPanel::SetText(const std::string& text)
{
    TCustomControl::SetText(text);
    Invalidate();
}

void TCategoryPanel::AlignControls(TRect&)
{
    const int header = HeaderHeight();
    surface_->SetBounds(0, header, ClientWidth(), std::max(0, Height() - header));
}

void TCategoryPanel::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(ClientRect());
    const TCategoryPanelGroup* group = PanelGroup();
    if (!group) return;
    const int header = HeaderHeight();
    GradientFillCanvas(canvas, group->GradientBaseColor(), group->GradientColor(),
                       Rect(0, 0, Width(), header), gdVertical);
    canvas->Font()->Assign(*group->HeaderFont());
    canvas->Brush()->SetStyle(bsClear);
    const int chevronLeft = Width() - Chevron_Margin - Chevron_Width;
    TRect text = Rect(Caption_Indent, 0, chevronLeft - Caption_Indent, header);
    DrawText(canvas, Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    Draw_Chevrons(canvas, chevronLeft, header / 2, !collapsed_,
                  hot_ ? group->ChevronHotColor() : group->ChevronColor());
}

void TCategoryPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && y < HeaderHeight()) SetCollapsed(!collapsed_);
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCategoryPanel::MouseMove(TShiftState shift, int x, int y)
{
    SetHot(y < HeaderHeight());
    TCustomControl::MouseMove(shift, x, y);
}

void TCategoryPanel::CMMouseLeave(TMessage& message)
{
    SetHot(false);
    TCustomControl::CMMouseLeave(message);
}

void TCategoryPanel::SetHot(bool hot)
{
    if (hot == hot_) return;
    hot_ = hot;
    InvalidateRect(Rect(0, 0, Width(), HeaderHeight()));
}

TCategoryPanelGroup::TCategoryPanelGroup(TComponent* owner)
    : TCustomControl(owner), headerFont_(std::make_unique<TFont>())
{
    headerFont_->OnChange = [this](TObject*) { Headers_Changed(); };
    SetBounds(0, 0, 200, 400);
}

TCategoryPanelGroup::~TCategoryPanelGroup() { TWinControl::Destroying(); }

void TCategoryPanelGroup::SetHeaderHeight(int height)
{
    if (height == headerHeight_) return;
    // Each panel keeps its expanded height; a collapsed one shrinks to the new header.
    for (TCategoryPanel* panel : Panels())
        if (panel->Collapsed())
            panel->TCustomControl::SetBounds(panel->Left(), panel->Top(), panel->Width(), height);
    headerHeight_ = height;
    Headers_Changed();
}

void TCategoryPanelGroup::SetGradientBaseColor(TColor color)
{
    gradientBaseColor_ = color;
    Headers_Changed();
}

void TCategoryPanelGroup::SetGradientColor(TColor color)
{
    gradientColor_ = color;
    Headers_Changed();
}

void TCategoryPanelGroup::SetChevronColor(TColor color)
{
    chevronColor_ = color;
    Headers_Changed();
}

void TCategoryPanelGroup::SetChevronHotColor(TColor color)
{
    chevronHotColor_ = color;
    Headers_Changed();
}

void TCategoryPanelGroup::Headers_Changed()
{
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* panel = dynamic_cast<TCategoryPanel*>(Controls(i))) {
            panel->Realign();
            panel->Invalidate();
        }
    Realign();
}

// Keeps the order of the panels that are still children, and puts new children last.
void TCategoryPanelGroup::Sync_Order() const
{
    std::erase_if(order_, [this](const TWeakRef<TCategoryPanel>& ref) {
        const TCategoryPanel* panel = ref.Get();
        return !panel || panel->Parent() != this;
    });
    for (int i = 0; i < ControlCount(); ++i) {
        auto* panel = dynamic_cast<TCategoryPanel*>(Controls(i));
        if (panel && std::none_of(order_.begin(), order_.end(), [panel](const TWeakRef<TCategoryPanel>& ref) {
                return ref.Get() == panel;
            }))
            order_.emplace_back(panel);
    }
}

// While the group stacks its panels this does nothing.
void TCategoryPanelGroup::Panel_Changed(TCategoryPanel* panel, bool moved)
{
    if (stacking_) return;
    if (moved) {
        Sync_Order();
        std::erase_if(order_, [panel](const TWeakRef<TCategoryPanel>& ref) { return ref.Get() == panel; });
        const auto before =
            std::find_if(order_.begin(), order_.end(), [panel](const TWeakRef<TCategoryPanel>& ref) {
                return ref.Get()->Visible() && ref.Get()->Top() >= panel->Top();
            });
        order_.insert(before, TWeakRef<TCategoryPanel>(panel));
    }
    Realign();
}

std::vector<TCategoryPanel*> TCategoryPanelGroup::Panels() const
{
    Sync_Order();
    std::vector<TCategoryPanel*> panels;
    for (const TWeakRef<TCategoryPanel>& ref : order_)
        if (ref.Get()->Visible()) panels.push_back(ref.Get());
    return panels;
}

void TCategoryPanelGroup::AlignControls(TRect&)
{
    if (stacking_) return;
    stacking_ = true;
    const std::vector<TCategoryPanel*> panels = Panels();
    int total = 0;
    for (const TCategoryPanel* panel : panels)
        total += panel->Height();
    ShowScrollBar(SB_VERT, total > Height());
    const int page = ClientHeight();
    scrollPos_ = std::clamp(scrollPos_, 0, std::max(0, total - page));
    SetScrollInfo(SB_VERT, {0, std::max(0, total - 1), page, scrollPos_, scrollPos_});
    int top = -scrollPos_;
    for (TCategoryPanel* panel : panels) {
        panel->SetBounds(0, top, ClientWidth(), panel->Height());
        top += panel->Height();
    }
    stacking_ = false;
}

void TCategoryPanelGroup::WMVScroll(TMessage& message)
{
    int pos = scrollPos_;
    switch (LOWORD(message.WParam)) {
    case SB_LINEUP:
        pos -= Scroll_Line;
        break;
    case SB_LINEDOWN:
        pos += Scroll_Line;
        break;
    case SB_PAGEUP:
        pos -= ClientHeight();
        break;
    case SB_PAGEDOWN:
        pos += ClientHeight();
        break;
    case SB_TOP:
        pos = 0;
        break;
    case SB_BOTTOM:
        pos = INT_MAX / 2;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        pos = ScrollMessagePos(message);
        break;
    default:
        return;
    }
    if (pos == scrollPos_) return;
    scrollPos_ = pos;
    Realign();
}
