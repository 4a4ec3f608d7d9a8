#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "support/TestFiles.h"

// The input of one fuzz run as the system's readers take it.

inline std::string FuzzText(const uint8_t* data, size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

// The text cut at each line feed into at most `count` parts; the last part keeps the rest,
// line feeds included, so that every byte of the input reaches some reader.
std::vector<std::string> FuzzParts(std::string_view text, size_t count);

// A path of the given name in a directory of this process's own (parallel fuzzing jobs,
// -jobs=N, never share a file), removed when the process ends. Readers that take a path
// read the input from there exactly as they read a user's file (byte-order mark, code page,
// line ends); WriteTestFile puts it there.
std::string FuzzFilePath(const std::string& name);

// Runs the reader and lets the system's own errors (the readers' "cannot read this") pass;
// any other exception escapes and the fuzzer reports it.
template <class F>
void Tolerating(F&& read)
{
    try {
        read();
    } catch (const Exception&) {
    }
}
