#include "grid/foundation/editors/LabelPlacement.h"

namespace {

TLabel* CreateAttachedLabel(TWinControl* control, const TFont* font)
{
    auto* label = new TLabel(control);
    label->SetParent(control->Parent());
    label->SetFocusControl(control);
    label->SetFont(font);
    label->SetParentFont(control->ParentFont());
    return label;
}

int AttachedLabelTextWidth(const TLabel* label, bool hidePrefix)
{
    TBitmap measure(1, 1);
    measure.Canvas()->Font()->Assign(*label->Font());
    if (!hidePrefix) return measure.Canvas()->TextWidth(label->Caption());
    TRect text = Rect(0, 0, 1000, 255);
    DrawText(measure.Canvas(), label->Caption(), text, DT_CALCRECT | DT_LEFT | DT_HIDEPREFIX);
    return text.Width();
}

} // namespace

TPoint LabelOrigin(TLabelPosition position, const TRect& control, int textWidth, TSize label, int margin)
{
    const int left = control.Left, top = control.Top, width = control.Width(), height = control.Height();
    const int middle = top + (height - label.cy) / 2;
    const int bottom = top + height - label.cy;
    const int above = top - label.cy - margin;
    const int below = top + height + margin;
    const int beforeText = left - textWidth - margin;
    const int centred = left + (width - label.cx) / 2;
    const int after = left + width + margin;
    switch (position) {
    case lpLeftTop:
        return {beforeText, top};
    case lpLeftCenter:
        return {beforeText, middle};
    case lpLeftBottom:
        return {beforeText, bottom};
    case lpTopLeft:
        return {left, above};
    case lpBottomLeft:
        return {left, below};
    case lpLeftTopLeft:
        return {left - margin, top};
    case lpLeftCenterLeft:
        return {left - margin, middle};
    case lpLeftBottomLeft:
        return {left - margin, bottom};
    case lpTopCenter:
        return {centred, above};
    case lpBottomCenter:
        return {centred, below};
    case lpRightTop:
        return {after, top};
    case lpRightCenter:
        return {after, middle};
    case lpRighBottom:
        return {after, bottom};
    case lpTopRight:
        return {left + width - label.cx, above};
    case lpBottomRight:
        return {left + width - label.cx, below};
    }
    return {left, top};
}

TAttachedLabel::TAttachedLabel(TWinControl* control, TAttachedLabelManner manner)
    : control_(control), manner_(manner), font_(std::make_unique<TFont>())
{
    font_->OnChange = [this](TObject*) {
        const TComponentState state = control_->ComponentState();
        if (state.Contains(csDesigning) && !state.Contains(csLoading)) control_->SetParentFont(false);
        Place();
    };
}

TAttachedLabel::~TAttachedLabel() = default;

void TAttachedLabel::SetCaption(const std::string& caption)
{
    caption_ = caption;
    if (!label_) {
        label_ = CreateAttachedLabel(control_, font_.get());
        if (OnCreate) OnCreate(label_);
    }
    label_->SetCaption(caption);
    Place();
}

void TAttachedLabel::SetPosition(TLabelPosition position)
{
    position_ = position;
    Place();
}

void TAttachedLabel::SetMargin(int margin)
{
    margin_ = margin;
    Place();
}

void TAttachedLabel::SetTransparent(bool on)
{
    transparent_ = on;
    Place();
}

void TAttachedLabel::SetAlwaysEnabled(bool on)
{
    alwaysEnabled_ = on;
    if (label_) label_->SetEnabled(on || control_->Enabled());
}

void TAttachedLabel::Place()
{
    if (!label_) return;
    label_->SetTransparent(transparent_);
    if (!control_->ParentFont())
        label_->SetFont(font_.get());
    else if (manner_.TakesControlFont)
        label_->SetFont(control_->Font());
    const TPoint origin =
        LabelOrigin(position_, control_->BoundsRect(), AttachedLabelTextWidth(label_, manner_.HidePrefix),
                    {label_->Width(), label_->Height()}, margin_);
    label_->SetBounds(origin.X, origin.Y, label_->Width(), label_->Height());
    label_->SetVisible(control_->Visible());
}

void TAttachedLabel::Loaded()
{
    FollowEnabled(control_->Enabled());
    FollowControlFont();
    Place();
}

void TAttachedLabel::FollowEnabled(bool enabled)
{
    if (label_ && !alwaysEnabled_) label_->SetEnabled(enabled);
}

// The label stands on the control's parent, also when the control gets one late.
void TAttachedLabel::FollowParent(TWinControl* parent)
{
    if (!label_ || control_->ComponentState().Contains(csDestroying)) return;
    label_->SetParent(parent);
    Place();
}

void TAttachedLabel::FollowVisible()
{
    if (label_) label_->SetVisible(control_->Visible());
}

void TAttachedLabel::FollowControlFont()
{
    if (label_ && control_->ParentFont()) label_->SetFont(control_->Font());
}

// Focus arriving bolds the label only where that is wanted; leaving always takes it back.
void TAttachedLabel::FocusChanged(bool focused)
{
    if (!focused || focusBold_) SetBold(focused);
}

void TAttachedLabel::SetBold(bool bold)
{
    if (!label_) return;
    TFontStyles style = label_->Font()->Style();
    label_->Font()->SetStyle(bold ? style + fsBold : style - fsBold);
}
