#include "grid/foundation/text/NameText.h"

#include <algorithm>

#include "platform/rtl/CodePage.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"

namespace {

char32_t ChangeCase(char32_t c, bool upper)
{
    const std::string one = utf8::Encode(std::u32string(1, c));
    const std::u32string changed = utf8::Decode(upper ? AnsiUpperCase(one) : AnsiLowerCase(one));
    return changed.size() == 1 ? changed[0] : c;
}

bool EndsWord(char32_t c) { return c == ' ' || c == '\'' || c == ',' || c == '-' || c == '.'; }

bool MatchesAt(const std::u32string& s, size_t at, const std::u32string& pattern)
{
    return s.compare(at, pattern.size(), pattern) == 0;
}

} // namespace

std::string CapitalizeName(const std::string& S)
{
    std::u32string s = utf8::Decode(S);
    bool wordStart = true;
    for (char32_t& c : s) {
        c = ChangeCase(c, wordStart);
        wordStart = EndsWord(c);
    }
    for (size_t i = 0; i + 2 < s.size(); ++i)
        if ((i == 0 || s[i - 1] == ' ') && MatchesAt(s, i, U"Mc")) s[i + 2] = ChangeCase(s[i + 2], true);
    // Roman numbers: the letter after " I" or " II" within the last three characters.
    const size_t tail = s.size() >= 3 ? s.size() - 3 : 0;
    for (const std::u32string roman : {U" I", U" II"})
        for (size_t i = 0; i + roman.size() < s.size(); ++i)
            if (i + roman.size() >= tail && MatchesAt(s, i, roman))
                s[i + roman.size()] = ChangeCase(s[i + roman.size()], true);
    return utf8::Encode(s);
}

void StringToOem(std::string& S) { S = Win1252ToUtf8(Utf8ToOem(S)); }

void OemToString(std::string& S) { S = OemToUtf8(Utf8ToWin1252(S)); }
