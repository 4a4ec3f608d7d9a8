#include "platform/ui/SpeedButton.h"

#include "platform/ui/FrameControls.h"

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>())
{
    SetControlStyle({csCaptureMouse, csDoubleClicks, csOpaque});
    SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGlyph(const TBitmap* glyph)
{
    if (glyph)
        glyph_->Assign(*glyph);
    else
        glyph_ = std::make_unique<TBitmap>();
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int count)
{
    numGlyphs_ = std::clamp(count, 1, 4);
    Invalidate();
}

void TSpeedButton::SetFlat(bool flat)
{
    flat_ = flat;
    Invalidate();
}

void TSpeedButton::SetDown(bool down)
{
    if (groupIndex_ == 0) down = false;
    if (down == down_) return;
    if (down_ && !allowAllUp_) return;
    down_ = down;
    if (Parent() && down) {
        // Only one button of a group is down.
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
            if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
                other->down_ = false;
                other->state_ = other->IdleState();
                other->Invalidate();
            }
        }
    }
    state_ = IdleState();
    Invalidate();
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled()) return;
    if (!down_) {
        state_ = bsDown;
        Invalidate();
    }
    dragging_ = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y)
{
    TGraphicControl::MouseMove(shift, x, y);
    if (!dragging_) return;
    TButtonState state = down_ ? bsExclusive : bsUp;
    if (Inside(x, y)) state = down_ ? bsExclusive : bsDown;
    if (state != state_) {
        state_ = state;
        Invalidate();
    }
}

// The OnMouseUp event sees the state of the press; the button comes up after it.
void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!dragging_) return;
    dragging_ = false;
    const bool click = Inside(x, y);
    if (groupIndex_ == 0) {
        state_ = IdleState();
        Invalidate();
    } else if (click) {
        SetDown(!down_);
    } else {
        state_ = IdleState();
        Invalidate();
    }
    if (click) Click();
}

void TSpeedButton::CMMouseEnter(TMessage& message)
{
    TGraphicControl::CMMouseEnter(message);
    if (!Enabled() || mouseInControl_) return;
    mouseInControl_ = true;
    if (flat_) Invalidate();
}

void TSpeedButton::CMMouseLeave(TMessage& message)
{
    TGraphicControl::CMMouseLeave(message);
    if (!mouseInControl_) return;
    mouseInControl_ = false;
    if (flat_) Invalidate();
}

void TSpeedButton::CMEnabledChanged(TMessage& message)
{
    TGraphicControl::CMEnabledChanged(message);
    state_ = IdleState();
    Invalidate();
}

void TSpeedButton::CMTextChanged(TMessage& message)
{
    TGraphicControl::CMTextChanged(message);
    Invalidate();
}

void TSpeedButton::Paint()
{
    TCanvas* canvas = Canvas();
    TRect rect = Rect(0, 0, Width(), Height());
    const bool pushed = state_ == bsDown || state_ == bsExclusive;
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(rect);
    if (!flat_) {
        DrawPushButtonFrame(canvas, rect, pushed);
    } else if (pushed || (mouseInControl_ && Enabled())) {
        Frame3D(canvas, rect, pushed ? clBtnShadow : clBtnHighlight, pushed ? clBtnHighlight : clBtnShadow,
                1);
    }
    const int offset = pushed ? 1 : 0;
    DrawGlyph(rect, offset);
    DrawCaption(rect, offset, Enabled() ? Font()->Color() : clGrayText);
}

void TSpeedButton::DrawGlyph(const TRect& area, int offset)
{
    if (glyph_->Empty()) return;
    const int partWidth = glyph_->Width() / numGlyphs_;
    int part = 0;
    if (state_ == bsDisabled && numGlyphs_ > 1) part = 1;
    if (state_ == bsDown && numGlyphs_ > 2) part = 2;
    if (state_ == bsExclusive && numGlyphs_ > 3) part = 3;
    TBitmap picture(partWidth, glyph_->Height());
    picture.Canvas()->CopyRect(Rect(0, 0, partWidth, glyph_->Height()), glyph_->Canvas(),
                               Bounds(part * partWidth, 0, partWidth, glyph_->Height()));
    picture.SetTransparent(true);
    const int x = area.Left + std::max(0, (area.Width() - partWidth) / 2) + offset;
    const int y = area.Top + std::max(0, (area.Height() - glyph_->Height()) / 2) + offset;
    Canvas()->Draw(x, y, &picture);
}

void TSpeedButton::DrawCaption(const TRect& area, int offset, TColor color)
{
    if (Caption().empty()) return;
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(*Font());
    canvas->Font()->SetColor(color);
    canvas->Brush()->SetStyle(bsClear);
    TRect r = OffsetRect(area, offset, offset);
    DrawText(canvas, Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    canvas->Brush()->SetStyle(bsSolid);
}
