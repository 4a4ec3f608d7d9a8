#pragma once
#include <string>

#include "platform/ui/BiDiMode.h"
#include "platform/ui/Graphics.h"

// Where image tags find their pictures: "IDX:n" in the grid's image list, a plain name in
// its picture container, an address holding "://" in its picture cache (which loads the
// picture there on first use). A source without a picture answers nullptr.
class THtmlPictureSource {
public:
    virtual ~THtmlPictureSource() = default;
    virtual int ImageCount() const = 0;
    virtual const TGraphic* Image(int index) const = 0;
    virtual const TGraphic* PictureByName(const std::string& name) = 0;
    virtual const TGraphic* PictureByAddress(const std::string& address) = 0;
};

// What HtmlDraw is asked to do besides drawing the text.
struct THtmlDrawParams {
    THtmlPictureSource* Pictures = nullptr;
    int X = -1; // the point to test
    int Y = -1;
    int FocusLink = -1; // the anchor (from 0) that gets a focus rectangle
    int HoverLink = -1; // the anchor (from 1) under the mouse, drawn in hover style
    int ShadowOffset = 1;
    bool HitTestOnly = false; // nothing is painted; ControlID names a control to find
    bool MeasureOnly = false; // only measured; no line is cut at the bottom
    bool Printing = false;    // image-list entries are stretched by PrintScale
    bool Selected = false;    // the markup's text colours and backgrounds are ignored
    bool BlinkVisible = true;
    bool UnderlineHoverOnly = false;
    bool WordWrap = false;  // without it lines end only at line breaks and runs end in "..."
    bool MouseDown = false; // buttons of inline controls are drawn pressed
    double PrintScale = 1.0;
    TColor LinkColor = clBlue;
    TColor HoverBackColor = clNone;
    TColor HoverTextColor = clNone;
    TColor ShadowColor = clGray;
    // Right to left counts only where the user's locale reads so: bdRightToLeft then lays
    // each line out from the right edge, and every mode but bdLeftToRight reads runs from
    // the right.
    TBiDiMode BiDiMode = bdLeftToRight;
    std::string ControlID; // with HitTestOnly: the control to look for
};

// What HtmlDraw found. The hit outputs are meaningful only when Hit is true.
struct THtmlDrawResult {
    bool Hit = false;      // the point lies over an anchor's text, a linked image or a control
    std::string HitAnchor; // HREF of what lies under the point; "ctrl" for a control
    std::string PlainText; // the text without tags, a CR for each line break tag
    std::string FocusedAnchor;
    std::string HitTitle;
    int MeasuredWidth = 0;  // the widest line, without its trailing blank
    int MeasuredHeight = 0; // the sum of the line heights
    int AnchorCount = 0;
    int HitAnchorIndex = -1; // from 1
    TRect HitAnchorRect;
    TRect HitControlRect;
    std::string ControlID;
    std::string ControlValue;
    std::string ControlType;
};

// Lays out, paints, measures or hit-tests a markup text in the rectangle of the canvas,
// whose font is the base font. The canvas's pen, brush and font are restored on return.
THtmlDrawResult HtmlDraw(TCanvas* canvas, const std::string& text, const TRect& rect,
                         const THtmlDrawParams& params);
