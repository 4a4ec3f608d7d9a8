#pragma once
#include <memory>
#include <optional>
#include <string>

#include "grid/foundation/markup/HtmlControlTags.h"
#include "grid/foundation/markup/HtmlDraw.h"

// The markup renderer's own pieces: what one HtmlDraw call shares, the drawing state that
// the tags change, and one pass over one line.

struct THtmlDrawContext {
    TCanvas* Canvas = nullptr;
    std::string Text; // prepared: entities replaced, line breaks as tags
    TRect Rect;
    const THtmlDrawParams* Params = nullptr;
    THtmlDrawResult* Result = nullptr;
    TFont BaseFont;                  // the canvas font when drawing began
    TColor EntryBrushColor = clNone; // background of blinking text
    bool VisualStyles = false;
    unsigned TextFlags = 0; // DrawText flags of the runs
    bool Mirrored = false;  // runs and items go from the line's right edge to the left
    int HoveredImage = -1;  // the linked image found under the point
};

// The drawing state that the tags change. The renderer keeps one for its measuring passes
// and one for its painting passes, each carried from line to line.
struct THtmlDrawState {
    TFont Font;
    TColor TextBackground = clNone;
    bool InAnchor = false;     // inside an anchor with HREF
    bool AnchorMarked = false; // the anchor's text lies under the point
    std::string Href;
    std::string Title;
    bool Subscript = false;
    bool Superscript = false;
    bool Shadow = false;
    bool Hidden = false;
    bool ErrorMark = false;
    bool LineBackground = false;
    int ListLevel = 0;
    TAlignment Align = taLeftJustify;
    int Indent = 0;
    int AnchorCount = 0;
    int ImageCount = 0;
    TColor FontSavedBackground = clNone;
    TColor ParagraphSavedBackground = clNone;
    std::optional<TColor> HighlightSavedText;
    std::optional<TColor> HighlightSavedBackground;
    std::optional<TColor> HoverSavedText;
    std::optional<TColor> HoverSavedBackground;
    std::unique_ptr<TFont> FontBeforeRotation;
    int Escapement = 0; // tenths of a degree, counter-clockwise, while a rotation is open
    std::optional<int> FocusStartX; // the focused anchor's rectangle, while it is open
};

// What the measuring pass finds out about a line; the painting pass draws by it.
struct THtmlLineMetrics {
    int Height = 0;
    int SubscriptExtra = 0;
    int SuperscriptExtra = 0;
    int ImageOffset = 0;                 // raises the text beside an image aligned to the top or middle
    int Width = 0;                       // without the trailing blank
    int GhHeight = 0;                    // height of "gh" in the font the line starts with
    size_t ClipFrom = std::string::npos;         // without word wrap: runs past the right edge start here
    size_t TrailingBlankAt = std::string::npos;  // the run whose ending blank is not part of the width
};

// One pass over a line. The measuring pass decides where the line ends and how tall it is;
// the painting pass walks the same text at the aligned place, draws it and tests the point.
class THtmlLinePass {
public:
    enum class TKind { Measure, Paint };

    THtmlLinePass(THtmlDrawContext& context, THtmlDrawState& state, THtmlLineMetrics& metrics, TKind kind,
                  const TRect& lineRect, bool draw);

    // Walks the text from begin up to at most end; returns where the line ends.
    size_t Walk(size_t begin, size_t end);

    bool AnchorHit() const { return anchorHit_; }
    bool ItemHit() const { return itemHit_; }

private:
    bool Measuring() const { return kind_ == TKind::Measure; }
    const THtmlDrawParams& Params() const { return *context_.Params; }
    THtmlDrawResult& Result() { return *context_.Result; }
    TCanvas* Canvas() const { return context_.Canvas; }
    // Where the next item, `itemWidth` wide, starts when `offset` more pixels go before it.
    int ItemLeft(int itemWidth, int offset = 0) const
    {
        return context_.Mirrored ? lineRect_.Right - width_ - offset - itemWidth
                                 : lineRect_.Left + width_ + offset;
    }
    // The pixels between two widths laid out so far, from top to bottom of the line.
    TRect Span(int fromWidth, int toWidth) const;
    // How far the point lies from the edge the line starts at.
    int PointOffset() const
    {
        return context_.Mirrored ? lineRect_.Right - Params().X : Params().X - lineRect_.Left;
    }
    // Without word wrap, what follows the run that crosses the right edge is cut off.
    bool Clipped() const { return at_ >= metrics_.ClipFrom; }
    // Whether a run or picture goes on this line; the first one on a line always does.
    bool Fits(int itemWidth, bool mayTouchEdge) const;

    // HtmlLinePass.cpp: runs
    bool TakeRun(const std::string& raw);
    int MeasureRun(const std::string& run) const;
    void TestAnchorText(int runWidth);
    void PaintRun(std::string run, int runWidth, int bottom);
    // Draws a run in the bounds as DrawText does, turned while a rotation is open.
    void DrawRun(const std::string& run, TRect bounds);
    void PaintErrorMark(int left, int right, int bottom);
    void CloseFocusRect(int bottom);

    // HtmlLineTags.cpp: the tags that change the drawing state
    bool TakeTag(const std::string& tag);
    void SetStyle(TFontStyle style, bool on);
    void SetTextColor(TColor color);
    void SetTextBackground(TColor color);
    void FillLine(TColor color);
    void ApplyFont(const std::string& tag);
    void EndFont();
    void ApplyParagraph(const std::string& tag);
    void ApplyBody(const std::string& tag);
    void StartAnchor(const std::string& tag);
    void EndAnchor();
    bool HoverStyled() const;
    void Highlight(bool on);
    void StartRotation(int angle);
    void EndRotation();
    void DrawRule();
    void EndLine() { lineEnded_ = true; }

    // HtmlLineItems.cpp: list items, images and controls
    bool TakeListItem();
    bool TakeImage(const std::string& tag);
    bool TakeControl(const std::string& tag);
    void FillBehindAnimation(const TRect& area);
    void TestLinkedImage(int itemWidth, int itemHeight, int number);
    bool TestControl(const THtmlControlTag& control, int itemWidth, int itemHeight);
    void PaintControl(const THtmlControlTag& control, int x, int controlWidth, int height);
    void PlaceItem(int itemWidth, int itemHeight);

    THtmlDrawContext& context_;
    THtmlDrawState& state_;
    THtmlLineMetrics& metrics_;
    TKind kind_;
    TRect lineRect_;
    bool draw_;
    size_t at_ = 0; // where the run or tag being taken starts
    int width_ = 0;
    int textBottom_ = 0;
    int trailingBlank_ = 0;
    size_t trailingBlankAt_ = std::string::npos;
    int anchorStartWidth_ = 0;
    bool lineEnded_ = false;
    bool lineEmpty_ = true; // no run or picture on the line yet
    bool glued_ = false;    // the last run ends inside a word
    bool listItemSeen_ = false;
    bool anchorHit_ = false;
    bool itemHit_ = false;
};
