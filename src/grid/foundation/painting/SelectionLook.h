#pragma once
#include "grid/foundation/model/GridEnums.h"
#include "grid/foundation/painting/SelectionCell.h"

// The colours of the built-in selection looks: Fill to FillTo is the upper half of the
// fill (the whole fill when Mirror is clNone), Mirror to MirrorTo the lower half; Border
// the outer frame, InnerTop and InnerBottom the inner highlight lines, Corner the pixels
// of the rounded corners.
struct TSelectionColors {
    TColor Fill;
    TColor FillTo;
    TColor Mirror;
    TColor MirrorTo;
    TColor Border;
    TColor InnerTop;
    TColor InnerBottom;
    TColor Corner;
};

// The colour set of a look (ssVista, ssWin7, ssOffice2007); every look shares one grey set
// when the grid shows its selection without focus.
const TSelectionColors& SelectionColors(TGridSelectionStyle Style, bool Focused);

// Where column ACol stands in a selection from column Left to Right (either order).
TSelectionPart SelectionPartOf(int ACol, int Left, int Right);
