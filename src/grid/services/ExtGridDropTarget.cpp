#include <algorithm>
#include <climits>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/GridDropTarget.h"
#include "grid/control/HeaderDragButton.h"
#include "grid/control/settings/DragDropSettings.h"
#include "grid/services/ClipboardText.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/StdCtrls.h"

// What a drag does over the grid and what a drop leaves in it: text lands as a paste (in new
// rows with OleInsertRows, or appended below the last row), a cell block as the cell stream,
// rich text and URLs in one cell, a single CSV or Excel file as a load, a column as a move.

namespace {
// Hovering this close to the top of a grid without fixed rows scrolls it up.
constexpr int kDropScrollMargin = 8;
} // namespace

void TExtStringGrid::OleDropTargetChanged()
{
    if (ComponentState().Contains(csDesigning)) return;
    if (DragDropSettings()->OleDropTarget()) {
        if (FOleDropTargetAssigned) return;
        FGridDropTarget = std::make_shared<TGridDropTarget>(this);
        FOleDropTargetAssigned = RegisterDragDrop(this, FGridDropTarget) == S_OK;
    } else if (FOleDropTargetAssigned) {
        RevokeDragDrop(this);
        FOleDropTargetAssigned = false;
    }
}

void TExtStringGrid::OleColumnDragStart(int ACol, int AIndex, TListBox* AList)
{
    FOleDragCol = ACol;
    FOleDragIndex = AIndex;
    FOleDragList = AList;
}

TPoint TExtStringGrid::OleDropCell(TPoint ScreenPt, bool OffersCol, bool& Append) const
{
    const TPoint pt = ScreenToClient(ScreenPt);
    int col = -1, row = -1;
    MouseToCell(pt.X, pt.Y, col, row);
    Append = false;
    const TDragDropSettings& dd = *DragDropSettings();
    if (row == -1 && !OffersCol && dd.OleEntireRows && dd.OleAppendRows && RowCount() > 0) {
        const int last = RowCount() - 1;
        const bool lastShown = last < FixedRows() || last < TopRow() + VisibleRowCount();
        const int lastBottom = lastShown ? CellRect(std::max(LeftCol(), 0), last).Bottom : INT_MAX;
        if (pt.Y >= lastBottom) {
            Append = true;
            col = FixedCols();
            row = last;
        }
    }
    return {col, row};
}

void TExtStringGrid::HideDropMarkers()
{
    FMoveMarkers.Hide();
    if (FMoveButton) FMoveButton->Hide();
}

void TExtStringGrid::OleDragLeave() { FMoveMarkers.Hide(); }

void TExtStringGrid::ScrollTowardsDrop(int ACol, int ARow, TPoint ClientPt)
{
    const bool nearTop = ClientPt.Y < kDropScrollMargin && FixedRows() == 0 && TopRow() != 0;
    if ((ARow == 0 && TopRow() > FixedRows()) || nearTop)
        SetTopRow(TopRow() - 1);
    else if (ARow == TopRow() + VisibleRowCount() && ARow < RowCount())
        SetTopRow(TopRow() + 1);
    // Sideways at most one column per timer tick: the tick makes the count even again.
    if (FTimerTicks % 2 != 0) return;
    ++FTimerTicks;
    if (ACol == 0 && LeftCol() > FixedCols())
        SetLeftCol(LeftCol() - 1);
    else if (ACol == LeftCol() + VisibleColCount() && ACol < ColCount())
        SetLeftCol(LeftCol() + 1);
}

void TExtStringGrid::MarkDrop(bool Column, int ACol, int ARow, bool Append)
{
    if (Column) {
        const bool pastEnd = ACol >= ColCount();
        FMoveMarkers.MarkColumn(CellRect(pastEnd ? ColCount() - 1 : ACol, 0), !pastEnd, true);
        return;
    }
    if (ARow == 0 && FixedRowAlways) {
        ARow = 1;
        Append = false;
    }
    const int markCol = DragDropSettings()->OleEntireRows ? FixedCols() : ACol;
    TRect r = CellRect(markCol, std::min(ARow, RowCount() - 1));
    if (Append) r.Top += RowHeights(RowCount() - 1);
    FMoveMarkers.MarkDropCell(r);
}

void TExtStringGrid::OleDragMove(TPoint ScreenPt, bool& Allow, TDropFormats Formats)
{
    const bool offersCol = Formats.Contains(dfCol);
    bool append = false;
    const TPoint cell = OleDropCell(ScreenPt, offersCol, append);
    int col = cell.X, row = cell.Y;
    const TPoint pt = ScreenToClient(ScreenPt);
    Allow = col >= 0 && row >= 0;

    if (Allow && !offersCol) ScrollTowardsDrop(col, row, pt);

    if (!offersCol) {
        if (row >= 0 && row < FixedRows() && !(RowCount() == 1 && FixedRowAlways)) Allow = false;
    } else {
        const int lastCol = ColCount() - 1;
        const int right = lastCol >= 0 ? CellRect(lastCol, std::max(TopRow(), 0)).Right : 0;
        if (col < 0 && pt.X >= right && lastCol >= LeftCol() + VisibleColCount() - 1) {
            col = ColCount();
            row = 0;
            Allow = true;
        } else if (row >= 0 && row < FixedRows()) {
            if (col < FixedCols()) Allow = false;
        } else {
            Allow = false;
        }
    }
    if (Formats.Contains(dfFile) || Formats.Contains(dfGridCells)) Allow = true;
    if (OnOleDragOver) OnOleDragOver(this, row, col, Allow);
    Allow = Allow && ((col >= 0 && row >= 0) || Formats.Contains(dfFile));

    if (Allow && (offersCol || (col >= 0 && row >= 0)))
        MarkDrop(offersCol, col, row, append);
    else
        FMoveMarkers.Hide();
}

void TExtStringGrid::OleDropText(TPoint ScreenPt, const std::string& Text)
{
    const TDragDropSettings& dd = *DragDropSettings();
    bool append = false;
    const TPoint cell = OleDropCell(ScreenPt, false, append);
    int col = cell.X, row = cell.Y;
    int fields = 0, linesLessOne = 0;
    ClipboardTextSize(Text, fields, linesLessOne);
    const int lines = linesLessOne + 1;
    const bool rowSelect = Options().Contains(goRowSelect);
    if (rowSelect) col = dd.OleEntireRows ? 0 : FixedCols();

    bool allow = true;
    if (OnOleDrop) OnOleDrop(this, row, col, Text, allow);
    if (allow && col >= 0 && row >= 0) {
        if (row == 0 && FixedRowAlways && RowCount() == 1) row = 1;
        // A drop of whole rows below the last one always makes new rows: writing over the last
        // row would lose it.
        const bool insert = dd.OleInsertRows || append;
        if (insert) {
            const int top = TopRow();
            if (append) {
                InsertRows(RowCount(), lines);
                ++row;
            } else {
                InsertRows(row, lines);
                // The cells a move from this grid still has to clear or remove went down too.
                if (FDropSelection.Top >= row) {
                    FDropSelection.Top += lines;
                    FDropSelection.Bottom += lines;
                }
            }
            const int newTop = top + (top > FixedRows() ? 1 : 0);
            if (newTop > 0 && newTop < RowCount()) SetTopRow(newTop);
        }
        int pastedRows = 0, pastedCols = 0;
        PasteTextAt(col, row, pastedRows, pastedCols, Text);
        col = std::max(col, FixedCols());
        const int right = rowSelect ? col + fields - FixedCols() : col + fields - 1;
        TGridRect dropped{col, row, std::min(right, ColCount() - 1), std::min(row + lines - 1, RowCount() - 1)};
        SetSelection(dropped);
        HideDropMarkers();
        if (OnOleDropped) OnOleDropped(this, dropped);
        return;
    }
    HideDropMarkers();
}

void TExtStringGrid::OleDropCells(TPoint ScreenPt, TMemoryStream& Cells)
{
    bool append = false;
    const TPoint cell = OleDropCell(ScreenPt, false, append);
    HideDropMarkers();
    if (cell.X < 0 || cell.Y < 0) return;
    Cells.SetPosition(0);
    LoadAtPointFromBinStream(cell, Cells);
    if (OnOleDropped) OnOleDropped(this, Selection());
}

void TExtStringGrid::OleDropCellText(TPoint ScreenPt, const std::string& Text, bool URL)
{
    bool append = false;
    const TPoint cell = OleDropCell(ScreenPt, false, append);
    bool allow = true;
    const TOleDragEvent& ask = URL ? OnOleDropURL : OnOleDrop;
    if (ask) ask(this, cell.Y, cell.X, Text, allow);
    if (allow && cell.X >= 0 && cell.Y >= 0) SetCells(RealColIndex(cell.X), cell.Y, Text);
    HideDropMarkers();
}

void TExtStringGrid::OleDropFiles(TPoint ScreenPt, const TStringList& Files)
{
    if (Files.Count() != 1) return;
    const std::string& name = Files[0];
    bool append = false;
    const TPoint cell = OleDropCell(ScreenPt, false, append);
    bool allow = true;
    if (OnOleDropFile) OnOleDropFile(this, cell.Y, cell.X, name, allow);
    if (allow) {
        const std::string upper = AnsiUpperCase(name);
        const auto asked = [&] {
            bool load = true;
            if (OnOleDrop) OnOleDrop(this, -1, -1, name, load);
            return load;
        };
        if (upper.find(".CSV") != std::string::npos && asked()) LoadFromCSV(name, 0);
        if (upper.find(".XLS") != std::string::npos && asked()) LoadFromXLS(name);
    }
    HideDropMarkers();
}

void TExtStringGrid::MoveColumnForDrop(int FromIndex, int ToIndex)
{
    const bool enhanced = EnhRowColMove;
    EnhRowColMove = true;
    MoveColumn(FromIndex, ToIndex);
    EnhRowColMove = enhanced;
}

void TExtStringGrid::OleDropColumn(TPoint ScreenPt, int DraggedCol)
{
    bool append = false;
    TPoint cell = OleDropCell(ScreenPt, true, append);
    if (cell.X < 0) cell.X = ColCount();
    HideDropMarkers();
    if (FOleDragCol != -1) {
        if (FOleDragList && FOleDragIndex >= 0 && FOleDragIndex < FOleDragList->Items()->Count())
            FOleDragList->Items()->Delete(FOleDragIndex);
        // A column never moved stands at its own index.
        const auto found = std::find(FColumns.Order().begin(), FColumns.Order().end(), FOleDragCol);
        const int real = found == FColumns.Order().end() ? FOleDragCol : static_cast<int>(found - FColumns.Order().begin());
        UnHideColumn(real);
        MoveColumnForDrop(DisplColIndex(real), std::min(cell.X, ColCount() - 1));
        FOleDragCol = -1;
    } else if (DragDropSettings()->OleColumnReorder) {
        cell.X = std::min(cell.X, ColCount() - 1);
        const int from = DisplColIndex(DraggedCol);
        if (from >= 0 && from < ColCount() && from != cell.X) MoveColumnForDrop(from, cell.X);
    }
    if (OnOleDropCol) OnOleDropCol(this, cell.Y, cell.X, DraggedCol);
}
