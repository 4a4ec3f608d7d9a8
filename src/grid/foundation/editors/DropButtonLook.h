#pragma once
#include "grid/foundation/editors/ExtTimerSpeedButton.h"
#include "platform/ui/Themes.h"

// The own look that the drop-down controls (the combo box, the date pickers) paint over
// the platform's: a one-pixel or flat frame, a coloured drop-down button and the flat
// button ring.

// What the frame depends on.
struct TOwnFrameState {
    TColor BorderColor = clNone;
    TColor FocusBorderColor = clNone;
    bool Enabled = true;
    bool Themed = false; // the common controls draw with visual styles
    bool DisabledBorder = true;
    bool HasFocus = false;
    // The sunken focus edge of the flat look: wanted, and the mouse is over the control or
    // it is the active control.
    bool FocusEdge = false;
    TColor ParentColor = clBtnFace;
    TColor ControlColor = clWindow;
    int ButtonWidth = 19;
};

enum TOwnFrameKind { ofNone, ofColored, ofFlat };

// The frame around a width × height window: one pixel in the frame colour, or, without
// one, the flat frames in the parent's and the control's colours. `inner` receives the
// innermost flat frame. Nothing is drawn when a focus frame colour waits for the focus.
TOwnFrameKind DrawOwnFrame(TCanvas* canvas, const TOwnFrameState& state, int width, int height, TRect& inner);

// How the flat button looks while the control is active (hovered or the active control).
enum TActiveButtonLook { abUntouched, abRaised, abFlat };

// The flat drop-down button right of the frame: a resting button gets a face-coloured
// ring around its inside; an active one the given look.
void DrawFlatDropButton(TCanvas* canvas, int clientWidth, int clientHeight, int buttonWidth, bool active,
                        TActiveButtonLook activeLook);

// The coloured drop-down button: filled from `fillInset` pixels right of the rectangle's
// left edge, a border line along that edge, and a down arrow whose top-left corner is
// `arrowLeft` pixels right of the edge and 7 below the top.
void PaintColoredDropButton(TCanvas* canvas, const TRect& rect, const TButtonColors& colors, bool hover,
                            bool mouseDown, int fillInset, int arrowLeft);

// The themed state of a combo box's drop-down button.
TThemedState DropButtonState(bool enabled, bool mouseDown, bool droppedDown, bool hover);
