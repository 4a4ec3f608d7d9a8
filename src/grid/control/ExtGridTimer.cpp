#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/ColumnSize.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/rtl/SysUtils.h"

namespace {

// Four ticks of 500 ms: about two seconds after the last key the search starts afresh.
constexpr int kSearchForgetTicks = 4;

bool HasBlinkTag(const std::string& Text) { return UpperCase(Text).find("<BLI") != std::string::npos; }

} // namespace

void TExtStringGrid::CreateWnd()
{
    TBaseGrid::CreateWnd();
    SetTimer(GridTimerID, GridTimerPeriod);
    if (ColumnSize()->Save) LoadColSizes();
}

void TExtStringGrid::SetIncrSearchText(const std::string& Value)
{
    FSearchInc = Value;
    FSearchTics = 0;
}

void TExtStringGrid::GridTimerTick()
{
    ++FTimerTicks;
    if (Navigation()->AutoGotoIncremental && ++FSearchTics >= kSearchForgetTicks) {
        FSearchInc.clear();
        FSearchTics = 0;
    }
    // The current cell follows the mouse over the normal cells.
    if (Hovering && FMousePos && !ComponentState().Contains(csDesigning) &&
        PtInRect(ClientRect(), *FMousePos)) {
        int col = -1, row = -1;
        MouseToCell(FMousePos->X, FMousePos->Y, col, row);
        if (col >= FixedCols() && col < ColCount() && row >= FixedRows() && row < RowCount()) {
            SetFocus();
            SetRow(row);
            SetCol(col);
        }
    }
    if (EnableBlink) {
        FGridBlink = !FGridBlink;
        RepaintBlinkingCells();
    }
}

// Only the cells in view can blink visibly: the visible normal rows over the visible real
// columns, and the fixed rows and columns beside them.
void TExtStringGrid::RepaintBlinkingCells()
{
    const auto repaintIfBlinking = [this](int RealCol, int ARow) {
        if (RealCol < TotalColCount() && ARow < RowCount() && HasBlinkTag(GridCells(RealCol, ARow)))
            RepaintCell(DisplColIndex(RealCol), ARow);
    };
    const int lastRow = TopRow() + VisibleRowCount();
    const int lastCol = LeftCol() + VisibleColCount();
    for (int r = TopRow(); r < lastRow; ++r)
        for (int c = LeftCol(); c < lastCol + NumHiddenColumns(); ++c)
            repaintIfBlinking(c, r);
    for (int r = 0; r < FixedRows(); ++r)
        for (int c = LeftCol(); c < lastCol; ++c)
            repaintIfBlinking(c, r);
    for (int c = 0; c < FixedCols(); ++c)
        for (int r = TopRow(); r < lastRow; ++r)
            repaintIfBlinking(c, r);
}
