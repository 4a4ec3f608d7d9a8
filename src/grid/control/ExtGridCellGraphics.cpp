#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/CellProperties.h"
#include "grid/foundation/model/MouseActions.h"

// The store of cell graphics: each cell holds at most one, in its cell properties.

// Only cells the grid can store properties for may hold a graphic; everything else is
// refused quietly rather than written past the grid.
bool TExtStringGrid::IsStoredCell(int ARealCol, int ADisplRow) const
{
    return ARealCol >= 0 && ADisplRow >= 0 && ARealCol < TotalColCount() && ADisplRow < RowCount();
}

int TExtStringGrid::RowFlagIndex(int ADisplRow) const
{
    return MouseActions()->RowSelectPersistent ? RealRowIndex(ADisplRow) : ADisplRow;
}

// Column 0 of a grid with HotmailRowSelect shows the row selection as check boxes through
// one shared graphic, never stored in a cell.
TCellGraphic* TExtStringGrid::GetCellGraphic(int ACol, int ARow) const
{
    const TCellProperties* props = FindCellProperties(ACol, ARow);
    auto* own = props ? dynamic_cast<TCellGraphic*>(props->GraphicObject) : nullptr;
    if (ACol != 0 || !MouseActions()->HotmailRowSelect() || ARow < 0 || ARow >= RowCount()) return own;

    if (!FRowCheckGraphic) FRowCheckGraphic = std::make_unique<TCellGraphic>();
    TCellGraphic& shared = *FRowCheckGraphic;
    shared.CellType = ctRowCheckBox;
    shared.CellTransparent = ControlLook()->ControlStyle() == TControlLook::csFlat;
    if (ARow == 0) {
        const int normalRows = RowCount() - FixedRows();
        const int selected = RowSelectCount();
        shared.CellBoolean = selected >= normalRows;
        shared.CellAngle = selected > 0 && selected < normalRows ? 1 : 0;
    } else {
        const int row = RowFlagIndex(ARow);
        shared.CellAngle = 0;
        shared.CellBoolean = row < TotalRowCount() && RowSelect(row);
    }
    return &shared;
}

TCellType TExtStringGrid::GetCellType(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0) return ctEmpty;
    if (ACol == 0 && MouseActions()->HotmailRowSelect()) return ctRowCheckBox;
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic ? graphic->CellType : ctEmpty;
}

TCellGraphic* TExtStringGrid::CreateCellGraphic(int ACol, int ARow)
{
    if (!IsStoredCell(ACol, ARow) || ComponentState().Contains(csDestroying)) return nullptr;
    TCellProperties* props = FindCellProperties(ACol, ARow);
    if (props && dynamic_cast<TCellGraphic*>(props->GraphicObject)) {
        delete props->GraphicObject;
        props->GraphicObject = nullptr;
    }
    auto* graphic = new TCellGraphic();
    SetGraphicObjects(ACol, ARow, graphic);
    if (NumHiddenColumns() > 0 && DisplColIndex(ACol) != ACol) RepaintCell(DisplColIndex(ACol), ARow);
    return graphic;
}

bool TExtStringGrid::RemoveCellGraphic(int ACol, int ARow)
{
    TCellProperties* props = FindCellProperties(ACol, ARow);
    auto* graphic = props ? dynamic_cast<TCellGraphic*>(props->GraphicObject) : nullptr;
    if (!graphic) return false;
    props->GraphicObject = nullptr;
    delete graphic;
    if (!ComponentState().Contains(csDestroying)) RepaintGraphicCell(ACol, ARow);
    return true;
}

bool TExtStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType)
{
    return GetCellType(ACol, ARow) == AType && RemoveCellGraphic(ACol, ARow);
}

TCellGraphic* TExtStringGrid::BaseCellGraphic(int ARealCol, int ADisplRow) const
{
    if (ARealCol < 0 || ADisplRow < 0) return nullptr;
    const TPoint base = BaseCell(ARealCol, ADisplRow);
    return GetCellGraphic(base.X, base.Y);
}

bool TExtStringGrid::HasCellTypeIn(int ACol, int ARow, std::initializer_list<TCellType> ATypes) const
{
    const TCellGraphic* graphic = BaseCellGraphic(ACol, ARow);
    return graphic && std::find(ATypes.begin(), ATypes.end(), graphic->CellType) != ATypes.end();
}

bool TExtStringGrid::IsControlCell(int ACol, int ARow) const
{
    return HasCellTypeIn(ACol, ARow,
                         {ctCheckBox, ctDataCheckBox, ctRadio, ctButton, ctVirtCheckBox, ctRowCheckBox,
                          ctRadioButton, ctTriStateCheckBox});
}

bool TExtStringGrid::IsDataGraphicCell(int ACol, int ARow) const
{
    return HasCellTypeIn(ACol, ARow, {ctDataCheckBox, ctDataImage, ctVirtCheckBox, ctRowCheckBox});
}

TCellGraphic* TExtStringGrid::GraphicOfType(int ARealCol, int ADisplRow, TCellType AType) const
{
    TCellGraphic* graphic = GetCellGraphic(ARealCol, ADisplRow);
    return graphic && graphic->CellType == AType ? graphic : nullptr;
}

void TExtStringGrid::RepaintGraphicCell(int ARealCol, int ADisplRow)
{
    RepaintCell(DisplColIndex(ARealCol), ADisplRow);
}

void TExtStringGrid::ForEachGridCell(const std::function<void(int, int)>& Action)
{
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            Action(c, r);
}

intptr_t TExtStringGrid::GetImageSortValue(int ACol, int ARow) const
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return -1;
    switch (graphic->CellType) {
    case ctBitmap:
        return reinterpret_cast<intptr_t>(graphic->CellBitmap);
    case ctIcon:
        return reinterpret_cast<intptr_t>(graphic->CellIcon);
    case ctImageList:
        return graphic->CellIndex;
    default:
        return -1;
    }
}
