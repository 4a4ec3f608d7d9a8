#include <set>
#include <utility>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"

namespace {

bool IsTextEditor(TEditorType Editor)
{
    switch (Editor) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edPositiveFloat:
        return true;
    default:
        return false;
    }
}

} // namespace

// Enter moves the focus on in the configured direction. Read-only cells are skipped when
// Navigation says so; the walk ends at the first cell it reaches twice, and the focus then
// stays where it was.
void TExtStringGrid::AdvanceEditPosition(int ACol, int ARow, bool ShowEditor, bool Continuing, bool Forward,
                                         bool AutoEdit, bool Force)
{
    const TNavigation& nav = *Navigation();
    if (!nav.AdvanceOnEnter && !Force) return;
    if (MouseActions()->RangeSelectAndEdit && !Options().Contains(goEditing))
        SetOptions(Options() + goEditing);
    if (!Continuing) {
        FAECol = ACol;
        FAERow = ARow;
    }
    std::set<std::pair<int, int>> visited{{ACol, ARow}};
    TPoint start;
    bool can = true;
    for (;;) {
        start = {ACol, ARow};
        FStartEditChar = 0;
        if (!EnterTarget(ACol, ARow, Forward)) return;
        can = true;
        IsReadOnlyCell(RealColIndex(ACol), ARow, can);
        if (can || !nav.AdvanceSkipReadOnlyCells) break;
        if (!visited.insert({ACol, ARow}).second || (ACol == start.X && ARow == start.Y)) return;
    }
    if (can) {
        bool allow = true;
        if (OnAutoAdvance) OnAutoAdvance(this, FAERow, FAECol, ARow, ACol, allow);
        if (allow && OnCellChanging) OnCellChanging(this, FAERow, FAECol, ARow, ACol, allow);
        FDisableChange = true;
        if (allow)
            MoveCurrentCell(ACol, ARow);
        else
            SelectCell(start.X, start.Y);
        FDisableChange = false;
    } else {
        MoveCurrentCell(ACol, ARow);
    }
    if (ShowEditor) {
        const int realCol = RealColIndex(Col());
        const bool control = IsControlCell(realCol, Row());
        if (((AutoEdit && nav.AdvanceAutoEdit) || control) && IsEditable(realCol, Row())) {
            ShowInplaceEdit();
            if (control && !IsControlCell(RealColIndex(start.X), start.Y)) {
                FDisableChange = true;
                SimulateCellClick(Col(), Row());
                if (nav.AdvanceDirection() != adLeftRight) HideInplaceEdit();
                FDisableChange = false;
            }
            TEditorType editor = DefaultEditor;
            GetCellEditor(RealColIndex(start.X), start.Y, editor);
            if (!IsTextEditor(editor)) HideInplaceEdit();
        }
    }
    if (MouseActions()->DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(Row(), true);
    }
}

// One step of the Enter advance from (ACol, ARow); false when the advance ends without a move.
bool TExtStringGrid::EnterTarget(int& ACol, int& ARow, bool Forward)
{
    const TNavigation& nav = *Navigation();
    const TAdvanceDirection direction = nav.AdvanceDirection();
    const int first = FirstNormalCol();
    const int lastCol = ColCount() - FixedRightCols - 1;
    const TPoint span = CellSpan(ACol, ARow);
    if (!Forward) {
        if (direction == adLeftRight) {
            if (ACol > first) {
                --ACol;
            } else {
                ARow = ARow == FixedRows() ? LastNormalRow() : ARow - 1;
                ACol = lastCol;
            }
        } else if (direction == adTopBottom) {
            if (ARow > FixedRows()) {
                --ARow;
            } else {
                ACol = ACol == first ? lastCol : ACol - 1;
                ARow = LastNormalRow();
            }
        }
        return true;
    }
    if (direction == adLeftRight || direction == adLeftRightInRow) {
        if (ACol + span.X < ColCount() - VisibleFixedRightCols() - 1) {
            ACol += span.X + 1;
        } else if (direction == adLeftRightInRow) {
            if (nav.AdvanceOnEnterLoop) ACol = first;
        } else if (ARow != LastNormalRow()) {
            ++ARow;
            ACol = first;
        } else if (nav.AdvanceInsert()) {
            bool canAdd = true;
            CanAddRow(canAdd);
            ACol = first;
            if (canAdd) {
                AddRow();
                ++ARow;
                if (OnAutoAddRow) OnAutoAddRow(this, LastNormalRow());
                bool anyEditable = false;
                for (int c = FixedCols(); c < ColCount() && !anyEditable; ++c)
                    anyEditable = IsEditable(RealColIndex(c), ARow);
                if (!anyEditable) return false;
            }
        } else if (nav.AdvanceOnEnterLoop) {
            ARow = FixedRows();
            ACol = first;
        }
        return true;
    }
    if (ARow != LastNormalRow()) {
        ++ARow;
    } else if (direction == adTopBottomInCol) {
        ARow = FixedRows();
    } else if (ACol != lastCol) {
        ARow = FixedRows();
        ACol = ACol + 1 >= ColCount() ? first : ACol + 1;
    } else if (nav.AdvanceInsert()) {
        SetColCount(ColCount() + 1);
        ACol += span.X + 1;
        ARow = FixedRows();
        if (OnAutoInsertCol) OnAutoInsertCol(this, ColCount() - FixedRightCols - 1);
        // As with an appended row: a column offering no cell to edit ends the walk, or
        // skipping read-only cells would append columns without end.
        bool anyEditable = false;
        for (int r = FixedRows(); r <= LastNormalRow() && !anyEditable; ++r)
            anyEditable = IsEditable(RealColIndex(ACol), r);
        if (!anyEditable) return false;
    } else {
        ARow = FixedRows();
        ACol = first;
    }
    Invalidate();
    return true;
}
