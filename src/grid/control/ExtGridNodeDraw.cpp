#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/CellNode.h"

// The glyph of a node row: a box with a minus while the node is open and a plus while it is
// contracted, or the look's own pictures. It stands where IsNodeGlyphHit takes clicks: one
// indent per level deeper.

namespace {

constexpr int kNodeBoxSize = 9;

struct TNodeGlyphPlace {
    int Offset; // from the left of the level's indent
    int Size;
};

TNodeGlyphPlace NodeGlyphPlace(TNodeType Type)
{
    switch (Type) {
    case cn3D:
        return {0, 11};
    case cnLeaf:
        return {2, kNodeBoxSize};
    default:
        return {4, kNodeBoxSize};
    }
}

void DrawNodeBox(TCanvas* Canvas, const TRect& Box, bool Contracted, bool Raised, TColor LineColor,
                 TColor Fill)
{
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Fill);
    Canvas->Pen()->SetColor(LineColor);
    Canvas->Rectangle(Box);
    if (Raised) {
        TRect inner{Box.Left + 1, Box.Top + 1, Box.Right - 1, Box.Bottom - 1};
        Frame3D(Canvas, inner, clWhite, clGray, 1);
    }
    const int midX = (Box.Left + Box.Right) / 2;
    const int midY = (Box.Top + Box.Bottom) / 2;
    Canvas->Pen()->SetColor(LineColor);
    Canvas->MoveTo(Box.Left + 2, midY);
    Canvas->LineTo(Box.Right - 2, midY);
    if (Contracted) {
        Canvas->MoveTo(midX, Box.Top + 2);
        Canvas->LineTo(midX, Box.Bottom - 2);
    }
}

} // namespace

void TExtStringGrid::DrawNodeGlyph(TCanvas* ACanvas, const TRect& Rect, int ARow, bool Contracted) const
{
    const TCellNode& look = *CellNode();
    const int level = std::max(GetNodeLevel(ARow), 1);
    const int levelLeft = Rect.Left + (level - 1) * look.NodeIndent();
    if (look.NodeType() == cnGlyph) {
        const TBitmap* glyph = Contracted ? look.ExpandGlyph() : look.ContractGlyph();
        if (glyph && glyph->Width() > 0)
            ACanvas->Draw(levelLeft + 2, (Rect.Top + Rect.Bottom - glyph->Height()) / 2, glyph);
        return;
    }
    const TNodeGlyphPlace place = NodeGlyphPlace(look.NodeType());
    const int top = (Rect.Top + Rect.Bottom - place.Size) / 2;
    const TRect box{levelLeft + place.Offset, top, levelLeft + place.Offset + place.Size, top + place.Size};
    DrawNodeBox(ACanvas, box, Contracted, look.NodeType() == cn3D, look.NodeColor,
                look.NodeType() == cn3D ? clBtnFace : clWhite);
}
