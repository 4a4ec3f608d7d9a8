#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/markup/HtmlDraw.h"
#include "grid/foundation/painting/RotatedTextPlacement.h"
#include "grid/foundation/text/CellText.h"
#include "grid/foundation/text/TextUtils.h"
#include "platform/ui/RichTextFormat.h"

// The room a cell's text needs, for automatic sizing: measured in the cell's own font, as
// the painter would draw it.

namespace {

constexpr int kScrollBarRoom = 17;
constexpr int kRotatedMargin = 12;

// A text turned by Angle degrees takes the box around its turned rectangle, with a margin.
TSize RotatedSize(TSize Size, int Angle)
{
    const TSize bounds = RotatedTextBounds(Size, Angle);
    return {bounds.cx + kRotatedMargin, bounds.cy + kRotatedMargin};
}

} // namespace

TSize TExtStringGrid::GetCellTextSize(int ACol, int ARow, bool VS, bool SB)
{
    const int displCol = RealToDisplCol(ACol);
    int kind = ttPlain;
    std::string text = ShownCellText(ACol, ARow, kind);
    // A rich-text cell takes the room of what it says, not of its RTF source.
    if (kind == ttRichText) text = RtfPlainText(text);
    TBitmap measure(1, 1);
    TCanvas& canvas = *measure.Canvas();
    TGridDrawState state;
    GetFontProperties(displCol, ACol, ARow, state, canvas.Font(), canvas.Brush());
    const bool fixed = displCol < FixedCols() || ARow < FixedRows();
    if (fixed && ActiveCellShow && ActiveCellFont()->Style().Contains(fsBold))
        canvas.Font()->SetStyle(canvas.Font()->Style() + fsBold);
    if (ZoomFactor != 0) canvas.Font()->SetSize(canvas.Font()->Size() + ZoomFactor);

    TRect r = CellRect(displCol, ARow);
    r.Left += XYOffset.X;
    r.Top += XYOffset.Y;
    if (!XYOffsetTopLeftOnly) {
        r.Right -= XYOffset.X;
        r.Bottom -= XYOffset.Y;
    }
    if (VS) r.Right -= kScrollBarRoom;
    TSize size;
    if (kind == ttMarkup) {
        if (!SB) r.Right = r.Bottom = 65535;
        THtmlDrawParams params;
        params.MeasureOnly = true;
        params.WordWrap = SB;
        const THtmlDrawResult measured = HtmlDraw(&canvas, text, r, params);
        size = {measured.MeasuredWidth + 2, measured.MeasuredHeight + 2};
    } else if (SB) {
        r = InflateRect(r, -2, -2);
        TRect calc = r;
        const int height =
            DrawText(&canvas, text, calc, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
        size = {r.Width(), height};
    } else {
        int width = 0, lines = 0;
        std::string rest = text;
        do {
            std::string line = ExtractFirstLine(rest, Multilinecells);
            if (URLShow && !URLFull && IsUrlText(line)) StripUrlScheme(line);
            width = std::max(width, canvas.TextWidth(line));
            ++lines;
        } while (!rest.empty());
        size = {width, canvas.TextHeight("gh") * lines};
    }
    if (const TCellGraphic* graphic = GetCellGraphic(ACol, ARow); graphic && graphic->CellType == ctRotated)
        size = RotatedSize(size, graphic->CellAngle);
    return size;
}
