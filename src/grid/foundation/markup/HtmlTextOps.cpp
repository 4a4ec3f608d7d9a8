#include "grid/foundation/markup/HtmlTextOps.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"

namespace {
// They start as the grid's own defaults: a grid whose colours were never written would
// otherwise mark its search hits black on black.
TColor highlightBackground = clHighlight;
TColor highlightText = clHighlightText;

// The first ">" at or after a position, for positions that only grow: a text full of "<"
// with no ">" after them is searched once, not once for every "<".
class TNextClose {
public:
    explicit TNextClose(const std::string& text) : text_(text) {}

    size_t From(size_t position)
    {
        if (!searched_ || (close_ != std::string::npos && close_ < position)) {
            close_ = text_.find('>', position);
            searched_ = true;
        }
        return close_;
    }

private:
    const std::string& text_;
    size_t close_ = std::string::npos;
    bool searched_ = false;
};

// The characters of a text outside its tags; a tag runs from "<" to the next ">", and a
// "<" without a ">" after it is an ordinary character.
struct TVisibleText {
    std::u32string characters;
    std::vector<size_t> ends; // byte offset just after each visible character
};

TVisibleText VisibleText(const std::string& text)
{
    TVisibleText visible;
    const std::vector<size_t> offsets = utf8::CharOffsets(text);
    const std::u32string characters = utf8::Decode(text);
    TNextClose nextClose(text);
    for (size_t k = 0; k < characters.size(); ++k) {
        const size_t close = characters[k] == U'<' ? nextClose.From(offsets[k]) : std::string::npos;
        if (close != std::string::npos) {
            while (offsets[k + 1] <= close)
                ++k;
            continue;
        }
        visible.characters += characters[k];
        visible.ends.push_back(offsets[k + 1]);
    }
    return visible;
}

bool HasStrayBrackets(const TVisibleText& visible)
{
    return visible.characters.find_first_of(U"<>") != std::u32string::npos;
}

std::string EscapeBrackets(const std::string& text)
{
    return StringReplace(StringReplace(text, "<", "&lt;", rfReplaceAll), ">", "&gt;", rfReplaceAll);
}

// Escapes the angle brackets that lie outside tags, keeping the tags.
std::string EscapeStrayBrackets(const std::string& text)
{
    std::string result;
    TNextClose nextClose(text);
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t close = text[i] == '<' ? nextClose.From(i) : std::string::npos;
        if (close != std::string::npos) {
            result.append(text, i, close - i + 1);
            i = close;
        } else if (text[i] == '<' || text[i] == '>') {
            result += text[i] == '<' ? "&lt;" : "&gt;";
        } else {
            result += text[i];
        }
    }
    return result;
}

// Upper case with the locale's rules, one character for one, so that positions match.
std::u32string UpperCaseChars(const std::u32string& text)
{
    std::u32string result = text;
    for (char32_t& c : result) {
        if (c < 0x80) {
            if (c >= U'a' && c <= U'z') c -= U'a' - U'A';
            continue;
        }
        std::string single;
        utf8::Append(single, c);
        const std::u32string upper = utf8::Decode(AnsiUpperCase(single));
        if (upper.size() == 1) c = upper[0];
    }
    return result;
}

// A text without tags is shown as it stands; once tagged it is markup, so each of its "&",
// "<" and ">" is written as an entity and the tags go around the hits in between.
std::string TagPlainText(const std::u32string& characters, const std::u32string& haystack,
                         const std::u32string& needle, const std::string& tag)
{
    std::string result;
    bool found = false;
    size_t next = haystack.find(needle);
    size_t closeAt = std::u32string::npos;
    for (size_t k = 0; k <= characters.size(); ++k) {
        if (k == closeAt) {
            result += "</" + tag + ">";
            closeAt = std::u32string::npos;
        }
        if (k == characters.size()) break;
        if (k == next) {
            result += "<" + tag + ">";
            closeAt = k + needle.size();
            next = haystack.find(needle, closeAt);
            found = true;
        }
        switch (characters[k]) {
        case U'&': result += "&amp;"; break;
        case U'<': result += "&lt;"; break;
        case U'>': result += "&gt;"; break;
        default: utf8::Append(result, characters[k]); break;
        }
    }
    return found ? result : std::string();
}

// The inverse of the entities TagPlainText writes, in one pass: "&amp;lt;" is "&lt;".
std::string UntagPlainEntities(const std::string& text)
{
    static const std::pair<const char*, char> entities[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}};
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        bool decoded = false;
        for (const auto& [entity, character] : entities)
            if (text.compare(i, std::char_traits<char>::length(entity), entity) == 0) {
                result += character;
                i += std::char_traits<char>::length(entity) - 1;
                decoded = true;
                break;
            }
        if (!decoded) result += text[i];
    }
    return result;
}

bool HasTags(const std::string& text) { return VisibleText(text).characters.size() != utf8::Decode(text).size(); }
} // namespace

std::string HtmlToPlainText(const std::string& text)
{
    std::string rest = StringReplace(text, "<BR>", "\r\n", rfReplaceAll | rfIgnoreCase);
    rest = StringReplace(rest, "<HR>", "\r\n", rfReplaceAll | rfIgnoreCase);
    std::string result;
    size_t from = 0;
    for (size_t open = rest.find('<'); open != std::string::npos; open = rest.find('<', from)) {
        const size_t close = rest.find('>', open);
        if (close == std::string::npos) break;
        result.append(rest, from, open - from);
        from = close + 1;
    }
    result.append(rest, from, std::string::npos);
    return result;
}

std::string HtmlFindHighlight(const std::string& text, const std::string& search, const std::string& tag,
                              bool caseSensitive)
{
    if (search.empty()) return text;
    if (!HasTags(text)) {
        const std::u32string characters = utf8::Decode(text);
        const std::u32string needle = utf8::Decode(search);
        const std::string tagged = caseSensitive ? TagPlainText(characters, characters, needle, tag)
                                                 : TagPlainText(characters, UpperCaseChars(characters),
                                                                UpperCaseChars(needle), tag);
        return tagged.empty() ? text : tagged;
    }
    std::string tagged = text;
    std::string needleText = search;
    if (HasStrayBrackets(VisibleText(text))) {
        tagged = EscapeStrayBrackets(text);
        needleText = EscapeBrackets(search);
    }
    const TVisibleText visible = VisibleText(tagged);
    std::u32string haystack = visible.characters;
    std::u32string needle = utf8::Decode(needleText);
    if (!caseSensitive) {
        haystack = UpperCaseChars(haystack);
        needle = UpperCaseChars(needle);
    }

    // An insert before visible character p goes right after character p - 1, so that it
    // stands before any tags directly in front of p; one past the last goes to the end.
    const auto insertBefore = [&](size_t p) {
        if (p == 0) return size_t(0);
        return p < visible.ends.size() ? visible.ends[p - 1] : tagged.size();
    };
    std::string result;
    size_t copied = 0;
    const auto insert = [&](size_t at, const std::string& piece) {
        result.append(tagged, copied, at - copied);
        result += piece;
        copied = at;
    };
    bool found = false;
    for (size_t p = haystack.find(needle); p != std::u32string::npos;
         p = haystack.find(needle, p + needle.size())) {
        insert(insertBefore(p), "<" + tag + ">");
        insert(insertBefore(p + needle.size()), "</" + tag + ">");
        found = true;
    }
    if (!found) return text;
    result.append(tagged, copied, std::string::npos);
    return result;
}

std::string HtmlRemoveTag(const std::string& text, const std::string& tag)
{
    // A tag that the removal of another one joins together ("<h<hi>i>") goes as well. The
    // result is built like a stack: a tag is dropped the moment its last character arrives,
    // which leaves what removing until nothing changes would leave, in one pass.
    const std::string opening = UpperCase("<" + tag + ">");
    const std::string closing = UpperCase("</" + tag + ">");
    const auto endsWith = [](const std::string& result, const std::string& upperTag) {
        return result.size() >= upperTag.size() &&
               UpperCase(result.substr(result.size() - upperTag.size())) == upperTag;
    };
    std::string result;
    result.reserve(text.size());
    bool removed = false;
    for (const char c : text) {
        result += c;
        if (c != '>') continue;
        const size_t length = endsWith(result, opening) ? opening.size() : endsWith(result, closing) ? closing.size() : 0;
        result.resize(result.size() - length);
        removed = removed || length > 0;
    }
    // A text that never held the tag was never escaped for it: its entities are its own. So
    // are those of a text that keeps tags of its own, where "&lt;" shows the "<" that a
    // stray bracket escaped for the tag showed before.
    if (!removed || HasTags(result)) return removed ? result : text;
    return UntagPlainEntities(result);
}

void SetHtmlHighlightColors(TColor background, TColor text)
{
    highlightBackground = background;
    highlightText = text;
}

TColor HtmlHighlightColor() { return highlightBackground; }
TColor HtmlHighlightTextColor() { return highlightText; }
