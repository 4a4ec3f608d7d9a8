#include <algorithm>

#include "grid/control/ExtStringGrid.h"

namespace {

bool IsHideable(int ColIndex) { return ColIndex >= 0 && ColIndex <= TExtStringGrid::MaxHideableCol; }

} // namespace

bool TExtStringGrid::IsHiddenColumn(int ColIndex) const
{
    return IsHideable(ColIndex) && !FVisibleCol[ColIndex];
}

int TExtStringGrid::RealToDisplCol(int ACol) const
{
    if (!IsHideable(ACol) || FNumHidden == 0) return ACol;
    const auto hiddenBefore = std::count(FVisibleCol.begin(), FVisibleCol.begin() + ACol, false);
    return ACol - static_cast<int>(hiddenBefore);
}

// An index beyond the shown columns has no real column; it reads as column 0.
int TExtStringGrid::DisplToRealCol(int ACol) const
{
    if (ACol > MaxHideableCol || FNumHidden == 0) return ACol;
    int shown = 0;
    for (int real = 0; real <= MaxHideableCol; ++real) {
        if (!FVisibleCol[real]) continue;
        if (shown == ACol) return real;
        ++shown;
    }
    return 0;
}

void TExtStringGrid::HideColumns(int FromCol, int ToCol)
{
    HideInplaceEdit();
    for (int c = std::max(FromCol, 0); c <= std::min(ToCol, MaxHideableCol); ++c) {
        if (!FVisibleCol[c] || c >= TotalColCount() || ColCount() < 2) continue;
        const int d = RealToDisplCol(c);
        FAllColWidths[c] = static_cast<int16_t>(ColWidths(d));
        for (int i = d; i <= ColCount() - 2; ++i)
            SetColWidths(i, ColWidths(i + 1));
        ++FNumHidden;
        FVisibleCol[c] = false;
        if (Col() == ColCount() - 1) SetCol(Col() - 1);
        SetColCount(ColCount() - 1);
    }
    Invalidate();
}

void TExtStringGrid::UnHideColumns(int FromCol, int ToCol)
{
    HideInplaceEdit();
    for (int c = std::max(FromCol, 0); c <= std::min(ToCol, MaxHideableCol); ++c) {
        if (FVisibleCol[c]) continue;
        --FNumHidden;
        FVisibleCol[c] = true;
        SetColCount(ColCount() + 1);
        const int d = RealToDisplCol(c);
        for (int i = ColCount() - 1; i > d; --i)
            SetColWidths(i, ColWidths(i - 1));
        SetColWidths(d, FAllColWidths[c]);
    }
    Invalidate();
}

void TExtStringGrid::UnHideColumnsAll() { UnHideColumns(0, std::min(TotalColCount(), MaxHideableCol)); }

bool TExtStringGrid::IsHiddenRow(int RowIndex, std::vector<int>& ListHidden) const
{
    if (ListHidden.empty()) ListHidden = FRows.Hidden().SortedIndexes();
    return std::binary_search(ListHidden.begin(), ListHidden.end(), RowIndex);
}
