#include <gtest/gtest.h>

#include "editors/bacnet/UBACnetSlaveSetAccess.h"
#include "editors/can/UReceiveCAN.h"
#include "editors/can/UTransmitCAN.h"
#include "editors/canopen/RuleWindowHarness.h"
#include "editors/canopen/USet_PDO_Access.h"
#include "editors/canopen/USet_SDO_Client_Access.h"
#include "editors/canopen/USet_SDO_Server_Access.h"
#include "editors/ethernetip/ScanListHarness.h"
#include "editors/knx/UKNXAccess.h"
#include "editors/mqtt/UMQTT_Set_Topic.h"
#include "editors/snmp/USNMP_Trap_Access.h"
#include "workspace/UComon.h"

// A rule file edited by hand or by another tool may start with a comment or a declaration.
// Every rule window reads the rules under the root element all the same (as the image
// builder and the EDS generator do), and OK writes them back with the root first.
namespace {
const char* const Leading_Nodes[] = {
    "<!-- exported by hand -->",
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- a -->\n<!-- b -->\n",
};

// The cells of the first rows of every grid, as the window shows them on the file.
template <class THarness>
std::vector<std::vector<std::string>> Shown_Rows(THarness& h, const std::string& Xml)
{
    WriteTestFile(h.File, Xml);
    std::vector<std::vector<std::string>> rows;
    h.Show([&](auto& w) {
        for (TExtColumnGrid* grid : w.Grids)
            for (int r = 1; r <= 3; ++r)
                rows.push_back(All_Cells(*grid, r));
    });
    return rows;
}

template <class THarness> void Expect_Rules_Under_The_Root(THarness& h, const std::string& Golden)
{
    const std::string golden = ReadTestFile(std::string(TEST_DATA_DIR) + "/" + Golden);
    const auto expected = Shown_Rows(h, golden);
    ASSERT_NE(expected.front(), std::vector<std::string>(expected.front().size())) << Golden;
    for (const char* leading : Leading_Nodes) {
        EXPECT_EQ(Shown_Rows(h, leading + golden), expected) << Golden << " after " << leading;
        h.Show([](auto& w) { w.Btn_OK->Click(); });
        EXPECT_EQ(ReadTestFile(h.File), golden) << Golden << " after " << leading;
    }
    EXPECT_TRUE(h.Messages().empty()) << Golden << ": " << h.Messages().front();
}

template <class TWindow> void Expect_Rules_Under_The_Root(std::string& FilePath, const std::string& Golden)
{
    TRuleWindowHarness<TWindow> h{FilePath, Golden.substr(Golden.rfind('/') + 1)};
    Expect_Rules_Under_The_Root(h, Golden);
}
} // namespace

TEST(LeadingNodes, EveryRuleWindowReadsTheRulesUnderTheRootElement)
{
    Expect_Rules_Under_The_Root<TFSet_SDO_Server_Access>(File_SDO_Server_CANopen,
                                                         "canopen/golden/SDO_Server_CANopen.xml");
    Expect_Rules_Under_The_Root<TFSet_SDO_Client_Access>(File_SDO_Client_CANopen,
                                                         "canopen/golden/SDO_Client_CANopen.xml");
    Expect_Rules_Under_The_Root<TFSet_PDO_Access>(File_PDO_CANopen, "canopen/golden/PDO_CANopen.xml");
    Expect_Rules_Under_The_Root<TFReceiveCAN>(File_CAN_Rec_Frames, "can/golden/CAN_Rec_Frames.xml");
    Expect_Rules_Under_The_Root<TFTransmitCAN>(File_CAN_Send_Frames, "can/golden/CAN_Send_Frames.xml");
    Expect_Rules_Under_The_Root<TFKNXAccess>(File_KNX_SetAccess, "knx/golden/KNX_SetAccess.xml");
    Expect_Rules_Under_The_Root<TFMQTT_Set_Topic>(File_MQTT_Set_Topic, "mqtt/golden/MQTT_Set_Topic.xml");
    Expect_Rules_Under_The_Root<TFSNMP_Trap_Access>(File_SNMP_Trap, "snmp/golden/SNMP_Trap.xml");
    Expect_Rules_Under_The_Root<TFBACnetSlaveSetAccess>(File_BACnet_Slave_SetAccess,
                                                        "bacnet/golden/BACnet_Slave_SetAccess.xml");
}

TEST(LeadingNodes, TheScanListReadsTheTargetsUnderTheRootElement)
{
    TScanListHarness h;
    Expect_Rules_Under_The_Root(h, "ethernetip/golden/scan_list_one_target/EtherNetIP_Master_Rules.xml");
}

// The BACnet window reads one flag of ParGen.xml, which may start with a comment as well.
TEST(LeadingNodes, TheBACnetWindowFindsTheDescriptionLimitUnderTheRootElement)
{
    TempDir dir;
    const std::string path = dir.File("ParGen.xml");
    WriteTestFile(path, "<!-- c --><Par_Gen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>");
    EXPECT_TRUE(BACnet_Desc_Chars_Limit(path));
}
