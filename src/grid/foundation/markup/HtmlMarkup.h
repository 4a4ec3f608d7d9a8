#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/Types.h"

// The markup of cell texts and hints, cut into runs and tags. It is not parsed into a tree:
// the renderer walks the text from left to right, one run or one tag at a time, and keeps
// a flat drawing state that each tag changes.

// Before layout: between the tags "&amp;" (shown as one "&" by DrawText's "&&"), "&quot;",
// "&sect;", "&permil;", "&reg;", "&copy;", "&para;", "&trade;" and "&euro;" (any case)
// become their characters, each entity decoded once; "<#...>" loses its angle brackets,
// every CR becomes "<BR>", every LF goes.
std::string PrepareHtmlText(const std::string& text);

// Inside a run: "&nbsp;", "&lt;" and "&gt;"; a "&&" (an ampersand already decoded) is left
// as it is, so "&amp;lt;" shows "&lt;".
std::string ReplaceRunEntities(const std::string& run);

enum class THtmlTokenKind { Run, Tag, End };

struct THtmlToken {
    THtmlTokenKind Kind = THtmlTokenKind::End;
    size_t Length = 0; // bytes of the text that the token takes
};

// The token at the start of the remaining text: a run up to the next "<" (with wordWrap up
// to and including the first blank when that comes first), or a tag up to its ">". End
// when nothing is left, or when the rest is a "<" with one character or less, or a "<"
// that no ">" closes: such a rest is dropped.
THtmlToken NextHtmlToken(std::string_view rest, bool wordWrap);

enum class THtmlTagKind {
    None,
    Bold,
    BoldEnd,
    LineBreak,
    Blink,
    BlinkEnd,
    Body,
    Italic,
    ItalicEnd,
    Indent,
    Image,
    Underline,
    UnderlineEnd,
    ListStart,
    ListEnd,
    ListItem,
    ListItemEnd,
    Strike,
    StrikeEnd,
    Shadow,
    ShadowEnd,
    Subscript,
    Superscript,
    SubSupEnd,
    Font,
    FontEnd,
    Anchor,
    AnchorEnd,
    Paragraph,
    ParagraphEnd,
    Highlight,
    HighlightEnd,
    Rule,
    ErrorMark,
    ErrorMarkEnd,
    Hidden,
    HiddenEnd,
    Rotate,
    RotateEnd,
    Control,
};

// What a tag ("<" to ">") does, from its first letters in any case; a tag that matches no
// rule is None and has no effect.
THtmlTagKind ClassifyHtmlTag(std::string_view tag);

// <FONT FACE=".." SIZE=".." COLOR=".." BGCOLOR="..">; a missing attribute is not set.
struct THtmlFontTag {
    std::optional<std::string> Face;
    std::optional<int> Points; // SIZE 1 to 5 are 8, 10, 12, 14, 16 points, others the points
    std::optional<std::string> Color;
    std::optional<std::string> BackgroundColor;
};
THtmlFontTag ParseFontTag(const std::string& tag);

// <P ALIGN=".." INDENT="n" BGCOLOR="..">.
struct THtmlParagraphTag {
    std::optional<TAlignment> Align;
    std::optional<int> Indent;
    std::optional<std::string> BackgroundColor;
};
THtmlParagraphTag ParseParagraphTag(const std::string& tag);

// <A HREF=".." TITLE="..">; an anchor without HREF looks like a link but is none.
struct THtmlAnchorTag {
    std::optional<std::string> Href;
    std::string Title;
};
THtmlAnchorTag ParseAnchorTag(const std::string& tag);

enum class THtmlImageAlign { Bottom, Top, Middle };

// <IMG SRC=".." ALT=".." WIDTH="w" HEIGHT="h" ALIGN="..">.
struct THtmlImageTag {
    std::string Source;
    std::string AltSource;
    std::optional<int> Width;
    std::optional<int> Height;
    THtmlImageAlign Align = THtmlImageAlign::Bottom;
};
THtmlImageTag ParseImageTag(const std::string& tag);

// <BODY BACKGROUND=".." BGCOLOR="..">.
struct THtmlBodyTag {
    std::string Background;
    std::string BackgroundColor;
};
THtmlBodyTag ParseBodyTag(const std::string& tag);

// <IN x="n">: the position n, when the first quoted value after the letter "x" is a number.
std::optional<int> ParseIndentTag(const std::string& tag);

// <R a="45">: the angle in degrees, the first quoted value after the letter "a".
int ParseRotateTag(const std::string& tag);
