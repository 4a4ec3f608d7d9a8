#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/ScrollControl.h"
#include "grid/control/settings/BackGround.h"
#include "grid/foundation/model/SearchFooter.h"
#include "grid/foundation/model/SyncGrid.h"
#include "platform/ui/StdCtrls.h"

namespace {

constexpr int kScrollControlThickness = 6;
constexpr int kSearchPanelHeight = 32;
constexpr int kScrollBarHeight = 17;

} // namespace

int TExtStringGrid::SearchPanelHeight() const { return SearchFooter()->Visible() ? kSearchPanelHeight : 0; }

void TExtStringGrid::ScrollInView(int ColIndex, int RowIndex)
{
    if (ColIndex >= ColCount() || RowIndex >= RowCount()) return;
    int left = LeftCol();
    int top = TopRow();
    if (ColIndex < LeftCol() || ColIndex >= LeftCol() + VisibleColCount()) {
        SetCol(ColIndex);
        left = std::max(FixedCols(), ColIndex - VisibleColCount() / 2);
    }
    if (RowIndex < TopRow() || RowIndex >= TopRow() + VisibleRowCount()) {
        SetRow(RowIndex);
        top = std::max(FixedRows(), RowIndex - VisibleRowCount() / 2);
    }
    left = std::min(left, ColCount() - VisibleColCount() + 1);
    top = std::min(top, RowCount() - VisibleRowCount() + 1);
    if (FixedCols() + VisibleColCount() < ColCount()) SetLeftCol(left);
    if (FixedRows() + VisibleRowCount() >= RowCount()) return;
    SetTopRow(top);

    if (!SearchFooter()->Visible()) return;
    const bool allColumnsShown = FixedCols() + VisibleColCount() >= ColCount();
    const int limit = Height() - SearchPanelHeight() - (allColumnsShown ? 0 : kScrollBarHeight);
    while (CellRect(0, RowIndex).Bottom > limit && TopRow() < RowCount() - 1) {
        const int before = TopRow();
        SetTopRow(TopRow() + 1);
        if (TopRow() == before) break; // the grid cannot scroll further
    }
}

bool TExtStringGrid::LastRowAboveSearchFooter() const
{
    if (!SearchFooter()->Visible()) return false;
    return TopRow() + VisibleRowCount() >= RowCount() - 1 &&
           CellRect(0, RowCount() - 1).Bottom < ClientHeight() - SearchPanelHeight() + 2;
}

void TExtStringGrid::ScrollAboveSearchFooter()
{
    if (!SearchFooter()->Visible() || DefaultRowHeight() + SearchPanelHeight() >= ClientHeight()) return;
    const int limit = ClientHeight() - SearchPanelHeight() + 2;
    while (CellRect(0, RowCount() - 1).Bottom > limit && Row() <= RowCount() - 1 && TopRow() < RowCount()) {
        const int before = TopRow();
        SetTopRow(TopRow() + 1);
        if (TopRow() == before) break;
    }
}

TGridRect TExtStringGrid::FixedBackGroundCells(int DeltaCol, int DeltaRow) const
{
    const TBackGround& bg = *BackGround();
    const TGridCoord topLeft = MouseCoord(bg.Left(), bg.Top());
    const TGridCoord bottomRight =
        MouseCoord(bg.Left() + bg.Bitmap()->Width(), bg.Top() + bg.Bitmap()->Height());
    // A corner beyond the cells lies under the last cell.
    const auto shifted = [](int cell, int last, int delta) { return (cell < 0 ? last : cell) + delta; };
    return {shifted(topLeft.X, ColCount() - 1, DeltaCol), shifted(topLeft.Y, RowCount() - 1, DeltaRow),
            shifted(bottomRight.X, ColCount() - 1, DeltaCol),
            shifted(bottomRight.Y, RowCount() - 1, DeltaRow)};
}

void TExtStringGrid::RepaintFixedBackGround(const TGridRect& Before)
{
    RepaintRect(Before);
    RepaintRect(FixedBackGroundCells(0, 0));
}

void TExtStringGrid::TopLeftChanged()
{
    const TBackGround& bg = *BackGround();
    const bool picture = !bg.Bitmap()->Empty();
    const bool fixedPicture = picture && bg.Display() == bdFixed;
    const TGridRect before =
        fixedPicture ? FixedBackGroundCells(FOldLeftCol - LeftCol(), FOldTopRow - TopRow()) : TGridRect{};

    TBaseGrid::TopLeftChanged();

    const TGridRect sel = Selection();
    if (SelectionRectangle && sel.Bottom > sel.Top) Invalidate();
    const bool gradient =
        (bg.Display() == bdGradientHorz || bg.Display() == bdGradientVert) && bg.ColorTo() != clNone;
    if (fixedPicture)
        RepaintFixedBackGround(before);
    else if ((picture && bg.Display() == bdTile) || gradient)
        Invalidate();
    // Only the text editor moves with its cell; the other editors close.
    if (EditControl != edNormal) HideInplaceEdit();
    // The cell's bar would stay behind over another cell; the next mouse move brings it back.
    if (FScrollBar) FScrollBar->SetVisible(false);
    UpdateFooter();
    CellControlsUpdate(false);

    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();
    if (ComponentState().Contains(csDesigning)) Invalidate();

    if (TStringGrid* other = SyncGrid()->Grid()) {
        if (SyncGrid()->ScrollVertical) other->SetTopRow(TopRow());
        if (SyncGrid()->ScrollHorizontal) other->SetLeftCol(LeftCol());
    }
    if (FVScrollControl) FVScrollControl->Invalidate();
    if (FHScrollControl) FHScrollControl->Invalidate();
}

void TExtStringGrid::KeepingLeftCol(bool Keep, const std::function<void()>& Step)
{
    const int leftCol = LeftCol();
    if (Keep) StartUpdate();
    Step();
    if (!Keep) return;
    SetLeftCol(leftCol);
    ResetUpdate();
}

void TExtStringGrid::SetScrollType(TScrollType Value)
{
    // The field may have been written directly: the slim controls tell what is in force.
    if (Value == ScrollType && (Value == ssMetro) == (FVScrollControl != nullptr)) return;
    ScrollType = Value;
    ApplyFlatScrollBars();
    if (!HandleAllocated()) return;
    if (Value == ssMetro) {
        CreateScrollControls();
        SetScrollBars(ssNone);
    } else if (FVScrollControl) {
        FreeScrollControls();
        SetScrollBars(ssBoth);
    }
}

void TExtStringGrid::CreateScrollControls()
{
    if (FVScrollControl) return;
    const auto make = [this](TScrollDirection Direction) {
        auto* control = new TScrollControl(this);
        control->Direction = Direction;
        control->SetParent(this);
        if (Direction == sdVertical) {
            control->SetWidth(kScrollControlThickness);
            control->SetAlign(alRight);
        } else {
            control->SetHeight(kScrollControlThickness);
            control->SetAlign(alBottom);
        }
        control->SetVisible(true);
        return control;
    };
    FVScrollControl = make(sdVertical);
    FHScrollControl = make(sdHorizontal);
}

void TExtStringGrid::FreeScrollControls()
{
    delete FVScrollControl;
    delete FHScrollControl;
    FVScrollControl = FHScrollControl = nullptr;
}

void TExtStringGrid::ApplyFlatScrollBars()
{
    const TScrollBarLook look = ScrollType == ssFlat      ? sblFlat
                                : ScrollType == ssEncarta ? sblEncarta
                                                          : sblStandard;
    SetScrollBarLook(look, ScrollColor, FScrollWidth);
}

void TExtStringGrid::SetScrollColor(TColor Value)
{
    ScrollColor = Value;
    ApplyFlatScrollBars();
}

void TExtStringGrid::SetScrollWidth(int Value)
{
    FScrollWidth = Value;
    ApplyFlatScrollBars();
}

// The platform's bars already size their thumbs by the part shown: the setting is kept for
// the stored forms.
void TExtStringGrid::SetScrollProportional(bool Value) { FScrollProportional = Value; }
