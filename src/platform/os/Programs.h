#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Starting other programs, without a shell, and watching them end.

// A program that was started.
class TStartedProgram {
public:
    virtual ~TStartedProgram() = default;
    // Whether it still runs; the first look after its end collects its exit code.
    virtual bool Running() = 0;
    // Its exit code once it has ended (128 + the signal number when a signal ended it).
    virtual int ExitCode() = 0;
};

// Splits parameters the way a Windows command line is split: blanks separate, double
// quotes group, a backslash escapes a double quote.
std::vector<std::string> SplitCommandLine(const std::string& parameters);

// Starts `path` with the parameters, in our own working directory; nullptr
// when it cannot be started (missing, not executable). `hidden` asks for no window where
// the desktop knows such a thing. A program that is still running when its
// TStartedProgram is freed goes on, and is reaped when it ends.
std::unique_ptr<TStartedProgram> StartProgram(const std::string& path, const std::string& parameters, bool hidden);

// Tests replace the starter; an empty function restores the real one.
using TProgramStarter =
    std::function<std::unique_ptr<TStartedProgram>(const std::string& path, const std::string& parameters, bool hidden)>;
void SetProgramStarter(TProgramStarter starter);
