#include <algorithm>

#include "grid/control/ExtStringGrid.h"

bool TExtStringGrid::IsHiddenColumn(int ColIndex) const { return FColumns.IsHidden(TRealCol(ColIndex)); }

int TExtStringGrid::RealToDisplCol(int ARealCol) const
{
    return FColumns.ToDispl(TRealCol(ARealCol)).Index();
}

int TExtStringGrid::DisplToRealCol(int ADisplCol) const
{
    return FColumns.ToReal(TDisplCol(ADisplCol)).Index();
}

void TExtStringGrid::HideColumns(int FromCol, int ToCol)
{
    EndEditBeforeLinesChange();
    for (int c = std::max(FromCol, 0); c <= std::min(ToCol, MaxHideableCol); ++c) {
        if (IsHiddenColumn(c) || c >= TotalColCount() || ColCount() < 2) continue;
        const int d = RealToDisplCol(c);
        const int width = ColWidths(d);
        for (int i = d; i <= ColCount() - 2; ++i)
            SetColWidths(i, ColWidths(i + 1));
        FColumns.Hide(TRealCol(c), width);
        if (Col() == ColCount() - 1) SetCol(Col() - 1);
        SetShownColCount(ColCount() - 1);
    }
    Invalidate();
}

void TExtStringGrid::UnHideColumns(int FromCol, int ToCol)
{
    EndEditBeforeLinesChange();
    for (int c = std::max(FromCol, 0); c <= std::min(ToCol, MaxHideableCol); ++c) {
        if (!IsHiddenColumn(c)) continue;
        const int width = FColumns.Show(TRealCol(c));
        SetShownColCount(ColCount() + 1);
        const int d = RealToDisplCol(c);
        for (int i = ColCount() - 1; i > d; --i)
            SetColWidths(i, ColWidths(i - 1));
        SetColWidths(d, width);
    }
    Invalidate();
}

void TExtStringGrid::UnHideColumnsAll() { UnHideColumns(0, std::min(TotalColCount(), MaxHideableCol)); }

bool TExtStringGrid::IsHiddenRow(int RowIndex, std::vector<int>& ListHidden) const
{
    if (ListHidden.empty()) ListHidden = FRows.Hidden().SortedIndexes();
    return std::binary_search(ListHidden.begin(), ListHidden.end(), RowIndex);
}
