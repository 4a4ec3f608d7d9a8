#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "platform/os/FileSystem.h"
#include "platform/os/Programs.h"
#include "platform/os/Shell.h"
#include "support/TestFiles.h"

namespace {

std::string Script(const TempDir& dir, const std::string& name, const std::string& body)
{
    const std::string path = dir.File(name);
    WriteTestFile(path, "#!/bin/sh\n" + body);
    chmod(path.c_str(), 0755);
    return path;
}

// Polls as the configurator does while it waits for a program.
bool WaitForEnd(TStartedProgram& program, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (program.Running()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

TEST(ProgramsTest, AShortProgramEndsWithItsExitCodeAndGetsItsParameters)
{
    TempDir dir;
    const std::string out = dir.File("args.txt");
    const std::string path = Script(dir, "short.sh", "for a in \"$@\"; do echo \"[$a]\" >> '" + out + "'; done\nexit 3\n");
    auto program = StartProgram(path, R"(one "two words" 3\"q)", false);
    ASSERT_TRUE(program);
    ASSERT_TRUE(WaitForEnd(*program, std::chrono::seconds(5)));
    EXPECT_EQ(program->ExitCode(), 3);
    EXPECT_EQ(ReadTestFile(out), "[one]\n[two words]\n[3\"q]\n");
}

// 259 is what Windows reports for a running program; here it is an exit code like any other.
TEST(ProgramsTest, ExitCode259IsNotMistakenForRunning)
{
    TempDir dir;
    auto program = StartProgram(Script(dir, "odd.sh", "exit 259\n"), "", false);
    ASSERT_TRUE(program);
    ASSERT_TRUE(WaitForEnd(*program, std::chrono::seconds(5)));
    EXPECT_EQ(program->ExitCode(), 259 & 0xFF);
}

TEST(ProgramsTest, AMissingOrNonExecutableProgramDoesNotStart)
{
    TempDir dir;
    EXPECT_FALSE(StartProgram(dir.File("missing"), "", false));
    WriteTestFile(dir.File("plain.txt"), "not a program");
    EXPECT_FALSE(StartProgram(dir.File("plain.txt"), "", false));
    EXPECT_FALSE(StartProgram(dir.Path(), "", false));
}

TEST(ProgramsTest, AProgramLeftRunningIsReapedWhenItEnds)
{
    TempDir dir;
    const std::string pidFile = dir.File("pid");
    auto program = StartProgram(Script(dir, "slow.sh", "echo $$ > '" + pidFile + "'\nsleep 0.2\n"), "", false);
    ASSERT_TRUE(program);
    while (!FileExists(pidFile) || ReadTestFile(pidFile).find('\n') == std::string::npos)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const std::string pid = std::to_string(std::stoi(ReadTestFile(pidFile)));
    program.reset();
    struct stat st{};
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (stat(("/proc/" + pid).c_str(), &st) == 0 && std::chrono::steady_clock::now() < limit)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_NE(stat(("/proc/" + pid).c_str(), &st), 0) << "the child is still there (a zombie)";
}

TEST(ProgramsTest, SplitCommandLineFollowsTheWindowsRules)
{
    struct Case {
        const char* line;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {"", {}},
        {"  a  b ", {"a", "b"}},
        {R"("a b" c)", {"a b", "c"}},
        {R"(a\\b)", {R"(a\\b)"}},
        {R"(a\"b)", {"a\"b"}},
        {R"("a\\" b)", {R"(a\)", "b"}},
        {R"("")", {""}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.args) << c.line;
}

TEST(ProgramsTest, TestsReplaceTheStarterAndTheShell)
{
    std::string started;
    SetProgramStarter([&](const std::string& path, const std::string&, bool) {
        started = path;
        return std::unique_ptr<TStartedProgram>();
    });
    EXPECT_FALSE(StartProgram("/x/Ethernet_Update", "", false));
    EXPECT_EQ(started, "/x/Ethernet_Update");
    SetProgramStarter(nullptr);

    std::string opened;
    SetShellOpener([&](const std::string& url) {
        opened = url;
        return true;
    });
    EXPECT_TRUE(ShellOpen("http://example.com/HOME/default.asp?frompg=CF30605"));
    EXPECT_EQ(opened, "http://example.com/HOME/default.asp?frompg=CF30605");
    SetShellOpener(nullptr);
}

}  // namespace
