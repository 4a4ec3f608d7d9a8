#include "grid/dropdown/ExtMultiColumnDropDown.h"

#include <algorithm>
#include <cmath>

#include "grid/control/settings/BarAppearance.h"
#include "grid/dropdown/DropDownBars.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtColGrid.h"
#include "grid/dropdown/TextCompletion.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"

namespace {
constexpr int kPageStep = 10;

std::string Folded(const std::string& Text, bool Keep) { return Keep ? Text : AnsiUpperCase(Text); }


struct TListStyle {
    TSuiteStyle Style;
    TColor HeaderColor, HeaderColorTo;
    TSelectionColorStyle Selection;
    TColor FontColor; // clNone: unchanged
    TColor LineColor, FixedLineColor;
    TColor SelectionColor; // clNone: those of the selection style
    TColor SelectionTextColor;
};

const TListStyle kListStyles[] = {
    {tsOffice2003Blue, 0xD68759, 0x933803, scOffice2007, 0xFFFFFF, 0x962D00, 0x962D00, clNone, 0},
    {tsOffice2003Silver, 0xBDA4A5, 0x957475, scOffice2007, clNone, 0x947C7C, 0x947C7C, clNone, 0},
    {tsOffice2003Olive, 0x82C0AF, 0x447A63, scOffice2007, clNone, 0x588060, 0x588060, clNone, 0},
    {tsOffice2003Classic, 0x808080, 0x808080, scOffice2007, clNone, 0x808080, 0x808080, clNone, 0},
    {tsOffice2007Luna, 0xFFEFE3, 0xFFD2AF, scOffice2007, 0x723708, 0xFFD2AF, 0xFFD2AF, clNone, 0},
    {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, scOffice2007, 0x433C37, 0x5C534C, 0x5C534C, clNone, 0},
    {tsWindowsXP, clBtnFace, clBtnFace, scCustom, 0, 0xC0C0C0, 0, clHighlight, clHighlightText},
    {tsWhidbey, 0xEBEEEF, 0x7E9898, scOffice2007, 0xFFFFFF, 0x962D00, 0x962D00, clNone, 0},
    {tsOffice2007Silver, 0xF8F7F6, 0xE8E0DB, scOffice2007, 0x8B4215, 0x74706F, 0x74706F, clNone, 0},
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, scWindowsVista, 0, 0xFCF2DA, 0xFCF2DA, clNone, 0},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB, scWindows7, 0, 0xFBD6B8, 0xFBD6B8, clNone, 0},
    {tsTerminal, clBtnFace, clBtnFace, scCustom, 0, 0x808080, 0x808080, clHighlight, clHighlightText},
    {tsOffice2010Blue, 0xEDDBCD, clNone, scCustom, 0x5B391E, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF, 0},
    {tsOffice2010Silver, 0xEDE9E5, clNone, scCustom, 0x5B391E, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF, 0},
    {tsOffice2010Black, 0x828282, clNone, scCustom, 0xD7D7D6, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF, 0},
};
} // namespace

TExtMultiColumnDropDown::TExtMultiColumnDropDown(TComponent* owner)
    : TExtCustomDropDown(owner), FHeaderFont(std::make_unique<TFont>()), FColumns(std::make_unique<TDropDownColumns>()),
      FItems(std::make_unique<TDropDownItems>())
{
    FHeaderFont->SetColor(0x723708);
    SetDropDownColor(clWhite);
    SetDropDownHeight(200);
    SetAutoSelect(true);
    SetSelectionColorStyle(scOffice2007);
    // The base applied its style before this object existed: apply it again for the list.
    SetComponentStyle(GetComponentStyle());
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
    CaseSensitive = Other->CaseSensitive;
    DropDownAutoWidth = Other->DropDownAutoWidth;
    FDropDownRowHeight = Other->FDropDownRowHeight;
    LineColor = Other->LineColor;
    FixedLineColor = Other->FixedLineColor;
    ColumnSizing = Other->ColumnSizing;
    ColumnSizeWithDropDown = Other->ColumnSizeWithDropDown;
    FColumns->Assign(*Other->FColumns);
    HeaderColor = Other->HeaderColor;
    HeaderColorTo = Other->HeaderColorTo;
    HeaderHeight = Other->HeaderHeight;
    FHeaderFont->Assign(*Other->FHeaderFont);
    LookupColumn = Other->LookupColumn;
    SelectionTextColor = Other->SelectionTextColor;
    FItems->Assign(*Other->FItems);
    FItemIndex = Other->FItemIndex;
}

void TExtMultiColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle Style)
{
    if (Style == scOffice2007) {
        LineColor = 0xF1EDEB;
        FixedLineColor = 0xD1BBA4;
    } else if (Style != scCustom) {
        LineColor = 0xECECF0;
        FixedLineColor = 0xD4D2D1;
    }
    TExtCustomDropDown::SetSelectionColorStyle(Style);
}

void TExtMultiColumnDropDown::SetComponentStyle(TSuiteStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    if (!FHeaderFont) return;
    for (const TListStyle& S : kListStyles) {
        if (S.Style != AStyle) continue;
        HeaderColor = S.HeaderColor;
        HeaderColorTo = S.HeaderColorTo;
        SetSelectionColorStyle(S.Selection);
        if (S.FontColor != clNone) FHeaderFont->SetColor(S.FontColor);
        LineColor = S.LineColor;
        FixedLineColor = S.FixedLineColor;
        if (S.SelectionColor != clNone) {
            SetSelectionColor(S.SelectionColor);
            SetSelectionColorTo(S.SelectionColor);
        }
        SelectionTextColor = S.SelectionTextColor;
    }
}

// ---- stepping ----

void TExtMultiColumnDropDown::Step(TItemStep Where)
{
    const int Count = FItems->Count();
    if (Count == 0) return;
    const int Last = Count - 1;
    switch (Where) {
    case isFirst: SetItemIndex(0); break;
    case isLast: SetItemIndex(Last); break;
    case isNext:
        if (FItemIndex < 0) SetItemIndex(0);
        else if (FItemIndex < Last) SetItemIndex(FItemIndex + 1);
        break;
    case isPrevious:
        if (FItemIndex < 0) SetItemIndex(0);
        else if (FItemIndex > 0) SetItemIndex(FItemIndex - 1);
        break;
    case isPageDown: SetItemIndex(FItemIndex < 0 ? 0 : std::min(FItemIndex + kPageStep, Last)); break;
    case isPageUp: SetItemIndex(std::max(FItemIndex - kPageStep, 0)); break;
    }
}

void TExtMultiColumnDropDown::SelectNextValue()
{
    TExtCustomDropDown::SelectNextValue();
    Step(isNext);
}

void TExtMultiColumnDropDown::SelectPreviousValue()
{
    TExtCustomDropDown::SelectPreviousValue();
    Step(isPrevious);
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
    const int Rows = (Height - Bars - HeaderHeight - 2) / FDropDownRowHeight;
    Height = Bars + HeaderHeight + Rows * FDropDownRowHeight + 2;
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
    int Total = 1;
    for (int I = 0; I < FColumns->Count(); ++I)
        Total += FColumns->Items(I)->Width;
    int Room = DropDownForm()->Width();
    if (FExtColGrid->VisibleRowCount() < FExtColGrid->RowCount() - 1) Room -= 17;
    const double Scale = static_cast<double>(Room) / Total;
    double Carry = 0;
    for (int I = 0; I < FExtColGrid->ColCount() && I < FColumns->Count(); ++I) {
        const double Exact = Scale * FColumns->Items(I)->Width;
        int W = static_cast<int>(std::nearbyint(Exact));
        Carry += Exact - W;
        if (Carry > 1) {
            Carry -= 1;
            ++W;
        }
        FExtColGrid->SetColWidths(I, W);
    }
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
    if (LookupColumn >= 0 && FItems->Count() > 0 && !DroppedDown()) {
        FWorkMode = key != VK_BACK && key != VK_ESCAPE && key != VK_DELETE;
        if (key == VK_RETURN) {
            const int Found = FLookupItems.IndexOf(Text());
            if (Found >= 0) {
                SetItemIndex(Found);
                Change();
            }
            if (ReturnIsTab()) {
                PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
                key = 0;
                return;
            }
        }
    }
    TExtCustomDropDown::KeyDown(key, shift);
    if (LookupColumn >= 0 && Pressed == VK_ESCAPE && !DroppedDown()) SetItemIndex(FLookupItems.IndexOf(Text()));
    if (!Enabled() || shift.Contains(ssAlt) || DroppedDown() || key == 0) return;
    switch (Pressed) {
    case VK_PRIOR: Step(isPageUp); key = 0; break;
    case VK_NEXT: Step(isPageDown); key = 0; break;
    case VK_UP: Step(isPrevious); key = 0; break;
    case VK_DOWN: Step(isNext); key = 0; break;
    case VK_END:
        if (!EditorEnabled()) Step(isLast);
        break;
    case VK_HOME:
        if (!EditorEnabled()) Step(isFirst);
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
    SetValueModified(!Text().empty());
    const TTextCompletion Done = CompleteText(FLookupItems.Items(), Text(), SelStart(), MatchCase);
    if (Done.TypedLength == 0) return;
    FWorkMode = false; // the completion's own change does not complete again
    SetEditText(Done.Text);
    FWorkMode = true;
    SetSelStart(Done.TypedLength);
    SetSelLength(Length(Done.Text) - Done.TypedLength);
    if (Done.Index < 0) return;
    FItemIndex = FItemIdx = Done.Index;
    FItemSel = Done.TypedLength;
    FItemChange = true;
}
