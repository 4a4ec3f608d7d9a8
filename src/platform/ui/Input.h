#pragma once
#include <string>

#include "platform/ui/Controls.h"

// Keyboard and mouse input as the event loop delivers it: the platform feeds real input
// through these, and tests drive windows with them.

// A key going down, with the characters it types: CN_KEYDOWN (where the dialog may take
// the key), WM_KEYDOWN, then CN_CHAR and WM_CHAR for each character. With Alt held the
// WM_SYS* messages are used.
void DeliverKeyDown(TWinControl* target, Word key, TShiftState shift, const std::u32string& chars);
void DeliverKeyUp(TWinControl* target, Word key, TShiftState shift);
// A key message (WM_KEYDOWN, WM_KEYUP, WM_CHAR and their WM_SYS* forms) delivered as the
// keyboard's would be, so that the form still sees a Tab or an Enter; a key-down also types
// its character. False for any other message, which is left alone.
bool DeliverKeyMessage(TWinControl* target, const TMessage& message);

// A key pressed and released, with the character it types on a US keyboard. The target is
// the focused control when none is given.
void PressKey(Word key, TShiftState shift = {}, TWinControl* target = nullptr);
// Each character typed as a key press.
void TypeText(const std::string& text, TWinControl* target = nullptr);

// A click (button down and up) at a client point of the control.
void ClickAt(TControl* control, int x, int y, TMouseButton button = mbLeft, TShiftState shift = {});
void DoubleClickAt(TControl* control, int x, int y);

// The thumb of one of the control's own scroll bars (SB_HORZ, SB_VERT) dragged to a position
// and, with `release`, let go there: the bar reports it as a user's drag does.
void DragThumb(TWinControl* control, int bar, int position, bool release = true);

// Real input: Qt key, mouse and wheel events sent to the control's widget through the
// application's event dispatch, as the window system delivers them, so that the bridge
// turns them into messages exactly as it does for a user (and Qt propagates what the
// widget leaves unhandled). Points are in the control's client pixels.
void SendKey(Word key, TShiftState shift = {}, TWinControl* target = nullptr);
void SendText(const std::string& text, TWinControl* target = nullptr);
void SendClick(TControl* control, int x, int y, TMouseButton button = mbLeft, TShiftState shift = {});
void SendDoubleClick(TControl* control, int x, int y);
void SendMouseMove(TControl* control, int x, int y, TShiftState shift = {});
// The button pressed at one point, the pointer moved with it held to another, and released there.
void SendDrag(TControl* control, int fromX, int fromY, int toX, int toY, TMouseButton button = mbLeft);
// One notch is a delta of 120; positive turns the wheel away from the user (up).
void SendWheel(TControl* control, int x, int y, int delta, TShiftState shift = {});
