#include "grid/foundation/markup/LineBreakText.h"

#include <algorithm>

#include "grid/foundation/text/TextUtils.h"
#include "platform/rtl/SysUtils.h"

namespace {

std::string ReplaceAll(const std::string& S, const std::string& From, const std::string& To)
{
    return StringReplace(S, From, To, rfReplaceAll);
}

bool Holds(const std::string& S, char c) { return S.find(c) != std::string::npos; }

// Replaces single bytes after a table of (from, to) pairs; an empty "to" drops the byte.
std::string MapBytes(const std::string& S, std::initializer_list<std::pair<char, std::string>> Map)
{
    std::string out;
    out.reserve(S.size());
    for (char c : S) {
        const auto found =
            std::find_if(Map.begin(), Map.end(), [c](const auto& entry) { return entry.first == c; });
        if (found == Map.end())
            out += c;
        else
            out += found->second;
    }
    return out;
}

} // namespace

std::string EncodeNewlinesEscaped(const std::string& S) { return MapBytes(S, {{'\r', "\\n"}, {'\n', ""}}); }

std::string DecodeEscapedNewlines(const std::string& S) { return ReplaceAll(S, "\\n", "\r"); }

std::string QuoteMultilineCsv(const std::string& S) { return "\"" + ReplaceAll(S, "\r\n", "\v") + "\""; }

std::string VerticalTabToCrLf(const std::string& S)
{
    return Holds(S, '\v') ? ReplaceAll(S, "\v", "\r\n") : S;
}

std::string CrLfToTilde(const std::string& S) { return MapBytes(S, {{'\r', "~"}, {'\n', ""}}); }

std::string TildeToCrLf(const std::string& S)
{
    const std::string result = ReplaceAll(S, "~", "\r\n");
    return result == "^" ? std::string() : result;
}

std::string CrToTab(const std::string& S)
{
    if (!Holds(S, '\r')) return S;
    return MapBytes(S, {{'\r', "\t"}, {'\n', "\b"}, {'\0', "\x01"}});
}

std::string TabToCr(const std::string& S, bool FirstLineOnly)
{
    std::string result =
        Holds(S, '\b') ? MapBytes(S, {{'\t', "\r"}, {'\b', "\n"}, {'\x01', std::string(1, '\0')}}) : S;
    return FirstLineOnly ? ExtractFirstLine(result, false) : result;
}

std::string LineBreaksToHtml(const std::string& S)
{
    return Holds(S, '\r') ? ReplaceAll(S, "\r", "<br>") : S;
}

std::string CrLfToLf(const std::string& S) { return ReplaceAll(S, "\r\n", "\n"); }

std::string RemoveCr(const std::string& S) { return MapBytes(S, {{'\r', ""}}); }

std::string CrToLf(const std::string& S) { return MapBytes(S, {{'\r', "\n"}}); }
