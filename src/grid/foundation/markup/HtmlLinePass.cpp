#include "grid/foundation/markup/HtmlLinePass.h"

#include <algorithm>
#include <vector>

#include "grid/foundation/markup/HtmlMarkup.h"
#include "grid/foundation/markup/HtmlTagAttributes.h"
#include "platform/ui/RotatedText.h"

namespace {

// "&&" is how DrawText shows one ampersand.
std::string ShownText(const std::string& run)
{
    std::string shown;
    for (size_t i = 0; i < run.size(); ++i) {
        shown += run[i];
        if (run[i] == '&' && i + 1 < run.size() && run[i + 1] == '&') ++i;
    }
    return shown;
}

} // namespace

THtmlLinePass::THtmlLinePass(THtmlDrawContext& context, THtmlDrawState& state, THtmlLineMetrics& metrics,
                             TKind kind, const TRect& lineRect, bool draw)
    : context_(context), state_(state), metrics_(metrics), kind_(kind), lineRect_(lineRect), draw_(draw)
{
}

size_t THtmlLinePass::Walk(size_t begin, size_t end)
{
    Canvas()->Font()->Assign(state_.Font);
    textBottom_ = lineRect_.Bottom - metrics_.SubscriptExtra;
    if (draw_) {
        SetTextBackground(state_.TextBackground);
        if (state_.LineBackground) FillLine(state_.TextBackground);
    }
    state_.Subscript = state_.Superscript = false;
    for (at_ = begin; at_ < end && !lineEnded_;) {
        const std::string_view rest(context_.Text.data() + at_, end - at_);
        const THtmlToken token = NextHtmlToken(rest, Params().WordWrap);
        if (token.Kind == THtmlTokenKind::End) {
            at_ = end;
            break;
        }
        const std::string piece(rest.substr(0, token.Length));
        if (!(token.Kind == THtmlTokenKind::Run ? TakeRun(piece) : TakeTag(piece))) break;
        at_ += token.Length;
    }
    width_ -= trailingBlank_;
    if (Measuring()) {
        metrics_.Width = width_;
        metrics_.TrailingBlankAt = trailingBlank_ > 0 ? trailingBlankAt_ : std::string::npos;
        Result().MeasuredWidth = std::max(Result().MeasuredWidth, width_);
    }
    // A focused anchor that goes on past this line gets its rectangle line by line.
    if (draw_ && state_.InAnchor && state_.FocusStartX) {
        CloseFocusRect(textBottom_);
        state_.FocusStartX = context_.Mirrored ? lineRect_.Right - 1 : lineRect_.Left + 1;
    }
    state_.Font.Assign(*Canvas()->Font());
    return at_;
}

bool THtmlLinePass::Fits(int itemWidth, bool mayTouchEdge) const
{
    const int room = lineRect_.Width();
    return lineEmpty_ || width_ + itemWidth < room + mayTouchEdge || itemWidth >= room;
}

bool THtmlLinePass::TakeRun(const std::string& raw)
{
    const std::string run = ReplaceRunEntities(raw);
    if (run.empty()) return true;
    const bool clipped = Clipped();
    const int runWidth = state_.Hidden || clipped ? 0 : MeasureRun(run);
    if (Measuring() && Params().WordWrap && runWidth > 0 && !Fits(runWidth, false) && !glued_)
        return false; // the run starts the next line; a word that tags split is never broken
    if (Measuring() && !Params().WordWrap && !clipped && width_ + runWidth > lineRect_.Width())
        metrics_.ClipFrom = at_ + raw.size(); // the run that crosses the right edge ends the line
    if (Measuring()) {
        const int height = Canvas()->TextHeight(run);
        if (state_.Subscript) metrics_.SubscriptExtra = std::max(metrics_.SubscriptExtra, height / 4);
        if (state_.Superscript) metrics_.SuperscriptExtra = std::max(metrics_.SuperscriptExtra, height / 4);
        metrics_.Height = std::max(metrics_.Height, height);
        Result().PlainText += ShownText(run);
    }
    if (state_.Hidden || clipped) return true;
    if (!Measuring() && Params().HitTestOnly) TestAnchorText(runWidth);
    if (draw_) {
        int bottom = textBottom_ - metrics_.ImageOffset;
        if (state_.Superscript) bottom -= metrics_.SuperscriptExtra;
        if (state_.Subscript) bottom += metrics_.SubscriptExtra;
        // The blank that ends a line is not part of its width, so it is not drawn either.
        const bool endsLine = at_ == metrics_.TrailingBlankAt && run.back() == ' ';
        PaintRun(endsLine ? run.substr(0, run.size() - 1) : run, runWidth, bottom);
    }
    width_ = AddHtmlExtent(width_, runWidth);
    trailingBlank_ = raw.back() == ' ' ? Canvas()->TextWidth(" ") : 0;
    trailingBlankAt_ = at_;
    glued_ = raw.back() != ' ';
    lineEmpty_ = false;
    return true;
}

int THtmlLinePass::MeasureRun(const std::string& run) const
{
    TRect bounds;
    DrawText(Canvas(), run, bounds, (context_.TextFlags & ~DT_END_ELLIPSIS) | DT_CALCRECT);
    return bounds.Width();
}

void THtmlLinePass::TestAnchorText(int runWidth)
{
    if (!state_.InAnchor || PointOffset() < width_ || PointOffset() > width_ + runWidth) return;
    anchorHit_ = true;
    if (Params().Y <= lineRect_.Top) return;
    Result().HitAnchor = state_.Href;
    Result().HitTitle = state_.Title;
    state_.AnchorMarked = true;
}

void THtmlLinePass::PaintRun(std::string run, int runWidth, int bottom)
{
    TFont* font = Canvas()->Font();
    // The run takes the room left on the line: after what came before it, or, laid out from
    // the right, before it (the run is then drawn against the room's right edge).
    const TRect room = context_.Mirrored ? Rect(lineRect_.Left, lineRect_.Top, ItemLeft(0), bottom)
                                         : Rect(ItemLeft(0), lineRect_.Top, lineRect_.Right, bottom);
    if (state_.Shadow) {
        const TColor color = font->Color();
        const int offset = Params().ShadowOffset;
        font->SetColor(Params().ShadowColor);
        DrawRun(run, OffsetRect(room, offset, offset));
        font->SetColor(color);
    }
    DrawRun(run, room);
    if (state_.InAnchor && state_.AnchorCount - 1 == Params().FocusLink) Result().FocusedAnchor = state_.Href;
    const int left = ItemLeft(runWidth);
    if (state_.ErrorMark) PaintErrorMark(left, left + runWidth, bottom);
}

TRect THtmlLinePass::Span(int fromWidth, int toWidth) const
{
    if (context_.Mirrored)
        return Rect(lineRect_.Right - toWidth, lineRect_.Top, lineRect_.Right - fromWidth, lineRect_.Bottom);
    return Rect(lineRect_.Left + fromWidth, lineRect_.Top, lineRect_.Left + toWidth, lineRect_.Bottom);
}

void THtmlLinePass::DrawRun(const std::string& run, TRect bounds)
{
    if (state_.Escapement == 0) {
        DrawText(Canvas(), run, bounds, context_.TextFlags);
        return;
    }
    // The run's upright cell sits on the bottom, as DrawText puts it, against the edge the
    // line is laid out from.
    const int left = context_.Mirrored ? bounds.Right - MeasureRun(run) : bounds.Left;
    TextOutRotated(Canvas(), left, bounds.Bottom - Canvas()->TextHeight(run), ShownText(run),
                   state_.Escapement);
}

// A red zigzag under the run, one pixel above and below its bottom in steps of two pixels.
void THtmlLinePass::PaintErrorMark(int left, int right, int bottom)
{
    TPen* pen = Canvas()->Pen();
    const TColor color = pen->Color();
    const int width = pen->Width();
    pen->SetColor(clRed);
    pen->SetWidth(1);
    const int start = left & ~1;
    bool below = start % 4 == 0;
    std::vector<TPoint> points;
    for (int x = start; x <= right; x += 2, below = !below)
        points.push_back({x, below ? bottom + 1 : bottom - 1});
    Canvas()->Polyline(points);
    pen->SetColor(color);
    pen->SetWidth(width);
}

void THtmlLinePass::CloseFocusRect(int bottom)
{
    if (!state_.FocusStartX) return;
    const int gh = Canvas()->TextHeight("gh");
    const int start = *state_.FocusStartX, end = ItemLeft(0);
    Canvas()->DrawFocusRect(
        Rect(std::min(start, end) - 1, bottom - gh - 1, std::max(start, end) + 1, bottom + 1));
    state_.FocusStartX.reset();
}
