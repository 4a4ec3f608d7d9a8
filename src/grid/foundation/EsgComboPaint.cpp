#include "grid/foundation/EsgComboBox.h"
#include "platform/ui/FrameControls.h"
#include "platform/ui/Themes.h"
#include "platform/ui/WindowCanvas.h"

namespace {

constexpr TColor kDisabledFrame = 0xB99D7F;

} // namespace

bool TEsgCustomCombo::PaintsItself() const
{
    if (IsVista && Colors.ButtonColor == clNone) return false;
    return flat_ || Colors.ButtonColor != clNone || borderColor_ != clNone ||
           (focusBorderColor_ != clNone && hasFocus_) || (!Enabled() && ThemeActive() && !disabledBorder_);
}

// The frame is also wanted over the platform's own painting in these looks.
bool TEsgCustomCombo::BorderWanted() const
{
    return PaintsItself() || flat_ || (!Enabled() && ThemeActive() && !disabledBorder_) ||
           borderColor_ != clNone || (focusBorderColor_ != clNone && Focused());
}

// The platform paints the box first; the control's button and frame then go over it.
void TEsgCustomCombo::WMPaint(TMessage& message)
{
    TCustomComboBox::WMPaint(message);
    TWindowCanvas canvas(this);
    if (PaintsItself() && Style() != csSimple) PaintButton(&canvas);
    if (BorderWanted()) DrawBorder(&canvas);
}

void TEsgCustomCombo::PaintButton(TCanvas* canvas)
{
    const int width = ClientWidth(), height = ClientHeight();
    // The strip the platform would have left alone; its own button goes under it. A list
    // box is drawn as one face by the platform and keeps it.
    if (IsEditable()) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(Rect(width - buttonWidth_ - 4, 2, width - 2, height - 2));
    }
    TRect rect = InflateRect(Rect(width - buttonWidth_ + 2, 0, Width(), Height()), -1, -1);
    if (Colors.ButtonColor != clNone) {
        PaintColoredButton(canvas, rect);
    } else if (ThemeActive()) {
        TThemedState state;
        if (!Enabled())
            state = {tsDisabled};
        else if (mouseDown_ && DroppedDown())
            state = {tsPressed};
        else if (!mouseDown_ && buttonHover_ && !DroppedDown())
            state = {tsHot};
        DrawThemedPart(canvas, tpComboButton, state, rect);
    } else {
        rect.Left -= 4;
        rect.Top += 1;
        rect.Bottom -= 1;
        DrawComboScrollGlyph(canvas, rect, Enabled(), !Enabled());
    }
}

void TEsgCustomCombo::PaintColoredButton(TCanvas* canvas, TRect rect)
{
    TColor fill = Colors.ButtonColor;
    if (buttonHover_) fill = mouseDown_ ? Colors.ButtonColorDown : Colors.ButtonColorHot;
    rect.Left -= 1;
    rect.Top += 1;
    rect.Bottom -= 1;
    rect.Right -= 1;
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(fill);
    canvas->FillRect(rect);
    canvas->Pen()->SetColor(Colors.ButtonBorderColor);
    canvas->MoveTo(rect.Left, rect.Top);
    canvas->LineTo(rect.Left, rect.Bottom);
    const TColor arrow = mouseDown_ ? Colors.ButtonTextColorDown : Colors.ButtonTextColor;
    canvas->Brush()->SetColor(arrow);
    canvas->Pen()->SetColor(arrow);
    const int l = rect.Left, t = rect.Top;
    canvas->Polygon({{l + 4, t + 7}, {l + 10, t + 7}, {l + 7, t + 10}});
}

void TEsgCustomCombo::DrawBorder(TCanvas* canvas)
{
    if (Enabled() && !flat_ && borderColor_ == clNone && focusBorderColor_ == clNone) return;
    if (IsVista && borderColor_ == clNone) return;
    TColor frame = clNone;
    if (!Enabled() && isThemed_ && !disabledBorder_) {
        frame = kDisabledFrame;
    } else {
        frame = borderColor_;
        if (frame == clNone || (hasFocus_ && focusBorderColor_ != clNone)) {
            frame = focusBorderColor_;
            if (frame != clNone && !hasFocus_) return;
        }
    }
    if (frame != clNone) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(frame);
        canvas->FrameRect(Rect(0, 0, Width(), Height()));
    } else {
        DrawFlatFrame(canvas);
    }
    if (Style() != csSimple && !(IsWinXP && ThemeActive())) DrawFlatButton(canvas);
}

void TEsgCustomCombo::DrawFlatFrame(TCanvas* canvas)
{
    const bool designing = ComponentState().Contains(csDesigning);
    const bool focusFrame = focusBorder_ && !designing && (mouseInControl_ || IsActiveControl());
    const TColor outer = focusFrame ? clBtnFace : Parent() ? Parent()->Color() : clBtnFace;
    const TColor inner = Color();
    TRect rect = Rect(0, 0, Width(), Height());
    canvas->Brush()->SetStyle(bsSolid);
    if (focusFrame) {
        Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, 1);
        canvas->Brush()->SetColor(outer);
        canvas->FrameRect(rect);
    } else {
        canvas->Brush()->SetColor(outer);
        canvas->FrameRect(rect);
        rect = InflateRect(rect, -1, -1);
        canvas->FrameRect(Rect(rect.Left, rect.Top, rect.Right - buttonWidth_, rect.Bottom));
    }
    rect = InflateRect(rect, -1, -1);
    canvas->Brush()->SetColor(inner);
    canvas->FrameRect(rect);
    if (flat_ && flatLineColor_ != clNone) {
        canvas->Pen()->SetColor(flatLineColor_);
        canvas->MoveTo(rect.Left - 2, Height() - 1);
        canvas->LineTo(rect.Right - buttonWidth_ - 1, Height() - 1);
    }
}

// A resting button gets a face-coloured ring around its inside.
void TEsgCustomCombo::DrawFlatButton(TCanvas* canvas)
{
    const bool designing = ComponentState().Contains(csDesigning);
    const bool active = designing ? Enabled() : mouseInControl_ || IsActiveControl();
    if (active) return;
    const int width = ClientWidth(), height = ClientHeight();
    const TRect inside = Rect(width - buttonWidth_ + 4, 4, width - 4, height - 4);
    const TRect ring = Rect(width - buttonWidth_, 3, width - 3, height - 3);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(Rect(ring.Left, ring.Top, ring.Right, inside.Top));
    canvas->FillRect(Rect(ring.Left, inside.Bottom, ring.Right, ring.Bottom));
    canvas->FillRect(Rect(ring.Left, inside.Top, inside.Left, inside.Bottom));
    canvas->FillRect(Rect(inside.Right, inside.Top, ring.Right, inside.Bottom));
}
