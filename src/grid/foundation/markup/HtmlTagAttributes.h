#pragma once
#include <string>

// Reading the attributes of a markup tag, written NAME="value".

// Finds the attribute: its name, in any case and followed by "=", at the start of a word
// and outside quoted values (so "ID" does not match inside "GRID" or inside a VALUE); the
// value is what stands between the next two double quotes, as written. False when the tag
// has no such attribute.
bool FindTagAttribute(const std::string& tag, const std::string& name, std::string& value);

// Where the whole attribute stands in the tag: from its name to its closing quote (to the
// "=" when no quoted value follows). False when the tag has no such attribute.
bool FindTagAttributeSpan(const std::string& tag, const std::string& name, size_t& begin, size_t& end);

// The value of the attribute, or "" when the tag has none.
std::string TagAttribute(const std::string& tag, const std::string& name);

// The leading integer of an attribute value: blanks skipped, an optional sign, decimal
// digits or hexadecimal ones after "$", "x" or "0x"; reading stops at the first character
// that is no digit and the digits read so far are the value. A minus sign counts only when
// the number ends the value, and an empty or non-numeric value is 0.
int ReadLeadingInteger(const std::string& value);

// Positions and sizes read from a tag are held to what a screen can show, so that the
// renderer's sums of them cannot overflow and a huge value costs no huge drawing.
constexpr int kMaxHtmlPixels = 32767;
int ClampHtmlPixels(int value);

// Widths and heights that the renderer adds up stop growing here, however many items a
// line or lines a text holds, so that the sums cannot overflow.
constexpr int kMaxHtmlExtent = 1 << 29;
int AddHtmlExtent(int extent, int pixels);
