#include "grid/foundation/EsgComboBox.h"

#include "grid/foundation/VisualStyles.h"
#include "platform/os/SystemProfile.h"
#include "platform/ui/Forms.h"

TEsgCustomCombo::TEsgCustomCombo(TComponent* owner)
    : TCustomComboBox(owner), labelFont_(std::make_unique<TFont>()),
      isThemed_(SystemProfile().ComCtlMajorVersion > 5)
{
    labelFont_->OnChange = [this](TObject*) { LabelFontChanged(); };
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
    if (label_ && !labelAlwaysEnabled_) label_->SetEnabled(Enabled());
    if (label_ && ParentFont()) label_->SetFont(Font());
    PlaceLabel();
    Init();
}

void TEsgCustomCombo::SetBounds(int left, int top, int width, int height)
{
    TCustomComboBox::SetBounds(left, top, width, height);
    if (!ComponentState().Contains(csDestroying)) PlaceLabel();
}

void TEsgCustomCombo::SetEnabled(bool enabled)
{
    const bool changed = enabled != Enabled();
    TCustomComboBox::SetEnabled(enabled);
    const TComponentState state = ComponentState();
    if (!changed || state.Contains(csLoading) || state.Contains(csDesigning)) return;
    if (label_ && !labelAlwaysEnabled_) label_->SetEnabled(enabled);
    PlaceLabel();
}

// The label stands on the control's parent, also when the control gets one late.
void TEsgCustomCombo::SetParent(TWinControl* parent)
{
    TCustomComboBox::SetParent(parent);
    if (label_ && !ComponentState().Contains(csDestroying)) {
        label_->SetParent(parent);
        PlaceLabel();
    }
}

// Focus colours and label weight.

void TEsgCustomCombo::FocusArrived(bool labelBold)
{
    if (focusColor_ != clNone) {
        // A control that was never initialised goes back to the colour it had.
        if (normalColor_ == clNone) normalColor_ = Color();
        SetColor(focusColor_);
    }
    if (labelBold && focusLabel_) LabelBold(true);
}

void TEsgCustomCombo::LabelBold(bool bold)
{
    if (!label_) return;
    TFontStyles style = label_->Font()->Style();
    label_->Font()->SetStyle(bold ? style + fsBold : style - fsBold);
}

void TEsgCustomCombo::CMEnter(TMessage& message)
{
    TCustomComboBox::CMEnter(message);
    if (ComponentState().Contains(csDesigning)) return;
    hasFocus_ = true;
    Invalidate();
    FocusArrived(true);
}

void TEsgCustomCombo::CMExit(TMessage& message)
{
    TCustomComboBox::CMExit(message);
    if (ComponentState().Contains(csDesigning)) return;
    hasFocus_ = false;
    Invalidate();
    if (focusColor_ != clNone && normalColor_ != clNone) SetColor(normalColor_);
    LabelBold(false);
}

void TEsgCustomCombo::WMSetFocus(TMessage& message)
{
    TCustomComboBox::WMSetFocus(message);
    FocusArrived(true);
    if (focusBorderColor_ != clNone) Invalidate();
}

void TEsgCustomCombo::WMKillFocus(TMessage& message)
{
    TCustomComboBox::WMKillFocus(message);
    hasFocus_ = false;
    if (focusColor_ != clNone && normalColor_ != clNone) SetColor(normalColor_);
    LabelBold(false);
    Invalidate();
}

// Mouse.

void TEsgCustomCombo::CMMouseEnter(TMessage& message)
{
    TCustomComboBox::CMMouseEnter(message);
    if (!mouseInControl_ && Enabled()) {
        mouseInControl_ = true;
        Invalidate();
    }
    if (autoFocus_ && !ComponentState().Contains(csDesigning)) {
        const TCustomForm* form = GetParentForm(this);
        if ((!form || form->Active()) && CanFocus()) SetFocus();
    }
    if (IsWinXP) Invalidate();
}

void TEsgCustomCombo::CMMouseLeave(TMessage& message)
{
    TCustomComboBox::CMMouseLeave(message);
    if (mouseInControl_ && Enabled()) {
        mouseInControl_ = false;
        Invalidate();
    }
    buttonHover_ = false;
    if (IsWinXP) Invalidate();
}

void TEsgCustomCombo::WMMouseMove(TMessage& message)
{
    TCustomComboBox::WMMouseMove(message);
    const int x = LParamToPoint(message.LParam).X;
    const bool over = Width() - buttonWidth_ < x && x < Width();
    if (over != buttonHover_) {
        buttonHover_ = over;
        InvalidateButton();
    }
}

void TEsgCustomCombo::WMLButtonDown(TMessage& message)
{
    mouseDown_ = true;
    TCustomComboBox::WMLButtonDown(message);
}

void TEsgCustomCombo::WMLButtonUp(TMessage& message)
{
    mouseDown_ = false;
    TCustomComboBox::WMLButtonUp(message);
}

// Fonts, enabling, visibility, colour.

void TEsgCustomCombo::CMFontChanged(TMessage& message)
{
    TCustomComboBox::CMFontChanged(message);
    const TComponentState state = ComponentState();
    if ((state.Contains(csDesigning) || state.Contains(csLoading)) && label_ && ParentFont())
        label_->SetFont(Font());
}

void TEsgCustomCombo::CMParentFontChanged(TMessage& message)
{
    TCustomComboBox::CMParentFontChanged(message);
    if (label_ && ParentFont()) label_->SetFont(Font());
    PlaceLabel();
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
    if (label_) label_->SetVisible(Visible());
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
    if (code == CBN_CLOSEUP) mouseDown_ = false; // the list took the release
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

// The label.

void TEsgCustomCombo::SetLabelCaption(const std::string& caption)
{
    labelCaption_ = caption;
    if (!label_) label_ = CreateAttachedLabel(this, labelFont_.get());
    label_->SetCaption(caption);
    PlaceLabel();
}

void TEsgCustomCombo::SetLabelPosition(TLabelPosition position)
{
    labelPosition_ = position;
    PlaceLabel();
}

void TEsgCustomCombo::SetLabelMargin(int margin)
{
    labelMargin_ = margin;
    PlaceLabel();
}

void TEsgCustomCombo::SetLabelTransparent(bool on)
{
    labelTransparent_ = on;
    PlaceLabel();
}

void TEsgCustomCombo::SetLabelAlwaysEnabled(bool on)
{
    labelAlwaysEnabled_ = on;
    if (label_) label_->SetEnabled(on || Enabled());
    PlaceLabel();
}

void TEsgCustomCombo::LabelFontChanged()
{
    const TComponentState state = ComponentState();
    if (state.Contains(csDesigning) && !state.Contains(csLoading)) SetParentFont(false);
    PlaceLabel();
}

void TEsgCustomCombo::PlaceLabel()
{
    if (!label_) return;
    label_->SetTransparent(labelTransparent_);
    if (!ParentFont()) label_->SetFont(labelFont_.get());
    PlaceAttachedLabel(label_, this, labelPosition_, labelMargin_, AttachedLabelTextWidth(label_, true));
}
