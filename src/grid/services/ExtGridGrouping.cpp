#include <set>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/CellNode.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/control/settings/Grouping.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/CellProperties.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/services/GridUpdateScope.h"

namespace {

// Clears a flag when grouping ends, also when an error ends it.
class TGroupingFlag {
public:
    explicit TGroupingFlag(bool& Flag) : FFlag(Flag) { FFlag = true; }
    ~TGroupingFlag() { FFlag = false; }
    TGroupingFlag(const TGroupingFlag&) = delete;
    TGroupingFlag& operator=(const TGroupingFlag&) = delete;

private:
    bool& FFlag;
};

// After the group column left the grid, a header's value stands in column 1; before, in
// the column that will become column 1.
int HeaderValueCol(int GroupCol)
{
    return GroupCol == 1 ? 2 : 1;
}

} // namespace

// A subheader's value stands in the column after the subgrouped one, or in the column
// itself when it is the last.
int TExtStringGrid::SubGroupValueCol(int ColIndex) const
{
    return std::min(ColIndex + 1, ColCount() - 1);
}

// Where a node row of a grouped grid shows its group's value.
int TExtStringGrid::HeaderValueColOfNode(int ARow) const
{
    const int subGrouped = NodeGraphic(ARow)->CellVar;
    return subGrouped == -1 ? 1 : SubGroupValueCol(subGrouped);
}

void TExtStringGrid::ColorGroupRow(int ARow, TColor Color, TColor ColorTo, TColor TextColor)
{
    if (Color != clNone) SetRowColor(ARow, Color);
    if (ColorTo != clNone) SetRowColorTo(ARow, ColorTo);
    if (TextColor != clNone) SetRowFontColor(ARow, TextColor);
}

// One cell from FromCol to the last column, in the colours of its kind of row.
void TExtStringGrid::MergeGroupRow(int FromCol, int ARow, TColor Color, TColor ColorTo, TColor TextColor)
{
    if (FromCol >= ColCount()) return;
    if (FromCol < ColCount() - 1) MergeCells(FromCol, ARow, ColCount() - FromCol, 1);
    if (Color != clNone) SetColors(FromCol, ARow, Color);
    if (ColorTo != clNone) SetColorsTo(FromCol, ARow, ColorTo);
    if (TextColor != clNone) SetFontColors(FromCol, ARow, TextColor);
}

void TExtStringGrid::LookAsGroupHeader(int FromCol, int ARow)
{
    const TGrouping& look = *Grouping();
    if (look.MergeHeader)
        MergeGroupRow(FromCol, ARow, look.HeaderColor, look.HeaderColorTo, look.HeaderTextColor);
    else
        ColorGroupRow(ARow, look.HeaderColor, look.HeaderColorTo, look.HeaderTextColor);
}

// Merging is left to the caller: Group merges only once the grouped column has left the
// grid, since the merge would otherwise cover it.
void TExtStringGrid::InsertSummaryRow(TRealRow At)
{
    InsertRowsAt(At, 1);
    MarkSummaryRow(At.Index());
    if (!Grouping()->MergeSummary)
        ColorGroupRow(RealToDisplRow(At).Index(), Grouping()->SummaryColor, Grouping()->SummaryColorTo,
                      Grouping()->SummaryTextColor);
}

// A node's span counts every row it holds, hidden ones too.
TRealRow TExtStringGrid::CloseGroup(TRealRow Header, TRealRow End)
{
    AddNode(Header.Index(), End - Header);
    if (!Grouping()->Summary) return End;
    InsertSummaryRow(End);
    return End + 1;
}

// The walk goes over the stored rows: a row out of the grid (hidden or filtered) goes into
// the group of its own value as a shown one does, with its header before it, so that UnGroup
// gives every row its value back. Nodes the grid had before would be taken for groups by
// UnGroup, which deletes their rows: the groups replace them.
void TExtStringGrid::Group(int ColIndex)
{
    if (ColIndex < FixedCols() || ColIndex >= ColCount()) return;
    if (GroupColumn != -1) UnGroup();
    if (RowCount() - FixedFooters <= FixedRows()) return;

    const TGridUpdateScope update(*this);
    if (HasNodes()) RemoveAllNodes();
    const TGroupingFlag grouping(FIsGrouping);
    GroupColumn = ColIndex;
    FGroupWidth = ColWidths(ColIndex);
    FGroupCaption = FixedRows() > 0 ? GridCells(ColIndex, 0) : std::string();
    FGroupFooter = FixedFooters > 0 ? GridCells(ColIndex, RowCount() - 1) : std::string();
    if (SortSettings()->AutoSortForGrouping) {
        SortSettings()->Column = ColIndex;
        QSort();
    }

    const int valueCol = HeaderValueCol(ColIndex);
    const TRealRow none(-1);
    TRealRow header = none;
    std::string previous;
    for (TRealRow r(FixedRows()); r < NormalRowsEnd(); r = r + 1) {
        const std::string value = AllGridCells(ColIndex, r.Index());
        if (header != none && value == previous) continue;
        if (header != none) r = CloseGroup(header, r);
        InsertRowsAt(r, 1);
        const TShownCell headerValue{TRealCol(valueCol), RealToDisplRow(r)};
        SetCellAt(headerValue, value);
        if (!Grouping()->MergeHeader)
            ColorGroupRow(headerValue.Row.Index(), Grouping()->HeaderColor, Grouping()->HeaderColorTo,
                          Grouping()->HeaderTextColor);
        header = r;
        r = r + 1;
        previous = value;
    }
    if (header != none) CloseGroup(header, NormalRowsEnd());
    RemoveCols(ColIndex, 1);
    const TGrouping& look = *Grouping();
    for (int r = FixedRows(); r < RowCount(); ++r) {
        if (look.MergeHeader && IsNode(r))
            MergeGroupRow(1, r, look.HeaderColor, look.HeaderColorTo, look.HeaderTextColor);
        else if (look.MergeSummary && look.Summary && IsSummary(r))
            MergeGroupRow(1, r, look.SummaryColor, look.SummaryColorTo, look.SummaryTextColor);
    }
    if (CellNode()->ExpandOne) ExpandNode(RealRowIndex(FixedRows()));
    if (Col() >= ColCount()) SetCol(FixedCols());
    SetRow(FixedRows());
}

void TExtStringGrid::UnGroup()
{
    if (GroupColumn <= 0) return;
    const bool expandOne = CellNode()->ExpandOne;
    CellNode()->ExpandOne = false;
    ExpandAll();
    const TGridUpdateScope update(*this);
    // Subgroups go first: their headers would be taken for groups, and the group values of
    // the rows below them lost.
    std::set<int> subGroupColumns;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsNode(r) && NodeGraphic(r)->CellVar != -1) subGroupColumns.insert(NodeGraphic(r)->CellVar);
    for (int column : subGroupColumns)
        SubUnGroup(column);
    {
        const TGroupingFlag grouping(FIsGrouping);
        const int groupCol = GroupColumn;
        // Merged header and summary cells are split before a column comes in between.
        for (int r = FixedRows(); r < RowCount(); ++r)
            if ((IsNode(r) || IsSummary(r)) && ColCount() > 1 && !IsMergedNonBaseCell(1, r)) SplitCells(1, r);
        InsertCols(groupCol, 1);
        SetColWidths(groupCol, FGroupWidth);
        if (FixedRows() > 0) SetCells(groupCol, 0, FGroupCaption);
        if (FixedFooters > 0) SetCells(groupCol, RowCount() - 1, FGroupFooter);
        const int valueCol = HeaderValueCol(groupCol);
        // Rows out of the grid take their group's value too: Group put each under the
        // header of its own value.
        const auto shownAs = [this](TRealRow Row, bool (TExtStringGrid::*Kind)(int) const) {
            return Row < NormalRowsEnd() && !FRows.IsHidden(Row) && (this->*Kind)(RealToDisplRow(Row).Index());
        };
        std::string value;
        for (TRealRow r(FixedRows()); r < NormalRowsEnd();) {
            if (!shownAs(r, &TExtStringGrid::IsNode)) {
                if (!shownAs(r, &TExtStringGrid::IsSummary)) SetStoredCellText({TRealCol(groupCol), r}, value);
                r = r + 1;
                continue;
            }
            const TDisplRow header = RealToDisplRow(r);
            const TRealRow summary = r + GetNodeSpan(header.Index());
            if (shownAs(summary, &TExtStringGrid::IsSummary)) RemoveRows(RealToDisplRow(summary).Index(), 1);
            value = GridCells(valueCol, header.Index());
            RemoveNode(r.Index());
            RemoveRows(header.Index(), 1);
        }
    }
    GroupColumn = -1;
    CellNode()->ExpandOne = expandOne;
    Invalidate();
}

// The nodes that Group makes keep -1 as their column; a subgroup's node its own column.
// A run ends where the value changes and at every node or summary row, so subgroups never
// reach across the groups around them.
void TExtStringGrid::SubGroup(int ColIndex)
{
    if (ColIndex < FixedCols() || ColIndex >= ColCount() || GroupColumn == -1) return;
    const TGridUpdateScope update(*this);
    ExpandAll();
    const int valueCol = SubGroupValueCol(ColIndex);
    const auto isGroupRow = [this](int ARow) { return IsNode(ARow) || IsSummary(ARow); };
    // No cell holds these two characters, so the first row of a group always starts a run.
    const std::string noValue = "\u00FF\u00FE";
    std::string previous = noValue;
    int pending = -1;
    int r = FixedRows() + 1;
    auto closePending = [&](int End) {
        if (pending == -1 || isGroupRow(pending)) return;
        AddNode(RealRowIndex(pending), End - pending);
        NodeGraphic(pending)->CellVar = ColIndex;
    };
    while (r < RowCount() - FixedFooters) {
        if (isGroupRow(r) || Cells(ColIndex, r) != previous) {
            closePending(r);
            if (!isGroupRow(r)) {
                const std::string value = GridCells(ColIndex, r);
                InsertChildRow(RealRowIndex(r), 0);
                SetCells(valueCol, r, value);
                LookAsGroupHeader(valueCol, r);
            }
            pending = r++;
        }
        if (r >= RowCount() - FixedFooters || isGroupRow(r - 1)) {
            previous = noValue;
            continue;
        }
        previous = Cells(ColIndex, r);
        SetCells(ColIndex, r, "");
        ++r;
    }
    if (pending == -1 || IsSummary(pending)) {
        SetRow(FixedRows());
        return;
    }
    closePending(r);
    // Merged like the groups' summary rows, from column 1, so that UnGroup splits it alike.
    if (Grouping()->Summary) {
        InsertSummaryRow(DisplToRealRow(TDisplRow(r)));
        if (Grouping()->MergeSummary)
            MergeGroupRow(1, r, Grouping()->SummaryColor, Grouping()->SummaryColorTo, Grouping()->SummaryTextColor);
    }
    SetRow(FixedRows());
}

void TExtStringGrid::SubUnGroup(int ColIndex)
{
    if (ColIndex < FixedCols() || ColIndex >= ColCount()) return;
    const TGridUpdateScope update(*this);
    ExpandAll();
    const int valueCol = SubGroupValueCol(ColIndex);
    std::string value;
    for (int r = FixedRows(); r < RowCount() - FixedFooters;) {
        if (IsNode(r) && NodeGraphic(r)->CellVar == ColIndex) {
            value = GridCells(valueCol, r);
            if (!IsMergedNonBaseCell(valueCol, r)) SplitCells(valueCol, r);
            RemoveNode(RealRowIndex(r));
            RemoveChildRow(RealRowIndex(r));
            continue;
        }
        if (!IsNode(r) && !IsSummary(r)) SetCells(ColIndex, r, value);
        ++r;
    }
}

void TExtStringGrid::SetGroupColumn(int Value)
{
    if (Value == -1)
        UnGroup();
    else if (Value > 0)
        Group(Value);
}

void TExtStringGrid::SelectGroupRows(int ARow)
{
    const TDisplRow end = NodeSpanEnd(TDisplRow(ARow));
    if (MouseActions()->DisjunctRowSelect()) {
        for (int r = ARow + 1; r < end.Index(); ++r)
            SetRowSelect(RealRowIndex(r), true);
        return;
    }
    SetSelection({FixedCols(), ARow, ColCount() - 1, end.Index() - 1});
}

// Collapsed groups get no result. A node's span counts its stored rows, hidden ones too: the
// figures, the count among them, are over the rows of the group that are shown, as the
// column figures of a filtered grid are.
void TExtStringGrid::GroupCalc(int ACol, int Method)
{
    for (TDisplRow r(FixedRows()); r < TDisplRow(RowCount());) {
        const int row = r.Index();
        if (!IsNode(row) || GetNodeState(row)) {
            r = r + 1;
            continue;
        }
        const TDisplRow end = NodeSpanEnd(r);
        const TDisplRow next = std::max(end, r + 1);
        // A header keeps its value, which UnGroup gives back to the rows: a result there
        // (also the merged header's one cell) would stand in for it.
        if (!Grouping()->Summary && BaseCell(ACol, row).X == BaseCell(HeaderValueColOfNode(row), row).X) {
            r = next;
            continue;
        }
        const int from = row + 1;
        const int to = end.Index() - 1;
        double value = to - from + 1;
        switch (Method) {
        case 1: value = ColumnSum(ACol, from, to); break;
        case 2: value = ColumnAvg(ACol, from, to); break;
        case 3: value = ColumnMin(ACol, from, to); break;
        case 4: value = ColumnMax(ACol, from, to); break;
        case 5: break;
        case 6:
            value = 0;
            if (OnGroupCalc) OnGroupCalc(this, ACol, from, to, value);
            break;
        case 7: value = ColumnDistinct(ACol, from, to); break;
        case 8: value = ColumnStdDev(ACol, from, to); break;
        default: return;
        }
        // The summary row is the stored row after the span; out of the grid it still takes
        // its own group's result.
        const TRealRow target = Grouping()->Summary ? TRealRow(NodeLastRealRow(row) + 1) : DisplToRealRow(r);
        const bool shown = IsRowShown(target);
        const int at = shown ? RealToDisplRow(target).Index() : target.Index();
        if (Method == 5 && shown)
            SetInts(ACol, at, static_cast<int>(value));
        else if (Method == 5)
            SetAllInts(ACol, at, static_cast<int>(value));
        else if (shown)
            SetFloats(ACol, at, value);
        else
            SetAllFloats(ACol, at, value);
        r = next;
    }
    static constexpr TColumnCalcType kFooterCalcs[] = {acNONE, acSUM, acAVG, acMIN, acMAX, acCOUNT};
    if (Method >= 1 && Method <= 5 && FloatingFooter()->Visible() && HasFooterRow())
        FloatingFooter()->SetColumnCalc(ACol, kFooterCalcs[Method]);
}

double TExtStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow)
{
    double result = 0;
    if (OnColumnCalc) OnColumnCalc(this, ACol, FromRow, ToRow, result);
    return result;
}

// ---- row calculations

std::vector<double> TExtStringGrid::RowNumbers(int ARow, int FromCol, int ToCol) const
{
    std::vector<double> numbers;
    for (int c = FromCol; c <= ToCol; ++c) {
        if (IsMergedNonBaseCell(c, ARow)) continue;
        try {
            numbers.push_back(Floats(c, ARow));
        } catch (const EExtGridError&) {
        }
    }
    return numbers;
}

double TExtStringGrid::RowSum(int ARow, int FromCol, int ToCol) const
{
    double sum = 0;
    for (double value : RowNumbers(ARow, FromCol, ToCol))
        sum += value;
    return sum;
}

double TExtStringGrid::RowAvg(int ARow, int FromCol, int ToCol) const
{
    return ToCol < FromCol ? 0 : RowSum(ARow, FromCol, ToCol) / (ToCol - FromCol + 1);
}

// The first cell of the range must hold a number.
double TExtStringGrid::RowExtreme(int ARow, int FromCol, int ToCol, bool Largest) const
{
    double result = Floats(FromCol, ARow);
    for (double value : RowNumbers(ARow, FromCol, ToCol))
        result = Largest ? std::max(result, value) : std::min(result, value);
    return result;
}
