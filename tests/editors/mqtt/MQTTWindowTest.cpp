#include <gtest/gtest.h>

#include "editors/canopen/RuleWindowHarness.h"
#include "editors/mqtt/UMQTT_Set_Topic.h"
#include "editors/mqtt/UTopicTemplate.h"
#include "workspace/UComon.h"

namespace {
using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

// Topic, Retained, QoS, DataType, Dimension, Position, IPAddress, InputTemplate, Template,
// OnChange, Mnemonic.
const Row Pub_Row{"plant/temp", "Y", "1", "Float", "4", "0", "", "", "$VALUE$", "N", "Temperature"};
// Topic, Retained, QoS, DataType, Dimension, Position, IPAddress, Port, EthType,
// InputTemplate, Template, Mnemonic.
const Row Sub_Row{"plant/set", "N", "2", "Int", "2", "10", "", "", "", "", "", "Set point"};

enum { Publish_Page = 0, Subscribe_Page = 1 };

Row Topic_With(Row Cells, size_t Col, const std::string& Text)
{
    Cells[Col - 1] = Text;
    return Cells;
}

class MQTTWindow : public testing::Test {
protected:
    MQTTWindow()
    {
        FTopicTemplate = new TFTopicTemplate(&h.owner);
        FTopicTemplate->AfterConstruction();
    }
    ~MQTTWindow() override { FTopicTemplate = nullptr; }

    TRuleWindowHarness<TFMQTT_Set_Topic> h{File_MQTT_Set_Topic, "MQTT_Set_Topic.xml"};
};

std::string MQTT_Golden(const std::string& Name)
{
    return ReadTestFile(std::string(TEST_DATA_DIR) + "/mqtt/golden/" + Name);
}
} // namespace

TEST(MQTTTemplates, AreRefusedForAnOddNumberOfDollars)
{
    const std::pair<const char*, bool> cases[] = {
        {"$VALUE$", false},
        {"", false},
        {"no keywords", false},
        {"$", true},
        {"{\"v\": $VALUE$, \"t\": $TIME}", true},
        {"€$A$€$B$", false},
    };
    for (const auto& [text, wrong] : cases)
        EXPECT_EQ(TFMQTT_Set_Topic::Error_In_Topic_Template(text), wrong) << text;
}

TEST_F(MQTTWindow, ChecksTheVisibleColumnsOfBothGrids)
{
    struct Case {
        int Table;
        Rows Rules;
        std::string Expected; // "" when OK passes
    };
    const std::string pub = "Error row 1!! [MQTT Publish] ";
    const std::string sub = "Error row 1!! [MQTT Subscribe] ";
    const Case cases[] = {
        {Publish_Page, {Pub_Row, Topic_With(Pub_Row, 9, "no keywords")}, ""},
        {Publish_Page, {Topic_With(Pub_Row, 4, "")}, pub + "Data Type must be selected"},
        {Publish_Page, {Topic_With(Pub_Row, 4, "  ")}, pub + "Data Type must be selected"},
        {Subscribe_Page, {Topic_With(Sub_Row, 4, "")}, sub + "Data Type must be selected"},
        {Publish_Page, {Topic_With(Pub_Row, 5, "2")}, pub + "Dimension must be equal to 4 or 8"},
        {Publish_Page, {Topic_With(Topic_With(Pub_Row, 4, " float "), 5, "8")}, ""},
        {Subscribe_Page, {Topic_With(Sub_Row, 5, "3")}, sub + "Dimension must be equal to 1 or 2 or 4 or 8"},
        {Subscribe_Page, {Topic_With(Sub_Row, 5, "8"), Topic_With(Sub_Row, 5, "1")}, ""},
        {Publish_Page,
         {Topic_With(Topic_With(Pub_Row, 4, "String"), 5, "0")},
         pub + "Dimension must be major of 0"},
        {Subscribe_Page,
         {Topic_With(Topic_With(Sub_Row, 4, "Base64"), 5, "")},
         sub + "Dimension must be major of 0"},
        {Subscribe_Page, {Topic_With(Topic_With(Sub_Row, 4, "Base64"), 5, "1000")}, ""},
        {Publish_Page, {Topic_With(Pub_Row, 6, "1439")}, ""},
        {Publish_Page, {Topic_With(Pub_Row, 6, "1440")}, pub + "Position must be beetween 0 and 1439"},
        {Subscribe_Page, {Topic_With(Sub_Row, 6, "-1")}, sub + "Position must be beetween 0 and 1439"},
        {Subscribe_Page, {Topic_With(Sub_Row, 6, "")}, sub + "Position must be beetween 0 and 1439"},
        {Publish_Page, {Topic_With(Pub_Row, 9, "$VALUE")}, pub + "Template not Correct, Check the Keywords"},
        {Subscribe_Page,
         {Sub_Row, Topic_With(Sub_Row, 11, "$")},
         "Error row 2!! [MQTT Subscribe] Template not Correct, Check the Keywords"},
        // Hidden columns are never checked.
        {Publish_Page, {Topic_With(Topic_With(Pub_Row, 7, "no address"), 8, "$")}, ""},
        {Subscribe_Page, {Topic_With(Topic_With(Topic_With(Sub_Row, 7, "x"), 8, "99999"), 10, "$")}, ""},
        // A blank Topic would end the grid and drop the rows after it.
        {Publish_Page,
         {Pub_Row, Topic_With(Pub_Row, 1, " "), Topic_With(Pub_Row, 4, "")},
         "Error row 2" + Lang_Table[1899]},
    };
    for (const Case& c : cases) {
        TModalResult result = mrNone;
        EXPECT_EQ(h.Check(c.Table, c.Rules, &result),
                  c.Expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.Expected})
            << c.Table << " " << c.Rules.back()[3] << " " << c.Rules.back()[4];
        EXPECT_EQ(result, c.Expected.empty() ? mrOk : mrCancel);
    }
}

TEST_F(MQTTWindow, WritesTheGoldenFileAndReloadsItWithItsHiddenColumns)
{
    const Rows pub{Topic_With(Topic_With(Topic_With(Pub_Row, 7, "not an address"), 8, "in $"), 10, "Y"),
                   Topic_With(Pub_Row, 11, " spaced ")};
    const Rows sub{
        Topic_With(Topic_With(Topic_With(Topic_With(Sub_Row, 7, "10.0.0.9"), 8, "502"), 9, "UDP"), 10, "$A$"),
        Topic_With(Topic_With(Sub_Row, 2, "Y"), 11, "$VALUE$")};
    EXPECT_TRUE(h.Ok_Messages([&](TFMQTT_Set_Topic& w) {
                     for (size_t r = 0; r < pub.size(); ++r)
                         Fill_Row(*w.ECG_Pub, static_cast<int>(r) + 1, pub[r]);
                     for (size_t r = 0; r < sub.size(); ++r)
                         Fill_Row(*w.ECG_Sub, static_cast<int>(r) + 1, sub[r]);
                 }).empty());
    EXPECT_EQ(ReadTestFile(h.File), MQTT_Golden("MQTT_Set_Topic.xml"));

    h.Show([&](TFMQTT_Set_Topic& w) {
        for (size_t r = 0; r < pub.size(); ++r)
            EXPECT_EQ(All_Cells(*w.ECG_Pub, static_cast<int>(r) + 1), pub[r]);
        for (size_t r = 0; r < sub.size(); ++r)
            EXPECT_EQ(All_Cells(*w.ECG_Sub, static_cast<int>(r) + 1), sub[r]);
        Press_OK(w);
    });
    EXPECT_EQ(ReadTestFile(h.File), MQTT_Golden("MQTT_Set_Topic.xml"));
    EXPECT_TRUE(h.Messages().empty());
}

TEST_F(MQTTWindow, ReadsOptionalAttributesWithTheirDefaultsAndReportsMissingRequiredOnes)
{
    WriteTestFile(h.File, "<MQTT_Set_Topic><MQTT_Publish>"
                          "<row Topic=\"a\" Retained=\"N\" QoS=\"0\" Mnemonic=\"m\"/>"
                          "<row Topic=\"b\" Retained=\"N\" Mnemonic=\"n\" DataType=\"Int\"/>"
                          "</MQTT_Publish><MQTT_Subscribe>"
                          "<row Topic=\"c\" Retained=\"N\" QoS=\"1\" Port=\"7\" Mnemonic=\"o\"/>"
                          "</MQTT_Subscribe></MQTT_Set_Topic>");
    h.Show([](TFMQTT_Set_Topic& w) {
        EXPECT_EQ(All_Cells(*w.ECG_Pub, 1), (Row{"a", "N", "0", "", "", "", "", "", "", "N", "m"}));
        EXPECT_EQ(All_Cells(*w.ECG_Pub, 2), (Row{"b", "N", "", "Int", "", "", "", "", "", "N", "n"}));
        EXPECT_EQ(All_Cells(*w.ECG_Sub, 1), (Row{"c", "N", "1", "", "", "", "", "7", "", "", "", "o"}));
    });
    EXPECT_EQ(h.Messages(), std::vector<std::string>{"MQTT_Set_Topic.xml: row 2 has no QoS"});
}

TEST_F(MQTTWindow, HidesTheEthernetColumnsAndHintsByRealColumn)
{
    h.Show([](TFMQTT_Set_Topic& w) {
        for (const int col : {7, 8, 10})
            EXPECT_TRUE(w.ECG_Pub->IsHiddenColumn(col)) << col;
        for (const int col : {2, 7, 8, 9, 10})
            EXPECT_TRUE(w.ECG_Sub->IsHiddenColumn(col)) << col;
        EXPECT_EQ(w.ECG_Pub->ColCount(), 9);
        EXPECT_EQ(w.ECG_Sub->ColCount(), 8);
        EXPECT_EQ(w.ECG_Pub->RowCount(), 1025);
        EXPECT_EQ(w.Active_Table(), 0);

        struct Case {
            TExtColumnGrid* Grid;
            int Row;
            int Col; // display column
            const char* Hint;
        };
        const Case cases[] = {
            {w.ECG_Pub, 0, 7, "Insert the Template"},
            {w.ECG_Pub, 0, 8, "Description of MQTT Topic"},
            {w.ECG_Sub, 0, 2, "Select the QoS value"},
            {w.ECG_Sub, 0, 6, "Insert the Template"},
            {w.ECG_Sub, 0, 0, "as passed"},
            {w.ECG_Sub, 4, 6, "as passed"},
        };
        for (const Case& c : cases) {
            std::string hint = "as passed";
            c.Grid->OnGridHint(c.Grid, c.Row, c.Col, hint);
            EXPECT_EQ(hint, c.Hint) << c.Col;
        }
        // No click handler: a click on a row number selects nothing.
        EXPECT_FALSE(w.ECG_Pub->OnClickCell);
    });
    auto& w = *h.window;
    EXPECT_EQ(w.Caption(), "Set MQTT Topics");
    EXPECT_EQ(w.Sheets[1]->Caption(), "MQTT Subscribe");
    EXPECT_EQ(w.ECG_Pub->Columns()->Items(10)->Header(), "OnChange");
    EXPECT_EQ(w.ECG_Sub->Cells(9, 0), "Type");
    EXPECT_EQ(w.Btn_Cancel->Hint(), "Exit without save the MQTT Set Topics List");
}

TEST_F(MQTTWindow, EditsATemplateCellOverSeveralLines)
{
    h.Show([this](TFMQTT_Set_Topic& w) {
        Go_To(w, Subscribe_Page, 3);
        TExtColumnGrid& grid = *w.ECG_Sub;
        grid.SetCells(11, 3, "$VALUE$");
        grid.SetCol(grid.DisplColIndex(11));
        std::string caption;
        std::string shown;
        h.dialogs.OnModal([&](TCustomForm& form) {
            auto& editor = static_cast<TFTopicTemplate&>(form);
            caption = editor.Caption();
            shown = editor.RE_TopicTemplate->Text();
            editor.RE_TopicTemplate->SetText("{\r\n \"v\": $VALUE$\r\n}");
            editor.Btn_OK->Click();
        });
        w.DblClickCell(&grid, 3, grid.Col());
        EXPECT_EQ(caption, "Set Template");
        EXPECT_EQ(shown, "$VALUE$");
        EXPECT_EQ(grid.Cells(11, 3), "{\r\n \"v\": $VALUE$\r\n}");

        // Cancel keeps the cell; the header row and other columns open nothing.
        h.dialogs.OnModal([](TCustomForm& form) {
            auto& editor = static_cast<TFTopicTemplate&>(form);
            editor.RE_TopicTemplate->SetText("changed");
            editor.Btn_Cancel->Click();
        });
        w.DblClickCell(&grid, 3, grid.Col());
        EXPECT_EQ(grid.Cells(11, 3), "{\r\n \"v\": $VALUE$\r\n}");
        const size_t opened = h.dialogs.ModalForms().size();
        w.DblClickCell(&grid, 0, grid.Col());
        grid.SetCol(1);
        w.DblClickCell(&grid, 3, 1);
        EXPECT_EQ(h.dialogs.ModalForms().size(), opened);
        EXPECT_EQ(w.ECG_Pub->Cells(9, 3), "");
    });
}

TEST_F(MQTTWindow, InsertsRowsInTheGridOfTheActivePage)
{
    h.Show([](TFMQTT_Set_Topic& w) {
        Fill_Row(*w.ECG_Pub, 1, Pub_Row);
        Fill_Row(*w.ECG_Sub, 1, Sub_Row);
        Go_To(w, Subscribe_Page, 1);
        w.Btn_InsRow->Click();
        EXPECT_EQ(w.ECG_Sub->Cells(1, 1), "");
        EXPECT_EQ(All_Cells(*w.ECG_Sub, 2), Sub_Row);
        EXPECT_EQ(All_Cells(*w.ECG_Pub, 1), Pub_Row);
    });
}
