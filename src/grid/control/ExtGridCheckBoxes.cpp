#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/CellProperties.h"

// Placeholders until check boxes and radio buttons in cells exist: a cell has a check box when its
// graphic says so, and nothing toggles.

TCellGraphic* TExtStringGrid::GetCellGraphic(int ACol, int ARow) const
{
    const TCellProperties* props = FindCellProperties(ACol, ARow);
    return props ? dynamic_cast<TCellGraphic*>(props->GraphicObject) : nullptr;
}

bool TExtStringGrid::HasCheckBox(int ACol, int ARow) const
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    switch (graphic->CellType) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
        return true;
    default:
        return false;
    }
}

bool TExtStringGrid::HasDataCheckBox(int, int) const { return false; }
bool TExtStringGrid::HasRadioButton(int, int) const { return false; }
bool TExtStringGrid::IsInCheckBox(int, int, int, int) { return false; }
bool TExtStringGrid::GetCheckBoxState(int, int, bool&) { return false; }
bool TExtStringGrid::SetCheckBoxState(int, int, bool) { return false; }
bool TExtStringGrid::ToggleCheckBoxCell(int, int, bool) { return false; }
bool TExtStringGrid::ToggleCheckBoxColumn(int, int, bool) { return false; }
void TExtStringGrid::DoCheckBoxClick(int, int, bool) {}
