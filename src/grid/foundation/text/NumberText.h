#pragma once
#include <string>

// Number texts written in the user's locale (the separators of the format settings).

// A plain number text ("-1234.5") from a locale text ("(1.234,5)" with "," as decimal
// separator): brackets around the text and a "-" among the leading non-number characters
// make it negative, thousands separators are dropped, the decimal separator becomes ".",
// and the first character that belongs to no number ends it.
std::string NormalizeNumberText(const std::string& S);

// What a text holds as a number.
enum TNumberTextClass {
    ntInteger = 0,   // digits, "-" in front
    ntSeparated = 1, // digits with decimal or thousands separators
    ntNotANumber = 2,
    ntExponent = 5 // a number with an exponent
};
int ClassifyNumberText(const std::string& S);
