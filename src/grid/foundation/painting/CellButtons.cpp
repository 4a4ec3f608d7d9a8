#include "grid/foundation/painting/CellButtons.h"

#include <vector>

#include "grid/foundation/painting/ClassicFrames.h"
#include "grid/foundation/painting/VisualStyles.h"
#include "platform/ui/Themes.h"

namespace {

constexpr int kComboWidth = 17;
constexpr int kSpinWidth = 15;

// Without the style library a styled button falls back to the classic look.
bool Styled(TCellButtonKind Kind) { return Kind == btkVisualStyles && ThemeLibraryLoaded(); }

TClassicFrameState ClassicState(TCellButtonKind Kind, TCellButtonState State, bool CanPush)
{
    return {CanPush && State == btsDown, State == btsDisabled, Kind == btkFlat};
}

// The look of one classic or styled button with an optional arrow; the styled combo and
// spin parts know only the normal and disabled states.
void DrawPart(TCanvas* Canvas, const TRect& R, TCellButtonKind Kind, TCellButtonState State,
              TClassicGlyph Glyph, bool AllStates)
{
    if (!Styled(Kind)) return DrawClassicFrameControl(Canvas, R, Glyph, ClassicState(Kind, State, AllStates));
    TThemedState themed;
    if (State == btsDisabled) themed += tsDisabled;
    if (AllStates && State == btsHot) themed += tsHot;
    if (AllStates && State == btsDown) themed += tsPressed;
    if (Glyph == cgArrowDown && !AllStates) return DrawThemedPart(Canvas, tpComboButton, themed, R);
    // A styled push face; the spin halves get their arrow drawn over it.
    DrawThemedPart(Canvas, tpPushButton, themed, R);
    DrawFrameGlyph(Canvas, R, Glyph, {false, State == btsDisabled, false});
}

void FillPart(TCanvas* Canvas, const TRect& R, TColor Fill, TColor Frame)
{
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Fill);
    Canvas->Pen()->SetColor(Frame);
    Canvas->Rectangle(R);
}

void FilledTriangle(TCanvas* Canvas, const std::vector<TPoint>& Points, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetColor(Color);
    Canvas->Polygon(Points);
}

} // namespace

TColor TCellButtonLook::FillOf(TCellButtonState State) const
{
    switch (State) {
    case btsHot:
        return ColorHot;
    case btsDown:
        return ColorDown;
    case btsDisabled:
        return ColorDisabled;
    default:
        return Color;
    }
}

TColor TCellButtonLook::FrameOf(TCellButtonState State) const
{
    switch (State) {
    case btsHot:
        return BorderColorHot;
    case btsDown:
        return BorderColorDown;
    case btsDisabled:
        return BorderColorDisabled;
    default:
        return BorderColor;
    }
}

void DrawThemedComboButton(TCanvas* Canvas, TWinControl*, const TRect& R, TCellButtonKind Kind,
                           TCellButtonState State, const TCellButtonLook& Look)
{
    TRect area = OffsetRect(Rect(R.Right - kComboWidth, R.Top + 1, R.Right, R.Bottom - 1), -2, 0);
    if (Kind != btkCustom) return DrawPart(Canvas, area, Kind, State, cgArrowDown, false);
    area.Left += 3;
    const TColor fill = Look.FillOf(State);
    FillPart(Canvas, area, fill, fill);
    Canvas->Pen()->SetColor(Look.FrameOf(State));
    Canvas->MoveTo(area.Left + 1, area.Top);
    Canvas->LineTo(area.Left + 1, area.Bottom);
    const int l = area.Left, t = area.Top;
    FilledTriangle(Canvas, {Point(l + 5, t + 8), Point(l + 11, t + 8), Point(l + 8, t + 11)},
                   Look.ArrowColor);
}

void DrawThemedButton(TCanvas* Canvas, TWinControl*, const TRect& R, TCellButtonKind Kind,
                      TCellButtonState State, const TCellButtonLook& Look)
{
    if (Kind != btkCustom) return DrawPart(Canvas, R, Kind, State, cgNone, true);
    FillPart(Canvas, R, Look.FillOf(State), Look.FrameOf(State));
}

void DrawThemedSpinButtons(TCanvas* Canvas, TWinControl*, const TRect& R, TCellButtonKind Kind,
                           TCellButtonState State, const TCellButtonLook& Look)
{
    const TRect area = OffsetRect(Rect(R.Right - kSpinWidth, R.Top, R.Right, R.Bottom), -1, -1);
    const int mid = area.Top + area.Height() / 2;
    const TRect upper = Rect(area.Left, area.Top, area.Right, mid);
    const TRect lower = Rect(area.Left, Styled(Kind) ? mid : mid + 1, area.Right, area.Bottom);
    if (Kind != btkCustom) {
        DrawPart(Canvas, upper, Kind, State, cgArrowUp, false);
        DrawPart(Canvas, lower, Kind, State, cgArrowDown, false);
        return;
    }
    const TColor fill = Look.FillOf(State);
    for (const TRect& half : {upper, lower})
        FillPart(Canvas, half, fill, fill);
    const int l = area.Left;
    FilledTriangle(Canvas,
                   {Point(l + 5, upper.Top + 5), Point(l + 9, upper.Top + 5), Point(l + 7, upper.Top + 3)},
                   clBlack);
    FilledTriangle(Canvas,
                   {Point(l + 5, lower.Top + 1), Point(l + 9, lower.Top + 1), Point(l + 7, lower.Top + 3)},
                   clBlack);
}
