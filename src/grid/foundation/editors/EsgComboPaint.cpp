#include "grid/foundation/editors/EsgComboBox.h"
#include "grid/foundation/editors/DropButtonLook.h"
#include "platform/ui/FrameControls.h"
#include "platform/ui/Themes.h"
#include "platform/ui/WindowCanvas.h"

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
        const TRect colored = Rect(rect.Left - 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
        PaintColoredDropButton(canvas, colored, Colors, mouse_.OverButton(), mouse_.Down(), 0, 4);
    } else if (ThemeActive()) {
        DrawThemedPart(canvas, tpComboButton, DropButtonState(Enabled(), mouse_.Down(), DroppedDown(), mouse_.OverButton()),
                       rect);
    } else {
        rect.Left -= 4;
        rect.Top += 1;
        rect.Bottom -= 1;
        DrawComboScrollGlyph(canvas, rect, Enabled(), !Enabled());
    }
}

void TEsgCustomCombo::DrawBorder(TCanvas* canvas)
{
    if (Enabled() && !flat_ && borderColor_ == clNone && focusBorderColor_ == clNone) return;
    if (IsVista && borderColor_ == clNone) return;
    const bool designing = ComponentState().Contains(csDesigning);
    TOwnFrameState state;
    state.BorderColor = borderColor_;
    state.FocusBorderColor = focusBorderColor_;
    state.Enabled = Enabled();
    state.Themed = isThemed_;
    state.DisabledBorder = disabledBorder_;
    state.HasFocus = hasFocus_;
    state.FocusEdge = focusBorder_ && !designing && (mouse_.InControl() || IsActiveControl());
    state.ParentColor = Parent() ? Parent()->Color() : clBtnFace;
    state.ControlColor = Color();
    state.ButtonWidth = buttonWidth_;
    TRect inner;
    const TOwnFrameKind kind = DrawOwnFrame(canvas, state, Width(), Height(), inner);
    if (kind == ofNone) return;
    if (kind == ofFlat && flat_ && flatLineColor_ != clNone) {
        canvas->Pen()->SetColor(flatLineColor_);
        canvas->MoveTo(inner.Left - 2, Height() - 1);
        canvas->LineTo(inner.Right - buttonWidth_ - 1, Height() - 1);
    }
    if (Style() == csSimple || (IsWinXP && ThemeActive())) return;
    const bool active = designing ? Enabled() : mouse_.InControl() || IsActiveControl();
    DrawFlatDropButton(canvas, ClientWidth(), ClientHeight(), buttonWidth_, active, abUntouched);
}
