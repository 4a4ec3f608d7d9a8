#include <utility>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/foundation/model/SyncGrid.h"
#include "grid/foundation/text/CellText.h"

// What a press does, decided by where it lands: sizing a fixed column, a header selection,
// a check box, a link, a direct edit, or the base grid's own selection and editing.

namespace {

// A press this near a header cell's side border sizes the column instead of clicking it.
constexpr int kSizingBorder = 4;

} // namespace

void TExtStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    PushFixedCell(X, Y, true);
    if (Button == mbLeft && Shift.Contains(ssDouble))
        DoubleClickPress(Shift, X, Y);
    else if (Button == mbLeft)
        LeftPress(Shift, X, Y);
    else if (Button == mbRight)
        RightPress(Shift, X, Y);
    else
        LibraryPress(Button, Shift, X, Y);
}

void TExtStringGrid::LibraryPress(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TMouseActions& ma = *MouseActions();
    if (ma.RangeSelectAndEdit && Button == mbLeft && !ma.EditOnDblClickOnly()) {
        int col = -1, row = -1;
        MouseToCell(X, Y, col, row);
        bool canEdit = true;
        if (col >= 0 && row >= 0) IsReadOnlyCell(RealColIndex(col), row, canEdit);
        const bool editing = Options().Contains(goEditing);
        if (col == Col() && row == Row() && !editing && canEdit) {
            SetOptions(Options() + TGridOptions{goEditing});
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            ShowEditor();
            return;
        }
        if ((col != Col() || row != Row()) && editing && Shift.Contains(ssShift)) {
            SetOptions(Options() - TGridOptions{goEditing});
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            return;
        }
    }
    if (Button == mbLeft && PressFixedDropDown(X, Y)) return;
    TBaseGrid::MouseDown(Button, Shift, X, Y);
    if (PressFixedCellEdit(Button, X, Y)) return;
    if (TStringGrid* other = SyncGrid()->Grid()) {
        if (SyncGrid()->SelectionColumn) other->SetCol(Col());
        if (SyncGrid()->SelectionRow) other->SetRow(Row());
    }
}

bool TExtStringGrid::OnHeaderSizingBorder(int ADisplCol, int ADisplRow, int X) const
{
    if (ADisplRow >= FixedRows() || !Options().Contains(goColSizing)) return false;
    const TRect r = CellRect(ADisplCol, ADisplRow);
    return X - r.Left < kSizingBorder || r.Right - X < kSizingBorder;
}

void TExtStringGrid::LeftPress(TShiftState Shift, int X, int Y)
{
    FDoOnClick = FMouseDownMove = FMouseKeepDown = true;
    FClickFired = false;
    FSpinUpClick = FSpinDnClick = false;
    if (PressSelectionResizer(Shift, X, Y)) return;
    const TGridRect oldSel = Selection();
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    TMouseActions& ma = *MouseActions();
    if (Options().Contains(goEditing) && ma.RangeSelectAndEdit && !oldSel.Contains(ACol, ARow))
        SetOptions(Options() - TGridOptions{goEditing});

    bool allow = true;
    if (OnCanClickCell) OnCanClickCell(this, ARow, ACol, allow);
    if (!allow) return;
    if (FCellSelectorMode) {
        CellSelectorClick(ACol, ARow);
        return;
    }
    PressDisjunctCells(Shift, ACol, ARow);
    SetIncrSearchText("");
    FMoveColInd = FMoveRowInd = -1;
    FPushedCellButton = {-1, -1};
    FOldKeepLeftCol = LeftCol();
    if (ARow == 0)
        MouseToCell(X - 5, Y, Colclicked, Rowclicked);
    else if (ACol == 0)
        MouseToCell(X, Y - 4, Colclicked, Rowclicked);
    else
        MouseToCell(X - 5, Y - 4, Colclicked, Rowclicked);
    Clickposx = X;
    Clickposy = Y;
    const bool valid = ACol >= 0 && ARow >= 0;
    const bool fixedPos = valid && (ARow < FixedRows() || ACol < FixedCols());
    if (!valid) {
        HideInplaceEdit();
        if (!FixedRowAlways) LibraryPress(mbLeft, Shift, X, Y);
        return;
    }
    const TPoint base = BaseCell(ACol, ARow);
    const int clickedCol = ACol, clickedRow = ARow;
    ACol = base.X;
    ARow = base.Y;
    const TRect rect = CellRect(ACol, ARow);
    if (MouseActions()->CaretPositioning) LButFlg = true;
    if (PressFixedSizing(X, Y)) return;
    const bool declFixed = IsFixed(ACol, ARow) && !fixedPos;
    if (fixedPos || declFixed) HideInplaceEdit();
    if ((fixedPos || declFixed) && FixedAsButtons) PushFixedButton(ACol, ARow, X);
    const int realCol = RealColIndex(ACol);
    PressDrawnSpinButton(realCol, ARow, rect, X, Y);
    if (PressCellControl(Shift, ACol, ARow, clickedCol, clickedRow, X, Y)) return;

    // A press on a merged cell's other parts selects the merged block through its base cell.
    int pressX = X, pressY = Y;
    if (IsMergedCell(ACol, ARow) && !IsFixed(ACol, ARow) && !OnMouseDown) {
        pressX = rect.Left + 2;
        pressY = rect.Top + 2;
    }
    if (Colclicked >= 0 && Rowclicked >= 0) {
        const TRect edge = CellRect(Colclicked, Rowclicked);
        Clickposdx = X - edge.Right;
        Clickposdy = Y - edge.Bottom;
    } else {
        Clickposdx = Clickposdy = 0;
    }
    bool done = false;
    DisjunctPress(Shift, ACol, ARow, oldSel, done);
    if (done) return;
    if (PressAnchor(clickedCol, clickedRow, X, Y)) return;

    Movecell = -1;
    if (PressHeaderSelection(Shift, ACol, ARow, oldSel)) return;
    if (ARow < FixedRows() && ACol >= FixedCols()) Movecell = ACol;
    if (ACol < FixedCols() && ARow >= FixedRows()) Movecell = ARow;
    MoveOfsX = X - rect.Left;
    MoveOfsY = Y - rect.Top;

    bool canEdit = Options().Contains(goEditing) || ma.RangeSelectAndEdit;
    IsReadOnlyCell(realCol, ARow, canEdit);
    if (PressCheckBox(ACol, ARow, realCol, X, Y, canEdit)) return;

    // An always-visible drop-down opens on a single press, even where editing waits for a
    // double click.
    const bool normalCell = !fixedPos && !declFixed;
    const bool isCombo = normalCell && ControlLook()->DropDownAlwaysVisible() && HasCombo(realCol, ARow);
    const bool directEdit = normalCell && (canEdit || (ma.EditOnDblClickOnly() && isCombo)) &&
                            (ma.DirectEdit || isCombo) && !IsControlCell(realCol, ARow);
    if (directEdit) {
        HideInplaceEdit();
        SetFocus();
    }
    const TGridRect now = Selection();
    const bool onSel = now.Left == ACol && now.Right == ACol && now.Top == ARow && now.Bottom == ARow;
    const bool startRange = !onSel && ma.RangeSelectAndEdit && !IsFixed(ACol, ARow) && !canEdit;
    if (startRange) SetOptions(Options() - TGridOptions{goEditing});

    if (declFixed) {
        const bool footerRow = FloatingFooter()->Visible() &&
                               FloatingFooter()->FooterStyle() == fsFixedLastRow && ARow == RowCount() - 1;
        if (!footerRow && OnClickCell) OnClickCell(this, clickedRow, clickedCol);
        return;
    }
    if (!SelectionHidden()) {
        const bool alwaysEdit = Navigation()->AlwaysEdit;
        Navigation()->AlwaysEdit = false;
        LibraryPress(mbLeft, Shift, pressX, pressY);
        Navigation()->AlwaysEdit = alwaysEdit;
    }
    if (!OnHeaderSizingBorder(ACol, ARow, X) && OnClickCell) OnClickCell(this, clickedRow, clickedCol);
    if (OnCellValidate) {
        FEntered = false;
        StoreOldCellValue(RealColIndex(Col()), Row());
    }
    const bool inside = X - rect.Left >= kSizingBorder && rect.Right - X >= kSizingBorder;
    if (IsMergedCell(ACol, ARow) && !IsFixed(ACol, ARow) && (onSel || ma.DirectEdit) && canEdit)
        SetEditorMode(true);
    else if (inside && directEdit) {
        if (ma.EditOnDblClickOnly() && isCombo && !Options().Contains(goEditing)) {
            SetOptions(Options() + TGridOptions{goEditing});
            SetFocus();
        }
        DirectEditCell(ACol, ARow);
    }
    if (startRange) SetGridState(gsSelecting);
}

// A fixed column's right border (or a fixed row's bottom border) under the pointer starts
// sizing it; the release applies the new size.
bool TExtStringGrid::PressFixedSizing(int X, int Y)
{
    if (ComponentState().Contains(csDesigning)) return false;
    if (FSizeFixed && FixedCols() > 0) {
        FSizingFixed = true;
        FSizeFixedX = X;
        FSizingFixedCol = FixedBorderAt(true, X);
        return true;
    }
    if (FSizeFixedR && FixedRows() > 0) {
        FSizingFixedR = true;
        FSizeFixedY = Y;
        FSizingFixedRow = FixedBorderAt(false, Y);
        return true;
    }
    return false;
}

void TExtStringGrid::DisjunctPress(TShiftState Shift, int ADisplCol, int ADisplRow, const TGridRect& OldSel,
                                   bool& Done)
{
    TMouseActions& ma = *MouseActions();
    if (ma.DisjunctRowSelect() && ADisplRow >= FixedRows() && !(ADisplCol == 0 && ma.HotmailRowSelect())) {
        const int row = ma.RowSelectPersistent ? RealRowIndex(ADisplRow) : ADisplRow;
        if (Shift.Contains(ssShift)) {
            LibraryPress(mbLeft, Shift, Clickposx, Clickposy);
            SetSelection({ADisplCol, ADisplRow, OldSel.Left, OldSel.Top});
            Done = true;
            return;
        }
        if (Shift.Contains(ssCtrl) || ma.DisjunctRowSelectNoCtrl) {
            if (RowSelect(row)) FDeselectState = true;
        } else {
            FMouseDown = true;
            if (!Shift.Contains(ssAlt)) ClearRowSelect();
        }
    }
    if (ma.DisjunctColSelect() && ADisplCol >= FixedCols()) {
        if (Shift.Contains(ssCtrl) && ColSelect(ADisplCol)) {
            FDeselectState = true;
        } else {
            FMouseDown = true;
            ClearColSelect();
        }
    }
}

bool TExtStringGrid::PressHeaderSelection(TShiftState Shift, int ADisplCol, int ADisplRow,
                                          const TGridRect& OldSel)
{
    TMouseActions& ma = *MouseActions();
    const bool range = Options().Contains(goRangeSelect);
    TGridRect sel;
    if (ADisplRow < FixedRows() && ADisplCol < FixedCols() && ma.AllSelect && range &&
        MouseSelectMode() == msAll) {
        SetFocus();
        sel = {FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1};
        BeforeSelectAll(sel);
    } else if (ADisplCol < FixedCols() && ADisplRow >= FixedRows() && ma.RowSelect &&
               MouseSelectMode() == msRow) {
        if (Options().Contains(goEditing)) SetFocus();
        sel = {FixedCols(), Shift.Contains(ssShift) ? OldSel.Top : ADisplRow, ColCount() - 1, ADisplRow};
        FMouseSelectStart = ADisplRow;
    } else if (ADisplRow < FixedRows() && ADisplCol >= FixedCols() && ma.ColSelect && range &&
               MouseSelectMode() == msColumn) {
        SetFocus();
        // With Shift the columns run to the far side of the old selection.
        int from = ADisplCol, to = ADisplCol;
        if (Shift.Contains(ssShift) && ADisplCol < OldSel.Left)
            to = OldSel.Right;
        else if (Shift.Contains(ssShift))
            from = OldSel.Left;
        sel = {from, FixedRows(), to, RowCount() - 1};
        FMouseSelectStart = ADisplCol;
    } else {
        return false;
    }
    if (sel.Top > sel.Bottom) std::swap(sel.Top, sel.Bottom);
    SetSelection(sel);
    DoExit();
    return true;
}

// Check boxes and radio buttons answer a press on their box in every row, headers too.
bool TExtStringGrid::PressCheckBox(int ADisplCol, int ADisplRow, int ARealCol, int X, int Y, bool CanEdit)
{
    TMouseActions& ma = *MouseActions();
    const bool hotmail = ADisplCol == 0 && ma.HotmailRowSelect();
    const bool active = CanEdit || ControlLook()->CheckAlwaysActive || hotmail;
    const bool isRadio = HasRadioButton(ARealCol, ADisplRow);
    if (!active || !(HasCheckBox(ARealCol, ADisplRow) || isRadio) || !IsInCheckBox(ARealCol, ADisplRow, X, Y))
        return false;
    HideInplaceEdit();
    SetFocus();
    const int realRow = RealRowIndex(ADisplRow);
    if (isRadio) {
        ToggleCheckBoxColumn(ARealCol, ADisplRow, true);
        if (OnRadioButtonClick) OnRadioButtonClick(this, ARealCol, ADisplRow);
    } else {
        ToggleCheckBoxCell(ARealCol, ADisplRow, true);
    }
    if (ShowModified()->Enabled) {
        SetRowModified(ADisplRow, true);
        RepaintCell(0, ADisplRow);
    }
    if (hotmail) {
        SetRowSelect(realRow, !RowSelect(realRow));
        if (ADisplRow == Row() && !RowSelect(realRow)) HideSelection();
    }
    // The check box reads take the display row, like the toggle above.
    bool state = false;
    GetCheckBoxState(ARealCol, ADisplRow, state);
    if (!Navigation()->AlwaysEdit && ADisplCol >= FixedCols() && ADisplRow >= FixedRows())
        MoveCurrentCell(ADisplCol, ADisplRow);
    DoCheckBoxClick(ADisplCol, ADisplRow, state);
    if (ADisplRow < FixedRows() && ma.CheckAllCheck) {
        for (int r = FixedRows(); r < RowCount() - FixedFooters; ++r) {
            if (ma.HotmailRowSelect())
                SetRowSelect(r, state);
            else
                SetCheckBoxState(ARealCol, r, state);
        }
        Invalidate();
    }
    if (OnMouseDown) OnMouseDown(this, mbLeft, {}, X, Y);
    Click();
    return true;
}

void TExtStringGrid::DirectEditCell(int ADisplCol, int ADisplRow)
{
    bool allow = true;
    if (ADisplRow != Row() && OnRowChanging) OnRowChanging(this, Row(), ADisplRow, allow);
    if (ADisplCol != Col() && OnColChanging) OnColChanging(this, Col(), ADisplCol, allow);
    if ((ADisplRow != Row() || ADisplCol != Col()) && OnCellChanging)
        OnCellChanging(this, Row(), Col(), ADisplRow, ADisplCol, allow);
    if (!allow) return;
    SetSelection({ADisplCol, ADisplRow, ADisplCol, ADisplRow});
    StoreOldCellValue(RealColIndex(ADisplCol), ADisplRow);
    SetEditorMode(true);
}

void TExtStringGrid::DoubleClickPress(TShiftState Shift, int X, int Y)
{
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (ACol == -1) {
        if (FixedRowAlways) {
            LibraryPress(mbLeft, Shift, X, Y);
            FDblClickFired = false;
            return;
        }
        ACol = ColCount() - 1;
        ARow = 0;
    }
    const TMouseActions& ma = *MouseActions();
    if (ARow >= 0 && ARow < FixedRows() && Options().Contains(goColSizing) && ma.AutoSizeColOnDblClick) {
        const TRect r = CellRect(ACol, ARow);
        bool sized = false;
        if (X - r.Left < kSizingBorder) {
            sized = FDblClk = true;
            if (ACol - 1 >= FixedCols()) AutoSizeColOnDblClick(ACol - 1);
        } else if (r.Right - X < kSizingBorder && ACol >= FixedCols()) {
            sized = FDblClk = true;
            AutoSizeColOnDblClick(ACol);
        }
        if (sized) {
            FForceSel = false;
            LibraryPress(mbLeft, Shift, X, Y);
            FDblClickFired = false;
            return;
        }
    }
    // The button's own press and release have answered already.
    if (ARow >= 0 && OnCellButton(ACol, ARow, {X, Y})) return;
    LibraryPress(mbLeft, Shift, X, Y);
    FDblClickFired = false;
    // A cell holding a control answers the click itself.
    if (ARow >= 0 && IsControlCell(RealColIndex(ACol), ARow)) return;
    if (OnDblClickCell) OnDblClickCell(this, ARow, ACol);
    if (ARow >= 0) EditOnDoubleClick(ACol, ARow);
    FForceSel = false;
    if (FixedCellEditAsked(fceDblClick, ACol, ARow)) StartFixedCellEdit(ACol, ARow);
}

void TExtStringGrid::EditOnDoubleClick(int ADisplCol, int ADisplRow)
{
    TMouseActions& ma = *MouseActions();
    if (!IsEditable(ADisplCol, ADisplRow)) return;
    if (ma.EditOnDblClickOnly()) {
        const bool rangeSelectAndEdit = ma.RangeSelectAndEdit;
        ma.RangeSelectAndEdit = true;
        SetOptions(Options() + TGridOptions{goEditing});
        StoreOldCellValue(RealColIndex(ADisplCol), ADisplRow);
        ShowInplaceEdit();
        ma.RangeSelectAndEdit = rangeSelectAndEdit;
    } else if (ma.RangeSelectAndEdit) {
        SetOptions(Options() + TGridOptions{goEditing});
        const TPoint base = BaseCell(ADisplCol, ADisplRow);
        const TRect r = CellRect(base.X, base.Y);
        MouseDown(mbLeft, {}, r.Left + 4, r.Top + 4);
    }
}

void TExtStringGrid::AutoSizeColOnDblClick(int ADisplCol)
{
    bool allow = true;
    if (OnColumnSize) OnColumnSize(this, ADisplCol, allow);
    if (!allow) return;
    AutoSizeCol(ADisplCol, 0);
    if (OnEndColumnSize) OnEndColumnSize(this, ADisplCol);
}

void TExtStringGrid::RightPress(TShiftState Shift, int X, int Y)
{
    LibraryPress(mbRight, Shift, X, Y);
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    TMouseActions& ma = *MouseActions();
    const bool valid = ACol >= 0 && ARow >= 0;
    if (ma.SelectOnRightClick && valid && !IsFixed(ACol, ARow) &&
        !(ma.DisjunctCellSelect() && SelectedCells(ACol, ARow))) {
        const TPoint base = BaseCell(ACol, ARow);
        // Without its own handler the right press selects as a left click would.
        if (!IsControlCell(RealColIndex(ACol), ARow)) {
            if (OnRightClickCell) {
                FocusCell(base.X, base.Y);
            } else {
                MouseDown(mbLeft, {}, X, Y);
                MouseUp(mbLeft, {}, X, Y);
            }
        }
        if (!Selection().Contains(ACol, ARow)) {
            KeepingLeftCol(Navigation()->KeepHorizScroll, [&] { MoveCurrentCell(base.X, base.Y); });
        } else if (OnSelectCell) {
            bool canSelect = true;
            OnSelectCell(this, ACol, ARow, canSelect);
        }
        if (ma.DisjunctRowSelect()) {
            if (Shift.Contains(ssCtrl) || ma.DisjunctRowSelectNoCtrl) {
                SetRowSelect(ARow, !RowSelect(ARow));
            } else if (RowSelectCount() <= 1) {
                ClearRowSelect();
                SetRowSelect(ARow, true);
            }
        }
    }
    if (OnRightClickCell) OnRightClickCell(this, ARow, ACol);
    // A link opens on a left press; the right press edits its text.
    if (URLShow && URLEdit && valid && IsUrlText(Cells(RealColIndex(ACol), ARow))) {
        MoveCurrentCell(ACol, ARow);
        ShowEditor();
    }
}

// Each press reports one click and each double click one double click, though the platform
// and the base grid both report them.
void TExtStringGrid::Click()
{
    if (FDoOnClick) {
        const bool sizing = GridState() == gsColSizing || GridState() == gsRowSizing;
        if (FClickFired || sizing || FSizingFixed || FSizingFixedR) return;
        FClickFired = true;
    }
    TBaseGrid::Click();
}

void TExtStringGrid::DblClick()
{
    if (FDblClickFired) return;
    FDblClickFired = true;
    TBaseGrid::DblClick();
}
