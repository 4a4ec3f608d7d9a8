#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Delphi-like string helpers over UTF-8 text. Lengths and positions count characters
// (code points), positions start at 1 and 0 means "not found".

int Length(const std::string& s);
std::string Copy(const std::string& s, int index, int count);
int Pos(const std::string& sub, const std::string& s, int offset = 1);
std::string Trim(const std::string& s);       // removes characters up to U+0020 at both ends
std::string TrimLeft(const std::string& s);
// Trim without a copy: the view shares the text, for readers that cut long texts in place.
std::string_view TrimView(std::string_view s);
// The lines of a text as views into it: each ends at CR, LF or CR LF; a last line without
// an end counts, and an empty text has none.
std::vector<std::string_view> SplitLines(std::string_view text);
std::string TrimRight(const std::string& s);
std::string UpperCase(const std::string& s);  // ASCII letters only
std::string LowerCase(const std::string& s);  // ASCII letters only
std::string AnsiUpperCase(const std::string& s);  // every letter
std::string AnsiLowerCase(const std::string& s);
int CompareText(const std::string& a, const std::string& b);  // ASCII case-insensitive
bool SameText(const std::string& a, const std::string& b);
int AnsiCompareText(const std::string& a, const std::string& b);
std::string StringOfChar(char c, int count);

enum TReplaceFlag { rfReplaceAll = 1, rfIgnoreCase = 2 };
std::string StringReplace(const std::string& s, const std::string& oldPattern,
                          const std::string& newPattern, int flags);

// The nearest integer, halves to even (2.5 gives 2, 3.5 gives 4), as real numbers are
// rounded throughout the system. Values beyond the 64-bit range give its nearest end, and
// NaN gives 0.
int64_t Round(double value);

std::string IntToStr(int64_t value);
std::string IntToHex(int64_t value, int digits);

// The one number rule of the system: blanks before the number, an optional sign, then
// decimal digits, or hexadecimal digits after "$", "x" or "0x"; nothing may follow the
// digits, and the value must fit the target type. Hexadecimal texts hold at most as many
// digits as the type has nibbles (8 or 16), leading zeros included, and describe its bit
// pattern, so "$FFFFFFFF" reads as -1.
bool TryStrToInt(const std::string& s, int32_t& value);
bool TryStrToInt64(const std::string& s, int64_t& value);
int32_t StrToInt(const std::string& s);  // raises EConvertError
int32_t StrToIntDef(const std::string& s, int32_t def);
int64_t StrToInt64Def(const std::string& s, int64_t def);

// Decimal numbers with the decimal separator of the format settings.
bool TryStrToFloat(const std::string& s, double& value);
std::string FloatToStr(double value);
// Fixed notation with `decimals` digits after the separator; values of more than 15 digits
// before it are written as FloatToStr writes them.
std::string FloatToStrFixed(double value, int decimals);

// Process-wide format settings, replaceable in tests.
struct TFormatSettings {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "dd/mm/yyyy";
    std::string LongTimeFormat = "hh:nn:ss";
};
TFormatSettings& FormatSettings();

// A safe Format: the arguments carry their types, so a specifier that does not match its
// argument raises EConvertError instead of reading garbage.
using TVarRec = std::variant<int64_t, double, std::string>;
struct FormatArg {
    TVarRec value;
    FormatArg(int v) : value(int64_t(v)) {}
    FormatArg(unsigned v) : value(int64_t(v)) {}
    FormatArg(long v) : value(int64_t(v)) {}
    FormatArg(unsigned long v) : value(int64_t(v)) {}
    FormatArg(long long v) : value(int64_t(v)) {}
    FormatArg(unsigned long long v) : value(int64_t(v)) {}
    FormatArg(double v) : value(v) {}
    FormatArg(const char* v) : value(std::string(v)) {}
    FormatArg(std::string v) : value(std::move(v)) {}
};
std::string Format(const std::string& format, std::initializer_list<FormatArg> args);
