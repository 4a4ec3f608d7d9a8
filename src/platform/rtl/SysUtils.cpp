#include "platform/rtl/SysUtils.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Utf8.h"

int Length(const std::string& s)
{
    return static_cast<int>(utf8::CharOffsets(s).size()) - 1;
}

std::string Copy(const std::string& s, int index, int count)
{
    const auto offsets = utf8::CharOffsets(s);
    const int length = static_cast<int>(offsets.size()) - 1;
    if (index < 1) index = 1;
    if (index > length || count <= 0) return {};
    const int last = count > length - index + 1 ? length + 1 : index + count;
    return s.substr(offsets[index - 1], offsets[last - 1] - offsets[index - 1]);
}

int Pos(const std::string& sub, const std::string& s, int offset)
{
    if (sub.empty() || offset < 1) return 0;
    const auto offsets = utf8::CharOffsets(s);
    if (offset > static_cast<int>(offsets.size()) - 1) return 0;
    const size_t found = s.find(sub, offsets[offset - 1]);
    if (found == std::string::npos) return 0;
    for (size_t k = offset - 1; k < offsets.size(); ++k)
        if (offsets[k] >= found) return static_cast<int>(k) + 1;
    return 0;
}

static bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string TrimLeft(const std::string& s)
{
    size_t b = 0;
    while (b < s.size() && IsTrimmed(s[b])) ++b;
    return s.substr(b);
}

std::string TrimRight(const std::string& s)
{
    size_t e = s.size();
    while (e > 0 && IsTrimmed(s[e - 1])) --e;
    return s.substr(0, e);
}

std::string Trim(const std::string& s) { return TrimLeft(TrimRight(s)); }

std::string_view TrimView(std::string_view s)
{
    while (!s.empty() && IsTrimmed(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsTrimmed(s.back()))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string UpperCase(const std::string& s)
{
    std::string r = s;
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

std::string LowerCase(const std::string& s)
{
    std::string r = s;
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

std::string AnsiUpperCase(const std::string& s)
{
    return QString::fromStdString(s).toUpper().toStdString();
}

std::string AnsiLowerCase(const std::string& s)
{
    return QString::fromStdString(s).toLower().toStdString();
}

int CompareText(const std::string& a, const std::string& b)
{
    return LowerCase(a).compare(LowerCase(b));
}

bool SameText(const std::string& a, const std::string& b) { return CompareText(a, b) == 0; }

int AnsiCompareText(const std::string& a, const std::string& b)
{
    return QString::compare(QString::fromStdString(a), QString::fromStdString(b), Qt::CaseInsensitive);
}

std::string StringOfChar(char c, int count) { return count > 0 ? std::string(count, c) : std::string(); }

std::string StringReplace(const std::string& s, const std::string& oldPattern,
                          const std::string& newPattern, int flags)
{
    if (oldPattern.empty()) return s;
    const bool ignoreCase = flags & rfIgnoreCase;
    const std::string haystack = ignoreCase ? LowerCase(s) : s;
    const std::string needle = ignoreCase ? LowerCase(oldPattern) : oldPattern;
    std::string out;
    size_t from = 0;
    while (true) {
        const size_t at = haystack.find(needle, from);
        if (at == std::string::npos) break;
        out.append(s, from, at - from);
        out += newPattern;
        from = at + needle.size();
        if (!(flags & rfReplaceAll)) break;
    }
    out.append(s, from, std::string::npos);
    return out;
}

int64_t Round(double value)
{
    // Values from files can be anything a double holds; beyond the 64-bit range the
    // conversion itself would be undefined.
    if (std::isnan(value)) return 0;
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (value >= kTwoTo63) return std::numeric_limits<int64_t>::max();
    if (value < -kTwoTo63) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(std::nearbyint(value));
}

std::string IntToStr(int64_t value) { return std::to_string(value); }

std::string IntToHex(int64_t value, int digits)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*llX", digits < 0 ? 0 : digits,
                  static_cast<unsigned long long>(value));
    return buffer;
}

namespace {
bool ParseInteger(const std::string& s, int64_t min, int64_t max, int64_t& value)
{
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size()) return false;
    // Hexadecimal texts may describe the full unsigned bit pattern of the target type.
    const uint64_t limit = base == 16 ? static_cast<uint64_t>(max) * 2 + 1
                                      : static_cast<uint64_t>(max) + (negative ? 1 : 0);
    // Leading zeros count: a hexadecimal text has at most as many digits as the target
    // type has nibbles, so "0x000000010" is no 32-bit number.
    if (base == 16) {
        size_t nibbles = 0;
        for (uint64_t top = limit; top != 0; top >>= 4)
            ++nibbles;
        if (s.size() - i > nibbles) return false;
    }
    uint64_t magnitude = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return false;
        if (magnitude > (limit - static_cast<uint64_t>(digit)) / static_cast<uint64_t>(base)) return false;
        magnitude = magnitude * base + digit;
    }
    if (base == 16 && magnitude > static_cast<uint64_t>(max)) {
        // Two's complement reading of a full-width hexadecimal pattern: the pattern less 2^bits,
        // computed without leaving the range. Negating the lowest value has no result.
        const uint64_t belowTop = static_cast<uint64_t>(max) * 2 + 1 - magnitude;
        const int64_t wrapped = -static_cast<int64_t>(belowTop) - 1;
        if (negative && wrapped < -max) return false;
        value = negative ? -wrapped : wrapped;
    } else if (negative) {
        value = magnitude == static_cast<uint64_t>(max) + 1 ? min : -static_cast<int64_t>(magnitude);
    } else {
        value = static_cast<int64_t>(magnitude);
    }
    return value >= min && value <= max;
}

[[noreturn]] void RaiseNotInteger(const std::string& s)
{
    throw EConvertError("'" + s + "' is not a valid integer value");
}
}  // namespace

bool TryStrToInt(const std::string& s, int32_t& value)
{
    int64_t v = 0;
    if (!ParseInteger(s, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), v))
        return false;
    value = static_cast<int32_t>(v);
    return true;
}

bool TryStrToInt64(const std::string& s, int64_t& value)
{
    return ParseInteger(s, std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max(), value);
}

int32_t StrToInt(const std::string& s)
{
    int32_t v = 0;
    if (!TryStrToInt(s, v)) RaiseNotInteger(s);
    return v;
}

int32_t StrToIntDef(const std::string& s, int32_t def)
{
    int32_t v = 0;
    return TryStrToInt(s, v) ? v : def;
}

int64_t StrToInt64Def(const std::string& s, int64_t def)
{
    int64_t v = 0;
    return TryStrToInt64(s, v) ? v : def;
}

TFormatSettings& FormatSettings()
{
    static TFormatSettings settings;
    return settings;
}

bool TryStrToFloat(const std::string& s, double& value)
{
    const std::string t = Trim(s);
    if (t.empty()) return false;
    std::string c;
    for (char ch : t) {
        if (ch == FormatSettings().DecimalSeparator) c += '.';
        else if (ch == '.' || ch == ',') return false;  // only the set separator counts
        else c += ch;
    }
    const char* begin = c.c_str();
    char* end = nullptr;
    const double v = std::strtod(begin, &end);
    if (end != begin + c.size() || std::isnan(v) || std::isinf(v)) return false;
    if (c.find_first_of("xXpP") != std::string::npos) return false;
    value = v;
    return true;
}

namespace {
// printf always writes a point; the user reads the separator of the format settings.
std::string WithDecimalSeparator(std::string text)
{
    for (char& ch : text)
        if (ch == '.') ch = FormatSettings().DecimalSeparator;
    return text;
}

// The number format groups the integer digits in threes with the thousand separator.
std::string WithThousandSeparators(std::string text)
{
    const size_t digitsStart = text.find_first_of("0123456789");
    if (digitsStart == std::string::npos) return text;
    size_t digitsEnd = text.find_first_not_of("0123456789", digitsStart);
    if (digitsEnd == std::string::npos) digitsEnd = text.size();
    for (size_t at = digitsEnd; at > digitsStart + 3; at -= 3)
        text.insert(at - 3, 1, FormatSettings().ThousandSeparator);
    return text;
}
}  // namespace

std::string FloatToStr(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return WithDecimalSeparator(buffer);
}

std::string FloatToStrFixed(double value, int decimals)
{
    if (std::fabs(value) >= 1e15) return FloatToStr(value);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", std::clamp(decimals, 0, 18), value);
    return WithDecimalSeparator(buffer);
}

namespace {
struct Spec {
    bool left = false;
    int width = -1;
    int precision = -1;
    char type = 0;
};

std::string Pad(const std::string& text, const Spec& spec)
{
    const int len = Length(text);
    if (spec.width <= len) return text;
    const std::string fill(spec.width - len, ' ');
    return spec.left ? text + fill : fill + text;
}

std::string FormatOne(const Spec& spec, const TVarRec& arg)
{
    const auto mismatch = [&]() -> std::string {
        throw EConvertError(std::string("Format '%") + spec.type + "' invalid or incompatible with argument");
    };
    char buffer[512];
    switch (spec.type) {
    case 'd': case 'u': case 'x': {
        if (!std::holds_alternative<int64_t>(arg)) mismatch();
        const int64_t v = std::get<int64_t>(arg);
        std::string digits;
        if (spec.type == 'x') digits = IntToHex(v, 0);
        else if (spec.type == 'u') digits = std::to_string(static_cast<uint64_t>(v < 0 ? static_cast<uint32_t>(v) : v));
        else digits = std::to_string(v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v));
        if (spec.precision > static_cast<int>(digits.size()))
            digits.insert(0, spec.precision - digits.size(), '0');
        return (spec.type == 'd' && v < 0 ? "-" : "") + digits;
    }
    case 's':
        if (!std::holds_alternative<std::string>(arg)) mismatch();
        return spec.precision >= 0 ? Copy(std::get<std::string>(arg), 1, spec.precision) : std::get<std::string>(arg);
    case 'f': case 'e': case 'g': case 'n': {
        double v = 0;
        if (std::holds_alternative<double>(arg)) v = std::get<double>(arg);
        else mismatch();
        const int prec = spec.precision < 0 ? (spec.type == 'g' ? 15 : 2) : spec.precision;
        const char conv = spec.type == 'n' ? 'f' : spec.type == 'e' ? 'E' : spec.type == 'g' ? 'G' : 'f';
        const char fmt[] = {'%', '.', '*', conv, 0};
        std::snprintf(buffer, sizeof buffer, fmt, prec, v);
        return spec.type == 'n' ? WithThousandSeparators(WithDecimalSeparator(buffer)) : WithDecimalSeparator(buffer);
    }
    default:
        return mismatch();
    }
}
}  // namespace

std::string Format(const std::string& format, std::initializer_list<FormatArg> args)
{
    std::string out;
    auto next = args.begin();
    const auto take = [&]() -> const TVarRec& {
        if (next == args.end()) throw EConvertError("No argument for format '" + format + "'");
        return (next++)->value;
    };
    // A width or precision: "*" takes it from the arguments, else the digits that stand
    // there. Bounded, so that a translated text cannot ask for a gigabyte of blanks.
    constexpr int kMaxCount = 4096;
    const auto readCount = [&](size_t& i) {
        int64_t count = 0;
        if (format[i] == '*') {
            const TVarRec& v = take();
            if (!std::holds_alternative<int64_t>(v)) throw EConvertError("Invalid argument for '*' in format");
            count = std::get<int64_t>(v);
            ++i;
        } else {
            while (i < format.size() && isdigit(static_cast<unsigned char>(format[i])) && count <= kMaxCount)
                count = count * 10 + (format[i++] - '0');
        }
        if (count < 0 || count > kMaxCount) throw EConvertError("Format '" + format + "' invalid");
        return static_cast<int>(count);
    };
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (++i >= format.size()) throw EConvertError("Format '" + format + "' invalid");
        if (format[i] == '%') {
            out += '%';
            continue;
        }
        Spec spec;
        if (format[i] == '-') { spec.left = true; ++i; }
        if (i < format.size() && (format[i] == '*' || isdigit(static_cast<unsigned char>(format[i]))))
            spec.width = readCount(i);
        if (i < format.size() && format[i] == '.') {
            ++i;
            spec.precision = i < format.size() ? readCount(i) : 0;
        }
        if (i >= format.size()) throw EConvertError("Format '" + format + "' invalid");
        spec.type = static_cast<char>(tolower(static_cast<unsigned char>(format[i])));
        std::string piece = FormatOne(spec, take());
        if (format[i] == 'X') piece = UpperCase(piece);
        out += Pad(piece, spec);
    }
    return out;
}
