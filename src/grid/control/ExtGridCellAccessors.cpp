#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/text/CellText.h"

namespace {

// Writers make the cell's properties when it has none and repaint it where it is shown.
template <typename TSet> void WriteCellProperties(TExtStringGrid& Grid, int ACol, int ARow, TSet Set)
{
    Set(*Grid.GetCellProperties(ACol, ARow));
    Grid.RepaintCell(Grid.DisplColIndex(ACol), ARow);
}

bool Between(int Value, int A, int B) { return Value >= std::min(A, B) && Value <= std::max(A, B); }

} // namespace

int TExtStringGrid::AllColWidths(int ACol) const
{
    if (IsHiddenColumn(ACol)) return FAllColWidths[ACol];
    return ColWidths(RealToDisplCol(ACol));
}

void TExtStringGrid::SetAllColWidths(int ACol, int Value)
{
    if (ACol < 0) return;
    if (ACol <= MaxHideableCol) FAllColWidths[ACol] = static_cast<int16_t>(Value);
    if (!IsHiddenColumn(ACol) && RealToDisplCol(ACol) < ColCount()) SetColWidths(RealToDisplCol(ACol), Value);
}

std::string TExtStringGrid::WideCells(int ACol, int ARow) const
{
    return DecodeWideCellText(Cells(ACol, ARow));
}

bool TExtStringGrid::ReadOnly(int ACol, int ARow) const
{
    const TCellProperties* props = FindCellProperties(ACol, ARow);
    return props && props->ReadOnly;
}

void TExtStringGrid::SetReadOnly(int ACol, int ARow, bool Value)
{
    WriteCellProperties(*this, ACol, ARow, [&](TCellProperties& Props) { Props.ReadOnly = Value; });
}

TColor TExtStringGrid::Colors(int ACol, int ARow) const
{
    const TCellProperties* props = FindCellProperties(ACol, ARow);
    return props ? props->BrushColor() : clNone;
}

void TExtStringGrid::SetColors(int ACol, int ARow, TColor Value)
{
    WriteCellProperties(*this, ACol, ARow, [&](TCellProperties& Props) { Props.SetBrushColor(Value); });
}

TColor TExtStringGrid::FontColors(int ACol, int ARow) const
{
    const TCellProperties* props = FindCellProperties(ACol, ARow);
    return props ? props->FontColor : clNone;
}

void TExtStringGrid::SetFontColors(int ACol, int ARow, TColor Value)
{
    WriteCellProperties(*this, ACol, ARow, [&](TCellProperties& Props) { Props.FontColor = Value; });
}

bool TExtStringGrid::SelectedCells(int ACol, int ARow) const
{
    if (MouseActions()->DisjunctCellSelect())
        return std::find(FSelectedCells.begin(), FSelectedCells.end(), SelectedCellKey(ACol, ARow)) !=
               FSelectedCells.end();
    const TGridRect sel = Selection();
    return Between(ACol, sel.Left, sel.Right) && Between(ARow, sel.Top, sel.Bottom);
}

void TExtStringGrid::SetSelectedCells(int ACol, int ARow, bool Value)
{
    const int key = SelectedCellKey(ACol, ARow);
    const auto found = std::find(FSelectedCells.begin(), FSelectedCells.end(), key);
    if (Value == (found != FSelectedCells.end())) return;
    if (Value)
        FSelectedCells.push_back(key);
    else
        FSelectedCells.erase(found);
    RepaintCell(ACol, ARow);
}

// Without disjunct cell selection the set is the selection rectangle, column by column.
int TExtStringGrid::SelectedCellsCount()
{
    if (!MouseActions()->DisjunctCellSelect()) {
        FSelectedCells.clear();
        const TGridRect sel = Selection();
        if (sel.Left == sel.Right && sel.Top == sel.Bottom) {
            FSelectedCells.push_back(SelectedCellKey(Col(), Row()));
        } else {
            for (int c = std::min(sel.Left, sel.Right); c <= std::max(sel.Left, sel.Right); ++c)
                for (int r = std::min(sel.Top, sel.Bottom); r <= std::max(sel.Top, sel.Bottom); ++r)
                    FSelectedCells.push_back(SelectedCellKey(c, r));
        }
    }
    return static_cast<int>(FSelectedCells.size());
}

TGridCoord TExtStringGrid::SelectedCell(int Index) const
{
    const int key = FSelectedCells.at(Index);
    return {key & 0xFFFF, key >> 16};
}

void TExtStringGrid::ClearSelectedCells()
{
    SetSelection({FixedCols(), FixedRows(), FixedCols(), FixedRows()});
    FSelectedCells.clear();
    Invalidate();
}
