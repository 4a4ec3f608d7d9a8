#include "BankProject.h"

#include "artefacts/image/USaveBincc.h"
#include "platform/rtl/Exceptions.h"
#include "support/HostileFiles.h"
#include "workspace/UComon.h"

namespace {
const char* Server_Row_Ok = R"(<row Index="0x2000" SubIndex="0" NByte="1" Address_B1="0" Address_B2="")"
                            R"( Address_B3="" Address_B4=""/>)";
}

// A CANopen rule file that cannot be taken stops the build before anything is written.
struct BadRulesCase {
    const char* name;
    const char* root; // also the file name
    const char* body;
};

class BadRules : public BankProject, public testing::WithParamInterface<BadRulesCase> {};

TEST_P(BadRules, LeaveTheOldImageUntouched)
{
    const BadRulesCase& c = GetParam();
    WriteTestFile(Bank_Path(), "old image");
    Write("SDO_Server_CANopen.xml", std::string("<SDO_Server_CANopen><SDO_Read>") + Server_Row_Ok +
                                        "</SDO_Read><SDO_Write/></SDO_Server_CANopen>");
    Write(std::string(c.root) + ".xml", "<" + std::string(c.root) + ">" + c.body + "</" + c.root + ">");
    EXPECT_THROW(Build(), Exception);
    EXPECT_EQ(ReadTestFile(Bank_Path()), "old image");
    EXPECT_THROW(Save_Bank(), EInOutError) << "no half-built image is left to write";
    EXPECT_EQ(ReadTestFile(Bank_Path()), "old image");
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadRules,
    testing::Values(
        BadRulesCase{"MissingAttribute", "SDO_Server_CANopen",
                     R"(<SDO_Read/><SDO_Write><row Index="0x2000" NByte="1" Address_B1="0"/></SDO_Write>)"},
        BadRulesCase{"EmptyAddressWithinSize", "SDO_Server_CANopen",
                     R"(<SDO_Read><row Index="0x2000" SubIndex="0" NByte="2" Address_B1="0" Address_B2=""/>)"
                     "</SDO_Read><SDO_Write/>"},
        BadRulesCase{"NotANumber", "SDO_Client_CANopen",
                     R"(<SDO_Read><row Device_ID="1" Index="0x2000" SubIndex="0" NByte="1" Poll_Time="fast")"
                     R"( Address_B1="0"/></SDO_Read><SDO_Write/>)"},
        BadRulesCase{"MissingSection", "PDO_CANopen", "<Receive_PDO/>"},
        BadRulesCase{"PdoAddressWithinDimension", "PDO_CANopen",
                     R"(<Receive_PDO/><Transmit_PDO><row COB-ID="0x201" Dimension="3" Address_B1="0")"
                     R"( Address_B2="1" Send_Time="0" On_Change="N"/></Transmit_PDO>)"},
        BadRulesCase{"NotXml", "PDO_CANopen", "<Receive_PDO>"}),
    [](const testing::TestParamInfo<BadRulesCase>& info) { return std::string(info.param.name); });

TEST_F(BankProject, ImageThatCannotBeWrittenIsReported)
{
    Project_Dir = dir.File("missing project");
    try {
        Build();
        FAIL() << "the write error was swallowed";
    } catch (const EInOutError& e) {
        EXPECT_NE(e.Message().find("bin/bank.bin"), std::string::npos) << e.Message();
    }
}

// Anything but a regular file in place of a project file stops the build as a damaged file
// does: the error names the file and says what stands there, and the good image stays.
TEST_F(BankProject, AnEntryThatIsNoFileStopsTheBuildAndKeepsTheImage)
{
    for (const char* name : {"ParGen.xml", "EtherNetIP_Master_Rules.xml", "SDO_Server_CANopen.xml",
                             "SDO_Client_CANopen.xml", "PDO_CANopen.xml"}) {
        for (const THostileEntry& entry : Hostile_Entries()) {
            WriteTestFile(Bank_Path(), "good image");
            entry.Place(dir.File(name));
            const std::string error = Read_Refusal([&] { Build(); });
            EXPECT_NE(error.find(Refusal_Text(dir.File(name), entry)), std::string::npos)
                << name << ", " << entry.Name << ": " << error;
            EXPECT_EQ(ReadTestFile(Bank_Path()), "good image") << name << ", " << entry.Name;
            Remove_Entry(dir.File(name));
        }
    }
}
