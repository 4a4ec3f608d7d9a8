#include "grid/control/CellGraphic.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/CellProperties.h"

void TExtStringGrid::CheckGroup(int ACol, int ARow, bool State)
{
    if (IsNode(ARow)) {
        const int span = GetNodeSpan(ARow);
        // A contracted node's rows are hidden: they are reached by their real rows.
        const bool contracted = GetNodeState(ARow);
        const int real = RealRowIndex(ARow);
        for (int e = 1; e < span; ++e)
            if (contracted)
                SetHiddenCheckBoxState(ACol, real + e, State);
            else if (ARow + e < RowCount())
                SetCheckBoxState(ACol, ARow + e, State);
        return;
    }
    const int parent = GetParentRow(ARow);
    const int span = parent >= 0 ? GetNodeSpan(parent) : 0;
    if (span < 2 || parent + span > RowCount()) return;
    const bool first = IsChecked(ACol, parent + 1);
    bool same = true;
    for (int e = 2; e < span && same; ++e)
        same = IsChecked(ACol, parent + e) == first;
    SetCheckBoxState(ACol, parent, same ? BoolToCheckBoxState(first) : cbGrayed);
}

void TExtStringGrid::SetHiddenCheckBoxState(int ARealCol, int ARealRow, bool State)
{
    const int position = FRows.Hidden().Find(TRealRow(ARealRow));
    if (position < 0) return;
    TGridStrings& cells = FRows.Hidden().Item(position).Items;
    if (ARealCol >= cells.Count()) return;
    const auto* props = dynamic_cast<TCellProperties*>(cells.Objects[ARealCol]);
    auto* graphic = props ? dynamic_cast<TCellGraphic*>(props->GraphicObject) : nullptr;
    if (!graphic) return;
    if (graphic->CellType == ctCheckBox)
        graphic->CellBoolean = State;
    else if (graphic->CellType == ctDataCheckBox || graphic->CellType == ctVirtCheckBox)
        cells.Strings[ARealCol] = State ? CheckTrue : CheckFalse;
}
