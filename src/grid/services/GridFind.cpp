#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/foundation/markup/HtmlTextOps.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/text/CellText.h"
#include "grid/foundation/text/FilterExpression.h"
#include "platform/rtl/SysUtils.h"

// The find walks its area as one line of cells, row by row or column by column, so that a
// continued search simply starts one cell after the last one found. It never wraps around.

namespace {

// The grid's export states that the find reports.
constexpr int kFindStart = 0;
constexpr int kFindTesting = 1;
constexpr int kFindDone = 2;
constexpr int kFindFound = 4;

struct TFindScan {
    TGridRect Area;
    bool RowByRow;
    int Width() const { return Area.Right - Area.Left + 1; }
    int Height() const { return Area.Bottom - Area.Top + 1; }
    int Count() const { return Width() * Height(); }
    bool Contains(TPoint Cell) const
    {
        return Cell.X >= Area.Left && Cell.X <= Area.Right && Cell.Y >= Area.Top && Cell.Y <= Area.Bottom;
    }
    int IndexOf(TPoint Cell) const
    {
        return RowByRow ? (Cell.Y - Area.Top) * Width() + Cell.X - Area.Left
                        : (Cell.X - Area.Left) * Height() + Cell.Y - Area.Top;
    }
    TPoint CellAt(int Index) const
    {
        return RowByRow ? TPoint{Area.Left + Index % Width(), Area.Top + Index / Width()}
                        : TPoint{Area.Left + Index / Height(), Area.Top + Index % Height()};
    }
};

} // namespace

bool TExtStringGrid::MatchFindCell(int ACol, int ARow, TFindParameters FindParams, bool Wide)
{
    const int col = FindParams.Contains(fnIncludeHiddenColumns) ? ACol : RealColIndex(ACol);
    std::string text = FindParams.Contains(fnIncludeHiddenRows) ? AllCells(col, ARow) : Cells(col, ARow);
    if (Wide) text = DecodeWideCellText(text);
    const std::string& wanted = Wide ? SearchCacheWide : SearchCache;
    const bool matchCase = FindParams.Contains(fnMatchCase);
    if (!matchCase) text = AnsiUpperCase(text);
    if (FindParams.Contains(fnIgnoreHTMLTags)) text = HtmlToPlainText(text);
    if (wanted == "\"\"") return text.empty();
    if (FindParams.Contains(fnMatchRegular)) {
        try {
            return MatchesFilterExpression(wanted, text, matchCase);
        } catch (const std::exception&) {
            return false;
        }
    }
    const size_t at = text.find(wanted);
    const bool placed = FindParams.Contains(fnMatchStart) ? at == 0 : at != std::string::npos;
    return placed && (!FindParams.Contains(fnMatchFull) || text == wanted);
}

TPoint TExtStringGrid::Find(TPoint StartCell, const std::string& s, TFindParameters FindParams)
{
    const TPoint result = ScanForCell(StartCell, s, FindParams, false);
    if (result.X < 0 || !FindParams.Contains(fnAutoGoto)) return result;
    // Keeps the found row off the bottom edge, above a floating footer.
    const int footer = FloatingFooter()->Visible() ? 2 : 0;
    if (Row() > TopRow() + VisibleRowCount() - footer - 2 && RowCount() > VisibleRowCount() + FixedRows() + footer)
        SetTopRow(TopRow() + footer + 1);
    return result;
}

TPoint TExtStringGrid::FindWide(TPoint StartCell, const std::string& s, TFindParameters FindParams)
{
    return ScanForCell(StartCell, s, FindParams, true);
}

TPoint TExtStringGrid::ScanForCell(TPoint StartCell, const std::string& s, TFindParameters FindParams, bool Wide)
{
    TPoint result{-1, -1};
    FFindParams = FindParams;
    FFindBusy = true;
    (Wide ? SearchCacheWide : SearchCache) = FindParams.Contains(fnMatchCase) ? s : AnsiUpperCase(s);
    ExportNotification(kFindStart, -1);
    const bool noColumns = ColCount() == FixedCols() || ColCount() == 0;
    const bool noRows = RowCount() + NumHiddenRows() == FixedRows() || RowCount() == 0;
    if (!noColumns && !noRows) {
        TFindScan scan{FindParams.Contains(fnIncludeFixed)
                           ? TGridRect{0, 0, ColCount() - 1, RowCount() - 1}
                           : TGridRect{FixedCols(), FixedRows(), ColCount() - 1 - FixedRightCols,
                                       RowCount() - 1 - FixedFooters},
                       FindParams.Contains(fnDirectionLeftRight)};
        if (FindParams.Contains(fnSelectedCells)) scan.Area = Selection();
        if (FindParams.Contains(fnIncludeHiddenColumns)) scan.Area.Right += NumHiddenColumns();
        if (FindParams.Contains(fnIncludeHiddenRows)) scan.Area.Bottom += NumHiddenRows();
        const int onlyRow = FindParams.Contains(fnFindInCurrentRow) ? Row()
                            : FindParams.Contains(fnFindInPresetRow) ? FFindRow
                                                                     : -1;
        const int onlyCol = FindParams.Contains(fnFindInCurrentCol) ? Col()
                            : FindParams.Contains(fnFindInPresetCol) ? FFindCol
                                                                     : -1;
        if (onlyRow >= 0) scan.Area.Top = scan.Area.Bottom = onlyRow;
        if (onlyCol >= 0) scan.Area.Left = scan.Area.Right = onlyCol;
        const bool backward = FindParams.Contains(fnBackward);
        const int step = backward ? -1 : 1;
        int index = backward ? scan.Count() - 1 : 0;
        if (StartCell.X != -1 || StartCell.Y != -1)
            index = scan.Contains(StartCell) ? scan.IndexOf(StartCell) + step : backward ? scan.Count() - 1 : 0;
        for (; index >= 0 && index < scan.Count() && scan.Width() > 0 && scan.Height() > 0; index += step) {
            const TPoint cell = scan.CellAt(index);
            const int realCol = FindParams.Contains(fnIncludeHiddenColumns) ? cell.X : RealColIndex(cell.X);
            if (IsIgnoredColumn(realCol)) continue;
            ExportNotification(kFindTesting, cell.Y);
            if (MatchFindCell(cell.X, cell.Y, FindParams, Wide)) {
                result = cell;
                break;
            }
        }
    }
    ExportNotification(result.X < 0 ? kFindDone : kFindFound, result.Y);
    if (result.X < 0) {
        FFindBusy = false;
        return result;
    }
    SearchCell = result;
    if (FindParams.Contains(fnAutoGoto)) GotoFoundCell(result, FindParams);
    return result;
}

// A hit in a row that a collapsed node holds opens that node first, so that the row the
// focus goes to is the row found.
void TExtStringGrid::GotoFoundCell(TPoint Cell, TFindParameters FindParams)
{
    const bool hiddenRows = FindParams.Contains(fnIncludeHiddenRows) && NumHiddenRows() > 0;
    if (hiddenRows && IsHiddenRow(Cell.Y)) ExpandNodeHoldingRow(Cell.Y);
    const int row = hiddenRows ? DisplRowIndex(Cell.Y) : Cell.Y;
    const int col = FindParams.Contains(fnIncludeHiddenColumns) ? DisplColIndex(Cell.X) : Cell.X;
    if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return;
    if (MouseActions()->DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(row, true);
        SetRow(row);
    } else {
        FocusCell(col, row);
    }
}

TPoint TExtStringGrid::FindFirst(const std::string& s, TFindParameters FindParams)
{
    SearchCell = Find({-1, -1}, s, FindParams);
    return SearchCell;
}

TPoint TExtStringGrid::FindNext()
{
    SearchCell = Find(SearchCell, SearchCache, FFindParams);
    return SearchCell;
}

int TExtStringGrid::Replace(const std::string& OrigStr, const std::string& NewStr, TFindParameters FindParams)
{
    int changed = 0;
    const bool hiddenRows = FindParams.Contains(fnIncludeHiddenRows);
    for (TPoint cell = Find({-1, -1}, OrigStr, FindParams); cell.X >= 0; cell = Find(cell, OrigStr, FindParams)) {
        const int col = FindParams.Contains(fnIncludeHiddenColumns) ? cell.X : RealColIndex(cell.X);
        // The stored text: a display form given by an event must not replace the cell.
        const std::string text = hiddenRows ? AllCells(col, cell.Y) : GridCells(col, cell.Y);
        const std::string replaced = StringReplace(text, OrigStr, NewStr, rfReplaceAll | rfIgnoreCase);
        if (replaced == text) continue;
        if (hiddenRows)
            SetAllCells(col, cell.Y, replaced);
        else
            SetCells(col, cell.Y, replaced);
        ++changed;
        if (ShowModified()->Enabled)
            MarkStoredRowModified(hiddenRows ? TRealRow(cell.Y) : DisplToRealRow(TDisplRow(cell.Y)));
    }
    return changed;
}

int TExtStringGrid::Search(const std::string& s)
{
    if (RowCount() < 2) return -1;
    const TSortSettings& sort = *SortSettings();
    int col = sort.Column;
    if (!sort.Show())
        col = FixedCols();
    else if (sort.IndexShow)
        col = SortIndexes.Count() > 0 ? SortIndexes.SortColumns(0) : FixedCols();
    if (col == -1) return -1;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (AnsiUpperCase(Copy(HtmlToPlainText(Cells(col, r)), 1, Length(s))) == s) return r;
    return -1;
}
