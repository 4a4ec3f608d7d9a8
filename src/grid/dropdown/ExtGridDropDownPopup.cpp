#include <algorithm>

#include "grid/control/settings/SortSettings.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/DropDownStringGrid.h"
#include "grid/dropdown/ExtGridDropDown.h"
#include "grid/foundation/model/Bands.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/foundation/model/SearchFooter.h"

// Opening, sizing and closing the popup grid, and picking rows in it.

void TCustomExtGridDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (FExtColGrid) return;
    // The wheel over the open popup scrolls its list and picks nothing: a click or Enter
    // picks. The popup's own wheel handling would step the value as the list scrolls.
    DropDownForm()->OnMouseWheelDown = nullptr;
    DropDownForm()->OnMouseWheelUp = nullptr;
    FExtColGrid = new TDropDownStringGrid(this);
    FExtColGrid->SetParent(DropDownForm());
    FExtColGrid->SetDropDown(this);
    FExtColGrid->SetBounds(0, 0, FExtColGrid->Width(), 180);
    FExtColGrid->SetColor(DropDownColor());
    FExtColGrid->Navigation()->HomeEndKey = heFirstLastRow;
}

void TCustomExtGridDropDown::PlaceControl()
{
    if (FExtColGrid) SetDropDownControl(FExtColGrid);
    TExtCustomDropDown::PlaceControl();
}

void TCustomExtGridDropDown::BeforeDropDown()
{
    DropDownForm()->CancelOnDeActivate = false;
    TDropDownStringGrid& Grid = *FExtColGrid;
    FPreparing = true;
    Grid.SetupFromDropDown(this);
    Grid.SetColor(DropDownColor());
    TSortSettings& Sort = *Grid.SortSettings();
    Sort.SetShow(Sorting != gsNone);
    Sort.IndexShow = Sorting == gsMultiColumn;
    Grid.OnSelectCell = [this](TObject*, int, int ARow, bool&) { GridSelectCell(ARow); };
    Grid.OnSelect = [this](TObject*) { GridSelect(); };
    Grid.OnCanSort = [this](TObject*, int, bool&) { FTempItemIndex = FItemIndex; };
    Grid.OnClickSort = [this](TObject*, int) { GridClickSort(); };
    ConnectGridEvents(Grid, this);
    Grid.SearchFooter()->Assign(*FSearchFooter);
    Grid.MouseActions()->Assign(*FMouseActions);
    Grid.Navigation()->Assign(*FNavigation);
    Grid.Bands()->Assign(*FBands);
    TGridOptions Options = Grid.Options() + goThumbTracking;
    Options = RowSelect ? Options + goRowSelect : Options - goRowSelect;
    Options = GridEditable ? Options + goEditing : Options - goEditing;
    Grid.SetOptions(Options);
    Grid.SetComponentStyle(GetComponentStyle());
    Grid.ShowListLook();
    if (UseItems) {
        // Rows narrowed away before this opening would otherwise come back later as copies
        // inside the refilled grid.
        NarrowPopupRows("");
        TExtCustomDropDown::BeforeDropDown();
        const int Picked = FItemIndex;
        Grid.SetRowCount(Items()->Count() + 1);
        Grid.SetFixedRows(1);
        Grid.FillFromItems();
        const int Row = RowOfItemIndex(Picked);
        if (Row >= Grid.FixedRows() && Row < Grid.RowCount()) Grid.SetRow(Row);
    } else {
        std::string Found;
        int Row = -1;
        if (Grid.RowCount() > Grid.FixedRows())
            Grid.SetRow(LookupText(Text(), Found, Row) ? Row : Grid.FixedRows());
        TExtCustomDropDown::BeforeDropDown();
    }
    if (Sort.Column >= 0 && Sort.Show()) Grid.QSort();
    FPreparing = false;
    FOldItemIndex = FItemIndex;
}

// The grid shows whole rows under its header.
void TCustomExtGridDropDown::AdjustDropDownHeight(int& Height)
{
    const int Bars = DropDownForm() ? DropDownForm()->BarsHeight() : 0;
    const int Rows = (Height - Bars - HeaderHeight - 2) / DropDownRowHeight();
    Height = Bars + HeaderHeight + Rows * DropDownRowHeight() + 6;
}

void TCustomExtGridDropDown::UpdateDropDownSize()
{
    TExtCustomDropDown::UpdateDropDownSize();
    TDropDownForm* Form = DropDownForm();
    if (!DropDownAutoWidth || !Form || !FExtColGrid) return;
    const int Width = FExtColGrid->GetNeededWidth();
    FExtColGrid->SetWidth(Width);
    Form->SetWidth(Width + 2 * DropDownBorderWidth());
    TExtCustomDropDown::PlaceControl();
}

void TCustomExtGridDropDown::DoDropDown()
{
    TExtCustomDropDown::DoDropDown();
    if (!FExtColGrid || !DroppedDown()) return;
    TDropDownStringGrid& Grid = *FExtColGrid;
    if (!UseItems)
        while (FColumns->Count() < Grid.ColCount())
            FColumns->Add();
    SizeColumnsToDropDown();
    if (!Grid.ShowsAllRows()) {
        const int Visible = Grid.VisibleRowCount();
        if (Grid.Row() > Grid.TopRow() + Visible || Grid.Row() < Grid.TopRow())
            Grid.SetTopRow(std::max(Grid.Row(), Grid.FixedRows()));
    }
    FSelRow = Grid.Row();
}

void TCustomExtGridDropDown::SizeColumnsToDropDown()
{
    if (!ColumnSizeWithDropDown || !FExtColGrid || !DropDownForm()) return;
    TDropDownStringGrid& Grid = *FExtColGrid;
    Grid.SetScrollBars(ssVertical);
    if (FColumns->Count() == 0) return;
    int Room = DropDownForm()->Width();
    if (!Grid.ShowsAllRows()) Room -= DropDownScrollBarWidth;
    const std::vector<int> Widths = FittedColumnWidths(*FColumns, Grid.ColCount(), Room);
    for (int I = 0; I < static_cast<int>(Widths.size()); ++I)
        Grid.SetColWidths(I, Widths[I]);
}

void TCustomExtGridDropDown::GridSelectCell(int ARow)
{
    FSelRow = ARow;
    if (FPreparing || FExtColGrid->MouseWheelSelection()) return;
    if (UseItems) {
        SetItemIndex(ItemIndexOfRow(ARow));
    } else {
        SetText(FExtColGrid->Cells(LookupColumn, ARow));
        SetItemIndex(ARow - FExtColGrid->FixedRows());
    }
}

void TCustomExtGridDropDown::GridSelect()
{
    TDropDownStringGrid& Grid = *FExtColGrid;
    if (Grid.ConfirmSelection()) SetItemIndex(UseItems ? ItemIndexOfRow(Grid.Row()) : Grid.Row() - Grid.FixedRows());
    if (!GridEditable && DroppedDown()) DoDropUp(false);
    if (OnSelect) OnSelect(this);
}

void TCustomExtGridDropDown::GridClickSort()
{
    const int Row = RowOfItemIndex(FTempItemIndex);
    if (Row >= FExtColGrid->FixedRows() && Row < FExtColGrid->RowCount()) FExtColGrid->SetRow(Row);
}

void TCustomExtGridDropDown::DoDropUp(bool Cancelled)
{
    if (DropDownForm() && DropDownForm()->Visible() && FExtColGrid) {
        TDropDownStringGrid& Grid = *FExtColGrid;
        if (Cancelled) SetItemIndex(FOldItemIndex);
        else if (Grid.ConfirmSelection() && FSelRow >= Grid.FixedRows())
            SetItemIndex(UseItems ? ItemIndexOfRow(FSelRow) : FSelRow - Grid.FixedRows());
        FOldItemIndex = FItemIndex;
        Grid.SetConfirmSelection(false);
    }
    TExtCustomDropDown::DoDropUp(Cancelled);
}
