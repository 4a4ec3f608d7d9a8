#include "grid/foundation/editors/ExtDateTimePicker.h"

// The caption label beside the date-and-time picker.

void TExtDateTimePicker::SetLabelAlwaysEnabled(bool on)
{
    label_.SetAlwaysEnabled(on);
    if (label_.Label()) label_.Label()->Invalidate();
}

void TExtDateTimePicker::SetBounds(int left, int top, int width, int height)
{
    TCustomDateTimePicker::SetBounds(left, top, width, height);
    const TLabel* label = label_.Label();
    if (label && label->Parent() && !ComponentState().Contains(csDestroying)) label_.Place();
}

void TExtDateTimePicker::SetParent(TWinControl* parent)
{
    TCustomDateTimePicker::SetParent(parent);
    label_.FollowParent(parent);
}

void TExtDateTimePicker::CMVisibleChanged(TMessage& message)
{
    TCustomDateTimePicker::CMVisibleChanged(message);
    label_.FollowVisible();
}

// A picker being loaded leaves the label's weight alone.
void TExtDateTimePicker::LabelFocusChanged(bool focused)
{
    if (!ComponentState().Contains(csLoading)) label_.FocusChanged(focused);
}

void TExtDateTimePicker::CMEnter(TMessage& message)
{
    TCustomDateTimePicker::CMEnter(message);
    LabelFocusChanged(true);
}

void TExtDateTimePicker::CMExit(TMessage& message)
{
    TCustomDateTimePicker::CMExit(message);
    LabelFocusChanged(false);
}
