#include "grid/foundation/text/CsvText.h"

#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"

std::string DoubleQuoteChars(const std::string& S) { return StringReplace(S, "\"", "\"\"", rfReplaceAll); }

std::string CollapseDoubledChar(char32_t Ch, const std::string& S)
{
    const std::string single = utf8::Encode(std::u32string(1, Ch));
    if (S.find(single) == std::string::npos) return S;
    return StringReplace(S, single + single, single, rfReplaceAll);
}

int FindClosingQuote(char32_t Quote, const std::string& S, int& Position)
{
    const std::u32string chars = utf8::Decode(S);
    const int count = static_cast<int>(chars.size());
    int run = 0;
    Position = 0;
    for (int i = 1; i <= count && Position == 0; ++i) {
        if (chars[i - 1] == Quote) {
            ++run;
            if (i == count) Position = i;
        } else {
            if (run % 2 == 1) Position = i - 1;
            run = 0;
        }
    }
    return Position;
}

int CountClosingQuotes(char32_t Quote, const std::string& S)
{
    std::string rest = S;
    int found = 0;
    for (int position = 0; FindClosingQuote(Quote, rest, position) > 0; ++found)
        rest = Copy(rest, position + 1, Length(rest));
    return found;
}
