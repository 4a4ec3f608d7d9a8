#include "grid/foundation/editors/ExtGridButton.h"
#include "grid/foundation/editors/GlyphCaptionLayout.h"
#include "grid/foundation/painting/GlyphImages.h"
#include "grid/foundation/markup/HtmlControlPainter.h"
#include "grid/foundation/editors/StyleQueries.h"
#include "grid/foundation/painting/VisualStyles.h"
#include "platform/ui/Themes.h"

namespace {
constexpr int kGradientSteps = 16;
constexpr int kDropDownWidth = 12;

// A solid face with an outline in the pen colour (the fill colour when that is clNone), or
// a gradient framed in the pen colour.
void Face(TCanvas* canvas, const TRect& r, TColor color, TColor colorTo, TColor pen)
{
    if (colorTo == clNone) {
        canvas->Brush()->SetColor(color);
        canvas->Pen()->SetColor(pen == clNone ? color : pen);
        canvas->Rectangle(r);
    } else {
        DrawButtonGradient(canvas, color, colorTo, pen, kGradientSteps, r, false);
    }
}

void RoundFrame(TCanvas* canvas, const TRect& r, TColor color)
{
    canvas->Brush()->SetStyle(bsClear);
    canvas->Pen()->SetColor(color);
    const TRect outer = InflateRect(r, 1, 1);
    canvas->RoundRect(outer.Left, outer.Top, outer.Right, outer.Bottom, 8, 8);
    canvas->Brush()->SetStyle(bsSolid);
}
} // namespace

bool TExtGridButton::Hot() const
{
    return FMouseInControl && Enabled() && !ComponentState().Contains(csDesigning);
}

void TExtGridButton::PaintFlatFace(TRect& R)
{
    TCanvas* canvas = Canvas();
    if (BorderDownColor == clNone || FRounded) R = InflateRect(R, -1, -1);
    canvas->Pen()->SetWidth(1);
    if (!Hot()) {
        if (FStyle == tasCheck && FDown) {
            Face(canvas, R, FColorChecked, FColorCheckedTo, BorderDownColor);
        } else if (FColorTo == clNone) {
            canvas->Brush()->SetColor(Color());
            canvas->FillRect(R);
        } else {
            const TColor border = FRounded ? clNone : FDown ? BorderDownColor : FBorderColor;
            DrawButtonGradient(canvas, Color(), FColorTo, border, kGradientSteps, R, false);
        }
        if (!(FStyle == tasCheck && FDown) && FBorderColor != clNone) {
            if (FRounded) {
                RoundFrame(canvas, R, FBorderColor);
            } else {
                canvas->Brush()->SetStyle(bsClear);
                canvas->Pen()->SetColor(FBorderColor);
                canvas->Rectangle(R);
                canvas->Brush()->SetStyle(bsSolid);
            }
        }
    } else {
        const bool pressed = FState == bsDown;
        TColor color = pressed ? ColorDown : ColorHot;
        TColor colorTo = pressed ? ColorDownTo : ColorHotTo;
        TColor pen = pressed ? BorderDownColor : BorderHotColor;
        if (FStyle == tasCheck && FDown && !FDragging) {
            color = FColorChecked;
            colorTo = FColorCheckedTo;
            pen = BorderDownColor;
        }
        const TColor line = pen;
        Face(canvas, R, color, colorTo, FRounded ? clNone : pen);
        if (FRounded) RoundFrame(canvas, R, pressed ? BorderDownColor : BorderHotColor);
        if (FDropDownButton && line != clNone) {
            canvas->Pen()->SetColor(line);
            canvas->MoveTo(R.Right - kDropDownWidth, R.Top);
            canvas->LineTo(R.Right - kDropDownWidth, R.Bottom);
        }
    }
    R = InflateRect(R, -1, -1);
}

void TExtGridButton::PaintRaisedFace(TRect& R)
{
    const bool pressed = FState == bsDown || FState == bsExclusive;
    if (IsWinXPOrLater() && AutoXPStyle && FIsComCtl6 && IsThemeActive()) {
        TThemedState state;
        if (pressed)
            state += tsPressed;
        else if (Hot())
            state += tsHot;
        DrawThemedPart(Canvas(), tpPushButton, state, R);
        return;
    }
    PaintHtmlPushButton(Canvas(), R, pressed, false, false);
    R = InflateRect(R, -2, -2);
}

TBitmap* TExtGridButton::ChosenGlyph() const
{
    const auto either = [this](TBitmap* preferred) { return preferred->Empty() ? FGlyph.get() : preferred; };
    if (!Enabled()) return either(FGlyphDisabled.get());
    const bool pressed = FState == bsDown || FState == bsExclusive || (FDown && FGroupIndex != 0);
    if (pressed) return either(FGlyphDown.get());
    if (Hot()) return either(FGlyphHot.get());
    return FGlyph.get();
}

void TExtGridButton::PaintContent(TRect R, TPoint Offset)
{
    TCanvas* canvas = Canvas();
    const std::string caption = Caption();
    TSize textSize;
    if (!caption.empty()) {
        TRect measure = Rect(0, 0, R.Width(), 0);
        DrawText(canvas, caption, measure, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        textSize = {measure.Width(), measure.Height()};
    }
    TBitmap* glyph = ChosenGlyph();
    const TSize glyphSize = glyph->Empty() ? TSize{} : TSize{glyph->Width(), glyph->Height()};
    const TGlyphCaptionPlace place =
        PlaceGlyphAndCaption(R, Offset, glyphSize, textSize, FLayout, FMargin, FSpacing);
    const bool raised = FFlat && FShaded && Hot() && FState != bsDown;
    if (raised && !glyph->Empty() && !FGlyphShade->Empty()) {
        const TPoint at =
            caption.empty() ? place.GlyphPos : Point(place.GlyphPos.X + 2, place.GlyphPos.Y + 2);
        DrawTransparent(canvas, at, *FGlyphShade);
    }
    DrawTransparent(canvas, place.GlyphPos, *glyph);
    if (!FShowCaption || caption.empty()) return;
    TRect text = raised ? OffsetRect(place.TextBounds, 1, 1) : place.TextBounds;
    canvas->Brush()->SetStyle(bsClear);
    const unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (!Enabled()) {
        TRect lit = OffsetRect(text, 1, 1);
        canvas->Font()->SetColor(clBtnHighlight);
        DrawText(canvas, caption, lit, flags);
        canvas->Font()->SetColor(clBtnShadow);
    }
    DrawText(canvas, caption, text, flags);
}

void TExtGridButton::Paint()
{
    if (!Enabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled) {
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    }
    if (FStyle == tasCheck && FDown) FState = bsDown;

    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(*Font());
    canvas->Brush()->SetStyle(bsSolid);
    TRect R = Rect(0, 0, Width(), Height());
    if (FFlat)
        PaintFlatFace(R);
    else
        PaintRaisedFace(R);

    TPoint offset;
    const bool designing = ComponentState().Contains(csDesigning);
    if (FState == bsDown || FState == bsExclusive) {
        if (FState == bsExclusive && (!FFlat || !Hot())) {
            const TRect face = InflateRect(R, 1, 1);
            Face(canvas, face, FColorChecked, FColorCheckedTo, FDown ? BorderDownColor : FBorderColor);
        }
        if (!FFlat && !designing) offset = {1, 1};
    } else if (FFlat && FShaded && Hot()) {
        offset = {-1, -1};
    }

    if (FDropDownButton) {
        const int m = (R.Top + R.Bottom) / 2;
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(canvas->Font()->Color());
        canvas->Pen()->SetColor(canvas->Font()->Color());
        canvas->Polygon({{R.Right - 8, m - 1}, {R.Right - 4, m - 1}, {R.Right - 6, m + 1}});
        R.Right -= kDropDownWidth;
    }
    PaintContent(R, offset);
}
