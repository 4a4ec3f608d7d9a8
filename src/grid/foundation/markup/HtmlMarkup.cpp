#include "grid/foundation/markup/HtmlMarkup.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "grid/foundation/markup/HtmlTagAttributes.h"
#include "platform/rtl/SysUtils.h"

namespace {
struct TEntity {
    const char* name;
    const char* character;
};

// "&amp;" becomes "&&", which DrawText shows as one ampersand.
constexpr std::array<TEntity, 9> kTextEntities = {{
    {"&amp;", "&&"},
    {"&quot;", "\""},
    {"&sect;", "§"},
    {"&permil;", "‰"},
    {"&reg;", "®"},
    {"&copy;", "©"},
    {"&para;", "¶"},
    {"&trade;", "™"},
    {"&euro;", "€"},
}};

// True when the text has at least `count` characters.
bool HasCharacters(std::string_view text, int count)
{
    int found = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80 && ++found >= count) return true;
    return false;
}

constexpr std::array<TEntity, 3> kRunEntities = {{
    {"&nbsp;", " "},
    {"&lt;", "<"},
    {"&gt;", ">"},
}};

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) !=
            std::toupper(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

// The text between tags matches entity names in any case; a run, already decoded once,
// matches them as written and passes over "&&", the ampersand that DrawText shows as one.
enum class TEntityPass { Text, Run };

// Replaces the entities in one pass from left to right: what a replacement writes is never
// read again, so "&amp;quot;" stays the text "&quot;" and the work follows the length.
template <size_t N>
std::string ReplaceEntities(std::string_view text, const std::array<TEntity, N>& entities, TEntityPass pass)
{
    const bool ignoreCase = pass == TEntityPass::Text;
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (text[i] != '&') {
            result += text[i++];
            continue;
        }
        if (pass == TEntityPass::Run && text.substr(i).starts_with("&&")) {
            result += "&&";
            i += 2;
            continue;
        }
        const std::string_view rest = text.substr(i);
        const auto found = std::find_if(entities.begin(), entities.end(), [&](const TEntity& entity) {
            return ignoreCase ? StartsWithNoCase(rest, entity.name) : rest.starts_with(entity.name);
        });
        if (found == entities.end()) {
            result += text[i++];
            continue;
        }
        result += found->character;
        i += std::string_view(found->name).size();
    }
    return result;
}

std::string ReplaceTextEntities(std::string_view text)
{
    return ReplaceEntities(text, kTextEntities, TEntityPass::Text);
}

// The first quoted value after the first letter `letter` (either case) from `from` on.
std::optional<std::string> QuotedValueAfterLetter(const std::string& tag, char letter, size_t from)
{
    const size_t at = UpperCase(tag).find(letter, from);
    if (at == std::string::npos) return std::nullopt;
    const size_t open = tag.find('"', at);
    if (open == std::string::npos) return std::nullopt;
    const size_t close = tag.find('"', open + 1);
    if (close == std::string::npos) return std::nullopt;
    return tag.substr(open + 1, close - open - 1);
}

std::optional<std::string> OptionalAttribute(const std::string& tag, const std::string& name)
{
    std::string value;
    if (!FindTagAttribute(tag, name, value)) return std::nullopt;
    return value;
}

std::optional<int> OptionalNumber(const std::string& tag, const std::string& name)
{
    const auto value = OptionalAttribute(tag, name);
    if (!value) return std::nullopt;
    return ClampHtmlPixels(ReadLeadingInteger(*value));
}

THtmlTagKind ClassifyClosingTag(char key, char next)
{
    switch (key) {
    case 'B':
        return next == '>' ? THtmlTagKind::BoldEnd : THtmlTagKind::BlinkEnd;
    case 'I':
        return THtmlTagKind::ItalicEnd;
    case 'U':
        return next == '>' ? THtmlTagKind::UnderlineEnd : THtmlTagKind::ListEnd;
    case 'L':
        return THtmlTagKind::ListItemEnd;
    case 'S':
        if (next == 'U') return THtmlTagKind::SubSupEnd;
        return next == 'H' ? THtmlTagKind::ShadowEnd : THtmlTagKind::StrikeEnd;
    case 'F':
        return THtmlTagKind::FontEnd;
    case 'A':
        return THtmlTagKind::AnchorEnd;
    case 'P':
        return THtmlTagKind::ParagraphEnd;
    case 'H':
        return THtmlTagKind::HighlightEnd;
    case 'E':
        return THtmlTagKind::ErrorMarkEnd;
    case 'Z':
        return THtmlTagKind::HiddenEnd;
    case 'R':
        return THtmlTagKind::RotateEnd;
    default:
        return THtmlTagKind::None;
    }
}

THtmlTagKind ClassifyOpeningTag(char key, char next)
{
    switch (key) {
    case 'B':
        if (next == '>') return THtmlTagKind::Bold;
        if (next == 'R') return THtmlTagKind::LineBreak;
        if (next == 'L') return THtmlTagKind::Blink;
        return next == 'O' ? THtmlTagKind::Body : THtmlTagKind::None;
    case 'I':
        if (next == '>') return THtmlTagKind::Italic;
        if (next == 'N') return THtmlTagKind::Indent;
        return next == 'M' ? THtmlTagKind::Image : THtmlTagKind::None;
    case 'U':
        return next == '>' ? THtmlTagKind::Underline : THtmlTagKind::ListStart;
    case 'L':
        return THtmlTagKind::ListItem;
    case 'S':
        if (next == '>') return THtmlTagKind::Strike;
        return next == 'H' ? THtmlTagKind::Shadow : THtmlTagKind::None;
    case 'F':
        return THtmlTagKind::Font;
    case 'A':
        return THtmlTagKind::Anchor;
    case 'P':
        return THtmlTagKind::Paragraph;
    case 'H':
        if (next == 'I') return THtmlTagKind::Highlight;
        return next == 'R' ? THtmlTagKind::Rule : THtmlTagKind::None;
    case 'E':
        return THtmlTagKind::ErrorMark;
    case 'Z':
        return THtmlTagKind::Hidden;
    case 'R':
        return THtmlTagKind::Rotate;
    case 'C':
        return THtmlTagKind::Control;
    default:
        return THtmlTagKind::None;
    }
}

// "<#...>" loses its angle brackets and what stands between them is plain text. Copied in
// one pass: erasing inside the text would move its whole rest once for every such tag.
std::string WithoutColorTagBrackets(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    size_t from = 0;
    for (size_t at = text.find("<#"); at != std::string::npos; at = text.find("<#", from)) {
        const size_t close = text.find('>', at);
        if (close == std::string::npos) break;
        result.append(text, from, at - from);
        result.append(text, at + 1, close - at - 1);
        from = close + 1;
    }
    result.append(text, from, std::string::npos);
    return result;
}

} // namespace

std::string PrepareHtmlText(const std::string& text)
{
    // Only the text between tags: an entity in an attribute value belongs to the value, and
    // a "&quot;" there must not end it.
    std::string result;
    for (size_t from = 0; from < text.size();) {
        const size_t open = std::min(text.find('<', from), text.size());
        const size_t close = open < text.size() ? text.find('>', open) : std::string::npos;
        const size_t tagEnd = close == std::string::npos ? text.size() : close + 1;
        result += ReplaceTextEntities(std::string_view(text).substr(from, open - from));
        if (close == std::string::npos) {
            result += ReplaceTextEntities(std::string_view(text).substr(open));
            break;
        }
        result.append(text, open, tagEnd - open);
        from = tagEnd;
    }
    result = StringReplace(WithoutColorTagBrackets(result), "\r", "<BR>", rfReplaceAll);
    return StringReplace(result, "\n", "", rfReplaceAll);
}

std::string ReplaceRunEntities(const std::string& run)
{
    return ReplaceEntities(run, kRunEntities, TEntityPass::Run);
}

THtmlToken NextHtmlToken(std::string_view rest, bool wordWrap)
{
    if (rest.empty()) return {};
    if (rest[0] == '<') {
        const size_t close = rest.find('>');
        if (!HasCharacters(rest, 3) || close == std::string_view::npos) return {};
        return {THtmlTokenKind::Tag, close + 1};
    }
    size_t end = std::min(rest.find('<'), rest.size());
    // Only the run itself is searched for a blank: searching the whole rest for every run
    // would cost the square of a text without blanks.
    const size_t blank = wordWrap ? rest.substr(0, end).find(' ') : std::string_view::npos;
    if (blank != std::string_view::npos) end = blank + 1;
    return {THtmlTokenKind::Run, end};
}

THtmlTagKind ClassifyHtmlTag(std::string_view tag)
{
    if (tag.size() < 3) return THtmlTagKind::None;
    // The first letters decide: upper-casing every painted tag whole, attributes and all,
    // cost more than the rest of its classification.
    const std::string upper = UpperCase(std::string(tag.substr(0, 5)));
    if (upper[1] == '/') {
        if (!HasCharacters(tag, 4)) return THtmlTagKind::None;
        return ClassifyClosingTag(upper[2], upper[3]);
    }
    if (tag.size() == 5 && upper == "<SUB>") return THtmlTagKind::Subscript;
    if (tag.size() == 5 && upper == "<SUP>") return THtmlTagKind::Superscript;
    return ClassifyOpeningTag(upper[1], upper[2]);
}

THtmlFontTag ParseFontTag(const std::string& tag)
{
    THtmlFontTag font;
    font.Face = OptionalAttribute(tag, "FACE");
    font.Color = OptionalAttribute(tag, "COLOR");
    font.BackgroundColor = OptionalAttribute(tag, "BGCOLOR");
    if (const auto size = OptionalNumber(tag, "SIZE")) {
        static constexpr int kPoints[] = {8, 10, 12, 14, 16};
        // The desktop's fonts go no larger than 1638 points.
        font.Points = *size >= 1 && *size <= 5 ? kPoints[*size - 1] : std::min(*size, 1638);
    }
    return font;
}

THtmlParagraphTag ParseParagraphTag(const std::string& tag)
{
    THtmlParagraphTag paragraph;
    if (const auto align = OptionalAttribute(tag, "ALIGN")) {
        const std::string value = UpperCase(*align);
        if (value.find("RIGHT") != std::string::npos) paragraph.Align = taRightJustify;
        if (value.find("LEFT") != std::string::npos) paragraph.Align = taLeftJustify;
        if (value.find("CENTER") != std::string::npos) paragraph.Align = taCenter;
    }
    paragraph.Indent = OptionalNumber(tag, "INDENT");
    paragraph.BackgroundColor = OptionalAttribute(tag, "BGCOLOR");
    return paragraph;
}

THtmlAnchorTag ParseAnchorTag(const std::string& tag)
{
    return {OptionalAttribute(tag, "HREF"), TagAttribute(tag, "TITLE")};
}

THtmlImageTag ParseImageTag(const std::string& tag)
{
    THtmlImageTag image;
    image.Source = TagAttribute(tag, "SRC");
    image.AltSource = TagAttribute(tag, "ALT");
    image.Width = OptionalNumber(tag, "WIDTH");
    image.Height = OptionalNumber(tag, "HEIGHT");
    const std::string align = UpperCase(TagAttribute(tag, "ALIGN"));
    if (align.starts_with("TOP")) image.Align = THtmlImageAlign::Top;
    if (align.starts_with("MIDDLE")) image.Align = THtmlImageAlign::Middle;
    return image;
}

THtmlBodyTag ParseBodyTag(const std::string& tag)
{
    return {TagAttribute(tag, "BACKGROUND"), TagAttribute(tag, "BGCOLOR")};
}

std::optional<int> ParseIndentTag(const std::string& tag)
{
    const auto value = QuotedValueAfterLetter(tag, 'X', 0);
    int position = 0;
    if (!value || !TryStrToInt(*value, position)) return std::nullopt;
    return ClampHtmlPixels(position);
}

int ParseRotateTag(const std::string& tag)
{
    // A turn is a turn: whole turns are dropped, so that the angle in tenths still fits.
    return ReadLeadingInteger(QuotedValueAfterLetter(tag, 'A', 2).value_or("")) % 360;
}
