#pragma once
#include <cstddef>
#include <functional>
#include <string>

// Whole-file reads and writes of raw bytes. Both raise EFOpenError / EFCreateError with
// the file's path and the system's reason when the file cannot be used. Only regular files
// are read or replaced: a directory, a device, a FIFO or a socket at the path (or at the end
// of a link) is refused with an error that names it, without waiting and without reading.
std::string ReadFileBytes(const std::string& path);

// For readers that hand a path to a library of their own: raises EFOpenError naming the file
// when something other than a regular file stands at the path (a missing path passes, for
// the reader to report as it does).
void CheckRegularFile(const std::string& path);

// Replaces the file in one step, so that a crash or a full disk never leaves half a file:
// the bytes go to a temporary file in the same directory, which is flushed to the disk and
// then renamed over the old file. When any step fails, the old file stays as it was and
// the temporary file is removed. A replaced file keeps its permissions.
void WriteFileBytes(const std::string& path, const std::string& bytes);

// The system's write call behind WriteFileBytes: writes up to count bytes and returns how
// many went, or -1 with errno set. A test replaces it (for instance with one that runs out
// of space) for as long as the override lives.
using TFileWriteCall = std::function<long(int fd, const void* data, size_t count)>;

class TFileWriteOverride {
public:
    explicit TFileWriteOverride(TFileWriteCall call);
    ~TFileWriteOverride();
    TFileWriteOverride(const TFileWriteOverride&) = delete;
    TFileWriteOverride& operator=(const TFileWriteOverride&) = delete;

private:
    TFileWriteCall previous_;
};
