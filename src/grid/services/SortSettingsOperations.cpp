#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/SortSettings.h"
#include "platform/rtl/SysUtils.h"

void TSortSettings::SetRow(int Value)
{
    const int fixedRows = FixedRowCount ? FixedRowCount() : 0;
    if (Value >= fixedRows) throw EExtGridError("Sort row should be smaller than number of fixed rows");
    if (Value >= 0) FRow = Value;
}

std::string TSortSettings::SaveToString() const
{
    if (IndexShow) return "i;" + (Grid ? Grid->SortIndexes.SaveToString() : std::string());
    return (Direction == sdDescending ? "d" : "u") + std::to_string(Column);
}

void TSortSettings::LoadFromString(const std::string& Value)
{
    if (Value.empty()) return;
    SetShow(true);
    if (Value.size() < 2) throw EExtGridError("Invalid sort settings specifier");
    if (Value.find("i;") != std::string::npos) {
        IndexShow = true;
        const std::string list = Value.substr(2);
        if (!list.empty() && Grid) {
            Grid->SortIndexes.LoadFromString(list);
            Grid->QSortIndexed();
        }
        return;
    }
    IndexShow = false;
    Direction = Value.find('u') != std::string::npos ? sdAscending : sdDescending;
    int32_t column = 0;
    const std::string rest = Value.substr(1);
    // Only a plain decimal number names a column; TryStrToInt would also read "$1F".
    const bool decimal = rest.find_first_not_of("+-0123456789 ") == std::string::npos;
    if (!decimal || !TryStrToInt(rest, column)) return;
    Column = column;
    if (Grid) Grid->QSort();
}

void TSortSettings::Remove()
{
    Column = -1;
    if (!Grid) return;
    Grid->SortIndexes.Clear();
    if (Grid->FixedRows() > 0) Grid->RepaintRow(Grid->FixedRows() - 1);
}
