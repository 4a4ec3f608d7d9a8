#pragma once
#include <string>

// Marks a folder as in use by this process for as long as the object lives: an exclusive
// lock on a file in the folder, which the system drops when the process ends in any way, so
// that a crash leaves no stale lock behind. A second process asking for the same folder is
// told that it is in use.
class TFolderLock {
public:
    // Tries once, without waiting. The lock file is created when missing; in a folder where it
    // cannot be created, the folder itself is locked.
    TFolderLock(const std::string& folder, const std::string& lockFileName);
    ~TFolderLock();
    TFolderLock(const TFolderLock&) = delete;
    TFolderLock& operator=(const TFolderLock&) = delete;

    // False when another process holds the folder. A system that cannot lock the file at all
    // counts as holding it: the program runs as it would without the lock.
    bool Held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = true;
};
