#include <gtest/gtest.h>

#include "editors/frame/RuleWindowCases.h"
#include "editors/snmp/USNMP_Trap_Access.h"
#include "platform/ui/Input.h"
#include "workspace/UComon.h"

namespace {
using SNMP_Harness = TRuleWindowHarness<TFSNMP_Trap_Access>;

// Enable, Community Name, Type, On Change, On CMD, On Timer, Time, Position, Start Bit,
// Num Bits/Bytes, Description, IP Address, Conversion, Mnemonic.
const std::vector<std::string> Read_Trap{
    "Y", "Public", "Int", "N", "N", "Y", "1000", "10", "3", "64", "temp1", "192.168.1.125", "None", "Boiler"};
// Enable, Community Name, Type, Position, Start Bit, Num Bits/Bytes, Description,
// Conversion, Mnemonic.
const std::vector<std::string> Write_Value{"Y",  "Private", "String", "20", "0",
                                           "16", "name1",   "Float",  "Set"};

const std::string Read_Error = "Error row 1!! [SNMP Read] ";
const std::string Write_Error = "Error row 1!! [SNMP Write] ";
const std::string Allowed =
    " is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and \"0\"..\"9\")";
const std::string Lower_First = ". First character must be a letter and must be lowercase";
} // namespace

TEST(SNMPTrapWindow, NamesAndDescriptionsTakeDigitsAndAsciiLettersOnly)
{
    const struct {
        const char* Text;
        int Check_Type;
        int Expected;
    } cases[] = {
        {"", 1, 0},       {"Public2", 0, 0}, {"2public", 0, 0}, {"2public", 1, 1},     {"Public", 1, 1},
        {"public", 1, 0}, {"pub lic", 0, 1}, {"pub_lic", 0, 1}, {"caf\xC3\xA9", 0, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check_Error_CommName_Desc(c.Text, c.Check_Type), c.Expected)
            << c.Text << " " << c.Check_Type;
}

TEST(SNMPTrapWindow, ChecksTheRowsOfBothTables)
{
    SNMP_Harness h{File_SNMP_Trap, "SNMP_Trap.xml"};
    Expect_Rule_Checks(
        h,
        {
            {0, {Read_Trap}, ""},
            {0, {With_Cell(Read_Trap, 2, "Pub-lic")}, Read_Error + "Community Name" + Allowed},
            {0, {With_Cell(Read_Trap, 3, " ")}, Read_Error + "Type must be selected"},
            {0, {With_Cell(Read_Trap, 7, "0")}, Read_Error + "Time must be between 1 and 1000000000 ms"},
            {0, {With_Cell(With_Cell(Read_Trap, 6, "N"), 7, "")}, ""},
            {0, {With_Cell(Read_Trap, 8, "")}, Read_Error + "Position must be selected"},
            {0, {With_Cell(Read_Trap, 9, "")}, Read_Error + "Start Bit must be selected"},
            {0,
             {With_Cell(With_Cell(Read_Trap, 3, "String"), 10, "16")},
             Read_Error + "Start Bit must be 0 if Type is String"},
            {0,
             {With_Cell(With_Cell(With_Cell(Read_Trap, 3, "String"), 9, "0"), 10, "17")},
             Read_Error + "Num Bits/Bytes must be between 1 and 16 bytes"},
            {0,
             {With_Cell(Read_Trap, 10, "65")},
             Read_Error + "Num Bits/Bytes must be between 1 and 64 bits"},
            {0,
             {With_Cell(With_Cell(Read_Trap, 3, "int"), 10, "0")},
             Read_Error + "Num Bits/Bytes must be between 1 and 64 bits"},
            {0, {With_Cell(Read_Trap, 11, "Temp1")}, Read_Error + "Description" + Allowed + Lower_First},
            {0, {With_Cell(Read_Trap, 11, "1temp")}, Read_Error + "Description" + Allowed + Lower_First},
            // A description names an object of the generated MIB, so it must not take one of
            // the MIB's own names.
            {0, {With_Cell(Read_Trap, 11, "countin")}, "Error row 1" + Lang_Table[1297]},
            {0, {With_Cell(Read_Trap, 11, "trapval2")}, "Error row 1" + Lang_Table[1297]},
            {0, {With_Cell(Read_Trap, 11, "trapvalue")}, ""},
            {0,
             {With_Cell(Read_Trap, 12, "192.168.1.256")},
             Read_Error + "IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
            {0, {With_Cell(Read_Trap, 13, "")}, Read_Error + "Conversion must be selected"},
            {1, {Write_Value}, ""},
            {1, {With_Cell(Write_Value, 2, "Priv ate")}, Write_Error + "Community Name" + Allowed},
            {1, {With_Cell(Write_Value, 3, "")}, Write_Error + "Type must be selected"},
            {1, {With_Cell(Write_Value, 4, "")}, Write_Error + "Position must be selected"},
            {1, {With_Cell(Write_Value, 5, "")}, Write_Error + "Start Bit must be selected"},
            {1, {With_Cell(Write_Value, 5, "1")}, Write_Error + "Start Bit must be 0 if Type is String"},
            {1,
             {With_Cell(Write_Value, 6, "17")},
             Write_Error + "Num Bits/Bytes must be between 1 and 16 bytes"},
            {1,
             {With_Cell(With_Cell(Write_Value, 3, "Int"), 6, "65")},
             Write_Error + "Num Bits/Bytes must be between 1 and 64 bits"},
            {1, {With_Cell(Write_Value, 7, "Name1")}, Write_Error + "Descrtiption" + Allowed + Lower_First},
            {1, {With_Cell(Write_Value, 8, " ")}, Write_Error + "Conversion must be selected"},
            {1, {With_Cell(Write_Value, 7, "data")}, "Error row 1" + Lang_Table[1298]},
            {1, {With_Cell(Write_Value, 7, "hellostring")}, "Error row 1" + Lang_Table[1298]},
            // A disabled row is saved unchecked, and a blank name ends the table even
            // when its row is disabled, so OK refuses the rows it would drop.
            {0,
             {With_Cell(With_Cell(Read_Trap, 1, "N"), 3, ""), With_Cell(With_Cell(Read_Trap, 1, "N"), 2, ""),
              With_Cell(Read_Trap, 3, "")},
             "Error row 2" + Lang_Table[1299]},
        });
}

TEST(SNMPTrapWindow, DescriptionsAreUniqueOverBothTables)
{
    SNMP_Harness h{File_SNMP_Trap, "SNMP_Trap.xml"};
    const auto both = [&](const std::string& Read, const std::string& Write) {
        return h.Ok_Messages([&](TFSNMP_Trap_Access& w) {
            Fill_Row(*w.Grids[0], 1, With_Cell(Read_Trap, 11, Read));
            Fill_Row(*w.Grids[0], 2, With_Cell(With_Cell(Read_Trap, 11, Read), 1, "N"));
            Fill_Row(*w.Grids[1], 1, With_Cell(Write_Value, 7, Write));
        });
    };
    const std::vector<std::string> duplicate{"Error!! The Descriptions must be all differents"};
    EXPECT_EQ(both("temp1", "temp1"), duplicate);
    EXPECT_EQ(both("", ""), duplicate);
    // Letter case counts, and a disabled row names nothing.
    EXPECT_EQ(both("tempA", "tempa"), std::vector<std::string>{});
}

TEST(SNMPTrapWindow, WritesTheGoldenFileAndReadsItBack)
{
    SNMP_Harness h{File_SNMP_Trap, "SNMP_Trap.xml"};
    Expect_Golden_And_Reload(
        h,
        {{Read_Trap,
          With_Cell(With_Cell(With_Cell(With_Cell(Read_Trap, 1, "N"), 4, "Y"), 13, "Float * 10"), 14,
                    "Chaudière"),
          With_Cell(With_Cell(Read_Trap, 11, "temp2"), 5, "Y")},
         {Write_Value, With_Cell(With_Cell(With_Cell(Write_Value, 2, "Public"), 3, "Int"), 7, "name2")}},
        "snmp/golden/SNMP_Trap.xml");
}

TEST(SNMPTrapWindow, NumbersTheEnabledRowsAtShowAndWhenAnEnableBoxIsClicked)
{
    SNMP_Harness h{File_SNMP_Trap, "SNMP_Trap.xml"};
    const std::string row = R"(<row Community_Name="Public"/>)";
    const auto shown = Show_File<TFSNMP_Trap_Access>(
        h,
        R"(<SNMP_Trap><SNMP_Trap_Read>)" + row + R"(<row Community_Name="Public" Enable="N"/>)" + row + row +
            R"(</SNMP_Trap_Read><SNMP_Trap_Write>)" + row + R"(</SNMP_Trap_Write></SNMP_Trap>)",
        [](TFSNMP_Trap_Access& w) {
            TExtColumnGrid& grid = *w.Grids[0];
            const auto numbers = [&grid] {
                return std::vector<std::string>{grid.Cells(0, 1), grid.Cells(0, 2), grid.Cells(0, 3),
                                                grid.Cells(0, 4), grid.Cells(0, 5)};
            };
            EXPECT_EQ(numbers(), (std::vector<std::string>{"1", "", "2", "3", "4"}));
            EXPECT_EQ(grid.Cells(13, 1), "None");
            EXPECT_EQ(grid.Cells(4, 1), "N");
            EXPECT_EQ(w.Grids[1]->Cells(0, 1), "1");
            const TRect box = grid.CellRect(1, 3);
            SendClick(&grid, (box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
            EXPECT_EQ(grid.Cells(1, 3), "N");
            EXPECT_EQ(numbers(), (std::vector<std::string>{"1", "", "", "2", "3"}));
        });
    EXPECT_TRUE(shown.empty()) << shown[0];
}

TEST(SNMPTrapWindow, TheConversionTextsComeFromTheEndOfTheBlock)
{
    SNMP_Harness h{File_SNMP_Trap, "SNMP_Trap.xml"};
    TFSNMP_Trap_Access& w = *h.window;
    const struct {
        int Table, Col;
        const char* Header;
        const char* Hint;
    } cases[] = {
        {0, 12, "IP Address", "Insert the IP Address destination of SNMP Trap"},
        {0, 13, "Conversion", "Select the Data Conversion from Float to Int"},
        {0, 14, "Mnemonic", "Insert a Description of SNMP Trap"},
        {1, 8, "Conversion", "Select the Data Conversion from Int to Float"},
        {1, 9, "Mnemonic", "Insert a Description of SNMP Trap"},
    };
    for (const auto& c : cases) {
        std::string hint;
        w.GridHint(w.Grids[c.Table], 0, c.Col, hint);
        EXPECT_EQ(hint, c.Hint) << c.Table << " " << c.Col;
        EXPECT_EQ(w.Grids[c.Table]->Cells(c.Col, 0), c.Header) << c.Table << " " << c.Col;
    }
    EXPECT_EQ(w.Sheets[1]->Caption(), "SNMP Write");
    EXPECT_EQ(w.Btn_PasteRow->Hint(), "Paste the Copied Fields in the Selected Row");
}
