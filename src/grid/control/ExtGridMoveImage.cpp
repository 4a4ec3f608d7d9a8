#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/HeaderDragButton.h"
#include "grid/control/NoActiveForm.h"
#include "grid/control/settings/DragDropSettings.h"

// What follows the pointer while a row or column header is dragged to another place: a
// see-through picture of the moved cells (DragDropSettings.ShowCells) or the header drag
// button with the header's text. The release puts both away.

namespace {
// The drag image lets three quarters of itself show.
constexpr int kDragImageAlpha = 192;
} // namespace

std::unique_ptr<TNoActiveForm> TExtStringGrid::SelectionToForm(const TGridRect& ARect)
{
    TBitmap whole(Width(), Height());
    PaintTo(whole.Canvas(), 0, 0);
    // The picture of the whole control starts with its border.
    const TPoint origin = ClientToScreen({0, 0});
    const TPoint corner = Parent() ? Parent()->ClientToScreen({Left(), Top()}) : origin;
    const int dx = origin.X - corner.X, dy = origin.Y - corner.Y;
    const TRect a = CellRectUnclipped(ARect.Left, ARect.Top), b = CellRectUnclipped(ARect.Right, ARect.Bottom);
    const int left = std::min(a.Left, b.Left), top = std::min(a.Top, b.Top);
    const int right = std::max(a.Right, b.Right), bottom = std::max(a.Bottom, b.Bottom);
    // The cells with the grid lines at their right and bottom.
    TBitmap picture(right - left + 1, bottom - top + 1);
    TCanvas& canvas = *picture.Canvas();
    canvas.CopyRect({0, 0, picture.Width(), picture.Height()}, whole.Canvas(),
                    {left + dx, top + dy, right + 1 + dx, bottom + 1 + dy});
    // Cut out of the header, the picture gets the header's outer line back.
    canvas.Pen()->SetColor(GridFixedLineColor());
    if (ARect.Left == 0 && FixedCols() > 0 && Options().Contains(goFixedHorzLine)) {
        canvas.MoveTo(0, 0);
        canvas.LineTo(0, picture.Height());
    }
    if (ARect.Top == 0 && FixedRows() > 0 && Options().Contains(goFixedVertLine)) {
        canvas.MoveTo(0, 0);
        canvas.LineTo(picture.Width(), 0);
    }
    auto form = std::make_unique<TNoActiveForm>(this);
    form->SetPicture(picture);
    form->SetOpacity(kDragImageAlpha);
    return form;
}

void TExtStringGrid::MoveImageFeedback(bool Cols, int ADisplCol, int ADisplRow, int X, int Y)
{
    const bool showCells = DragDropSettings()->ShowCells;
    if (!FMoveButton) FMoveButton = new THeaderDragButton(this);
    THeaderDragButton& button = *FMoveButton;
    if (Cols && Movecell >= FixedCols() && ADisplRow >= 0) {
        if (showCells && !FMoveForm)
            FMoveForm = SelectionToForm(
                {Movecell, 0, Movecell, std::min(TopRow() + VisibleRowCount() - FixedRows(), RowCount() - 1)});
        button.SetDragCaption(Cells(RealColIndex(Movecell), 0));
        button.SetBounds(button.Left(), button.Top(), ColWidths(Movecell), RowHeights(ADisplRow));
    } else if (!Cols && Movecell >= FixedRows() && ADisplCol >= 0) {
        if (showCells && !FMoveForm)
            FMoveForm = SelectionToForm(
                {0, Movecell, std::min(LeftCol() + VisibleColCount() - FixedCols(), ColCount() - 1), Movecell});
        button.SetDragCaption(Cells(0, Movecell));
        button.SetBounds(button.Left(), button.Top(), ColWidths(ADisplCol), RowHeights(Movecell));
    }
    // The pressed header keeps its offset to the pointer.
    const TPoint at = ClientToScreen({X - MoveOfsX, Y - MoveOfsY});
    if (showCells && FMoveForm) {
        const int left = BiDiMode() == bdRightToLeft ? at.X + ColWidths(0) - FMoveForm->Width() : at.X;
        FMoveForm->ShowAt({left, at.Y});
    } else if (!showCells) {
        button.ShowAt(Bounds(at.X, at.Y, button.Width(), button.Height()));
    }
}

void TExtStringGrid::EndMoveImage()
{
    if (FMoveButton) FMoveButton->Hide();
    FMoveForm.reset();
}
