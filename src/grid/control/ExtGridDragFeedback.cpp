#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/HeaderDragButton.h"
#include "grid/control/NoActiveForm.h"
#include "grid/control/settings/DragDropSettings.h"
#include "platform/ui/Mouse.h"

// What the user sees of a drag out of the grid: the dragged cells, or a column's header,
// floating beside the pointer until the drag ends.

void TExtStringGrid::ShowDragFeedback(bool Column, int ADisplCol)
{
    EndDragFeedback();
    const int lastRow = std::min(TopRow() + VisibleRowCount(), RowCount() - 1);
    if (DragDropSettings()->ShowCells) {
        TGridRect cells{ADisplCol, TopRow(), ADisplCol, lastRow};
        if (!Column) {
            // Only what can be seen of the selection goes along.
            const TGridRect sel = Selection();
            const int lastCol = std::min(LeftCol() + VisibleColCount(), ColCount() - 1);
            cells = {std::max(sel.Left, LeftCol()), std::max(sel.Top, TopRow()), std::min(sel.Right, lastCol),
                     std::min(sel.Bottom, lastRow)};
        }
        if (cells.Left > cells.Right || cells.Top > cells.Bottom) return;
        FMoveForm = SelectionToForm(cells);
        FollowDragPointer(Mouse->CursorPos());
    } else if (Column) {
        if (!FMoveButton) FMoveButton = new THeaderDragButton(this);
        const TRect header = CellRect(ADisplCol, 0);
        FMoveButton->SetDragCaption(Cells(RealColIndex(ADisplCol), 0));
        FMoveButton->SetBounds(0, 0, header.Right - header.Left, header.Bottom - header.Top);
        FollowDragPointer(Mouse->CursorPos());
        FMoveButton->Show();
    }
}

void TExtStringGrid::FollowDragPointer(TPoint ScreenPt)
{
    if (FMoveForm)
        FMoveForm->ShowAt({ScreenPt.X + 4, ScreenPt.Y + 4});
    else if (FMoveButton)
        FMoveButton->SetBounds(ScreenPt.X, ScreenPt.Y - FMoveButton->Height(), FMoveButton->Width(),
                               FMoveButton->Height());
}

void TExtStringGrid::EndDragFeedback() { FMoveForm.reset(); }
