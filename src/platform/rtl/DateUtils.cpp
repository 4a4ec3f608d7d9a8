#include "platform/rtl/DateUtils.h"

#include <cmath>
#include <ctime>
#include <string>
#include <sys/time.h>

#include "platform/rtl/Exceptions.h"

namespace {
// EncodeDate(1899, 12, 30) before the shift to zero.
constexpr int64_t kDelta = 693594;
// 1 January 0001 and 31 December 9999, the days that dates can name.
constexpr double kFirstDay = -693593;
constexpr double kLastDay = 2958465;

std::function<TDateTime()>& Clock()
{
    static std::function<TDateTime()> clock;
    return clock;
}

TDateTime SystemNow()
{
    timeval tv{};
    gettimeofday(&tv, nullptr);
    std::tm local{};
    const time_t seconds = tv.tv_sec;
    localtime_r(&seconds, &local);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           EncodeTime(local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(tv.tv_usec / 1000));
}

// Milliseconds into the day, rounded so that 23:59:59.9995 does not wrap.
int64_t DayMilliseconds(TDateTime value)
{
    if (!std::isfinite(value)) return 0;
    const double fraction = std::fabs(value - std::trunc(value));
    return std::min<int64_t>(std::llround(fraction * 86400000.0), 86399999);
}
}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

TDateTime EncodeDate(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        throw EConvertError("Invalid argument to date encode");
    int64_t days = day;
    for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
    const int64_t y = year - 1;
    days += y * 365 + y / 4 - y / 100 + y / 400;
    return static_cast<double>(days - kDelta);
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0 || millisecond > 999)
        throw EConvertError("Invalid argument to time encode");
    return (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + millisecond) / 86400000.0;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day)
{
    // A value from a damaged file may lie beyond every calendar day, or be no number at all.
    if (!(value >= kFirstDay && value < kLastDay + 1)) {
        year = month = day = 0;
        return;
    }
    int64_t days = static_cast<int64_t>(std::floor(value)) + kDelta - 1;  // days since 0001-01-01
    int y = 1;
    int64_t d400 = days / 146097;
    days %= 146097;
    int64_t d100 = days / 36524;
    if (d100 == 4) d100 = 3;
    days -= d100 * 36524;
    const int64_t d4 = days / 1461;
    days %= 1461;
    int64_t d1 = days / 365;
    if (d1 == 4) d1 = 3;
    days -= d1 * 365;
    y += static_cast<int>(d400 * 400 + d100 * 100 + d4 * 4 + d1);
    int m = 1;
    while (days >= DaysInMonth(y, m)) days -= DaysInMonth(y, m++);
    year = y;
    month = m;
    day = static_cast<int>(days) + 1;
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond)
{
    int64_t ms = DayMilliseconds(value);
    hour = static_cast<int>(ms / 3600000);
    ms %= 3600000;
    minute = static_cast<int>(ms / 60000);
    ms %= 60000;
    second = static_cast<int>(ms / 1000);
    millisecond = static_cast<int>(ms % 1000);
}

TDateTime Now() { return Clock() ? Clock()() : SystemNow(); }

void SetClock(std::function<TDateTime()> clock) { Clock() = std::move(clock); }
