#include <gtest/gtest.h>

#include <cstdio>

#include "editors/canopen/RuleWindowHarness.h"
#include "editors/canopen/USet_SDO_Server_Access.h"
#include "grid/control/ExtColumnGrid.h"
#include "platform/os/FileSystem.h"
#include "platform/ui/Input.h"
#include "workspace/UComon.h"

namespace {
using Rows = std::vector<std::vector<std::string>>;

class SDOServerWindow : public testing::Test {
protected:
    TRuleWindowHarness<TFSet_SDO_Server_Access> h{File_SDO_Server_CANopen, "SDO_Server_CANopen.xml"};
};

const std::vector<std::string> Valid{"0x2000", "1", "4", "0", "1", "2", "3", "Speed"};

std::vector<std::string> With(size_t Col, const std::string& Text)
{
    std::vector<std::string> row = Valid;
    row[Col - 1] = Text;
    return row;
}
} // namespace

TEST_F(SDOServerWindow, ChecksEveryRuleOfBothTables)
{
    struct Case {
        int Table;
        Rows Rules;
        std::string Expected; // "" when OK passes
    };
    const std::string read = "Error row 1!! [SDO in Read] ";
    const Case cases[] = {
        {0, {With(1, "$2000"), With(1, "8192"), With(1, "0x5FFF"), With(1, " 0x2000"), With(1, "+8192")}, ""},
        {0, {With(1, "0x1FFF")}, read + "Index must be between 0x2000 and 0x5FFF"},
        {1,
         {Valid, With(1, "0x6000")},
         "Error row 2!! [SDO in Write] Index must be between 0x2000 and 0x5FFF"},
        {0, {With(1, "0x2000 ")}, read + "Index must be between 0x2000 and 0x5FFF"},
        // Nine hexadecimal digits are no number, leading zeros or not.
        {0, {With(1, "0x000002000")}, read + "Index must be between 0x2000 and 0x5FFF"},
        {0, {With(1, "0x00002000")}, ""},
        {0, {With(2, "256")}, read + "SubIndex must be between 0x00 and 0xFF"},
        {0, {With(2, "")}, read + "SubIndex must be between 0x00 and 0xFF"},
        {0, {With(3, "3")}, read + "N Byte must be 1 or 2 or 4"},
        {0, {With(4, "1440")}, read + "Address Byte1 must be between 0 and 1439"},
        {0, {With(7, "1440")}, read + "Address Byte4 must be between 0 and 1439"},
        {1, {With(6, "x")}, "Error row 1!! [SDO in Write] Address Byte3 must be between 0 and 1439"},
        {0, {{"0x2000", "1", "1", "5", "letters", "", "", ""}}, ""},
        {0,
         {{"0x2000", "1", "2", "5", "1440", "", "", ""}},
         read + "Address Byte2 must be between 0 and 1439"},
        // A blank Index ends the table: the broken row after it is not checked, and OK
        // refuses the rows it would drop.
        {0, {Valid, With(1, " "), With(3, "3")}, "Error row 2" + Lang_Table[2299]},
    };
    for (const Case& c : cases)
        EXPECT_EQ(h.Check(c.Table, c.Rules),
                  c.Expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.Expected})
            << c.Rules.back()[0];
}

TEST_F(SDOServerWindow, RefusesTheReservedSubIndexAndSubIndexZeroBesideOthers)
{
    struct Case {
        Rows Read;
        Rows Write;
        std::string Expected;
    };
    const Case cases[] = {
        {{With(2, "0xFF")}, {}, "Error row 1!! [SDO in Read] SubIndex 0xFF is reserved and cannot be used"},
        {{},
         {Valid, With(2, "255")},
         "Error row 2!! [SDO in Write] SubIndex 0xFF is reserved and cannot be used"},
        {{With(2, "0"), Valid},
         {},
         "Error row 2!! [SDO in Read] SubIndex 0 cannot be used with other SubIndexes of the same Index"},
        {{Valid},
         {With(2, "0")},
         "Error row 1!! [SDO in Write] SubIndex 0 cannot be used with other SubIndexes of the same Index"},
        {{With(2, "0"), With(1, "0x2001")}, {With(2, "0")}, ""},
    };
    for (const Case& c : cases) {
        const auto shown = h.Ok_Messages([&](TFSet_SDO_Server_Access& w) {
            for (size_t r = 0; r < c.Read.size(); ++r)
                Fill_Row(*w.Grids[0], static_cast<int>(r) + 1, c.Read[r]);
            for (size_t r = 0; r < c.Write.size(); ++r)
                Fill_Row(*w.Grids[1], static_cast<int>(r) + 1, c.Write[r]);
        });
        EXPECT_EQ(shown,
                  c.Expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.Expected});
    }
}

TEST_F(SDOServerWindow, ItsSubIndexAndBlankIndexRulesSpeakTheLanguageFile)
{
    const std::string language = h.dir.File("Italiano.lng");
    WriteTestFile(language, "STR2295 = !! Sottoindice riservato\r\nSTR2298 = !! Sottoindice 0 da solo\r\n"
                            "STR2299 = !! Indice vuoto\r\n");
    Read_Language_File(language);
    EXPECT_EQ(h.Check(0, {With(2, "255")}), std::vector<std::string>{"Error row 1!! Sottoindice riservato"});
    EXPECT_EQ(h.Ok_Messages([](TFSet_SDO_Server_Access& w) {
        Fill_Row(*w.Grids[0], 1, Valid);
        Fill_Row(*w.Grids[1], 1, With(2, "0"));
    }),
              std::vector<std::string>{"Error row 1!! Sottoindice 0 da solo"});
    EXPECT_EQ(h.Check(0, {Valid, With(1, ""), Valid}), std::vector<std::string>{"Error row 2!! Indice vuoto"});
    Load_Default_Texts();
}

TEST_F(SDOServerWindow, IsLabelledFromTheTextTable)
{
    auto& w = *h.window;
    EXPECT_EQ(w.Caption(), "Set SDO Server Access");
    EXPECT_EQ(w.Btn_PasteRow->Caption(), "Paste Row");
    EXPECT_EQ(w.Btn_OK->Hint(), "Confirm and save the CANopen SDOs Server List");
    EXPECT_EQ(w.Sheets[1]->Caption(), "SDO in Write");
    EXPECT_EQ(w.Grids[0]->Cells(7, 0), "Add Byte4");
    EXPECT_EQ(w.Grids[1]->RowCount(), 501);
    EXPECT_EQ(w.ClientWidth(), 749);
    EXPECT_EQ(w.Btn_PasteRow->Left(), 606);
    std::string hint = "stale";
    w.GridHint(w.Grids[1], 0, 4, hint);
    EXPECT_EQ(hint, "Insert the position of array where write the byte 1 of CANopen SDO Request");
    w.GridHint(w.Grids[1], 3, 4, hint);
    EXPECT_EQ(hint, "");
}

TEST_F(SDOServerWindow, AClickOnARowNumberSelectsThatRowOnly)
{
    h.Show([](TFSet_SDO_Server_Access& w) {
        const TGridRect before = w.Grids[0]->Selection();
        w.ClickCell(w.Grids[1], 12, 0);
        EXPECT_EQ(w.Grids[1]->Selection().Top, 12);
        EXPECT_EQ(w.Grids[1]->Selection().Bottom, 12);
        EXPECT_EQ(w.Grids[1]->Selection().Left, 1);
        EXPECT_EQ(w.Grids[1]->Selection().Right, 8);
        EXPECT_EQ(w.Grids[0]->Selection(), before);
        // The header row is no rule.
        w.ClickCell(w.Grids[1], 0, 0);
        EXPECT_EQ(w.Grids[1]->Selection().Top, 12);
    });
}

// An entry read and written with different sizes would be described by the EDS with one size
// while the converter moves another: OK refuses it, naming the write row.
TEST_F(SDOServerWindow, RefusesAnEntryReadAndWrittenWithDifferentSizes)
{
    struct Case {
        Rows Read;
        Rows Write;
        std::string Expected;
    };
    const std::string refused = Lang_Table[2294];
    const Case cases[] = {
        {{Valid}, {With(3, "2")}, "Error row 1" + refused},
        // The same entry written in other notations, after an entry of its own.
        {{Valid}, {With(1, "0x2001"), {"8192", "0x01", "1", "0", "", "", "", ""}}, "Error row 2" + refused},
        // Read twice with two sizes: no write size fits both.
        {{Valid, With(3, "2")}, {Valid}, "Error row 1" + refused},
        {{Valid}, {Valid, With(2, "2")}, ""},
        {{With(3, "1"), With(1, "0x2001")}, {With(3, "1"), With(1, "0x2001")}, ""},
        // Two read rows with two sizes and no write row are left to the read table.
        {{Valid, With(3, "2")}, {With(2, "3")}, ""},
    };
    for (const Case& c : cases) {
        std::remove(h.File.c_str());
        TModalResult result = mrNone;
        const auto shown = h.Ok_Messages(
            [&](TFSet_SDO_Server_Access& w) {
                for (size_t r = 0; r < c.Read.size(); ++r)
                    Fill_Row(*w.Grids[0], static_cast<int>(r) + 1, c.Read[r]);
                for (size_t r = 0; r < c.Write.size(); ++r)
                    Fill_Row(*w.Grids[1], static_cast<int>(r) + 1, c.Write[r]);
            },
            &result);
        EXPECT_EQ(shown,
                  c.Expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.Expected})
            << c.Write.back()[0];
        EXPECT_EQ(FileExists(h.File), c.Expected.empty()) << c.Write.back()[0];
        EXPECT_EQ(result, c.Expected.empty() ? mrOk : mrCancel);
    }
}

// A user changes the size of a read entry that the file also writes, and presses OK: the
// window stays open and the file keeps the pair as it was.
TEST_F(SDOServerWindow, ASizeTypedIntoOneTableOfAPairIsRefusedAndNothingIsSaved)
{
    const std::string file =
        "<SDO_Server_CANopen><SDO_Read><row Index=\"0x2000\" SubIndex=\"1\" NByte=\"4\""
        " Address_B1=\"0\" Address_B2=\"1\" Address_B3=\"2\" Address_B4=\"3\""
        " Mnemonic=\"Speed\"/></SDO_Read><SDO_Write><row Index=\"0x2000\" SubIndex=\"1\""
        " NByte=\"4\" Address_B1=\"0\" Address_B2=\"1\" Address_B3=\"2\" Address_B4=\"3\""
        " Mnemonic=\"Speed\"/></SDO_Write></SDO_Server_CANopen>";
    WriteTestFile(h.File, file);
    const TModalResult result = h.Show([](TFSet_SDO_Server_Access& w) {
        TExtColumnGrid& grid = *w.Grids[0];
        const TRect cell = grid.CellRect(3, 1);
        SendClick(&grid, (cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
        SendText("2");
        SendKey(VK_RETURN);
        ASSERT_EQ(grid.Cells(3, 1), "2");
        SendClick(w.Btn_OK, 5, 5);
        EXPECT_EQ(w.ModalResult(), mrNone);
        w.Btn_Cancel->Click();
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(h.Messages(), std::vector<std::string>{"Error row 1" + Lang_Table[2294]});
    EXPECT_EQ(ReadTestFile(h.File), file);
}
