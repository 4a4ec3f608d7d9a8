#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Code-point level access to UTF-8 text. Invalid bytes count as one character each, so
// that no text can make a position computation fail.
namespace utf8 {
// Byte offset of every character start, plus the text's size at the end.
std::vector<size_t> CharOffsets(const std::string& s);
bool IsValid(const std::string& s);
void Append(std::string& out, char32_t codePoint);
std::u32string Decode(const std::string& s);
std::string Encode(const std::u32string& s);
}  // namespace utf8
