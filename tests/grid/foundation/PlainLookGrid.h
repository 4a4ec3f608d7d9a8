#pragma once
#include "grid/foundation/model/BaseGrid.h"

// A base grid with the plain look a grid control gives it: fixed cells in the button face,
// selected cells navy, all others white.
class TPlainLookGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;

protected:
    bool IsFixed(int ACol, int ARow) const override { return ACol < FixedCols() || ARow < FixedRows(); }
    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Selection,
                             bool MapColumn, TBrush* ABrush, TColor& ColorTo, TColor& ColorMirror,
                             TColor& ColorMirrorTo, TFont* AFont, TAlignment& HAlign, TVAlignment& VAlign,
                             bool& WordWrap, TCellGradientDirection& GradientDirection) override
    {
        TBaseGrid::GetVisualProperties(ACol, ARow, AState, Print, Selection, MapColumn, ABrush, ColorTo,
                                       ColorMirror, ColorMirrorTo, AFont, HAlign, VAlign, WordWrap,
                                       GradientDirection);
        ABrush->SetColor(AState.Contains(gdFixed)      ? clBtnFace
                         : AState.Contains(gdSelected) ? clNavy
                                                       : clWhite);
    }
};
