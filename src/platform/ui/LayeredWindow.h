#pragma once
#include <cstdint>

#include "platform/ui/Controls.h"
#include "platform/ui/Graphics.h"

// Layered windows: small top-level windows over a control that show a picture with an
// alpha channel, or themselves at one opacity. They never take the focus or the mouse.

using BYTE = uint8_t;
using DWORD = uint32_t;

constexpr DWORD ULW_COLORKEY = 0x1;
constexpr DWORD ULW_ALPHA = 0x2;
constexpr DWORD ULW_OPAQUE = 0x4;
constexpr DWORD LWA_COLORKEY = 0x1;
constexpr DWORD LWA_ALPHA = 0x2;
constexpr BYTE AC_SRC_OVER = 0x00;
constexpr BYTE AC_SRC_ALPHA = 0x01;

struct TBlendFunction {
    BYTE BlendOp = AC_SRC_OVER;
    BYTE BlendFlags = 0;
    BYTE SourceConstantAlpha = 255; // the opacity of the whole window
    BYTE AlphaFormat = 0;           // AC_SRC_ALPHA: the picture's pixels carry premultiplied alpha
};

// Turns the control's window into a frameless tool window that stays above its parent's
// window, shows without activation and lets the mouse through. Call it after SetParent.
void MakeOverlayWindow(TWinControl* control);

// Places the overlay window at ScreenPos (nullptr keeps it) with the Size (nullptr keeps
// it) and shows the part of Source from SourcePos (nullptr: 0, 0) under Blend: with
// ULW_ALPHA and AC_SRC_ALPHA the 32-bit picture's alpha, premultiplied, is per pixel;
// SourceConstantAlpha fades the whole window. A colour key is not offered: false for
// ULW_COLORKEY, as for a control that is no overlay window; true otherwise.
bool UpdateLayeredWindow(TWinControl* window, const TPoint* screenPos, const TSize* size,
                         const TBitmap* source, const TPoint* sourcePos, TColor key,
                         const TBlendFunction* blend, DWORD flags);
// The opacity of the whole window with LWA_ALPHA; false for LWA_COLORKEY (not offered).
bool SetLayeredWindowAttributes(TWinControl* window, TColor key, BYTE alpha, DWORD flags);

// What the layered window shows: its picture (premultiplied, as given; false when it has
// none) and its opacity for the whole window (255 when never set).
bool LayeredWindowPicture(const TWinControl* window, TBitmap& picture);
BYTE LayeredWindowAlpha(const TWinControl* window);
