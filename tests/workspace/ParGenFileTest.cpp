#include <gtest/gtest.h>

#include "platform/os/FileSystem.h"
#include "platform/rtl/Exceptions.h"
#include "support/HostileFiles.h"
#include "support/TestFiles.h"
#include "workspace/UParGenFile.h"

namespace {
const std::string Golden_Dir = std::string(TEST_DATA_DIR) + "/pargen/";

// Values that differ from every default, so that a field a load leaves alone shows.
TParGen_Data Scrambled_Data()
{
    TParGen_Data data;
    data.EtherNetIP_Master_IP = {"1", "2", "3", "4"};
    data.EtherNetIP_Master_SM = {"5", "6", "7", "8"};
    data.EtherNetIP_Master_GAT = {"9", "10", "11", "12"};
    data.EtherNetIP_Master_EN_GAT = true;
    data.CANopen_IDDevice = "99";
    data.CANopen_Baudrate = 2;
    data.CANopen_SetOpe = data.CANopen_NetOpe = true;
    data.CANopen_NetOpe_Delay = "77";
    data.CANopen_SDO_Timeout = "5";
    return data;
}

TParGen_Data Load_Text(const std::string& xml)
{
    TempDir dir;
    WriteTestFile(dir.File("ParGen.xml"), xml);
    TParGen_Data data = Scrambled_Data();
    Load_ParGen_File(dir.File("ParGen.xml"), data);
    return data;
}
} // namespace

TEST(ParGenFile, OkOnANewProjectWritesTheDefaults)
{
    TempDir dir;
    TParGen_Data data = Scrambled_Data();
    Load_ParGen_File(dir.File("ParGen.xml"), data);
    EXPECT_EQ(data, TParGen_Data{});
    EXPECT_EQ(Check_And_Save_ParGen(dir.File("ParGen.xml"), data), std::nullopt);
    EXPECT_EQ(ReadTestFile(dir.File("ParGen.xml")), ReadTestFile(Golden_Dir + "new_project/ParGen.xml"));
}

// Another port, elements of other models, unknown elements and a bit rate beyond the list
// are all forgotten: the next save writes exactly what a new project writes.
TEST(ParGenFile, SaveRewritesTheWholeDocument)
{
    TempDir dir;
    WriteTestFile(dir.File("ParGen.xml"),
                  "<Par_Gen><EtherNetIP_Master_Port>502</EtherNetIP_Master_Port>"
                  "<PROFINET_NAME_STA>station</PROFINET_NAME_STA><BACnet_Type>1</BACnet_Type>"
                  "<Unknown a=\"1\"><Inner/></Unknown><CANopen_BAUDRATE>12</CANopen_BAUDRATE></Par_Gen>");
    TParGen_Data data;
    Load_ParGen_File(dir.File("ParGen.xml"), data);
    Save_ParGen_File(dir.File("ParGen.xml"), data);
    EXPECT_EQ(ReadTestFile(dir.File("ParGen.xml")), ReadTestFile(Golden_Dir + "new_project/ParGen.xml"));
}

// Fields that are not checked (gateway off, network start off) are stored and restored as
// typed, and so are leading zeros and blanks of the checked ones.
TEST(ParGenFile, TextsComeBackAsTyped)
{
    TempDir dir;
    TParGen_Data data;
    data.EtherNetIP_Master_IP = {"010", " 1", "$FF", "0x0"};
    data.EtherNetIP_Master_GAT = {"300", "word", "", "é"};
    data.CANopen_NetOpe_Delay = "999";
    data.CANopen_SetOpe = true;
    data.CANopen_Baudrate = 8;
    ASSERT_EQ(Check_And_Save_ParGen(dir.File("ParGen.xml"), data), std::nullopt);
    TParGen_Data loaded = Scrambled_Data();
    Load_ParGen_File(dir.File("ParGen.xml"), loaded);
    EXPECT_EQ(loaded, data);
}

// A damaged file keeps every value read whole before the damage; the others, and nothing of
// what the data held before, take their defaults. The message names the file and the damage.
TEST(ParGenFile, DamagedFileKeepsWhatCanBeRead)
{
    TempDir dir;
    WriteTestFile(dir.File("ParGen.xml"), "<Par_Gen><CANopen_IDDev>7</CANopen_IDDev><CANopen_Delay>3");
    TParGen_Data data = Scrambled_Data();
    EXPECT_EQ(Load_ParGen_File(dir.File("ParGen.xml"), data),
              "ParGen.xml: the file is damaged (line 1: the file ends too early)");
    TParGen_Data expected;
    expected.CANopen_IDDevice = "7";
    EXPECT_EQ(data, expected);
}

// Anything but a regular file cannot be read at all: the error names it, and every field
// is at its default.
TEST(ParGenFile, UnreadableFileLeavesOnlyDefaultsBehind)
{
    TempDir dir;
    const std::string path = dir.File("ParGen.xml");
    for (const THostileEntry& entry : Hostile_Entries()) {
        entry.Place(path);
        TParGen_Data data = Scrambled_Data();
        EXPECT_EQ(Read_Refusal([&] { Load_ParGen_File(path, data); }), Refusal_Text(path, entry))
            << entry.Name;
        EXPECT_EQ(data, TParGen_Data{}) << entry.Name;
    }
}

struct ParGenReadCase {
    const char* name;
    const char* xml;
    void (*expect)(TParGen_Data&); // turns the defaults into the expected values
};

class ParGenRead : public testing::TestWithParam<ParGenReadCase> {};

TEST_P(ParGenRead, EachFieldFallsBackAlone)
{
    TParGen_Data expected;
    GetParam().expect(expected);
    EXPECT_EQ(Load_Text(GetParam().xml), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParGenRead,
    testing::Values(
        ParGenReadCase{"EmptyRoot", "<Par_Gen/>", [](TParGen_Data&) {}},
        ParGenReadCase{"MissingElements",
                       "<Par_Gen><EtherNetIP_Master_IP3>7</EtherNetIP_Master_IP3>"
                       "<CANopen_SDO_TimeOut>20</CANopen_SDO_TimeOut></Par_Gen>",
                       [](TParGen_Data& d) {
                           d.EtherNetIP_Master_IP[2] = "7";
                           d.CANopen_SDO_Timeout = "20";
                       }},
        ParGenReadCase{"OnlyTheExactOneIsOn",
                       "<Par_Gen><EtherNetIP_Master_EN_GAT> 1</EtherNetIP_Master_EN_GAT>"
                       "<CANopen_Set_Operational>yes</CANopen_Set_Operational>"
                       "<CANopen_Network_Start>1</CANopen_Network_Start></Par_Gen>",
                       [](TParGen_Data& d) { d.CANopen_NetOpe = true; }},
        ParGenReadCase{"BitRateInTheList", "<Par_Gen><CANopen_BAUDRATE>8</CANopen_BAUDRATE></Par_Gen>",
                       [](TParGen_Data& d) { d.CANopen_Baudrate = 8; }},
        ParGenReadCase{"BitRateBeyondTheList", "<Par_Gen><CANopen_BAUDRATE>9</CANopen_BAUDRATE></Par_Gen>",
                       [](TParGen_Data&) {}},
        ParGenReadCase{"BitRateNegative", "<Par_Gen><CANopen_BAUDRATE>-1</CANopen_BAUDRATE></Par_Gen>",
                       [](TParGen_Data&) {}},
        ParGenReadCase{"BitRateNotANumber", "<Par_Gen><CANopen_BAUDRATE>1M</CANopen_BAUDRATE></Par_Gen>",
                       [](TParGen_Data&) {}},
        ParGenReadCase{"FirstOfTwoCounts",
                       "<Par_Gen><CANopen_IDDev>5</CANopen_IDDev><CANopen_IDDev>6</CANopen_IDDev></Par_Gen>",
                       [](TParGen_Data& d) { d.CANopen_IDDevice = "5"; }},
        ParGenReadCase{"OnlyChildrenOfTheRoot",
                       "<Par_Gen><Group><CANopen_IDDev>5</CANopen_IDDev></Group></Par_Gen>",
                       [](TParGen_Data&) {}},
        ParGenReadCase{"RootOfAnyName", "<Other><CANopen_IDDev>5</CANopen_IDDev></Other>",
                       [](TParGen_Data& d) { d.CANopen_IDDevice = "5"; }},
        ParGenReadCase{
            "RootAfterDeclarationAndComment",
            "<?xml version=\"1.0\"?><!--note--><Par_Gen><CANopen_IDDev>5</CANopen_IDDev></Par_Gen>",
            [](TParGen_Data& d) { d.CANopen_IDDevice = "5"; }},
        ParGenReadCase{"PortIsIgnored",
                       "<Par_Gen><EtherNetIP_Master_Port>502</EtherNetIP_Master_Port></Par_Gen>",
                       [](TParGen_Data&) {}}),
    [](const testing::TestParamInfo<ParGenReadCase>& info) { return std::string(info.param.name); });

struct ParGenCheckCase {
    const char* name;
    void (*change)(TParGen_Data&);
    std::optional<int> error;
};

class ParGenCheck : public testing::TestWithParam<ParGenCheckCase> {};

TEST_P(ParGenCheck, FirstFailureIsReportedAndNothingWritten)
{
    TempDir dir;
    TParGen_Data data;
    GetParam().change(data);
    EXPECT_EQ(Check_And_Save_ParGen(dir.File("ParGen.xml"), data), GetParam().error);
    EXPECT_EQ(FileExists(dir.File("ParGen.xml")), !GetParam().error.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParGenCheck,
    testing::Values(
        ParGenCheckCase{"Defaults", [](TParGen_Data&) {}, std::nullopt},
        ParGenCheckCase{"IP1", [](TParGen_Data& d) { d.EtherNetIP_Master_IP[0] = "256"; }, 450},
        ParGenCheckCase{"IP4Empty", [](TParGen_Data& d) { d.EtherNetIP_Master_IP[3] = ""; }, 453},
        ParGenCheckCase{"SM1Negative", [](TParGen_Data& d) { d.EtherNetIP_Master_SM[0] = "-1"; }, 454},
        ParGenCheckCase{"SM3Trailing", [](TParGen_Data& d) { d.EtherNetIP_Master_SM[2] = "25 "; }, 456},
        ParGenCheckCase{"NumberRule",
                        [](TParGen_Data& d) {
                            d.EtherNetIP_Master_IP = {" 10", "$FF", "0x1", "+4"};
                            d.CANopen_SDO_Timeout = "100000";
                        },
                        std::nullopt},
        ParGenCheckCase{"GatewayOffIsNotChecked",
                        [](TParGen_Data& d) {
                            d.EtherNetIP_Master_GAT = {"300", "word", "", "-5"};
                        },
                        std::nullopt},
        ParGenCheckCase{"GatewayOn2",
                        [](TParGen_Data& d) {
                            d.EtherNetIP_Master_EN_GAT = true;
                            d.EtherNetIP_Master_GAT[1] = "word";
                        },
                        459},
        ParGenCheckCase{"GatewayOn4",
                        [](TParGen_Data& d) {
                            d.EtherNetIP_Master_EN_GAT = true;
                            d.EtherNetIP_Master_GAT[3] = "300";
                        },
                        461},
        ParGenCheckCase{"NodeIdZero", [](TParGen_Data& d) { d.CANopen_IDDevice = "0"; }, 765},
        ParGenCheckCase{"NodeId128", [](TParGen_Data& d) { d.CANopen_IDDevice = "128"; }, 765},
        ParGenCheckCase{"NodeId127", [](TParGen_Data& d) { d.CANopen_IDDevice = "127"; }, std::nullopt},
        ParGenCheckCase{"DelayOffIsNotChecked", [](TParGen_Data& d) { d.CANopen_NetOpe_Delay = "999"; },
                        std::nullopt},
        ParGenCheckCase{"DelayOn",
                        [](TParGen_Data& d) {
                            d.CANopen_NetOpe = true;
                            d.CANopen_NetOpe_Delay = "256";
                        },
                        766},
        ParGenCheckCase{"TimeOut", [](TParGen_Data& d) { d.CANopen_SDO_Timeout = "100001"; }, 767},
        ParGenCheckCase{"TimeOutBeyond32Bits", [](TParGen_Data& d) { d.CANopen_SDO_Timeout = "4294967296"; },
                        767},
        ParGenCheckCase{"FirstFailureWins",
                        [](TParGen_Data& d) {
                            d.CANopen_IDDevice = "0";
                            d.CANopen_SDO_Timeout = "";
                            d.EtherNetIP_Master_IP[0] = "x";
                        },
                        450}),
    [](const testing::TestParamInfo<ParGenCheckCase>& info) { return std::string(info.param.name); });
