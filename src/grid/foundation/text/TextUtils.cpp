#include "grid/foundation/text/TextUtils.h"

#include <algorithm>

#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"

namespace {
std::string CharText(char32_t Ch) { return utf8::Encode(std::u32string(1, Ch)); }
} // namespace

int MaxOfTwo(int a, int b) { return std::max(a, b); }

int MinOfTwo(int a, int b) { return std::min(a, b); }

int ClampToLimits(int Value, int Lower, int Upper)
{
    if (Lower == Upper) return Value;
    int result = Value;
    if (Value < Lower && Lower > 0) result = Lower;
    if (Value > Upper && Upper > 0) result = Upper;
    return result;
}

int PosInUpper(const std::string& Sub, const std::string& S) { return Pos(Sub, AnsiUpperCase(S)); }

int PosWithOut(const std::string& Sub, const std::string& S, int& Position)
{
    Position = Pos(Sub, S);
    return Position;
}

int CharPosition(char32_t Ch, const std::string& S) { return Pos(CharText(Ch), S); }

int FirstCharPosOut(char32_t Ch, const std::string& S, int& Position)
{
    const int found = CharPosition(Ch, S);
    if (found > 0) Position = found;
    return found;
}

int CountCharOccurrences(char32_t Ch, const std::string& S)
{
    const std::u32string chars = utf8::Decode(S);
    return static_cast<int>(std::count(chars.begin(), chars.end(), Ch));
}

int WidePos(const std::string& Sub, const std::string& S) { return Pos(Sub, S); }

std::string CutBeforeDelimiter(std::string& S, const std::string& Delimiter)
{
    const size_t at = Delimiter.empty() ? std::string::npos : S.find(Delimiter);
    if (at == std::string::npos) return {};
    std::string before = S.substr(0, at);
    S.erase(0, at + Delimiter.size());
    return before;
}

std::string ExtractFirstLine(std::string& S, bool KeepRest)
{
    const size_t cr = S.find('\r');
    std::string line = S.substr(0, cr);
    std::string rest;
    if (cr != std::string::npos) rest = S.substr(cr + 1 < S.size() && S[cr + 1] == '\n' ? cr + 2 : cr + 1);
    S = KeepRest ? rest : std::string();
    return line;
}

int CountLines(const std::string& S, bool MultiLine)
{
    return MultiLine ? 1 + static_cast<int>(std::count(S.begin(), S.end(), '\r')) : 1;
}

std::string JoinAllStrings(const TStringList& List)
{
    std::string joined;
    for (const std::string& s : List.Items())
        joined += s;
    return joined;
}

void FillWithChar(std::string& S, char32_t Ch)
{
    S = utf8::Encode(std::u32string(utf8::Decode(S).size(), Ch));
}

bool PointInGridRect(const TRect& GridRect, int Col, int Row)
{
    return GridRect.Left <= Col && Col <= GridRect.Right && GridRect.Top <= Row && Row <= GridRect.Bottom;
}

char32_t DecimalSeparatorChar() { return static_cast<unsigned char>(FormatSettings().DecimalSeparator); }

char32_t ThousandSeparatorChar() { return static_cast<unsigned char>(FormatSettings().ThousandSeparator); }

bool IsDigitsOnly(const std::string& S)
{
    return !S.empty() && std::all_of(S.begin(), S.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsDigitOrMinus(char32_t Ch) { return IsDigitChar(Ch) || Ch == '-'; }

bool IsNumberChar(char32_t Ch)
{
    return IsDigitChar(Ch) || Ch == ThousandSeparatorChar() || Ch == DecimalSeparatorChar() || Ch == 'e' ||
           Ch == 'E';
}

bool IsSignedNumberChar(char32_t Ch) { return IsNumberChar(Ch) || Ch == '+' || Ch == '-'; }

bool IsFloatChar(char32_t Ch)
{
    return IsDigitChar(Ch) || Ch == '-' || Ch == '.' || Ch == 'e' || Ch == 'E' || Ch == '+';
}
