#pragma once
#include <string>

#include "platform/ui/Types.h"

// What a cell text holds, and the forms a cell text can take.

enum TCellTextType { ttPlain = 0, ttMarkup = 1, ttRichText = 2, ttFormula = 3, ttWideEncoded = 5 };
// Markup counts only when MarkupAllowed and the text holds "</", "<B", "<I" or "<C"
// (upper-case letters only).
int GetTextType(const std::string& S, bool MarkupAllowed);

// A wide-encoded cell text is "|\" followed by two characters per 16-bit character: its
// high byte and its low byte, each as the character with that code. It lets characters
// beyond 8 bits pass where only 8 bits per character are kept.
std::string EncodeWideCellText(const std::string& S);
// Any text that does not start with "|\" comes back unchanged; an odd last character is
// ignored.
std::string DecodeWideCellText(const std::string& S);

// "R12C3" (any letter case) as column 3, row 12 in Cell.X and Cell.Y.
bool ParseRowColReference(const std::string& S, TPoint& Cell);

bool IsUrlText(const std::string& S);
// Removes everything up to and including the first "://", or else "mailto:".
void StripUrlScheme(std::string& S);
