#include "workspace/UStart_Program.h"

#include <chrono>
#include <exception>
#include <thread>

#include "platform/os/Programs.h"

TProgram_Run Start_Program(const std::string& NomeSW, const std::string& Parameter, bool hidden, int limitMs)
{
    TProgram_Run run;
    std::unique_ptr<TStartedProgram> program;
    try {
        program = StartProgram(NomeSW, Parameter, hidden);
    } catch (const std::exception&) {
        return run; // the caller tells the user: only it knows what the program was for
    }
    if (!program) return run;
    run.Started = true;

    constexpr auto Poll = std::chrono::milliseconds(10);
    const auto start = std::chrono::steady_clock::now();
    while (program->Running()) {
        if (std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(limitMs)) return run;
        std::this_thread::sleep_for(Poll);
    }
    std::this_thread::sleep_for(Poll);
    run.Ended = true;
    run.ExitCode = program->ExitCode();
    return run;
}
