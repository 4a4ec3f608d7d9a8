#include "grid/foundation/markup/HtmlColors.h"
#include "grid/foundation/markup/HtmlLinePass.h"
#include "grid/foundation/markup/HtmlMarkup.h"
#include "grid/foundation/markup/HtmlTextOps.h"
#include "platform/rtl/SysUtils.h"

bool THtmlLinePass::TakeTag(const std::string& tag)
{
    using K = THtmlTagKind;
    switch (ClassifyHtmlTag(tag)) {
    case K::Bold:
        SetStyle(fsBold, true);
        break;
    case K::BoldEnd:
        SetStyle(fsBold, false);
        break;
    case K::Italic:
        SetStyle(fsItalic, true);
        break;
    case K::ItalicEnd:
        SetStyle(fsItalic, false);
        break;
    case K::Underline:
        SetStyle(fsUnderline, true);
        break;
    case K::UnderlineEnd:
        SetStyle(fsUnderline, false);
        break;
    case K::Strike:
        SetStyle(fsStrikeOut, true);
        break;
    case K::StrikeEnd:
        SetStyle(fsStrikeOut, false);
        break;
    case K::LineBreak:
        if (Measuring()) Result().PlainText += '\r';
        EndLine();
        break;
    case K::Blink:
        if (!Params().BlinkVisible) Canvas()->Font()->SetColor(context_.EntryBrushColor);
        break;
    case K::BlinkEnd:
        Canvas()->Font()->SetColor(context_.BaseFont.Color());
        break;
    case K::Body:
        if (draw_) ApplyBody(tag);
        break;
    case K::Indent:
        if (const auto position = ParseIndentTag(tag); position && width_ < *position) width_ = *position;
        break;
    case K::Image:
        return TakeImage(tag);
    case K::ListStart:
        ++state_.ListLevel;
        EndLine();
        break;
    case K::ListEnd:
        if (state_.ListLevel < 1)
            SetStyle(fsUnderline, false);
        else
            --state_.ListLevel;
        break;
    case K::ListItem:
        return TakeListItem();
    case K::ListItemEnd:
        EndLine();
        break;
    case K::Shadow:
        state_.Shadow = true;
        break;
    case K::ShadowEnd:
        state_.Shadow = false;
        break;
    case K::Subscript:
        state_.Subscript = true;
        break;
    case K::Superscript:
        state_.Superscript = true;
        break;
    case K::SubSupEnd:
        state_.Subscript = state_.Superscript = false;
        break;
    case K::Font:
        ApplyFont(tag);
        break;
    case K::FontEnd:
        EndFont();
        break;
    case K::Anchor:
        StartAnchor(tag);
        break;
    case K::AnchorEnd:
        EndAnchor();
        break;
    case K::Paragraph:
        ApplyParagraph(tag);
        break;
    case K::ParagraphEnd:
        if (draw_) {
            SetTextBackground(state_.ParagraphSavedBackground);
            state_.LineBackground = false;
        }
        EndLine();
        break;
    case K::Highlight:
        Highlight(true);
        break;
    case K::HighlightEnd:
        Highlight(false);
        break;
    case K::Rule:
        if (draw_) DrawRule();
        EndLine();
        break;
    case K::ErrorMark:
        state_.ErrorMark = true;
        break;
    case K::ErrorMarkEnd:
        state_.ErrorMark = false;
        break;
    case K::Hidden:
        state_.Hidden = true;
        break;
    case K::HiddenEnd:
        state_.Hidden = false;
        break;
    case K::Rotate:
        StartRotation(ParseRotateTag(tag));
        break;
    case K::RotateEnd:
        EndRotation();
        break;
    case K::Control:
        return TakeControl(tag);
    case K::None:
        break;
    }
    return true;
}

void THtmlLinePass::SetStyle(TFontStyle style, bool on)
{
    TFont* font = Canvas()->Font();
    font->SetStyle(on ? font->Style() + style : font->Style() - style);
}

// The markup's colours give way to the selection's.
void THtmlLinePass::SetTextColor(TColor color)
{
    if (!Params().Selected) Canvas()->Font()->SetColor(color);
}

void THtmlLinePass::SetTextBackground(TColor color)
{
    state_.TextBackground = color;
    TBrush* brush = Canvas()->Brush();
    if (color == clNone) {
        brush->SetStyle(bsClear);
    } else {
        brush->SetColor(color);
        brush->SetStyle(bsSolid);
    }
}

// Fills the line across the whole drawing rectangle; brush and pen keep the colour.
void THtmlLinePass::FillLine(TColor color)
{
    SetTextBackground(color);
    if (color == clNone) return;
    Canvas()->Pen()->SetColor(color);
    Canvas()->FillRect(
        Rect(context_.Rect.Left, lineRect_.Top, context_.Rect.Right, lineRect_.Top + metrics_.Height));
}

void THtmlLinePass::ApplyFont(const std::string& tag)
{
    const THtmlFontTag font = ParseFontTag(tag);
    if (font.Face) Canvas()->Font()->SetName(*font.Face);
    if (font.Points && *font.Points > 0) Canvas()->Font()->SetSize(*font.Points);
    if (font.Color && !font.Color->empty()) SetTextColor(HtmlColorValue(*font.Color));
    if (font.BackgroundColor && draw_ && !Params().Selected) {
        state_.FontSavedBackground = state_.TextBackground;
        SetTextBackground(HtmlColorValue(*font.BackgroundColor));
    }
}

void THtmlLinePass::EndFont()
{
    TFont* font = Canvas()->Font();
    font->SetName(context_.BaseFont.Name());
    font->SetHeight(context_.BaseFont.Height());
    if (draw_ && !Params().Selected) {
        font->SetColor(context_.BaseFont.Color());
        SetTextBackground(state_.FontSavedBackground);
    }
}

void THtmlLinePass::ApplyParagraph(const std::string& tag)
{
    const THtmlParagraphTag paragraph = ParseParagraphTag(tag);
    if (paragraph.Align) state_.Align = *paragraph.Align;
    if (paragraph.Indent) state_.Indent = *paragraph.Indent;
    if (!paragraph.BackgroundColor || !draw_) return;
    state_.LineBackground = true;
    state_.ParagraphSavedBackground = state_.TextBackground;
    FillLine(paragraph.BackgroundColor->empty() ? clNone : HtmlColorValue(*paragraph.BackgroundColor));
}

void THtmlLinePass::ApplyBody(const std::string& tag)
{
    const THtmlBodyTag body = ParseBodyTag(tag);
    const TRect& area = context_.Rect;
    if (!body.Background.empty() && Params().Pictures) {
        const bool isAddress = body.Background.find("://") != std::string::npos;
        const TGraphic* picture = isAddress ? Params().Pictures->PictureByAddress(body.Background)
                                            : Params().Pictures->PictureByName(body.Background);
        if (picture && picture->Width() > 0 && picture->Height() > 0) {
            const TRect clip = Canvas()->ClipRect();
            Canvas()->IntersectClipRect(area);
            for (int y = area.Top; y < area.Bottom; y += picture->Height())
                for (int x = area.Left; x < area.Right; x += picture->Width())
                    Canvas()->Draw(x, y, picture);
            Canvas()->SetClipRect(clip);
        }
    }
    const std::string color = UpperCase(body.BackgroundColor);
    if (color.find("CL") == std::string::npos && color.find('#') == std::string::npos) return;
    SetTextBackground(HtmlColorValue(color));
    Canvas()->FillRect(area);
}

bool THtmlLinePass::HoverStyled() const
{
    return !Params().UnderlineHoverOnly || Params().HoverLink == state_.AnchorCount;
}

void THtmlLinePass::StartAnchor(const std::string& tag)
{
    const THtmlDrawParams& params = Params();
    if (draw_ && state_.AnchorCount == params.FocusLink) state_.FocusStartX = ItemLeft(0);
    ++state_.AnchorCount;
    if (draw_ && HoverStyled()) {
        SetStyle(fsUnderline, true);
        if (params.HoverBackColor != clNone) {
            state_.HoverSavedBackground = state_.TextBackground;
            SetTextBackground(params.HoverBackColor);
        }
        if (params.HoverTextColor != clNone) {
            state_.HoverSavedText = Canvas()->Font()->Color();
            Canvas()->Font()->SetColor(params.HoverTextColor);
        }
    }
    if (params.HoverTextColor == clNone || params.HoverLink != state_.AnchorCount ||
        !params.UnderlineHoverOnly)
        SetTextColor(params.LinkColor);
    const THtmlAnchorTag anchor = ParseAnchorTag(tag);
    state_.InAnchor = anchor.Href.has_value();
    state_.Href = anchor.Href.value_or("");
    state_.Title = anchor.Title;
    state_.AnchorMarked = false;
    anchorStartWidth_ = width_;
}

void THtmlLinePass::EndAnchor()
{
    if (draw_ && HoverStyled()) {
        SetStyle(fsUnderline, false);
        if (state_.HoverSavedBackground) SetTextBackground(*state_.HoverSavedBackground);
        if (state_.HoverSavedText) Canvas()->Font()->SetColor(*state_.HoverSavedText);
        state_.HoverSavedBackground.reset();
        state_.HoverSavedText.reset();
    }
    SetTextColor(context_.BaseFont.Color());
    if (state_.AnchorMarked) {
        Result().HitAnchorRect = Span(anchorStartWidth_, width_);
        Result().HitAnchorIndex = state_.AnchorCount;
    }
    if (draw_) CloseFocusRect(textBottom_ - metrics_.ImageOffset);
    state_.InAnchor = false;
    state_.AnchorMarked = false;
}

void THtmlLinePass::Highlight(bool on)
{
    if (!draw_) return;
    TFont* font = Canvas()->Font();
    if (on) {
        state_.HighlightSavedText = font->Color();
        state_.HighlightSavedBackground = state_.TextBackground;
        font->SetColor(HtmlHighlightTextColor());
        SetTextBackground(HtmlHighlightColor());
    } else if (state_.HighlightSavedText) {
        font->SetColor(*state_.HighlightSavedText);
        SetTextBackground(*state_.HighlightSavedBackground);
        state_.HighlightSavedText.reset();
        state_.HighlightSavedBackground.reset();
    }
}

// The text turns about the start of each run; runs still advance along the line, and the
// font that was in force before the rotation returns at its end.
void THtmlLinePass::StartRotation(int angle)
{
    state_.FontBeforeRotation = std::make_unique<TFont>();
    state_.FontBeforeRotation->Assign(*Canvas()->Font());
    state_.Escapement = angle * 10;
}

void THtmlLinePass::EndRotation()
{
    if (!state_.FontBeforeRotation) return;
    Canvas()->Font()->Assign(*state_.FontBeforeRotation);
    state_.FontBeforeRotation.reset();
    state_.Escapement = 0;
}

void THtmlLinePass::DrawRule()
{
    TPen* pen = Canvas()->Pen();
    const TColor color = pen->Color();
    pen->SetColor(clBlack);
    Canvas()->MoveTo(lineRect_.Left, textBottom_ + 1);
    Canvas()->LineTo(lineRect_.Right, textBottom_ + 1);
    pen->SetColor(color);
}
