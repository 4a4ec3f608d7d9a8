#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "editors/ethernetip/ScanListHarness.h"
#include "editors/ethernetip/ScanListRules.h"
#include "grid/control/ExtColumnGrid.h"
#include "platform/os/FileSystem.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Input.h"
#include "platform/xml/XMLDoc.h"

namespace {
using Rows = std::vector<std::vector<std::string>>;

class ScanListWindow : public testing::Test {
protected:
    TScanListHarness h;

    // Fills the rows of a window shown without a file and presses OK; the messages shown.
    std::vector<std::string> Check(const Rows& Targets, TModalResult* Result = nullptr)
    {
        std::remove(h.File.c_str());
        return h.Check(0, Targets, Result);
    }

    // The row elements of the file written.
    std::vector<TXMLNode> Written_Rows(TXMLDocument& xml) const
    {
        xml.LoadFromFile(h.File);
        std::vector<TXMLNode> rows;
        for (TXMLNode row = xml.DocumentElement().FirstChild(); row; row = row.NextSibling())
            rows.push_back(row);
        return rows;
    }
};

std::string Byte_List(int Count, const std::string& Separator = ",")
{
    std::string list;
    for (int i = 0; i < Count; ++i)
        list += (i ? Separator : "") + std::to_string(i % 256);
    return list;
}

const std::string Key = "0x01, 0x00, 0x0C, 0x00, 0x2A, 0x05, 0x81, 0x06";

} // namespace

TEST_F(ScanListWindow, WritesOneTargetAsTheImageBuilderReadsIt)
{
    EXPECT_TRUE(h.Check(0, {Valid_Target()}).empty());
    EXPECT_EQ(ReadTestFile(h.File),
              ReadTestFile(std::string(TEST_DATA_DIR) + "/ethernetip/golden/scan_list_one_target/" +
                           "EtherNetIP_Master_Rules.xml"));
}

TEST_F(ScanListWindow, ChecksEveryRuleOfARowAndTheTotals)
{
    struct Case {
        Rows Targets;
        std::string Expected; // "" when OK passes
    };
    const std::string row1 = "Error row 1";
    const Case cases[] = {
        {{Valid_Target()}, ""},
        {{Target_With({{Col_IP_Address, "192.168.1"}})},
         row1 + "!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {{Target_With({{Col_Start_Input, "-1"}})}, row1 + "!! Start Input must be major or equal to 0"},
        {{Target_With({{Col_Num_Input, "1439"}})},
         "Error!! The Total Number of Input Bytes must be between 0 and 1438"},
        {{Target_With({{Col_Num_Input, "1438"}})}, ""},
        {{Target_With({{Col_Num_Output, "700"}}), Target_With({{Col_Num_Output, "739"}})},
         "Error!! The Total Number of Output Bytes must be between 0 and 1438"},
        {{Target_With({{Col_Time_Poll, "0"}})}, row1 + "!! Poll Time must be between 1 and 100000000"},
        {{Target_With({{Col_Conn_Point_O_T, "65536"}})},
         row1 + "!! Connection Point O > T must be between 0 and 65535. Default Value 101"},
        {{Target_With({{Col_Dim_Header_T_O, " deFault "}, {Col_Dim_Header_O_T, "7"}})}, ""},
        {{Target_With({{Col_Dim_Header_T_O, ""}})},
         row1 + "!! Dimension Header T > O must be between 0 and 7. Default Value 0"},
        {{Target_With({{Col_Dim_Header_O_T, "8"}})},
         row1 + "!! Dimension Header O > T must be between 0 and 7. Default Value 4"},
        {{Target_With({{Col_Enable_Key, "y"}, {Col_Electronic_Key, Key + ","}})}, ""},
        {{Target_With({{Col_Enable_Key, "Y"}, {Col_Electronic_Key, " "}})},
         row1 + "!! Eletronic Key must contain 8 bytes"},
        {{Target_With({{Col_Enable_Key, "Y"}, {Col_Electronic_Key, "1,2,3,4,5,6,7"}})},
         row1 + "!! Eletronic Key must contain 8 bytes"},
        {{Target_With({{Col_Enable_Key, "Y"}, {Col_Electronic_Key, "1,2,x,4,5,6,7,8"}})},
         row1 + "!! Eletronic Key one or more bytes are wrong. Bytes must have a value between 0 and 255"},
        {{Target_With({{Col_Enable_Key, "Y"}, {Col_Electronic_Key, "1,,3,4,5,6,7,8"}})},
         row1 + "!! Eletronic Key one or more bytes are wrong. Bytes must have a value between 0 and 255"},
        {{Target_With({{Col_Enable_Key, "N"}, {Col_Electronic_Key, "rubbish"}})}, ""},
        {{Target_With({{Col_Enable_Segment, "Y"}, {Col_Data_Segment, Byte_List(510, " , ")}})}, ""},
        {{Target_With({{Col_Enable_Segment, "Y"}, {Col_Data_Segment, Byte_List(511)}})},
         row1 + "!! Data Segment must at max 510 bytes"},
        {{Target_With({{Col_Enable_Segment, "Y"}, {Col_Data_Segment, "256"}})},
         row1 + "!! Data Segment one or more bytes are wrong. Bytes must have a value between 0 and 255"},
        {{Target_With({{Col_Enable_Segment, "Y"}, {Col_Data_Segment, ""}})},
         row1 + "!! Data Segment must contain at least one byte"},
        // A disabled row is not checked.
        {{Target_With({{Col_Enable, "N"}, {Col_Time_Poll, "0"}})}, ""},
        {{Valid_Target(), Target_With({{Col_IP_Address, "300.1.1.1"}})},
         "Error row 2!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
    };
    for (const Case& c : cases) {
        TModalResult result = mrNone;
        const auto shown = Check(c.Targets, &result);
        EXPECT_EQ(shown,
                  c.Expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.Expected})
            << c.Expected;
        EXPECT_EQ(result, c.Expected.empty() ? mrOk : mrCancel) << c.Expected;
    }
}

TEST(ScanListByteLists, CountPiecesAsTheRuleSays)
{
    struct Case {
        const char* Text;
        int Key;
        int Segment;
    };
    const Case cases[] = {
        {"1,2,3,4,5,6,7,8", Byte_List_Good, Byte_List_Good},
        {" $FF , 0x10,3,4,5,6,7,8 ,", Byte_List_Good, Byte_List_Good},
        {"1,2,3,4,5,6,7,8,,", Byte_List_Wrong_Byte, Byte_List_Wrong_Byte},
        {",1,2,3,4,5,6,7,8", Byte_List_Wrong_Byte, Byte_List_Wrong_Byte},
        {"1,2,3,4,5,6,7,8,9", Byte_List_Wrong_Count, Byte_List_Good},
        {"1 2", Byte_List_Wrong_Byte, Byte_List_Wrong_Byte},
        {"0x80, 0x-1", Byte_List_Wrong_Byte, Byte_List_Wrong_Byte},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckBytesElectronicKey(c.Text), c.Key) << c.Text;
        EXPECT_EQ(CheckBytesDataSegment(c.Text), c.Segment) << c.Text;
    }
}

// Both lists are counted once over the text and no further than one byte past the longest
// list accepted: a list of megabytes is answered at once, whatever follows its 511th byte.
TEST(ScanListByteLists, StopCountingPastTheLongestList)
{
    const struct {
        std::string Text;
        int Result;
    } cases[] = {{Byte_List(510), Byte_List_Good},
                 {Byte_List(510) + ",300", Byte_List_Wrong_Byte},
                 {Byte_List(511) + ",300", Byte_List_Wrong_Count},
                 {Byte_List(100000) + ",x", Byte_List_Wrong_Count}};
    const auto start = std::chrono::steady_clock::now();
    for (const auto& c : cases) {
        EXPECT_EQ(CheckBytesDataSegment(c.Text), c.Result) << c.Text.size();
        EXPECT_EQ(CheckBytesElectronicKey(c.Text),
                  c.Result == Byte_List_Wrong_Byte ? Byte_List_Wrong_Byte : Byte_List_Wrong_Count)
            << c.Text.size();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

// Validation and the writer walk the same rows: a row that passed the checks is never
// dropped from the file, and a row left out of the file was never checked.
TEST_F(ScanListWindow, ValidationAndTheWriterKeepTheSameRows)
{
    struct Case {
        Rows Targets;
        std::string Expected;
        std::vector<std::string> WrittenIPs; // when OK passes
    };
    const auto blank = [](const char* Enable) {
        return Target_With({{Col_Enable, Enable}, {Col_IP_Address, " "}});
    };
    const auto broken = Target_With({{Col_IP_Address, "10.0.0.3"}, {Col_Time_Poll, "0"}});
    const auto third = Target_With({{Col_IP_Address, "10.0.0.3"}});
    const Case cases[] = {
        // An enabled row without an address ends both: the broken row after it is not
        // checked, and OK refuses the rows it would drop.
        {{Valid_Target(), blank("Y"), broken}, "Error row 2" + Lang_Table[899], {}},
        // A disabled one ends neither.
        {{Valid_Target(), blank("N"), broken}, "Error row 3!! Poll Time must be between 1 and 100000000", {}},
        {{Valid_Target(), blank("N"), third}, "", {"192.168.1.10", " ", "10.0.0.3"}},
        // Disabled rows without an address before the end of the list would be dropped.
        {{blank("N"), blank("N")}, "Error row 1" + Lang_Table[899], {}},
    };
    for (const Case& c : cases) {
        const auto shown = Check(c.Targets);
        EXPECT_EQ(shown,
                  c.Expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.Expected});
        if (!c.Expected.empty()) continue;
        TXMLDocument xml;
        std::vector<std::string> ips;
        for (const TXMLNode& row : Written_Rows(xml))
            ips.push_back(row.Attribute("IP_Address"));
        EXPECT_EQ(ips, c.WrittenIPs) << c.Targets.size();
    }
}

TEST_F(ScanListWindow, KeepsTargetConfigurationsThroughShowAndOk)
{
    WriteTestFile(h.File, Rules_File_With_Configuration);
    h.Show([](TFEtherNetIP_Master_Access& w) {
        ASSERT_TRUE(w.ArrTargetConf[0]);
        EXPECT_FALSE(w.ArrTargetConf[1]);
        const TTargetConfig& config = *w.ArrTargetConf[0];
        EXPECT_EQ(config.Format, "Assem100");
        ASSERT_EQ(config.ListParamObject.size(), 2u);
        EXPECT_EQ(config.ListParamObject[0].Max, 1000);
        EXPECT_EQ(config.ListParamObject[1].EnumString.Count(), 2);
        EXPECT_EQ(config.ListParamObject[1].GetEnumString(), "Off");
        EXPECT_EQ(config.GetConfigStrData(), "0x00,0x00,0x00");
        w.Btn_OK->Click();
    });
    EXPECT_EQ(ReadTestFile(h.File), Rules_File_With_Configuration);
}

TEST_F(ScanListWindow, ReadsMissingAttributesAsTheirDefaultsAndNoMoreThanTenRows)
{
    std::string rows;
    for (int r = 1; r <= 11; ++r)
        rows += R"(<row IP_Address="10.0.0.)" + std::to_string(r) + R"("><TargetCong Format="F)" +
                std::to_string(r) + R"("/></row>)";
    WriteTestFile(h.File, "<EtherNetIP_Master_Access>" + rows + "</EtherNetIP_Master_Access>");
    h.Show([](TFEtherNetIP_Master_Access& w) {
        EXPECT_EQ(Row_Cells(*w.ECG, 1),
                  (std::vector<std::string>{"N", "10.0.0.1", "", "", "", "", "", "", "", "", "", "Default",
                                            "Default", "N", "", "N", "", ""}));
        EXPECT_EQ(w.ECG->Cells(Col_IP_Address, 10), "10.0.0.10");
        ASSERT_TRUE(w.ArrTargetConf[9]);
        EXPECT_EQ(w.ArrTargetConf[9]->Format, "F10");
        EXPECT_TRUE(w.ArrTargetConf[9]->ListParamObject.empty());
    });
    EXPECT_EQ(h.Messages(),
              (std::vector<std::string>{"EtherNetIP_Master_Rules.xml: EtherNetIP_Master_Access "
                                        "holds more than 10 rows; the rows after row 10 are not "
                                        "shown"}));
}

// Delete and insert move a row's configuration with the row; copy and paste move texts only.
TEST_F(ScanListWindow, ConfigurationsStayWithTheirRows)
{
    std::string rows;
    for (int r = 1; r <= 10; ++r)
        rows += R"(<row Enable="N" IP_Address="10.0.0.)" + std::to_string(r) + R"("><TargetCong Format="F)" +
                std::to_string(r) + R"("/></row>)";
    WriteTestFile(h.File, "<EtherNetIP_Master_Access>" + rows + "</EtherNetIP_Master_Access>");
    const auto formats = [](const TFEtherNetIP_Master_Access& w) {
        std::string list;
        for (const auto& config : w.ArrTargetConf)
            list += (config ? config->Format : "-") + " ";
        return list;
    };
    h.Show([&](TFEtherNetIP_Master_Access& w) {
        w.ECG->SetRow(2);
        h.dialogs.AnswerMessage(mrNo);
        w.Btn_DelRow->Click();
        EXPECT_EQ(formats(w), "F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 ");
        h.dialogs.AnswerMessage(mrYes);
        w.Btn_DelRow->Click();
        EXPECT_EQ(formats(w), "F1 F3 F4 F5 F6 F7 F8 F9 F10 - ");
        EXPECT_EQ(w.ECG->Cells(Col_IP_Address, 2), "10.0.0.3");
        w.ECG->SetRow(1);
        w.Btn_InsRow->Click();
        EXPECT_EQ(formats(w), "- F1 F3 F4 F5 F6 F7 F8 F9 F10 ");
        w.ECG->SetRow(10);
        w.Btn_InsRow->Click();
        EXPECT_EQ(formats(w), "- F1 F3 F4 F5 F6 F7 F8 F9 - ");
        w.ECG->SetRow(2);
        w.Btn_CopyRow->Click();
        w.ECG->SetRow(1);
        w.Btn_PasteRow->Click();
        EXPECT_EQ(w.ECG->Cells(Col_IP_Address, 1), "10.0.0.1");
        EXPECT_EQ(formats(w), "- F1 F3 F4 F5 F6 F7 F8 F9 - ");
        Fill_Row(*w.ECG, 1, Target_With({{Col_IP_Address, "10.0.0.20"}}));
        Fill_Row(*w.ECG, 10, Target_With({{Col_IP_Address, "10.0.0.21"}}));
        w.Btn_OK->Click();
    });
    TXMLDocument xml;
    std::string written;
    for (const TXMLNode& row : Written_Rows(xml)) {
        const TXMLNode config = row.FindNode("TargetCong");
        written += (config ? config.Attribute("Format") : "-") + " ";
        // A configuration without parameters still has its (empty) parameter list.
        EXPECT_TRUE(!config || config.FindNode("ParamObjects")) << written;
    }
    EXPECT_EQ(written, "- F1 F3 F4 F5 F6 F7 F8 F9 - ");
}

// A data segment of 200,000 bytes of text pasted into its cell: OK says at once that it is
// too long.
TEST_F(ScanListWindow, OkAnswersAtOnceOnAPastedSegmentOfMegabytes)
{
    const std::string segment = Byte_List(60000);
    ASSERT_GT(segment.size(), 200000u);
    std::remove(h.File.c_str());
    std::string pasted;
    std::chrono::steady_clock::duration answer{};
    const TModalResult result = h.Show([&](TFEtherNetIP_Master_Access& w) {
        Fill_Row(*w.ECG, 1, Target_With({{Col_Enable_Segment, "Y"}}));
        // The segment's column lies right of the window's edge: the user walks there.
        const TRect cell = w.ECG->CellRect(Col_IP_Address, 1);
        SendClick(w.ECG, (cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
        for (int col = Col_IP_Address; col < Col_Data_Segment; ++col)
            SendKey(VK_RIGHT);
        SendKey(VK_F2);
        Clipboard()->SetAsText(segment);
        SendKey('V', {ssCtrl});
        SendKey(VK_RETURN);
        pasted = w.ECG->Cells(Col_Data_Segment, 1);
        const auto start = std::chrono::steady_clock::now();
        SendClick(w.Btn_OK, 5, 5);
        answer = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(w.ModalResult(), mrNone);
        w.Btn_Cancel->Click();
    });
    EXPECT_LT(answer, std::chrono::seconds(1));
    EXPECT_EQ(pasted, segment);
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(h.Messages(), std::vector<std::string>{"Error row 1" + Lang_Table[873]});
    EXPECT_FALSE(FileExists(h.File));
}
