#include "platform/rtl/Files.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/rtl/Exceptions.h"

namespace {
long SystemWrite(int fd, const void* data, size_t count) { return ::write(fd, data, count); }

TFileWriteCall& WriteCall()
{
    static TFileWriteCall call = SystemWrite;
    return call;
}

std::string Directory_Of(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string Name_Of(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// A link stays a link: the new content goes to the file it points to.
std::string Link_Target(const std::string& path)
{
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* resolved = realpath(path.c_str(), nullptr);
    if (!resolved) return path;
    std::string target = resolved;
    std::free(resolved);
    return target;
}

// The temporary files of a target share this beginning; the writer's process id and a
// serial number follow it, then ".tmp".
std::string Temporary_Stem(const std::string& target) { return "." + Name_Of(target).substr(0, 200) + "."; }

// The process id of a temporary file's name "<stem><pid>.<serial>.tmp", or 0 when the name
// is not one of ours.
pid_t Writer_Of(const std::string& name, const std::string& stem)
{
    const std::string suffix = ".tmp";
    if (name.size() <= stem.size() + suffix.size() || name.compare(0, stem.size(), stem) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return 0;
    const std::string numbers = name.substr(stem.size(), name.size() - stem.size() - suffix.size());
    const size_t dot = numbers.find('.');
    const auto digits = [](const std::string& text) {
        return !text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string::npos;
    };
    if (dot == std::string::npos || !digits(numbers.substr(0, dot)) || !digits(numbers.substr(dot + 1)))
        return 0;
    return static_cast<pid_t>(std::stol(numbers.substr(0, dot)));
}

bool Process_Runs(pid_t pid) { return kill(pid, 0) == 0 || errno == EPERM; }

// A writer killed between creating its temporary file and the rename leaves the file
// behind, as large as what it had written; the next write of the same target removes
// those whose process is gone. A running writer's file is never touched.
void Remove_Leftover_Temporaries(const std::string& target)
{
    const std::string dirPath = Directory_Of(target), stem = Temporary_Stem(target);
    DIR* dir = opendir(dirPath.c_str());
    if (!dir) return;
    while (const dirent* entry = readdir(dir)) {
        const pid_t writer = Writer_Of(entry->d_name, stem);
        if (writer > 0 && !Process_Runs(writer)) unlinkat(dirfd(dir), entry->d_name, 0);
    }
    closedir(dir);
}

// A hidden name of its own beside the target, so that the rename stays within one file
// system and two writers never share a temporary file.
int Open_Temporary(const std::string& target, std::string& temporary)
{
    static unsigned serial = 0;
    const std::string stem = Directory_Of(target) + "/" + Temporary_Stem(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = stem + std::to_string(getpid()) + "." + std::to_string(++serial) + ".tmp";
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Returns 0, or the errno of the step that failed.
int Write_All(int fd, const char* data, size_t count)
{
    size_t done = 0;
    while (done < count) {
        const long written = WriteCall()(fd, data + done, count - done);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        if (written == 0) return ENOSPC;
        done += static_cast<size_t>(written);
    }
    return 0;
}

int Keep_Permissions(int fd, const std::string& target)
{
    struct stat st {};
    if (stat(target.c_str(), &st) != 0) return 0;
    return fchmod(fd, st.st_mode & 07777) == 0 ? 0 : errno;
}

// The rename itself reaches the disk only with its directory.
void Sync_Directory(const std::string& target)
{
    const int dir = ::open(Directory_Of(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    fsync(dir);
    close(dir);
}

std::string Failure(const char* what, const std::string& path, int error)
{
    return std::string("Cannot ") + what + " file \"" + path + "\". " + std::strerror(error);
}

// What stands at a path that is not a regular file, in the user's words.
std::string Not_A_File(const char* what, const std::string& path, mode_t mode)
{
    const char* kind = S_ISDIR(mode)    ? "a directory"
                       : S_ISCHR(mode)  ? "a character device"
                       : S_ISBLK(mode)  ? "a block device"
                       : S_ISFIFO(mode) ? "a FIFO (named pipe)"
                       : S_ISSOCK(mode) ? "a socket"
                                        : "something other than a file";
    return std::string("Cannot ") + what + " file \"" + path + "\". It is " + kind + ", not a regular file";
}

// The user's own protection: a file with no write permission for anybody stays as it is
// even for a writer (root) whom the system would let through, and so does one this user
// may not write. The rename would replace it silently, since it only asks the directory.
bool Is_Read_Only(const std::string& target, const struct stat& st)
{
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(target.c_str(), W_OK) != 0;
}

// Closes the descriptor on every way out.
class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) : fd_(fd) {}
    ~TFileDescriptor() { close(fd_); }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;

private:
    int fd_;
};
} // namespace

void CheckRegularFile(const std::string& path)
{
    // Refused before it is opened: opening a device may act on it, and reading one or a
    // FIFO may block or never end.
    struct stat st {};
    if (stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        throw EFOpenError(Not_A_File("open", path, st.st_mode));
}

std::string ReadFileBytes(const std::string& path)
{
    CheckRegularFile(path);
    // Never blocks on a FIFO put in place meanwhile; the opened file is checked again below.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw EFOpenError(Failure("open", path, errno));
    const TFileDescriptor file(fd);
    struct stat st {};
    if (fstat(fd, &st) != 0) throw EFOpenError(Failure("open", path, errno));
    if (!S_ISREG(st.st_mode)) throw EFOpenError(Not_A_File("open", path, st.st_mode));
    // One buffer of the file's size: growing a buffer as the bytes come touched fresh
    // memory several times over, which cost more than parsing a large file.
    std::string bytes(static_cast<size_t>(std::max<off_t>(st.st_size, 0)), '\0');
    size_t done = 0;
    // A file that grew meanwhile, or whose size the system does not tell, reads to its end.
    char more[4096];
    for (;;) {
        const bool inPlace = done < bytes.size();
        const ssize_t got =
            ::read(fd, inPlace ? bytes.data() + done : more, inPlace ? bytes.size() - done : sizeof more);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw EFOpenError(Failure("read", path, errno));
        if (got == 0) break;
        if (!inPlace) bytes.append(more, static_cast<size_t>(got));
        done += static_cast<size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    TFileReplacement file(path);
    file.Write(bytes);
    file.Commit();
}

TFileReplacement::TFileReplacement(const std::string& path) : path_(path), target_(Link_Target(path))
{
    // Renaming over a device, a FIFO or a directory would replace it, not write to it.
    struct stat st {};
    if (stat(target_.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) throw EFCreateError(Not_A_File("write", path_, st.st_mode));
        if (Is_Read_Only(target_, st))
            throw EFCreateError("Cannot write file \"" + path_ + "\". The file is read-only");
    }
    Remove_Leftover_Temporaries(target_);
    fd_ = Open_Temporary(target_, temporary_);
    if (fd_ < 0) throw EFCreateError(Failure("create", path_, errno));
    if (const int error = Keep_Permissions(fd_, target_)) Fail(error);
}

TFileReplacement::~TFileReplacement()
{
    if (fd_ < 0) return;
    close(fd_);
    unlink(temporary_.c_str());
}

void TFileReplacement::Fail(int error)
{
    if (fd_ >= 0) close(std::exchange(fd_, -1));
    unlink(temporary_.c_str());
    throw EFCreateError(Failure("write", path_, error));
}

void TFileReplacement::Write(const char* data, size_t count)
{
    if (const int error = Write_All(fd_, data, count)) Fail(error);
    written_ += count;
#ifdef __linux__
    // Each few megabytes go to the disk while the rest is made, so that the flush at the end
    // waits for the last part only. A system that cannot start it early flushes all at the end.
    constexpr size_t kFlushStep = 4u << 20;
    if (written_ - flushing_ >= kFlushStep) {
        sync_file_range(fd_, static_cast<off_t>(flushing_), static_cast<off_t>(written_ - flushing_),
                        SYNC_FILE_RANGE_WRITE);
        flushing_ = written_;
    }
#endif
}

void TFileReplacement::Commit()
{
    if (fsync(fd_) != 0) Fail(errno);
    if (close(std::exchange(fd_, -1)) != 0) Fail(errno);
    if (rename(temporary_.c_str(), target_.c_str()) != 0) Fail(errno);
    Sync_Directory(target_);
}

TFileWriteOverride::TFileWriteOverride(TFileWriteCall call) : previous_(std::move(WriteCall()))
{
    WriteCall() = std::move(call);
}

TFileWriteOverride::~TFileWriteOverride() { WriteCall() = std::move(previous_); }
