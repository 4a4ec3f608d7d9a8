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
    if (!CellChecker) return true;
    CellChecker->StartCheck();
    const int row = Row(), col = Col();
    bool passed = true;
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c)
            passed = CheckCell(c, r) && passed;
    CellChecker->StopCheck();
    if (CellChecker->GotoCell) FocusCell(col, row);
    return passed;
}

bool TExtStringGrid::CheckCol(bool DoFixed, int Col)
{
    const TGridRect area = TagArea(tsColumn, Col, DoFixed, false);
    return CheckCells(area.Left, area.Top, area.Right, area.Bottom);
}

bool TExtStringGrid::CheckRow(bool DoFixed, int Row)
{
    const TGridRect area = TagArea(tsRow, Row, DoFixed, false);
    return CheckCells(area.Left, area.Top, area.Right, area.Bottom);
}

bool TExtStringGrid::CheckGrid(bool DoFixed)
{
    const TGridRect area = TagArea(tsGrid, -1, DoFixed, false);
    return CheckCells(area.Left, area.Top, area.Right, area.Bottom);
}
