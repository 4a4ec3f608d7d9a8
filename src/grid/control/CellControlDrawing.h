#pragma once
#include "platform/ui/Graphics.h"

// The check boxes and radio buttons of cells, drawn in code at the sizes of each look so that
// no picture resource is needed.

struct TCellControlState {
    bool Checked = false;
    bool Grayed = false;
    bool Enabled = true;
};

// A sunken box with a tick for the classic look, or a one-pixel frame for the flat and the
// picture looks, filling Box.
void DrawCodedCheckBox(TCanvas* Canvas, const TRect& Box, TCellControlState State, bool Flat);
// The raised box of the Borland look; Size places the tick's first stroke.
void DrawBorlandCheckBox(TCanvas* Canvas, const TRect& Box, TCellControlState State, int Size,
                         TColor TickColor);
// A round radio button filling Box, with a dot when checked.
void DrawCodedRadio(TCanvas* Canvas, const TRect& Box, TCellControlState State, bool Flat);
// The diamond radio of the Borland look in a 16 x 16 box at (X, Y).
void DrawBorlandRadio(TCanvas* Canvas, int X, int Y, bool Checked, TColor DotColor);
