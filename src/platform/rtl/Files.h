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
// the temporary file is removed. A replaced file keeps its permissions. A file the user
// made read-only (no write permission for anybody, or none for this user) is refused, root
// included. Temporary files that killed writers of the same target left behind are removed.
void WriteFileBytes(const std::string& path, const std::string& bytes);

// The same replacement for a file written part by part, so that a large file needs no
// buffer of its own size: the parts go to the temporary file as they come, and the disk
// starts writing them while the next are made. Commit flushes and renames; a replacement
// that ends without Commit (an error on the way) removes its temporary file and leaves the
// old file as it was. The constructor, Write and Commit raise EFCreateError.
class TFileReplacement {
public:
    explicit TFileReplacement(const std::string& path);
    ~TFileReplacement();
    TFileReplacement(const TFileReplacement&) = delete;
    TFileReplacement& operator=(const TFileReplacement&) = delete;

    void Write(const char* data, size_t count);
    void Write(const std::string& bytes) { Write(bytes.data(), bytes.size()); }
    void Commit();

private:
    // Removes the temporary file and raises the error.
    [[noreturn]] void Fail(int error);

    std::string path_, target_, temporary_;
    int fd_ = -1;
    // How far the disk was asked to write.
    size_t written_ = 0, flushing_ = 0;
};

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
