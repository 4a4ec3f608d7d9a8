#include "platform/rtl/Streams.h"

#include <algorithm>
#include <cstring>

size_t TMemoryStream::Read(void* buffer, size_t count)
{
    if (position_ >= bytes_.size()) return 0;
    const size_t n = std::min(count, bytes_.size() - position_);
    std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

void TMemoryStream::Write(const void* buffer, size_t count)
{
    if (bytes_.size() < position_ + count) bytes_.resize(position_ + count, '\0');
    std::memcpy(bytes_.data() + position_, buffer, count);
    position_ += count;
}

void TMemoryStream::Clear()
{
    bytes_.clear();
    position_ = 0;
}
