#pragma once
#include <string>

#include "platform/ui/Graphics.h"

// The looks of the inline controls of markup texts: with visual styles flat parts framed
// in the style's colours, without them the classic raised and sunken edges.

// The white box of an edit or combo box.
void PaintHtmlEditBox(TCanvas* canvas, const TRect& box, bool visualStyles);
void PaintHtmlComboButton(TCanvas* canvas, const TRect& rect, bool hot, bool visualStyles);
void PaintHtmlCheckBox(TCanvas* canvas, const TRect& rect, bool checked, bool visualStyles);
void PaintHtmlRadioButton(TCanvas* canvas, const TRect& rect, bool checked, bool visualStyles);
void PaintHtmlPushButton(TCanvas* canvas, const TRect& rect, bool pressed, bool hot, bool visualStyles);

// The control's text in the rectangle, on one line, vertically centred (and centred across
// when centred is set), over the control's own face.
void PaintHtmlControlText(TCanvas* canvas, const TRect& rect, const std::string& text, bool centred);
