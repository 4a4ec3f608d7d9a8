#include <gtest/gtest.h>

#include <functional>

#include "app/window/UCreate_Windows.h"
#include "app/window/UVantrelFirmWare.h"
#include "editors/canopen/USet_SDO_Server_Access.h"
#include "editors/ethernetip/ScanListColumns.h"
#include "editors/ethernetip/UEtherNetIP_Master_Access.h"
#include "grid/control/ExtColumnGrid.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "support/FakeDialogs.h"
#include "support/TestFiles.h"
#include "workspace/UComon.h"
#include "workspace/UNew_Project.h"

// The rule editors as a user drives them: a new configuration, the step's button on the main
// window, clicks on cells, keys typed into them, the window's own buttons clicked.
namespace {
class RuleEditorsByInput : public testing::Test {
protected:
    void SetUp() override
    {
        Create_Windows(&owner, exe.Path());
        dialogs.OnModal([](TCustomForm&) {
            FNew_Project->E_New_Proj->SetText("Plant1");
            FNew_Project->Btn_OKClick(FNew_Project->Btn_OK);
        });
        FVantrelFirmWare->Btn_New->Click();
    }
    void TearDown() override
    {
        Opt_Jump_Field_Tables = 0;
        Opt_Double_Click_Auto_Size = 0;
        Free_Windows();
    }

    // Clicks the step's button with the action queued for the window it opens.
    template <class TWindow> void Open(TLbButton* Step, std::function<void(TWindow&)> Action)
    {
        dialogs.OnModal([Action](TCustomForm& form) { Action(static_cast<TWindow&>(form)); });
        Step->Click();
    }

    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const auto& message : dialogs.Messages())
            texts.push_back(message.Text);
        return texts;
    }

    TempDir exe;
    TFakeDialogs dialogs;
    TComponent owner{nullptr};
};

TPoint Middle(const TRect& Rect) { return {(Rect.Left + Rect.Right) / 2, (Rect.Top + Rect.Bottom) / 2}; }

void Click_Cell(TExtColumnGrid& Grid, int Col, int Row)
{
    const TPoint point = Middle(Grid.CellRect(Col, Row));
    SendClick(&Grid, point.X, point.Y);
}

void Click_Button(TControl& Button) { SendClick(&Button, Button.Width() / 2, Button.Height() / 2); }

// Keys typed one at a time, each delivered before the next arrives, as the window system
// hands a user's keystrokes over; then Enter.
void Type_And_Enter(const std::string& Text)
{
    for (char c : Text) {
        SendText(std::string(1, c));
        Application->ProcessMessages();
    }
    SendKey(VK_RETURN);
    Application->ProcessMessages();
}

std::vector<std::string> Row_Texts(const TExtColumnGrid& Grid, int Row)
{
    std::vector<std::string> cells;
    for (int c = 1; c < Grid.ColCount(); ++c)
        cells.push_back(Grid.Cells(c, Row));
    return cells;
}
} // namespace

TEST_F(RuleEditorsByInput, SdoServerEntriesTypedCellByCellAreSavedAndShownAgain)
{
    struct Typed {
        int Table, Col, Row;
        const char* Text;
    };
    // An N Byte of 3 first, which OK refuses; typing over it mends the row.
    const Typed typed[] = {{0, 1, 1, "0x2000"}, {0, 2, 1, "1"}, {0, 3, 1, "3"},    {0, 4, 1, "0"},
                           {0, 5, 1, "1"},      {0, 6, 1, "2"}, {0, 7, 1, "1439"}, {0, 8, 1, "Speed"},
                           {1, 1, 1, "$5FFF"},  {1, 2, 1, "0"}, {1, 3, 1, "1"},    {1, 4, 1, "7"}};
    const std::vector<std::string> read{"0x2000", "1", "4", "0", "1", "2", "1439", "Speed"};
    const std::vector<std::string> write{"$5FFF", "0", "1", "7", "", "", "", ""};

    Open<TFSet_SDO_Server_Access>(FVantrelFirmWare->Btn_SDO_Server_CANopen, [&](TFSet_SDO_Server_Access& w) {
        for (const Typed& t : typed) {
            if (w.PageControl1->ActivePageIndex() != t.Table) w.PageControl1->SetActivePageIndex(t.Table);
            Click_Cell(*w.Grids[t.Table], t.Col, t.Row);
            Type_And_Enter(t.Text);
        }
        Click_Button(*w.Btn_OK);
        EXPECT_EQ(Messages(),
                  (std::vector<std::string>{"Error row 1!! [SDO in Read] N Byte must be 1 or 2 or 4"}));
        EXPECT_EQ(w.ModalResult(), mrNone) << "the window stays open with the typed rows";

        w.PageControl1->SetActivePageIndex(0);
        Click_Cell(*w.Grids[0], 3, 1);
        Type_And_Enter("4");
        Click_Button(*w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrOk);
    });
    EXPECT_EQ(
        ReadTestFile(File_SDO_Server_CANopen),
        "<SDO_Server_CANopen><SDO_Read><row Index=\"0x2000\" SubIndex=\"1\" NByte=\"4\" Address_B1=\"0\""
        " Address_B2=\"1\" Address_B3=\"2\" Address_B4=\"1439\" Mnemonic=\"Speed\"/></SDO_Read><SDO_Write>"
        "<row Index=\"$5FFF\" SubIndex=\"0\" NByte=\"1\" Address_B1=\"7\" Address_B2=\"\" Address_B3=\"\""
        " Address_B4=\"\" Mnemonic=\"\"/></SDO_Write></SDO_Server_CANopen><!--SW_VERSION = 1.002-->");

    Open<TFSet_SDO_Server_Access>(FVantrelFirmWare->Btn_SDO_Server_CANopen, [&](TFSet_SDO_Server_Access& w) {
        EXPECT_EQ(Row_Texts(*w.Grids[0], 1), read);
        EXPECT_EQ(Row_Texts(*w.Grids[1], 1), write);
        EXPECT_EQ(Row_Texts(*w.Grids[0], 2), std::vector<std::string>(8, ""));
        Click_Button(*w.Btn_Cancel);
    });
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(RuleEditorsByInput, ScanListRowTypedWithEnterJumpsAndEnabledByClicks)
{
    Opt_Jump_Field_Tables = 1;
    // Columns 2 to 18; Enter moves on to the next cell, so the row is typed in one go.
    const std::vector<std::string> typed{
        "192.168.1.10", "0",       "10",      "0", "8", "100", "101", "100", "101",
        "150",          "Default", "Default", "",  "",  "",    "",    "Pump"};
    std::vector<std::string> expected = typed;
    expected.insert(expected.begin(), "N");

    Open<TFEtherNetIP_Master_Access>(
        FVantrelFirmWare->Btn_EtherNetIP_Access, [&](TFEtherNetIP_Master_Access& w) {
            TExtColumnGrid& grid = *w.ECG;
            ASSERT_EQ(grid.Cells(Col_Enable, 1), "Y") << "a cleared row is enabled";
            Click_Cell(grid, Col_Enable, 1);
            EXPECT_EQ(grid.Cells(Col_Enable, 1), "N");
            Click_Cell(grid, Col_IP_Address, 1);
            for (const std::string& text : typed)
                Type_And_Enter(text);
            EXPECT_EQ(grid.Col(), 1);
            EXPECT_EQ(grid.Row(), 2) << "Enter in the last column goes on to the next row";
            EXPECT_EQ(Row_Texts(grid, 1), expected);
            Click_Button(*w.Btn_OK);
            EXPECT_EQ(w.ModalResult(), mrOk);
        });
    const std::string file = ReadTestFile(File_EtherNetIP_Master_Rules);
    EXPECT_NE(file.find("<row Enable=\"N\" IP_Address=\"192.168.1.10\" Start_Input=\"0\" Num_Input=\"10\""
                        " Start_Output=\"0\" Num_Output=\"8\" Time_Poll=\"100\" Instance_T_O=\"101\""
                        " Connection_Point_T_O=\"100\" Instance_O_T=\"101\" Connection_Point_O_T=\"150\""
                        " Dim_Header_T_O=\"Default\" Dim_Header_O_T=\"Default\""),
              std::string::npos)
        << file;

    // Enabled again by a click: OK now checks the typed row, which passes.
    Open<TFEtherNetIP_Master_Access>(FVantrelFirmWare->Btn_EtherNetIP_Access,
                                     [&](TFEtherNetIP_Master_Access& w) {
                                         EXPECT_EQ(Row_Texts(*w.ECG, 1), expected);
                                         Click_Cell(*w.ECG, Col_Enable, 1);
                                         Click_Button(*w.Btn_OK);
                                         EXPECT_EQ(w.ModalResult(), mrOk);
                                     });
    EXPECT_TRUE(Messages().empty());
    EXPECT_NE(
        ReadTestFile(File_EtherNetIP_Master_Rules).find("<row Enable=\"Y\" IP_Address=\"192.168.1.10\""),
        std::string::npos);
}

TEST_F(RuleEditorsByInput, ADoubleClickOnAHeaderSizesItsColumnWhenTheOptionIsOn)
{
    struct Case {
        bool Option;
        int Row; // of the double click
        bool Sized;
    };
    const Case cases[] = {{true, 0, true}, {false, 0, false}, {true, 2, false}};
    const std::string mnemonic = "The speed of the second conveyor belt, in tenths of a metre per second";
    for (const Case& c : cases) {
        Opt_Double_Click_Auto_Size = c.Option;
        Open<TFSet_SDO_Server_Access>(
            FVantrelFirmWare->Btn_SDO_Server_CANopen, [&](TFSet_SDO_Server_Access& w) {
                TExtColumnGrid& grid = *w.Grids[0];
                grid.SetCells(8, 1, mnemonic);
                const int before = grid.ColWidths(8);
                const TPoint point = Middle(grid.CellRect(8, c.Row));
                SendDoubleClick(&grid, point.X, point.Y);
                EXPECT_EQ(grid.ColWidths(8) > before, c.Sized) << c.Option << " " << c.Row;
                if (c.Sized) {
                    EXPECT_GE(grid.ColWidths(8), grid.Canvas()->TextWidth(mnemonic));
                }
                grid.SetColWidths(8, before);
            });
    }
}
