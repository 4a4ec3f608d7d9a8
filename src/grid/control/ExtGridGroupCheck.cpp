#include "grid/control/CellGraphic.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/CellProperties.h"

void TExtStringGrid::CheckGroup(int ACol, int ARow, bool State)
{
    // A node's span counts its stored rows, hidden ones too: a row out of the grid (a
    // contracted node's, a filtered one) follows its node through its real row.
    if (IsNode(ARow)) {
        const TRealRow last(NodeLastRealRow(ARow));
        for (TRealRow r = DisplToRealRow(TDisplRow(ARow)) + 1; r <= last; r = r + 1)
            if (IsRowShown(r))
                SetCheckBoxState(ACol, RealToDisplRow(r).Index(), State);
            else
                SetHiddenCheckBoxState(ACol, r.Index(), State);
        return;
    }
    const int parent = GetParentRow(ARow);
    if (parent < 0) return;
    const int end = NodeSpanEnd(TDisplRow(parent)).Index();
    if (end - parent < 2) return;
    const bool first = IsChecked(ACol, parent + 1);
    bool same = true;
    for (int r = parent + 2; r < end && same; ++r)
        same = IsChecked(ACol, r) == first;
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
