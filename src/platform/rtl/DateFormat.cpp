#include "platform/rtl/DateFormat.h"

#include <cctype>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

namespace {

std::string Padded(int value, int width)
{
    std::string s = std::to_string(value);
    return s.size() < static_cast<size_t>(width) ? std::string(width - s.size(), '0') + s : s;
}

int RunLength(const std::string& format, size_t i)
{
    const int c = std::tolower(static_cast<unsigned char>(format[i]));
    size_t j = i;
    while (j < format.size() && std::tolower(static_cast<unsigned char>(format[j])) == c) ++j;
    return static_cast<int>(j - i);
}

// The parts of a text split at `separator`, each a whole number without sign; false when
// one is not.
bool SplitNumbers(const std::string& s, char separator, std::vector<std::string>& parts)
{
    parts.assign(1, "");
    for (char c : Trim(s)) {
        if (c == separator) parts.emplace_back();
        else parts.back() += c;
    }
    for (std::string& part : parts) {
        part = Trim(part);
        if (part.empty() || part.size() > 4) return false;
        for (char c : part)
            if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

int CurrentYear()
{
    int y = 0, m = 0, d = 0;
    DecodeDate(Now(), y, m, d);
    return y;
}

int ExpandYear(int year, size_t digits)
{
    if (digits > 2) return year;
    const int threshold = CurrentYear() - 50;
    int result = year + threshold / 100 * 100;
    if (result < threshold) result += 100;
    return result;
}

}  // namespace

std::string FormatDateTime(const std::string& format, TDateTime value)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, ms = 0;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, ms);
    std::string out;
    for (size_t i = 0; i < format.size();) {
        const char c = format[i];
        const int run = RunLength(format, i);
        switch (std::tolower(static_cast<unsigned char>(c))) {
        case 'd': out += Padded(day, run >= 2 ? 2 : 1); break;
        case 'm': out += Padded(month, run >= 2 ? 2 : 1); break;
        case 'y': out += run >= 3 ? Padded(year, 4) : Padded(year % 100, 2); break;
        case 'h': out += Padded(hour, run >= 2 ? 2 : 1); break;
        case 'n': out += Padded(minute, run >= 2 ? 2 : 1); break;
        case 's': out += Padded(second, run >= 2 ? 2 : 1); break;
        case 'z': out += Padded(ms, run >= 3 ? 3 : 1); break;
        case '/': out += std::string(run, FormatSettings().DateSeparator); break;
        case ':': out += std::string(run, FormatSettings().TimeSeparator); break;
        case '"':
        case '\'': {
            const size_t end = format.find(c, i + 1);
            const size_t stop = end == std::string::npos ? format.size() : end;
            out += format.substr(i + 1, stop - i - 1);
            i = stop == format.size() ? stop : stop + 1;
            continue;
        }
        default: out += format.substr(i, run); break;
        }
        i += run;
    }
    return out;
}

std::string DateToStr(TDateTime value) { return FormatDateTime(FormatSettings().ShortDateFormat, value); }

std::string TimeToStr(TDateTime value) { return FormatDateTime(FormatSettings().LongTimeFormat, value); }

bool TryStrToDate(const std::string& s, TDateTime& value)
{
    std::vector<std::string> parts;
    if (!SplitNumbers(s, FormatSettings().DateSeparator, parts) || parts.size() < 2 || parts.size() > 3)
        return false;
    // The order of day, month and year in the short date format.
    std::string order;
    for (char c : UpperCase(FormatSettings().ShortDateFormat))
        if ((c == 'D' || c == 'M' || c == 'Y') && order.find(c) == std::string::npos) order += c;
    if (order.size() != 3) order = "DMY";
    if (parts.size() == 2) {
        order.erase(order.find('Y'), 1);
        order += 'Y';
        parts.push_back(std::to_string(CurrentYear()));
    }
    int day = 0, month = 0, year = 0;
    for (size_t i = 0; i < 3; ++i) {
        const int number = std::stoi(parts[i]);
        if (order[i] == 'D') day = number;
        else if (order[i] == 'M') month = number;
        else year = ExpandYear(number, parts[i].size());
    }
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    value = EncodeDate(year, month, day);
    return true;
}

bool TryStrToTime(const std::string& s, TDateTime& value)
{
    std::vector<std::string> parts;
    if (!SplitNumbers(s, FormatSettings().TimeSeparator, parts) || parts.size() > 3) return false;
    parts.resize(3, "0");
    const int hour = std::stoi(parts[0]), minute = std::stoi(parts[1]), second = std::stoi(parts[2]);
    if (hour > 23 || minute > 59 || second > 59) return false;
    value = EncodeTime(hour, minute, second, 0);
    return true;
}

TDateTime StrToDate(const std::string& s)
{
    TDateTime value = 0;
    if (!TryStrToDate(s, value)) throw EConvertError("'" + s + "' is not a valid date");
    return value;
}

TDateTime StrToTime(const std::string& s)
{
    TDateTime value = 0;
    if (!TryStrToTime(s, value)) throw EConvertError("'" + s + "' is not a valid time");
    return value;
}

TDateTime IncMonth(TDateTime value, int months)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(value, year, month, day);
    // Months counted from year 0 in 64 bits and divided rounding down, so that any step
    // lands on a month from 1 to 12 and only the year can be out of range.
    const int64_t index = int64_t{year} * 12 + (month - 1) + months;
    const int64_t yearIndex = index >= 0 ? index / 12 : (index - 11) / 12;
    if (yearIndex < 1 || yearIndex > 9999) throw EConvertError("Invalid argument to date encode");
    year = static_cast<int>(yearIndex);
    month = static_cast<int>(index - yearIndex * 12) + 1;
    day = std::min(day, DaysInMonth(year, month));
    const double time = std::fabs(value - std::trunc(value));
    const TDateTime date = EncodeDate(year, month, day);
    return date >= 0 ? date + time : date - time;
}
