#include "grid/control/ExtColumnGrid.h"
#include "grid/control/settings/Filter.h"

// A pick in the filter drop-down of a column with filter lines: a line is a condition or
// "friendly name=condition"; the friendly name is what the list shows.
void TExtColumnGrid::FilterListSelect(int ItemIndex)
{
    const int col = FilterCol;
    TGridColumnItem* item = ItemOf(col);
    if (item && ItemIndex >= 0 && ItemIndex < item->Filter()->Count()) {
        const std::string line = item->Filter()->Strings(ItemIndex);
        const size_t equals = line.find('=');
        const std::string friendlyName = line.substr(0, equals);
        std::string condition = equals == std::string::npos ? line : line.substr(equals + 1);
        // Read before the event, which may change the columns.
        const bool caseSensitive = item->FilterCaseSensitive;
        if (AutoFilterDisplay) item->SetHeader(friendlyName);
        if (AutoFilterUpdate) SetFilterActive(false);
        if (OnFilterSelect) OnFilterSelect(this, col, ItemIndex, friendlyName, condition);
        TFilterData& filter = Filter()->ColumnFilter(col);
        filter.Condition = condition;
        filter.CaseSensitive = caseSensitive;
        if (AutoFilterUpdate) {
            SetFilterActive(true);
            if (RowCount() != FixedRows() && !(RowCount() == 1 && FixedRowAlways)) SetRow(FixedRows());
            DoFilterDone();
        }
    }
    FilterCol = -1;
}
