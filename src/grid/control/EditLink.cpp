#include "grid/control/EditLink.h"

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Forms.h"

TEditLink::TEditLink(TComponent* AOwner) : TComponent(AOwner) {}

void TEditLink::Attach(TExtStringGrid* AGrid, TPoint ACell)
{
    FOwner = AGrid;
    FEditCell = ACell;
}

TForm* TEditLink::PopupForm()
{
    if (!FPopupForm) {
        FPopupForm = new TForm(this);
        FPopupForm->SetBorderStyle(bsNone);
        FPopupForm->OnDeactivate = [this](TObject* Sender) { FormExit(Sender); };
    }
    return FPopupForm;
}

TWinControl* TEditLink::GetParent()
{
    if (EditStyle == esPopup) return PopupForm();
    return FOwner;
}

std::string TEditLink::GetCellValue()
{
    return FOwner->Cells(FOwner->RealColIndex(FOwner->Col()), FOwner->Row());
}

void TEditLink::SetCellValue(const std::string& s)
{
    FOwner->SetEditTextEx(FOwner->RealColIndex(FOwner->Col()), FOwner->Row(), s);
}

void TEditLink::SetRect(const TRect& r)
{
    TWinControl* control = GetEditControl();
    if (!control) return;
    const int line = FOwner ? FOwner->GridLineWidth() : 0;
    control->SetBounds(r.Left, r.Top, r.Width() - line, r.Height() - line);
}

void TEditLink::SetVisible(bool Value)
{
    if (TWinControl* control = GetEditControl()) control->SetVisible(Value);
}

void TEditLink::SetFocus(bool Value)
{
    TWinControl* control = GetEditControl();
    if (!control) return;
    if (Value) {
        control->SetVisible(true);
        control->SetEnabled(true);
    }
    if (EditStyle == esInplace && !FSubClassed && FOwner) {
        FOwner->SubclassEditLinkControl(control);
        FSubClassed = true;
    }
    if (Value) {
        if (control->CanFocus()) control->SetFocus();
    } else if (FOwner && FOwner->CanFocus()) {
        FOwner->SetFocus();
    }
}

void TEditLink::RestoreWinProc()
{
    TWinControl* control = GetEditControl();
    if (!control || EditStyle == esPopup) return;
    if (FSubClassed && FOwner) FOwner->RestoreEditLinkControl(control);
    FSubClassed = false;
    control->SetVisible(false);
}

void TEditLink::HideEditor()
{
    SetCellValue(GetEditorValue());
    FOwner->HideInplaceEdit();
    RestoreWinProc();
}

void TEditLink::EditExit(TObject*)
{
    // Hiding the pop-up deactivates it, which comes back here: the first exit does the work.
    const bool popup = EditStyle == esPopup;
    if (popup && !(FPopupForm && FPopupForm->Visible())) return;
    HideEditor();
    if (popup) {
        FPopupForm->Hide();
        DestroyEditor();
    }
}

void TEditLink::FormExit(TObject* Sender)
{
    if (!FOwner) return;
    if (FForcedExit) {
        SetCellValue(GetEditorValue());
        return;
    }
    const auto fromEditor = FOwner->FEditSession.HoldFocusFromEditor();
    EditExit(Sender);
}

bool TEditLink::LeavesEditor(Word Key, TShiftState Shift) const
{
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
        return !WantKeyUpDown;
    case VK_LEFT:
    case VK_RIGHT:
        return !WantKeyLeftRight;
    case VK_END:
        return !WantKeyHomeEnd;
    case VK_PRIOR:
    case VK_NEXT:
        return !WantKeyPriorNext;
    case VK_RETURN:
        return !WantKeyReturn;
    case VK_ESCAPE:
        return !WantKeyEscape;
    case VK_TAB:
        return !WantTabs;
    default:
        // Home is no leaving key: it stays with the control unless Alt is held.
        return Shift.Contains(ssAlt) && !(Key == VK_HOME && WantKeyHomeEnd);
    }
}

void TEditLink::FocusGrid()
{
    FForcedExit = true;
    if (FOwner->CanFocus()) FOwner->SetFocus();
    FForcedExit = false;
}

// The grid's editor-to-cell step; a pop-up is closed with the value just stored.
void TEditLink::StoreValue()
{
    FOwner->HideEditLink(FOwner->RealColIndex(FOwner->Col()), FOwner->Row());
    if (EditStyle == esPopup) EditExit(this);
}

void TEditLink::EditKeyDown(TObject*, Word& Key, TShiftState Shift)
{
    if (!FOwner || !LeavesEditor(Key, Shift)) return;
    TExtStringGrid& grid = *FOwner;
    if (Key == VK_TAB) {
        Key = 0;
        if (grid.Navigation()->TabToNextAtEnd) {
            FocusGrid();
            StoreValue();
            if (grid.AdvanceTab(Shift.Contains(ssShift)) && !grid.IsControlCell(grid.Col(), grid.Row()))
                PostMessage(&grid, WM_KEYDOWN, VK_F2, 0);
            return;
        }
    }
    const Word key = Key;
    if (key == VK_ESCAPE) SetEditorValue(grid.OriginalCellValue());
    FocusGrid();
    StoreValue();
    grid.EditMode = false;
    grid.SelectCell(grid.Col(), grid.Row());
    if (key == VK_RETURN && grid.LastValidation()) {
        grid.AdvanceEditPosition(grid.Col(), grid.Row(), true, false, !Shift.Contains(ssShift), true, false);
        Key = 0;
        return;
    }
    // A refused value ended the edit as refused, which opened the link again.
    if (!grid.LastValidation()) return;
    if (key == VK_ESCAPE) {
        Key = 0;
        return;
    }
    if (key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT) {
        Word gridKey = key;
        grid.KeyDown(gridKey, Shift);
    }
    if (TWinControl* control = GetEditControl()) control->SetEnabled(false);
    FocusGrid();
}
