#include <algorithm>
#include <cmath>

#include "grid/foundation/markup/HtmlControlPainter.h"
#include "grid/foundation/markup/HtmlControlTags.h"
#include "grid/foundation/markup/HtmlLinePass.h"
#include "grid/foundation/markup/HtmlMarkup.h"
#include "grid/foundation/markup/HtmlPicture.h"
#include "grid/foundation/markup/HtmlTagAttributes.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/SystemIcons.h"

namespace {
struct TFoundPicture {
    const TGraphic* graphic = nullptr;
    bool stretched = false;
    int width = 0;
    int height = 0;
};

// Rounded to the nearest, halves to even; a picture of extreme proportions stays within
// the sizes a tag may give.
int Scaled(int size, double scale)
{
    const double limit = kMaxHtmlPixels;
    return static_cast<int>(std::clamp(std::nearbyint(size * scale), -limit, limit));
}

// The size of a picture: WIDTH and HEIGHT, the other one after the picture's aspect ratio
// when only one is given, else the picture's own.
void SizePicture(TFoundPicture& found, const THtmlImageTag& image)
{
    // An animation takes the room of its largest frame.
    const auto* animation = dynamic_cast<const THTMLPicture*>(found.graphic);
    const bool animated = animation && animation->FrameCount() > 1;
    const int ownWidth = animated ? animation->MaxWidth() : found.graphic->Width();
    const int ownHeight = animated ? animation->MaxHeight() : found.graphic->Height();
    found.stretched = image.Width || image.Height;
    found.width = image.Width.value_or(
        ownHeight > 0 && image.Height ? Scaled(*image.Height, double(ownWidth) / ownHeight) : ownWidth);
    found.height = image.Height.value_or(
        ownWidth > 0 && image.Width ? Scaled(*image.Width, double(ownHeight) / ownWidth) : ownHeight);
}

// An image-list entry or a system icon takes its own size, stretched by the print scale
// when printing.
void SizeListImage(TFoundPicture& found, const THtmlDrawParams& params)
{
    const double scale = params.Printing ? params.PrintScale : 1.0;
    found.stretched = params.Printing;
    found.width = Scaled(found.graphic->Width(), scale);
    found.height = Scaled(found.graphic->Height(), scale);
}

// "IDX:n" is entry n of the image list; "SSYS:n" and "LSYS:n" are the small and the large
// icon n of the system image list; an address holding "://" is taken from the picture
// cache, a name without ":" from the picture container.
TFoundPicture FindPicture(const std::string& source, const THtmlImageTag& image,
                          const THtmlDrawParams& params)
{
    TFoundPicture found;
    const std::string upper = UpperCase(source);
    if (upper.starts_with("SSYS:") || upper.starts_with("LSYS:")) {
        int index = -1;
        if (TryStrToInt(source.substr(5), index)) found.graphic = SystemIcon(index, upper[0] == 'L');
        if (found.graphic) SizeListImage(found, params);
        return found;
    }
    THtmlPictureSource* pictures = params.Pictures;
    if (!pictures) return found;
    if (upper.starts_with("IDX:")) {
        int index = -1;
        if (!TryStrToInt(source.substr(4), index) || index < 0 || index >= pictures->ImageCount())
            return found;
        found.graphic = pictures->Image(index);
        if (found.graphic) SizeListImage(found, params);
        return found;
    }
    if (source.find("://") != std::string::npos)
        found.graphic = pictures->PictureByAddress(source);
    else if (source.find(':') == std::string::npos)
        found.graphic = pictures->PictureByName(source);
    if (found.graphic) SizePicture(found, image);
    return found;
}

bool Between(int value, int low, int high) { return value > low && value < high; }
} // namespace

bool THtmlLinePass::TakeListItem()
{
    if (Measuring() && listItemSeen_) return false; // a second item starts the next line
    listItemSeen_ = true;
    const int level = state_.ListLevel;
    if (draw_) {
        // The bullet and the small circle of the "Symbol" font are the Unicode bullet and
        // "o" of the current font: a symbol-encoded family here has no bullet to show.
        const std::string mark = level % 2 == 1 ? "•" : "o";
        const int left = ItemLeft(Canvas()->TextWidth(mark), 12 * level - 12);
        TRect bullet = Rect(left, lineRect_.Top, lineRect_.Right, textBottom_);
        DrawText(Canvas(), mark, bullet, 0);
    }
    width_ = AddHtmlExtent(width_, 12 * level);
    return true;
}

bool THtmlLinePass::TakeImage(const std::string& tag)
{
    const THtmlImageTag image = ParseImageTag(tag);
    const int number = state_.ImageCount + 1;
    const bool hovered = number == context_.HoveredImage && !image.AltSource.empty();
    const TFoundPicture picture =
        Clipped() ? TFoundPicture() : FindPicture(hovered ? image.AltSource : image.Source, image, Params());
    if (Measuring() && !Fits(picture.width, true)) return false;
    state_.ImageCount = number;
    if (draw_ && picture.graphic) {
        const int left = ItemLeft(picture.width);
        if (const auto* animation = dynamic_cast<const THTMLPicture*>(picture.graphic);
            animation && animation->FrameCount() > 1)
            FillBehindAnimation(picture.stretched ? Bounds(left, lineRect_.Top, picture.width, picture.height)
                                                  : Bounds(left, lineRect_.Top, animation->MaxWidth(),
                                                           animation->MaxHeight()));
        if (picture.stretched)
            Canvas()->StretchDraw(Bounds(left, lineRect_.Top, picture.width, picture.height),
                                  picture.graphic);
        else
            Canvas()->Draw(left, lineRect_.Top, picture.graphic);
    }
    if (state_.InAnchor) TestLinkedImage(picture.width, picture.height, number);
    PlaceItem(picture.width, picture.height);
    if (Measuring() && image.Align != THtmlImageAlign::Bottom) {
        const int raise = metrics_.Height - Canvas()->TextHeight("gh");
        metrics_.ImageOffset = image.Align == THtmlImageAlign::Top ? raise : raise / 2;
    }
    return true;
}

// A frame covers only its own box of the animation; around it the background the text
// was drawn on shows, whatever earlier frames left there.
void THtmlLinePass::FillBehindAnimation(const TRect& area)
{
    if (context_.EntryBrushColor == clNone) return;
    TBrush* brush = Canvas()->Brush();
    const TColor color = brush->Color();
    const TBrushStyle style = brush->Style();
    brush->SetColor(context_.EntryBrushColor);
    brush->SetStyle(bsSolid);
    Canvas()->FillRect(area);
    brush->SetColor(color);
    brush->SetStyle(style);
}

void THtmlLinePass::TestLinkedImage(int itemWidth, int itemHeight, int number)
{
    if (!Between(PointOffset(), width_, width_ + itemWidth) ||
        !Between(Params().Y, lineRect_.Top, lineRect_.Top + itemHeight))
        return;
    itemHit_ = true;
    Result().HitAnchor = state_.Href;
    Result().HitTitle = state_.Title;
    context_.HoveredImage = number;
}

bool THtmlLinePass::TakeControl(const std::string& tag)
{
    const std::string attributes = tag.size() > 9 ? tag.substr(8, tag.size() - 9) : std::string();
    const THtmlControlTag control = ParseControlTag(attributes);
    // A control without a width in whole pixels, or of a type not known, is not there.
    int controlWidth = 0;
    if (Clipped() || !TryStrToInt(control.Width, controlWidth) || controlWidth <= 0) return true;
    controlWidth = ClampHtmlPixels(controlWidth);
    int height = 25;
    if (!TryStrToInt(control.Height, height)) height = 25;
    height = ClampHtmlPixels(height);
    const bool box = control.Type == "CHECK" || control.Type == "RADIO";
    int itemWidth = controlWidth;
    int itemHeight = 25;
    if (control.Type == "EDIT" || control.Type == "PASSWORD" || control.Type == "MASK")
        itemHeight = Canvas()->TextHeight("gh") + 10;
    else if (box)
        itemWidth = itemHeight = 16;
    else if (control.Type != "COMBO" && control.Type != "BUTTON")
        return true;
    if (Measuring()) {
        if (!Fits(itemWidth, true)) return false;
        metrics_.Height = box ? 16 : height > 25 ? height - 2 : 23;
    }
    if (TestControl(control, itemWidth, itemHeight)) {
        itemHit_ = true;
        Result().HitAnchor = "ctrl";
        Result().HitControlRect = Bounds(ItemLeft(itemWidth), lineRect_.Top, itemWidth, itemHeight);
        Result().ControlValue = control.Value;
        Result().ControlID = control.ID;
        Result().ControlType = control.Type;
    }
    if (draw_) PaintControl(control, ItemLeft(itemWidth), controlWidth, height);
    PlaceItem(itemWidth, itemHeight);
    return true;
}

bool THtmlLinePass::TestControl(const THtmlControlTag& control, int itemWidth, int itemHeight)
{
    if (Params().HitTestOnly && control.ID == Params().ControlID) return true;
    return Between(PointOffset(), width_, width_ + itemWidth) &&
           Between(Params().Y, lineRect_.Top, lineRect_.Top + itemHeight);
}

void THtmlLinePass::PaintControl(const THtmlControlTag& control, int x, int controlWidth, int height)
{
    TCanvas* canvas = Canvas();
    const bool styled = context_.VisualStyles;
    const int bottom = textBottom_;
    const int top = bottom - metrics_.Height + 4;
    const int px = Params().X;
    const int py = Params().Y;
    const TColor penColor = canvas->Pen()->Color();
    const std::string& type = control.Type;
    if (type == "EDIT" || type == "PASSWORD" || type == "MASK") {
        PaintHtmlEditBox(canvas, Rect(x, top, x + controlWidth, bottom + 2), styled);
        const std::string shown =
            type == "PASSWORD" ? std::string(Length(control.Value), '*') : control.Value;
        PaintHtmlControlText(canvas, Rect(x + 2, top, x + controlWidth, bottom), shown, false);
    } else if (type == "COMBO") {
        const int gh = canvas->TextHeight("gh");
        const bool hot =
            Between(px, x - 2, x + controlWidth - 2) && Between(py, bottom - (gh + 10) - 2, bottom - 2);
        PaintHtmlEditBox(canvas, Rect(x, top, x + controlWidth, bottom + 2), styled);
        PaintHtmlControlText(canvas, Rect(x + 4, top, x + controlWidth - 18, bottom), control.Value, false);
        PaintHtmlComboButton(canvas, Rect(x + controlWidth - 18, top + 1, x + controlWidth - 1, bottom + 1),
                             styled && hot, styled);
    } else if (type == "CHECK") {
        PaintHtmlCheckBox(canvas, Rect(x + 2, bottom - 15, x + 15, bottom),
                          UpperCase(control.Value) == "TRUE", styled);
    } else if (type == "RADIO") {
        PaintHtmlRadioButton(canvas, Rect(x + 2, bottom - 14, x + 14, bottom),
                             UpperCase(control.Value) == "TRUE", styled);
    } else {
        const bool hot = Between(px, x - 2, x + controlWidth - 2) && Between(py, bottom - 26, bottom - 2);
        const bool pressed = styled ? Params().MouseDown : hot && Params().MouseDown;
        const TRect face = Rect(x + 2, bottom - height, x + controlWidth - 2, bottom);
        PaintHtmlPushButton(canvas, face, pressed, hot, styled);
        PaintHtmlControlText(canvas, InflateRect(face, -2, -2), control.Value, true);
    }
    canvas->Pen()->SetColor(penColor);
    SetTextBackground(state_.TextBackground);
}

void THtmlLinePass::PlaceItem(int itemWidth, int itemHeight)
{
    width_ = AddHtmlExtent(width_, itemWidth);
    if (Measuring()) metrics_.Height = std::max(metrics_.Height, itemHeight);
    trailingBlank_ = 0;
    glued_ = false;
    lineEmpty_ = false;
}
