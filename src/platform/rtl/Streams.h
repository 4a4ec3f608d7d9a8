#pragma once
#include <cstddef>
#include <string>
#include <utility>

// A stream of bytes held in memory, read and written at a position that moves on.
class TMemoryStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::string bytes) : bytes_(std::move(bytes)) {}

    const std::string& Bytes() const { return bytes_; }
    size_t Size() const { return bytes_.size(); }
    size_t Position() const { return position_; }
    // A position past the end is kept; reading there gives nothing, writing fills the gap with zeros.
    void SetPosition(size_t position) { position_ = position; }
    // Copies up to count bytes to buffer; returns how many came.
    size_t Read(void* buffer, size_t count);
    void Write(const void* buffer, size_t count);
    void Clear();

private:
    std::string bytes_;
    size_t position_ = 0;
};
