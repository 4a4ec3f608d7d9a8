#include "grid/foundation/editors/ExtCheckBox.h"

#include "grid/foundation/editors/StyleQueries.h"
#include "platform/ui/Themes.h"

namespace {
constexpr int kBoxStrip = 20;
} // namespace

TExtCheckBox::TExtCheckBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    // The control fires its click itself, on a release after a press on it.
    SetControlStyle(ControlStyle() - csClickEvents);
    TExtCheckBox::SetBounds(Left(), Top(), 98, 20);
    SetColor(clWindow);
    SetTabStop(false);
    TExtCheckBox::SetText(ClassName());
}

void TExtCheckBox::SetAlignment(TLeftRight Value)
{
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TExtCheckBox::SetButtonVertAlign(TTextLayout Value)
{
    if (FButtonVertAlign == Value) return;
    FButtonVertAlign = Value;
    Invalidate();
}

void TExtCheckBox::SetChecked(bool Value)
{
    SetState(Value ? cbChecked : cbUnchecked);
    Invalidate();
}

void TExtCheckBox::SetState(TCheckBoxState Value)
{
    if (FState == Value) return;
    FState = Value;
    const int w = ClientWidth();
    InvalidateRect(FAlignment == taRightJustify ? Rect(w - kBoxStrip, 0, w, ClientHeight())
                                                : Rect(0, 0, kBoxStrip, ClientHeight()));
}

void TExtCheckBox::SetEllipsis(bool Value)
{
    if (FEllipsis == Value) return;
    FEllipsis = Value;
    Invalidate();
}

void TExtCheckBox::SetTransparent(bool Value)
{
    if (FTransparent == Value) return;
    FTransparent = Value;
    SetControlStyle(Value ? ControlStyle() + csParentBackground : ControlStyle() - csParentBackground);
    Invalidate();
}

void TExtCheckBox::SetText(const std::string& Value)
{
    TCustomControl::SetText(Value);
    Invalidate();
}

void TExtCheckBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FTransparent) Invalidate();
}

void TExtCheckBox::Toggle()
{
    if (!ReadOnly) SetChecked(!Checked());
}

TRect TExtCheckBox::BoxRect() const
{
    const bool themed = IsThemedComCtl6();
    const int size = themed ? 14 : 13;
    const int w = ClientWidth(), h = ClientHeight();
    const int x = FAlignment == taRightJustify ? w - (themed ? 15 : 13) : 0;
    int y = 4;
    if (FButtonVertAlign == tlCenter) y = h / 2 - 6;
    if (FButtonVertAlign == tlBottom) y = themed ? h - 14 : h - 17;
    return Bounds(x, y, size, size);
}

void TExtCheckBox::InvalidateBox()
{
    const TRect box = BoxRect();
    InvalidateRect(Bounds(box.Left, box.Top, 16, 16));
}

void TExtCheckBox::SetDown(bool Value)
{
    if (FDown == Value) return;
    FDown = Value;
    InvalidateBox();
}

void TExtCheckBox::PaintBox()
{
    const TRect box = BoxRect();
    if (IsThemedComCtl6()) {
        TThemedState state;
        if (FState == cbChecked) state += tsChecked;
        if (FState == cbGrayed) state += tsMixed;
        if (!Enabled())
            state += tsDisabled;
        else if (FDown)
            state += tsPressed;
        else if (FHot)
            state += tsHot;
        DrawThemedPart(Canvas(), tpCheckBox, state, box);
        return;
    }
    TCanvas* canvas = Canvas();
    TRect edge = box;
    Frame3D(canvas, edge, clBtnShadow, clBtnHighlight, 1);
    Frame3D(canvas, edge, cl3DDkShadow, cl3DLight, 1);
    const bool inactive = FState == cbGrayed || !Enabled();
    canvas->Brush()->SetColor(inactive || FDown ? clBtnFace : clWindow);
    canvas->FillRect(edge);
    if (FState == cbUnchecked) return;
    TPen* pen = canvas->Pen();
    pen->SetColor(inactive ? clBtnShadow : clWindowText);
    const int x = edge.Left + 1, y = edge.Top + 3;
    for (int k = 0; k < 3; ++k)
        canvas->Polyline({{x, y + k}, {x + 2, y + 2 + k}, {x + 7, y - 3 + k}});
}

TRect TExtCheckBox::TextRect() const
{
    TRect r = ClientRect();
    if (FAlignment == taRightJustify) {
        r.Right -= 9;
        r.Left = 0;
    } else {
        r.Left += 9;
    }
    r.Top += 4;
    r.Left += 6;
    return r;
}

void TExtCheckBox::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(*Font());
    PaintBox();
    const unsigned flags = DT_LEFT | DT_TOP | DT_SINGLELINE | (FEllipsis ? DT_END_ELLIPSIS : 0);
    TRect text = TextRect();
    canvas->Brush()->SetStyle(bsClear);
    if (!Enabled()) {
        TRect lit = OffsetRect(text, 1, 1);
        canvas->Font()->SetColor(clWhite);
        DrawText(canvas, Caption(), lit, flags);
        canvas->Font()->SetColor(clGray);
    }
    DrawText(canvas, Caption(), text, flags);
    if (!Focused()) return;
    TRect measure = text;
    DrawText(canvas, Caption(), measure, flags | DT_CALCRECT);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->DrawFocusRect(
        Rect(text.Left - 2, text.Top, text.Left + measure.Width() + 1, text.Top + measure.Height() + 1));
}

void TExtCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (CanFocus()) SetFocus();
    SetMouseCapture(true);
    FMouseDown = true;
    SetDown(true);
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TExtCheckBox::MouseMove(TShiftState Shift, int X, int Y)
{
    if (MouseCapture()) SetDown(X >= 0 && X <= Width() && Y >= 0 && Y <= Height());
    TCustomControl::MouseMove(Shift, X, Y);
}

void TExtCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    SetMouseCapture(false);
    SetDown(false);
    const bool inside = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
    if (inside && Focused() && FMouseDown) {
        Toggle();
        Click();
    }
    FMouseDown = false;
    InvalidateBox();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TExtCheckBox::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && ReturnIsTab) {
        Key = VK_TAB;
        PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
    }
    if (Key == VK_SPACE) SetDown(true);
    TCustomControl::KeyDown(Key, Shift);
}

void TExtCheckBox::KeyUp(Word& Key, TShiftState Shift)
{
    if (Key == VK_SPACE) {
        SetDown(false);
        Toggle();
        Click();
    }
    TCustomControl::KeyUp(Key, Shift);
}

void TExtCheckBox::WndProc(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR && CanFocus() &&
        IsAccel(static_cast<char32_t>(Message.WParam), Caption())) {
        Toggle();
        if (TabStop()) SetFocus();
        Message.Result = 1;
        return;
    }
    TCustomControl::WndProc(Message);
}

void TExtCheckBox::CMMouseEnter(TMessage& Message)
{
    FHot = true;
    InvalidateBox();
    TCustomControl::CMMouseEnter(Message);
}

void TExtCheckBox::CMMouseLeave(TMessage& Message)
{
    FHot = false;
    InvalidateBox();
    TCustomControl::CMMouseLeave(Message);
}
