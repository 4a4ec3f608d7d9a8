#include "grid/foundation/editors/EsgEditButton.h"

#include "grid/foundation/painting/VisualStyles.h"
#include "platform/ui/FrameControls.h"
#include "platform/ui/Themes.h"

TExtSpeedButton::TExtSpeedButton(TComponent* owner, const TButtonColors& colors)
    : TSpeedButton(owner), colors_(colors)
{
}

void TExtSpeedButton::SetIsWinXP(bool value)
{
    isWinXP_ = value;
    Invalidate();
}

void TExtSpeedButton::SetFlat(bool flat)
{
    extFlat_ = flat;
    Invalidate();
}

void TExtSpeedButton::CMMouseEnter(TMessage& message)
{
    TSpeedButton::CMMouseEnter(message);
    hot_ = true;
    Invalidate();
}

void TExtSpeedButton::CMMouseLeave(TMessage& message)
{
    TSpeedButton::CMMouseLeave(message);
    hot_ = false;
    Invalidate();
}

void TExtSpeedButton::Paint()
{
    TCanvas* canvas = Canvas();
    TRect rect = Rect(0, 0, Width(), Height());
    const bool pressed = State() == bsDown || State() == bsExclusive;
    canvas->Brush()->SetStyle(bsSolid);
    if (colors_.ButtonColor != clNone) {
        TSpeedButton::SetFlat(true);
        canvas->Brush()->SetColor(pressed ? colors_.ButtonColorDown
                                  : hot_  ? colors_.ButtonColorHot
                                          : colors_.ButtonColor);
        canvas->FillRect(rect);
    } else if (isWinXP_ && IsThemeActive()) {
        DrawThemedPart(canvas, tpPushButton,
                       pressed ? TThemedState{tsPressed}
                       : hot_  ? TThemedState{tsHot}
                               : TThemedState{},
                       rect);
    } else if (extFlat_) {
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect(rect);
        TRect edge = rect;
        Frame3D(canvas, edge, pressed ? clBtnShadow : clBtnHighlight, pressed ? clBtnHighlight : clBtnShadow,
                1);
        rect = InflateRect(rect, -1, -1);
    } else {
        DrawPushButtonFrame(canvas, rect, pressed);
    }
    const int offset = pressed ? 1 : 0;
    DrawGlyph(rect, offset);
    DrawCaption(rect, offset, clBlack);
}

TEsgEditButton::TEsgEditButton(TComponent* owner) : TWinControl(owner)
{
    TControlStyle style = ControlStyle();
    style = style - csAcceptsControls - csSetCaption + csOpaque;
    SetControlStyle(style);
    SetTabStop(false);
    TEsgEditButton::SetBounds(0, 0, 20, 25);
    button_ = new TExtSpeedButton(this, Colors);
    button_->SetParent(this);
    button_->SetCaption("");
    button_->OnMouseUp = [this](TObject*, TMouseButton button, TShiftState, int, int) {
        ButtonReleased(button);
    };
    FitButton();
}

void TEsgEditButton::SetFocusControl(TWinControl* control)
{
    if (focusControl_) focusControl_->RemoveFreeNotification(this);
    focusControl_ = control;
    if (control) control->FreeNotification(this);
}

void TEsgEditButton::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

void TEsgEditButton::ButtonReleased(TMouseButton button)
{
    if (button != mbLeft) return;
    if (OnClick && !Quiet()) OnClick(this);
    if (focusControl_ && focusControl_->TabStop() && focusControl_->CanFocus() && !focusControl_->Focused())
        focusControl_->SetFocus();
    else if (TabStop() && CanFocus())
        SetFocus();
}

void TEsgEditButton::SetBounds(int left, int top, int width, int height)
{
    TWinControl::SetBounds(left, top, width, height);
    if (!ComponentState().Contains(csLoading)) FitButton();
}

void TEsgEditButton::Loaded()
{
    TWinControl::Loaded();
    FitButton();
}

void TEsgEditButton::FitButton()
{
    if (button_) button_->SetBounds(0, 0, Width(), Height());
}
