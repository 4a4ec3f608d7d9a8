#include <cmath>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/CellChecker.h"
#include "platform/rtl/DateFormat.h"
#include "platform/rtl/SysUtils.h"

bool TExtStringGrid::CheckCell(int Col, int Row)
{
    if (!CellChecker) return true;
    const std::string shown = Cells(Col, Row);
    const std::string unmarked = UnMarkText(shown);
    if (CellChecker->GotoCell) FocusCell(DisplColIndex(Col), Row);
    const std::string result = CellChecker->CheckText(Col, Row, unmarked);
    // A cell the checker leaves alone keeps its stored text, not the shown one.
    if (result != shown) SetCells(Col, Row, result);
    return result == unmarked;
}

bool TExtStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    return CheckCellsIn(CellsOfRange(TGridRect{FromCol, FromRow, ToCol, ToRow}));
}

// Every cell is checked, also after one failed, so that each gets its correction and mark.
bool TExtStringGrid::CheckCellsIn(const TShownCellWalk& Cells)
{
    if (!CellChecker) return true;
    CellChecker->StartCheck();
    const int row = Row(), col = Col();
    bool passed = true;
    Cells([&](TShownCell Cell) { passed = CheckCell(Cell.Col.Index(), Cell.Row.Index()) && passed; });
    CellChecker->StopCheck();
    if (CellChecker->GotoCell) FocusCell(col, row);
    return passed;
}

bool TExtStringGrid::CheckCol(bool DoFixed, int Col) { return CheckCellsIn(TagArea(tsColumn, Col, DoFixed, false)); }

bool TExtStringGrid::CheckRow(bool DoFixed, int Row) { return CheckCellsIn(TagArea(tsRow, Row, DoFixed, false)); }

bool TExtStringGrid::CheckGrid(bool DoFixed) { return CheckCellsIn(TagArea(tsGrid, -1, DoFixed, false)); }
