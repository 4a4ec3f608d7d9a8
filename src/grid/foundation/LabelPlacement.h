#pragma once
#include "platform/ui/Types.h"

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
