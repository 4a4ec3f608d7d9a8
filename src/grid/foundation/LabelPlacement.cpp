#include "grid/foundation/LabelPlacement.h"

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
    }
    return {left, top};
}

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

void PlaceAttachedLabel(TLabel* label, const TControl* control, TLabelPosition position, int margin,
                        int textWidth)
{
    const TPoint origin =
        LabelOrigin(position, control->BoundsRect(), textWidth, {label->Width(), label->Height()}, margin);
    label->SetBounds(origin.X, origin.Y, label->Width(), label->Height());
    label->SetVisible(control->Visible());
}
