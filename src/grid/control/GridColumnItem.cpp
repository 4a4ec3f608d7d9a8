#include "grid/control/GridColumnItem.h"

#include "grid/control/ExtColumnGrid.h"
#include "grid/control/GridColumnCollection.h"
#include "grid/control/EditLink.h"
#include "platform/ui/Menus.h"

TGridColumnItem::TGridColumnItem(TCollection* Collection)
    : TCollectionItem(Collection), FBorderPen(std::make_unique<TPen>()),
      FPrintBorderPen(std::make_unique<TPen>()), FFont(std::make_unique<TFont>()),
      FHeaderFont(std::make_unique<TFont>()), FPrintFont(std::make_unique<TFont>()),
      FComboItems(std::make_unique<TStringList>()), FFilter(std::make_unique<TStringList>())
{
    FBorderPen->SetColor(clSilver);
    TExtColumnGrid* grid = Grid();
    if (!grid) return;
    FColor = grid->Color();
    for (TFont* font : {FFont.get(), FHeaderFont.get(), FPrintFont.get()})
        font->Assign(*grid->Font());
    const TNotifyEvent update = [this](TObject*) { UpdateCollection(); };
    FFont->OnChange = update;
    FHeaderFont->OnChange = update;
    FBorderPen->OnChange = update;
}

TGridColumnItem::~TGridColumnItem() = default;

TGridColumnCollection* TGridColumnItem::OwnerCollection() const
{
    return static_cast<TGridColumnCollection*>(Collection());
}

TExtColumnGrid* TGridColumnItem::Grid() const
{
    return OwnerCollection() ? OwnerCollection()->GetOwner() : nullptr;
}

TExtColumnGrid& TGridColumnItem::CellGrid() const
{
    TExtColumnGrid* grid = Grid();
    if (!grid) throw EListError("The column belongs to no grid");
    return *grid;
}

void TGridColumnItem::Repaint() const
{
    if (TExtColumnGrid* grid = Grid()) grid->Invalidate();
}

void TGridColumnItem::Assign(const TPersistent& Source)
{
    if (const auto* source = dynamic_cast<const TGridColumnItem*>(&Source)) CopyFrom(*source, false);
}

void TGridColumnItem::AssignVisuals(const TPersistent& Source)
{
    if (const auto* source = dynamic_cast<const TGridColumnItem*>(&Source)) CopyFrom(*source, true);
}

// Fields are copied directly, so that no writer writes row 0 or rebuilds the headers;
// only the owned objects tell of their change as they always do.
void TGridColumnItem::CopyFrom(const TGridColumnItem& Source, bool VisualsOnly)
{
    if (&Source == this) return;
    const TGridColumnSettings kept = *this;
    static_cast<TGridColumnSettings&>(*this) = Source;
    FAlignment = Source.FAlignment;
    FHeaderAlignment = Source.FHeaderAlignment;
    FBorders = Source.FBorders;
    FEditorType = Source.FEditorType;
    FFixed = Source.FFixed;
    FFloatFormat = Source.FFloatFormat;
    FPassword = Source.FPassword;
    FShowBands = Source.FShowBands;
    FColumnPopup = Source.FColumnPopup;
    FEditLink = Source.FEditLink;
    FBorderPen->Assign(*Source.FBorderPen);
    FPrintBorderPen->Assign(*Source.FPrintBorderPen);
    FPrintFont->Assign(*Source.FPrintFont);
    *FFilter = *Source.FFilter;
    Repaint();
    TExtColumnGrid* grid = Grid();
    if (!VisualsOnly) {
        FColor = Source.FColor;
        FColumnHeader = Source.FColumnHeader;
        FFont->Assign(*Source.FFont);
        FHeaderFont->Assign(*Source.FHeaderFont);
        *FComboItems = *Source.FComboItems;
        return;
    }
    Name = kept.Name;
    DropDownCount = kept.DropDownCount;
    Tag = kept.Tag;
    FColor = grid ? grid->Color() : 0;
    if (grid) FFont->Assign(*grid->Font());
}

std::string TGridColumnItem::GetDisplayName() const
{
    const std::string index = std::to_string(Index());
    return Name.empty() ? "Column " + index : "Col " + index + ": " + Name;
}

void TGridColumnItem::SetAlignment(TAlignment Value) { StoreAndRepaint(FAlignment, Value); }

void TGridColumnItem::SetHeaderAlignment(TAlignment Value) { StoreAndRepaint(FHeaderAlignment, Value); }

void TGridColumnItem::SetBorders(TCellBorders Value) { StoreAndUpdate(FBorders, Value); }

void TGridColumnItem::SetColor(TColor Value) { StoreAndUpdate(FColor, Value); }

void TGridColumnItem::SetEditor(TEditorType Value)
{
    if (Value == FEditorType) return;
    const bool checkBoxChanges = Value == edDataCheckBox || FEditorType == edDataCheckBox;
    FEditorType = Value;
    if (checkBoxChanges) Repaint();
}

TPopupMenu* TGridColumnItem::ColumnPopup() const { return FColumnPopup.Get(); }

void TGridColumnItem::SetColumnPopup(TPopupMenu* Value) { FColumnPopup = Value; }

TEditLink* TGridColumnItem::EditLink() const { return FEditLink.Get(); }

void TGridColumnItem::SetEditLink(TEditLink* Value) { FEditLink = Value; }

void TGridColumnItem::SetFixed(bool Value) { StoreAndUpdate(FFixed, Value); }

void TGridColumnItem::SetFloatFormat(const std::string& Value) { StoreAndRepaint(FFloatFormat, Value); }

void TGridColumnItem::SetPassword(bool Value) { StoreAndUpdate(FPassword, Value); }

void TGridColumnItem::SetShowBands(bool Value) { StoreAndUpdate(FShowBands, Value); }

void TGridColumnItem::SetHeader(const std::string& Value)
{
    FColumnHeader = Value;
    TExtColumnGrid* grid = Grid();
    if (!grid) return;
    if (grid->FixedRows() > 0 && !grid->ColMoving()) {
        grid->SetCells(Index(), 0, Value);
        UpdateCollection();
    }
    TStringList headers;
    for (int i = 0; i < OwnerCollection()->Count(); ++i)
        headers.Add(OwnerCollection()->Items(i)->Header());
    grid->SetColumnHeaders(headers);
}

int TGridColumnItem::Width() const
{
    const TExtColumnGrid* grid = Grid();
    return grid ? grid->AllColWidths(Index()) : 0;
}

void TGridColumnItem::SetWidth(int Value)
{
    if (TExtColumnGrid* grid = Grid()) grid->SetAllColWidths(Index(), Value);
}

void TGridColumnItem::SetBorderPen(const TPen& Value)
{
    FBorderPen->Assign(Value);
    UpdateCollection();
}

void TGridColumnItem::SetFont(const TFont& Value)
{
    FFont->Assign(Value);
    UpdateCollection();
}

void TGridColumnItem::SetHeaderFont(const TFont& Value)
{
    FHeaderFont->Assign(Value);
    Repaint();
}

void TGridColumnItem::SetFilter(const TStringList& Value)
{
    *FFilter = Value;
    Repaint();
}

std::string TGridColumnItem::GetRows(int ARow) const { return CellGrid().Cells(Index(), ARow); }

void TGridColumnItem::SetRows(int ARow, const std::string& Value)
{
    CellGrid().SetCells(Index(), ARow, Value);
}

int TGridColumnItem::GetInts(int ARow) const { return CellGrid().Ints(Index(), ARow); }

void TGridColumnItem::SetInts(int ARow, int Value) { CellGrid().SetInts(Index(), ARow, Value); }

double TGridColumnItem::GetFloats(int ARow) const { return CellGrid().Floats(Index(), ARow); }

void TGridColumnItem::SetFloats(int ARow, double Value) { CellGrid().SetFloats(Index(), ARow, Value); }

TDateTime TGridColumnItem::GetDates(int ARow) const { return CellGrid().Dates(Index(), ARow); }

void TGridColumnItem::SetDates(int ARow, TDateTime Value) { CellGrid().SetDates(Index(), ARow, Value); }

TDateTime TGridColumnItem::GetTimes(int ARow) const { return CellGrid().Times(Index(), ARow); }

void TGridColumnItem::SetTimes(int ARow, TDateTime Value) { CellGrid().SetTimes(Index(), ARow, Value); }
