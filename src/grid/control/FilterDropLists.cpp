#include "grid/control/FilterDropLists.h"

#include "platform/ui/Messages.h"

namespace {

// Focus leaves a list that is still shown when the user clicks elsewhere; a list that hid
// itself after a choice has nothing left to cancel.
void CancelShownDropList(TControl& List, const TNotifyEvent& OnCancel)
{
    if (!List.Visible()) return;
    List.SetVisible(false);
    if (OnCancel) OnCancel(&List);
}

} // namespace

void TDropList::Choose()
{
    SetVisible(false);
    if (OnSelect) OnSelect(this, ItemIndex());
}

void TDropList::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key != VK_RETURN) return TListBox::KeyDown(Key, Shift);
    Key = 0;
    Choose();
}

void TDropList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TListBox::MouseUp(Button, Shift, X, Y);
    if (Visible()) Choose();
}

void TDropList::DoExit()
{
    TListBox::DoExit();
    CancelShownDropList(*this, OnCancel);
}

TDropCheckList::TDropCheckList(TComponent* AOwner) : TCheckListBox(AOwner)
{
    OnClickCheck = [this](TObject*) {
        if (OnSelect) OnSelect(this, -1);
    };
}

void TDropCheckList::DoExit()
{
    TCheckListBox::DoExit();
    CancelShownDropList(*this, OnCancel);
}
