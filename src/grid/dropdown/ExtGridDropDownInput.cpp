#include <algorithm>

#include "grid/dropdown/DropDownStringGrid.h"
#include "grid/dropdown/ExtGridDropDown.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"

// Typing and keys of the grid drop-down: completion, the incremental search and stepping.

namespace {
int GridDropDownLength(const std::string& Text) { return static_cast<int>(utf8::Decode(Text).size()); }

bool IsGridDropDownStepKey(Word Key)
{
    return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME || Key == VK_UP || Key == VK_DOWN;
}
} // namespace

bool TCustomExtGridDropDown::ControlTakesKey(Word Key, TShiftState Shift) const
{
    return !Shift.Contains(ssAlt) && IsGridDropDownStepKey(Key);
}

void TCustomExtGridDropDown::SelectCompletedPart(int TypedLength)
{
    SetSelStart(TypedLength);
    SetSelLength(GridDropDownLength(Text()) - TypedLength);
}

// A text the search found is whole: it is not completed again.
void TCustomExtGridDropDown::ShowLookupText(const std::string& Value)
{
    const bool WorkMode = FWorkMode;
    FWorkMode = false;
    SetText(Value);
    FWorkMode = WorkMode;
}

// Takes the first row whose lookup text begins with Text; its item index or grid row, or -1.
int TCustomExtGridDropDown::TakeLookup(const std::string& Text, bool SelectCompletion)
{
    std::string Found;
    int Row = -1;
    if (!LookupText(Text, Found, Row)) return -1;
    FItemIndex = UseItems ? Row : Row - FirstDataRow();
    ShowLookupText(Found);
    if (SelectCompletion) SelectCompletedPart(GridDropDownLength(FLookupEntry));
    return Row;
}

int TCustomExtGridDropDown::LookupChar(char32_t Ch)
{
    if (LookupMethod == lmNone) return -1;
    if (Ch == 8) {
        // With a selection, Backspace takes back the completed part; then the search itself.
        std::u32string Shown = utf8::Decode(Text());
        if (SelLength() > 0) {
            Shown.erase(SelStart(), SelLength());
        } else {
            std::u32string Entry = utf8::Decode(FLookupEntry);
            if (!Entry.empty()) Entry.pop_back();
            FLookupEntry = utf8::Encode(Entry);
            Shown = Entry;
            // The narrowed rows follow the shorter search at once, one level back.
            if (LookupMethod == lmNarrowDown) NarrowPopupRows(Trim(FLookupEntry));
        }
        ShowLookupText(utf8::Encode(Shown));
        SetSelStart(static_cast<int>(Shown.size()));
        SetSelLength(0);
        return -1;
    }
    std::string One;
    utf8::Append(One, Ch);
    if (Ch != 9) FLookupEntry += One;
    const std::string Search = Trim(FLookupEntry);
    if (LookupMethod == lmNarrowDown) {
        if (!FExtColGrid) return -1;
        NarrowPopupRows(Search);
        const int First = FirstDataRow();
        if (!Search.empty() && FStyle == dsDropDown && First < FExtColGrid->RowCount()) {
            ShowLookupText(FExtColGrid->Cells(LookupColumn, First));
            SelectCompletedPart(GridDropDownLength(FLookupEntry));
        }
        return First;
    }
    const int Found = TakeLookup(Search, FStyle == dsDropDown);
    if (Found >= 0 || FStyle == dsDropDown) return Found;
    FLookupEntry = One;
    const int Again = TakeLookup(One, false);
    if (Again < 0) FLookupEntry.clear();
    return Again;
}

// An empty search shows every row again and lets the grid forget the text it last narrowed
// by, so that the next typed text filters afresh instead of stepping back a level that is gone.
void TCustomExtGridDropDown::NarrowPopupRows(const std::string& Search)
{
    if (!FExtColGrid) return;
    FExtColGrid->FixedRowAlways = true;
    FExtColGrid->NarrowDown(Search, LookupColumn);
}

// While the popup is open the search moves the grid's current row; it picks nothing itself.
void TCustomExtGridDropDown::ShowSearchRow(int Row)
{
    TDropDownStringGrid& Grid = *FExtColGrid;
    if (Row < Grid.FixedRows() || Row >= Grid.RowCount()) {
        FLookupEntry.clear();
        return;
    }
    if (!Grid.ShowsAllRows()) Grid.SetTopRow(Row);
    FPreparing = true;
    Grid.SetRow(Row);
    Grid.SetCol(0);
    FPreparing = false;
    FSelRow = Row;
    Grid.Invalidate();
}

void TCustomExtGridDropDown::WMChar(TMessage& Message)
{
    const char32_t Ch = static_cast<char32_t>(Message.WParam);
    const TShiftState Shift = KeyDataToShiftState(Message.LParam);
    if (DroppedDown() && FExtColGrid) {
        const bool Searches = !(((Ch == 13 || Ch == 27) && !Shift.Contains(ssAlt)) || GridEditable);
        if (!Searches) {
            FLookupEntry.clear();
        } else {
            int Row = LookupChar(Ch);
            // Backspace shortens the search, which goes on.
            if (Ch != 8) {
                // A search in the items answers with an item, whose row a sort may have moved.
                if (UseItems && LookupMethod == lmLookup && Row >= 0) Row = RowOfItemIndex(Row);
                ShowSearchRow(Row);
            }
        }
        char32_t Typed = Ch;
        if (OnGridKeyPress) OnGridKeyPress(this, Typed);
        if (Searches) return;
    }
    if (Ch == 13 && ReturnIsTab()) return;
    TExtCustomDropDown::WMChar(Message);
    if (DroppedDown() || Ch == 13 || Ch == 27) return;
    LookupChar(Ch);
    if (AutoShowDropDown) ShowDropDown();
}

// While the popup is open the keys are the popup grid's too, told with the drop-down as Sender.
void TCustomExtGridDropDown::KeyDown(Word& Key, TShiftState Shift)
{
    Word Pressed = Key;
    const bool WasOpen = DroppedDown();
    EditKeyDown(Key, Shift);
    if (WasOpen && OnGridKeyDown) OnGridKeyDown(this, Pressed, Shift);
}

void TCustomExtGridDropDown::EditKeyDown(Word& Key, TShiftState Shift)
{
    const Word Pressed = Key;
    const bool WasOpen = DroppedDown();
    if (Key == VK_RETURN && FExtColGrid) FExtColGrid->SetConfirmSelection(true);
    const bool Listed = LookupColumn >= 0 && Items()->Count() > 0 && UseItems;
    if (Listed && !WasOpen) {
        FWorkMode = Key != VK_BACK && Key != VK_ESCAPE && Key != VK_DELETE;
        if (ReturnPicksTypedItem(Key, FLookupItems, [this](int Index) { SetItemIndex(Index); })) return;
    }
    if (Key == VK_ESCAPE || IsGridDropDownStepKey(Key) || Key == VK_LEFT || Key == VK_RIGHT) FLookupEntry.clear();
    // While the popup is open the search owns the edit's text: Backspace acts as a character.
    if (WasOpen && Key == VK_BACK && !GridEditable) {
        Key = 0;
        return;
    }
    TExtCustomDropDown::KeyDown(Key, Shift);
    if (Listed && Pressed == VK_ESCAPE && !WasOpen) SetItemIndex(FLookupItems.IndexOf(Text()));
    if (!Enabled() || Shift.Contains(ssAlt) || WasOpen) return;
    switch (Pressed) {
    case VK_PRIOR: Step(lvsPageUp); Key = 0; break;
    case VK_NEXT: Step(lvsPageDown); Key = 0; break;
    case VK_UP: Step(lvsPrevious); Key = 0; break;
    case VK_DOWN: Step(lvsNext); Key = 0; break;
    case VK_END:
        if (FStyle == dsDropDownList && !Shift.Contains(ssShift)) Step(lvsLast);
        break;
    case VK_HOME:
        if (FStyle == dsDropDownList && !Shift.Contains(ssShift)) Step(lvsFirst);
        break;
    default: break;
    }
}

void TCustomExtGridDropDown::KeyUp(Word& Key, TShiftState Shift)
{
    if (DroppedDown() && OnGridKeyUp) {
        Word Released = Key;
        OnGridKeyUp(this, Released, Shift);
    }
    if (!(Key == VK_RETURN && ReturnIsTab())) TExtCustomDropDown::KeyUp(Key, Shift);
    if (!FItemChange) return;
    SetItemIndex(FItemIdx);
    SelectCompletedPart(FItemSel);
    FItemChange = false;
}

void TCustomExtGridDropDown::DoEnter()
{
    TExtCustomDropDown::DoEnter();
    NarrowPopupRows("");
    FLookupEntry.clear();
}

void TCustomExtGridDropDown::Change()
{
    FItemChange = false;
    TExtCustomDropDown::Change();
    if (ComponentState().Contains(csDesigning) || !FWorkMode || DroppedDown() || !UseItems) return;
    Complete();
}

// Completes the typed part from the first lookup text that begins with it.
void TCustomExtGridDropDown::Complete()
{
    const TTextCompletion Done = CompleteTyped(FLookupItems.Items(), MatchCase, FWorkMode);
    if (Done.TypedLength == 0 || Done.Index < 0) return;
    FItemIndex = FItemIdx = Done.Index;
    FItemSel = Done.TypedLength;
    FItemChange = true;
}
