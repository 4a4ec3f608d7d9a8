#include <gtest/gtest.h>

#include "editors/frame/RuleWindowCases.h"
#include "editors/knx/UKNXAccess.h"
#include "workspace/UComon.h"

namespace {
using KNX_Harness = TRuleWindowHarness<TFKNXAccess>;

// Enable, Source, Destination, APCI, Priority, Format, Extended, ReTest, OnCMD, OnChange,
// OnTimer, Poll Time, Position, Bit Mode, Length, Mnemonic.
const std::vector<std::string> KNX_Message{"Y", "1.1.20", "1/2/3", "Write", "Normal", "None", "N",  "N",
                                           "N", "Y",      "Y",     "1000",  "10",     "No",   "14", "Lamp"};

std::vector<std::string> Bits(int Position, int StartBit, int Length, const char* Extended = "N")
{
    return With_Cell(With_Cell(With_Cell(With_Cell(KNX_Message, 13, std::to_string(Position)), 14,
                                         std::to_string(StartBit)),
                               15, std::to_string(Length)),
                     7, Extended);
}

const std::string KNX_Error = "Error row 1!! [KNX in Write] ";
const std::string Source_Error = KNX_Error + "Source Address must be a valid KNX Address (Ex. 1.1.20)";
const std::string Individual_Error =
    KNX_Error + "Destination Address must be a valid KNX Address (Ex. 1.1.20)";
const std::string Group_Error = KNX_Error + "Destination Address must be a valid KNX Address (Ex. 230.240)";
} // namespace

TEST(KNXWindow, ChecksAddressesAndServiceOfEnabledMessages)
{
    KNX_Harness h{File_KNX_SetAccess, "KNX_SetAccess.xml"};
    Expect_Rule_Checks(
        h,
        {
            {0, {KNX_Message}, ""},
            {0, {With_Cell(KNX_Message, 2, "0.0.0")}, ""},
            {0, {With_Cell(KNX_Message, 2, " 15.15.255 ")}, ""},
            {0, {With_Cell(KNX_Message, 2, "1/2/3")}, Source_Error},
            // An individual address has three parts: two are refused.
            {0, {With_Cell(KNX_Message, 2, "1.1")}, Source_Error},
            {0, {With_Cell(KNX_Message, 3, "1.1")}, Individual_Error},
            {0, {With_Cell(KNX_Message, 3, "1.1.20")}, ""},
            {0, {With_Cell(KNX_Message, 3, "0.0.0")}, ""},
            {0, {With_Cell(KNX_Message, 3, "0/0")}, Group_Error},
            {0, {With_Cell(KNX_Message, 3, "")}, Group_Error},
            {0, {With_Cell(KNX_Message, 4, "read")}, ""},
            {0, {With_Cell(KNX_Message, 4, "1023")}, ""},
            {0,
             {With_Cell(KNX_Message, 4, "1024")},
             KNX_Error + "APCI must be between 0 and 1023 or use the value Read or Write"},
            {0,
             {With_Cell(KNX_Message, 4, "-1")},
             KNX_Error + "APCI must be between 0 and 1023 or use the value Read or Write"},
            {0,
             {With_Cell(KNX_Message, 5, "normal")},
             KNX_Error + "Priority must be System or Urgent or Normal or Low"},
            {0, {With_Cell(KNX_Message, 6, " ")}, KNX_Error + "Format is not correct"},
            {0, {With_Cell(KNX_Message, 12, "0")}, KNX_Error + "Poll Time must be between 1 and 100000000"},
            {0, {With_Cell(With_Cell(KNX_Message, 11, "N"), 12, "letters")}, ""},
            // A disabled message is saved unchecked; a blank source would end the table and
            // drop the rows after it, so OK refuses it.
            {0,
             {With_Cell(With_Cell(KNX_Message, 1, "N"), 2, "bad"), With_Cell(KNX_Message, 2, " "),
              With_Cell(KNX_Message, 2, "bad")},
             "Error row 2" + Lang_Table[1799]},
        });
}

TEST(KNXWindow, ChecksWhereTheDataLiesInTheArray)
{
    KNX_Harness h{File_KNX_SetAccess, "KNX_SetAccess.xml"};
    const std::string ends = KNX_Error + "Position plus Length must be minor or equal to 1560";
    Expect_Rule_Checks(
        h,
        {
            {0, {With_Cell(KNX_Message, 13, "1560")}, KNX_Error + "Position must be between 0 and 1559"},
            {0, {With_Cell(KNX_Message, 14, "8")}, KNX_Error + "Bit Mode must be \"No\" or between 0 and 7"},
            {0, {With_Cell(KNX_Message, 14, "nO")}, ""},
            {0, {With_Cell(KNX_Message, 15, "15")}, KNX_Error + "Length must be between 1 and 14"},
            {0, {With_Cell(KNX_Message, 15, "0")}, KNX_Error + "Length must be between 1 and 14"},
            {0, {With_Cell(With_Cell(KNX_Message, 15, "255"), 7, "y")}, ""},
            {0,
             {With_Cell(With_Cell(KNX_Message, 15, "256"), 7, "Y")},
             KNX_Error + "Length must be between 1 and 255"},
            {0, {Bits(0, 0, 112)}, ""},
            {0, {Bits(0, 0, 113)}, KNX_Error + "Length must be between 1 and 112"},
            {0, {Bits(0, 0, 2041, "Y")}, KNX_Error + "Length must be between 1 and 2040"},
            {0, {Bits(1558, 7, 2)}, ""},
            {0, {Bits(1559, 7, 2)}, ends},
            {0, {With_Cell(With_Cell(KNX_Message, 13, "1559"), 15, "1")}, ""},
            {0, {With_Cell(With_Cell(KNX_Message, 13, "1559"), 15, "2")}, ends},
        });
}

TEST(KNXWindow, WritesTheGoldenFileAndReadsItBack)
{
    KNX_Harness h{File_KNX_SetAccess, "KNX_SetAccess.xml"};
    Expect_Golden_And_Reload(
        h,
        {{KNX_Message, With_Cell(With_Cell(Bits(100, 3, 20, "Y"), 4, "Read"), 16, "Lumière salon"),
          With_Cell(With_Cell(With_Cell(KNX_Message, 1, "N"), 5, "Urgent"), 6, "Float16 to Int * 10")}},
        "knx/golden/KNX_SetAccess.xml");
}

TEST(KNXWindow, NormalisesThePriorityAndReportsAMissingRequiredAttribute)
{
    KNX_Harness h{File_KNX_SetAccess, "KNX_SetAccess.xml"};
    const std::string row = R"(Source_Address="1.1.1" Destination_Address="1/1" APCI="Write" Extended="N" )"
                            R"(ReTest="N" On_Change="Y" Poll_Time="" Position="0" Bit_Mode="No" Mnemonic="")";
    const auto shown = Show_File<TFKNXAccess>(
        h,
        "<BACnet_to_KNX><KNX_in_Write><row " + row + R"( Priority="High" Length="1"/><row )" + row +
            R"( Length="2"/><row )" + row + R"( Priority="Low"/></KNX_in_Write></BACnet_to_KNX>)",
        [](TFKNXAccess& w) {
            const TExtColumnGrid& grid = *w.Grids[0];
            EXPECT_EQ(All_Cells(grid, 1),
                      (std::vector<std::string>{"Y", "1.1.1", "1/1", "Write", "Normal", "None", "N", "N", "N",
                                                "Y", "N", "", "0", "No", "1", ""}));
            EXPECT_EQ(grid.Cells(5, 2), "Normal");
            // The row without its length is shown, with the rest of its rule.
            EXPECT_EQ(grid.Cells(5, 3), "Low");
            EXPECT_EQ(grid.Cells(15, 3), "");
        });
    EXPECT_EQ(shown, std::vector<std::string>{"KNX_SetAccess.xml: row 3 has no Length"});
}

TEST(KNXWindow, DeletingTheFirstRowLeavesTheLastEmptyAndNotEnabled)
{
    KNX_Harness h{File_KNX_SetAccess, "KNX_SetAccess.xml"};
    h.dialogs.AnswerMessage(mrYes);
    h.Show([](TFKNXAccess& w) {
        TExtColumnGrid& grid = *w.Grids[0];
        EXPECT_EQ(grid.RowCount(), 1025);
        Fill_Row(grid, 1, KNX_Message);
        Fill_Row(grid, 2, With_Cell(KNX_Message, 16, "second"));
        grid.SetRow(1);
        w.Btn_DelRow_Click();
        EXPECT_EQ(grid.Cells(16, 1), "second");
        EXPECT_EQ(All_Cells(grid, 1024), std::vector<std::string>(16, ""));
    });
    EXPECT_EQ(h.Messages(), std::vector<std::string>{"Are you sure to delete the Row number 1"});
}

TEST(KNXWindow, HeaderHintsPassOverTheUnusedText)
{
    KNX_Harness h{File_KNX_SetAccess, "KNX_SetAccess.xml"};
    TExtColumnGrid& grid = *h.window->Grids[0];
    const struct {
        int Col;
        const char* Header;
        const char* Hint;
    } cases[] = {
        {1, "Enable", "Enable/Disabel the KNX Rule"},
        {8, "ReTest", "Enable/Disable the ReTest of KNX Variable"},
        {9, "OnCMD", "Enable/Disable the Possibility to Send the KNX Message on Command"},
        {16, "Mnemonic", "Insert a description of the KNX Message"},
    };
    for (const auto& c : cases) {
        std::string hint;
        h.window->GridHint(&grid, 0, c.Col, hint);
        EXPECT_EQ(hint, c.Hint) << c.Col;
        EXPECT_EQ(grid.Cells(c.Col, 0), c.Header) << c.Col;
    }
    EXPECT_EQ(h.window->Btn_OK->Hint(), "Confirm and save the KNX Set Access List");
}
