#include "BankProject.h"

// What the general block takes from ParGen.xml. A project without the file keeps the image
// defaults; a file without an element takes that element's own default, which differs.
struct ParGenCase {
    const char* name;
    const char* xml; // nullptr: no ParGen.xml
    uint32_t bitRate;
    const char* addresses; // IP address, subnet mask and gateway at 0x028
    const char* copies;    // their second copies at 0x130
    uint32_t nodeId, flags, delay, timeOut;
};

class ParGenDefaults : public BankProject, public testing::WithParamInterface<ParGenCase> {};

TEST_P(ParGenDefaults, FillTheGeneralBlock)
{
    const ParGenCase& c = GetParam();
    if (c.xml) Write("ParGen.xml", c.xml);
    const std::string image = Build();
    EXPECT_EQ(U32_At(image, Gen_Block + 0x000), c.bitRate);
    EXPECT_EQ(Hex_Bytes(image, Gen_Block + 0x028, 12), c.addresses);
    EXPECT_EQ(Hex_Bytes(image, Gen_Block + 0x130, 12), c.copies);
    EXPECT_EQ(U32_At(image, Gen_Block + 0x09C), c.nodeId);
    EXPECT_EQ(U32_At(image, Gen_Block + 0x0A0), c.flags);
    EXPECT_EQ(U32_At(image, Gen_Block + 0x0A4), c.delay);
    EXPECT_EQ(U32_At(image, Gen_Block + 0x0A8), c.timeOut);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ParGenDefaults,
    testing::Values(
        ParGenCase{"NoFile", nullptr, 250000, "C0 A8 02 CD FF FF FF 00 FF FF FF FF",
                   "00 00 00 00 00 00 00 00 00 00 00 00", 0, 0, 0, 0},
        ParGenCase{"NoElements", "<Par_Gen/>", 1000000, "C0 A8 00 05 FF FF FF 00 FF FF FF FF",
                   "C0 A8 00 05 FF FF FF 00 FF FF FF FF", 1, 0, 10000, 10000},
        ParGenCase{
            "SomeElements",
            "<Par_Gen><EtherNetIP_Master_IP1>172</EtherNetIP_Master_IP1>"
            "<EtherNetIP_Master_IP2>16</EtherNetIP_Master_IP2><EtherNetIP_Master_IP4>9</"
            "EtherNetIP_Master_IP4>"
            "<EtherNetIP_Master_SM2>abc</EtherNetIP_Master_SM2>"
            "<EtherNetIP_Master_GAT1>172</EtherNetIP_Master_GAT1>"
            "<EtherNetIP_Master_EN_GAT>1</EtherNetIP_Master_EN_GAT>"
            "<CANopen_Network_Start>1</CANopen_Network_Start><CANopen_Delay>3</CANopen_Delay></Par_Gen>",
            1000000, "AC 10 00 09 FF FF FF 00 AC A8 00 01", "AC 10 00 09 FF FF FF 00 AC A8 00 01", 1, 2, 3000,
            10000},
        ParGenCase{"GatewayOff",
                   "<Par_Gen><EtherNetIP_Master_GAT1>10</EtherNetIP_Master_GAT1>"
                   "<EtherNetIP_Master_EN_GAT>0</EtherNetIP_Master_EN_GAT>"
                   "<CANopen_BAUDRATE>0</CANopen_BAUDRATE></Par_Gen>",
                   10000, "C0 A8 00 05 FF FF FF 00 FF FF FF FF", "C0 A8 00 05 FF FF FF 00 FF FF FF FF", 1, 0,
                   10000, 10000},
        // The version comment ahead of the root does not hide the root.
        ParGenCase{
            "CommentFirst",
            "<!--SW_VERSION = 1.002--><Par_Gen><CANopen_IDDev>7</CANopen_IDDev>"
            "<CANopen_BAUDRATE>4</CANopen_BAUDRATE><CANopen_Set_Operational>1</CANopen_Set_Operational>"
            "<CANopen_SDO_TimeOut>0x10</CANopen_SDO_TimeOut></Par_Gen>",
            125000, "C0 A8 00 05 FF FF FF 00 FF FF FF FF", "C0 A8 00 05 FF FF FF 00 FF FF FF FF", 7, 1, 10000,
            16},
        // Octets keep their low 8 bits; only the exact text "1" is on; a bit-rate index past
        // the list means 1 Mbit/s; a number with a trailing blank is no number.
        ParGenCase{
            "OddValues",
            "<Par_Gen><EtherNetIP_Master_IP1>300</EtherNetIP_Master_IP1>"
            "<EtherNetIP_Master_IP2>$A8</EtherNetIP_Master_IP2><EtherNetIP_Master_IP3>-1</"
            "EtherNetIP_Master_IP3>"
            "<EtherNetIP_Master_EN_GAT>1 </EtherNetIP_Master_EN_GAT><CANopen_BAUDRATE>9</CANopen_BAUDRATE>"
            "<CANopen_Network_Start>1</CANopen_Network_Start><CANopen_Set_Operational>Y</"
            "CANopen_Set_Operational>"
            "<CANopen_Delay>5 </CANopen_Delay></Par_Gen>",
            1000000, "2C A8 FF 05 FF FF FF 00 FF FF FF FF", "2C A8 FF 05 FF FF FF 00 FF FF FF FF", 1, 2,
            10000, 10000}),
    [](const testing::TestParamInfo<ParGenCase>& info) { return std::string(info.param.name); });
