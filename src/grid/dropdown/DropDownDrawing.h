#pragma once
#include <string>

#include "platform/ui/Graphics.h"

class THtmlPictureSource;
class TCustomImageList;

// Drawing and text routines that every drop-down's popup, bars and buttons share.

// Halves go to the even neighbour, as the colour tables and clock faces were computed.
int RoundEven(double Value);

// Steps bands (0 counts as 1) from Color to ColorTo, left to right when Horizontal, else top
// to bottom; each band overlaps the next by a pixel so no seam shows.
void DrawDropDownGradient(TCanvas* Canvas, TColor Color, TColor ColorTo, bool Horizontal, const TRect& R, int Steps);
// Percent of A and the rest of B, by channel; 100 or more gives A, 0 or less B.
TColor BlendColors(TColor A, TColor B, int Percent);
// Each non-zero channel scaled by (100 + D) percent, at most 100; a zero channel becomes D
// when that is positive.
TColor ScaleColorChannels(TColor Color, int DR, int DG, int DB);
// A gradient of 80 bands when ColorTo is set, else a solid fill unless Color is clNone; then
// the border when it has a colour and a width.
void DrawFilledRect(TCanvas* Canvas, const TRect& R, TColor Color, bool Vertical, int BorderWidth,
                    TColor BorderColor, TColor ColorTo);
// An image of the list at 4 pixels from the left, vertically centred, with the caption after
// it; without an image the caption is centred. One line, cut with an ellipsis.
void DrawImageAndCaption(TCanvas* Canvas, const TRect& R, const std::string& Caption, int ImageIndex,
                         const TCustomImageList* Images);
// The bitmap with its top-left pixel's colour replaced by Background.
void DrawTransparentGlyph(TCanvas* Canvas, const TBitmap& Glyph, TColor Background, const TRect& R);
// The size of the single-line text; 0 x 0 for an empty text.
TSize MeasureText(TCanvas* Canvas, const std::string& Text);
// The text cut at its end (with "..." when Ellipsis) until it is narrower than MaxWidth.
std::string TruncateText(TCanvas* Canvas, const std::string& Text, int MaxWidth, bool Ellipsis);
// Draws, or only measures, a markup caption; returns its size.
TSize DrawHtmlCaption(TCanvas* Canvas, const std::string& Text, const TRect& R, bool Measure,
                      THtmlPictureSource* Pictures = nullptr);
std::string UpperCaseUnless(const std::string& Text, bool Keep);
