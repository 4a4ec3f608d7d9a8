#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"

// The selection's resize handle: a press on it keeps the selection and its current cell and
// lets the drag stretch the selection from there; the release reports both selections. The
// press copies the selection, so that a grid whose current cell switched editing off (a
// read-only cell of an editing grid) fills the stretched selection from it on the release.

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
    CopySelectionToClipboard();
    FMouseResize = true;
    if (!Options().Contains(goEditing) && !MouseActions()->RangeSelectAndEdit) {
        // The base grid's press visits the handle's cell; the current cell and whether it
        // may be edited stay as they were, or an editable corner cell would give editing
        // back and turn the stretch into a move of the current cell.
        const bool editDisable = FEditDisable;
        const TGridOptions options = Options();
        LibraryPress(mbLeft, Shift, X, Y);
        if (Options() != options) SetOptions(options);
        FEditDisable = editDisable;
    }
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
    if (FEditDisable) PasteSelectionFromClipboard();
    FMouseResize = false;
    FEditDisable = false;
    if (OnSelectionResized) OnSelectionResized(this, FDropSelection, now);
}
