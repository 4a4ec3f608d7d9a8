#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/Exceptions.h"

// The input of one fuzz run as the system's readers take it.

inline std::string FuzzText(const uint8_t* data, size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

// The text cut at each line feed into at most `count` parts; the last part keeps the rest,
// line feeds included, so that every byte of the input reaches some reader.
std::vector<std::string> FuzzParts(std::string_view text, size_t count);

// A file of the given name in a directory of this process's own, holding the input, for
// readers that take a path: they read it exactly as they read a user's file (byte-order
// mark, code page, line ends).
class TFuzzFile {
public:
    explicit TFuzzFile(const std::string& name);
    ~TFuzzFile();
    TFuzzFile(const TFuzzFile&) = delete;
    TFuzzFile& operator=(const TFuzzFile&) = delete;

    const std::string& Path() const { return path_; }
    void Write(const uint8_t* data, size_t size) const;

private:
    std::string path_;
};

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
