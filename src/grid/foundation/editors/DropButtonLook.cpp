#include "grid/foundation/editors/DropButtonLook.h"

namespace {

constexpr TColor kDisabledFrame = 0xB99D7F;

// The frame colour, or clNone for the flat look; `skip` when a focus colour waits for the focus.
TColor FrameColor(const TOwnFrameState& state, bool& skip)
{
    skip = false;
    if (!state.Enabled && state.Themed && !state.DisabledBorder) return kDisabledFrame;
    TColor frame = state.BorderColor;
    if (frame == clNone || (state.HasFocus && state.FocusBorderColor != clNone)) {
        frame = state.FocusBorderColor;
        skip = frame != clNone && !state.HasFocus;
    }
    return frame;
}

} // namespace

TOwnFrameKind DrawOwnFrame(TCanvas* canvas, const TOwnFrameState& state, int width, int height, TRect& inner)
{
    bool skip = false;
    const TColor frame = FrameColor(state, skip);
    if (skip) return ofNone;
    TRect rect = Rect(0, 0, width, height);
    canvas->Brush()->SetStyle(bsSolid);
    if (frame != clNone) {
        canvas->Brush()->SetColor(frame);
        canvas->FrameRect(rect);
        inner = rect;
        return ofColored;
    }
    const TColor outer = state.FocusEdge ? clBtnFace : state.ParentColor;
    if (state.FocusEdge) {
        Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, 1);
        canvas->Brush()->SetColor(outer);
        canvas->FrameRect(rect);
    } else {
        canvas->Brush()->SetColor(outer);
        canvas->FrameRect(rect);
        rect = InflateRect(rect, -1, -1);
        canvas->FrameRect(Rect(rect.Left, rect.Top, rect.Right - state.ButtonWidth, rect.Bottom));
    }
    inner = InflateRect(rect, -1, -1);
    canvas->Brush()->SetColor(state.ControlColor);
    canvas->FrameRect(inner);
    return ofFlat;
}

void DrawFlatDropButton(TCanvas* canvas, int clientWidth, int clientHeight, int buttonWidth, bool active,
                        TActiveButtonLook activeLook)
{
    const TRect inside = Rect(clientWidth - buttonWidth + 4, 4, clientWidth - 4, clientHeight - 4);
    const TRect button = Rect(clientWidth - buttonWidth, 2, clientWidth - 2, clientHeight - 2);
    canvas->Brush()->SetStyle(bsSolid);
    if (active) {
        if (activeLook == abUntouched) return;
        TRect edge = button;
        if (activeLook == abFlat) {
            Frame3D(canvas, edge, clBtnShadow, clBtnShadow, 1);
        } else {
            Frame3D(canvas, edge, cl3DLight, cl3DDkShadow, 1);
            Frame3D(canvas, edge, clBtnHighlight, clBtnShadow, 1);
        }
        return;
    }
    const TRect ring = Rect(button.Left, button.Top + 1, button.Right - 1, button.Bottom - 1);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(Rect(ring.Left, ring.Top, ring.Right, inside.Top));
    canvas->FillRect(Rect(ring.Left, inside.Bottom, ring.Right, ring.Bottom));
    canvas->FillRect(Rect(ring.Left, inside.Top, inside.Left, inside.Bottom));
    canvas->FillRect(Rect(inside.Right, inside.Top, ring.Right, inside.Bottom));
}

void PaintColoredDropButton(TCanvas* canvas, const TRect& rect, const TButtonColors& colors, bool hover,
                            bool mouseDown, int fillInset, int arrowLeft)
{
    TColor fill = colors.ButtonColor;
    if (hover) fill = mouseDown ? colors.ButtonColorDown : colors.ButtonColorHot;
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(fill);
    canvas->FillRect(Rect(rect.Left + fillInset, rect.Top, rect.Right, rect.Bottom));
    canvas->Pen()->SetColor(colors.ButtonBorderColor);
    canvas->MoveTo(rect.Left, rect.Top);
    canvas->LineTo(rect.Left, rect.Bottom);
    const TColor arrow = mouseDown ? colors.ButtonTextColorDown : colors.ButtonTextColor;
    canvas->Brush()->SetColor(arrow);
    canvas->Pen()->SetColor(arrow);
    const int l = rect.Left + arrowLeft, t = rect.Top;
    canvas->Polygon({{l, t + 7}, {l + 6, t + 7}, {l + 3, t + 10}});
}

TThemedState DropButtonState(bool enabled, bool mouseDown, bool droppedDown, bool hover)
{
    if (!enabled) return {tsDisabled};
    if (mouseDown && droppedDown) return {tsPressed};
    if (!mouseDown && hover && !droppedDown) return {tsHot};
    return {};
}
