#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/os/FileSystem.h"
#include "platform/os/Programs.h"
#include "support/TestFiles.h"
#include "workspace/UStart_Program.h"

namespace {
using Clock = std::chrono::steady_clock;

std::string Script(const TempDir& dir, const std::string& name, const std::string& body)
{
    const std::string path = dir.File(name);
    WriteTestFile(path, "#!/bin/sh\n" + body + "\n");
    chmod(path.c_str(), 0755);
    return path;
}

// Milliseconds that Start_Program took.
long Timed_Start(const std::string& path, int limitMs, const std::string& parameters = "")
{
    const auto start = Clock::now();
    Start_Program(path, parameters, false, limitMs);
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

// Children of this process that ended and were never collected.
int Zombie_Children()
{
    int zombies = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line)) continue;
        const size_t close = line.rfind(')');
        if (close == std::string::npos) continue;
        char state = 0;
        long ppid = 0;
        if (sscanf(line.c_str() + close + 1, " %c %ld", &state, &ppid) == 2 && ppid == getpid() &&
            state == 'Z')
            ++zombies;
    }
    return zombies;
}
}  // namespace

TEST(StartProgram, WaitsForAProgramThatEnds)
{
    TempDir dir;
    const std::string marker = dir.File("ran");
    const long ms = Timed_Start(Script(dir, "short.sh", "sleep 0.3; echo \"$1|$2\" > \"$3\"; exit 3"), 5000,
                                "\"a b\" c " + marker);
    EXPECT_GE(ms, 300);
    EXPECT_LT(ms, 3000);
    EXPECT_EQ(ReadTestFile(marker), "a b|c\n") << "parameters split like a command line";
}

TEST(StartProgram, GivesUpOnALongProgramAtTheLimitAndLeavesItRunning)
{
    TempDir dir;
    const std::string marker = dir.File("finished");
    const long ms = Timed_Start(Script(dir, "long.sh", "sleep 1; touch \"" + marker + "\""), 300);
    EXPECT_GE(ms, 300);
    EXPECT_LT(ms, 900);
    EXPECT_FALSE(FileExists(marker));
    for (int i = 0; i < 300 && !FileExists(marker); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(FileExists(marker)) << "the program went on after the wait";
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(Zombie_Children(), 0) << "a program that outlived the wait is reaped when it ends";
}

TEST(StartProgram, ReturnsAtOnceWhenTheProgramIsMissing)
{
    TempDir dir;
    EXPECT_LT(Timed_Start(dir.File("Ethernet_Update"), 5000), 100);
    WriteTestFile(dir.File("not_executable"), "#!/bin/sh\nsleep 5\n");
    EXPECT_LT(Timed_Start(dir.File("not_executable"), 5000), 100);
}

TEST(StartProgram, HandsTheRequestToTheStarterAsGiven)
{
    struct Never_Ends : TStartedProgram {
        bool Running() override { return true; }
        int ExitCode() override { return 259; }
    };
    std::string seen;
    SetProgramStarter([&seen](const std::string& path, const std::string& parameters, bool hidden) {
        seen = path + "|" + parameters + "|" + (hidden ? "hidden" : "shown");
        return std::make_unique<Never_Ends>();
    });
    const auto start = Clock::now();
    Start_Program("/opt/x/Ethernet_Update", "-a", true, 50);
    SetProgramStarter(nullptr);
    EXPECT_EQ(seen, "/opt/x/Ethernet_Update|-a|hidden");
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1000));
    EXPECT_EQ(Start_Program_Limit_Ms, 150000);
}

// The caller reports a program that never ran, and one that ran and said it failed.
TEST(StartProgram, TellsWhetherTheProgramStartedAndHowItEnded)
{
    TempDir dir;
    WriteTestFile(dir.File("not_executable"), "#!/bin/sh\nexit 0\n");
    const struct {
        std::string path;
        bool started, ended;
        int exitCode;
    } cases[] = {{dir.File("missing"), false, false, 0},
                 {dir.File("not_executable"), false, false, 0},
                 {Script(dir, "fails.sh", "exit 1"), true, true, 1},
                 {Script(dir, "refuses.sh", "exit 7"), true, true, 7},
                 {Script(dir, "succeeds.sh", "exit 0"), true, true, 0},
                 {Script(dir, "outlives.sh", "sleep 2; exit 3"), true, false, 0}};
    for (const auto& c : cases) {
        const TProgram_Run run = Start_Program(c.path, "", false, c.ended ? 5000 : 100);
        EXPECT_EQ(run.Started, c.started) << c.path;
        EXPECT_EQ(run.Ended, c.ended) << c.path;
        EXPECT_EQ(run.ExitCode, c.exitCode) << c.path;
        EXPECT_EQ(run.Failed(), c.exitCode != 0) << c.path;
    }
}
