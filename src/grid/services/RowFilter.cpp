#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/Filter.h"
#include "grid/foundation/text/CellText.h"
#include "grid/foundation/text/FilterExpression.h"
#include "platform/rtl/SysUtils.h"

// A filter pass takes the rows that fail out of the grid into the hidden row store, one
// level per pass; switching the filter off or removing a level brings the newest level back.

namespace {

bool CombineFilterMatch(TFilterOperation Operation, bool Result, bool Match)
{
    switch (Operation) {
    case foAND:
        return Result && Match;
    case foXOR:
        return Result != Match;
    case foOR:
        return Result || Match;
    default:
        return Match;
    }
}

bool MatchFilterItemText(const TFilterData& Item, const TFilterCondition& Condition, std::string Text)
{
    if (Item.Data == fcRow) return UpperCase(Text).find(UpperCase(Item.Condition)) != std::string::npos;
    if (!Item.Prefix.empty() && Text.compare(0, Item.Prefix.size(), Item.Prefix) == 0) Text.erase(0, Item.Prefix.size());
    if (!Item.Suffix.empty()) {
        const size_t at = Text.find(Item.Suffix);
        if (at != std::string::npos && at + Item.Suffix.size() == Text.size()) Text.erase(at);
    }
    if (Item.Condition.empty()) return true;
    if (Item.Method == fmLiteral) return Text == Item.Condition;
    try {
        return Condition.Matches(Text);
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

std::string TExtStringGrid::FilterText(const TFilterData& Item, int ARow)
{
    std::string text;
    switch (Item.Data) {
    case fcNormal:
        return GridCells(Item.Column, ARow);
    case fcStripHTML:
        return StrippedCells(Item.Column, ARow);
    case fcCalculated:
        GetSaveCellText(Item.Column, ARow, text);
        return text;
    case fcRow:
        for (int c = 0; c < TotalColCount(); ++c)
            text += (c > 0 ? "\n" : "") + Cells(c, ARow);
        return text;
    default:
        return Cells(Item.Column, ARow);
    }
}

bool TExtStringGrid::MatchFilterRow(int ARow)
{
    bool result = true;
    const TFilter& filter = *Filter();
    for (int i = 0; i < filter.Count(); ++i) {
        const TFilterData& item = filter.Items(i);
        std::string text = Trim(FilterText(item, ARow));
        if (text.find("|\\") != std::string::npos) text = DecodeWideCellText(text);
        const bool match =
            MatchFilterItemText(item, FFilterConditions.For(i, item.Condition, item.CaseSensitive), std::move(text));
        result = CombineFilterMatch(item.Operation, result, match);
        if (item.Operation == foSHORT && !match) break;
    }
    if (OnCustomFilter) OnCustomFilter(this, ARow, result);
    return result;
}

void TExtStringGrid::FilterRow(int ARow)
{
    FFilterConditions.Clear();
    if (!MatchFilterRow(ARow)) HideRow(RealRowIndex(ARow));
}

void TExtStringGrid::ApplyFilter()
{
    FFilterConditions.Clear();
    FFilterFixedRows = FixedRows();
    const int first = FixedRows(), last = RowCount() - FixedFooters - 1;
    const int count = last - first + 1;
    std::vector<int> failing;
    int progress = 0;
    for (int r = first; r <= last; ++r) {
        if (FilterNormalCellsOnly && (IsNode(r) || IsSummary(r))) continue;
        if (!MatchFilterRow(r)) failing.push_back(r);
        progress = static_cast<int>(Round(100.0 * (r - first + 1) / count));
        if (OnFilterProgress) OnFilterProgress(this, progress);
    }
    if (OnFilterProgress && count > 0) OnFilterProgress(this, progress);
    HideRowList(failing);
}

void TExtStringGrid::RestoreFilterLevel()
{
    UnHideRowList();
    SetFixedRows(FFilterFixedRows);
    if (SelectionHidden()) UnHideSelection();
    // The level goes with its rows, so the next pass tags its rows as the newest level.
    if (FFilterLevel > 0) --FFilterLevel;
}

void TExtStringGrid::SetFilterActive(bool Value)
{
    if (Value != FFilterActive) {
        FFilterActive = Value;
        if (Value) {
            if (Row() >= RowCount() || Col() >= ColCount()) FocusCell(FixedCols(), FixedRows());
            BeginUpdate();
            ApplyFilter();
            EndUpdate();
            FSelHidden = false;
        } else {
            RestoreFilterLevel();
        }
        SetTopRow(FixedRows());
    }
    CalcFooterCells(-1);
}

bool TExtStringGrid::RemoveLastFilter()
{
    if (FFilterLevel == 0) return false;
    RestoreFilterLevel();
    CalcFooterCells(-1);
    return FFilterLevel > 1;
}

void TExtStringGrid::RemoveAllFilters()
{
    if (FFilterLevel == 0) {
        Filter()->Clear();
        return;
    }
    while (FFilterLevel > 0)
        RemoveLastFilter();
}

void TExtStringGrid::NarrowDown(const std::string& ACondition, int AColumn)
{
    FixedRowAlways = true;
    const auto filterOn = [&] {
        Filter()->Clear();
        TFilterData& item = Filter()->Add();
        item.Column = static_cast<int16_t>(AColumn);
        item.CaseSensitive = false;
        if (AColumn == -1) {
            item.Data = fcRow;
            item.Condition = ACondition;
        } else {
            item.Data = fcNormal;
            item.Condition = "*" + ACondition + "*";
            if (item.Condition.find(' ') != std::string::npos) item.Condition = "\"" + item.Condition + "\"";
        }
        ApplyFilter();
    };
    const int length = Length(ACondition), lastLength = Length(FLastFilter);
    const bool longer = length == lastLength + 1 && ACondition.compare(0, FLastFilter.size(), FLastFilter) == 0;
    const bool shorter = length > 0 && length + 1 == lastLength && FLastFilter.compare(0, ACondition.size(), ACondition) == 0;
    if (longer) {
        filterOn();
    } else if (shorter) {
        RemoveLastFilter();
    } else {
        RemoveAllFilters();
        if (!ACondition.empty()) filterOn();
    }
    FLastFilter = ACondition;
}
