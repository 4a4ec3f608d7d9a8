#pragma once
#include <string>

#include "platform/rtl/DateUtils.h"

// Dates in cell texts, for date sorting and date series.

// "m/d/y" and "d/m/y", where the separator is "/", else ".", else "-". A year below 26 is
// taken as 20yy, a year from 26 to 99 as 19yy, and longer years as they stand. 0 when a
// part is not a number; an impossible date raises EConvertError.
TDateTime ParseDateMDY(const std::string& S);
TDateTime ParseDateDMY(const std::string& S);

// Whether the text holds the date separator at position 2 or later and again with at
// least one character between the two.
bool IsDateText(const std::string& S);

// The next date of a series. When exactly one of Years, Months and Days is not 0 it gives
// the step (a month step carries into the years; a day that the target month lacks
// becomes its last day); otherwise Date + Step. The time of day is kept. A year or month
// step that leaves the years 1 to 9999 raises EConvertError.
TDateTime AddToDate(int Years, int Months, int Days, TDateTime Date, int Step);
