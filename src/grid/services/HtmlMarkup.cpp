#include "grid/services/HtmlMarkup.h"

#include <algorithm>
#include <cctype>

#include "grid/foundation/markup/HtmlEntities.h"
#include "platform/rtl/SysUtils.h"

namespace {
bool AllOf(const std::string& Text, size_t From, int (*Test)(int))
{
    return From < Text.size() &&
           std::all_of(Text.begin() + static_cast<std::ptrdiff_t>(From), Text.end(),
                       [Test](char c) { return Test(static_cast<unsigned char>(c)) != 0; });
}

// "&name;" of XML's own entities, or a numeric character reference; Reference runs from
// the "&" to the ";" and holds no other ";".
bool IsXmlReference(const std::string& Reference)
{
    const std::string body = Reference.substr(1, Reference.size() - 2);
    if (body == "amp" || body == "lt" || body == "gt" || body == "quot" || body == "apos") return true;
    if (body.rfind("#x", 0) == 0) return AllOf(body, 2, isxdigit);
    return body.rfind('#', 0) == 0 && AllOf(body, 1, isdigit);
}
} // namespace

std::string THtmlMarkup::Name(const std::string& Capitals) const { return FXHTML ? LowerCase(Capitals) : Capitals; }

std::string THtmlMarkup::BareAttribute(const std::string& Name, int Value) const
{
    const std::string value = std::to_string(Value);
    return FXHTML ? LowerCase(Name) + "\"" + value + "\"" : Name + value;
}

std::string THtmlMarkup::NoWrap() const { return FXHTML ? " nowrap=\"nowrap\"" : " nowrap"; }

std::string THtmlMarkup::LineBreak() const { return FXHTML ? "<br />" : "<br>"; }

std::string THtmlMarkup::NonBreakingSpace() const { return FXHTML ? "&#160;" : "&nbsp;"; }

std::string THtmlMarkup::Image(const std::string& Source) const
{
    return "<img src= \"" + PlainText(Source) + (FXHTML ? "\" />" : "\">");
}

std::string THtmlMarkup::PlainText(const std::string& Text) const
{
    return FXHTML ? HtmlEncodeEntities(Text, false) : Text;
}

std::string THtmlMarkup::MarkupText(const std::string& Text) const
{
    if (!FXHTML) return Text;
    std::string result;
    result.reserve(Text.size());
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] != '&') {
            result += Text[i];
            continue;
        }
        const size_t end = Text.find(';', i + 1);
        const std::string reference = end == std::string::npos ? std::string() : Text.substr(i, end - i + 1);
        if (!reference.empty() && IsXmlReference(reference)) {
            result += reference;
            i = end;
        } else if (!reference.empty() && AllOf(reference.substr(0, reference.size() - 1), 1, isalnum) &&
                   HtmlDecodeEntities(reference, true) != reference) {
            result += HtmlDecodeEntities(reference, true);
            i = end;
        } else {
            result += "&amp;";
        }
    }
    return result;
}
