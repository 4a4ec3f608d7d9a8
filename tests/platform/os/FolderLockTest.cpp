#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/os/FolderLock.h"
#include "support/TestFiles.h"

namespace {
const std::string Lock_Name = ".lock";

// A process that holds the folder until it is killed; returns once it holds it.
pid_t Holder_Of(const std::string& Folder)
{
    int ready[2];
    if (pipe(ready) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        const TFolderLock lock(Folder, Lock_Name);
        const char held = lock.Held() ? '1' : '0';
        if (write(ready[1], &held, 1) != 1) _exit(1);
        for (;;)
            pause();
    }
    char held = 0;
    const bool told = read(ready[0], &held, 1) == 1 && held == '1';
    close(ready[0]);
    close(ready[1]);
    return told ? pid : -1;
}
} // namespace

TEST(FolderLock, OneHolderAtATime)
{
    TempDir dir;
    {
        const TFolderLock first(dir.Path(), Lock_Name);
        EXPECT_TRUE(first.Held());
        const TFolderLock second(dir.Path(), Lock_Name);
        EXPECT_FALSE(second.Held());
    }
    const TFolderLock again(dir.Path(), Lock_Name);
    EXPECT_TRUE(again.Held()) << "freed with its holder";
}

// The system drops the lock with the process however it ends, so a crash leaves no stale lock.
TEST(FolderLock, AKilledHolderLeavesNoLock)
{
    TempDir dir;
    const pid_t holder = Holder_Of(dir.Path());
    ASSERT_GT(holder, 0);
    EXPECT_FALSE(TFolderLock(dir.Path(), Lock_Name).Held());
    kill(holder, SIGKILL);
    ASSERT_EQ(waitpid(holder, nullptr, 0), holder);
    EXPECT_TRUE(TFolderLock(dir.Path(), Lock_Name).Held());
}

// Where no lock file can be made (and none exists) the folder itself is locked.
TEST(FolderLock, AFolderWithoutItsLockFileIsLockedItself)
{
    TempDir dir;
    const std::string missing = "no-such-folder/" + Lock_Name;
    const TFolderLock first(dir.Path(), missing);
    EXPECT_TRUE(first.Held());
    EXPECT_FALSE(TFolderLock(dir.Path(), missing).Held());
}
