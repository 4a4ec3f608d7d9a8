#include "grid/foundation/editors/DropButtonLook.h"
#include "grid/foundation/editors/EsgDateTimePicker.h"
#include "grid/foundation/painting/VisualStyles.h"
#include "platform/os/SystemProfile.h"
#include "platform/ui/FrameControls.h"
#include "platform/ui/WindowCanvas.h"

namespace {

constexpr TColor kThemedOutline = 0xB99D7F;

} // namespace

bool TEsgDateTimePicker::ThemeActive() const { return isThemed_ && IsThemeActive(); }

bool TEsgDateTimePicker::MetroLook() const
{
    return metroStyle_ && !ComponentState().Contains(csDesigning);
}

bool TEsgDateTimePicker::IsActiveControl() const
{
    const TCustomForm* form = GetParentForm(this);
    return form ? form->ActiveControl() == this : Focused();
}

// The platform paints the picker first; the own look goes over it.
void TEsgDateTimePicker::WMPaint(TMessage& message)
{
    TDateTimePicker::WMPaint(message);
    const bool metro = MetroLook();
    if (ctl3D_ && !metro) return;
    TWindowCanvas canvas(this);
    if (!ctl3D_) DrawSingleBorder(&canvas);
    if (!SystemProfile().HasLocaleInfoEx) return;
    if (metro && Kind() == dtkDate) PaintButton(&canvas);
    if (!ctl3D_ && DrawsOutline()) DrawOutline(&canvas, !IsThemeActive());
    DrawBorders(&canvas);
}

// Without Ctl3D the window has a one-pixel border instead of the sunken frame; the
// outline, where the control draws one, goes over it.
void TEsgDateTimePicker::DrawSingleBorder(TCanvas* canvas)
{
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clWindowFrame);
    canvas->FrameRect(Rect(0, 0, Width(), Height()));
    if (DrawsOutline() || borderColor_ != clNone) DrawOutline(canvas, false);
}

void TEsgDateTimePicker::PaintButton(TCanvas* canvas)
{
    const int width = ClientWidth(), height = ClientHeight();
    if (SystemProfile().ComCtlMajorVersion >= 6) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(Color());
        // The platform's one-pixel frame around the fields stays.
        canvas->FillRect(ThemeActive() ? Rect(width - buttonWidth_ - stripMargin_, 1, width - 1, height - 1)
                                       : Rect(width - buttonWidth_ - 2, 4, width - 2, height - 4));
    }
    const TRect rect = InflateRect(Rect(width - buttonWidth_ + 2, 0, Width(), Height()), -1, -1);
    if (colors_.ButtonColor != clNone)
        PaintColoredDropButton(canvas, rect, colors_, mouse_.OverButton(), mouse_.Down(), 2, 5);
    else if (ThemeActive())
        DrawThemedPart(canvas, tpComboButton, DropButtonState(Enabled(), mouse_.Down(), DroppedDown(), mouse_.OverButton()),
                       rect);
    else
        DrawComboScrollGlyph(canvas, rect, Enabled(), !Enabled());
}

// A border style of none blends the outline into the parent.
void TEsgDateTimePicker::DrawOutline(TCanvas* canvas, bool inner)
{
    const int w = Width(), h = Height();
    TColor pen = borderColor_;
    if (borderStyle_ == bsNone && Parent()) pen = Parent()->Color();
    else if (isThemed_) pen = kThemedOutline;
    canvas->Brush()->SetStyle(bsClear);
    canvas->Pen()->SetColor(pen);
    canvas->Polyline({{0, h}, {0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
    if (inner) canvas->Polyline({{1, h}, {1, 1}, {w - 2, 1}, {w - 2, h - 2}, {0, h - 2}});
}

void TEsgDateTimePicker::DrawBorders(TCanvas* canvas)
{
    if (!MetroLook() || (Enabled() && borderColor_ == clNone)) return;
    const bool designing = ComponentState().Contains(csDesigning);
    TOwnFrameState state;
    state.BorderColor = borderColor_;
    state.Enabled = Enabled();
    state.Themed = isThemed_;
    state.DisabledBorder = false;
    state.HasFocus = hasFocus_;
    state.ParentColor = Parent() ? Parent()->Color() : clBtnFace;
    state.ControlColor = Color();
    state.ButtonWidth = buttonWidth_;
    TRect inner;
    if (DrawOwnFrame(canvas, state, Width(), Height(), inner) == ofNone) return;
    if (isWinXP_ && ThemeActive()) return;
    const bool active = designing ? Enabled() : mouse_.InControl() || IsActiveControl();
    DrawFlatDropButton(canvas, ClientWidth(), ClientHeight(), buttonWidth_, active,
                       DroppedDown() ? abFlat : abRaised);
}

// Focus and mouse.

void TEsgDateTimePicker::CMEnter(TMessage& message)
{
    TDateTimePicker::CMEnter(message);
    if (ComponentState().Contains(csDesigning)) return;
    hasFocus_ = true;
    Invalidate();
}

void TEsgDateTimePicker::CMExit(TMessage& message)
{
    TDateTimePicker::CMExit(message);
    if (ComponentState().Contains(csDesigning)) return;
    hasFocus_ = false;
    Invalidate();
}

void TEsgDateTimePicker::CMMouseEnter(TMessage& message)
{
    TDateTimePicker::CMMouseEnter(message);
    if (mouse_.Enter(Enabled())) Invalidate();
    if (isWinXP_) Invalidate();
}

void TEsgDateTimePicker::CMMouseLeave(TMessage& message)
{
    TDateTimePicker::CMMouseLeave(message);
    if (mouse_.Leave(Enabled())) Invalidate();
    if (isWinXP_) Invalidate();
}

void TEsgDateTimePicker::WMMouseMove(TMessage& message)
{
    TDateTimePicker::WMMouseMove(message);
    if (mouse_.Move(LParamToPoint(message.LParam).X, Width(), buttonWidth_)) Invalidate();
}

void TEsgDateTimePicker::WMLButtonDown(TMessage& message)
{
    mouse_.SetDown(true);
    TDateTimePicker::WMLButtonDown(message);
}

void TEsgDateTimePicker::WMLButtonUp(TMessage& message)
{
    mouse_.SetDown(false);
    TDateTimePicker::WMLButtonUp(message);
}
