#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/text/TextUtils.h"
#include "platform/ui/StdCtrls.h"

int TExtStringGrid::LinesInCell(int ACol, int ARow) const { return CountLines(Cells(ACol, ARow), true); }

std::string TExtStringGrid::CurrentCell() const
{
    const TPoint base = BaseCell(RealCol(), Row());
    return GridCells(base.X, base.Y);
}

void TExtStringGrid::SetCurrentCell(const std::string& Value)
{
    const TPoint base = BaseCell(RealCol(), Row());
    SetCells(base.X, base.Y, UneditedToStored(base.X, base.Y, Value));
}

std::string TExtStringGrid::GetCurrentCellEx() const
{
    const TPoint base = BaseCell(RealCol(), Row());
    return Cells(base.X, base.Y);
}

void TExtStringGrid::SetCurrentCellEx(const std::string& Value)
{
    const TPoint base = BaseCell(RealCol(), Row());
    if (base.X == RealCol() && base.Y == Row())
        SetEditText(Col(), Row(), Value);
    else
        SetEditText(RealToDisplCol(base.X), base.Y, Value);
}

// Hidden columns count: their headers are kept in row 0 like the others.
int TExtStringGrid::ColumnByHeader(const std::string& AValue) const
{
    for (int c = 0; c < TotalColCount(); ++c)
        if (AllCells(c, 0) == AValue) return c;
    return -1;
}
