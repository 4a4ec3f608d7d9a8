#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "resources/BuiltinTexts.h"
#include "workspace/ULanguage.h"

namespace {
struct BuiltinCase {
    int entry;
    const char* text;
};

// The first and last listed entry of every block, and texts whose ends or characters a
// careless copy would lose.
const BuiltinCase BuiltinCases[] = {
    {0, "Begin"},
    {9, "None Configuration Opened "},
    {54, "Create the CANopen EDS for Actual Configuration"},
    {100, "Create New Configuration"},
    {110, "Cancel the New Configuration"},
    {200, "Open Configuration"},
    {207, "Cancel open of Configuration"},
    {300, "Software Options"},
    {306, " / "},
    {321, "Enable Auto Size of Table Columns by Double Click"},
    {400, "Set Communication"},
    {769, "Enable/disable the Possibility to Create a Single PROFINET Module in GSDML file"},
    {800, "Set EtherNet/IP Slaves Access"},
    {874, "!! Data Segment must contain at least one byte"},
    {900, "PROFINET XML File Name"},
    {911, "File already exists! Do you want to overwrite the file?"},
    {1000, "Update Device by Serial"},
    {1037, "Error!!! Check the Ip Address"},
    {1100, "Row Already used. Do you want to overwrite the values?"},
    {1104, "Error! Please set the Set Communication Parameter before to create the GSD file"},
    {1200, "Set SNMP Trap Access"},
    {1277, "!! [SNMP Read] Description is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" "
           "and \"0\"..\"9\"). First character must be a letter and must be lowercase"},
    {1286, "!! [SNMP Write] Conversion must be selected"},
    {1300, "Transmit CAN Frames Set Access"},
    {1353, " or None"},
    {1363, "Enable or Disable the possibility to send the CAN Frame by Command"},
    {1400, "Receive CAN Frames Set Access"},
    {1458, "Are you sure to delete the Row number "},
    {1500, "BACnet Set Access"},
    {1560, "Are you sure to delete the Row number "},
    {1600, "Select the BACnet Engineering Unit"},
    {1608, "Select Engineering Unit"},
    {1700, "KNX Set Access"},
    {1760, "Are you sure to delete the Row number "},
    {1800, "Set MQTT Topics"},
    {1882, "Enable/Disabel the Possibility to Publish the Data at the Exchange of Value"},
    {1900, "Set Topic"},
    {1926, "Description for the M-Bus meter (defined in the section \u201CM-Bus\u201D)"},
    {1967, "Description for the KNX"},
    {2000, "Set PDO Access"},
    {2091, "Are you sure to delete the Row number "},
    {2100, "Set SDO Client Access"},
    {2179, "Are you sure to delete the Row number "},
    {2200, "Set SDO Server Access"},
    {2265, "Are you sure to delete the Row number "},
    {2300, "EtherNet/IP EDS Decode - Select the Connection to use"},
    {2315, "Error!! No Valid Connection found"},
    {2400, "EtherNet/IP Data Segment Editor"},
    {2415, "Param Number %d. The Value must be between %d and %d"},
    // Messages of the configurator's own, at free indexes of their windows' blocks.
    {770, "The values that could be read are shown; the others are at their defaults"},
    {898, "Error!! Every row of the list holds a slave. Delete a row before importing an EDS file"},
    {1099, "The updater could not be started:"},
    {2295, "!! [SDO in Read] SubIndex 0xFF is reserved and cannot be used"},
    {2298, "!! [SDO in Write] SubIndex 0 cannot be used with other SubIndexes of the same Index"},
    // Fillers: unlisted indexes, and the two overwrite questions whose callers fall back on 1103.
    {55, " "}, {70, " "}, {99, " "}, {1105, " "}, {1931, " "}, {1933, " "}, {2416, " "}, {2499, " "},
};

class BuiltinText : public testing::TestWithParam<BuiltinCase> {};

TEST_P(BuiltinText, HoldsItsListedText)
{
    EXPECT_EQ(std::string(Builtin_Texts[GetParam().entry]), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Entries, BuiltinText, testing::ValuesIn(BuiltinCases));

// The listed blocks leave 1144 fillers; the configurator's own messages take some of them.
constexpr int Added_Texts = 27;

TEST(BuiltinTexts, FillEveryIndexWith1144FillersLessTheAddedTexts)
{
    const int fillers = static_cast<int>(std::count_if(Builtin_Texts, Builtin_Texts + Builtin_Text_Count,
                                                       [](const char* t) { return std::string(t) == " "; }));
    EXPECT_EQ(fillers, 1144 - Added_Texts);
    EXPECT_TRUE(std::none_of(Builtin_Texts, Builtin_Texts + Builtin_Text_Count,
                             [](const char* t) { return t == nullptr || *t == '\0'; }));
}

TEST(BuiltinTexts, LoadDefaultTextsReplacesTheWholeTable)
{
    Lang_Table.Clear();
    Lang_Table.Add("left over");
    Load_Default_Texts();
    ASSERT_EQ(Lang_Table.Count(), 2500);
    for (int i = 0; i < Builtin_Text_Count; ++i) EXPECT_EQ(Lang_Table[i], Builtin_Texts[i]) << "entry " << i;
}
}  // namespace
