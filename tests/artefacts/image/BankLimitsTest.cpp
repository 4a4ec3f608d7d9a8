#include "BankProject.h"

#include "artefacts/image/UValueBlock.h"

namespace {
std::string Repeat(const std::string& text, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += text;
    return out;
}

std::string Byte_List(int count)
{
    std::string list;
    for (int i = 0; i < count; ++i)
        list += (i ? "," : "") + std::to_string(i % 256);
    return list;
}

std::string Block_Text(const std::vector<uint8_t>& block)
{
    return Hex_Bytes(std::string(block.begin(), block.end()), 0, block.size());
}
} // namespace

struct ValueBlockCase {
    const char* list;
    bool key;
    const char* block;
};

class ValueBlocks : public testing::TestWithParam<ValueBlockCase> {};

TEST_P(ValueBlocks, KeepTheByteValuesInListOrder)
{
    const ValueBlockCase& c = GetParam();
    EXPECT_EQ(Block_Text(c.key ? Parse_ElectronicKey(c.list) : Parse_DataSegment(c.list)), c.block) << c.list;
}

INSTANTIATE_TEST_SUITE_P(Lists, ValueBlocks,
                         testing::Values(ValueBlockCase{"1,2,3,4,5,6,7,8", true,
                                                        "0A 00 34 04 01 02 03 04 05 06 07 08"},
                                         ValueBlockCase{"1, 2, x, 300,4", true, "05 00 34 02 01 02 04"},
                                         ValueBlockCase{" 0x10 ,$20,-1,,255", false, "05 00 80 02 10 20 FF"},
                                         ValueBlockCase{"7", false, "03 00 80 01 07"},
                                         ValueBlockCase{" , x", false, "02 00 80 00"}));

TEST(ValueBlocks, SegmentStopsWhereItsWordCountEndsAndKeyAtItsRoom)
{
    const std::vector<uint8_t> segment = Parse_DataSegment(Byte_List(600));
    ASSERT_EQ(segment.size(), 514u);
    EXPECT_EQ(Block_Text({segment.begin(), segment.begin() + 4}), "00 02 80 FF");
    EXPECT_EQ(segment.back(), 509 % 256);
    EXPECT_EQ(Parse_ElectronicKey(Byte_List(200)).size(), 101u);
}

// A hand-made project beyond every table: the extra rows, targets and values are ignored
// and nothing lands outside its record.
TEST_F(BankProject, RowsBeyondATableAreIgnored)
{
    Write("SDO_Server_CANopen.xml",
          "<SDO_Server_CANopen><SDO_Read>" +
              Repeat(R"(<row Index="0x2000" SubIndex="1" NByte="1" Address_B1="7"/>)", 600) +
              "</SDO_Read><SDO_Write/></SDO_Server_CANopen>");
    Write("SDO_Client_CANopen.xml",
          "<SDO_Client_CANopen><SDO_Read/><SDO_Write>" +
              Repeat(R"(<row Device_ID="2" Index="0x2000" SubIndex="1" NByte="1" Poll_Time="5")"
                     R"( Address_B1="7" On_Change="Y"/>)",
                     300) +
              "</SDO_Write></SDO_Client_CANopen>");
    Write(
        "PDO_CANopen.xml",
        "<PDO_CANopen><Receive_PDO/><Transmit_PDO>" +
            Repeat(R"(<row COB-ID="0x201" Dimension="1" Address_B1="7" Send_Time="0" On_Change="N"/>)", 130) +
            "</Transmit_PDO></PDO_CANopen>");
    const std::string target =
        R"(<row Enable="Y" IP_Address="10.0.0.1" Num_Input="1" EnableElectronicKey="Y")"
        R"( EnableDataSegment="Y" ElectronicKey=")" +
        Byte_List(120) + R"(" DataSegment=")" + Byte_List(600) + "\"/>";
    Write("EtherNetIP_Master_Rules.xml",
          "<EtherNetIP_Master_Access>" + Repeat(target, 12) + "</EtherNetIP_Master_Access>");
    const std::string image = Build();

    const uint32_t counts[] = {512, 0, 0, 256, 0, 128};
    for (int t = 0; t < 6; ++t)
        EXPECT_EQ(U32_At(image, Gen_Block + 0x0AC + 4 * t), counts[t]) << t;
    EXPECT_EQ(U16_At(image, 0x3FE0 + 0x14), 7u) << "position of byte 1 in the last record of the read table";
    EXPECT_EQ(U16_At(image, 0x4000 + 0x0C), 0xFFFFu) << "the write table is not reached";
    EXPECT_EQ(U32_At(image, Gen_Block + 0x278), 10u);
    EXPECT_EQ(U32_At(image, Gen_Block + 0x074), 10u);
    EXPECT_EQ(image.size(), 59794u + 10 * (101 + 514));
    const size_t lastSegment = U32_At(image, Target_Records + 9 * 40 + 0x24) - 0x5A000;
    EXPECT_EQ(lastSegment + 514, image.size());
}

// Rows are walked from sibling to sibling: finding each by its index from the first took
// seconds for twenty thousand rows.
TEST_F(BankProject, FiftyThousandRowsAreWalkedOnce)
{
    Write("EtherNetIP_Master_Rules.xml",
          "<EtherNetIP_Master_Access>" + Repeat(R"(<row Enable="N"/>)", 50000) +
              R"(<row Enable="Y" IP_Address="10.0.0.1" Num_Input="3"/>)" + "</EtherNetIP_Master_Access>");
    Write("PDO_CANopen.xml",
          "<PDO_CANopen><Receive_PDO/><Transmit_PDO>" + Repeat("<!-- spare -->", 50000) +
              R"(<row COB-ID="0x201" Dimension="1" Address_B1="7" Send_Time="0" On_Change="N"/>)"
              "</Transmit_PDO></PDO_CANopen>");
    const std::string image = Build();
    EXPECT_EQ(U32_At(image, Gen_Block + 0x278), 1u) << "targets";
    EXPECT_EQ(U32_At(image, Gen_Block + 0x074), 3u) << "input total";
    EXPECT_EQ(U32_At(image, Gen_Block + 0x0AC + 4 * 5), 1u) << "transmit PDO rows";
}
