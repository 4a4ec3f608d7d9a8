#pragma once
#include <string>

#include "grid/control/CellPaintContext.h"

class TExtStringGrid;

// The text step of the cell painter: the selection colours, the displayed text (masked for
// passwords), the filter glyph, the selection frame, and the text itself as markup or plain
// text with link styling and the sort glyph. It measures the text for the graphic drawer.
class TCellTextPainter {
public:
    TCellTextPainter(TExtStringGrid& Grid, TCellPaintContext& Context) : G(Grid), C(Context) {}
    void Paint();

private:
    void ApplySelectionColors();
    void ResetDisjunctSelection();
    std::string CellText(int& TextType);
    void DrawFilterGlyph(const TRect& Area);
    void DrawCellBackground();
    void DrawSelectionFrame();
    void ShrinkForMarginsAndGraphic();
    void DrawMarkupText(const std::string& Text);
    void DrawPlainText(std::string Text);
    unsigned PlainTextFlags(std::string& Text) const;
    TRect WholeLines(const std::string& Text, unsigned Flags) const;
    // The sort glyph beside the text; X is its centre, Y by the vertical alignment in TR.
    void DrawSortGlyph(int X);
    bool SortGlyphShown() const;

    TExtStringGrid& G;
    TCellPaintContext& C;
    TRect TR;
    TColor URLColour = clNone;
    int SortShift = 0;
};
