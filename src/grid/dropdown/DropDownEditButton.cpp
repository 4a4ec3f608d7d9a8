#include "grid/dropdown/DropDownEditButton.h"

#include "grid/dropdown/DropDownDrawing.h"
#include "grid/foundation/painting/VisualStyles.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/Themes.h"

namespace {
const std::vector<TPoint> kArrow{{5, 7}, {11, 7}, {8, 10}};

void FillArrow(TCanvas* Canvas, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetColor(Color);
    Canvas->Polygon(kArrow);
}
} // namespace

TExtDropDownSpeedButton::TExtDropDownSpeedButton(TDropDownEditButton* owner) : TSpeedButton(owner), FArea(owner) {}

void TExtDropDownSpeedButton::SetButtonStyle(TDropButtonStyle Value)
{
    FButtonStyle = Value;
    Invalidate();
}

void TExtDropDownSpeedButton::SetEtched(bool Value)
{
    if (Value == FEtched) return;
    FEtched = Value;
    Invalidate();
}

void TExtDropDownSpeedButton::SetFocused(bool Value)
{
    if (Value == FFocused) return;
    FFocused = Value;
    Invalidate();
}

void TExtDropDownSpeedButton::CMMouseEnter(TMessage& message)
{
    TSpeedButton::CMMouseEnter(message);
    FHot = true;
    Invalidate();
}

void TExtDropDownSpeedButton::CMMouseLeave(TMessage& message)
{
    TSpeedButton::CMMouseLeave(message);
    FHot = false;
    Invalidate();
}

bool TExtDropDownSpeedButton::Pressed() const { return (State() == bsDown || State() == bsExclusive) && !FUp; }

void TExtDropDownSpeedButton::Paint()
{
    if (FButtonStyle == bsDropDown) PaintArrowFace();
    else PaintPushFace();
}

void TExtDropDownSpeedButton::PaintArrowFace()
{
    TCanvas* Canvas = this->Canvas();
    const TRect R{0, 0, Width(), Height()};
    const TButtonColors& C = FArea->Colors;
    if (C.ButtonColor != clNone) {
        Canvas->Brush()->SetColor(Pressed() ? C.ButtonColorDown : FHot ? C.ButtonColorHot : C.ButtonColor);
        Canvas->FillRect(R);
        Canvas->Pen()->SetColor(FArea->EditBorderColor);
        Canvas->MoveTo(0, 0);
        Canvas->LineTo(0, Height());
        FillArrow(Canvas, Pressed() ? C.ButtonTextColorDown : FHot ? C.ButtonTextColorHot : C.ButtonTextColor);
        return;
    }
    if (!Glyph()->Empty()) {
        Canvas->Brush()->SetColor(clBtnFace);
        Canvas->Pen()->SetColor(0x808080);
        Canvas->Rectangle(R);
        DrawTransparentGlyph(Canvas, *Glyph(), clBtnFace, R);
        return;
    }
    // The arrow is greyed while the edit cannot open its popup.
    const bool Usable = FArea->EditUsable();
    if (IsThemeActive()) {
        TThemedState State;
        if (!Usable) State = State + tsDisabled;
        else if (Pressed()) State = State + tsPressed;
        else if (FHot) State = State + tsHot;
        DrawThemedPart(Canvas, tpComboButton, State, TRect{R.Left + 1, R.Top, R.Right, R.Bottom});
        return;
    }
    TSpeedButton::Paint();
    Canvas->Pen()->SetColor(clBtnFace);
    Canvas->Polyline({{Width() - 2, 0}, {0, 0}, {0, Height() - 1}});
    Canvas->Pen()->SetColor(clWhite);
    Canvas->Polyline({{Width() - 3, 1}, {1, 1}, {1, Height() - 2}});
    FillArrow(Canvas, Usable ? clBlack : clGrayText);
}

void TExtDropDownSpeedButton::PaintPushFace()
{
    TCanvas* Canvas = this->Canvas();
    if (FArea->FocusControl()) Canvas->Font()->Assign(*FArea->FocusControl()->Font());
    TThemedState State;
    if (!Enabled()) State = State + tsDisabled;
    else if (Pressed()) State = State + tsPressed;
    else if (FHot) State = State + tsHot;
    DrawThemedPart(Canvas, tpPushButton, State, TRect{0, 0, Width() + 1, Height() + 1});
    const int Offset = Pressed() ? 1 : 0;
    DrawGlyph(TRect{2, 2, Width() - 2, Height() - 2}, Offset);
    DrawCaption(TRect{3, 1, Width() - 3, Height() - 1}, Offset, Enabled() ? clBtnText : clGrayText);
}

TDropDownEditButton::TDropDownEditButton(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle(ControlStyle() - csAcceptsControls - csSetCaption + csOpaque);
    SetTabStop(false);
    FButton = new TExtDropDownSpeedButton(this);
    FButton->SetParent(this);
    FButton->SetCaption("");
    FButton->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int X, int Y) {
        const bool Over = X >= 0 && Y >= 0 && X < FButton->Width() && Y < FButton->Height();
        if (Button == mbLeft && Over && OnClick && !Quiet()) OnClick(this, Button);
    };
    TDropDownEditButton::SetBounds(0, 0, 16, 25);
}

void TDropDownEditButton::SetFocusControl(TWinControl* Control)
{
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = Control;
    if (Control) Control->FreeNotification(this);
}

void TDropDownEditButton::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == FFocusControl) FFocusControl = nullptr;
}

void TDropDownEditButton::SetButtonWidth(int Value)
{
    FButtonWidth = Value;
    SetBounds(Left(), Top(), Value, Height());
}

bool TDropDownEditButton::EditUsable() const
{
    const auto* Edit = dynamic_cast<const TCustomEdit*>(FFocusControl);
    return FFocusControl && FFocusControl->Enabled() && !(Edit && Edit->ReadOnly());
}

// The width always follows the button width.
void TDropDownEditButton::SetBounds(int left, int top, int, int height)
{
    TWinControl::SetBounds(left, top, FButtonWidth, height);
    if (FButton) FButton->SetBounds(0, 0, FButtonWidth, height);
}

void TDropDownEditButton::CMEnabledChanged(TMessage& message)
{
    TWinControl::CMEnabledChanged(message);
    if (FButton) FButton->SetEnabled(Enabled());
}
