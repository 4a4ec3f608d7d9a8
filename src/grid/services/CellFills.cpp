#include <random>

#include "grid/control/ExtStringGrid.h"
#include "platform/rtl/SysUtils.h"

void TExtStringGrid::FillArea(bool DoFixed, const std::function<std::string(TShownCell)>& Text)
{
    TagArea(tsGrid, -1, DoFixed, false)([&](TShownCell Cell) { SetCellAt(Cell, Text(Cell)); });
    ColumnsChanged();
}

void TExtStringGrid::TextFill(bool DoFixed, const std::string& Txt)
{
    FillArea(DoFixed, [&](TShownCell) { return Txt; });
}

// The numbers are the place the cell is shown at, so that a fill reads in order on screen.
void TExtStringGrid::FormatFill(bool DoFixed, const std::string& Fmt)
{
    FillArea(DoFixed, [&](TShownCell Cell) { return Format(Fmt, {ToDisplCol(Cell.Col).Index(), Cell.Row.Index()}); });
}

void TExtStringGrid::RandomFill(bool DoFixed, int Rnd)
{
    std::random_device seed;
    std::mt19937 engine(seed());
    std::uniform_int_distribution<int> values(0, std::max(0, Rnd - 1));
    FillArea(DoFixed, [&](TShownCell) { return std::to_string(values(engine)); });
}

void TExtStringGrid::LinearFill(bool DoFixed)
{
    FormatFill(DoFixed, "%d:%d");
}
