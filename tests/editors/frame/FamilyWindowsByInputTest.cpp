#include <gtest/gtest.h>

#include <functional>

#include "editors/bacnet/UBACnetSlaveSetAccess.h"
#include "editors/can/UReceiveCAN.h"
#include "editors/can/UTransmitCAN.h"
#include "editors/canopen/RuleWindowHarness.h"
#include "editors/knx/UKNXAccess.h"
#include "editors/mqtt/UMQTT_Set_Topic.h"
#include "editors/snmp/USNMP_Trap_Access.h"
#include "grid/control/ExtColumnGrid.h"
#include "platform/ui/Input.h"
#include "workspace/UComon.h"

// Every family rule window as a user meets it: a click on a text cell of the first rule row,
// a number typed with real keys, Enter; the cell holds what was typed.
namespace {

template <class TWindow> void Expect_Typed_Into_Cell(std::string& FilePath, const char* FileName)
{
    TRuleWindowHarness<TWindow> h{FilePath, FileName};
    bool typed = false;
    h.Show([&](TWindow& w) {
        TExtColumnGrid& grid = *w.Grids[0];
        const int col = First_Text_Column(grid);
        ASSERT_GE(col, 1);
        const TRect cell = grid.CellRect(col, 1);
        SendClick(&grid, (cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
        SendText("7");
        SendKey(VK_RETURN);
        typed = grid.Cells(grid.RealColIndex(col), 1) == "7";
        w.Btn_Cancel->Click();
    });
    EXPECT_TRUE(typed) << FileName;
}

TEST(FamilyWindowsByInput, ATypedNumberLandsInTheClickedCell)
{
    Expect_Typed_Into_Cell<TFReceiveCAN>(File_CAN_Rec_Frames, "CAN_Rec_Frames.xml");
    Expect_Typed_Into_Cell<TFTransmitCAN>(File_CAN_Send_Frames, "CAN_Send_Frames.xml");
    Expect_Typed_Into_Cell<TFSNMP_Trap_Access>(File_SNMP_Trap, "SNMP_Trap.xml");
    Expect_Typed_Into_Cell<TFKNXAccess>(File_KNX_SetAccess, "KNX_SetAccess.xml");
    Expect_Typed_Into_Cell<TFBACnetSlaveSetAccess>(File_BACnet_Slave_SetAccess, "BACnet_Slave_SetAccess.xml");
    Expect_Typed_Into_Cell<TFMQTT_Set_Topic>(File_MQTT_Set_Topic, "MQTT_Set_Topic.xml");
}

} // namespace
