#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"

// The selection's resize handle: a press on it keeps the selection and its current cell and
// lets the drag stretch the selection from there; the release reports both selections.

namespace {
constexpr int kResizeHandleSize = 6;
} // namespace

TRect TExtStringGrid::SelectionResizeHandle() const
{
    if (!SelectionResizer || !SelectionRectangle) return {};
    const TGridRect sel = Selection();
    const TRect cell = CellRect(sel.Right, sel.Bottom);
    if (cell.Width() <= 0 || cell.Height() <= 0) return {};
    const int left = BiDiMode() == bdLeftToRight ? cell.Right - kResizeHandleSize : cell.Left;
    return {left, cell.Bottom - kResizeHandleSize, left + kResizeHandleSize, cell.Bottom};
}

bool TExtStringGrid::PressSelectionResizer(TShiftState Shift, int X, int Y)
{
    if (!SelectionResizeHandle().Contains({X, Y}) && MouseSelectMode() != msResize) return false;
    FDropSelection = Selection();
    FMouseResize = true;
    if (!Options().Contains(goEditing) && !MouseActions()->RangeSelectAndEdit) LibraryPress(mbLeft, Shift, X, Y);
    // The selection stays as it was, its far corner following the pointer from now on.
    SetGridState(gsSelecting);
    TBaseGrid::SetSelection({FDropSelection.Right, FDropSelection.Bottom, FDropSelection.Left, FDropSelection.Top});
    MouseMove({}, X, Y);
    return true;
}

void TExtStringGrid::EndSelectionResize()
{
    if (!FMouseResize) return;
    const TGridRect now = Selection();
    if (OnSelectionResize) OnSelectionResize(this, FDropSelection, now);
    FMouseResize = false;
    FEditDisable = false;
    if (OnSelectionResized) OnSelectionResized(this, FDropSelection, now);
}
