#include "grid/control/HeaderDragButton.h"

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/markup/HtmlDraw.h"

THeaderDragButton::THeaderDragButton(TExtStringGrid* AGrid) : TFloatingWindow(AGrid, fwHint), FGrid(AGrid)
{
    SetColor(clBtnFace);
    SetEnabled(false);
}

void THeaderDragButton::SetDragCaption(const std::string& Value)
{
    FCaption = Value;
    Invalidate();
}

void THeaderDragButton::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    // A plain fixed cell: the button does not copy the look of the grid's own header.
    c.Brush()->SetColor(FGrid->FixedColor());
    c.FillRect(r);
    if (Flat)
        Frame3D(&c, r, clBtnShadow, clBtnShadow, 1);
    else
        Frame3D(&c, r, clBtnHighlight, clBtnShadow, 1);

    c.Font()->Assign(*FGrid->FixedFont());
    c.Brush()->SetStyle(bsClear);
    if (FCaption.find("</") != std::string::npos) {
        HtmlDraw(&c, FCaption, r, THtmlDrawParams{});
    } else {
        DrawText(&c, FCaption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    c.Brush()->SetStyle(bsSolid);
}
