#pragma once
#include <cstddef>

#include "platform/rtl/Files.h"

// While it lives, every file write stops with "No space left on device" once `room` bytes
// have gone to the disk, as a full disk does.
class TDiskFull {
public:
    explicit TDiskFull(size_t room = 0);

private:
    size_t room_;
    TFileWriteOverride override_;
};
