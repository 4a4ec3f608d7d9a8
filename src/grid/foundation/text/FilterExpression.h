#pragma once
#include <string>

#include "platform/rtl/DateUtils.h"

// The condition language of the grid's row filter and of its find with expressions: terms
// joined by "&" (and) or "|", ";", "^" (or), applied strictly from left to right, with
// parentheses for grouping. A term is a comparison (">5", "<=01.01.2012", ">b") or a
// wildcard pattern ("A*", "?b", "!*test*"); double quotes protect blanks and operators.

// True when the cell value satisfies the condition. A condition that cannot be read (an
// unbalanced "(", or groups nested more than a hundred deep) matches nothing.
bool MatchesFilterExpression(const std::string& condition, const std::string& value, bool caseSensitive);

// One term against one value, both already upper-cased when case does not matter.
bool MatchComparison(const std::string& term, const std::string& value);

// A date in the order and with the separator of the short date format, optionally followed
// by a blank and a time; false when the text is no such date or names none that exists.
bool ParseDateTimeText(const std::string& text, TDateTime& value);
