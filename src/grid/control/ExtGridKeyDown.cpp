#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/SearchPanel.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/foundation/model/SearchFooter.h"
#include "grid/foundation/model/SyncGrid.h"
#include "grid/foundation/text/CellText.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Messages.h"

namespace {

bool IsArrowKey(Word Key) { return Key >= VK_LEFT && Key <= VK_DOWN; }
bool IsNavigationKey(Word Key) { return Key >= VK_PRIOR && Key <= VK_DOWN; }

TGridRect Normalised(TGridRect R)
{
    if (R.Left > R.Right) std::swap(R.Left, R.Right);
    if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
    return R;
}

} // namespace

void TExtStringGrid::FireKeyDown(Word Key, TShiftState Shift) { TCustomControl::KeyDown(Key, Shift); }

void TExtStringGrid::SwallowKey(TMessage& Message, TShiftState Shift)
{
    FireKeyDown(static_cast<Word>(Message.WParam), Shift);
    Message.WParam = 0;
    Message.Result = 1;
}

// The grid's keys are taken in stages around the platform grid's own navigation: some are
// handled completely before it, some prepared before and finished after it.
void TExtStringGrid::WMKeyDown(TMessage& Message)
{
    const auto key = static_cast<Word>(Message.WParam);
    const TShiftState shift = KeyDataToShiftState(Message.LParam);
    FLastKeyDown = key;
    // An editor a key opens was not opened by the last click.
    LButFlg = false;
    const int savedLeft = LeftCol();
    FMoveSelection = Selection();
    const int realCol = RealColIndex(Col());
    const bool vertical = key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN;
    // Moving up and down a row-selecting grid never scrolls it sideways.
    const bool keepLeft = vertical && Options().Contains(goRowSelect) && LeftCol() != FixedCols() &&
                          Navigation()->KeepHorizScroll;
    Message.Result = 0;

    if (ScrollOnlyKey(key)) {
        Message.Result = 1;
        return;
    }
    if (key == 'F' && shift.Contains(ssCtrl) && SearchFooter()->Visible() && SearchPanel())
        SearchPanel()->EditControl()->SetFocus();
    if (EditStartKey(Message, shift, realCol)) return;
    if ((key == VK_RETURN || key == VK_SPACE) && IsControlCell(realCol, Row()))
        ControlCellKey(key, realCol);
    if (HomeEndKey(Message, shift)) return;
    if (ArrowKeyBefore(Message, shift)) return;

    if (key == VK_DOWN && IsLastNormalRow() && Navigation()->AppendOnArrowDown) AutoAppendRow();
    if (SelectionRectangle && !(Selection() == FMoveSelection)) {
        RepaintRect(Normalised(Selection()));
        FMoveSelection = Selection();
    }
    // At the bottom of a grid with the search footer the keys must not bring rows under it.
    const bool footerGuard = SearchFooter()->Visible() && TopRow() >= RowCount() - VisibleRowCount();
    const int savedTop = TopRow();
    if (footerGuard && SearchFooterStopsKey(key)) {
        SwallowKey(Message, shift);
        return;
    }
    if (keepLeft) BeginUpdate();
    TBaseGrid::WMKeyDown(Message);
    if (keepLeft) {
        SetLeftCol(savedLeft);
        EndUpdate();
    }
    if (footerGuard && TopRow() >= RowCount() - VisibleRowCount() && !IsNavigationKey(key) && key != VK_SHIFT &&
        key != VK_MENU)
        SetTopRow(savedTop);
    const bool towardsEnd = key == VK_NEXT || key == VK_END || key == VK_LEFT || key == VK_RIGHT || key == VK_DOWN;
    if (towardsEnd && Row() == RowCount() - 1) ScrollAboveSearchFooter();
    if (KeyAfter(key, shift)) return;
    KeyDownDone();
}

void TExtStringGrid::KeyDownDone()
{
    if (Selection() == FMoveSelection) return;
    const TGridRect s = Selection();
    SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    FMoveSelection = Selection();
}

// In the last row, Down only lifts that row above the search footer, and Left and Right
// stop at the row's ends; true when the key ends there.
bool TExtStringGrid::SearchFooterStopsKey(Word Key)
{
    if (Row() < RowCount() - 1) return false;
    if (Key == VK_DOWN) {
        ScrollAboveSearchFooter();
        return true;
    }
    return (Key == VK_RIGHT && Col() == ColCount() - 1) || (Key == VK_LEFT && Col() == FixedCols());
}

// Scroll-only mode: the view moves, the current cell stays and no OnKeyDown fires.
bool TExtStringGrid::ScrollOnlyKey(Word Key)
{
    if (!Navigation()->MoveScrollOnly) return false;
    const int top = TopRow(), visible = VisibleRowCount();
    switch (Key) {
    case VK_PRIOR:
        SetTopRow(visible + FixedRows() >= top ? FixedRows() : top - visible);
        return true;
    case VK_NEXT:
        if (top + visible < RowCount()) SetTopRow(top + visible);
        return true;
    case VK_END:
        SetTopRow(RowCount() - visible);
        return true;
    case VK_HOME:
        SetTopRow(FixedRows());
        return true;
    case VK_UP:
        if (top > FixedRows()) SetTopRow(top - 1);
        return true;
    case VK_DOWN:
        if (top + visible < RowCount()) SetTopRow(top + 1);
        return true;
    default:
        return false;
    }
}

// Enter and F2: whether they may open an editor here, and what happens when they may not.
bool TExtStringGrid::EditStartKey(TMessage& Message, TShiftState Shift, int RealCol)
{
    const auto key = static_cast<Word>(Message.WParam);
    if (key != VK_RETURN && key != VK_F2) return false;
    TMouseActions& mouse = *MouseActions();
    if (mouse.EditOnDblClickOnly() && !Options().Contains(goEditing)) {
        const bool kept = mouse.RangeSelectAndEdit;
        mouse.RangeSelectAndEdit = true;
        const bool editable = IsEditable(RealCol, Row());
        mouse.RangeSelectAndEdit = kept;
        if (editable) SetOptions(Options() + goEditing);
    }
    if (mouse.RangeSelectAndEdit && !Options().Contains(goEditing)) {
        if (!IsEditable(RealCol, Row())) {
            SwallowKey(Message, Shift);
            return true;
        }
        SetOptions(Options() + goEditing);
        ShowInplaceEdit();
    }
    if (Options().Contains(goEditing) && !IsEditable(RealCol, Row())) {
        SwallowKey(Message, Shift);
        return true;
    }
    // The keyboard reaches a cell's form controls through their first editable one.
    if (HoldsFormControls(RealCol, Row())) {
        Message.Result = 1;
        FocusNextCellControl(Col(), Row(), "");
        return true;
    }
    if (key == VK_RETURN && !IsEditable(RealCol, Row())) {
        const TCustomForm* form = GetParentForm(this);
        if (form && form->KeyPreview())
            TBaseGrid::WMKeyDown(Message);
        else
            SwallowKey(Message, Shift);
        return true;
    }
    return false;
}

// Enter and Space on a check box, radio button or button cell act on the control.
void TExtStringGrid::ControlCellKey(Word Key, int RealCol)
{
    const int row = Row();
    bool canToggle = Options().Contains(goEditing) || MouseActions()->RangeSelectAndEdit;
    IsReadOnlyCell(RealCol, row, canToggle);
    if ((canToggle || ControlLook()->CheckAlwaysActive) && HasCheckBox(RealCol, row) && Key == VK_SPACE) {
        ToggleCheckBoxCell(RealCol, row, true);
        if (ShowModified()->Enabled) {
            SetRowModified(row, true);
            RepaintCell(0, row);
        }
        // The state is read from the cell just toggled: the grid's check box reads take
        // the display row, where the real row would name another row once rows are hidden.
        bool state = false;
        GetCheckBoxState(RealCol, row, state);
        DoCheckBoxClick(RealCol, row, state);
    }
    const bool radioActive = canToggle || ControlLook()->RadioAlwaysActive;
    if (radioActive && IsRadio(RealCol, row) && Key == VK_SPACE) {
        SelectNextRadio(RealCol, row, true);
        int index = -1;
        GetRadioIdx(RealCol, row, index);
        if (OnRadioClick) OnRadioClick(this, RealCol, row, index);
    }
    if (radioActive && HasRadioButton(RealCol, row) && Key == VK_SPACE) {
        ToggleCheckBoxColumn(RealCol, row, true);
        if (OnRadioButtonClick) OnRadioButtonClick(this, RealCol, row);
    }
    if (canToggle && HasButton(RealCol, row)) DoButtonClick(RealCol, row);
    RepaintCell(Col(), row);
}

bool TExtStringGrid::HoldsFormControls(int ARealCol, int ADisplRow) const
{
    const std::string text = Cells(ARealCol, ADisplRow);
    return GetTextType(text, EnableHTML) == ttMarkup &&
           AnsiUpperCase(text).find("<CONTROL") != std::string::npos;
}

bool TExtStringGrid::ArrowKeyBefore(TMessage& Message, TShiftState Shift)
{
    const auto key = static_cast<Word>(Message.WParam);
    const bool horizontal = key == VK_LEFT || key == VK_RIGHT;
    // A node row's merged cell opens with Right and closes with Left.
    if (horizontal && IsNode(Row()) && IsMergedCell(RealColIndex(Col()), Row())) {
        if (key == VK_RIGHT)
            ExpandNode(RealRowIndex(Row()));
        else
            ContractNode(RealRowIndex(Row()));
    }
    // A row-selecting grid wider than its window scrolls sideways with Left and Right (only with
    // Ctrl while those keys select rows), except on a node row.
    if (horizontal && Options().Contains(goRowSelect) && !IsNode(Row()) && ColCount() > VisibleColCount()) {
        const bool keysSelectRows = Navigation()->LeftRightRowSelect;
        if (!keysSelectRows || Shift.Contains(ssCtrl)) {
            if (key == VK_LEFT && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
            if (key == VK_RIGHT && VisibleColCount() + LeftCol() < ColCount()) SetLeftCol(LeftCol() + 1);
        }
        if (!keysSelectRows) {
            FireKeyDown(key, Shift);
            return true;
        }
    }
    if (key == VK_TAB && Options().Contains(goTabs)) {
        AdvanceTab(Shift.Contains(ssShift));
        KeyDownDone();
        return true;
    }
    if (Navigation()->SkipFixedCells && IsArrowKey(key) && SkipFixedCellsKey(key)) {
        FireKeyDown(key, Shift);
        return true;
    }
    return false;
}

// An arrow whose neighbour is fixed jumps over the run of fixed cells; true when it did.
bool TExtStringGrid::SkipFixedCellsKey(Word Key)
{
    Word k = Key;
    if (UseRightToLeftAlignment() && (k == VK_LEFT || k == VK_RIGHT)) k = k == VK_LEFT ? VK_RIGHT : VK_LEFT;
    const bool horizontal = k == VK_LEFT || k == VK_RIGHT;
    const int step = (k == VK_LEFT || k == VK_UP) ? -1 : 1;
    const int low = horizontal ? FixedCols() : FixedRows();
    const int high = horizontal ? ColCount() - FixedRightCols : RowCount() - FixedFooters;
    const int from = horizontal ? Col() : Row();
    const auto fixedAt = [&](int i) { return horizontal ? IsFixed(i, Row()) : IsFixed(Col(), i); };
    int i = from + step;
    if (i < low || i >= high || !fixedAt(i)) return false;
    if (!horizontal && step < 0 && Options().Contains(goRowSelect)) {
        SetRow(i);
        return true;
    }
    while (i >= low && i < high && fixedAt(i))
        i += step;
    if (i >= low && i < high) horizontal ? SetCol(i) : SetRow(i);
    return true;
}

// Keys finished after the platform grid moved the current cell; true when nothing follows.
bool TExtStringGrid::KeyAfter(Word Key, TShiftState Shift)
{
    const bool ctrl = Shift.Contains(ssCtrl), shiftKey = Shift.Contains(ssShift);
    const auto clipboard = [this](const TClipboardEvent& Event, void (TExtStringGrid::*Action)()) {
        bool allow = true;
        if (Event) Event(this, allow);
        if (allow) (this->*Action)();
        return true;
    };
    if (Navigation()->AllowClipboardShortCuts) {
        if (ctrl && Key == 'X') return clipboard(OnClipboardCut, &TExtStringGrid::CutSelectionToClipboard);
        if (ctrl && Key == 'V') return clipboard(OnClipboardPaste, &TExtStringGrid::PasteSelectionFromClipboard);
        if (ctrl && (Key == 'C' || Key == VK_INSERT))
            return clipboard(OnClipboardCopy, &TExtStringGrid::CopySelectionToClipboard);
        if (shiftKey && Key == VK_INSERT)
            return clipboard(OnClipboardPaste, &TExtStringGrid::PasteSelectionFromClipboard);
        if (shiftKey && Key == VK_DELETE) return clipboard(OnClipboardCut, &TExtStringGrid::CutSelectionToClipboard);
    }
    const bool alt = Shift.Contains(ssAlt);
    if (Key == VK_INSERT && !ctrl && !shiftKey && !alt && Navigation()->AllowInsertRow) InsertRowByKey();
    if (ctrl && Key == 'A') {
        if (Options().Contains(goRowSelect) || Options().Contains(goRangeSelect)) SelectAllNormalCells();
        return true;
    }
    const int dRow = MouseActions()->DisjunctRowSelect() && MouseActions()->RowSelectPersistent
                         ? RealRowIndex(Row())
                         : Row();
    if (IsNavigationKey(Key)) {
        if (MouseActions()->DisjunctRowSelect()) {
            if (!shiftKey && !ctrl) ClearRowSelect();
            shiftKey ? SyncRowSelect(true) : SetRowSelect(dRow, true);
        }
        if (MouseActions()->DisjunctColSelect()) {
            if (!shiftKey && !ctrl) ClearColSelect();
            shiftKey ? SyncColSelect(true) : SetColSelect(Col(), true);
        }
    }
    if (Key == VK_SPACE) {
        if (MouseActions()->DisjunctRowSelect()) SetRowSelect(dRow, !RowSelect(dRow));
        if (MouseActions()->DisjunctColSelect()) SetColSelect(Col(), !ColSelect(Col()));
    }
    if (Key == VK_DELETE && !alt && Navigation()->AllowDeleteRow && RowCount() - FixedFooters - FixedRows() >= 1)
        DeleteRowByKey();
    if (Key == VK_RETURN || Key == VK_F2) {
        StoreOldCellValue(Col(), Row());
        if (Key == VK_F2) DoF2Key();
    }
    return false;
}

namespace {

// The filter is lifted while a key inserts or deletes a row, so that the row events see
// every row at its real index, and applied again afterwards, to the rows as they are then.
class TFilterLift {
public:
    explicit TFilterLift(TExtStringGrid& Grid) : FGrid(Grid), FWasActive(Grid.FilterActive())
    {
        if (FWasActive) FGrid.SetFilterActive(false);
    }
    ~TFilterLift()
    {
        if (FWasActive) FGrid.SetFilterActive(true);
    }
    TFilterLift(const TFilterLift&) = delete;
    TFilterLift& operator=(const TFilterLift&) = delete;

private:
    TExtStringGrid& FGrid;
    bool FWasActive;
};

} // namespace

// Rows are inserted and deleted at their real index. Rows hidden otherwise than by the
// filter stay hidden meanwhile, so the real row is mapped to where it is shown.
void TExtStringGrid::InsertRowByKey()
{
    bool canInsert = true;
    CanInsertRow(Row(), canInsert);
    if (!canInsert) return;
    const int realRow = RealRowIndex(Row());
    int newRow = Row();
    int at = realRow;
    {
        TFilterLift lift(*this);
        if (realRow < TotalRowCount()) SetRow(DisplRowIndex(realRow));
        if (Navigation()->InsertPosition == pInsertAfter) {
            if (FixedRowAlways && FixedRows() == RowCount()) {
                newRow = 1;
            } else {
                at = RealRowIndex(Row() + 1);
                ++newRow;
            }
        }
        InsertRowNode(at);
        if (OnAutoInsertRow) OnAutoInsertRow(this, at);
        FGridModified = true;
    }
    if (newRow < RowCount()) SetRow(newRow);
    CalcFooter(-1);
}

void TExtStringGrid::DeleteRowByKey()
{
    const int oldRow = Row();
    const int realRow = RealRowIndex(oldRow);
    {
        TFilterLift lift(*this);
        bool canDelete = true;
        if (OnCanDeleteRow) OnCanDeleteRow(this, realRow, canDelete);
        if (!canDelete) return;
        AutoDeleteRow(realRow);
    }
    // The row below the deleted one takes its place, as far as rows are left.
    if (FilterActive() && LastNormalRow() >= FixedRows()) SetRow(std::min(oldRow, LastNormalRow()));
    if (FloatingFooter()->Visible() && Row() == RowCount() - 1) SetRow(RowCount() - 2);
    StoreOldCellValue(Col(), Row());
    FGridModified = true;
    CalcFooter(-1);
}

void TExtStringGrid::SelectAllNormalCells()
{
    const TGridRect all{FirstNormalCol(), FixedRows(), ColCount() - FixedRightCols - 1, LastNormalRow()};
    if (all.Left > all.Right || all.Top > all.Bottom) return;
    if (MouseActions()->DisjunctRowSelect())
        for (int r = all.Top; r <= all.Bottom; ++r)
            SetRowSelect(r, true);
    SetSelection(all);
}

// After the platform grid's navigation: moving rows with Ctrl, wrapping at the edges, skipping
// disabled rows and following a synchronised grid.
void TExtStringGrid::KeyDown(Word& Key, TShiftState Shift)
{
    FLastKeyCell = {Col(), Row()};
    const int startRow = Row();
    TBaseGrid::KeyDown(Key, Shift);
    const TGridRect sel = Normalised(Selection());
    if (Navigation()->CursorMoveRows && Shift.Contains(ssCtrl) && (Key == VK_DOWN || Key == VK_UP)) {
        const int d = Key == VK_DOWN ? 1 : -1;
        const bool can = d > 0 ? sel.Bottom < RowCount() - 1 : sel.Top > FixedRows();
        if (can) {
            const int row = Row();
            if (sel.Top == sel.Bottom) {
                MoveRow(sel.Top, sel.Top + d);
                SetRow(row + d);
            } else {
                MoveRows(sel.Top, sel.Top + d, sel.Bottom - sel.Top + 1);
                SetSelection({FixedCols(), sel.Top + d, ColCount() - 1, sel.Bottom + d});
            }
        }
    }
    if (Navigation()->CursorAdvance != caDefault) WrapCursor(Key);
    if (FUseEnabledRows && Navigation()->SkipDisabledRows && Row() == startRow)
        SkipDisabledRow(Key, startRow);
    if (TStringGrid* other = SyncGrid()->Grid()) {
        if (SyncGrid()->SelectionColumn) other->SetCol(Col());
        if (SyncGrid()->SelectionRow) other->SetRow(Row());
    }
}

void TExtStringGrid::WrapCursor(Word Key)
{
    const bool snake = Navigation()->CursorAdvance == caSnake;
    const TPoint before = FLastKeyCell;
    const int lastCol = ColCount() - FixedRightCols - 1;
    switch (Key) {
    case VK_LEFT:
        if (before.X != FixedCols()) return;
        SetCol(lastCol);
        if (snake && Row() > FixedRows()) SetRow(Row() - 1);
        return;
    case VK_RIGHT:
        if (before.X != ColCount() - 1) return;
        SetCol(FixedCols());
        if (snake && Row() < LastNormalRow()) SetRow(Row() + 1);
        return;
    case VK_UP:
        if (before.Y != FixedRows()) return;
        SetRow(LastNormalRow());
        if (snake && Col() > FixedCols()) SetCol(Col() - 1);
        return;
    case VK_DOWN:
        if (before.Y != RowCount() - 1) return;
        SetRow(FixedRows());
        if (snake && Col() < lastCol) SetCol(Col() + 1);
        return;
    default:
        return;
    }
}

void TExtStringGrid::SkipDisabledRow(Word Key, int StartRow)
{
    if (Key == VK_UP) {
        int r = StartRow - 1;
        while (r > FixedRows() && !RowEnabled(r))
            --r;
        if (r >= FixedRows() && RowEnabled(r)) SetRow(r);
    } else if (Key == VK_DOWN) {
        int r = StartRow + 1;
        while (r < RowCount() - 1 && !RowEnabled(r))
            ++r;
        if (r < RowCount() && RowEnabled(r)) SetRow(r);
    }
}

void TExtStringGrid::KeyUp(Word& Key, TShiftState Shift)
{
    const bool clearsSearch =
        (Key >= VK_PRIOR && Key <= VK_END) || IsArrowKey(Key) || Key == VK_INSERT || Key == VK_DELETE;
    if (clearsSearch) FSearchInc.clear();
    const Word key = Key;
    const TGridRect oldSel = Normalised(Selection());
    TBaseGrid::KeyUp(Key, Shift);
    const bool moveKey = IsArrowKey(key) || key == VK_TAB;
    if (Navigation()->AlwaysEdit && (IsArrowKey(key) || (key == VK_TAB && Options().Contains(goTabs))) &&
        !IsControlCell(RealCol(), Row()))
        ShowInplaceEdit();
    if (moveKey && !(Selection() == FMoveSelection)) {
        const TGridRect s = Selection();
        SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    }
    if (MouseActions()->DisjunctCellSelect() && !Options().Contains(goEditing)) KeyDisjunctCells(key, Shift, oldSel);
}

// Shift extends a disjunct cell selection to the selection rectangle; Space picks the
// current cell as a click would, Ctrl adding it to the others or taking it away.
void TExtStringGrid::KeyDisjunctCells(Word Key, TShiftState Shift, const TGridRect& OldSel)
{
    if (Shift.Contains(ssShift)) {
        for (int c = OldSel.Left; c <= OldSel.Right; ++c)
            for (int r = OldSel.Top; r <= OldSel.Bottom; ++r)
                SetSelectedCells(c, r, false);
        const TGridRect sel = Normalised(Selection());
        for (int c = sel.Left; c <= sel.Right; ++c)
            for (int r = sel.Top; r <= sel.Bottom; ++r)
                if (TPoint{c, r} != TPoint{Col(), Row()}) SetSelectedCells(c, r, true);
    }
    if (Key == VK_SPACE) ReleaseDisjunctCells(Shift - ssShift, Col(), Row());
}
