#include <algorithm>
#include <exception>
#include <utility>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/ValueHold.h"
#include "grid/foundation/model/Navigation.h"

// An open editor belongs to its cell. The editor stands at a display place, and the cell's
// text follows the typing there; rows that come, go or move under it, and a program move
// of the focus, would leave it over another row, and its end would store into that row.
// So every such change ends the edit first, the way leaving the cell does.

bool TExtStringGrid::EndEditMovingOn()
{
    // An end under way, or a value being decided, is finished by whoever started it.
    if (!FEditSession.Open() || FEditSession.Ending() || FEditSession.Validating()) return true;
    const bool editorFocused = (InplaceEditor() && InplaceEditor()->Focused()) || (EditCtrl && EditCtrl->Focused());
    // Closing the editor checks the cell again, which keeps the edited text as the cell's;
    // the edit that goes on after a refusal still brings back the text from before it.
    const std::string kept = FEditSession.TextBefore();
    bool accepted = true;
    {
        const auto refocus = FEditSession.HoldRefocus();
        EndEdit(TEditEnd::MovedOn, RealCol(), Row());
        HideInplaceEdit();
        accepted = ValidateCell(CurrentCell());
        if (!accepted) FEditSession.Keep(kept);
        // The keys go on to the grid, which must not open an editor again on taking them.
        if (accepted && editorFocused && !Focused() && CanFocus()) {
            TValueHold<bool> noEdit(Navigation()->AlwaysEdit, false);
            SetFocus();
        }
    }
    return accepted;
}

// A change of the rows or columns does not wait for a value the application refused: the
// program asked for it, and a change that silently did not happen would be the worse
// surprise. The refused value is given up instead, as Escape would give it up, and the cell
// gets back the text it had before editing.
bool TExtStringGrid::EndEditBeforeLinesChange()
{
    if (!FEditSession.Open() || FEditSession.Ending() || FEditSession.Validating()) return false;
    if (EndEditMovingOn()) return true;
    HideInvalidEntryBalloon();
    {
        const auto refocus = FEditSession.HoldRefocus();
        EndEdit(TEditEnd::Cancelled, RealCol(), Row());
        SetEditorMode(false);
        EditMode = false;
        TValueHold<bool> noEdit(Navigation()->AlwaysEdit, false);
        if (!Focused() && CanFocus()) SetFocus();
    }
    return true;
}

// A hidden row maps to the next shown one, and past the last normal row the last one is the
// nearest. A cell whose row left the grid leaves the focus where the change put it.
void TExtStringGrid::FocusEditedCellPlace()
{
    const TStoredCell cell = FEditSession.Cell();
    if (cell.Row < TRealRow(0) || cell.Col < TRealCol(0)) return;
    int lastRow = RowCount() - FixedFooters - 1;
    if (HasFooterRow() && lastRow == FooterRow()) --lastRow;
    const int row = std::min(RealToDisplRow(cell.Row).Index(), lastRow);
    const int col = std::min(ToDisplCol(cell.Col).Index(), ColCount() - 1);
    if (row < FixedRows() || col < 0 || (row == Row() && col == Col())) return;
    TValueHold<bool> force(FForceSel, true);
    MoveColRow(col, row, true, true);
}

void TExtStringGrid::FollowEditedRow(const std::function<TRealRow(TRealRow)>& NewRow)
{
    const TStoredCell cell = FEditSession.Cell();
    if (cell.Row >= TRealRow(0)) FEditSession.CellRowMoved(NewRow(cell.Row));
}

TExtStringGrid::TRowsChange::TRowsChange(TExtStringGrid& Grid) : FGrid(Grid), FExceptions(std::uncaught_exceptions())
{
    // A value being decided is stored where its cell went; the focus goes along, so that
    // the editor that closes after the verdict stands on that cell too.
    if (FGrid.FRowsChanging == 0)
        FGrid.FEditedCellFollowed = FGrid.FEditSession.Validating() || FGrid.EndEditBeforeLinesChange();
    ++FGrid.FRowsChanging;
}

TExtStringGrid::TRowsChange::~TRowsChange() noexcept(false)
{
    if (--FGrid.FRowsChanging > 0 || !std::exchange(FGrid.FEditedCellFollowed, false)) return;
    if (std::uncaught_exceptions() == FExceptions) FGrid.FocusEditedCellPlace();
}
