#include "grid/dropdown/ExtSelectorDropDown.h"

#include <algorithm>

#include "grid/dropdown/DropDownForm.h"
#include "platform/ui/ExtCtrls.h"

namespace {
constexpr unsigned kTypeAheadMs = 500;
} // namespace

TExtSelectorDropDown::TExtSelectorDropDown(TComponent* owner)
    : TExtCustomDropDown(owner), FItemAppearance(std::make_unique<TItemAppearance>())
{
    TExtSelectorDropDown::SetComponentStyle(GetComponentStyle());
    SetDropDownEnabled(true);
    FKeyTimer = new TTimer(this);
    FKeyTimer->SetEnabled(false);
    FKeyTimer->SetInterval(kTypeAheadMs);
    FKeyTimer->OnTimer = [this](TObject*) {
        FKeyTimer->SetEnabled(false);
        FCurSearch.clear();
    };
}

TExtSelectorDropDown::~TExtSelectorDropDown() = default;

void TExtSelectorDropDown::SelectFirst()
{
    if (ItemCount() > 0) SetItemIndex(0);
}

void TExtSelectorDropDown::SelectLast()
{
    if (ItemCount() > 0) SetItemIndex(ItemCount() - 1);
}

void TExtSelectorDropDown::SelectNext()
{
    if (FItemIndex < 0) SelectFirst();
    else if (FItemIndex + 1 < ItemCount()) SetItemIndex(FItemIndex + 1);
}

void TExtSelectorDropDown::SelectPrevious()
{
    if (FItemIndex < 0) SelectFirst();
    else if (FItemIndex > 0) SetItemIndex(FItemIndex - 1);
}

void TExtSelectorDropDown::SetSelectionColorStyle(TSelectionColorStyle Style)
{
    TExtCustomDropDown::SetSelectionColorStyle(Style);
    if (FItemSelector) FItemSelector->ItemAppearance()->SetColorStyle(Style);
}

void TExtSelectorDropDown::SetComponentStyle(TSuiteStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    if (FItemAppearance) ApplyItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

void TExtSelectorDropDown::MakeSelector()
{
    if (FItemSelector) return;
    FItemSelector = new TExtCustomItemSelector(this);
    FItemSelector->SetParent(EnsureDropDownForm());
    FItemSelector->SetSelectorType(SelectorType());
    FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
}

void TExtSelectorDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (!ShowsSelector()) return;
    MakeSelector();
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetDropDownControl(FItemSelector);
}

void TExtSelectorDropDown::LoadItemSelector()
{
    MakeSelector();
    TExtCustomItemSelector& List = *FItemSelector;
    List.OnItemSelect = nullptr;
    List.SetColumns(Columns);
    List.SetImages(Images());
    List.ItemLayout = Layout;
    List.SetColor(DropDownColor());
    List.ItemAppearance()->Assign(*FItemAppearance);
    List.Items()->BeginUpdate();
    List.Items()->Clear();
    FillSelectorItems(*List.Items());
    List.Items()->EndUpdate();
    List.UpdateSelectorPanel();
    List.SetItemIndex(FItemIndex);
    List.OnItemSelect = [this](TObject*) { ItemSelected(); };
    List.SetShowHint(ShowHint());
    if (OnDrawItem) List.OnDrawItem = [this](TObject*, TCanvas* Canvas, const TRect& R, int Index) { OnDrawItem(this, Canvas, R, Index); };
    else List.OnDrawItem = nullptr;
    FOldItemIndex = FItemIndex;
}

void TExtSelectorDropDown::ItemSelected()
{
    SetItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall) DoDropUp(false);
}

void TExtSelectorDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    if (!ShowsSelector()) return;
    LoadItemSelector();
    FItemSelector->SetVisible(true);
    SetDropDownControl(FItemSelector);
}

void TExtSelectorDropDown::UpdateDropDownSize()
{
    if (ShowsSelector() && FItemSelector) {
        const TSize Size = FItemSelector->GetSelectorPanelSize();
        if (DropDownWidth() < 1) FItemSelector->SetWidth(Size.cx);
        if (DropDownHeight() < 1) FItemSelector->SetHeight(Size.cy);
    }
    TExtCustomDropDown::UpdateDropDownSize();
    if (ShowsSelector() && FItemSelector && FItemSelector->ScrollBarShown(SB_VERT) && DropDownForm())
        DropDownForm()->SetWidth(DropDownForm()->Width() + DropDownScrollBarWidth);
}

void TExtSelectorDropDown::DoDropUp(bool Cancelled)
{
    const bool WasOpen = DroppedDown();
    TExtCustomDropDown::DoDropUp(Cancelled);
    if (WasOpen && Cancelled && ShowsSelector()) SetItemIndex(FOldItemIndex);
}

void TExtSelectorDropDown::MoveInSelector(int Index)
{
    FInternalCall = true;
    FItemSelector->SetItemIndex(Index);
    FInternalCall = false;
}

void TExtSelectorDropDown::SelectNextValue()
{
    if (!Enabled() || ReadOnly() || !FItemSelector || !ShowsSelector()) return;
    FInternalCall = true;
    if (DroppedDown()) FItemSelector->HotNext();
    else FItemSelector->SelectNext();
    FInternalCall = false;
}

void TExtSelectorDropDown::SelectPreviousValue()
{
    if (!Enabled() || ReadOnly() || !FItemSelector || !ShowsSelector()) return;
    FInternalCall = true;
    if (DroppedDown()) FItemSelector->HotPrevious();
    else FItemSelector->SelectPrevious();
    FInternalCall = false;
}

bool TExtSelectorDropDown::NavigateKey(Word Key, bool Ctrl, bool EndsWhileOpen)
{
    if (!FItemSelector) return false;
    const bool Open = DroppedDown();
    TExtCustomItemSelector& List = *FItemSelector;
    if ((Key == VK_PRIOR || Key == VK_NEXT) && List.Items()->Count() != ItemCount()) LoadItemSelector();
    const int Last = ItemCount() - 1, Current = Open ? List.ItemIndex() : FItemIndex;
    const int Page = List.GetVisibleItemCount();
    const auto Move = [&](int Index) {
        if (Open) MoveInSelector(Index);
        else SetItemIndex(Index);
    };
    switch (Key) {
    case VK_PRIOR:
        if (Last >= 0) Move(std::max(Current - Page, 0));
        return Open && EndsWhileOpen;
    case VK_NEXT:
        if (Last >= 0) Move(std::min(Current + Page, Last));
        return Open && EndsWhileOpen;
    case VK_END:
        if (Open) MoveInSelector(Last);
        else if (!EndsWhileOpen || !EditorEnabled()) SelectLast();
        return false;
    case VK_HOME:
        if (Open) MoveInSelector(0);
        else if (!EndsWhileOpen || !EditorEnabled()) SelectFirst();
        return false;
    case VK_LEFT:
    case VK_RIGHT:
        if (Open && !EditorEnabled()) MoveInSelector(Key == VK_LEFT ? std::max(Current - 1, 0) : Current < 0 ? 0 : std::min(Current + 1, Last));
        return Open && EndsWhileOpen;
    case VK_UP:
    case VK_DOWN: {
        if (!Open) {
            Key == VK_UP ? SelectPrevious() : SelectNext();
            return false;
        }
        const int Target = Current < 0 ? 0 : Current + (Key == VK_UP ? -Columns : Columns);
        if (Target >= 0 && Target <= Last) MoveInSelector(Target);
        return EndsWhileOpen;
    }
    default:
        if (Ctrl || Key < '0' || Key > 'Z') return false;
        FCurSearch += static_cast<char>(Key);
        FInternalCall = true;
        List.LookupItem(FCurSearch);
        FInternalCall = false;
        if (!FKeyTimer->Enabled()) FKeyTimer->SetEnabled(true);
        return false;
    }
}
