#include <gtest/gtest.h>

#include "editors/can/UReceiveCAN.h"
#include "editors/canopen/RuleWindowHarness.h"
#include "editors/canopen/USet_SDO_Server_Access.h"
#include "editors/ethernetip/UEtherNetIP_Master_Access.h"
#include "editors/mqtt/UMQTT_Set_Topic.h"
#include "grid/control/ExtColumnGrid.h"
#include "platform/ui/Input.h"
#include "workspace/UComon.h"

// A rule window opens ready for the keyboard: its grid has the focus, shows its top rows and
// has the first editable cell of row 1 current, however the last showing was left. The
// first Enter or Space goes to that cell, never to OK.
namespace {

struct TCellState {
    int TopRow, LeftCol, Col, Row;
    bool operator==(const TCellState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TCellState& s)
{
    return out << "top " << s.TopRow << " left " << s.LeftCol << " cell " << s.Col << "," << s.Row;
}

TCellState State_Of(const TExtColumnGrid& Grid)
{
    return {Grid.TopRow(), Grid.LeftCol(), Grid.Col(), Grid.Row()};
}

// Leaves the grid scrolled down and right with a cell far from row 1 current, as a user
// does with the keyboard.
void Wander(TExtColumnGrid& Grid)
{
    const TRect cell = Grid.CellRect(1, 1);
    SendClick(&Grid, (cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
    for (int k = 0; k < 3; ++k)
        SendKey(VK_NEXT);
    for (int k = 0; k < 12; ++k)
        SendKey(VK_RIGHT);
    ASSERT_GT(Grid.TopRow(), 1);
    ASSERT_GT(Grid.Row(), 1);
}

template <class TWindow>
void Expect_Ready_After_Reopening(std::string& FilePath, const char* FileName, int FirstEditable)
{
    TRuleWindowHarness<TWindow> h{FilePath, FileName};
    h.Show([](TWindow& w) {
        Wander(*w.Grids[0]);
        w.Btn_Cancel->Click();
    });
    h.Show([&](TWindow& w) {
        TExtColumnGrid& grid = *w.Grids[0];
        EXPECT_EQ(w.ActiveControl(), &grid) << FileName;
        EXPECT_TRUE(grid.Focused()) << FileName;
        EXPECT_EQ(State_Of(grid), (TCellState{1, 1, FirstEditable, 1})) << FileName;
        w.Btn_Cancel->Click();
    });
}

TEST(ReadyForKeys, ARuleWindowReopensAtItsTopLeftCellWithTheFocusInTheGrid)
{
    Expect_Ready_After_Reopening<TFSet_SDO_Server_Access>(File_SDO_Server_CANopen, "SDO_Server_CANopen.xml",
                                                          1);
    Expect_Ready_After_Reopening<TFReceiveCAN>(File_CAN_Rec_Frames, "CAN_Rec_Frames.xml", 1);
    Expect_Ready_After_Reopening<TFEtherNetIP_Master_Access>(File_EtherNetIP_Master_Rules,
                                                             "EtherNetIP_Master_Rules.xml", 1);
    // Its grids hide columns: the cell is the first one shown.
    Expect_Ready_After_Reopening<TFMQTT_Set_Topic>(File_MQTT_Set_Topic, "MQTT_Set_Topic.xml", 1);
}

TEST(ReadyForKeys, TheFirstEnterGoesToTheCellNotToOk)
{
    TRuleWindowHarness<TFSet_SDO_Server_Access> h{File_SDO_Server_CANopen, "SDO_Server_CANopen.xml"};
    h.Show([](TFSet_SDO_Server_Access& w) {
        SendKey(VK_RETURN);
        EXPECT_EQ(w.ModalResult(), mrNone);
        SendText("8192");
        SendKey(VK_RETURN);
        EXPECT_EQ(w.ModalResult(), mrNone);
        EXPECT_EQ(w.Grids[0]->Cells(1, 1), "8192");
        w.Btn_Cancel->Click();
    });
    EXPECT_TRUE(h.Messages().empty());
}

TEST(ReadyForKeys, TheFirstSpaceAfterReopeningTogglesTheEnableBoxOfRowOne)
{
    TRuleWindowHarness<TFReceiveCAN> h{File_CAN_Rec_Frames, "CAN_Rec_Frames.xml"};
    h.Show([](TFReceiveCAN& w) {
        Wander(*w.Grids[0]);
        w.Btn_Cancel->Click();
    });
    h.Show([](TFReceiveCAN& w) {
        ASSERT_EQ(w.Grids[0]->Cells(1, 1), "Y");
        SendKey(VK_SPACE);
        EXPECT_EQ(w.ModalResult(), mrNone);
        EXPECT_EQ(w.Grids[0]->Cells(1, 1), "N");
        w.Btn_Cancel->Click();
    });
    EXPECT_TRUE(h.Messages().empty());
}
} // namespace
