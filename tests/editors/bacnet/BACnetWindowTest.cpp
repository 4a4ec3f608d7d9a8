#include <gtest/gtest.h>

#include <cstdio>

#include "editors/bacnet/UBACnetSlaveSetAccess.h"
#include "editors/bacnet/UBACnet_Eng_Unit.h"
#include "editors/canopen/RuleWindowHarness.h"
#include "workspace/UComon.h"

namespace {
using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

const Row Read_Row{"Analog Input", "62", "0", "", "4", "N", "Temperature"};
const Row Write_Row{"Analog Out", "95", "10", "", "4", "N", "Set point"};

Row Object_With(Row Cells, size_t Col, const std::string& Text)
{
    Cells[Col - 1] = Text;
    return Cells;
}

Row Object_Typed(const std::string& Type, const std::string& Position, const std::string& Bit,
                 const std::string& Length)
{
    return {Type, "0", Position, Bit, Length, "N", ""};
}

class BACnetWindow : public testing::Test {
protected:
    BACnetWindow()
    {
        File_ParGen = h.dir.File("ParGen.xml");
        FBACnet_Eng_Unit = new TFBACnet_Eng_Unit(&h.owner);
        FBACnet_Eng_Unit->AfterConstruction();
    }
    ~BACnetWindow() override
    {
        File_ParGen = savedParGen;
        FBACnet_Eng_Unit = nullptr;
    }

    // Fills both grids from row 1, presses OK and returns the messages shown.
    std::vector<std::string> Check(const Rows& Read, const Rows& Write, TModalResult* Result = nullptr)
    {
        return h.Ok_Messages(
            [&](TFBACnetSlaveSetAccess& w) {
                for (size_t r = 0; r < Read.size(); ++r)
                    Fill_Row(*w.ECG_BACnet_in_Read, static_cast<int>(r) + 1, Read[r]);
                for (size_t r = 0; r < Write.size(); ++r)
                    Fill_Row(*w.ECG_BACnet_in_Write, static_cast<int>(r) + 1, Write[r]);
            },
            Result);
    }

    std::string savedParGen = File_ParGen;
    TRuleWindowHarness<TFBACnetSlaveSetAccess> h{File_BACnet_Slave_SetAccess, "BACnet_Slave_SetAccess.xml"};
};

std::string BACnet_Golden(const std::string& Name)
{
    return ReadTestFile(std::string(TEST_DATA_DIR) + "/bacnet/golden/" + Name);
}
} // namespace

TEST_F(BACnetWindow, ChecksEveryRuleOfBothGrids)
{
    struct Case {
        Rows Read;
        Rows Write;
        std::string Expected; // "" when OK passes
    };
    const std::string read = "Error row 1!! [BACnet in Read] ";
    const std::string write = "Error row 1!! [BACnet in Write] ";
    const Case cases[] = {
        {{Read_Row}, {Write_Row}, ""},
        {{Object_With(Read_Row, 2, "$FFFF"), Object_With(Read_Row, 2, "0xFFFF")}, {}, ""},
        {{Object_With(Read_Row, 2, "65536")}, {}, read + "Eng. Unit must be between 0 and 65535"},
        {{Object_With(Read_Row, 2, "-1")}, {}, read + "Eng. Unit must be between 0 and 65535"},
        {{}, {Object_With(Write_Row, 2, "")}, write + "Eng. Unit must be between 0 and 65535"},
        {{Object_With(Read_Row, 3, "1550")}, {}, read + "Position must be between 0 and 1549"},
        {{}, {Object_With(Write_Row, 3, "x")}, write + "Position must be between 0 and 1549"},
        {{Object_Typed("Analog Input", "0", "", "5")},
         {},
         read + "Length with variable \"Analog Input\" must be between 1 and 4"},
        {{Object_Typed("Large Analog Value", "0", "", "8"), Object_Typed("Large Analog Value", "0", "", "9")},
         {},
         "Error row 2!! [BACnet in Read] Length with variable \"Large Analog Value\" must be between 1 and "
         "8"},
        {{Object_Typed("Life Safety Zone", "0", "", "3")},
         {},
         read + "Length with variable \"Life Safety Zone\" must be 1 or 2"},
        {{Object_Typed("Access Door", "0", "", "")},
         {},
         read + "Length with variable \"Access Door\" must be equal to 1"},
        {{Object_Typed("Accumulator", "0", "", "0")},
         {},
         read + "Length with variable \"Accumulator\" must be between 1 and 4"},
        {{},
         {Object_Typed("Integer Value", "0", "", "5")},
         write + "Length with variable \"Integer Value\" must be between 1 and 4"},
        {{},
         {Object_Typed("Access Door", "0", "", "2")},
         write + "Length with variable \"Access Door\" must be equal to 1"},
        {{},
         {Object_Typed("Multi State Output", "0", "", "-1")},
         write + "Length with variable \"Multi State Output\" must be between 1 and 4"},
        // Binary objects take a bit: any non-empty Start Bit and any Length, ending at Position.
        {{Object_Typed("Binary Input", "1549", "x", "99"), Object_Typed("Binary Value", "0", "7", "")},
         {},
         ""},
        {{Object_Typed("Binary Input", "0", "", "1")}, {}, read + "Bit must be between 0 and 7"},
        {{}, {Object_Typed("Binary Out", "0", "", "1")}, write + "Bit must be between 0 and 7"},
        {{}, {Object_Typed("Binary Input", "0", "", "1")}, ""},
        // Read "Integer Value" has no length rule, but its length still moves the end.
        {{Object_Typed("Integer Value", "1549", "", "0"), Object_Typed("Integer Value", "1540", "", "10")},
         {},
         ""},
        {{Object_Typed("Integer Value", "1549", "", "2")},
         {},
         read + "Too many bytes to save starting from the Position indicate"},
        {{Object_Typed("Life Safety Point", "1549", "", "1")}, {}, ""},
        {{Object_Typed("Life Safety Point", "1549", "", "2")},
         {},
         read + "Too many bytes to save starting from the Position indicate"},
        {{}, {Object_Typed("Large Analog Value", "1542", "", "8")}, ""},
        {{},
         {Object_Typed("Large Analog Value", "1543", "", "8")},
         write + "Too many bytes to save starting from the Position indicate"},
        // Types are compared as written.
        {{Object_Typed("analog input", "0", "", "99")}, {}, ""},
        // A blank Data Type ends the grid: the broken row after it is not checked, and OK
        // refuses the rows it would drop.
        {{Read_Row, Object_With(Read_Row, 1, "  "), Object_With(Read_Row, 2, "-5")},
         {},
         "Error row 2" + Lang_Table[1599]},
    };
    for (const Case& c : cases) {
        TModalResult result = mrNone;
        EXPECT_EQ(Check(c.Read, c.Write, &result),
                  c.Expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.Expected})
            << (c.Read.empty() ? c.Write : c.Read).back()[0];
        EXPECT_EQ(result, c.Expected.empty() ? mrOk : mrCancel);
    }
}

TEST_F(BACnetWindow, CountsTheObjectsOfBothGridsAgainstTheModeOfTheParameters)
{
    struct Case {
        const char* ParGen; // nullptr: no file
        int Read;
        int Write;
        int Rows; // of each grid
        std::string Expected;
    };
    const Case cases[] = {
        {nullptr, 1500, 500, 2001, ""},
        {nullptr, 1500, 600, 2001, "Error!! Too many Requests. Max requests 2000"},
        {"<ParGen><BACnet_Desc_Chars_Limit>0</BACnet_Desc_Chars_Limit></ParGen>", 1500, 600, 2001,
         "Error!! Too many Requests. Max requests 2000"},
        {"<ParGen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></ParGen>", 600, 400, 1001, ""},
        {"<ParGen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></ParGen>", 600, 401, 1001,
         "Error!! Too many Requests. Max requests 1000"},
        {"<ParGen><BACnet_Desc_Chars_Limit>1</BACnet", 1, 1, 2001, ""},
    };
    for (const Case& c : cases) {
        if (c.ParGen) WriteTestFile(File_ParGen, c.ParGen);
        std::remove(h.File.c_str());
        int rows = 0;
        const auto shown = h.Ok_Messages([&](TFBACnetSlaveSetAccess& w) {
            rows = w.ECG_BACnet_in_Write->RowCount();
            for (int r = 1; r <= c.Read; ++r)
                Fill_Row(*w.ECG_BACnet_in_Read, r, Read_Row);
            for (int r = 1; r <= c.Write; ++r)
                Fill_Row(*w.ECG_BACnet_in_Write, r, Write_Row);
        });
        EXPECT_EQ(rows, c.Rows) << c.Read << " " << c.Write;
        EXPECT_EQ(shown,
                  c.Expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.Expected})
            << c.Read << " " << c.Write;
    }
}

TEST_F(BACnetWindow, WritesTheGoldenFileAndReloadsIt)
{
    const Rows read{Read_Row, Object_Typed("Binary Input", "4", "3", ""),
                    Object_With(Object_Typed("Access Door", "5", "", "1"), 7, " spaced ")};
    const Rows write{Object_With(Write_Row, 6, "Y"), Object_Typed("Multi State Value", "20", "", "2")};
    TModalResult result = mrNone;
    EXPECT_TRUE(Check(read, write, &result).empty());
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(ReadTestFile(h.File), BACnet_Golden("BACnet_Slave_SetAccess.xml"));

    h.Show([&](TFBACnetSlaveSetAccess& w) {
        for (size_t r = 0; r < read.size(); ++r)
            EXPECT_EQ(All_Cells(*w.ECG_BACnet_in_Read, static_cast<int>(r) + 1), read[r]);
        EXPECT_EQ(w.ECG_BACnet_in_Read->Cells(6, 1), "N");
        EXPECT_EQ(w.ECG_BACnet_in_Write->Cells(6, 1), "Y");
        EXPECT_EQ(w.ECG_BACnet_in_Write->Cells(5, 2), "2");
        EXPECT_EQ(w.ECG_BACnet_in_Write->Cells(1, 3), "");
    });
    EXPECT_TRUE(h.Messages().empty());
}

TEST_F(BACnetWindow, ReadsRowsWithoutSwapAsNoAndReportsOtherMissingAttributes)
{
    WriteTestFile(
        h.File,
        "<BACnet_to_Modbus><BACnet_in_Read>"
        "<row Data_Type=\"Analog Value\" Eng_Unit=\"1\" Position=\"2\" Bit=\"\" Length=\"4\" Mnemonic=\"a\"/>"
        "<row Data_Type=\"Analog Value\" Eng_Unit=\"1\" Position=\"6\" Bit=\"\" Length=\"4\"/>"
        "</BACnet_in_Read><BACnet_in_Write>"
        "<row Data_Type=\"Binary Value\" Eng_Unit=\"3\" Position=\"9\" Bit=\"1\" Length=\"\" Swap=\"Y\" "
        "Mnemonic=\"b\"/>"
        "</BACnet_in_Write></BACnet_to_Modbus>");
    h.Show([](TFBACnetSlaveSetAccess& w) {
        EXPECT_EQ(w.ECG_BACnet_in_Read->Cells(6, 1), "N");
        // Nothing readable is lost: the row after the gap is there, its gap empty.
        EXPECT_EQ(w.ECG_BACnet_in_Read->Cells(3, 2), "6");
        EXPECT_EQ(w.ECG_BACnet_in_Write->Cells(6, 1), "Y");
    });
    EXPECT_EQ(h.Messages(), std::vector<std::string>{"BACnet_Slave_SetAccess.xml: row 2 has no Mnemonic"});
}

TEST_F(BACnetWindow, PicksAUnitOnlyFromARuleRowOfTheUnitColumn)
{
    h.Show([this](TFBACnetSlaveSetAccess& w) {
        TExtColumnGrid& grid = *w.ECG_BACnet_in_Write;
        grid.SetCells(2, 3, "62");
        std::string label;
        h.dialogs.OnModal([&label](TCustomForm& form) {
            auto& picker = static_cast<TFBACnet_Eng_Unit&>(form);
            label = picker.Label5->Caption();
            picker.E_Selected_EU->SetText("1000");
            picker.Btn_OK->Click();
        });
        w.DblClickCell(&grid, 3, 2);
        EXPECT_EQ(label, "-> degrees-Celsius");
        EXPECT_EQ(grid.Cells(2, 3), "1000");

        // Cancel keeps the cell; a cell that is no number names no unit.
        grid.SetCells(2, 4, "abc");
        h.dialogs.OnModal([&label](TCustomForm& form) {
            auto& picker = static_cast<TFBACnet_Eng_Unit&>(form);
            label = picker.Label5->Caption();
            picker.E_Selected_EU->SetText("5");
            picker.Btn_Cancel->Click();
        });
        w.DblClickCell(&grid, 4, 2);
        EXPECT_EQ(label, "-> unknown");
        EXPECT_EQ(grid.Cells(2, 4), "abc");

        // The header and the other columns never open the picker.
        const size_t shown = h.dialogs.ModalForms().size();
        w.DblClickCell(w.ECG_BACnet_in_Read, 0, 2);
        w.DblClickCell(&grid, 0, 2);
        w.DblClickCell(&grid, 3, 3);
        EXPECT_EQ(h.dialogs.ModalForms().size(), shown);
        EXPECT_EQ(grid.Cells(2, 0), "Eng. Unit");
        EXPECT_EQ(w.ECG_BACnet_in_Read->Cells(2, 0), "Eng. Unit");
    });
}

TEST_F(BACnetWindow, ATypeChosenInTheWriteGridPresetsItsLength)
{
    h.Show([](TFBACnetSlaveSetAccess& w) {
        TExtColumnGrid& grid = *w.ECG_BACnet_in_Write;
        const std::pair<const char*, const char*> cases[] = {
            {"Binary Out", "1"},  {"Large Analog Value", "8"}, {"Analog Value", "4"},
            {"Access Door", "1"}, {"Multi State Output", "4"}, {"Analog Input", "4"},
        };
        for (const auto& [type, length] : cases) {
            grid.OnComboChange(&grid, 1, 2, 0, type);
            EXPECT_EQ(grid.Cells(5, 2), length) << type;
        }
        // Another column presets nothing, and neither does the read grid.
        grid.OnComboChange(&grid, 3, 2, 0, "Large Analog Value");
        EXPECT_EQ(grid.Cells(5, 2), "4");
        EXPECT_FALSE(w.ECG_BACnet_in_Read->OnComboChange);
    });
}

TEST_F(BACnetWindow, IsLabelledFromTheTextTable)
{
    auto& w = *h.window;
    EXPECT_EQ(w.Caption(), "BACnet Set Access");
    EXPECT_EQ(w.Sheets[0]->Caption(), "BACnet in Read");
    EXPECT_EQ(w.Sheets[1]->Caption(), "BACnet in Write");
    EXPECT_EQ(w.Btn_PasteRow->Hint(), "Paste the Copied Fields in the Selected Row");
    EXPECT_EQ(w.Btn_DelRow->Hint(), "Delete the selected Row in the table");
    EXPECT_EQ(w.ECG_BACnet_in_Write->Cells(7, 0), "Mnemonic");
    EXPECT_EQ(w.ClientWidth(), 764);
    // Swap is kept but not shown.
    EXPECT_TRUE(w.ECG_BACnet_in_Read->IsHiddenColumn(6));
    EXPECT_EQ(w.ECG_BACnet_in_Read->ColCount(), 7);
    EXPECT_EQ(w.ECG_BACnet_in_Read->Columns()->Items(1)->ComboItems()->Count(), 13);
    EXPECT_EQ(w.ECG_BACnet_in_Write->Columns()->Items(1)->ComboItems()->Count(), 10);
    EXPECT_EQ(w.ECG_BACnet_in_Write->Columns()->Items(3)->ComboItems()->Count(), 1550);
    std::string hint = "unchanged";
    w.ECG_BACnet_in_Read->OnGridHint(w.ECG_BACnet_in_Read, 0, 2, hint);
    EXPECT_EQ(hint, "unchanged");
}
