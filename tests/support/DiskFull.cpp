#include "support/DiskFull.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

TDiskFull::TDiskFull(size_t room)
    : room_(room), override_([this](int fd, const void* data, size_t count) -> long {
          if (room_ == 0) {
              errno = ENOSPC;
              return -1;
          }
          const long written = ::write(fd, data, std::min(count, room_));
          if (written > 0) room_ -= static_cast<size_t>(written);
          return written;
      })
{
}
