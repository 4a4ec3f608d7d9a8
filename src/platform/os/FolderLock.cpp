#include "platform/os/FolderLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TFolderLock::TFolderLock(const std::string& folder, const std::string& lockFileName)
{
    const std::string path = folder + "/" + lockFileName;
    // Close-on-exec: a program started from here (the updater) must not keep the lock
    // after this process ends.
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) return;
    int result;
    do
        result = flock(fd_, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    held_ = result == 0 || errno != EWOULDBLOCK;
}

TFolderLock::~TFolderLock()
{
    if (fd_ >= 0) close(fd_);
}
