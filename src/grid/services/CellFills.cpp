#include <random>

#include "grid/control/ExtStringGrid.h"
#include "platform/rtl/SysUtils.h"

void TExtStringGrid::FillArea(bool DoFixed, const std::function<std::string(int ACol, int ARow)>& Text)
{
    const TGridRect area = TagArea(tsGrid, -1, DoFixed, false);
    for (int r = area.Top; r <= area.Bottom; ++r)
        for (int c = area.Left; c <= area.Right; ++c)
            SetCells(c, r, Text(c, r));
    ColumnsChanged();
}

void TExtStringGrid::TextFill(bool DoFixed, const std::string& Txt)
{
    FillArea(DoFixed, [&](int, int) { return Txt; });
}

void TExtStringGrid::FormatFill(bool DoFixed, const std::string& Fmt)
{
    FillArea(DoFixed, [&](int c, int r) { return Format(Fmt, {c, r}); });
}

void TExtStringGrid::RandomFill(bool DoFixed, int Rnd)
{
    std::random_device seed;
    std::mt19937 engine(seed());
    std::uniform_int_distribution<int> values(0, std::max(0, Rnd - 1));
    FillArea(DoFixed, [&](int, int) { return std::to_string(values(engine)); });
}

void TExtStringGrid::LinearFill(bool DoFixed)
{
    FillArea(DoFixed, [](int c, int r) { return std::to_string(c) + ":" + std::to_string(r); });
}
