#include <cstdlib>
#include <memory>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/GridDropSource.h"
#include "grid/control/settings/DragDropSettings.h"
#include "grid/foundation/dragdrop/OleDragDrop.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/rtl/Streams.h"

// Cells dragged out of the grid: a press inside the selection waits for the pointer to
// travel, then hands the selected cells (or a header's column) to the drag-and-drop layer;
// a move drop empties or removes what went.

namespace {
// The pointer must travel further than this from the press before a drag starts.
constexpr int kDragStartDistance = 3;
constexpr int kDragSourceSizingBorder = 4;
} // namespace

bool TExtStringGrid::PressDragSource(TShiftState Shift, int ADisplCol, int ADisplRow, int ClickedCol,
                                     int ClickedRow, int X, int Y)
{
    const TMouseActions& ma = *MouseActions();
    const int realCol = RealColIndex(ADisplCol);
    const bool headerRow = ADisplRow < FixedRows();
    const TRect rect = CellRect(ADisplCol, ADisplRow);
    const bool nearBorder = Options().Contains(goColSizing) &&
                            (X - rect.Left < kDragSourceSizingBorder || rect.Right - X < kDragSourceSizingBorder);
    if (!(InSelection(ADisplCol, ADisplRow) || (headerRow && !EnhRowColMove)) ||
        Options().Contains(goEditing) || HasButton(realCol, ADisplRow) || HasCheckBox(realCol, ADisplRow) ||
        !DragDropSettings()->OleDropSource || (headerRow && (ma.ColSelect || ma.AllSelect)) ||
        ADisplCol < FixedCols() || nearBorder)
        return false;
    SetFocus();
    if (OnMouseDown) OnMouseDown(this, mbLeft, Shift, X, Y);
    FSelectionClick = true;
    if (OnClickCell) OnClickCell(this, ClickedRow, ClickedCol);
    return true;
}

bool TExtStringGrid::StartCellDrag(int ADisplCol, int ADisplRow, int X, int Y)
{
    const bool travelled =
        std::abs(X - Clickposx) > kDragStartDistance || std::abs(Y - Clickposy) > kDragStartDistance;
    if (!FSelectionClick || ADisplCol < 0 || ADisplRow < 0 || !FMouseDownMove || !travelled ||
        !DragDropSettings()->OleDropSource || GridState() == gsColSizing ||
        SelectionResizeHandle().Contains({X, Y}))
        return false;
    FSelectionClick = false;
    const int col = RealColIndex(ADisplCol);
    bool allow = true;
    if (DragDropSettings()->OleColumnsOnly && ADisplRow >= FixedRows())
        allow = false;
    else if (OnOleDrag)
        OnOleDrag(this, ADisplRow, col, Cells(col, ADisplRow), allow);
    if (!allow) {
        // The press extends a range instead.
        if (GridState() == gsNormal) SetGridState(gsSelecting);
        return false;
    }
    if (OnOleDragStart) OnOleDragStart(this, ADisplRow, col);
    RunCellDrag(ADisplCol, ADisplRow);
    return true;
}

void TExtStringGrid::RunCellDrag(int ADisplCol, int ADisplRow)
{
    const TDragDropSettings& dd = *DragDropSettings();
    const int col = RealColIndex(ADisplCol);
    auto source = std::make_shared<TGridDropSource>(this);
    DWORD effect = DROPEFFECT_NONE;
    const DWORD allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    // The drag's loop runs here; the press it came from is over when it returns.
    FMouseDownMove = FMouseKeepDown = false;
    const bool column = ADisplRow < FixedRows() && dd.OleColumnDragDrop;
    ShowDragFeedback(column, ADisplCol);
    if (column) {
        const HRESULT result = BeginColumnDragDrop(source, col, allowed, effect);
        EndDragFeedback();
        HideDropMarkers();
        if (result != DRAGDROP_S_CANCEL && OnOleDragStop) OnOleDragStop(this, static_cast<int>(effect));
        return;
    }
    FDropSelection = Selection();
    // The cells themselves travel too where the grid lets its own format out.
    TMemoryStream cells;
    const bool withCells = Navigation()->AllowFmtClipboard;
    if (withCells)
        SaveRectToBinStream(TRect{FDropSelection.Left, FDropSelection.Top, FDropSelection.Right, FDropSelection.Bottom},
                            cells);
    const HRESULT result = BeginTextDragDrop(source, SelectedText(), Cells(col, ADisplRow),
                                             withCells ? &cells : nullptr, allowed, effect);
    EndDragFeedback();
    if (result == DRAGDROP_S_CANCEL) return;
    if (!dd.OleCopyAlways && effect == DROPEFFECT_MOVE) {
        const bool disjunct = MouseActions()->DisjunctRowSelect();
        const TGridRect& sel = FDropSelection;
        if (dd.OleRemoveRows && Options().Contains(goRowSelect)) {
            if (disjunct)
                RemoveSelectedRows();
            else
                RemoveRowsInternal(sel.Top, sel.Bottom - sel.Top + 1);
        } else if (disjunct) {
            ClearSelection();
        } else {
            ClearShownCells([&](const TShownCellVisit& Visit) {
                ForEachShownCell({{TDisplCol(sel.Left), TDisplRow(sel.Top)}, {TDisplCol(sel.Right), TDisplRow(sel.Bottom)}},
                                 false, Visit);
            });
        }
    }
    if (OnOleDragStop) OnOleDragStop(this, static_cast<int>(effect));
}

// A press in the selection that never became a drag selects the pressed cell, or its row.
void TExtStringGrid::ReleaseDragSourcePress(TShiftState Shift, int ADisplCol, int ADisplRow, int X, int Y)
{
    if (!FSelectionClick) return;
    FSelectionClick = false;
    if (ADisplCol < FixedCols() || ADisplRow < FixedRows()) return;
    const TMouseActions& ma = *MouseActions();
    if (ma.DisjunctRowSelect() && DragDropSettings()->OleDropSource) {
        if (!Shift.Contains(ssCtrl)) ClearRowSelect();
        if (Shift.Contains(ssCtrl) || ma.DisjunctRowSelectNoCtrl) {
            SetRowSelect(ADisplRow, !RowSelect(ADisplRow));
            if (OnMouseUp) OnMouseUp(this, mbLeft, {ssCtrl}, X, Y);
        }
        return;
    }
    if (Options().Contains(goRowSelect))
        SetSelection({FixedCols(), ADisplRow, ColCount() - 1, ADisplRow});
    else
        SetSelection({ADisplCol, ADisplRow, ADisplCol, ADisplRow});
}
