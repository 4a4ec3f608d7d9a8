// The selection and the areas of the many-cell operations, walked as shown cells: the
// selection counts shown columns, the cells are kept by real column, and the crossing is
// made here once.
#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"

void TExtStringGrid::ForEachShownCell(const TSelectedRect& Area, bool HiddenCols, const TShownCellVisit& Visit) const
{
    const int left = std::max(Area.From.Col.Index(), 0);
    const int right = std::min(Area.To.Col.Index(), ColCount() - 1);
    if (right < left) return;
    std::vector<TRealCol> cols;
    if (HiddenCols) {
        // Hidden columns keep their real places between the shown ones around them.
        const int firstReal = left == 0 ? 0 : ToRealCol(TDisplCol(left - 1)).Index() + 1;
        const int lastReal = right == ColCount() - 1 ? TotalColCount() - 1 : ToRealCol(TDisplCol(right + 1)).Index() - 1;
        for (int c = firstReal; c <= lastReal; ++c) cols.emplace_back(c);
    } else {
        for (int c = left; c <= right; ++c) cols.push_back(ToRealCol(TDisplCol(c)));
    }
    const int bottom = std::min(Area.To.Row.Index(), RowCount() - 1);
    for (int r = std::max(Area.From.Row.Index(), 0); r <= bottom; ++r)
        for (const TRealCol col : cols) Visit(TShownCell{col, TDisplRow(r)});
}

TSelectedRect TExtStringGrid::SelectedRect() const
{
    const TGridRect s = Selection();
    return {{TDisplCol(std::min(s.Left, s.Right)), TDisplRow(std::min(s.Top, s.Bottom))},
            {TDisplCol(std::max(s.Left, s.Right)), TDisplRow(std::max(s.Top, s.Bottom))}};
}

void TExtStringGrid::ForEachSelectedCell(TDisplCol RowColsFrom, TDisplCol RowColsTo, bool HiddenCols,
                                         const TShownCellVisit& Visit) const
{
    if (MouseActions()->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (RowSelect(RowFlagIndex(r)))
                ForEachShownCell({{RowColsFrom, TDisplRow(r)}, {RowColsTo, TDisplRow(r)}}, HiddenCols, Visit);
    } else if (MouseActions()->DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (ColSelect(c))
                ForEachShownCell({{TDisplCol(c), TDisplRow(0)}, {TDisplCol(c), TDisplRow(RowCount() - 1)}}, false, Visit);
    } else {
        ForEachShownCell(SelectedRect(), false, Visit);
    }
}

std::vector<TRealCol> TExtStringGrid::SelectedRealCols(bool Picked) const
{
    const TSelectedRect sel = SelectedRect();
    const bool disjunct = MouseActions()->DisjunctColSelect();
    std::vector<TRealCol> cols;
    for (int c = ColCount() - 1; c >= FixedCols(); --c) {
        const bool picked = disjunct ? ColSelect(c) : TDisplCol(c) >= sel.From.Col && TDisplCol(c) <= sel.To.Col;
        if (picked == Picked) cols.push_back(ToRealCol(TDisplCol(c)));
    }
    return cols;
}

TExtStringGrid::TShownCellWalk TExtStringGrid::CellsOfRange(const TGridRect& Range)
{
    return [Range](const TShownCellVisit& Visit) {
        for (int r = Range.Top; r <= Range.Bottom; ++r)
            for (int c = Range.Left; c <= Range.Right; ++c) Visit(TShownCell{TRealCol(c), TDisplRow(r)});
    };
}
