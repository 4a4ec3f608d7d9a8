#pragma once
#include "platform/ui/StdCtrls.h"

// Where the caption label of an edit control stands relative to the control.
enum TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom
};

// The label's top-left corner for a control at `control` (parent coordinates), a caption
// `textWidth` pixels wide, a label of `label` size and `margin` pixels between the two.
TPoint LabelOrigin(TLabelPosition position, const TRect& control, int textWidth, TSize label, int margin);

// The caption label of a control: owned by it, standing on its parent and focusing it.
TLabel* CreateAttachedLabel(TWinControl* control, const TFont* font);

// The caption's width in the label's font: with prefix characters hidden, as the text is
// drawn, or as the canvas measures the whole text.
int AttachedLabelTextWidth(const TLabel* label, bool hidePrefix);

// Moves the label to its position beside the control and shows it with the control.
void PlaceAttachedLabel(TLabel* label, const TControl* control, TLabelPosition position, int margin,
                        int textWidth);
