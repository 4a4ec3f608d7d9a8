#include <gtest/gtest.h>

#include "artefacts/descriptions/UEds.h"
#include "artefacts/descriptions/UEdsRules.h"
#include "artefacts/image/UBankImage.h"
#include "editors/canopen/RuleWindowHarness.h"
#include "editors/canopen/USet_PDO_Access.h"
#include "editors/canopen/USet_SDO_Client_Access.h"
#include "editors/canopen/USet_SDO_Server_Access.h"
#include "support/EdsChecker.h"
#include "workspace/UComon.h"

// What the three CANopen windows write is what the image builder and the EDS generator read.
namespace {
template <class TWindow>
void Save_Window(TRuleWindowHarness<TWindow>& h, const std::vector<std::string>& First,
                 const std::vector<std::string>& Second)
{
    TModalResult result = mrNone;
    const auto shown = h.Ok_Messages(
        [&](TWindow& w) {
            Fill_Row(*w.Grids[0], 1, First);
            Fill_Row(*w.Grids[1], 1, Second);
        },
        &result);
    EXPECT_TRUE(shown.empty()) << shown.front();
    ASSERT_EQ(result, mrOk);
}
} // namespace

TEST(CANopenRulesRoundTrip, WindowsToImageTablesAndEds)
{
    TRuleWindowHarness<TFSet_SDO_Server_Access> server{File_SDO_Server_CANopen, "SDO_Server_CANopen.xml"};
    TRuleWindowHarness<TFSet_SDO_Client_Access> client{File_SDO_Client_CANopen, "SDO_Client_CANopen.xml"};
    TRuleWindowHarness<TFSet_PDO_Access> pdo{File_PDO_CANopen, "PDO_CANopen.xml"};
    Save_Window(server, {"0x2000", "1", "4", "0", "1", "2", "3", "Speed"},
                {"$2001", "2", "2", "10", "11", "", "", ""});
    Save_Window(client, {"5", "0x1000", "1", "1", "100", "7", "", "", "", "Temp"},
                {"6", "0x6000", "2", "2", "0", "Y", "20", "21", "", "", "Set"});
    Save_Window(pdo, {"0x181", "2", "30", "31", "", "", "", "", "", "", "250", "In"},
                {"0x201", "1", "40", "", "", "", "", "", "", "", "10", "Y", "Out"});

    TCANopen_Tables tables;
    Read_CANopen_Rules({server.File, client.File, pdo.File}, tables);
    EXPECT_EQ(tables.Counts, (std::array<uint32_t, Rule_Table_Count>{1, 1, 1, 1, 1, 1}));
    const CANopen_Rule_Rec& read = tables.Records[SDO_Server_Read][0];
    EXPECT_EQ(read.Index, 0x2000);
    EXPECT_EQ(read.NByte, 4);
    EXPECT_EQ(read.Address[7], 3);
    EXPECT_EQ(tables.Records[SDO_Server_Write][0].Index, 0x2001);
    const CANopen_Rule_Rec& clientWrite = tables.Records[SDO_Client_Write][0];
    EXPECT_EQ(clientWrite.Device_ID, 6);
    EXPECT_EQ(clientWrite.Mode, 3); // sent on change
    EXPECT_EQ(clientWrite.Address[5], 21);
    EXPECT_EQ(tables.Records[Receive_PDO][0].Time, 250u);
    EXPECT_EQ(tables.Records[Receive_PDO][0].Address[1], 31);
    EXPECT_EQ(tables.Records[Transmit_PDO][0].COB_ID, 0x201u);
    EXPECT_NO_THROW(Build_Bank_Image({"", "", {server.File, client.File, pdo.File}}));

    SDO_Indexes.clear();
    Read_SDO_Server_Rules();
    Read_PDO_Rules();
    ASSERT_EQ(SDO_Indexes.size(), 2u);
    EXPECT_EQ(SDO_Indexes[1].Index, 0x2001);
    EXPECT_FALSE(SDO_Indexes[1].Sub_Indexs.at(0).Readonly);
    EXPECT_EQ(EDS_RPDO_Count, 1);
    EXPECT_EQ(EDS_RPDO_Table[0].COB_ID, 0x181u);
    EXPECT_EQ(EDS_TPDO_Table[0].Dimension, 1);

    const std::string eds = server.dir.File("out.eds");
    Create_EDS_File(eds);
    Expect_Clean_CANopen_EDS(eds);
    const std::string text = ReadTestFile(eds);
    EXPECT_NE(text.find("[2000sub1]"), std::string::npos);
    EXPECT_NE(text.find("[2001sub2]"), std::string::npos);
}
