#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "editors/ethernetip/ScanListHarness.h"
#include "grid/control/ExtColumnGrid.h"
#include "platform/os/FileSystem.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Input.h"

namespace {
// The cells an import writes into its row, read off each maker's file by hand: the first
// connection's instance (both directions), points, header formats and the identity.
struct ImportCase {
    const char* File;
    const char* Instance;
    const char* PointTO;
    const char* PointOT;
    const char* HeaderTO;
    const char* HeaderOT;
    const char* Key;
    // Of the first connection's configuration, whose size the assembly gives where the
    // connection leaves it blank; 0 when it names none.
    int SegmentBytes;
};

const ImportCase Importable[] = {
    {"mettler_toledo_ind131_ethip.eds", "1", "100", "150", "Default", "Default",
     "0x9A, 0x02, 0x0C, 0x00, 0x09, 0x00, 0x81, 0x23", 0},
    {"sick_inspectorpi50.eds", "1", "101", "102", "Default", "Default",
     "0x28, 0x03, 0x0C, 0x00, 0x83, 0x00, 0x81, 0x01", 0},
    {"hilscher_netx90_re_eis.eds", "1", "101", "100", "4", "Default",
     "0x1B, 0x01, 0x0C, 0x00, 0x29, 0x01, 0x81, 0x01", 0},
    {"rockwell_e1plus_00010003012C0100.eds", "120", "50", "2", "Default", "Default",
     "0x01, 0x00, 0x03, 0x00, 0x2C, 0x01, 0x81, 0x02", 26},
    {"rockwell_193-eio_00010003028B0100.eds", "120", "199", "144", "Default", "Default",
     "0x01, 0x00, 0x03, 0x00, 0x8B, 0x02, 0x81, 0x01", 408},
    {"automationdirect_gs4_enetip_rev4_5.eds", "102", "101", "100", "Default", "Default",
     "0x94, 0x02, 0x0C, 0x00, 0x04, 0x02, 0x81, 0x01", 0},
    {"murrelektronik_stride_siol-ei8b_rev1_6.eds", "170", "101", "111", "Default", "Default",
     "0x80, 0x02, 0x0C, 0x00, 0xC4, 0xB3, 0x81, 0x05", 384},
    {"ifm_al1322_iol_master.eds", "199", "100", "150", "Default", "Default",
     "0x42, 0x01, 0x0C, 0x00, 0x2A, 0x05, 0x81, 0x06", 98},
    {"opener_sample_app.eds", "151", "100", "150", "Default", "Default",
     "0x01, 0x00, 0x0C, 0x00, 0xE9, 0xFD, 0x82, 0x03", 10},
};

const char* const Without_Connections[] = {"rockwell_5069-l306er_0001000E00C42000.eds",
                                           "vat_apc_devicenet_476297.eds"};

class EdsImportWindow : public testing::Test {
protected:
    TScanListHarness h;

    // Shows the scan list, lets Prepare fill it, imports File choosing the first connection
    // (the chooser answered by Choose) and returns the rows 1 to 10 afterwards.
    std::vector<std::vector<std::string>> Import(const std::string& File,
                                                 std::function<void(TFEtherNetIP_Master_Access&)> Prepare,
                                                 std::function<void(TFEtherNEtIP_EDS&)> Choose)
    {
        std::remove(h.File.c_str());
        std::vector<std::vector<std::string>> rows;
        h.Show([&](TFEtherNetIP_Master_Access& w) {
            if (Prepare) Prepare(w);
            h.dialogs.AnswerFile(File);
            h.dialogs.OnModal([&](TCustomForm& form) { Choose(static_cast<TFEtherNEtIP_EDS&>(form)); });
            w.Btn_Import_EDS->Click();
            for (int r = 1; r <= Scan_List_Targets; ++r)
                rows.push_back(Row_Cells(*w.ECG, r));
        });
        return rows;
    }

    const TTargetConfig* Config_Of_Row(int Row) const { return h.window->ArrTargetConf[Row - 1].get(); }
};

void Confirm(TFEtherNEtIP_EDS& Chooser) { Chooser.Btn_OK->Click(); }

std::vector<std::string> Blank_Row()
{
    std::vector<std::string> row(Col_Mnemonic, "");
    row[Col_Enable - 1] = "Y";
    return row;
}
} // namespace

TEST_F(EdsImportWindow, FillsTheFirstFreeRowFromEachMakersFile)
{
    REQUIRE_FIXTURES();
    for (const ImportCase& c : Importable) {
        const auto rows = Import(FixturePath(std::string("eds-eip/") + c.File), {}, Confirm);
        std::vector<std::string> expected = Blank_Row();
        expected[Col_Instance_T_O - 1] = c.Instance;
        expected[Col_Conn_Point_T_O - 1] = c.PointTO;
        expected[Col_Instance_O_T - 1] = c.Instance;
        expected[Col_Conn_Point_O_T - 1] = c.PointOT;
        expected[Col_Dim_Header_T_O - 1] = c.HeaderTO;
        expected[Col_Dim_Header_O_T - 1] = c.HeaderOT;
        expected[Col_Electronic_Key - 1] = c.Key;
        const std::string segment = rows[0][Col_Data_Segment - 1];
        expected[Col_Data_Segment - 1] = segment;
        EXPECT_EQ(rows[0], expected) << c.File;
        EXPECT_EQ(rows[1], Blank_Row()) << c.File;
        if (c.SegmentBytes == 0) {
            EXPECT_EQ(segment, "") << c.File;
            continue;
        }
        EXPECT_EQ(std::count(segment.begin(), segment.end(), ',') + 1, c.SegmentBytes) << c.File;
    }
}

TEST_F(EdsImportWindow, KeepsTheConfigurationTheConnectionNames)
{
    REQUIRE_FIXTURES();
    // A showing over a file without connections, closed before its timer fired, leaves
    // the next showing open.
    Import(FixturePath(std::string("eds-eip/") + Without_Connections[1]), {}, Confirm);
    const std::string file = FixturePath("eds-eip/ifm_al1322_iol_master.eds");
    const auto rows = Import(file, {}, [](TFEtherNEtIP_EDS& c) {
        EXPECT_FALSE(c.TClose->Enabled());
        Confirm(c);
    });
    ASSERT_NE(Config_Of_Row(1), nullptr);
    EXPECT_EQ(Config_Of_Row(1)->FileName, file);
    EXPECT_EQ(Config_Of_Row(1)->Size, "98");
    EXPECT_EQ(Config_Of_Row(1)->Format, "Assem199");
    EXPECT_EQ(rows[0][Col_Data_Segment - 1], Config_Of_Row(1)->GetConfigStrData());
    ASSERT_EQ(h.dialogs.FileRequests().size(), 2u);
    EXPECT_EQ(h.dialogs.FileRequests()[1].Filter, "EtherNet/IP EDS (*.eds)|*.eds");
}

// The import fills the first row whose address and Instance T > O are both blank and
// changes only the cells it imports, replacing an earlier configuration of that row.
TEST_F(EdsImportWindow, ChangesOnlyTheImportedCellsOfTheFirstFreeRow)
{
    REQUIRE_FIXTURES();
    const auto prepare = [](TFEtherNetIP_Master_Access& w) {
        Fill_Row(*w.ECG, 1, Valid_Target());
        w.ECG->SetCells(Col_Instance_T_O, 2, "7");
        Fill_Row(*w.ECG, 3,
                 {"N", " ", "1", "2", "3", "4", "5", " ", "", "", "", "", "", "Y", "old key", "Y", "1,2",
                  "Drive"});
        w.ArrTargetConf[2] = std::make_unique<TTargetConfig>();
    };
    const auto rows = Import(FixturePath("eds-eip/opener_sample_app.eds"), prepare, [](TFEtherNEtIP_EDS& c) {
        c.ECG->SetRow(2);
        c.Btn_OK->Click();
    });
    EXPECT_EQ(rows[0], Valid_Target());
    EXPECT_EQ(rows[1][Col_Instance_T_O - 1], "7");
    // The second connection of the file names no configuration assembly, so the row's
    // earlier configuration and segment go.
    EXPECT_EQ(rows[2], (std::vector<std::string>{
                           "N", " ", "1", "2", "3", "4", "5", "151", "100", "151", "152", "Default", "3", "Y",
                           "0x01, 0x00, 0x0C, 0x00, 0xE9, 0xFD, 0x82, 0x03", "Y", "", "Drive"}));
    EXPECT_EQ(Config_Of_Row(3), nullptr);
}

TEST_F(EdsImportWindow, LeavesTheListAsItWasWhenNothingIsImported)
{
    REQUIRE_FIXTURES();
    struct Case {
        std::string File;
        std::function<void(TFEtherNEtIP_EDS&)> Choose;
        std::vector<std::string> Messages;
    };
    const std::string usable = FixturePath("eds-eip/mettler_toledo_ind131_ethip.eds");
    const auto timer_fires = [](TFEtherNEtIP_EDS& c) {
        ASSERT_TRUE(c.TClose->Enabled());
        c.TClose->OnTimer(c.TClose);
    };
    std::vector<Case> cases;
    for (const char* file : Without_Connections)
        cases.push_back({FixturePath(std::string("eds-eip/") + file),
                         timer_fires,
                         {"Error!! No Valid Connection found"}});
    cases.push_back({h.dir.File("missing.eds"), timer_fires, {"Error!! No Valid Connection found"}});
    cases.push_back({usable, [](TFEtherNEtIP_EDS& c) { c.Btn_Cancel->Click(); }, {}});
    // OK pressed before the chooser closes itself.
    cases.push_back({FixturePath(std::string("eds-eip/") + Without_Connections[0]), Confirm, {}});
    for (const Case& c : cases) {
        const size_t before = h.dialogs.Messages().size();
        std::vector<std::vector<std::string>> filled;
        const auto rows = Import(
            c.File,
            [&](TFEtherNetIP_Master_Access& w) {
                for (int r = 1; r <= Scan_List_Targets; ++r)
                    filled.push_back(Row_Cells(*w.ECG, r));
            },
            c.Choose);
        EXPECT_EQ(rows, filled) << c.File;
        std::vector<std::string> shown;
        for (size_t m = before; m < h.dialogs.Messages().size(); ++m)
            shown.push_back(h.dialogs.Messages()[m].Text);
        EXPECT_EQ(shown, c.Messages) << c.File;
    }
}

// The import leaves the IP address to the user; OK before it is filled in must not drop
// the imported row and the target after it.
TEST_F(EdsImportWindow, OkRefusesAnImportedRowWithoutItsAddress)
{
    REQUIRE_FIXTURES();
    std::remove(h.File.c_str());
    h.Show([&](TFEtherNetIP_Master_Access& w) {
        Fill_Row(*w.ECG, 2, Valid_Target());
        h.dialogs.AnswerFile(FixturePath("eds-eip/opener_sample_app.eds"));
        h.dialogs.OnModal([](TCustomForm& form) { Confirm(static_cast<TFEtherNEtIP_EDS&>(form)); });
        w.Btn_Import_EDS->Click();
        ASSERT_EQ(w.ECG->Cells(Col_Instance_T_O, 1), "151");
        w.Btn_OK->Click();
        EXPECT_EQ(w.ModalResult(), mrNone);
        w.Btn_Cancel->Click();
    });
    EXPECT_EQ(h.Messages(), std::vector<std::string>{"Error row 1" + Lang_Table[899]});
    EXPECT_FALSE(FileExists(h.File));
}

// Every row holds a target, by its address or by an imported connection: Import EDS says so
// before the user picks a file and a connection that could go nowhere.
TEST_F(EdsImportWindow, AFullListSaysSoBeforeAnyDialog)
{
    std::remove(h.File.c_str());
    std::vector<std::vector<std::string>> before, after;
    h.Show([&](TFEtherNetIP_Master_Access& w) {
        for (int r = 1; r <= Scan_List_Targets; ++r)
            w.ECG->SetCells(r % 2 ? Col_IP_Address : Col_Instance_T_O, r, std::to_string(r));
        for (int r = 1; r <= Scan_List_Targets; ++r)
            before.push_back(Row_Cells(*w.ECG, r));
        SendClick(w.Btn_Import_EDS, 5, 5);
        for (int r = 1; r <= Scan_List_Targets; ++r)
            after.push_back(Row_Cells(*w.ECG, r));
    });
    EXPECT_EQ(after, before);
    EXPECT_EQ(h.Messages(), std::vector<std::string>{Lang_Table[898]});
    EXPECT_TRUE(h.dialogs.FileRequests().empty());
    EXPECT_EQ(h.dialogs.ModalForms(), std::vector<std::string>{"TFEtherNetIP_Master_Access"});
}

// A 25 KB EDS whose configuration assembly has 4080 members of 4080 bits each: the import
// decodes no more than it takes to know the segment is too long, and OK says so at once.
TEST_F(EdsImportWindow, AHugeConfigurationAssemblyIsRefusedAtOnce)
{
    std::string members;
    for (int k = 0; k < 4080; ++k)
        members += ",4080,";
    const std::string file = h.dir.File("huge.eds");
    WriteTestFile(file, "[Connection Manager]\n"
                        "Connection1 = 0, 0x44640405,,,,,,,,, 4080, Assem100, \"Big\", \"\", "
                        "\"20 04 24 64 2C 96 2C 64\";\n"
                        "[Assembly]\n"
                        "Assem100 = \"Config\",\"\",0,0,," +
                            members + ";\n");
    std::remove(h.File.c_str());
    const auto start = std::chrono::steady_clock::now();
    h.Show([&](TFEtherNetIP_Master_Access& w) {
        h.dialogs.AnswerFile(file);
        h.dialogs.OnModal(
            [](TCustomForm& form) { SendClick(static_cast<TFEtherNEtIP_EDS&>(form).Btn_OK, 5, 5); });
        SendClick(w.Btn_Import_EDS, 5, 5);
        ASSERT_EQ(w.ECG->Cells(Col_Instance_T_O, 1), "100");
        for (const auto& [col, text] : std::vector<std::pair<int, std::string>>{{Col_IP_Address, "10.0.0.1"},
                                                                                {Col_Start_Input, "0"},
                                                                                {Col_Num_Input, "4"},
                                                                                {Col_Start_Output, "0"},
                                                                                {Col_Num_Output, "4"},
                                                                                {Col_Time_Poll, "100"},
                                                                                {Col_Enable_Segment, "Y"}})
            w.ECG->SetCells(col, 1, text);
        SendClick(w.Btn_OK, 5, 5);
        EXPECT_EQ(w.ModalResult(), mrNone);
        w.Btn_Cancel->Click();
    });
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(h.Messages(), std::vector<std::string>{"Error row 1" + Lang_Table[873]});
    EXPECT_FALSE(FileExists(h.File));
}
