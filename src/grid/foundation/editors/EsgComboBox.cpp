#include "grid/foundation/editors/EsgComboBox.h"

#include "grid/foundation/painting/VisualStyles.h"
#include "platform/os/SystemProfile.h"
#include "platform/ui/Forms.h"

TEsgCustomCombo::TEsgCustomCombo(TComponent* owner)
    : TCustomComboBox(owner), TAttachedLabelProperties(this, {.HidePrefix = true, .TakesControlFont = false}),
      isThemed_(SystemProfile().ComCtlMajorVersion > 5)
{
}

TEsgCustomCombo::~TEsgCustomCombo() = default;

bool TEsgCustomCombo::ThemeActive() const { return isThemed_ && IsThemeActive(); }

void TEsgCustomCombo::SetBorderColor(TColor color)
{
    if (color == borderColor_) return;
    borderColor_ = color;
    Invalidate();
}

void TEsgCustomCombo::SetButtonWidth(int width)
{
    if (width < 14 || width > 32) return;
    buttonWidth_ = width;
    Invalidate();
}

void TEsgCustomCombo::SetDisabledBorder(bool on)
{
    disabledBorder_ = on;
    Invalidate();
}

void TEsgCustomCombo::SetFlat(bool flat)
{
    if (flat == flat_) return;
    flat_ = flat;
    if (flatParentColor_ && flat) {
        if (Parent()) SetColor(Parent()->Color());
    } else {
        SetColor(loadedColor_);
    }
    Invalidate();
}

void TEsgCustomCombo::SetFlatLineColor(TColor color)
{
    flatLineColor_ = color;
    Invalidate();
}

void TEsgCustomCombo::SetFlatParentColor(bool on)
{
    flatParentColor_ = on;
    Invalidate();
}

void TEsgCustomCombo::SetEtched(bool on)
{
    etched_ = on;
    Invalidate();
}

void TEsgCustomCombo::SetFocusBorder(bool on)
{
    focusBorder_ = on;
    Invalidate();
}

void TEsgCustomCombo::SetFocusBorderColor(TColor color)
{
    focusBorderColor_ = color;
    Invalidate();
}

void TEsgCustomCombo::SetDropWidth(int width)
{
    dropWidth_ = width;
    if (width > 0) Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width));
}

void TEsgCustomCombo::SelectItem(const std::string& text)
{
    const int index = Items()->IndexOf(text);
    if (index >= 0) SetItemIndex(index);
}

void TEsgCustomCombo::Init() { normalColor_ = Color(); }

void TEsgCustomCombo::Loaded()
{
    TCustomComboBox::Loaded();
    if (dropWidth_ > 0) SetDropWidth(dropWidth_);
    oldColor_ = loadedColor_;
    if (!flatParentColor_ || flat_) SetColor(loadedColor_);
    label_.Loaded();
    Init();
}

void TEsgCustomCombo::SetBounds(int left, int top, int width, int height)
{
    TCustomComboBox::SetBounds(left, top, width, height);
    if (!ComponentState().Contains(csDestroying)) label_.Place();
}

void TEsgCustomCombo::SetEnabled(bool enabled)
{
    const bool changed = enabled != Enabled();
    TCustomComboBox::SetEnabled(enabled);
    const TComponentState state = ComponentState();
    if (!changed || state.Contains(csLoading) || state.Contains(csDesigning)) return;
    label_.FollowEnabled(enabled);
    label_.Place();
}

void TEsgCustomCombo::SetParent(TWinControl* parent)
{
    TCustomComboBox::SetParent(parent);
    label_.FollowParent(parent);
}

// Focus colours and label weight.

void TEsgCustomCombo::FocusArrived()
{
    if (focusColor_ != clNone) {
        // A control that was never initialised goes back to the colour it had.
        if (normalColor_ == clNone) normalColor_ = Color();
        SetColor(focusColor_);
    }
    label_.FocusChanged(true);
}

void TEsgCustomCombo::FocusLeft()
{
    if (focusColor_ != clNone && normalColor_ != clNone) SetColor(normalColor_);
    label_.FocusChanged(false);
}

void TEsgCustomCombo::CMEnter(TMessage& message)
{
    TCustomComboBox::CMEnter(message);
    if (ComponentState().Contains(csDesigning)) return;
    hasFocus_ = true;
    Invalidate();
    FocusArrived();
}

void TEsgCustomCombo::CMExit(TMessage& message)
{
    TCustomComboBox::CMExit(message);
    if (ComponentState().Contains(csDesigning)) return;
    hasFocus_ = false;
    Invalidate();
    FocusLeft();
}

void TEsgCustomCombo::WMSetFocus(TMessage& message)
{
    TCustomComboBox::WMSetFocus(message);
    FocusArrived();
    if (focusBorderColor_ != clNone) Invalidate();
}

void TEsgCustomCombo::WMKillFocus(TMessage& message)
{
    TCustomComboBox::WMKillFocus(message);
    hasFocus_ = false;
    FocusLeft();
    Invalidate();
}

// Mouse.

void TEsgCustomCombo::CMMouseEnter(TMessage& message)
{
    TCustomComboBox::CMMouseEnter(message);
    if (mouse_.Enter(Enabled())) Invalidate();
    if (autoFocus_ && !ComponentState().Contains(csDesigning)) {
        const TCustomForm* form = GetParentForm(this);
        if ((!form || form->Active()) && CanFocus()) SetFocus();
    }
    if (IsWinXP) Invalidate();
}

void TEsgCustomCombo::CMMouseLeave(TMessage& message)
{
    TCustomComboBox::CMMouseLeave(message);
    if (mouse_.Leave(Enabled())) Invalidate();
    if (IsWinXP) Invalidate();
}

void TEsgCustomCombo::WMMouseMove(TMessage& message)
{
    TCustomComboBox::WMMouseMove(message);
    if (mouse_.Move(LParamToPoint(message.LParam).X, Width(), buttonWidth_)) InvalidateButton();
}

void TEsgCustomCombo::WMLButtonDown(TMessage& message)
{
    mouse_.SetDown(true);
    TCustomComboBox::WMLButtonDown(message);
}

void TEsgCustomCombo::WMLButtonUp(TMessage& message)
{
    mouse_.SetDown(false);
    TCustomComboBox::WMLButtonUp(message);
}

// Fonts, enabling, visibility, colour.

void TEsgCustomCombo::CMFontChanged(TMessage& message)
{
    TCustomComboBox::CMFontChanged(message);
    const TComponentState state = ComponentState();
    if (state.Contains(csDesigning) || state.Contains(csLoading)) label_.FollowControlFont();
}

void TEsgCustomCombo::CMParentFontChanged(TMessage& message)
{
    TCustomComboBox::CMParentFontChanged(message);
    label_.FollowControlFont();
    label_.Place();
}

void TEsgCustomCombo::CMEnabledChanged(TMessage& message)
{
    TCustomComboBox::CMEnabledChanged(message);
    if (!flat_ || ComponentState().Contains(csLoading)) return;
    if (!Enabled()) {
        oldParentColor_ = ParentColor();
        oldColor_ = Color();
        SetParentColor(true);
    } else {
        SetColor(oldColor_);
        SetParentColor(oldParentColor_);
    }
    Invalidate();
}

void TEsgCustomCombo::CMVisibleChanged(TMessage& message)
{
    TCustomComboBox::CMVisibleChanged(message);
    label_.FollowVisible();
}

void TEsgCustomCombo::CMColorChanged(TMessage& message)
{
    TCustomComboBox::CMColorChanged(message);
    if (ComponentState().Contains(csLoading)) loadedColor_ = Color();
}

void TEsgCustomCombo::CNCommand(TMessage& message)
{
    TCustomComboBox::CNCommand(message);
    const Word code = HIWORD(message.WParam);
    if (code != CBN_DROPDOWN && code != CBN_CLOSEUP) return;
    InvalidateButton();
    if (code == CBN_CLOSEUP) mouse_.SetDown(false); // the list took the release
    if (code == CBN_CLOSEUP && OnDropUp && !Quiet()) OnDropUp(this);
}

void TEsgCustomCombo::InvalidateButton()
{
    InvalidateRect(Rect(ClientWidth() - buttonWidth_, 0, ClientWidth(), ClientHeight()));
}

bool TEsgCustomCombo::IsActiveControl() const
{
    const TCustomForm* form = GetParentForm(this);
    return form ? form->ActiveControl() == this : Focused();
}

void TEsgCustomCombo::SetLabelAlwaysEnabled(bool on)
{
    label_.SetAlwaysEnabled(on);
    label_.Place();
}
