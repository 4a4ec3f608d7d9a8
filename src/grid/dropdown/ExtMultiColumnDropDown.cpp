#include "grid/dropdown/ExtMultiColumnDropDown.h"

#include <algorithm>
#include <cmath>

#include "grid/control/settings/BarAppearance.h"
#include "grid/dropdown/DropDownBars.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtColGrid.h"
#include "grid/dropdown/ListDropDownLooks.h"
#include "grid/dropdown/ListValueSteps.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"

namespace {
std::string Folded(const std::string& Text, bool Keep) { return Keep ? Text : AnsiUpperCase(Text); }


} // namespace

TExtMultiColumnDropDown::TExtMultiColumnDropDown(TComponent* owner)
    : TExtCustomDropDown(owner), FColumns(std::make_unique<TDropDownColumns>()),
      FItems(std::make_unique<TDropDownItems>())
{
    SetDropDownColor(clWhite);
    SetDropDownHeight(200);
    SetAutoSelect(true);
    TExtMultiColumnDropDown::SetSelectionColorStyle(scOffice2007);
    // The base applied its style before this object existed: apply it again for the list.
    TExtMultiColumnDropDown::SetComponentStyle(GetComponentStyle());
}

TExtMultiColumnDropDown::~TExtMultiColumnDropDown() = default;

void TExtMultiColumnDropDown::SetItemIndex(int Value)
{
    if (Value >= FItems->Count()) return;
    FItemIndex = Value;
    const std::string* Text = Value >= 0 && LookupColumn >= 0 ? FItems->Items(Value)->TextOf(LookupColumn) : nullptr;
    // A picked text is whole: it is not completed again.
    const bool WorkMode = FWorkMode;
    FWorkMode = false;
    SetText(Text ? *Text : std::string());
    FWorkMode = WorkMode;
}

int TExtMultiColumnDropDown::GetItemIndex(const std::string& Value) const
{
    return FItems->IndexInColumn(LookupColumn, Value);
}

void TExtMultiColumnDropDown::EndUpdate()
{
    if (LookupColumn < 0 || FItems->Count() == 0) return;
    FLookupItems.Clear();
    for (int I = 0; I < FItems->Count(); ++I) {
        const std::string* Text = FItems->Items(I)->TextOf(LookupColumn);
        FLookupItems.Add(Text ? *Text : std::string());
    }
}

void TExtMultiColumnDropDown::Assign(const TPersistent& Source)
{
    TExtCustomDropDown::Assign(Source);
    const auto* Other = dynamic_cast<const TExtMultiColumnDropDown*>(&Source);
    if (!Other) return;
    AssignListLook(*Other);
    FColumns->Assign(*Other->FColumns);
    FItems->Assign(*Other->FItems);
    FItemIndex = Other->FItemIndex;
}

void TExtMultiColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle Style)
{
    ListLineColorsOf(Style, LineColor, FixedLineColor);
    TExtCustomDropDown::SetSelectionColorStyle(Style);
}

void TExtMultiColumnDropDown::SetComponentStyle(TSuiteStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    if (!FHeaderFont) return;
    const TListDropDownLook* S = FindListDropDownLook(AStyle, true);
    if (!S) return;
    HeaderColor = S->HeaderColor;
    HeaderColorTo = S->HeaderColorTo;
    SetSelectionColorStyle(S->Selection);
    if (S->FontColor != clNone) FHeaderFont->SetColor(S->FontColor);
    LineColor = S->LineColor;
    FixedLineColor = S->FixedLineColor;
    if (S->SelectionColor != clNone) {
        SetSelectionColor(S->SelectionColor);
        SetSelectionColorTo(S->SelectionColor);
    }
    SelectionTextColor = S->SelectionTextColor;
}

// ---- stepping ----

void TExtMultiColumnDropDown::Step(TListValueStep Where)
{
    const int Target = ListValueStepTarget(Where, FItemIndex, FItems->Count());
    if (Target >= 0) SetItemIndex(Target);
}

void TExtMultiColumnDropDown::SelectNextValue()
{
    TExtCustomDropDown::SelectNextValue();
    Step(lvsNext);
}

void TExtMultiColumnDropDown::SelectPreviousValue()
{
    TExtCustomDropDown::SelectPreviousValue();
    Step(lvsPrevious);
}

// ---- the popup ----

void TExtMultiColumnDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (FExtColGrid) return;
    FExtColGrid = new TExtColGrid(this);
    FExtColGrid->SetParent(DropDownForm());
    FExtColGrid->AttachDropDown(this);
    FExtColGrid->SetBounds(0, 0, FExtColGrid->Width(), 180);
}

void TExtMultiColumnDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    DropDownForm()->CancelOnDeActivate = false;
    FShowing = true;
    FExtColGrid->LoadFromDropDown(this);
    FExtColGrid->SetOptions(FExtColGrid->Options() + goThumbTracking);
    FExtColGrid->SetColor(DropDownColor());
    FExtColGrid->OnSelectCell = [this](TObject*, int, int ARow, bool&) { GridRowChanged(ARow); };
    FExtColGrid->OnSelect = [this](TObject*) { GridSelected(); };
    if (FExtColGrid->RowCount() > 1) FExtColGrid->SetRow(FItemIndex + 1 > 0 ? FItemIndex + 1 : 1);
    FOldItemIndex = FItemIndex;
}

void TExtMultiColumnDropDown::AdjustDropDownHeight(int& Height)
{
    const int Bars = DropDownForm() ? DropDownForm()->BarsHeight() : 0;
    const int Rows = (Height - Bars - HeaderHeight - 2) / DropDownRowHeight();
    Height = Bars + HeaderHeight + Rows * DropDownRowHeight() + 2;
}

void TExtMultiColumnDropDown::PlaceControl()
{
    if (FExtColGrid) SetDropDownControl(FExtColGrid);
    TExtCustomDropDown::PlaceControl();
}

void TExtMultiColumnDropDown::UpdateDropDownSize()
{
    TExtCustomDropDown::UpdateDropDownSize();
    TDropDownForm* Form = DropDownForm();
    if (!DropDownAutoWidth || !Form || !FExtColGrid) return;
    const int Width = FExtColGrid->RequiredWidth();
    FExtColGrid->SetWidth(Width);
    Form->SetWidth(Width + 2 * DropDownBorderWidth());
    TExtCustomDropDown::PlaceControl();
}

void TExtMultiColumnDropDown::DoDropDown()
{
    TExtCustomDropDown::DoDropDown();
    if (FExtColGrid && DroppedDown()) {
        FitColumns();
        if (FExtColGrid->RowCount() > 1) {
            const int Row = FItemIndex + 1 > 0 ? FItemIndex + 1 : 1;
            FExtColGrid->SetRow(Row);
            const int Visible = FExtColGrid->VisibleRowCount();
            if (Row < FExtColGrid->TopRow() || Row >= FExtColGrid->TopRow() + Visible)
                FExtColGrid->SetTopRow(std::max(Row - Visible + 1, 1));
        }
    }
    FShowing = false;
}

void TExtMultiColumnDropDown::DropDownSizing() { FitColumns(); }

// The columns share the popup's width in proportion to their Width, the rounding carried
// over so that the widths add up.
void TExtMultiColumnDropDown::FitColumns()
{
    if (!ColumnSizeWithDropDown || !FExtColGrid || !DropDownForm() || FColumns->Count() == 0) return;
    FExtColGrid->SetScrollBars(ssVertical);
    int Room = DropDownForm()->Width();
    if (FExtColGrid->VisibleRowCount() < FExtColGrid->RowCount() - 1) Room -= DropDownScrollBarWidth;
    const std::vector<int> Widths = FittedColumnWidths(*FColumns, FExtColGrid->ColCount(), Room);
    for (int I = 0; I < static_cast<int>(Widths.size()); ++I)
        FExtColGrid->SetColWidths(I, Widths[I]);
}

void TExtMultiColumnDropDown::GridRowChanged(int Row)
{
    if (FShowing || (FExtColGrid && FExtColGrid->MouseWheelSelection())) return;
    SetItemIndex(Row - 1);
}

void TExtMultiColumnDropDown::GridSelected()
{
    if (DroppedDown()) {
        if (FExtColGrid->ConfirmSelection()) SetItemIndex(FExtColGrid->Row() - 1);
        DoDropUp(false);
    }
    if (OnSelect) OnSelect(this);
}

void TExtMultiColumnDropDown::DoDropUp(bool Cancelled)
{
    if (!DropDownForm() || !DropDownForm()->Visible()) {
        TExtCustomDropDown::DoDropUp(Cancelled);
        return;
    }
    TExtCustomDropDown::DoDropUp(Cancelled);
    if (Cancelled) SetItemIndex(FOldItemIndex);
    else if (FExtColGrid && FExtColGrid->ConfirmSelection()) SetItemIndex(FExtColGrid->Row() - 1);
    FOldItemIndex = FItemIndex;
}

// ---- keys ----

bool TExtMultiColumnDropDown::ControlTakesKey(Word Key, TShiftState Shift) const
{
    return !Shift.Contains(ssAlt) && (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN);
}

void TExtMultiColumnDropDown::KeyDown(Word& key, TShiftState shift)
{
    const Word Pressed = key;
    // Enter over the open list takes its current row, also one the wheel moved to.
    if (key == VK_RETURN && DroppedDown() && FExtColGrid) FExtColGrid->SetConfirmSelection(true);
    if (LookupColumn >= 0 && FItems->Count() > 0 && !DroppedDown()) {
        FWorkMode = key != VK_BACK && key != VK_ESCAPE && key != VK_DELETE;
        if (ReturnPicksTypedItem(key, FLookupItems, [this](int Index) { SetItemIndex(Index); })) return;
    }
    TExtCustomDropDown::KeyDown(key, shift);
    if (LookupColumn >= 0 && Pressed == VK_ESCAPE && !DroppedDown()) SetItemIndex(FLookupItems.IndexOf(Text()));
    if (!Enabled() || shift.Contains(ssAlt) || DroppedDown() || key == 0) return;
    switch (Pressed) {
    case VK_PRIOR: Step(lvsPageUp); key = 0; break;
    case VK_NEXT: Step(lvsPageDown); key = 0; break;
    case VK_UP: Step(lvsPrevious); key = 0; break;
    case VK_DOWN: Step(lvsNext); key = 0; break;
    case VK_END:
        if (!EditorEnabled()) Step(lvsLast);
        break;
    case VK_HOME:
        if (!EditorEnabled()) Step(lvsFirst);
        break;
    default: break;
    }
}

void TExtMultiColumnDropDown::KeyUp(Word& key, TShiftState shift)
{
    if (!(key == VK_RETURN && ReturnIsTab())) TExtCustomDropDown::KeyUp(key, shift);
    if (!FItemChange) return;
    // The completed item's own spelling, with the completed part still selected.
    SetItemIndex(FItemIdx);
    SetSelStart(FItemSel);
    SetSelLength(Length(Text()) - FItemSel);
    FItemChange = false;
}

void TExtMultiColumnDropDown::WMChar(TMessage& message)
{
    const char32_t Ch = static_cast<char32_t>(message.WParam);
    const TShiftState Shift = KeyDataToShiftState(message.LParam);
    if (DroppedDown() && FExtColGrid) {
        const bool Navigation = Ch == 13 || Ch == 27 || (Ch >= 33 && Ch <= 36) || Ch == 38 || Ch == 40;
        if (!Navigation || Shift.Contains(ssAlt)) {
            const int Found = IncrementalLookup(Ch);
            if (Found >= 0) {
                if (Found + 1 < FExtColGrid->TopRow() || Found + 1 >= FExtColGrid->TopRow() + FExtColGrid->VisibleRowCount())
                    FExtColGrid->SetTopRow(Found + 1);
                FShowing = true; // the row follows the search; it is not a pick
                FExtColGrid->SetRow(Found + 1);
                FExtColGrid->SetCol(0);
                FShowing = false;
            }
            return;
        }
        FLookupEntry.clear();
    }
    if (Ch == 13 && ReturnIsTab()) return;
    TExtCustomDropDown::WMChar(message);
}

// ---- completion and search ----

int TExtMultiColumnDropDown::LookupText(const std::string& Value, std::string& Found) const
{
    if (!FExtColGrid) return -1;
    const std::string Key = Folded(Value, CaseSensitive);
    for (int I = 0; I < FItems->Count(); ++I) {
        const std::string* Text = FItems->Items(I)->TextOf(LookupColumn);
        if (Text && Folded(*Text, CaseSensitive).rfind(Key, 0) == 0) {
            Found = *Text;
            return I;
        }
    }
    return -1;
}

int TExtMultiColumnDropDown::IncrementalLookup(char32_t Ch)
{
    if (Ch == 8) {
        if (SelLength() == 0) {
            std::u32string Entry = utf8::Decode(FLookupEntry);
            if (!Entry.empty()) Entry.pop_back();
            FLookupEntry = utf8::Encode(Entry);
            SetEditText(FLookupEntry);
            SetSelStart(Length(FLookupEntry));
        } else {
            std::u32string Shown = utf8::Decode(ShownText());
            Shown.erase(SelStart(), SelLength());
            SetEditText(utf8::Encode(Shown));
            SetSelStart(static_cast<int>(Shown.size()));
        }
        return -1;
    }
    std::string One;
    utf8::Append(One, Ch);
    if (Ch != 9) FLookupEntry += One;
    std::string Found;
    int Index = LookupText(FLookupEntry, Found);
    if (Index < 0) {
        Index = LookupText(One, Found);
        FLookupEntry = Index >= 0 ? One : std::string();
        if (Index < 0) return -1;
    }
    FItemIndex = Index;
    SetEditText(Found);
    SetSelStart(Length(FLookupEntry));
    SetSelLength(Length(Found) - Length(FLookupEntry));
    return Index;
}

void TExtMultiColumnDropDown::Change()
{
    FItemChange = false;
    TExtCustomDropDown::Change();
    if (ComponentState().Contains(csDesigning) || !FWorkMode || DroppedDown()) return;
    Complete();
}

// Completes the typed part from the first lookup text that begins with it.
void TExtMultiColumnDropDown::Complete()
{
    const TTextCompletion Done = CompleteTyped(FLookupItems.Items(), MatchCase, FWorkMode);
    if (Done.TypedLength == 0 || Done.Index < 0) return;
    FItemIndex = FItemIdx = Done.Index;
    FItemSel = Done.TypedLength;
    FItemChange = true;
}
