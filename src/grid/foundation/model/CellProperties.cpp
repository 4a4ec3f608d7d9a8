#include "grid/foundation/model/CellProperties.h"

TCellProperties::TCellProperties(TCellPropsStore* AOwner, int ACol, int ARow)
    : FOwnerGrid(AOwner), FOwnerCol(ACol), FOwnerRow(ARow)
{
}

// The cell graphic dies with the cell's properties, however they go; graphics of other
// classes belong to whoever made them.
TCellProperties::~TCellProperties()
{
    if (GraphicObject && GraphicObject->ClassName() == "TCellGraphic") delete GraphicObject;
}

void TCellProperties::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TCellProperties*>(&Source);
    if (!other) return TPersistent::Assign(Source);
    IsBaseCell = other->IsBaseCell;
    CellSpanX = other->CellSpanX;
    CellSpanY = other->CellSpanY;
    FOwnerRow = other->FOwnerRow;
    FOwnerCol = other->FOwnerCol;
    CellObject = other->CellObject;
    Alignment = other->Alignment;
    BorderColor = other->BorderColor;
    BorderWidth = other->BorderWidth;
    FBrushColor = other->FBrushColor;
    BrushStyle = other->BrushStyle;
    FontColor = other->FontColor;
    FontStyle = other->FontStyle;
    FontName = other->FontName;
    FontSize = other->FontSize;
    ReadOnly = other->ReadOnly;
    Editor = other->Editor;
    FVAlignment = other->FVAlignment;
    FWordWrap = other->FWordWrap;
    NodeLevel = other->NodeLevel;
    Control = other->Control;
}

TPoint TCellProperties::BaseCell(int ACol, int ARow) const
{
    if (!IsBaseCell && CellSpanX != -1 && CellSpanY != -1) return {ACol - CellSpanX, ARow - CellSpanY};
    return {ACol, ARow};
}

void TCellProperties::Repaint()
{
    if (FOwnerGrid) FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow);
}

void TCellProperties::SetBrushColor(TColor Value)
{
    FBrushColor = Value;
    Repaint();
}

void TCellProperties::SetBrushColorTo(TColor Value)
{
    FBrushColorTo = Value;
    Repaint();
}

void TCellProperties::SetVAlignment(TVAlignment Value)
{
    FVAlignment = Value;
    Repaint();
}

void TCellProperties::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    Repaint();
}
