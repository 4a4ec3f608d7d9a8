#include "BankProject.h"

#include "artefacts/image/USaveBincc.h"

namespace {
std::string Golden_Folder(const std::string& name)
{
    return std::string(TEST_DATA_DIR) + "/image/golden/" + name;
}

size_t First_Difference(const std::string& a, const std::string& b)
{
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    return i;
}
} // namespace

class BankGolden : public BankProject, public testing::WithParamInterface<const char*> {};

TEST_P(BankGolden, MatchesTheImageWorkedOutFromTheLayout)
{
    const std::string folder = Golden_Folder(GetParam());
    Read_Project_Files_From(folder);
    const std::string image = Build();
    const std::string expected = ReadTestFile(folder + "/bank.bin");
    EXPECT_EQ(image.size(), expected.size());
    EXPECT_EQ(First_Difference(image, expected), expected.size()) << "first differing byte";
}

INSTANTIATE_TEST_SUITE_P(Projects, BankGolden,
                         testing::Values("empty_project", "full_project", "pargen_missing_elements"));

TEST_F(BankProject, EmptyProjectHoldsTheDefaultsOnly)
{
    const std::string image = Build();
    ASSERT_EQ(image.size(), 59794u);
    EXPECT_EQ(U32_At(image, Gen_Block + 0x7FC), 4068u) << "checksum of the default block";
    const char* unusedRule = "00 00 00 00 00 00 00 00 00 00 00 00 FF FF FF FF FF FF FF FF "
                             "FF FF FF FF FF FF FF FF 00 00 00 00";
    for (size_t table : {0x0000, 0x4000, 0x8000, 0xA000, 0xC000, 0xD000})
        EXPECT_EQ(Hex_Bytes(image, table, 32), unusedRule) << table;
    const uint32_t addresses[] = {0x5A000, 0x5E000, 0x62000, 0x64000, 0x66000, 0x67000};
    for (int t = 0; t < 6; ++t) {
        EXPECT_EQ(U32_At(image, Gen_Block + 0x0AC + 4 * t), 0u);
        EXPECT_EQ(U32_At(image, Gen_Block + 0x0E0 + 4 * t), addresses[t]);
    }
    EXPECT_EQ(U32_At(image, Gen_Block + 0x27C), 0x68800u);
    EXPECT_EQ(image.substr(Target_Records), std::string(402, '\0'))
        << "ten empty records and the empty block";
}

TEST_F(BankProject, ScanListTargetsPointAtTheirPackedBlocks)
{
    Read_Project_Files_From(Golden_Folder("full_project"));
    const std::string image = Build();
    EXPECT_EQ(U32_At(image, Gen_Block + 0x278), 3u) << "the disabled row leaves no record";
    EXPECT_EQ(U32_At(image, Gen_Block + 0x074), 44u);
    EXPECT_EQ(U32_At(image, Gen_Block + 0x078), 26u);

    struct Target {
        const char* ip;
        uint16_t inputOffset, outputOffset;
        uint32_t headers, key, segment;
    };
    const Target expected[] = {{"C0 A8 02 0A", 0, 0, 0x20, 0x68992, 0x6899E},
                               {"C0 A8 02 0C", 10, 4, 0x2B, 0x68990, 0x68990},
                               {"0A 01 02 03", 42, 10, 0x21, 0x68990, 0x689A5}};
    for (size_t i = 0; i < 3; ++i) {
        const size_t rec = Target_Records + 40 * i;
        EXPECT_EQ(Hex_Bytes(image, rec, 4), expected[i].ip) << i;
        EXPECT_EQ(U16_At(image, rec + 0x08), expected[i].inputOffset) << i;
        EXPECT_EQ(U16_At(image, rec + 0x0E), expected[i].outputOffset) << i;
        EXPECT_EQ(U32_At(image, rec + 0x1C), expected[i].headers) << i;
        EXPECT_EQ(U32_At(image, rec + 0x20), expected[i].key) << i;
        EXPECT_EQ(U32_At(image, rec + 0x24), expected[i].segment) << i;
    }
    EXPECT_EQ(U32_At(image, Target_Records + 40 * 3 + 0x20), 0u) << "a record of no target";
    EXPECT_EQ(Hex_Bytes(image, 0xE990, image.size() - 0xE990),
              "00 00 0A 00 34 04 01 00 0C 00 22 12 02 01 05 00 80 02 10 20 03 04 00 80 01 FF 07");
}

TEST_F(BankProject, RuleRecordsTakeTheirPositionsUpToTheDataSize)
{
    Read_Project_Files_From(Golden_Folder("full_project"));
    const std::string image = Build();
    struct Rule {
        size_t offset;
        const char* bytes;
    };
    const Rule expected[] = {
        // SDO server read, one byte: words 5 to 7 stay 0 though their cells are empty
        {0x0000,
         "00 00 00 00 00 20 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01 00 00 00"},
        {0x0020,
         "00 00 00 00 01 20 00 00 00 00 00 00 00 00 00 00 00 00 00 00 04 00 05 00 06 00 9F 05 04 00 00 00"},
        // SDO server write, two bytes
        {0x4000,
         "00 00 00 00 00 21 FF 00 00 00 00 00 00 00 00 00 00 00 00 00 64 00 65 00 00 00 00 00 02 01 00 00"},
        // SDO client write: sent on change, then on poll
        {0xA000,
         "00 00 00 00 40 60 00 7F 64 00 00 00 00 00 00 00 00 00 00 00 1E 00 1F 00 00 00 00 00 02 03 00 00"},
        {0xA020,
         "00 00 00 00 7A 60 00 04 70 11 01 00 00 00 00 00 00 00 00 00 28 00 29 00 2A 00 2B 00 04 01 00 00"},
        // receive PDO of eight bytes, transmit PDOs of three bytes (on change) and one byte
        {0xC000,
         "81 01 00 00 00 00 00 00 F4 01 00 00 C8 00 C9 00 CA 00 CB 00 CC 00 CD 00 CE 00 CF 00 08 00 00 00"},
        {0xD000,
         "01 02 00 00 00 00 00 00 14 00 00 00 2C 01 2D 01 2E 01 00 00 00 00 00 00 00 00 00 00 03 03 00 00"},
        {0xD020,
         "FF 07 00 00 00 00 00 00 00 00 00 00 36 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01 01 00 00"},
    };
    for (const Rule& rule : expected)
        EXPECT_EQ(Hex_Bytes(image, rule.offset, 32), rule.bytes) << rule.offset;
    const uint32_t counts[] = {2, 1, 1, 2, 1, 2};
    for (int t = 0; t < 6; ++t)
        EXPECT_EQ(U32_At(image, Gen_Block + 0x0AC + 4 * t), counts[t]) << t;
}

// A project file may start with a comment or a declaration (edited by hand, or by another
// tool); every reader of the build takes the rules under the root element all the same.
TEST_F(BankProject, ProjectFilesAfterALeadingCommentGiveTheSameImage)
{
    const std::string folder = Golden_Folder("full_project");
    for (const char* name : {"ParGen.xml", "EtherNetIP_Master_Rules.xml", "SDO_Server_CANopen.xml",
                             "SDO_Client_CANopen.xml", "PDO_CANopen.xml"})
        Write(name, "<?xml version=\"1.0\"?>\n<!-- edited by hand -->\n" + ReadTestFile(folder + "/" + name));
    const std::string image = Build();
    const std::string expected = ReadTestFile(folder + "/bank.bin");
    EXPECT_EQ(image.size(), expected.size());
    EXPECT_EQ(First_Difference(image, expected), expected.size()) << "first differing byte";
}
