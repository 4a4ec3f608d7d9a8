#include "platform/ui/StdCtrls.h"

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner)
{
    SetParentColor(true);
    SetBounds(0, 0, 65, 17);
}

unsigned TCustomLabel::TextFlags() const
{
    unsigned flags = DT_EXPANDTABS;
    if (wordWrap_) flags |= DT_WORDBREAK;
    if (alignment_ == taCenter) flags |= DT_CENTER;
    if (alignment_ == taRightJustify) flags |= DT_RIGHT;
    if (!showAccelChar_) flags |= DT_NOPREFIX;
    return flags;
}

void TCustomLabel::DrawCaption(TRect& rect, unsigned flags)
{
    TCanvas* canvas = Canvas();
    std::string text = Caption();
    // An empty caption still measures one line.
    if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&"))) text += ' ';
    canvas->Font()->Assign(*Font());
    canvas->Brush()->SetStyle(bsClear);
    if (Enabled() || (flags & DT_CALCRECT)) {
        DrawText(canvas, text, rect, flags);
        return;
    }
    TRect shifted = OffsetRect(rect, 1, 1);
    canvas->Font()->SetColor(clBtnHighlight);
    DrawText(canvas, text, shifted, flags);
    canvas->Font()->SetColor(clBtnShadow);
    DrawText(canvas, text, rect, flags);
}

void TCustomLabel::Paint()
{
    TCanvas* canvas = Canvas();
    if (!Transparent()) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(ClientRect());
    }
    TRect rect = ClientRect();
    const unsigned flags = TextFlags();
    if (layout_ != tlTop) {
        TRect calc = rect;
        DrawCaption(calc, flags | DT_CALCRECT);
        const int offset = rect.Height() - calc.Height();
        rect.Top += layout_ == tlBottom ? offset : offset / 2;
    }
    DrawCaption(rect, flags);
}

void TCustomLabel::AdjustBounds()
{
    if (ComponentState().Contains(csLoading) || !autoSize_) return;
    TRect rect = ClientRect();
    if (!wordWrap_) rect.Right = rect.Left + 32767;
    DrawCaption(rect, TextFlags() | DT_CALCRECT);
    int left = Left();
    if (!wordWrap_ && alignment_ == taRightJustify) left += Width() - rect.Right;
    SetBounds(left, Top(), rect.Right, rect.Bottom);
}

void TCustomLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TCustomLabel::CMTextChanged(TMessage& message)
{
    TGraphicControl::CMTextChanged(message);
    AdjustBounds();
}

void TCustomLabel::CMFontChanged(TMessage& message)
{
    TGraphicControl::CMFontChanged(message);
    AdjustBounds();
}

void TCustomLabel::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    AdjustBounds();
}

void TCustomLabel::SetTransparent(bool transparent)
{
    SetControlStyle(transparent ? ControlStyle() + csParentBackground : ControlStyle() - csParentBackground);
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool wordWrap)
{
    wordWrap_ = wordWrap;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout layout)
{
    layout_ = layout;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool show)
{
    showAccelChar_ = show;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::WndProc(TMessage& message)
{
    if (message.Msg == CM_DIALOGCHAR && focusControl_ && Enabled() && showAccelChar_ &&
        IsAccel(static_cast<char32_t>(message.WParam), Caption()) && focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        message.Result = 1;
        return;
    }
    TGraphicControl::WndProc(message);
}
