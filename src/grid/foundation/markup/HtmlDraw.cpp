#include "grid/foundation/markup/HtmlDraw.h"

#include <algorithm>

#include "grid/foundation/markup/HtmlLinePass.h"
#include "grid/foundation/markup/HtmlMarkup.h"
#include "grid/foundation/markup/HtmlTagAttributes.h"
#include "grid/foundation/painting/VisualStyles.h"
#include "platform/os/SystemProfile.h"

namespace {
// Puts back the canvas's pen, brush and font on every way out.
class TCanvasKeeper {
public:
    explicit TCanvasKeeper(TCanvas* canvas)
        : canvas_(canvas), penColor_(canvas->Pen()->Color()), penWidth_(canvas->Pen()->Width()),
          brushColor_(canvas->Brush()->Color()), brushStyle_(canvas->Brush()->Style())
    {
        font_.Assign(*canvas->Font());
    }
    ~TCanvasKeeper()
    {
        canvas_->Pen()->SetColor(penColor_);
        canvas_->Pen()->SetWidth(penWidth_);
        canvas_->Brush()->SetColor(brushColor_);
        canvas_->Brush()->SetStyle(brushStyle_);
        canvas_->Font()->Assign(font_);
    }
    TCanvasKeeper(const TCanvasKeeper&) = delete;
    TCanvasKeeper& operator=(const TCanvasKeeper&) = delete;

private:
    TCanvas* canvas_;
    TColor penColor_;
    int penWidth_;
    TColor brushColor_;
    TBrushStyle brushStyle_;
    TFont font_;
};

// Windows XP (5.1) or later with its visual styles active.
bool UsesVisualStyles()
{
    const TSystemProfile& system = SystemProfile();
    const bool xpOrLater = system.MajorVersion > 5 || (system.MajorVersion == 5 && system.MinorVersion >= 1);
    return xpOrLater && IsThemeActive();
}

// The line's place: right or centre alignment and the paragraph indent move its left edge;
// it is as tall as its text with the room of subscripts and superscripts. A line laid out
// from the right takes the mirror image of that place.
TRect PlaceLine(const TRect& lineRect, const THtmlDrawState& state, const THtmlLineMetrics& metrics,
                bool mirrored)
{
    TRect place = lineRect;
    if (state.Align == taRightJustify) place.Left = std::max(place.Left, place.Right - metrics.Width);
    if (state.Align == taCenter && place.Width() > metrics.Width)
        place.Left += (place.Width() - metrics.Width) / 2;
    place.Left += state.Indent;
    place.Bottom = place.Top + metrics.Height + metrics.SubscriptExtra + metrics.SuperscriptExtra;
    if (mirrored) {
        const int left = place.Left;
        place.Left = lineRect.Left + (lineRect.Right - place.Right);
        place.Right = lineRect.Right - (left - lineRect.Left);
    }
    return place;
}
} // namespace

THtmlDrawResult HtmlDraw(TCanvas* canvas, const std::string& text, const TRect& rect,
                         const THtmlDrawParams& params)
{
    THtmlDrawResult result;
    if (params.HitTestOnly) result.ControlID = params.ControlID;
    const TCanvasKeeper keeper(canvas);

    THtmlDrawContext context;
    context.Canvas = canvas;
    context.Text = PrepareHtmlText(text);
    context.Rect = rect;
    context.Params = &params;
    context.Result = &result;
    context.BaseFont.Assign(*canvas->Font());
    context.EntryBrushColor = canvas->Brush()->Color();
    context.VisualStyles = UsesVisualStyles();
    context.TextFlags = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | (params.WordWrap ? 0 : DT_END_ELLIPSIS);
    if (SystemProfile().MiddleEastLocale && params.BiDiMode != bdLeftToRight) {
        context.TextFlags |= DT_RTLREADING;
        context.Mirrored = params.BiDiMode == bdRightToLeft;
        if (context.Mirrored) context.TextFlags |= DT_RIGHT;
    }
    canvas->Brush()->SetStyle(bsClear);

    THtmlDrawState measureState;
    THtmlDrawState paintState;
    measureState.Font.Assign(*canvas->Font());
    paintState.Font.Assign(*canvas->Font());
    TRect lineRect = rect;
    lineRect.Left += 1;
    for (size_t at = 0; at < context.Text.size();) {
        canvas->Font()->Assign(measureState.Font);
        THtmlLineMetrics metrics;
        metrics.GhHeight = canvas->TextHeight("gh");
        metrics.Height = metrics.GhHeight;
        THtmlLinePass measure(context, measureState, metrics, THtmlLinePass::TKind::Measure, lineRect, false);
        const size_t lineEnd = measure.Walk(at, context.Text.size());
        if (!params.MeasureOnly) {
            const TRect place = PlaceLine(lineRect, measureState, metrics, context.Mirrored);
            THtmlLinePass paint(context, paintState, metrics, THtmlLinePass::TKind::Paint, place,
                                !params.HitTestOnly);
            paint.Walk(at, lineEnd);
            const int textBand = place.Bottom - metrics.ImageOffset;
            if (paint.ItemHit() ||
                (paint.AnchorHit() && params.Y > textBand - metrics.GhHeight && params.Y < textBand))
                result.Hit = true;
        }
        const int lineHeight = metrics.Height + metrics.SubscriptExtra + metrics.SuperscriptExtra;
        lineRect.Top = AddHtmlExtent(lineRect.Top, lineHeight);
        result.MeasuredHeight = AddHtmlExtent(result.MeasuredHeight, lineHeight);
        if (lineEnd == at) break; // no text can hold the layout in one place
        at = lineEnd;
        if (!params.MeasureOnly && lineRect.Top + metrics.GhHeight > rect.Bottom) break;
    }
    if (result.MeasuredHeight == 0) result.MeasuredHeight = canvas->TextHeight("gh");
    result.AnchorCount = measureState.AnchorCount;
    return result;
}
