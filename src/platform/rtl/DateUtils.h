#pragma once
#include <cstdint>
#include <functional>

// Dates and times as days since 30 December 1899, the fraction being the time of day.
using TDateTime = double;

TDateTime EncodeDate(int year, int month, int day);  // raises EConvertError
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
// A value outside the years 1 to 9999 decodes as year, month and day 0.
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond);
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// The local date and time. Tests replace the clock; an empty function restores the system's.
TDateTime Now();
void SetClock(std::function<TDateTime()> clock);
