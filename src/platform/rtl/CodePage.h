#pragma once
#include <string>

// Windows-1252, the code page of the files the system calls "ANSI".
std::string Win1252ToUtf8(const std::string& bytes);
// Characters that Windows-1252 cannot hold become "?".
std::string Utf8ToWin1252(const std::string& text);

// Reads the bytes of an 8-bit text file as UTF-8: a byte-order mark selects UTF-8,
// UTF-16LE or UTF-16BE; otherwise valid UTF-8 stays as it is and anything else is
// read as Windows-1252. Taken by value, so that a file's bytes that need no change are
// moved through instead of copied.
std::string DecodeTextFile(std::string bytes);

// Code page 850, the OEM code page of Western European systems (console and DOS texts).
// Characters that it cannot hold become "?".
std::string Utf8ToOem(const std::string& text);
std::string OemToUtf8(const std::string& bytes);

// UTF-16 little-endian text, as the desktop's wide-character interfaces hold it. A lone
// surrogate reads as U+FFFD; an odd last byte is ignored.
std::string Utf8ToUtf16Le(const std::string& text);
std::string Utf16LeToUtf8(const std::string& bytes);
