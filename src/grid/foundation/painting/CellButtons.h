#pragma once
#include "platform/ui/Controls.h"
#include "platform/ui/Graphics.h"

// The drop-down, push and spin buttons the grid draws inside cells.

enum TCellButtonKind { btkVisualStyles, btkClassic, btkFlat, btkCustom };
enum TCellButtonState { btsNormal, btsHot, btsDown, btsDisabled };

// The colours of custom-coloured buttons, in their stored order. The painters read the
// fill and frame of each state and the arrow; the gradient ends are kept for the editor
// controls that draw gradients.
struct TCellButtonLook {
    TColor Color = clBtnFace;
    TColor BorderColor = clBtnShadow;
    TColor ArrowColor = clBlack;
    TColor ColorTo = clNone;
    TColor ColorMirror = clNone;
    TColor ColorMirrorTo = clNone;
    TColor ColorDown = clBtnShadow;
    TColor BorderColorDown = cl3DDkShadow;
    TColor ColorDownTo = clNone;
    TColor ColorHot = clBtnHighlight;
    TColor BorderColorHot = clBtnShadow;
    TColor ColorHotTo = clNone;
    TColor ColorDisabled = clBtnFace;
    TColor BorderColorDisabled = clBtnShadow;
    TColor ColorDisabledTo = clNone;

    TColor FillOf(TCellButtonState State) const;
    TColor FrameOf(TCellButtonState State) const;
};

// A drop-down button 17 pixels wide at the right end of the rectangle. ThemeWindow is the
// control the button is drawn for.
void DrawThemedComboButton(TCanvas* Canvas, TWinControl* ThemeWindow, const TRect& R, TCellButtonKind Kind,
                           TCellButtonState State, const TCellButtonLook& Look);
// A push button filling the rectangle.
void DrawThemedButton(TCanvas* Canvas, TWinControl* ThemeWindow, const TRect& R, TCellButtonKind Kind,
                      TCellButtonState State, const TCellButtonLook& Look);
// An up and a down button, one above the other, 15 pixels wide at the right end.
void DrawThemedSpinButtons(TCanvas* Canvas, TWinControl* ThemeWindow, const TRect& R, TCellButtonKind Kind,
                           TCellButtonState State, const TCellButtonLook& Look);
