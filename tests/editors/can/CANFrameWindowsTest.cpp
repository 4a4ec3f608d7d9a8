#include <gtest/gtest.h>

#include "editors/can/UReceiveCAN.h"
#include "editors/can/UTransmitCAN.h"
#include "editors/frame/RuleWindowCases.h"
#include "workspace/UComon.h"

namespace {
using Receive_Harness = TRuleWindowHarness<TFReceiveCAN>;
using Transmit_Harness = TRuleWindowHarness<TFTransmitCAN>;

const std::string A11 = "2.0A (11 bits)";
const std::string B29 = "2.0B (29 bits)";

// Enable, CobID, Type, Dimension, TimeOut, Byte1 to Byte8, Mnemonic.
const std::vector<std::string> Received{"Y", "0x181", A11, "8", "100", "0",    "1",
                                        "2", "3",     "4", "5", "6",   "1499", "In"};
// Enable, CobID, Type, Dimension, OnChange, OnCMD (hidden), OnTimer, Time, Byte1 to Byte8, Mnemonic.
const std::vector<std::string> Sent{"Y",  "$201", A11,  "8",  "Y",  "N",  "Y",    "250", "0",
                                    "10", "20",   "30", "40", "50", "60", "None", "Out"};

std::string Byte_Error(int Row, int Byte)
{
    return "Error row " + std::to_string(Row) + "!! Byte" + std::to_string(Byte) +
           " must be between 0 and 1499 or None";
}
} // namespace

TEST(CANReceiveWindow, ChecksTheEnabledFramesUpToTheFirstBlankCobID)
{
    Receive_Harness h{File_CAN_Rec_Frames, "CAN_Rec_Frames.xml"};
    const std::string row1 = "Error row 1!! ";
    Expect_Rule_Checks(
        h,
        {
            {0, {With_Cell(Received, 2, "2047")}, ""},
            {0, {With_Cell(Received, 2, "2048")}, row1 + "CobID must be between 0 and 2047"},
            {0, {With_Cell(With_Cell(Received, 2, "2048"), 3, B29)}, ""},
            {0, {With_Cell(With_Cell(Received, 2, "0x1FFFFFFF"), 3, B29)}, ""},
            {0,
             {With_Cell(With_Cell(Received, 2, "0x20000000"), 3, B29)},
             row1 + "CobID must be between 0x00000000 and 0x1FFFFFFF"},
            // A type the list does not hold counts as 29 bits.
            {0, {With_Cell(With_Cell(Received, 2, "4096"), 3, "")}, ""},
            {0, {With_Cell(Received, 2, "-1")}, row1 + "CobID must be between 0 and 2047"},
            {0, {With_Cell(Received, 4, "0")}, row1 + "Dimension must be between 1 and 8"},
            {0, {With_Cell(Received, 4, "9")}, row1 + "Dimension must be between 1 and 8"},
            {0, {With_Cell(Received, 5, "100000000")}, ""},
            {0,
             {With_Cell(Received, 5, "100000001")},
             row1 + "TimeOut must be between 0 and 100000000 milliseconds"},
            {0, {With_Cell(With_Cell(Received, 4, "2"), 8, "5000")}, ""},
            {0, {With_Cell(With_Cell(Received, 4, "3"), 8, "5000")}, Byte_Error(1, 3)},
            {0, {With_Cell(With_Cell(Received, 6, "None"), 7, "")}, ""},
            {0, {With_Cell(Received, 6, "none")}, Byte_Error(1, 1)},
            {0, {With_Cell(Received, 13, "1500")}, Byte_Error(1, 8)},
            {0, {With_Cell(Received, 7, " 16 ")}, ""},
            // Disabled frames are saved unchecked; a blank CobID ends the table
            // even when its row is disabled.
            {0,
             {With_Cell(With_Cell(Received, 1, "N"), 2, "9999"), With_Cell(Received, 1, "n"),
              With_Cell(Received, 4, "0")},
             "Error row 3!! Dimension must be between 1 and 8"},
            {0,
             {Received, With_Cell(With_Cell(Received, 1, "N"), 2, " "), With_Cell(Received, 4, "0")},
             "Error row 2" + Lang_Table[1499]},
        });
}

TEST(CANTransmitWindow, ChecksTheTimeOnlyForFramesOnATimer)
{
    Transmit_Harness h{File_CAN_Send_Frames, "CAN_Send_Frames.xml"};
    const std::string row1 = "Error row 1!! ";
    Expect_Rule_Checks(
        h, {
               {0, {Sent}, ""},
               {0, {With_Cell(With_Cell(Sent, 7, "N"), 8, "letters")}, ""},
               {0, {With_Cell(Sent, 8, "")}, row1 + "Time must be between 0 and 100000000 milliseconds"},
               {0,
                {With_Cell(Sent, 8, "100000001")},
                row1 + "Time must be between 0 and 100000000 milliseconds"},
               {0, {With_Cell(Sent, 2, "0x800")}, row1 + "CobID must be between 0 and 2047"},
               {0,
                {With_Cell(With_Cell(Sent, 2, "0x20000000"), 3, B29)},
                row1 + "CobID must be between 0x00000000 and 0x1FFFFFFF"},
               {0, {With_Cell(Sent, 4, "")}, row1 + "Dimension must be between 1 and 8"},
               {0, {With_Cell(With_Cell(Sent, 4, "7"), 16, "5000")}, ""},
               {0, {With_Cell(Sent, 16, "5000")}, Byte_Error(1, 8)},
               {0, {With_Cell(Sent, 1, "N"), With_Cell(Sent, 9, "x")}, Byte_Error(2, 1)},
           });
}

TEST(CANReceiveWindow, WritesTheGoldenFileAndReadsItBack)
{
    Receive_Harness h{File_CAN_Rec_Frames, "CAN_Rec_Frames.xml"};
    Expect_Golden_And_Reload(
        h,
        {{Received, With_Cell(With_Cell(With_Cell(Received, 1, "N"), 3, B29), 14, "Température"),
          With_Cell(With_Cell(Received, 4, "1"), 6, "None")}},
        "can/golden/CAN_Rec_Frames.xml");
}

TEST(CANTransmitWindow, WritesTheGoldenFileAndReadsItBack)
{
    Transmit_Harness h{File_CAN_Send_Frames, "CAN_Send_Frames.xml"};
    // The hidden OnCMD column is written "N" whatever it held.
    const auto onCommand = With_Cell(With_Cell(With_Cell(Sent, 6, "Y"), 5, "N"), 17, "Vitesse moteur");
    Expect_Golden_And_Reload(
        h, {{Sent, onCommand, With_Cell(With_Cell(Sent, 1, "N"), 3, B29)}}, "can/golden/CAN_Send_Frames.xml",
        {{Sent, With_Cell(onCommand, 6, "N"), With_Cell(With_Cell(Sent, 1, "N"), 3, B29)}});
}

TEST(CANReceiveWindow, ReadsMissingAttributesAsTheirDefaultsAndPassesOverComments)
{
    Receive_Harness h{File_CAN_Rec_Frames, "CAN_Rec_Frames.xml"};
    const auto shown = Show_File<TFReceiveCAN>(
        h,
        R"(<Receive_Frames><row COBID="5" Dim="1"/><!-- kept for later --><row COBID="6" Enable="N"/></Receive_Frames>)",
        [](TFReceiveCAN& w) {
            const std::vector<std::string> empty(8, "");
            std::vector<std::string> first{"Y", "5", "", "1", "0"};
            first.insert(first.end(), empty.begin(), empty.end());
            first.push_back("");
            EXPECT_EQ(All_Cells(*w.Grids[0], 1), first);
            // A comment holds no frame: the frames after it stay in the table, so the
            // next OK keeps them.
            EXPECT_EQ(w.Grids[0]->Cells(2, 2), "6");
            EXPECT_EQ(w.Grids[0]->Cells(1, 2), "N");
        });
    EXPECT_TRUE(shown.empty());
}

TEST(CANTransmitWindow, CompletesLoadedFramesAndStopsAtAComment)
{
    Transmit_Harness h{File_CAN_Send_Frames, "CAN_Send_Frames.xml"};
    const auto shown = Show_File<TFTransmitCAN>(
        h,
        R"(<Transmit_Frames><row COBID="1" Dim="1" OnCMD="Y"/><row COBID="2" OnTimer="Y"/>)"
        R"(<row COBID="3" OnTimer="Y" Time=""/><!-- note --><row COBID="4"/></Transmit_Frames>)",
        [](TFTransmitCAN& w) {
            const TExtColumnGrid& grid = *w.Grids[0];
            EXPECT_EQ(All_Cells(grid, 1), (std::vector<std::string>{"Y", "1", A11, "1", "Y", "N", "N", "", "",
                                                                    "", "", "", "", "", "", "", ""}));
            EXPECT_EQ(grid.Cells(8, 2), "0");
            EXPECT_EQ(grid.Cells(8, 3), "");
            EXPECT_EQ(grid.Cells(2, 4), "");
            EXPECT_EQ(grid.Cells(2, 5), "");
        });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("CAN_Send_Frames.xml"), std::string::npos) << shown[0];
}

TEST(CANTransmitWindow, HintsFollowTheRealColumnsAndRowsCopyTheHiddenOne)
{
    Transmit_Harness h{File_CAN_Send_Frames, "CAN_Send_Frames.xml"};
    h.Show([](TFTransmitCAN& w) {
        TExtColumnGrid& grid = *w.Grids[0];
        EXPECT_EQ(grid.ColCount(), 17);
        std::string hint;
        w.GridHint(&grid, 0, 7, hint);
        EXPECT_EQ(hint, "Insert the Time in milliseconds between the sending of CAN frames, only if checked "
                        "the OnTimer Option");
        w.GridHint(&grid, 0, 16, hint);
        EXPECT_EQ(hint, "Insert a description of the CAN Frame");
        w.GridHint(&grid, 3, 7, hint);
        EXPECT_EQ(hint, "");

        Fill_Row(grid, 1, Sent);
        grid.SetRow(1);
        w.Btn_CopyRowClick();
        EXPECT_EQ(Copy_Row_Buffer.Count(), 17);
        grid.SetRow(2);
        w.Btn_PasteRowClick();
        EXPECT_EQ(All_Cells(grid, 2), Sent);
    });
    EXPECT_TRUE(h.Messages().empty());
}

TEST(CANWindows, ARowCopiedInOneWindowIsNotPastedInTheOther)
{
    Receive_Harness receive{File_CAN_Rec_Frames, "CAN_Rec_Frames.xml"};
    Transmit_Harness transmit{File_CAN_Send_Frames, "CAN_Send_Frames.xml"};
    receive.Show([](TFReceiveCAN& w) {
        Fill_Row(*w.Grids[0], 1, Received);
        w.Grids[0]->SetRow(1);
        w.Btn_CopyRowClick();
    });
    transmit.Show([](TFTransmitCAN& w) {
        w.Grids[0]->SetRow(1);
        w.Btn_PasteRowClick();
        EXPECT_EQ(w.Grids[0]->Cells(2, 1), "");
    });
    EXPECT_EQ(transmit.Messages(), std::vector<std::string>{"Error!!! Copy a valid row before Paste it"});
}

TEST(CANReceiveWindow, DeleteRowAsksWithTheRowNumberAndInsertRowEnablesTheNewRow)
{
    Receive_Harness h{File_CAN_Rec_Frames, "CAN_Rec_Frames.xml"};
    h.dialogs.AnswerMessage(mrYes);
    h.Show([](TFReceiveCAN& w) {
        TExtColumnGrid& grid = *w.Grids[0];
        Fill_Row(grid, 512, Received);
        grid.SetRow(512);
        w.Btn_DelRow_Click();
        EXPECT_EQ(All_Cells(grid, 512), std::vector<std::string>(14, ""));
        grid.SetRow(7);
        grid.SetCells(1, 7, "N");
        w.Btn_InsRowClick();
        EXPECT_EQ(grid.Cells(1, 7), "Y");
        EXPECT_EQ(grid.Cells(1, 8), "N");
    });
    EXPECT_EQ(h.Messages(), std::vector<std::string>{"Are you sure to delete the Row number 512"});
}
