#pragma once
#include "platform/ui/Messages.h"

// The shared vocabulary of tool buttons that paint themselves.

// Where the glyph stands beside the caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// How a tool button is drawn: up, greyed, pressed, or held down as the chosen one of a group.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// Sent to the controls of a parent when a grouped button goes down: WParam is the group
// index, LParam the button (a TControl*).
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 10;
// The desktop's visual style or its system font changed.
constexpr UINT WM_THEMECHANGED = 0x031A;
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 21;
constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 53;
