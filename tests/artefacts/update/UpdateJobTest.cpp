#include <gtest/gtest.h>

#include <vector>

#include "artefacts/update/UUpdateJob.h"
#include "platform/rtl/Exceptions.h"
#include "support/TestFiles.h"
#include "workspace/UComon.h"
#include "workspace/UStart_Program.h"

#include <sys/stat.h>

namespace {
// The job names the firmware and image by their full local paths; the test places the
// program directory in a temporary folder and the two others anywhere.
class UpdateJob : public testing::Test {
protected:
    void SetUp() override
    {
        Exe_Dir = dir.Path();
        Master_Dir = "/opt/vantrel/MASTER";
        Project_Dir = "/opt/vantrel/PROJECTS/Plant 1";
    }

    std::string Job_Path() const { return dir.File("Ethernet_Update.xml"); }

    TempDir dir;
};

struct JobCase {
    const char* golden;
    TUpdate_Job job;
};

class UpdateJobFile : public UpdateJob, public testing::WithParamInterface<JobCase> {};
} // namespace

TEST_P(UpdateJobFile, HoldsTheOperationsOfTheOption)
{
    WriteTestFile(Job_Path(), "<Ethernet_Update><Operations><Operation/></Operations></Ethernet_Update>");
    Compile_XML_Parameter(GetParam().job);
    EXPECT_EQ(ReadTestFile(Job_Path()), ReadTestFile(std::string(TEST_DATA_DIR) + "/update/golden/" +
                                                     GetParam().golden + "/Ethernet_Update.xml"));
}

INSTANTIATE_TEST_SUITE_P(Options, UpdateJobFile,
                         testing::Values(JobCase{"firmware_and_configuration", {"192.168.2.205", 0, true}},
                                         JobCase{"firmware", {"10.0.0.7", 1, false}},
                                         JobCase{"configuration", {"192.168.002.005", 2, true}}),
                         [](const testing::TestParamInfo<JobCase>& info) {
                             return std::string(info.param.golden);
                         });

TEST_F(UpdateJob, UpdaterRunsAfterTheJobIsWritten)
{
    struct Call {
        std::string program, params;
        bool hidden;
        bool jobWritten;
    };
    std::vector<Call> calls;
    EXPECT_FALSE(Run_Update({"192.168.2.205", 2, true},
                            [&](const std::string& program, const std::string& params, bool hidden) {
                                calls.push_back(
                                    {program, params, hidden,
                                     ReadTestFile(Job_Path()).find("bank.bin") != std::string::npos});
                                return TProgram_Run{};
                            })
                     .Started)
        << "a runner that could not start the updater says so";
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].program, dir.File("Ethernet_Update"));
    EXPECT_EQ(calls[0].params, "");
    EXPECT_FALSE(calls[0].hidden);
    EXPECT_TRUE(calls[0].jobWritten);
}

TEST_F(UpdateJob, JobThatCannotBeWrittenStartsNoUpdater)
{
    Exe_Dir = dir.File("missing");
    bool started = false;
    EXPECT_THROW(Run_Update({"192.168.2.205", 0, true},
                            [&](auto&&...) {
                                started = true;
                                return TProgram_Run{true, true, 0};
                            }),
                 EInOutError);
    EXPECT_FALSE(started);
}

TEST_F(UpdateJob, RealUpdaterBesideTheExecutableReadsTheJob)
{
    // A script standing in for the updater: it takes its job file, as the real one does.
    const std::string updater = dir.File("Ethernet_Update");
    WriteTestFile(updater, "#!/bin/sh\ncp \"$(dirname \"$0\")/Ethernet_Update.xml\" \"$(dirname \"$0\")/seen.xml\"\n");
    chmod(updater.c_str(), 0755);
    EXPECT_TRUE(Run_Update({"192.168.2.205", 1, false}, [](const std::string& program,
                                                           const std::string& params, bool hidden) {
                    return Start_Program(program, params, hidden, 10000);
                }).Ended);
    EXPECT_EQ(ReadTestFile(dir.File("seen.xml")), ReadTestFile(Job_Path()));
}
