#include <gtest/gtest.h>

#include <functional>

#include "artefacts/descriptions/UEds.h"
#include "artefacts/image/USaveBincc.h"
#include "artefacts/update/UUpdateJob.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/Exceptions.h"
#include "support/DiskFull.h"
#include "support/TestFiles.h"
#include "workspace/UComon.h"

namespace {
// Every file the device artefacts write: on a full disk the earlier file stays whole and
// the error names it, so that the updater is never handed half a file.
struct WriterCase {
    const char* name;
    const char* file; // inside the temporary program and project folder
    std::function<void(const std::string& path)> write;
};

class WriterOnFullDisk : public testing::TestWithParam<WriterCase> {
protected:
    void SetUp() override
    {
        Exe_Dir = Project_Dir = dir.Path();
        CreateDir(dir.File("bin"));
        File_PDO_CANopen = dir.File("PDO_CANopen.xml");
        File_SDO_Server_CANopen = dir.File("SDO_Server_CANopen.xml");
    }
    void TearDown() override
    {
        Exe_Dir = saved[0];
        Project_Dir = saved[1];
        File_PDO_CANopen = saved[2];
        File_SDO_Server_CANopen = saved[3];
        Bank_Image.clear();
    }

    TempDir dir;

private:
    const std::string saved[4] = {Exe_Dir, Project_Dir, File_PDO_CANopen, File_SDO_Server_CANopen};
};
} // namespace

TEST_P(WriterOnFullDisk, KeepsTheEarlierFileAndNamesIt)
{
    const std::string path = dir.File(GetParam().file);
    WriteTestFile(path, "earlier");
    try {
        TDiskFull disk(100);
        GetParam().write(path);
        FAIL() << "a full disk went unnoticed";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "Cannot write file \"" + path + "\". No space left on device");
    }
    EXPECT_EQ(ReadTestFile(path), "earlier");
}

INSTANTIATE_TEST_SUITE_P(Writers, WriterOnFullDisk,
                         testing::Values(WriterCase{"BankImage", "bin/bank.bin",
                                                    [](const std::string&) {
                                                        Bank_Image.assign(5000, '\x01');
                                                        Save_Bank();
                                                    }},
                                         WriterCase{"UpdateJob", "Ethernet_Update.xml",
                                                    [](const std::string&) {
                                                        Compile_XML_Parameter({"10.0.0.1", 0, true});
                                                    }},
                                         WriterCase{"CANopenEds", "out.eds",
                                                    [](const std::string& path) { Create_EDS_File(path); }}),
                         [](const testing::TestParamInfo<WriterCase>& info) {
                             return std::string(info.param.name);
                         });
