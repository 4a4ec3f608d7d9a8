#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/ValueHold.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/foundation/model/CellChecker.h"
#include "grid/foundation/model/Navigation.h"

// The validation of an edited value: corrected by the cell checker, decided by the
// application, recorded for undo and announced, or refused with the editor opened again.

std::string TExtStringGrid::UneditedToStored(int RealCol, int ARow, const std::string& Value) const
{
    if (FLoadedEditCell == TPoint{RealCol, ARow} && Value == FLoadedEditText) return FLoadedEditStored;
    return Value;
}

bool TExtStringGrid::ValidateCell(const std::string& NewValue)
{
    if (!FEditSession.AwaitsVerdict() || FEditSession.Validating()) return true;
    FEditSession.Settle();
    bool valid = true;
    // The editor opens again on a refused text, which the cell holds meanwhile; the text from
    // before the edit stays what a later Enter is compared with.
    const std::string textBeforeEdit = FOldCellText;
    try {
        const auto validating = FEditSession.HoldValidating();
        const int acol = RealColIndex(FOldCol);
        int arow = FOldRow;
        const TRealRow editedRow = DisplToRealRow(TDisplRow(arow));
        const bool editedRowFollowed = FEditSession.Cell().Row == editedRow;
        const std::string newValue = UneditedToStored(acol, arow, NewValue);
        FNewCellText = newValue;
        if (newValue != FOldCellText || AlwaysValidate) {
            const bool changed = newValue != FOldCellText;
            std::string value = newValue;
            {
                TValueHold<bool> noAdvance(Navigation()->AdvanceOnEnter, false);
                if (CellChecker && CellChecker->AutoCorrect) value = CellChecker->Correct(acol, arow, value);
                if (OnCellValidate) OnCellValidate(this, acol, arow, value, valid);
                // A handler that changed the rows leaves the value to the edited cell wherever
                // its row went, in the grid or out of it.
                const TRealRow nowAt = editedRowFollowed ? FEditSession.Cell().Row : editedRow;
                const bool outOfGrid = nowAt < TRealRow(0) || FRows.IsHidden(nowAt);
                if (!outOfGrid) arow = RealToDisplRow(nowAt).Index();
                // Only an accepted change marks the grid and the row as modified.
                if (valid && value != FOldCellText) {
                    FGridModified = true;
                    if (FixedCols() > 0) {
                        SetRowModified(arow, true);
                        if (ShowModified()->Enabled) RepaintCell(0, arow);
                    }
                }
                if (CellChecker && CellChecker->AutoMarkError)
                    value = CellChecker->MarkError(acol, arow, value);
                // The cell holds the accepted value before anyone hears of it, so that the
                // footer and the notifiers read the new text.
                if (valid && outOfGrid) {
                    if (nowAt >= TRealRow(0)) SetAllGridCells(acol, nowAt.Index(), value);
                } else if (valid) {
                    StoreValidatedValue(acol, arow, value);
                    CellsLoaded(acol, arow);
                    if (UndoRedo()) UndoRedo()->RegisterChange(acol, arow, FOldCellText, value);
                    if (changed) DoCellsChanged(TRect{acol, arow, acol, arow});
                }
            }
            FNewCellText = value;
            if (!valid) {
                // A value the handler changed is refused with the old text: the editors show
                // the decided text, which must not be the handler's.
                const std::string reopened = value == newValue ? newValue : FOldCellText;
                FNewCellText = reopened;
                RefuseEdit(reopened);
                FModified = FOldModifiedValue;
                ShowInvalidEntryBalloon();
            }
            FOldCellText = GridCells(acol, arow);
        }
    } catch (...) {
        StoreOldCellValue(Col(), Row());
        throw;
    }
    StoreOldCellValue(Col(), Row());
    if (!valid) FOldCellText = textBeforeEdit;
    if (valid) HideFocusWindow();
    return valid;
}

void TExtStringGrid::StoreValidatedValue(int ACol, int ARow, const std::string& Value)
{
    SetGridCells(ACol, ARow, Value);
    if (!IsBaseCell(ACol, ARow)) {
        const TPoint base = BaseCell(ACol, ARow);
        SetGridCells(base.X, base.Y, Value);
    }
    RepaintCell(RealToDisplCol(ACol), ARow);
}

// The editor closes on the text it had (being validated, it stores nothing), the focus goes
// back to the kept cell, and the editor opens there again on CellText.
void TExtStringGrid::RefuseEdit(const std::string& CellText)
{
    const int acol = RealColIndex(FOldCol), arow = FOldRow;
    FEditSession.End(TEditEnd::Refused, {.Close = [&] {
                                             FLoadedEditCell = {-1, -1};
                                             HideEditor();
                                         },
                                         .Restore = [&] {
                                             SetGridCells(acol, arow, CellText);
                                             FForceSel = true;
                                             MoveColRow(FOldCol, arow, true, true);
                                             FForceSel = false;
                                         },
                                         .Done = [&] {
                                             ShowInplaceEdit();
                                             if (Col() != FOldCol) InvalidateEditor();
                                         }});
}

bool TExtStringGrid::ValidateCellWide(const std::string& NewValue)
{
    if (!FEditSession.AwaitsVerdict() || FEditSession.Validating()) return true;
    FEditSession.Settle();
    const auto validating = FEditSession.HoldValidating();
    const int acol = RealColIndex(FOldCol), arow = FOldRow;
    bool valid = true;
    if (NewValue != FOldCellText || AlwaysValidate) {
        const bool changed = NewValue != FOldCellText;
        std::string value = NewValue;
        CellsLoaded(acol, arow);
        if (OnCellValidateWide) OnCellValidateWide(this, acol, arow, value, valid);
        if (valid) {
            StoreValidatedValue(acol, arow, value);
        } else {
            RefuseEdit(value == NewValue ? NewValue : FOldCellText);
            FModified = FOldModifiedValue;
        }
        if (valid && changed) {
            FGridModified = true;
            if (ShowModified()->Enabled && FixedCols() > 0) {
                SetRowModified(arow, true);
                RepaintCell(0, arow);
            }
            DoCellsChanged(TRect{acol, arow, acol, arow});
        }
        FOldCellText = GridCells(acol, arow);
    }
    StoreOldCellValue(Col(), Row());
    return valid;
}

void TExtStringGrid::CellsLoaded(int ACol, int) { CalcFooter(ACol); }

void TExtStringGrid::ColumnsChanged() { CalcFooter(-1); }

void TExtStringGrid::DoCellsChanged(const TRect& R)
{
    if (OnCellsChanged) OnCellsChanged(this, R);
    // A notifier may unregister itself while it hears of the change.
    const std::vector<TGridChangeNotifier*> notifiers = FNotifierList;
    for (TGridChangeNotifier* notifier : notifiers)
        notifier->CellsChanged(R);
    ColumnsChanged();
}

void TExtStringGrid::RegisterNotifier(TGridChangeNotifier* ANotifier)
{
    if (std::find(FNotifierList.begin(), FNotifierList.end(), ANotifier) == FNotifierList.end())
        FNotifierList.push_back(ANotifier);
}

void TExtStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier)
{
    std::erase(FNotifierList, ANotifier);
}
