#pragma once
#include <functional>

#include "platform/ui/StdCtrls.h"

// The two lists a header's filter button opens: a plain list that takes one value and
// closes, and a check list that takes several and stays open. Leaving either one closes it
// without a choice (OnCancel).
using TDropListSelectEvent = std::function<void(TObject* Sender, int ItemIndex)>;

class TDropList : public TListBox {
public:
    using TListBox::TListBox;
    // Enter or a release over the list: the list hides, then tells its selected index.
    TDropListSelectEvent OnSelect;
    TNotifyEvent OnCancel;

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoExit() override;

private:
    void Choose();
};

class TDropCheckList : public TCheckListBox {
public:
    explicit TDropCheckList(TComponent* AOwner);
    // Every click on a box, with index -1; the list stays open.
    TDropListSelectEvent OnSelect;
    TNotifyEvent OnCancel;

protected:
    void DoExit() override;
};
