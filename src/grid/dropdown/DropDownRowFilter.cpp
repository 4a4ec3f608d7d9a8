#include "grid/dropdown/DropDownRowFilter.h"

#include <vector>

#include "grid/control/ExtStringGrid.h"
#include "platform/rtl/SysUtils.h"

void TDropDownRowFilter::NarrowDown(TExtStringGrid& Grid, const std::string& Text, int Column)
{
    RemoveAllFilters(Grid);
    if (Text.empty()) return;
    Grid.FixedRowAlways = true;
    const std::string Wanted = AnsiUpperCase(Text);
    std::vector<int> Failing;
    for (int Row = Grid.FixedRows(); Row < Grid.RowCount(); ++Row)
        if (AnsiUpperCase(Grid.Cells(Column, Row)).find(Wanted) == std::string::npos) Failing.push_back(Row);
    if (!Failing.empty()) Grid.HideRowList(Failing);
}

void TDropDownRowFilter::RemoveAllFilters(TExtStringGrid& Grid)
{
    Grid.UnHideRowsAll();
    Grid.SetFilterLevel(0);
}

void TDropDownRowFilter::Sort(TExtStringGrid& Grid) { Grid.QSort(); }
