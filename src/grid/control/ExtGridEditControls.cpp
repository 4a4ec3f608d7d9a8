#include "grid/control/ExtStringGrid.h"
#include "grid/control/GridCombo.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"

// The special editors: shown over the cell, filled with its value, and read back into it.

TGridCombo* TExtStringGrid::EditCombo()
{
    if (!FEditCombo) {
        FEditCombo = new TGridCombo(this);
        FEditCombo->SetVisible(false);
        FEditCombo->SetEnabled(false);
        FEditCombo->SetParent(this);
    }
    return FEditCombo;
}

void TExtStringGrid::ShowEditControl(int ACol, int ARow)
{
    FEditing = FSpecialEditor = FEditActive = true;
    const TRect rect = CellRect(ACol, ARow);
    EditCtrl = nullptr;
    if (EditControl != edCustom) FLastValidation = true;
    const int realCol = RealColIndex(ACol);
    switch (EditControl) {
    case edComboEdit:
    case edComboList:
        ShowComboEditor(rect, realCol, ARow);
        break;
    default:
        // TODO(lead): the spin, button, unit, check box, button, picker, drop-down and link
        // editors; until they are shown here such a cell is not edited.
        FSpecialEditor = FEditActive = false;
        EditMode = false;
        break;
    }
    FStartEditChar = 0;
}

void TExtStringGrid::ShowComboEditor(const TRect& Rect, int RealCol, int ARow)
{
    TGridCombo* combo = EditCombo();
    const bool list = EditControl == edComboList;
    combo->SetDropDownCount(ControlLook()->DropDownCount);
    GetEditorProp(RealCol, ARow, nullptr);
    combo->SetStyle(list ? csDropDownList : csDropDown);
    combo->SetBounds(Rect.Left, Rect.Top, Rect.Width() - 1, Rect.Height() - 1);
    const std::string editText = GetEditText(Col(), ARow);
    if (list) {
        // A value that is not in the list stays as it is until the user picks an item.
        int index = combo->Items()->IndexOf(GridCells(RealCol, ARow));
        if (index < 0 && ComboIdx == -1) index = combo->Items()->IndexOf(editText);
        if (index < 0 && ComboIdx >= 0) index = ComboIdx;
        combo->SetItemIndex(index);
    } else {
        combo->SetText(editText);
        if (ComboIdx != -1 && combo->ItemIndex() < 0) combo->SetItemIndex(ComboIdx);
        combo->SetMaxLength(MaxComboLength);
    }
    const bool flatLook = FLook == glSoft || FLook == glSuite || FLook == glXP || FLook == glListView || FLook == glVista ||
                          FLook == glWin7 || FLook == glOffice2007;
    combo->SetFlat(flatLook);
    combo->SetEtched(flatLook);
    combo->SetEnabled(true);
    combo->SetVisible(true);
    if (Navigation()->AutoComboDropSize) combo->SizeDropDownWidth();
    if (combo->CanFocus()) combo->SetFocus();
    if (MouseActions()->DirectComboDrop || ControlLook()->DropDownAlwaysVisible()) combo->SetDroppedDown(true);
    EditCtrl = combo;
    EditMode = true;
    if (FStartEditChar != 0) PostMessage(combo, WM_CHAR, FStartEditChar, 0);
}

void TExtStringGrid::HideEditControl(int ACol, int ARow)
{
    if (ComponentState().Contains(csDestroying)) return;
    FSpecialEditor = false;
    FBlockKill = true;
    const int realCol = RealColIndex(ACol);
    FStartEditChar = 0;
    switch (EditControl) {
    case edComboEdit:
    case edComboList:
        if (EditMode && FEditCombo) {
            EditMode = false;
            // A list combo on which nothing was picked leaves the cell alone.
            if (FEditCombo->Picked()) SetEditTextEx(realCol, ARow, FEditCombo->Text());
            if (FEditCombo->Focused() && CanFocus()) {
                const bool blocked = FBlockFocus;
                FBlockFocus = true;
                SetFocus();
                FBlockFocus = blocked;
            }
            FEditCombo->SetVisible(false);
            FEditCombo->SetEnabled(false);
        }
        break;
    default:
        break;
    }
    FLoadedEditCell = {-1, -1};
    if (EditControl != edNormal && FEditActive) EditingDone(realCol, ARow);
    FBlockKill = false;
    FEditActive = false;
}
