#pragma once
#include <string>

// Encodings that keep a multi-line cell text on one line in files and on the clipboard
// (CR is character 13, LF 10, TAB 9, VT 11).

// Each CR as the two characters "\n"; LF dropped.
std::string EncodeNewlinesEscaped(const std::string& S);
// Each "\n" (backslash, n) as one CR.
std::string DecodeEscapedNewlines(const std::string& S);

// Each CR LF as one VT, then the whole text in double quotes.
std::string QuoteMultilineCsv(const std::string& S);
// Each VT as CR LF.
std::string VerticalTabToCrLf(const std::string& S);

// Each CR as "~"; LF dropped.
std::string CrLfToTilde(const std::string& S);
// Each "~" as CR LF; a text that is exactly "^" becomes empty.
std::string TildeToCrLf(const std::string& S);

// When the text holds a CR: CR as TAB, LF as character 8, character 0 as character 1.
std::string CrToTab(const std::string& S);
// The reverse, when the text holds a character 8; then the whole text, or only its first
// line when FirstLineOnly is set.
std::string TabToCr(const std::string& S, bool FirstLineOnly);

// When the text holds a CR: each CR as "<br>" (LF kept).
std::string LineBreaksToHtml(const std::string& S);
std::string CrLfToLf(const std::string& S);
std::string RemoveCr(const std::string& S);
std::string CrToLf(const std::string& S);
