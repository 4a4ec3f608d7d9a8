#include "grid/control/GridCheckBox.h"

#include "grid/control/ExtStringGrid.h"

TGridCheckBox::TGridCheckBox(TExtStringGrid* AGrid) : TCheckBox(AGrid), FGrid(AGrid) {}

void TGridCheckBox::DoExit()
{
    FGrid->SpecialEditorLeft();
    TCheckBox::DoExit();
}

// The navigation keys close the editor rather than move the focus among the form's controls.
void TGridCheckBox::WMGetDlgCode(TMessage& Message)
{
    TCheckBox::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTARROWS | DLGC_WANTALLKEYS;
}

void TGridCheckBox::KeyDown(Word& Key, TShiftState Shift)
{
    switch (Key) {
    case VK_ESCAPE:
        FGrid->CancelEditControl();
        Key = 0;
        return;
    case VK_UP:
    case VK_DOWN:
        FGrid->DoneInplaceEdit(Key, Shift);
        Key = 0;
        return;
    case VK_RETURN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_RIGHT: {
        const bool enter = Key == VK_RETURN;
        FGrid->DoneInplaceEdit(0, Shift);
        Key = 0;
        // The advance acts only with Navigation.AdvanceOnEnter.
        if (enter) FGrid->AdvanceEditPosition(FGrid->Col(), FGrid->Row(), true, false, true, true, false);
        return;
    }
    default:
        TCheckBox::KeyDown(Key, Shift);
    }
}

TGridButton::TGridButton(TExtStringGrid* AGrid) : TButton(AGrid), FGrid(AGrid) {}

void TGridButton::Click()
{
    SetCaption(FGrid->DoEllipsClick(Caption()));
    FGrid->SetCurrentCell(Caption());
    TButton::Click();
}

void TGridButton::DoExit()
{
    FGrid->SpecialEditorLeft();
    TButton::DoExit();
}

void TGridButton::WMGetDlgCode(TMessage& Message)
{
    TButton::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTARROWS;
}

void TGridButton::Close()
{
    FGrid->HideInplaceEdit();
    if (FGrid->CanFocus()) FGrid->SetFocus();
}

void TGridButton::KeyDown(Word& Key, TShiftState Shift)
{
    switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: {
        const Word key = Key;
        FGrid->Perform(WM_KEYDOWN, key, 0);
        Close();
        FGrid->Perform(WM_KEYUP, key, 0);
        Key = 0;
        return;
    }
    case VK_ESCAPE:
        // The cell gets back its text from before editing, whatever the clicks stored.
        FGrid->CancelEditControl();
        FGrid->Perform(WM_KEYDOWN, VK_ESCAPE, 0);
        Key = 0;
        return;
    default:
        TButton::KeyDown(Key, Shift);
    }
}
