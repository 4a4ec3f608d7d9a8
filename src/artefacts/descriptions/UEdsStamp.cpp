#include "artefacts/descriptions/UEdsStamp.h"

#include "platform/rtl/SysUtils.h"

std::string EDS_Date_Text(TDateTime value)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(value, year, month, day);
    return Format("%.2d-%.2d-%d", {month, day, year});
}

std::string EDS_Time_Text(TDateTime value)
{
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    DecodeTime(value, hour, minute, second, millisecond);
    // The usual 12-hour clock has no hour 00: the first hour after midnight is written
    // "12:40AM", since "00:40AM" is no time of that clock.
    const int clockHour = hour % 12 == 0 ? 12 : hour % 12;
    return Format("%.2d:%.2d%s", {clockHour, minute, hour < 12 ? "AM" : "PM"});
}
