#pragma once
#include "platform/ui/Graphics.h"

// Where a cell stands in a selected row, for the rounded selection bar: the ends get
// rounded corners and side lines, so that a selected range reads as one bar.
enum TSelectionPart { spSingle = 0, spLeftEnd = 1, spRightEnd = 2, spMiddle = 3 };

// One cell of the Office-like selection bar: inner highlight lines, an outer frame with
// rounded corners on the ends, and a gradient fill (two halves with a mirror colour).
void DrawSelectionCell(TCanvas* Canvas, TColor Color, TColor ColorTo, TColor MirrorColor,
                       TColor MirrorColorTo, TColor UpperInnerColor, TColor LowerInnerColor,
                       TColor FrameColor, TColor CornerColor, TColor OuterCornerColor, TRect R, int Part);
