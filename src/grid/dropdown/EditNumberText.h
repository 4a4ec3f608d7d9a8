#pragma once
#include <cstdint>
#include <string>

// What kind of number a typed text holds.
enum TEditNumberKind { enkInteger = 0, enkDecimal = 1, enkOther = 2, enkHex = 5 };

// enkInteger: digits and '-' only; enkDecimal: digits, ',', '-' and '.', with thousand
// separators at least three apart and none first; enkHex: digits, '-' and A-F; else
// enkOther, also for empty text and for more than one '-' or decimal separator.
TEditNumberKind ClassifyEditNumberText(const std::string& Text);
std::string StripThousandSeparators(const std::string& Text);
int HexDigitValue(char32_t Ch);
int64_t HexTextToInt(const std::string& Text);
bool IsRangeSeparator(char32_t Ch);
// The text without thousand separators, read with the format settings; 0 when it is no
// number.
double ParseFloatText(const std::string& Text);
