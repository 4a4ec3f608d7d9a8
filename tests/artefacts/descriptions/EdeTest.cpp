#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DescriptionProject.h"
#include "artefacts/descriptions/UBACnet_EDE_File.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Exceptions.h"

namespace {
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class Ede : public DescriptionProject {
protected:
    // The written file's lines, CR LF removed.
    std::vector<std::string> Generate()
    {
        Create_BACnet_EDE(dir.File("out.csv"));
        const std::string text = Win1252ToUtf8(ReadTestFile(dir.File("out.csv")));
        std::vector<std::string> lines;
        for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
            lines.push_back(text.substr(at, end - at));
        return lines;
    }

    // The object lines only (after the five header and two comment lines).
    std::vector<std::string> Object_Lines()
    {
        const std::vector<std::string> lines = Generate();
        return {lines.begin() + 7, lines.end()};
    }

    // A rule file whose read section holds rows of these data types and mnemonics.
    void Write_Rows(std::initializer_list<std::pair<const char*, const char*>> rows)
    {
        std::string xml = "<BACnet_Slave_SetAccess><BACnet_in_Read>";
        for (const auto& [type, mnemonic] : rows)
            xml += std::string("<row Data_Type=\"") + type + "\" Eng_Unit=\"95\" Mnemonic=\"" + mnemonic +
                   "\"/>";
        WriteTestFile(File_BACnet_Slave_SetAccess, xml + "</BACnet_in_Read></BACnet_Slave_SetAccess>");
    }
};

// Device 1234, three read rows and one write row, all analog inputs, in project Plant1.
TEST_F(Ede, WritesTheExpectedList)
{
    Write_ParGen("<BACnet_Type>0</BACnet_Type><BACnet_DEV_IDE>1234</BACnet_DEV_IDE>"
                 "<BACnet_Ser_DEV_IDE>77</BACnet_Ser_DEV_IDE>");
    File_BACnet_Slave_SetAccess = std::string(TEST_DATA_DIR) + "/descriptions/ede/BACnet_Slave_SetAccess.xml";
    Create_BACnet_EDE(dir.File("out.csv"));
    EXPECT_EQ(ReadTestFile(dir.File("out.csv")), Golden_File("ede/expected.csv"));
}

TEST_F(Ede, NumbersInstancesPerObjectType)
{
    Write_ParGen("<BACnet_Type>1</BACnet_Type><BACnet_DEV_IDE>1234</BACnet_DEV_IDE>"
                 "<BACnet_Ser_DEV_IDE>77</BACnet_Ser_DEV_IDE>");
    Write_Rows({{"Analog Input", "a"},
                {"Binary Value", "b"},
                {" binary value ", "c"},
                {"Multi State Value", "d"},
                {"Analog Output", "e"},
                {"Multi State Output", "f"}});
    EXPECT_THAT(Object_Lines(),
                ElementsAre("77_a_0;77;a;0;0;a;95;", "77_b_0;77;b;5;0;b;95;", "77_c_1;77;c;5;1;c;95;",
                            "77_d_0;77;d;19;0;d;95;", "77_e_1;77;e;0;1;e;95;", "77_f_0;77;f;14;0;f;95;"));
}

TEST(EdeObjectType, MapsTheEditorsDataTypes)
{
    const std::pair<const char*, int> cases[] = {
        {"ANALOG INPUT", 0},
        {"ANALOG OUT", 1},
        {"ANALOG VALUE", 2},
        {"BINARY INPUT", 3},
        {"BINARY OUT", 4},
        {"BINARY VALUE", 5},
        {"MULTI STATE INPUT", 13},
        {"MULTI STATE OUTPUT", 14},
        {"MULTI STATE VALUE", 19},
        {"LIFE SAFETY POINT", 21},
        {"LIFE SAFETY ZONE", 22},
        {"ACCUMULATOR", 23},
        {"ACCESS DOOR", 30},
        {"CHARACTERSTRING VALUE", 40},
        {"DATETIME VALUE", 44},
        {"INTEGER VALUE", 45},
        {"LARGE ANALOG VALUE", 46},
        {"POSITIVE INTEGER VALUE", 48},
        {"ANALOG OUTPUT", 0},
        {"BINARY OUTPUT", 0},
        {"", 0},
    };
    for (const auto& [text, type] : cases)
        EXPECT_EQ(Get_Object_Type(text), type) << text;
}

TEST_F(Ede, NameLimitCountsCharacters)
{
    const std::string mnemonic = "Température_sonde_1"; // 19 characters, 20 bytes
    Write_Rows({{"Analog Input", "Température_sonde_1"}});
    Write_ParGen("<BACnet_DEV_IDE>9</BACnet_DEV_IDE>");
    EXPECT_THAT(Object_Lines(),
                ElementsAre("9_" + mnemonic + "_0;9;Température_sond;0;0;Température_sond;95;"));
    Write_ParGen("<BACnet_DEV_IDE>9</BACnet_DEV_IDE><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit>");
    EXPECT_THAT(Object_Lines(),
                ElementsAre("9_" + mnemonic + "_0;9;" + mnemonic + ";0;0;" + mnemonic + ";95;"));
}

TEST_F(Ede, WithoutProjectFilesWritesTheHeaderOnly)
{
    const std::vector<std::string> lines = Generate();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "PROJECT_NAME; Quorvane--Plant1;;;;;;");
    EXPECT_EQ(lines[2], "TIMESTAMP_OF_LAST_CHANGE;09:05:30 07/03/2024;;;;;;");
}

TEST_F(Ede, SeparatorsQuotesAndLineBreaksStayInsideTheirField)
{
    Write_Rows({{"Analog Input", "a;b&#10;c&quot;d"}});
    Project_Name = "x;y";
    const std::vector<std::string> lines = Generate();
    EXPECT_EQ(lines[0], "PROJECT_NAME;\" Quorvane--x;y\";;;;;;");
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[7], "\"_a;b\nc\"\"d_0\";;\"a;b\nc\"\"d\";0;0;\"a;b\nc\"\"d\";95;");
}

TEST_F(Ede, EachGenerationStartsAfresh)
{
    Write_Rows({{"Analog Input", "a"}});
    Generate();
    EXPECT_THAT(Object_Lines(), ElementsAre("_a_0;;a;0;0;a;95;"));
    EXPECT_TRUE(EDE_Object_List.empty());
}

TEST_F(Ede, AFileThatCannotBeParsedStopsBeforeWriting)
{
    WriteTestFile(File_BACnet_Slave_SetAccess, "<BACnet_Slave_SetAccess>");
    EXPECT_THROW(Create_BACnet_EDE(dir.File("out.csv")), EXMLDocError);
    EXPECT_THROW(ReadTestFile(dir.File("out.csv")), std::exception);
}
} // namespace
