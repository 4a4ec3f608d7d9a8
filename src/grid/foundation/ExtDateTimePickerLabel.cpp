#include "grid/foundation/ExtDateTimePicker.h"

// The caption label beside the date-and-time picker.

void TExtDateTimePicker::SetLabelCaption(const std::string& caption)
{
    labelCaption_ = caption;
    if (!label_) {
        label_ = CreateAttachedLabel(this, labelFont_.get());
        label_->OnClick = [this](TObject*) {
            if (OnLabelClick) OnLabelClick(this);
        };
        label_->OnDblClick = [this](TObject*) {
            if (OnLabelDblClick) OnLabelDblClick(this);
        };
    }
    label_->SetCaption(caption);
    PlaceLabel();
}

void TExtDateTimePicker::SetLabelPosition(TLabelPosition position)
{
    labelPosition_ = position;
    PlaceLabel();
}

void TExtDateTimePicker::SetLabelMargin(int margin)
{
    labelMargin_ = margin;
    PlaceLabel();
}

void TExtDateTimePicker::SetLabelTransparent(bool on)
{
    labelTransparent_ = on;
    PlaceLabel();
}

void TExtDateTimePicker::SetLabelAlwaysEnabled(bool on)
{
    labelAlwaysEnabled_ = on;
    if (!label_) return;
    label_->SetEnabled(on || Enabled());
    label_->Invalidate();
}

void TExtDateTimePicker::PlaceLabel()
{
    if (!label_) return;
    label_->SetTransparent(labelTransparent_);
    label_->SetFont(ParentFont() ? Font() : labelFont_.get());
    PlaceAttachedLabel(label_, this, labelPosition_, labelMargin_, AttachedLabelTextWidth(label_, false));
}

void TExtDateTimePicker::SetBounds(int left, int top, int width, int height)
{
    TCustomDateTimePicker::SetBounds(left, top, width, height);
    if (label_ && label_->Parent() && !ComponentState().Contains(csDestroying)) PlaceLabel();
}

void TExtDateTimePicker::SetParent(TWinControl* parent)
{
    TCustomDateTimePicker::SetParent(parent);
    if (!label_ || ComponentState().Contains(csDestroying)) return;
    label_->SetParent(parent);
    PlaceLabel();
}

void TExtDateTimePicker::CMVisibleChanged(TMessage& message)
{
    TCustomDateTimePicker::CMVisibleChanged(message);
    if (label_) label_->SetVisible(Visible());
}

void TExtDateTimePicker::LabelBold(bool bold)
{
    if (!label_ || ComponentState().Contains(csLoading)) return;
    TFontStyles style = label_->Font()->Style();
    label_->Font()->SetStyle(bold ? style + fsBold : style - fsBold);
}

void TExtDateTimePicker::CMEnter(TMessage& message)
{
    TCustomDateTimePicker::CMEnter(message);
    if (focusLabel_) LabelBold(true);
}

void TExtDateTimePicker::CMExit(TMessage& message)
{
    TCustomDateTimePicker::CMExit(message);
    LabelBold(false);
}
