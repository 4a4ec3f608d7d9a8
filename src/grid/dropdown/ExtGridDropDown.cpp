#include "grid/dropdown/ExtGridDropDown.h"

#include <algorithm>

#include "grid/control/settings/SortSettings.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/DropDownStringGrid.h"
#include "grid/dropdown/ListDropDownLooks.h"
#include "grid/foundation/model/Bands.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/foundation/model/SearchFooter.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/ImgList.h"

TCustomExtGridDropDown::TCustomExtGridDropDown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FColumns(std::make_unique<TDropDownColumns>()), FBands(std::make_unique<TBands>()),
      FMouseActions(std::make_unique<TMouseActions>(this)), FNavigation(std::make_unique<TNavigation>(this)),
      FSearchFooter(std::make_unique<TSearchFooter>(this, false))
{
    SetDropDownColor(clWhite);
    SetDropDownHeight(200);
    SetAutoSelect(true);
    FNavigation->HomeEndKey = heFirstLastRow;
    // The base dressed itself before the list's colours existed.
    TCustomExtGridDropDown::SetComponentStyle(GetComponentStyle());
}

TCustomExtGridDropDown::~TCustomExtGridDropDown() = default;

std::unique_ptr<TDropDownItems> TCustomExtGridDropDown::CreateItems() { return std::make_unique<TDropDownItems>(); }

TDropDownItems* TCustomExtGridDropDown::Items() const
{
    if (!FItems) FItems = const_cast<TCustomExtGridDropDown*>(this)->CreateItems();
    return FItems.get();
}

TExtStringGrid* TCustomExtGridDropDown::GetGrid() const
{
    const_cast<TCustomExtGridDropDown*>(this)->EnsureDropDownForm();
    return FExtColGrid;
}

void TCustomExtGridDropDown::SetStyle(TDropDownStyle Value)
{
    FStyle = Value;
    SetEditorEnabled(Value == dsDropDown);
}

void TCustomExtGridDropDown::SetGridImages(TCustomImageList* Value)
{
    if (FGridImages) FGridImages->RemoveFreeNotification(this);
    FGridImages = Value;
    if (FGridImages) FGridImages->FreeNotification(this);
}

void TCustomExtGridDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TExtCustomDropDown::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == static_cast<TComponent*>(FGridImages)) FGridImages = nullptr;
}

void TCustomExtGridDropDown::Loaded()
{
    TExtCustomDropDown::Loaded();
    UpdateLookupItems();
    if (FExtColGrid) FExtColGrid->FillFromItems();
}

// ---- values ----

int TCustomExtGridDropDown::FirstDataRow() const { return FExtColGrid ? FExtColGrid->FixedRows() : 1; }

int TCustomExtGridDropDown::RowCount() const
{
    if (UseItems) return Items()->Count();
    return FExtColGrid ? FExtColGrid->RowCount() - FExtColGrid->FixedRows() : 0;
}

void TCustomExtGridDropDown::SetItemIndex(int Value)
{
    if (UseItems) {
        if (Value < Items()->Count()) {
            FItemIndex = Value;
            const std::string* Text = Value >= 0 && LookupColumn >= 0 ? Items()->Items(Value)->TextOf(LookupColumn) : nullptr;
            ShowLookupText(Text ? *Text : std::string());
        }
    } else if (!FExtColGrid) {
        FItemIndex = Value;
    } else if (Value != FItemIndex && Value + 1 < FExtColGrid->RowCount()) {
        FItemIndex = Value;
        ShowLookupText(Value < 0 ? std::string() : FExtColGrid->Cells(LookupColumn, Value + 1));
    }
}

void TCustomExtGridDropDown::Step(TListValueStep Where)
{
    const int Target = ListValueStepTarget(Where, FItemIndex, RowCount());
    if (Target >= 0) SetItemIndex(Target);
}

void TCustomExtGridDropDown::UpdateLookupItems()
{
    if (LookupColumn < 0 || Items()->Count() == 0) return;
    FLookupItems.Clear();
    for (int I = 0; I < Items()->Count(); ++I) {
        const std::string* Text = Items()->Items(I)->TextOf(LookupColumn);
        FLookupItems.Add(Text ? *Text : std::string());
    }
}

bool TCustomExtGridDropDown::LookupText(const std::string& Text, std::string& Found, int& Row) const
{
    Found.clear();
    Row = -1;
    if (Text.empty()) return false;
    const auto Fold = [this](const std::string& S) { return CaseSensitive ? S : AnsiUpperCase(S); };
    const std::string Key = Fold(Text);
    const auto Match = [&](const std::string& Candidate, int Index) {
        if (Fold(Candidate).rfind(Key, 0) != 0) return false;
        Found = Candidate;
        Row = Index;
        return true;
    };
    if (UseItems) {
        for (int I = 0; I < Items()->Count(); ++I) {
            const std::string* Candidate = LookupColumn >= 0 ? Items()->Items(I)->TextOf(LookupColumn) : nullptr;
            if (Match(Candidate ? *Candidate : std::string(), I)) return true;
        }
    } else if (FExtColGrid) {
        for (int R = FExtColGrid->FixedRows(); R < FExtColGrid->RowCount(); ++R)
            if (Match(FExtColGrid->Cells(LookupColumn, R), R)) return true;
    }
    return false;
}

int TCustomExtGridDropDown::RowOfItemIndex(int Index) const
{
    if (!FExtColGrid || Index < 0) return FItemIndex;
    for (int R = FExtColGrid->FixedRows(); R < FExtColGrid->RowCount(); ++R)
        if (FExtColGrid->ItemIndexOfCell(R) == Index) return R;
    return FItemIndex;
}

int TCustomExtGridDropDown::ItemIndexOfRow(int Row) const
{
    return FExtColGrid && Row < FExtColGrid->RowCount() ? FExtColGrid->ItemIndexOfCell(Row) : Row;
}

// ---- looks ----

void TCustomExtGridDropDown::SetSelectionColorStyle(TSelectionColorStyle Style)
{
    ListLineColorsOf(Style, LineColor, FixedLineColor);
    TExtCustomDropDown::SetSelectionColorStyle(Style);
}

void TCustomExtGridDropDown::SetComponentStyle(TSuiteStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    const TListDropDownLook* Look = FHeaderFont ? FindListDropDownLook(AStyle, false) : nullptr;
    if (!Look) return;
    HeaderColor = Look->HeaderColor;
    HeaderColorTo = Look->HeaderColorTo;
    SetSelectionColorStyle(Look->Selection);
    if (Look->FontColor != clNone) FHeaderFont->SetColor(Look->FontColor);
    SelectionTextColor = Look->SelectionTextColor;
    LineColor = Look->LineColor;
    FixedLineColor = Look->FixedLineColor;
    if (Look->SelectionColor != clNone) {
        SetSelectionColor(Look->SelectionColor);
        SetSelectionColorTo(Look->SelectionColor);
    }
}
