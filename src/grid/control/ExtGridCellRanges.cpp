#include "grid/control/ExtStringGrid.h"
#include "platform/rtl/SysUtils.h"

void TExtStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c) {
            const int col = SaveHiddenCells ? DisplToRealCol(c) : c;
            // The stored text: a display hook's text must not be written back.
            const std::string text = GridCells(col, r);
            const std::string trimmed = Trim(text);
            if (trimmed != text) SetCells(col, r, trimmed);
        }
}

void TExtStringGrid::MergeEqualRuns(bool Vertical, int Line, int First, int Last, bool MainMerge)
{
    const auto text = [&](int i) { return Vertical ? Cells(Line, i) : Cells(i, Line); };
    const auto mergedAlike = [&](int i) {
        return Vertical ? RowSpanIdentical(i - 1, i) : ColSpanIdentical(i - 1, i);
    };
    const auto merge = [&](int start, int length) {
        if (length < 2) return;
        if (Vertical)
            MergeCells(Line, start, 1, length);
        else
            MergeCells(start, Line, length, 1);
    };
    int start = First - 1;
    for (int i = First; i <= Last; ++i) {
        if (text(i) == text(i - 1) && (MainMerge || mergedAlike(i))) continue;
        merge(start, i - start);
        start = i;
    }
    merge(start, Last + 1 - start);
}

void TExtStringGrid::MergeColumnCells(int ColIndex, bool MainMerge)
{
    MergeEqualRuns(true, ColIndex, FixedRows() + 1, RowCount() - FixedFooters - 1, MainMerge);
}

void TExtStringGrid::MergeRowCells(int RowIndex, bool MainMerge)
{
    MergeEqualRuns(false, RowIndex, FixedCols() + 1, ColCount() - FixedRightCols - 1, MainMerge);
}

void TExtStringGrid::SplitLine(bool Vertical, int Line, int Last)
{
    for (int i = 0; i < Last;) {
        const int c = Vertical ? Line : i;
        const int r = Vertical ? i : Line;
        if (Vertical ? !IsYMergedCell(c, r) : !IsXMergedCell(c, r)) {
            ++i;
            continue;
        }
        const TPoint rest = CellExt(c, r);
        SplitCells(c, r);
        i += (Vertical ? rest.Y : rest.X) + 1;
    }
}

void TExtStringGrid::SplitColumnCells(int ColIndex)
{
    SplitLine(true, ColIndex, RowCount() - FixedFooters - 1);
}

void TExtStringGrid::SplitRowCells(int RowIndex)
{
    SplitLine(false, RowIndex, ColCount() - FixedRightCols - 1);
}

void TExtStringGrid::SplitAllCells()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (IsMergedCell(c, r)) SplitCells(c, r);
}

void TExtStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor)
{
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c)
            SetColors(c, r, AColor);
}

// The second column goes from every stored row, so every stored row is joined: a row out
// of the grid (hidden, filtered or in a contracted node) keeps its text too.
void TExtStringGrid::MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator)
{
    const auto joined = [&](const std::string& First, const std::string& Second) {
        return Trim(First + Separator + Second);
    };
    FRows.ForEachStoredRow(TotalRowCount(), [&](TRealRow, TGridItem* Item, TDisplRow Shown) {
        if (Item) {
            std::vector<std::string>& texts = Item->Items.Strings;
            const auto text = [&](int c) { return c < Item->Items.Count() ? texts[static_cast<size_t>(c)] : std::string(); };
            if (ColIndex1 < Item->Items.Count())
                texts[static_cast<size_t>(ColIndex1)] = joined(text(ColIndex1), text(ColIndex2));
        } else if (Shown.Index() >= FixedRows()) {
            const TShownCell first{TRealCol(ColIndex1), Shown}, second{TRealCol(ColIndex2), Shown};
            SetCellAt(first, joined(CellAt(first), CellAt(second)));
        }
    });
    RemoveCols(ColIndex2, 1);
}

bool TExtStringGrid::IsCell(const std::string& SubStr, int& ACol, int& ARow) const
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (GridCells(c, r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
    return false;
}

bool TExtStringGrid::IsWideCell(int ACol, int ARow) const { return Cells(ACol, ARow).starts_with("|\\"); }
