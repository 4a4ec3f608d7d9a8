#include "platform/os/Programs.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace {

// A child process. A child that outlives its watcher is reaped by a detached thread that
// waits for it, so that no zombie is left and no SIGCHLD handler is needed.
class TChildProcess final : public TStartedProgram {
public:
    explicit TChildProcess(pid_t pid) : pid_(pid) {}
    ~TChildProcess() override
    {
        if (!Running()) return;
        const pid_t pid = pid_;
        std::thread([pid] {
            int status = 0;
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    }

    bool Running() override
    {
        if (ended_) return false;
        int status = 0;
        const pid_t r = waitpid(pid_, &status, WNOHANG);
        if (r == 0) return true;
        ended_ = true;
        if (r == pid_) exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }

    int ExitCode() override
    {
        Running();
        return exitCode_;
    }

private:
    pid_t pid_;
    bool ended_ = false;
    int exitCode_ = -1;
};

std::unique_ptr<TStartedProgram> StartChild(const std::string& path, const std::string& parameters, bool)
{
    struct stat st{};
    if (stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode) || access(path.c_str(), X_OK) != 0) return nullptr;
    std::vector<std::string> args = SplitCommandLine(parameters);
    args.insert(args.begin(), path);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return nullptr;
    return std::make_unique<TChildProcess>(pid);
}

TProgramStarter& Starter()
{
    static TProgramStarter starter;
    return starter;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& parameters)
{
    std::vector<std::string> args;
    std::string current;
    bool inArg = false, quoted = false;
    for (size_t i = 0; i < parameters.size(); ++i) {
        const char c = parameters[i];
        if (c == '\\') {
            size_t slashes = 0;
            while (i < parameters.size() && parameters[i] == '\\') ++slashes, ++i;
            if (i < parameters.size() && parameters[i] == '"') {
                current.append(slashes / 2, '\\');
                if (slashes % 2 == 1) {
                    current += '"';
                } else {
                    quoted = !quoted;
                }
            } else {
                current.append(slashes, '\\');
                --i;
            }
            inArg = true;
        } else if (c == '"') {
            quoted = !quoted;
            inArg = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inArg) args.push_back(current);
            current.clear();
            inArg = false;
        } else {
            current += c;
            inArg = true;
        }
    }
    if (inArg) args.push_back(current);
    return args;
}

std::unique_ptr<TStartedProgram> StartProgram(const std::string& path, const std::string& parameters, bool hidden)
{
    return Starter() ? Starter()(path, parameters, hidden) : StartChild(path, parameters, hidden);
}

void SetProgramStarter(TProgramStarter starter) { Starter() = std::move(starter); }
