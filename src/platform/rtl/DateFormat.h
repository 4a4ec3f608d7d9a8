#pragma once
#include <string>

#include "platform/rtl/DateUtils.h"

// Date and time texts in the format settings' separators and formats.

// Writes a value after a format of d, dd, m, mm, yy, yyyy, h, hh, n, nn, s, ss, z, zzz
// (letter case ignored); "/" stands for the date separator, ":" for the time separator,
// text in quotes is copied as it stands.
std::string FormatDateTime(const std::string& format, TDateTime value);
std::string DateToStr(TDateTime value);  // the short date format
std::string TimeToStr(TDateTime value);  // the long time format

// Reads a date in the order of the short date format, its parts split by the date
// separator; two parts take the current year, a two-digit year the nearest century.
bool TryStrToDate(const std::string& s, TDateTime& value);
// Reads "h", "h:n" or "h:n:s" split by the time separator, as a fraction of a day.
bool TryStrToTime(const std::string& s, TDateTime& value);
// As the two above; a text that is no date (time) raises EConvertError.
TDateTime StrToDate(const std::string& s);
TDateTime StrToTime(const std::string& s);

// The date `months` calendar months on, the day cut to the target month's last day, the
// time of day kept. Raises EConvertError when that date is outside the years 1 to 9999.
TDateTime IncMonth(TDateTime value, int months);
