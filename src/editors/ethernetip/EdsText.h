#pragma once
#include <string>
#include <string_view>
#include <vector>

// The text conventions of an EDS file: "$" starts a comment, double quotes enclose
// strings (inside, a doubled quote and \" stand for a quote, \\ for a backslash), ","
// separates the fields of an entry and ";" ends it. The delimiters count only outside
// quoted strings, and a string never runs past the end of its line.

// Byte offset of the first of `delimiters` that stands outside quoted strings, or npos.
// The search starts at `from`, which must itself stand outside quoted strings.
size_t FindUnquoted(std::string_view text, std::string_view delimiters, size_t from = 0);

// True when the text leaves a quoted string open at its end.
bool EndsInsideQuote(std::string_view text);

// The line without its comment, trimmed; a view into the line.
std::string_view StripEdsComment(std::string_view line);

// True when the name is the prefix (letter case ignored) followed by decimal digits, as
// in Param12 or Connection3.
bool IsNumberedName(const std::string& name, const std::string& prefix);

struct TEdsField {
    std::string Raw;      // the field as written, blanks and quotes kept
    std::string Text;     // a quoted field: its strings joined, without quotes; otherwise Raw
    bool Quoted = false;  // the field starts with a quoted string

    std::string Trimmed() const;  // Text without surrounding blanks
};

// Splits an entry's text at the commas that stand outside quoted strings. Adjacent
// quoted strings ("abc" "def") make one string; a comma at the very end adds an empty
// last field, and an empty text has no fields.
std::vector<TEdsField> SplitEdsFields(std::string_view text);
