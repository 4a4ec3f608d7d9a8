#pragma once
#include <gtest/gtest.h>

#include <string>

#include "platform/rtl/DateUtils.h"
#include "support/FakeDialogs.h"
#include "support/TestFiles.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"

// An open project in a temporary directory for the description-file generators: its
// communication parameters and rule files live there (a test writes those it needs), the
// English texts are loaded, the clock stands still and the dialogs answered by the test. Everything is put
// back.
class DescriptionProject : public ::testing::Test {
protected:
    void SetUp() override
    {
        Load_Default_Texts();
        Project_Dir = dir.Path();
        Project_Name = "Plant1";
        File_ParGen = dir.File("ParGen.xml");
        File_EtherNetIP_Master_Rules = dir.File("EtherNetIP_Master_Rules.xml");
        File_SNMP_Trap = dir.File("SNMP_Trap.xml");
        File_BACnet_Slave_SetAccess = dir.File("BACnet_Slave_SetAccess.xml");
        SetClock([] { return EncodeDate(2024, 3, 7) + EncodeTime(9, 5, 30, 0); });
    }
    void TearDown() override
    {
        Project_Dir = saved[0];
        Project_Name = saved[1];
        File_ParGen = saved[2];
        File_EtherNetIP_Master_Rules = saved[3];
        File_SNMP_Trap = saved[4];
        File_BACnet_Slave_SetAccess = saved[5];
        SetClock({});
    }

    // Writes ParGen.xml with these elements (XML text) under its root.
    void Write_ParGen(const std::string& elements)
    {
        WriteTestFile(File_ParGen, "<ParGen>" + elements + "</ParGen>");
    }

    TempDir dir;
    TFakeDialogs dialogs;

private:
    const std::string saved[6] = {Project_Dir,    Project_Name,
                                  File_ParGen,    File_EtherNetIP_Master_Rules,
                                  File_SNMP_Trap, File_BACnet_Slave_SetAccess};
};

// The golden file of a case folder below descriptions/.
inline std::string Golden_File(const std::string& relative)
{
    return ReadTestFile(std::string(TEST_DATA_DIR) + "/descriptions/" + relative);
}
