#include <gtest/gtest.h>

#include "editors/bacnet/UBACnetSlaveSetAccess.h"
#include "editors/can/UReceiveCAN.h"
#include "editors/can/UTransmitCAN.h"
#include "editors/canopen/RuleWindowHarness.h"
#include "editors/canopen/USet_PDO_Access.h"
#include "editors/canopen/USet_SDO_Client_Access.h"
#include "editors/canopen/USet_SDO_Server_Access.h"
#include "editors/ethernetip/UEtherNetIP_Master_Access.h"
#include "editors/knx/UKNXAccess.h"
#include "editors/mqtt/UMQTT_Set_Topic.h"
#include "editors/snmp/USNMP_Trap_Access.h"
#include "grid/control/ExtColumnGrid.h"
#include "platform/os/FileSystem.h"
#include "platform/ui/Input.h"
#include "workspace/UComon.h"

// A rule file ends at the first row with a blank key, so OK must never take a table whose
// rows go on after such a row: every rule window refuses it and names the row.
namespace {

void Type_Into(TExtColumnGrid& Grid, int Col, int Row, const std::string& Text)
{
    const TRect cell = Grid.CellRect(Col, Row);
    SendClick(&Grid, (cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
    SendText(Text);
    SendKey(VK_RETURN);
}

void Click_Button(TControl& Button) { SendClick(&Button, 5, 5); }

// Row 1 left empty, something typed into row 2, OK: refused, naming row 1; nothing written.
template <class TWindow> void Expect_Gap_Refused(std::string& FilePath, const char* FileName, int Message)
{
    TRuleWindowHarness<TWindow> h{FilePath, FileName};
    const TModalResult result = h.Show([&](TWindow& w) {
        TExtColumnGrid& grid = *w.Grids[0];
        const int col = First_Text_Column(grid);
        ASSERT_GE(col, 1);
        Type_Into(grid, col, 2, "7");
        Click_Button(*w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone) << FileName;
        w.Btn_Cancel->Click();
    });
    EXPECT_EQ(result, mrCancel) << FileName;
    EXPECT_EQ(h.Messages(), std::vector<std::string>{"Error row 1" + Lang_Table[Message]}) << FileName;
    EXPECT_FALSE(FileExists(h.File)) << FileName;
}

TEST(RowsKeptByInput, EveryRuleWindowRefusesRowsAfterABlankKey)
{
    Expect_Gap_Refused<TFEtherNetIP_Master_Access>(File_EtherNetIP_Master_Rules,
                                                   "EtherNetIP_Master_Rules.xml", 899);
    Expect_Gap_Refused<TFSet_SDO_Server_Access>(File_SDO_Server_CANopen, "SDO_Server_CANopen.xml", 2299);
    Expect_Gap_Refused<TFSet_SDO_Client_Access>(File_SDO_Client_CANopen, "SDO_Client_CANopen.xml", 2199);
    Expect_Gap_Refused<TFSet_PDO_Access>(File_PDO_CANopen, "PDO_CANopen.xml", 2099);
    Expect_Gap_Refused<TFReceiveCAN>(File_CAN_Rec_Frames, "CAN_Rec_Frames.xml", 1499);
    Expect_Gap_Refused<TFTransmitCAN>(File_CAN_Send_Frames, "CAN_Send_Frames.xml", 1399);
    Expect_Gap_Refused<TFSNMP_Trap_Access>(File_SNMP_Trap, "SNMP_Trap.xml", 1299);
    Expect_Gap_Refused<TFKNXAccess>(File_KNX_SetAccess, "KNX_SetAccess.xml", 1799);
    Expect_Gap_Refused<TFBACnetSlaveSetAccess>(File_BACnet_Slave_SetAccess, "BACnet_Slave_SetAccess.xml",
                                               1599);
    Expect_Gap_Refused<TFMQTT_Set_Topic>(File_MQTT_Set_Topic, "MQTT_Set_Topic.xml", 1899);
}

std::string Pdo_Row(int Number)
{
    return "<row COB-ID=\"" + std::to_string(0x180 + Number) +
           "\" Dimension=\"1\" Address_B1=\"0\" Address_B2=\"\" Address_B3=\"\" Address_B4=\"\" "
           "Address_B5=\"\""
           " Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" Send_Time=\"0\" On_Change=\"N\" "
           "Mnemonic=\"m\"/>";
}

// Insert Row on row 1 of a table of 20 PDOs, then OK: the empty row would have ended the
// table and every PDO after it been lost. The window says so on the PDO's page.
TEST(RowsKeptByInput, InsertRowOnRowOneThenOkKeepsTheFileAndShowsThePage)
{
    TRuleWindowHarness<TFSet_PDO_Access> h{File_PDO_CANopen, "PDO_CANopen.xml"};
    std::string rows;
    for (int r = 1; r <= 20; ++r)
        rows += Pdo_Row(r);
    const std::string file = "<PDO_CANopen><Receive_PDO/><Transmit_PDO>" + rows +
                             "</Transmit_PDO></PDO_CANopen><!--SW_VERSION = 1.002-->";
    WriteTestFile(h.File, file);
    h.Show([&](TFSet_PDO_Access& w) {
        TExtColumnGrid& grid = Go_To(w, 1, 1);
        Click_Button(*w.Btn_InsRow);
        w.PageControl1->SetActivePageIndex(0);
        Click_Button(*w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
        EXPECT_EQ(w.PageControl1->ActivePageIndex(), 1);
        EXPECT_EQ(grid.Cells(1, 21), std::to_string(0x180 + 20));
        w.Btn_Cancel->Click();
    });
    EXPECT_EQ(h.Messages(), std::vector<std::string>{"Error row 1" + Lang_Table[2099]});
    EXPECT_EQ(ReadTestFile(h.File), file);
}

// Rows that hold nothing but their check boxes, as a cleared table does, are no loss.
TEST(RowsKeptByInput, TrailingRowsWithOnlyCheckBoxesPass)
{
    TRuleWindowHarness<TFReceiveCAN> h{File_CAN_Rec_Frames, "CAN_Rec_Frames.xml"};
    TModalResult result = mrNone;
    EXPECT_TRUE(h.Ok_Messages([](TFReceiveCAN& w) { w.Grids[0]->SetCells(1, 5, "N"); }, &result).empty());
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(FileExists(h.File));
}
} // namespace
