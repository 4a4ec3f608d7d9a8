#pragma once
#include <cstdint>
#include <string>

#include "platform/rtl/Sets.h"
#include "platform/ui/Types.h"

// Window and control messages with the values the Parts know them by. A control's
// WndProc receives them, from the event loop (input, painting, focus) or at once through
// Perform, and hands each to its handler.

using UINT = unsigned int;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using Word = uint16_t;

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

constexpr Word LOWORD(uintptr_t v) { return static_cast<Word>(v & 0xFFFF); }
constexpr Word HIWORD(uintptr_t v) { return static_cast<Word>((v >> 16) & 0xFFFF); }
constexpr LPARAM MAKELPARAM(int low, int high)
{
    return static_cast<LPARAM>((static_cast<uint32_t>(low) & 0xFFFF) | ((static_cast<uint32_t>(high) & 0xFFFF) << 16));
}

// Mouse messages carry the client point in LParam, 16 bits each and signed.
inline LPARAM PointToLParam(TPoint p) { return MAKELPARAM(p.X, p.Y); }
inline TPoint LParamToPoint(LPARAM l)
{
    return {static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(l))),
            static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(l)))};
}

// Window messages.
constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_GETDLGCODE = 0x0087;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_SYSCHAR = 0x0106;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_HSCROLL = 0x0114;
constexpr UINT WM_VSCROLL = 0x0115;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
constexpr UINT WM_MOUSEWHEEL = 0x020A;
constexpr UINT WM_CUT = 0x0300;
constexpr UINT WM_COPY = 0x0301;
constexpr UINT WM_PASTE = 0x0302;
constexpr UINT WM_CLEAR = 0x0303;
constexpr UINT WM_USER = 0x0400;

// Control messages of the component library.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr UINT CM_ENTER = CM_BASE + 26;
constexpr UINT CM_EXIT = CM_BASE + 27;
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr UINT CM_MOUSEWHEEL = CM_BASE + 67;

// Notifications a control receives about its own keys before they are dispatched.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;

// Answers to WM_GETDLGCODE: the keys a control wants for itself instead of the dialog.
constexpr LRESULT DLGC_WANTARROWS = 0x0001;
constexpr LRESULT DLGC_WANTTAB = 0x0002;
constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
constexpr LRESULT DLGC_HASSETSEL = 0x0008;
constexpr LRESULT DLGC_DEFPUSHBUTTON = 0x0010;
constexpr LRESULT DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr LRESULT DLGC_RADIOBUTTON = 0x0040;
constexpr LRESULT DLGC_WANTCHARS = 0x0080;
constexpr LRESULT DLGC_STATIC = 0x0100;
constexpr LRESULT DLGC_BUTTON = 0x2000;

// Mouse-message key flags (WParam).
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;
constexpr WPARAM MK_ALT = 0x1000;  // our own: the mouse messages also tell the Alt key

// Scroll-bar codes (LOWORD of WParam of WM_HSCROLL / WM_VSCROLL; HIWORD is the position).
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr Word SB_LINEUP = 0;
constexpr Word SB_LINELEFT = 0;
constexpr Word SB_LINEDOWN = 1;
constexpr Word SB_LINERIGHT = 1;
constexpr Word SB_PAGEUP = 2;
constexpr Word SB_PAGELEFT = 2;
constexpr Word SB_PAGEDOWN = 3;
constexpr Word SB_PAGERIGHT = 3;
constexpr Word SB_THUMBPOSITION = 4;
constexpr Word SB_THUMBTRACK = 5;
constexpr Word SB_TOP = 6;
constexpr Word SB_BOTTOM = 7;
constexpr Word SB_ENDSCROLL = 8;

// Virtual key codes.
constexpr Word VK_LBUTTON = 0x01;
constexpr Word VK_RBUTTON = 0x02;
constexpr Word VK_CANCEL = 0x03;
constexpr Word VK_MBUTTON = 0x04;
constexpr Word VK_BACK = 0x08;
constexpr Word VK_TAB = 0x09;
constexpr Word VK_CLEAR = 0x0C;
constexpr Word VK_RETURN = 0x0D;
constexpr Word VK_SHIFT = 0x10;
constexpr Word VK_CONTROL = 0x11;
constexpr Word VK_MENU = 0x12;
constexpr Word VK_PAUSE = 0x13;
constexpr Word VK_CAPITAL = 0x14;
constexpr Word VK_ESCAPE = 0x1B;
constexpr Word VK_SPACE = 0x20;
constexpr Word VK_PRIOR = 0x21;
constexpr Word VK_NEXT = 0x22;
constexpr Word VK_END = 0x23;
constexpr Word VK_HOME = 0x24;
constexpr Word VK_LEFT = 0x25;
constexpr Word VK_UP = 0x26;
constexpr Word VK_RIGHT = 0x27;
constexpr Word VK_DOWN = 0x28;
constexpr Word VK_SELECT = 0x29;
constexpr Word VK_PRINT = 0x2A;
constexpr Word VK_EXECUTE = 0x2B;
constexpr Word VK_SNAPSHOT = 0x2C;
constexpr Word VK_INSERT = 0x2D;
constexpr Word VK_DELETE = 0x2E;
constexpr Word VK_HELP = 0x2F;
// '0' to '9' and 'A' to 'Z' are their own codes.
constexpr Word VK_LWIN = 0x5B;
constexpr Word VK_RWIN = 0x5C;
constexpr Word VK_APPS = 0x5D;
constexpr Word VK_NUMPAD0 = 0x60;
constexpr Word VK_NUMPAD9 = 0x69;
constexpr Word VK_MULTIPLY = 0x6A;
constexpr Word VK_ADD = 0x6B;
constexpr Word VK_SEPARATOR = 0x6C;
constexpr Word VK_SUBTRACT = 0x6D;
constexpr Word VK_DECIMAL = 0x6E;
constexpr Word VK_DIVIDE = 0x6F;
constexpr Word VK_F1 = 0x70;
constexpr Word VK_F2 = 0x71;
constexpr Word VK_F3 = 0x72;
constexpr Word VK_F4 = 0x73;
constexpr Word VK_F5 = 0x74;
constexpr Word VK_F6 = 0x75;
constexpr Word VK_F7 = 0x76;
constexpr Word VK_F8 = 0x77;
constexpr Word VK_F9 = 0x78;
constexpr Word VK_F10 = 0x79;
constexpr Word VK_F11 = 0x7A;
constexpr Word VK_F12 = 0x7B;
constexpr Word VK_NUMLOCK = 0x90;
constexpr Word VK_SCROLL = 0x91;
constexpr Word VK_OEM_1 = 0xBA;       // ;:
constexpr Word VK_OEM_PLUS = 0xBB;    // =+
constexpr Word VK_OEM_COMMA = 0xBC;   // ,<
constexpr Word VK_OEM_MINUS = 0xBD;   // -_
constexpr Word VK_OEM_PERIOD = 0xBE;  // .>
constexpr Word VK_OEM_2 = 0xBF;       // /?
constexpr Word VK_OEM_3 = 0xC0;       // `~
constexpr Word VK_OEM_4 = 0xDB;       // [{
constexpr Word VK_OEM_5 = 0xDC;       // \|
constexpr Word VK_OEM_6 = 0xDD;       // ]}
constexpr Word VK_OEM_7 = 0xDE;       // '"
constexpr Word VK_PACKET = 0xE7;      // a key that only brings a character

// The keys and buttons held during an input event.
enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;

// Key messages carry the shift state in LParam; these two convert.
LPARAM ShiftStateToKeyData(TShiftState shift);
TShiftState KeyDataToShiftState(LPARAM keyData);
// Mouse messages carry the MK_ flags in WParam.
WPARAM ShiftStateToMouseKeys(TShiftState shift);
TShiftState MouseKeysToShiftState(WPARAM keys);

class TControl;

// Queues a message for the control on the event loop (dropped if the control is freed
// first). A key message then goes where a typed key goes (see DeliverKeyMessage).
void PostMessage(TControl* control, UINT msg, WPARAM wParam, LPARAM lParam);

// A message number of its own for a name, the same for the same name (letter case
// ignored) during the whole run, from 0xC000 on.
UINT RegisterWindowMessage(const std::string& name);
