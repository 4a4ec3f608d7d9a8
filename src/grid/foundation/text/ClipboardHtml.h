#pragma once
#include <string>

// Wraps an HTML fragment into the text of the "HTML Format" clipboard format, with the
// header of offsets. The offsets count characters: the caller stores the text with one
// byte per character in the code page the header names.
void BuildClipboardHtml(std::string& text);

// Escapes the angle brackets of a plain cell text and makes its first address that starts
// with the prefix (given upper-case, found in any case) an anchor; false, leaving the result
// alone, when the text holds no such address.
bool HtmlEscapeWithLinks(const std::string& text, const std::string& prefix, std::string& result);
