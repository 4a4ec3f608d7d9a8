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

// The plain text of a rich text; the font takes the size and style of the text's start, as
// the rich edit measures it.
std::string TakeRichTextFormat(const std::string& Rtf, TFont& Font)
{
    const std::optional<TRichRuns> runs = ReadRtf(Rtf);
    if (!runs) return Rtf;
    if (!runs->empty()) {
        const TRichCharFormat& format = runs->front().Format;
        if (format.Size > 0) Font.SetSize(format.Size);
        TFontStyles style;
        if (format.Bold) style += fsBold;
        if (format.Italic) style += fsItalic;
        if (format.Underline) style += fsUnderline;
        if (format.StrikeOut) style += fsStrikeOut;
        Font.SetStyle(style);
    }
    return RichPlainText(*runs);
}

} // namespace

TSize TExtStringGrid::GetCellTextSize(int ACol, int ARow, bool VS, bool SB)
{
    const int displCol = RealToDisplCol(ACol);
    int kind = ttPlain;
    std::string text = ShownCellText(ACol, ARow, kind);
    TBitmap measure(1, 1);
    TCanvas& canvas = *measure.Canvas();
    TGridDrawState state;
    GetFontProperties(displCol, ACol, ARow, state, canvas.Font(), canvas.Brush());
    const bool fixed = displCol < FixedCols() || ARow < FixedRows();
    if (fixed && ActiveCellShow && ActiveCellFont()->Style().Contains(fsBold))
        canvas.Font()->SetStyle(canvas.Font()->Style() + fsBold);
    if (ZoomFactor != 0) canvas.Font()->SetSize(canvas.Font()->Size() + ZoomFactor);
    // A rich-text cell takes the room of what it says, in the format its text starts with.
    if (kind == ttRichText) text = TakeRichTextFormat(text, *canvas.Font());

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
