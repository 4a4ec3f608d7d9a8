#include "grid/foundation/editors/ExtGridButton.h"

#include "grid/foundation/painting/GlyphImages.h"
#include "grid/foundation/painting/OfficeTheme.h"
#include "grid/foundation/editors/StyleQueries.h"

namespace {
struct TLookColors {
    TColor Color, ColorTo, ColorHot, ColorHotTo, ColorDown, ColorDownTo, ColorChecked, ColorCheckedTo;
    TColor BorderDown, BorderHot;
};

constexpr TLookColors kLooks[] = {
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE},
    {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080},
};
} // namespace

TExtGridButton::TExtGridButton(TComponent* AOwner)
    : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()), FGlyphHot(std::make_unique<TBitmap>()),
      FGlyphDown(std::make_unique<TBitmap>()), FGlyphDisabled(std::make_unique<TBitmap>()),
      FGlyphShade(std::make_unique<TBitmap>()), FIsComCtl6(IsThemedComCtl6())
{
    FGlyph->OnChange = [this](TObject*) { Invalidate(); };
    SetBounds(0, 0, 22, 23);
    // The button fires its click itself, on a release inside it.
    SetControlStyle({csCaptureMouse, csDoubleClicks});
    SetColor(clBtnFace);
    SetParentFont(true);
}

TExtGridButton::~TExtGridButton() = default;

void TExtGridButton::Click()
{
    if (!OnClick && FActionLink && FActionLink->Action())
        FActionLink->Execute();
    else
        TGraphicControl::Click();
}

TAction* TExtGridButton::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TExtGridButton::SetAction(TAction* Value)
{
    if (!Value) {
        FActionLink.reset();
        return;
    }
    if (!FActionLink) FActionLink = std::make_unique<TExtGridButtonActionLink>(this);
    FActionLink->SetAction(Value);
}

bool TExtGridButtonActionLink::IsCheckedLinked() const
{
    return TControlActionLink::IsCheckedLinked() && FClient->GroupIndex() != 0 && FClient->AllowAllUp() &&
           Action()->Checked() == FClient->Down();
}

bool TExtGridButtonActionLink::IsGroupIndexLinked() const
{
    return Action() && Action()->GroupIndex() == FClient->GroupIndex();
}

void TExtGridButton::Loaded()
{
    TGraphicControl::Loaded();
    if (FShaded) RebuildShade();
    if (FAutoThemeAdapt) ApplyThemeLook();
}

void TExtGridButton::SetAllowAllUp(bool Value)
{
    if (FAllowAllUp == Value) return;
    FAllowAllUp = Value;
    UpdateExclusive();
}

void TExtGridButton::SetAutoThemeAdapt(bool Value)
{
    FAutoThemeAdapt = Value;
    if (Value) ApplyThemeLook();
}

void TExtGridButton::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    Invalidate();
}

void TExtGridButton::SetColorTo(TColor Value)
{
    FColorTo = Value;
    Invalidate();
}

void TExtGridButton::SetColorChecked(TColor Value)
{
    FColorChecked = Value;
    Invalidate();
}

void TExtGridButton::SetColorCheckedTo(TColor Value)
{
    FColorCheckedTo = Value;
    Invalidate();
}

void TExtGridButton::SetDown(bool Value)
{
    if (FStyle == tasButton && FGroupIndex == 0) Value = false;
    if (FStyle == tasCheck) {
        FDown = Value;
        Invalidate();
        return;
    }
    if (Value == FDown || (FDown && !FAllowAllUp)) return;
    FDown = Value;
    if (Value) {
        if (FState == bsUp) Invalidate();
        FState = bsExclusive;
        UpdateExclusive();
    } else {
        FState = bsUp;
        Invalidate();
    }
}

void TExtGridButton::SetDropDownButton(bool Value)
{
    FDropDownButton = Value;
    Invalidate();
}

void TExtGridButton::SetFlat(bool Value)
{
    if (FFlat == Value) return;
    FFlat = Value;
    Invalidate();
}

void TExtGridButton::SetGlyph(const TBitmap* Value)
{
    FGlyph->Assign(*Value);
    if (FGlyphDisabled->Empty() && !FGlyph->Empty()) MakeDisabledGlyph(*FGlyph, *FGlyphDisabled);
    Invalidate();
}

void TExtGridButton::SetGroupIndex(int Value)
{
    if (FGroupIndex == Value) return;
    FGroupIndex = Value;
    UpdateExclusive();
}

void TExtGridButton::SetLayout(TButtonLayout Value)
{
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

void TExtGridButton::SetMargin(int Value)
{
    if (FMargin == Value || Value < -1) return;
    FMargin = Value;
    Invalidate();
}

void TExtGridButton::SetRounded(bool Value)
{
    FRounded = Value;
    Invalidate();
}

void TExtGridButton::SetShaded(bool Value)
{
    FShaded = Value;
    if (Value && !ComponentState().Contains(csLoading)) RebuildShade();
}

void TExtGridButton::SetShowCaption(bool Value)
{
    if (FShowCaption == Value) return;
    FShowCaption = Value;
    Invalidate();
}

void TExtGridButton::SetSpacing(int Value)
{
    if (FSpacing == Value) return;
    FSpacing = Value;
    Invalidate();
}

void TExtGridButton::SetStyle(TExtGridButtonStyle Value)
{
    FStyle = Value;
    Invalidate();
}

void TExtGridButton::SetLook(int Value)
{
    if (Value < 0 || Value > 6) return;
    FLook = Value;
    const TLookColors& l = kLooks[Value];
    SetColor(l.Color);
    FColorTo = l.ColorTo;
    ColorHot = l.ColorHot;
    ColorHotTo = l.ColorHotTo;
    ColorDown = l.ColorDown;
    ColorDownTo = l.ColorDownTo;
    FColorChecked = l.ColorChecked;
    FColorCheckedTo = l.ColorCheckedTo;
    BorderDownColor = l.BorderDown;
    BorderHotColor = l.BorderHot;
    FBorderColor = clNone;
    FFlat = true;
    FRounded = Value == 0;
    Invalidate();
}

void TExtGridButton::ApplyThemeLook()
{
    switch (GetXPColorScheme()) {
    case 1:
        SetLook(2);
        break;
    case 2:
        SetLook(3);
        break;
    case 3:
        SetLook(4);
        break;
    default:
        SetLook(1);
        break;
    }
}

void TExtGridButton::RebuildShade() { MakeGlyphShade(*FGlyph, *FGlyphShade); }

void TExtGridButton::UpdateExclusive()
{
    if (FGroupIndex == 0 || !Parent()) return;
    TMessage m{CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex),
               reinterpret_cast<LPARAM>(static_cast<TControl*>(this))};
    Parent()->Broadcast(m);
}

void TExtGridButton::ButtonPressed(TMessage& Message)
{
    if (static_cast<int>(Message.WParam) != FGroupIndex) return;
    auto* sender = dynamic_cast<TExtGridButton*>(reinterpret_cast<TControl*>(Message.LParam));
    if (!sender || sender == this) return;
    if (sender->Down() && FDown) {
        FDown = false;
        FState = bsUp;
        if (TAction* action = Action()) action->SetChecked(false);
        Invalidate();
    }
    FAllowAllUp = sender->AllowAllUp();
}

void TExtGridButton::UpdateTracking()
{
    if (!Enabled()) return;
    const bool over = Inside(FLastMouse.X, FLastMouse.Y);
    if (over == FMouseInControl) return;
    FMouseInControl = over;
    Invalidate();
}

void TExtGridButton::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_BUTTONPRESSED:
        ButtonPressed(Message);
        return;
    case WM_THEMECHANGED:
    case CM_SYSFONTCHANGED:
        if (FAutoThemeAdapt) ApplyThemeLook();
        break;
    case CM_SYSCOLORCHANGE:
        Invalidate();
        break;
    case CM_DIALOGCHAR:
        if (Enabled() && Showing() && IsAccel(static_cast<char32_t>(Message.WParam), Caption())) {
            Click();
            Message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(Message);
}

void TExtGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    FLastMouse = {X, Y};
    if (Button != mbLeft || !Enabled()) return;
    if (FDropDownButton && X >= ClientWidth() - 12) {
        FState = bsUp;
        if (OnDropDown) OnDropDown(this);
        Invalidate();
        return;
    }
    if (!FDown || FStyle == tasCheck) {
        FState = bsDown;
        Repaint();
    }
    FDragging = true;
}

void TExtGridButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    FLastMouse = {X, Y};
    if (!FDragging) {
        if (!Inside(X, Y)) UpdateTracking();
        return;
    }
    TButtonState next = FDown ? bsExclusive : bsUp;
    if (Inside(X, Y)) next = FDown ? bsExclusive : bsDown;
    if (FStyle == tasCheck && FDown) next = bsDown;
    if (next == FState) return;
    FState = next;
    Invalidate();
}

void TExtGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    FLastMouse = {X, Y};
    if (!FDragging) return;
    FDragging = false;
    const bool inside = Inside(X, Y);
    if (FGroupIndex == 0) {
        FState = bsUp;
        if (FStyle == tasCheck) {
            SetDown(!FDown);
            FState = bsUp;
        }
        if (inside) Invalidate();
    } else if (inside) {
        SetDown(!FDown);
        if (FDown) Invalidate();
    } else {
        if (FDown) FState = bsExclusive;
        Invalidate();
    }
    if (inside) Click();
    UpdateTracking();
}

void TExtGridButton::DblClick()
{
    if (FDown) TGraphicControl::DblClick();
}

void TExtGridButton::CMMouseEnter(TMessage& Message)
{
    if (Enabled() && !FMouseInControl) {
        FMouseInControl = true;
        Invalidate();
    }
    TGraphicControl::CMMouseEnter(Message);
}

void TExtGridButton::CMMouseLeave(TMessage& Message)
{
    if (FMouseInControl && Enabled() && !FDragging) {
        FMouseInControl = false;
        Invalidate();
    }
    FLastMouse = {-1, -1};
    TGraphicControl::CMMouseLeave(Message);
}

void TExtGridButton::CMEnabledChanged(TMessage& Message)
{
    TGraphicControl::CMEnabledChanged(Message);
    if (!Enabled()) FMouseInControl = false;
    UpdateTracking();
    Invalidate();
}
