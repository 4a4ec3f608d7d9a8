#include "grid/foundation/editors/EsgSpinButton.h"

#include <algorithm>

namespace {
constexpr TColor kGlyphBackground = clOlive;  // drawn transparent
}  // namespace

void MakeSpinGlyph(TBitmap& glyph, bool up)
{
    glyph.SetSize(9, 6);
    glyph.SetPixelFormat(pf4bit);
    TCanvas* canvas = glyph.Canvas();
    canvas->Brush()->SetColor(kGlyphBackground);
    canvas->FillRect(Rect(0, 0, 9, 6));
    for (int row = 0; row < 4; ++row) {
        const int width = 7 - 2 * row;
        const int y = up ? 4 - row : 1 + row;
        for (int x = 1 + row; x < 1 + row + width; ++x) canvas->SetPixels(x, y, clBlack);
    }
}

TEsgSpinButton::TEsgSpinButton(TComponent* owner) : TWinControl(owner)
{
    TControlStyle style = ControlStyle();
    style -= csAcceptsControls;
    style -= csSetCaption;
    style += csOpaque;
    SetControlStyle(style);
    upButton_ = CreateButton(bdUp);
    downButton_ = CreateButton(bdDown);
    SetUpGlyph(nullptr);
    SetDownGlyph(nullptr);
    focusedButton_ = upButton_;
    TEsgSpinButton::SetBounds(0, 0, 15, 25);
}

TExtTimerSpeedButton* TEsgSpinButton::CreateButton(TButtonDirection direction)
{
    auto* button = new TExtTimerSpeedButton(this, colors_);
    button->SetTimeBtnState({tbAllowTimer});
    button->SetButtonDirection(direction);
    button->SetParent(this);
    button->OnClick = [this](TObject* sender) { ButtonClick(sender); };
    button->OnMouseDown = [this](TObject* sender, TMouseButton b, TShiftState, int, int) { ButtonMouseDown(sender, b); };
    return button;
}

void TEsgSpinButton::SetDirection(TSpinDirection direction)
{
    if (direction == direction_) return;
    direction_ = direction;
    const bool horizontal = direction == spHorizontal;
    upButton_->SetButtonDirection(horizontal ? bdRight : bdUp);
    downButton_->SetButtonDirection(horizontal ? bdLeft : bdDown);
    SetWidth(horizontal ? 20 : 15);
}

void TEsgSpinButton::SetFocusControl(TWinControl* control)
{
    focusControl_ = control;
    if (control) control->FreeNotification(this);
}

void TEsgSpinButton::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

void TEsgSpinButton::SetUpGlyph(const TBitmap* glyph)
{
    TBitmap defaultGlyph;
    if (!glyph) MakeSpinGlyph(defaultGlyph, true);
    upButton_->SetGlyph(glyph ? glyph : &defaultGlyph);
    if (!glyph) upButton_->SetNumGlyphs(1);
}

void TEsgSpinButton::SetDownGlyph(const TBitmap* glyph)
{
    TBitmap defaultGlyph;
    if (!glyph) MakeSpinGlyph(defaultGlyph, false);
    downButton_->SetGlyph(glyph ? glyph : &defaultGlyph);
    if (!glyph) downButton_->SetNumGlyphs(1);
}

void TEsgSpinButton::SetIsWinXP(bool value)
{
    upButton_->SetIsWinXP(value);
    downButton_->SetIsWinXP(value);
}

void TEsgSpinButton::AdjustSize(int& width, int& height)
{
    if (!upButton_ || !downButton_ || ComponentState().Contains(csLoading)) return;
    if (direction_ == spVertical) {
        width = std::max(width, 15);
        const int half = height / 2;
        upButton_->SetBounds(0, 0, width, half);
        downButton_->SetBounds(0, half - 1, width, height - half + 1);
    } else {
        width = std::max(width, 20);
        const int half = width / 2;
        downButton_->SetBounds(0, 0, half, height);
        upButton_->SetBounds(half + 1, 0, half, height);
    }
}

void TEsgSpinButton::SetBounds(int left, int top, int width, int height)
{
    AdjustSize(width, height);
    TWinControl::SetBounds(left, top, width, height);
}

void TEsgSpinButton::Loaded()
{
    TWinControl::Loaded();
    int width = Width(), height = Height();
    AdjustSize(width, height);
}

void TEsgSpinButton::ButtonClick(TObject* sender)
{
    const TNotifyEvent& event = sender == upButton_ ? OnUpClick : OnDownClick;
    if (event) event(this);
}

void TEsgSpinButton::ButtonMouseDown(TObject* sender, TMouseButton button)
{
    if (button != mbLeft) return;
    if (TabStop() && CanFocus()) SetFocusBtn(static_cast<TExtTimerSpeedButton*>(sender));
    if (focusControl_ && focusControl_->TabStop() && focusControl_->CanFocus() && !focusControl_->Focused())
        focusControl_->SetFocus();
    else if (TabStop() && CanFocus() && !Focused())
        SetFocus();
}

void TEsgSpinButton::SetFocusBtn(TExtTimerSpeedButton* button)
{
    if (button == focusedButton_) return;
    if (Focused()) {
        focusedButton_->SetTimeBtnState(focusedButton_->TimeBtnState() - TTimeBtnState{tbFocusRect});
        button->SetTimeBtnState(button->TimeBtnState() + TTimeBtnState{tbFocusRect});
    }
    focusedButton_ = button;
}

void TEsgSpinButton::KeyDown(Word& key, TShiftState shift)
{
    switch (key) {
    case VK_UP:
        SetFocusBtn(upButton_);
        upButton_->Click();
        break;
    case VK_DOWN:
        SetFocusBtn(downButton_);
        downButton_->Click();
        break;
    case VK_SPACE: focusedButton_->Click(); break;
    default: break;
    }
    TWinControl::KeyDown(key, shift);
}

void TEsgSpinButton::WMGetDlgCode(TMessage& message) { message.Result = DLGC_WANTARROWS; }

void TEsgSpinButton::WMSetFocus(TMessage& message)
{
    TWinControl::WMSetFocus(message);
    focusedButton_->SetTimeBtnState(focusedButton_->TimeBtnState() + TTimeBtnState{tbFocusRect});
}

void TEsgSpinButton::WMKillFocus(TMessage& message)
{
    TWinControl::WMKillFocus(message);
    focusedButton_->SetTimeBtnState(focusedButton_->TimeBtnState() - TTimeBtnState{tbFocusRect});
}
