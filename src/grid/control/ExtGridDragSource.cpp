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

bool TExtStringGrid::PressDragSource(TShiftState Shift, int ACol, int ARow, int ClickedCol, int ClickedRow, int X,
                                     int Y)
{
    const TMouseActions& ma = *MouseActions();
    const int realCol = RealColIndex(ACol);
    const bool headerRow = ARow < FixedRows();
    const TRect rect = CellRect(ACol, ARow);
    const bool nearBorder = Options().Contains(goColSizing) &&
                            (X - rect.Left < kDragSourceSizingBorder || rect.Right - X < kDragSourceSizingBorder);
    if (!(InSelection(ACol, ARow) || (headerRow && !EnhRowColMove)) || Options().Contains(goEditing) ||
        HasButton(realCol, ARow) || HasCheckBox(realCol, ARow) || !DragDropSettings()->OleDropSource ||
        (headerRow && (ma.ColSelect || ma.AllSelect)) || ACol < FixedCols() || nearBorder)
        return false;
    SetFocus();
    if (OnMouseDown) OnMouseDown(this, mbLeft, Shift, X, Y);
    FSelectionClick = true;
    if (OnClickCell) OnClickCell(this, ClickedRow, ClickedCol);
    return true;
}

bool TExtStringGrid::StartCellDrag(int ACol, int ARow, int X, int Y)
{
    const bool travelled =
        std::abs(X - Clickposx) > kDragStartDistance || std::abs(Y - Clickposy) > kDragStartDistance;
    if (!FSelectionClick || ACol < 0 || ARow < 0 || !FMouseDownMove || !travelled ||
        !DragDropSettings()->OleDropSource || GridState() == gsColSizing || SelectionResizeHandle().Contains({X, Y}))
        return false;
    FSelectionClick = false;
    const int col = RealColIndex(ACol);
    bool allow = true;
    if (DragDropSettings()->OleColumnsOnly && ARow >= FixedRows())
        allow = false;
    else if (OnOleDrag)
        OnOleDrag(this, ARow, col, Cells(col, ARow), allow);
    if (!allow) {
        // The press extends a range instead.
        if (GridState() == gsNormal) SetGridState(gsSelecting);
        return false;
    }
    if (OnOleDragStart) OnOleDragStart(this, ARow, col);
    RunCellDrag(ACol, ARow);
    return true;
}

void TExtStringGrid::RunCellDrag(int ACol, int ARow)
{
    const TDragDropSettings& dd = *DragDropSettings();
    const int col = RealColIndex(ACol);
    auto source = std::make_shared<TGridDropSource>(this);
    DWORD effect = DROPEFFECT_NONE;
    const DWORD allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    // The drag's loop runs here; the press it came from is over when it returns.
    FMouseDownMove = FMouseKeepDown = false;
    const bool column = ARow < FixedRows() && dd.OleColumnDragDrop;
    ShowDragFeedback(column, ACol);
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
    const HRESULT result =
        BeginTextDragDrop(source, SelectedText(), Cells(col, ARow), withCells ? &cells : nullptr, allowed, effect);
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
            ClearRect(sel.Left, sel.Top, sel.Right, sel.Bottom);
        }
    }
    if (OnOleDragStop) OnOleDragStop(this, static_cast<int>(effect));
}

// A press in the selection that never became a drag selects the pressed cell, or its row.
void TExtStringGrid::ReleaseDragSourcePress(TShiftState Shift, int ACol, int ARow, int X, int Y)
{
    if (!FSelectionClick) return;
    FSelectionClick = false;
    if (ACol < FixedCols() || ARow < FixedRows()) return;
    const TMouseActions& ma = *MouseActions();
    if (ma.DisjunctRowSelect() && DragDropSettings()->OleDropSource) {
        if (!Shift.Contains(ssCtrl)) ClearRowSelect();
        if (Shift.Contains(ssCtrl) || ma.DisjunctRowSelectNoCtrl) {
            SetRowSelect(ARow, !RowSelect(ARow));
            if (OnMouseUp) OnMouseUp(this, mbLeft, {ssCtrl}, X, Y);
        }
        return;
    }
    if (Options().Contains(goRowSelect))
        SetSelection({FixedCols(), ARow, ColCount() - 1, ARow});
    else
        SetSelection({ACol, ARow, ACol, ARow});
}
