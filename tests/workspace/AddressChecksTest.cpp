#include <gtest/gtest.h>

#include "platform/os/SerialPorts.h"
#include "workspace/UComon.h"

struct IpCase {
    const char* text;
    bool valid;
};

class CheckIpAddress : public testing::TestWithParam<IpCase> {};

TEST_P(CheckIpAddress, AcceptsFourPartsFrom0To255)
{
    std::string p1, p2, p3, p4;
    EXPECT_EQ(Check_IP_Address(GetParam().text, p1, p2, p3, p4), GetParam().valid) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, CheckIpAddress, testing::Values(
    IpCase{" 192 . 168 . 2 . 205 ", true}, IpCase{"192.168.2.205", true}, IpCase{"0.0.0.0", true},
    IpCase{"0xC0.168.2.1", true}, IpCase{"192.168.2", false}, IpCase{"192.168.2.205.1", false},
    IpCase{"256.1.1.1", false}, IpCase{"1..2.3", false}, IpCase{"1.2.3.", false}, IpCase{"", false},
    IpCase{"-1.2.3.4", false}, IpCase{"a.b.c.d", false}));

TEST(CheckIpAddress, ReturnsTheTrimmedParts)
{
    std::string p1, p2, p3, p4;
    ASSERT_TRUE(Check_IP_Address(" 192 . 168 . 2 . 205 ", p1, p2, p3, p4));
    EXPECT_EQ(p1 + "|" + p2 + "|" + p3 + "|" + p4, "192|168|2|205");
}

struct BytesCase {
    const char* text;
    bool error;
    uint8_t b[4];
};

class IpToBytes : public testing::TestWithParam<BytesCase> {};

TEST_P(IpToBytes, SetsEveryByteAndReportsBadParts)
{
    const BytesCase& c = GetParam();
    uint8_t b1 = 99, b2 = 99, b3 = 99, b4 = 99;
    EXPECT_EQ(IP_To_Bytes(c.text, b1, b2, b3, b4), c.error) << c.text;
    EXPECT_EQ(std::vector<int>({b1, b2, b3, b4}), std::vector<int>({c.b[0], c.b[1], c.b[2], c.b[3]})) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Cases, IpToBytes, testing::Values(
    BytesCase{"192.168.2.205", false, {192, 168, 2, 205}},
    BytesCase{"192.168.2.10 ", false, {192, 168, 2, 10}},
    BytesCase{" 10 . 1 . 2 . 3", false, {10, 1, 2, 3}},
    BytesCase{"10.0.x.5", true, {10, 0, 0, 5}},
    BytesCase{"300.1.1.1", true, {0, 1, 1, 1}},
    BytesCase{"1.2", true, {1, 0, 0, 2}},
    BytesCase{"", true, {0, 0, 0, 0}}));

struct KnxCase {
    const char* text;
    bool group;
    bool allowZero;
    int result;
};

class CheckKnxAddress : public testing::TestWithParam<KnxCase> {};

TEST_P(CheckKnxAddress, FollowsTheAddressForms)
{
    const KnxCase& c = GetParam();
    EXPECT_EQ(Check_KNX_Address(c.text, c.group, c.allowZero), c.result)
        << c.text << (c.group ? " group" : " individual");
}

INSTANTIATE_TEST_SUITE_P(Individual, CheckKnxAddress, testing::Values(
    KnxCase{"1.1.1", false, false, 0}, KnxCase{"15.15.255", false, false, 0}, KnxCase{"16.1.1", false, false, 1},
    KnxCase{"0.0.0", false, false, 1}, KnxCase{"0.0.0", false, true, 0}, KnxCase{"1.1", false, false, 1},
    KnxCase{"1.1.1.1", false, false, 1}, KnxCase{"1/1", false, false, 1}, KnxCase{"4660", false, false, 0},
    KnxCase{"0", false, false, 1}, KnxCase{"65536", false, false, 1}, KnxCase{" 1 . 2 . 3 ", false, false, 0}));

INSTANTIATE_TEST_SUITE_P(Group, CheckKnxAddress, testing::Values(
    KnxCase{"31/2047", true, false, 0}, KnxCase{"0/0", true, false, 1}, KnxCase{"0/0/1", true, false, 0},
    KnxCase{"1/8/1", true, false, 1}, KnxCase{"1/1/1/1", true, false, 1}, KnxCase{"1.1", true, false, 1},
    KnxCase{"32/1", true, false, 1}, KnxCase{"1/2048", true, false, 1}, KnxCase{"65535", true, false, 0},
    KnxCase{"0/0/0", true, false, 1}, KnxCase{"1/x", true, false, 1}));

TEST(IsGroupAddress, IsTrueWithoutADot)
{
    EXPECT_TRUE(Is_Group_Address("1/2/3"));
    EXPECT_FALSE(Is_Group_Address("1.2.3"));
}

TEST(ComPortList, ListsThePresentPortsInRisingOrder)
{
    SetSerialPortProbe([](int n) { return n == 1 || n == 3 || n == 256; });
    const auto ports = Get_COM_Port_List();
    SetSerialPortProbe(nullptr);
    ASSERT_EQ(ports->Count(), 3);
    EXPECT_EQ((*ports)[0], "1");
    EXPECT_EQ((*ports)[1], "3");
    EXPECT_EQ((*ports)[2], "256");
    EXPECT_EQ(SerialPortDevice(1), "/dev/ttyS0");
}

TEST(ProgramDirs, LieBesideTheExecutable)
{
    Set_Program_Dirs("/opt/vantrel");
    EXPECT_EQ(Master_Dir, "/opt/vantrel/MASTER");
    EXPECT_EQ(Projects_Dir, "/opt/vantrel/PROJECTS");
    EXPECT_EQ(Language_Dir, "/opt/vantrel/LANGUAGE");
    EXPECT_EQ(Last_IP_Address, "192.168.2.205");
    EXPECT_EQ(Update_Read_Back, 1);
    EXPECT_EQ(SW_Code, "CF30605");
}
