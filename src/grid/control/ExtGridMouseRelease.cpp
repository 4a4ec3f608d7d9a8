#include <algorithm>
#include <utility>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/control/settings/Grouping.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/SyncGrid.h"
#include "platform/ui/Forms.h"

// What a release ends: a fixed column's sizing, a header drag, a row or column move, a
// disjunct selection step; and a click on a sorting header sorts.

void TExtStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    PushFixedCell(X, Y, false);
    ReleaseFixedDropDown();
    if (Button == mbLeft) {
        LeftRelease(Shift, X, Y);
    } else if (Button == mbRight && EnhRowColMove &&
               (GridState() == gsColMoving || GridState() == gsRowMoving)) {
        // No pop-up menu in the middle of a move.
    } else {
        const TGridRect pre = Selection();
        TBaseGrid::MouseUp(Button, Shift, X, Y);
        const TGridRect sel = Selection();
        if (!(sel == pre)) SelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
    }
}

void TExtStringGrid::LeftRelease(TShiftState Shift, int X, int Y)
{
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    const int origCol = ACol;
    ColMoveFlg = ColSizeFlg = FMouseKeepDown = FMouseDownMove = FMouseDown = false;
    ReleaseControlButton();
    SetMouseSelectMode(msNormal, Cursor());
    FMouseSelectStart = -1;
    FMoveMarkers.Hide();
    EndMoveImage();
    ReleaseFilterButton(X, Y);
    EndFixedSizing(X, Y);
    const bool onCellButton = ReleaseCellButton(ACol, ARow, X, Y);
    HideSizingHint();
    if (onCellButton) {
        FDoOnClick = FClickFired = false;
        return;
    }

    ReleaseDragSourcePress(Shift, ACol, ARow, X, Y);
    TMouseActions& ma = *MouseActions();
    bool deselected = false;
    if (ma.DisjunctRowSelect() && ACol >= 0) {
        if (!(ACol == 0 && ma.HotmailRowSelect())) SyncRowSelect(false);
        if (ARow >= FixedRows() && ARow < RowCount() - FixedFooters && FDeselectState) {
            SetRowSelect(ma.RowSelectPersistent ? RealRowIndex(ARow) : ARow, false);
            deselected = true;
        }
        FDeselectState = false;
    }
    if (Grouping()->AutoSelectGroup && ACol > 0 && IsNode(ARow) && !GetNodeState(ARow)) SelectGroupRows(ARow);
    if (ma.DisjunctColSelect()) {
        SyncColSelect(false);
        if (ACol >= FixedCols() && ACol < ColCount() - FixedRightCols && FDeselectState)
            SetColSelect(ACol, false);
        FDeselectState = false;
    }

    const bool moving = GridState() == gsColMoving || GridState() == gsRowMoving;
    if (moving) DropMove(ACol, ARow);
    const bool sizing = GridState() == gsColSizing || GridState() == gsRowSizing;
    if ((GridState() == gsColSizing && X > Width()) || (GridState() == gsRowSizing && Y > Height())) {
        // Let go outside the grid: the size stays as it was.
        SetGridState(gsNormal);
    } else if (ReleaseDisjunctCells(Shift, ACol, ARow)) {
        const TGridRect pre = Selection();
        // The base grid's release sets the size; the size notification ends the sizing.
        if (GridState() == gsColSizing) {
            ColSized = SizingIndex();
            Colclickedsize = ColWidths(ColSized);
        } else if (GridState() == gsRowSizing) {
            Rowsized = SizingIndex();
            Rowclickedsize = RowHeights(Rowsized);
        }
        TBaseGrid::MouseUp(mbLeft, Shift, X, Y);
        ColSized = Rowsized = -1;
        const TGridRect sel = Selection();
        if (!(sel == pre)) SelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
    } else {
        // The cell was refused: the release ends the press and selects nothing more.
        SetGridState(gsNormal);
    }
    // The row left the selection on purpose: leaving the grid does not put it back.
    if (deselected) FSelChange = false;
    EndSelectionResize();
    if (sizing) ColSizeFlg = true;
    if (moving) ColMoveFlg = true;

    // The press's one click has been reported by now, by the platform or the base grid.
    FDoOnClick = FClickFired = false;
    if (ColMoveFlg || ColSizeFlg || ACol < 0 || ARow < 0 ||
        (ACol < FixedCols() && !SortSettings()->FixedCols)) {
        FDblClk = false;
        return;
    }
    const int realCol = RealColIndex(ACol);
    bool state = false;
    if (OnCheckBoxMouseUp && HasCheckBox(realCol, ARow) && GetCheckBoxState(realCol, ARow, state))
        OnCheckBoxMouseUp(this, realCol, ARow, state);
    int option = -1;
    if (OnRadioMouseUp && IsRadio(realCol, ARow) && GetRadioIdx(realCol, ARow, option))
        OnRadioMouseUp(this, realCol, ARow, option);
    HeaderClickSort(Shift, realCol, ARow, origCol, X, Y, moving);
}

void TExtStringGrid::EndFixedSizing(int X, int Y)
{
    // The new size reaches from the sized column's (row's) start to the pointer.
    const auto sizeTo = [this](bool Cols, int Index, int Pos) {
        for (int i = 0; i < Index; ++i)
            Pos -= Cols ? ColWidths(i) : RowHeights(i);
        return Pos;
    };
    if (FSizingFixed && FSizingFixedCol >= 0) {
        const int width = sizeTo(true, FSizingFixedCol, X);
        SetColWidths(FSizingFixedCol, width);
        if (OnEndColumnSize) OnEndColumnSize(this, FSizingFixedCol);
        int updated = width;
        UpdateColumnSize(FSizingFixedCol, updated);
        if (updated != width) SetColWidths(FSizingFixedCol, updated);
    }
    if (FSizingFixedR && FSizingFixedRow >= 0) {
        SetRowHeights(FSizingFixedRow, sizeTo(false, FSizingFixedRow, Y));
        if (OnEndRowSize) OnEndRowSize(this, FSizingFixedRow);
    }
    FSizeFixed = FSizingFixed = FSizeFixedR = FSizingFixedR = false;
}

// A move drops only on a normal column (row) other than the moved one, and only where the
// last movement was allowed; anywhere else nothing moves.
void TExtStringGrid::DropMove(int ADisplCol, int ADisplRow)
{
    const bool col = GridState() == gsColMoving;
    Screen->SetCursor(crDefault);
    const bool onTarget = col ? ADisplCol >= FixedCols() && ADisplCol != Movecell
                              : ADisplRow >= FixedRows() && ADisplRow != Movecell;
    const bool dropped = FMoveAllowed && onTarget && ADisplCol >= 0 && ADisplRow >= 0;
    FMoveAllowed = true;
    if (dropped) return; // the base grid's release moves it
    SetGridState(gsNormal);
    if (col)
        RepaintRow(0);
    else
        RepaintCol(0);
}

void TExtStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    const int rFrom = RealColIndex(FromIndex), rTo = RealColIndex(ToIndex);
    // The cells live at real columns; the widths at display columns, moved by the base grid.
    TBaseGrid::ColumnMoved(NumHiddenColumns() > 0 ? rFrom : FromIndex,
                           NumHiddenColumns() > 0 ? rTo : ToIndex);
    const TColumnRemap moved = TColumnRemap::Moved(rFrom, rTo);
    RemapColumns(moved);
    TSortSettings& sort = *SortSettings();
    if (sort.Column >= 0) sort.Column = moved.Map(sort.Column);
    for (int i = 0; i < SortIndexes.Count(); ++i)
        SortIndexes.SetSortColumns(i, moved.Map(SortIndexes.SortColumns(i)));
    if (EnhRowColMove) ColMoveFlg = true;
    // The controls moved with their cells' properties.
    if (FNumCellControls > 0) CellControlsUpdate(true);
    if (FloatingFooter()->Visible()) Invalidate();
    auto* other = dynamic_cast<TExtStringGrid*>(SyncGrid()->Grid());
    if (other && SyncGrid()->MoveColumn && !FSyncedMove) {
        other->FSyncedMove = true;
        other->MoveColumn(FromIndex, ToIndex);
        other->FSyncedMove = false;
    }
}

void TExtStringGrid::RowMoved(int FromIndex, int ToIndex)
{
    const bool footer = FloatingFooter()->Visible() && FloatingFooter()->FooterStyle() == fsFixedLastRow;
    if (footer && ToIndex == RowCount() - 1) return;
    // The handler hears of the move once the heights are in place too.
    struct TDetached {
        TMovedEvent& Slot;
        TMovedEvent Kept;
        ~TDetached() { Slot = std::move(Kept); }
    };
    {
        TDetached detached{OnRowMoved, std::exchange(OnRowMoved, nullptr)};
        TBaseGrid::RowMoved(FromIndex, ToIndex);
    }
    FollowMovedRows(TDisplRow(FromIndex), 1, TDisplRow(ToIndex));
    if (EnhRowColMove) ColMoveFlg = true;
    if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
    auto* other = dynamic_cast<TExtStringGrid*>(SyncGrid()->Grid());
    if (other && SyncGrid()->MoveRow && !FSyncedMove) {
        other->FSyncedMove = true;
        other->MoveRow(FromIndex, ToIndex);
        other->FSyncedMove = false;
    }
}

// While a fixed column or row is sized the base grid must not size a column of its own; and
// the application may refuse the sizing of the column left of the pointer or the row above.
void TExtStringGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                                     int& SizingOfs, TGridDrawInfo& FixedInfo)
{
    TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs, FixedInfo);
    if (FSizeFixed || FSizeFixedR) State = gsNormal;
    int c = -1, r = -1;
    MouseToCell(X - 6, Y, c, r);
    if (c >= 0 && r >= 0 && r < FixedRows() && OnColumnSize) {
        bool allow = true;
        OnColumnSize(this, c, allow);
        if (!allow) {
            State = gsNormal;
            FSizeFixed = false;
        }
    }
    MouseToCell(X, Y - 6, c, r);
    if (c >= 0 && c < FixedCols() && r >= 0 && OnRowSize) {
        bool allow = true;
        OnRowSize(this, r, allow);
        if (!allow) State = gsNormal;
    }
}
