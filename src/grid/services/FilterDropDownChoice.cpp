#include "grid/control/ExtStringGrid.h"
#include "grid/control/FilterDropLists.h"
#include "grid/control/settings/Filter.h"
#include "platform/rtl/Classes.h"

// A choice in a column's filter drop-down becomes that column's filter condition. An entry
// is a plain value or "friendly name=condition".

namespace {

struct TFilterDropDownEntry {
    std::string FriendlyName;
    std::string Condition;
};

TFilterDropDownEntry SplitFilterDropDownEntry(const std::string& Entry, const std::string& ClearEntry)
{
    const size_t at = Entry.find('=');
    TFilterDropDownEntry entry{Entry.substr(0, at), at == std::string::npos ? Entry : Entry.substr(at + 1)};
    if (entry.Condition == ClearEntry) entry.Condition.clear();
    return entry;
}

} // namespace

void TExtStringGrid::FilterListSelect(int ItemIndex)
{
    if (CanFocus()) SetFocus();
    const int col = FilterCol;
    FilterCol = -1;
    if (col < 0 || col >= TotalColCount()) return;
    GetColumnFilter(col);
    if (ItemIndex < 0 || ItemIndex >= FilterEntries()->Count()) return;
    TFilterDropDownEntry entry = SplitFilterDropDownEntry(FilterEntries()->Strings(ItemIndex), FilterDropDownClear);
    if (AutoFilterUpdate) SetFilterActive(false);
    if (OnFilterSelect) OnFilterSelect(this, col, ItemIndex, entry.FriendlyName, entry.Condition);
    if (entry.Condition.empty())
        Filter()->RemoveColumnFilter(col);
    else
        Filter()->ColumnFilter(col).Condition = entry.Condition;
    if (!AutoFilterUpdate) return;
    FixedRowAlways = true;
    SetFilterActive(true);
    if (RowCount() > FixedRows()) SetRow(FixedRows());
    DoFilterDone();
}

void TExtStringGrid::FilterCheckListDone(const std::vector<bool>& Checked)
{
    const int col = FilterCol;
    if (col < 0 || col >= TotalColCount()) return;
    GetColumnFilter(col);
    if (AutoFilterUpdate) SetFilterActive(false);
    Filter()->Clear();
    const int count = std::min(FilterEntries()->Count(), static_cast<int>(Checked.size()));
    for (int i = 0; i < count; ++i) {
        if (!Checked[static_cast<size_t>(i)]) continue;
        TFilterDropDownEntry entry = SplitFilterDropDownEntry(FilterEntries()->Strings(i), FilterDropDownClear);
        if (OnFilterCheck) OnFilterCheck(this, col, i, entry.FriendlyName, entry.Condition, Checked);
        const bool first = Filter()->Count() == 0;
        TFilterData& item = Filter()->Add();
        item.Column = static_cast<int16_t>(col);
        item.Condition = entry.Condition;
        item.Operation = first ? foNONE : foOR;
    }
    SetFilterActive(true);
    FDropCheckList->Invalidate();
}
