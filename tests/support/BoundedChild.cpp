#include "support/BoundedChild.h"

#include <fstream>
#include <new>
#include <exception>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BOUNDED_CHILD_UNDER_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define BOUNDED_CHILD_UNDER_ASAN 1
#endif

namespace {
size_t AddressSpaceInUse()
{
    size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    return pages * static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

void LimitAddressSpace([[maybe_unused]] size_t Extra)
{
#ifndef BOUNDED_CHILD_UNDER_ASAN
    const rlim_t limit = AddressSpaceInUse() + Extra;
    const rlimit bound{limit, limit};
    setrlimit(RLIMIT_AS, &bound);
#endif
}

void WriteAll(int Fd, const std::string& Text)
{
    for (size_t done = 0; done < Text.size();) {
        const ssize_t written = write(Fd, Text.data() + done, Text.size() - done);
        if (written <= 0) return;
        done += static_cast<size_t>(written);
    }
}
} // namespace

TChildOutcome RunInBoundedChild(const std::function<std::string()>& Work, size_t ExtraMemory, unsigned Seconds)
{
    TChildOutcome outcome;
    int fds[2];
    if (pipe(fds) != 0) {
        outcome.Failure = "no pipe";
        return outcome;
    }
    const pid_t child = fork();
    if (child < 0) {
        close(fds[0]);
        close(fds[1]);
        outcome.Failure = "no child process";
        return outcome;
    }
    if (child == 0) {
        close(fds[0]);
        alarm(Seconds);
        LimitAddressSpace(ExtraMemory);
        std::string result;
        try {
            result = Work();
        } catch (const std::bad_alloc&) {
            result = "out of memory";
        } catch (const std::exception& e) {
            result = std::string("unexpected exception: ") + e.what();
        }
        WriteAll(fds[1], result);
        close(fds[1]);
        _exit(0);
    }
    close(fds[1]);
    char buffer[4096];
    for (ssize_t got; (got = read(fds[0], buffer, sizeof buffer)) > 0;)
        outcome.Result.append(buffer, static_cast<size_t>(got));
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        outcome.Finished = true;
    } else if (WIFSIGNALED(status)) {
        outcome.Failure = WTERMSIG(status) == SIGALRM ? "ran out of its time" : "killed by signal " + std::to_string(WTERMSIG(status));
    } else {
        outcome.Failure = "exited with " + std::to_string(WEXITSTATUS(status));
    }
    return outcome;
}
