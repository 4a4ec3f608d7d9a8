#include <gtest/gtest.h>

#include "editors/ethernetip/ScanListHarness.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/GridCombo.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/xml/XMLDoc.h"

namespace {

class DataSegEditor : public testing::Test {
protected:
    TScanListHarness h;

    // Shows the scan list, double clicks the Data Segment cell of row 1 with Edit answering
    // the editor, and returns the cell afterwards.
    std::string Edit_Row_1(std::function<void(TFEtherNetIP_Data_Seg&)> Edit, bool PressOk = false)
    {
        WriteTestFile(h.File, Rules_File_With_Configuration);
        std::string segment;
        h.Show([&](TFEtherNetIP_Master_Access& w) {
            h.dialogs.OnModal([&](TCustomForm& form) { Edit(static_cast<TFEtherNetIP_Data_Seg&>(form)); });
            w.ECG->SetRow(1);
            w.ECG->SetCol(Col_Data_Segment);
            const TRect cell = w.ECG->CellRect(Col_Data_Segment, 1);
            ASSERT_FALSE(cell.IsEmpty()) << "the cell is in view";
            SendDoubleClick(w.ECG, (cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
            EXPECT_EQ(FEtherNetIP_Data_Seg->TC, nullptr) << "the copy is gone after the showing";
            segment = w.ECG->Cells(Col_Data_Segment, 1);
            if (PressOk) w.Btn_OK->Click();
        });
        return segment;
    }

    std::vector<std::string> Messages_Since(size_t Count) const
    {
        std::vector<std::string> texts;
        for (size_t m = Count; m < h.dialogs.Messages().size(); ++m)
            texts.push_back(h.dialogs.Messages()[m].Text);
        return texts;
    }
};

std::vector<std::string> Grid_Row(const TExtStringGrid& Grid, int Row)
{
    std::vector<std::string> cells;
    for (int c = 0; c < Grid.ColCount(); ++c)
        cells.push_back(Grid.Cells(c, Row));
    return cells;
}

TTC_ParamObj Ranged(int64_t Min, int64_t Max)
{
    TTC_ParamObj param;
    param.Name = "Level";
    param.DataSizeByte = 2;
    param.Min = Min;
    param.Max = Max;
    return param;
}
} // namespace

TEST_F(DataSegEditor, RefusesAValueOutOfRangeThenWritesTheEditedSegment)
{
    const std::string segment = Edit_Row_1(
        [&](TFEtherNetIP_Data_Seg& e) {
            TExtStringGrid& grid = *e.ESG_DataSeg;
            EXPECT_EQ(Grid_Row(grid, 1),
                      (std::vector<std::string>{"1", "Speed", "2", "199", "0", "0", "0", "1000", ""}));
            EXPECT_EQ(Grid_Row(grid, 2),
                      (std::vector<std::string>{"2", "Mode", "1", "198", "Off", "0", "0", "9", "0"}));
            grid.SetCells(4, 1, "1001");
            const size_t before = h.dialogs.Messages().size();
            e.Btn_OK->Click();
            EXPECT_EQ(Messages_Since(before),
                      (std::vector<std::string>{"Param Number 1. The Value must be between 0 and 1000"}));
            EXPECT_EQ(e.ModalResult(), mrNone);
            grid.SetCells(4, 1, "0x10");
            grid.OnComboChange(&grid, 4, 2, 1, "Fast");
            EXPECT_EQ(grid.Cells(8, 2), "5") << "the picked value shows at once";
            grid.SetCells(4, 2, "Fast");
            e.Btn_OK->Click();
        },
        true);
    EXPECT_EQ(segment, "0x10,0x00,0x05");
    TXMLDocument xml;
    xml.LoadFromFile(h.File);
    const TXMLNode row = xml.DocumentElement().FirstChild();
    EXPECT_EQ(row.Attribute("DataSegment"), "0x10,0x00,0x05");
    const TXMLNode params = row.FindNode("TargetCong").FindNode("ParamObjects");
    EXPECT_EQ(params.ChildNodes()[0].Attribute("Value"), "16");
    EXPECT_EQ(params.ChildNodes()[1].Attribute("Value"), "5");
}

TEST_F(DataSegEditor, PicksAnEnumeratedValueFromItsListByKeys)
{
    // Typing the entry's first letter, or the arrow key in the opened list.
    const std::function<void()> picks[] = {[] { SendText("F"); }, [] { SendKey(VK_DOWN); }};
    for (const auto& pick : picks) {
        const std::string segment = Edit_Row_1(
            [&pick](TFEtherNetIP_Data_Seg& e) {
                TExtStringGrid& grid = *e.ESG_DataSeg;
                const auto open = [&grid](int Row) {
                    const TRect cell = grid.CellRect(4, Row);
                    SendClick(&grid, (cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
                    SendKey(VK_F2);
                    Application->ProcessMessages();
                };
                open(2);
                TGridCombo& combo = *grid.EditCombo();
                ASSERT_EQ(grid.ActiveEditControl(), &combo);
                EXPECT_EQ(combo.Items()->Text(), "Off\r\nFast\r\n");
                EXPECT_EQ(combo.ItemIndex(), 0) << "the cell's entry is picked";
                pick();
                SendKey(VK_RETURN);
                Application->ProcessMessages();
                EXPECT_EQ(grid.Cells(4, 2), "Fast");
                // A value that is no enumeration is typed; the list of the row before is gone.
                open(1);
                EXPECT_EQ(combo.Items()->Count(), 0);
                SendText("12");
                SendKey(VK_RETURN);
                Application->ProcessMessages();
                SendClick(e.Btn_OK, 10, 10);
            },
            true);
        EXPECT_EQ(segment, "0x0C,0x00,0x05");
    }
    EXPECT_EQ(h.dialogs.Messages().size(), 0u);
}

TEST_F(DataSegEditor, KeepsAnEnumeratedValueThatNoEntryDescribes)
{
    TTargetConfig config;
    config.ListParamObject = {Ranged(0, 10)};
    TTC_ParamObj& param = config.ListParamObject[0];
    param.Enum = true;
    param.Default = 1;
    param.Value = 7;
    param.ListEnum = {{1, "One"}};
    TFEtherNetIP_Data_Seg& editor = *FEtherNetIP_Data_Seg;
    editor.TC = &config;
    editor.FormShow();
    EXPECT_EQ(editor.ESG_DataSeg->Cells(4, 1), "");
    EXPECT_TRUE(editor.Check_Value());
    EXPECT_EQ(param.Value, 7) << "not the default";
    editor.TC = nullptr;
}

TEST_F(DataSegEditor, CancelKeepsTheRowAsItWas)
{
    const std::string segment = Edit_Row_1([](TFEtherNetIP_Data_Seg& e) {
        e.ESG_DataSeg->SetCells(4, 1, "7");
        e.ESG_DataSeg->OnComboChange(e.ESG_DataSeg, 4, 2, 1, "Fast");
        e.Btn_Cancel->Click();
    });
    EXPECT_EQ(segment, "0x00,0x00,0x00");
    EXPECT_EQ(h.window->ArrTargetConf[0]->GetConfigStrData(), "0x00,0x00,0x00");
}

TEST_F(DataSegEditor, AcceptsOnlyValuesWithinTheirParametersRange)
{
    struct Case {
        int64_t Min, Max;
        const char* Text;
        std::string Refusal; // "" when the value passes
        int64_t Value;       // taken when it passes
    };
    const Case cases[] = {
        {-5, 1000, "-5", "", -5},
        {-5, 1000, "1000", "", 1000},
        {-5, 1000, "0x10", "", 16},
        {-5, 1000, "-6", "Param Number 1. The Value must be between -5 and 1000", 0},
        {-5, 1000, "1001", "Param Number 1. The Value must be between -5 and 1000", 0},
        {-5, 1000, "16 ", "Param Number 1. The Value must be between -5 and 1000", 0},
        {-5, 1000, "fast", "Param Number 1. The Value must be between -5 and 1000", 0},
        // A parameter whose file leaves the maximum out has the maximum 0.
        {0, 0, "1", "Param Number 1. The Value must be between 0 and 0", 0},
    };
    TFEtherNetIP_Data_Seg& editor = *FEtherNetIP_Data_Seg;
    for (const Case& c : cases) {
        TTargetConfig config;
        config.ListParamObject = {Ranged(c.Min, c.Max)};
        editor.TC = &config;
        editor.FormShow();
        editor.ESG_DataSeg->SetCells(4, 1, c.Text);
        const size_t before = h.dialogs.Messages().size();
        EXPECT_EQ(editor.Check_Value(), c.Refusal.empty()) << c.Text;
        EXPECT_EQ(Messages_Since(before),
                  c.Refusal.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.Refusal})
            << c.Text;
        EXPECT_EQ(config.ListParamObject[0].Value, c.Value) << c.Text;
        editor.TC = nullptr;
    }
}

TEST_F(DataSegEditor, OffersAPickListOnlyForEnumeratedValues)
{
    TTargetConfig config;
    config.ListParamObject = {Ranged(0, 10), Ranged(0, 10)};
    config.ListParamObject[1].Enum = true;
    TFEtherNetIP_Data_Seg& editor = *FEtherNetIP_Data_Seg;
    editor.TC = &config;
    editor.FormShow();
    struct Case {
        int Col, Row;
        TEditorType Expected;
    };
    const Case cases[] = {{4, 1, edNormal}, {4, 2, edComboList}, {1, 2, edSpinEdit}};
    for (const Case& c : cases) {
        TEditorType editorType = edSpinEdit;
        editor.ESG_DataSeg->OnGetEditorType(editor.ESG_DataSeg, c.Col, c.Row, editorType);
        EXPECT_EQ(editorType, c.Expected) << c.Col << "," << c.Row;
    }
    editor.TC = nullptr;
}

TEST_F(DataSegEditor, AConfigurationWithoutParametersShowsOneEmptyRowAndClosesAtOnce)
{
    TTargetConfig config;
    TFEtherNetIP_Data_Seg& editor = *FEtherNetIP_Data_Seg;
    editor.ESG_DataSeg->SetCells(4, 1, "left over");
    editor.TC = &config;
    h.dialogs.OnModal([](TCustomForm& form) {
        auto& e = static_cast<TFEtherNetIP_Data_Seg&>(form);
        EXPECT_EQ(e.ESG_DataSeg->RowCount(), 2);
        EXPECT_EQ(Grid_Row(*e.ESG_DataSeg, 1), std::vector<std::string>(9, ""));
        e.Btn_OK->Click();
    });
    EXPECT_EQ(editor.ShowModal(), mrOk);
    editor.TC = nullptr;
}

TEST(DataSegCopy, SharesNothingWithItsSource)
{
    TTargetConfig source;
    source.Format = "Assem1";
    source.ListParamObject = {Ranged(0, 9)};
    source.ListParamObject[0].ListEnum = {{1, "One"}};
    source.ListParamObject[0].EnumString.Add("One");
    const std::unique_ptr<TTargetConfig> copy = TFEtherNetIP_Data_Seg::CopyTargetConf(source);
    copy->ListParamObject[0].Value = 7;
    copy->ListParamObject[0].ListEnum[0].Description = "Two";
    copy->ListParamObject[0].EnumString.Put(0, "Two");
    EXPECT_EQ(source.ListParamObject[0].Value, 0);
    EXPECT_EQ(source.ListParamObject[0].ListEnum[0].Description, "One");
    EXPECT_EQ(source.ListParamObject[0].EnumString[0], "One");
    EXPECT_EQ(copy->Format, "Assem1");
}
