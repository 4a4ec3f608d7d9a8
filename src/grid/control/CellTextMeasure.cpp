#include "grid/control/CellTextMeasure.h"

#include <limits>

#include "grid/foundation/markup/HtmlDraw.h"

TSize MeasureCellText(TCanvas* Canvas, const std::string& Text, bool Markup, bool WordWrap, int WrapWidth)
{
    if (Text.empty()) return {0, 0};
    const int width = WordWrap && WrapWidth > 0 ? WrapWidth : std::numeric_limits<int>::max() / 4;
    if (Markup) {
        THtmlDrawParams params;
        params.MeasureOnly = true;
        params.WordWrap = WordWrap;
        const THtmlDrawResult result = HtmlDraw(Canvas, Text, TRect{0, 0, width, 0x3FFFFFFF}, params);
        return {result.MeasuredWidth, result.MeasuredHeight};
    }
    TRect rect{0, 0, width, 0};
    DrawText(Canvas, Text, rect, DT_CALCRECT | DT_NOPREFIX | (WordWrap ? DT_WORDBREAK : 0u));
    return {rect.Right - rect.Left, rect.Bottom - rect.Top};
}
