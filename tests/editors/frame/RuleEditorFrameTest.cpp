#include <gtest/gtest.h>

#include "editors/canopen/RuleWindowHarness.h"
#include "editors/canopen/USet_SDO_Server_Access.h"
#include "platform/os/FileSystem.h"
#include "platform/ui/Input.h"
#include "workspace/UComon.h"

// The frame every rule editor shares, seen through one of its windows.
namespace {
using Window = TFSet_SDO_Server_Access;

class RuleEditorFrame : public testing::Test {
protected:
    std::vector<std::vector<std::string>> First_Rows(const Window& w, int Table, int Count) const
    {
        std::vector<std::vector<std::string>> rows;
        for (int r = 1; r <= Count; ++r)
            rows.push_back(Row_Cells(*w.Grids[Table], r));
        return rows;
    }

    TRuleWindowHarness<Window> h{File_SDO_Server_CANopen, "SDO_Server_CANopen.xml"};
};

const std::string Row_A =
    R"(<row Index="0x2000" SubIndex="1" NByte="1" Address_B1="0" Address_B2="" Address_B3="" Address_B4="" Mnemonic="a"/>)";
const std::string Row_C =
    R"(<row Index="0x2002" SubIndex="1" NByte="1" Address_B1="2" Address_B2="" Address_B3="" Address_B4="" Mnemonic="c"/>)";
std::string Repeat(const std::string& Text, int Count)
{
    std::string out;
    for (int i = 0; i < Count; ++i)
        out += Text;
    return out;
}

const std::vector<std::string> Cells_A{"0x2000", "1", "1", "0", "", "", "", "a"};
const std::vector<std::string> Cells_C{"0x2002", "1", "1", "2", "", "", "", "c"};
} // namespace

TEST_F(RuleEditorFrame, AFileThatFailsPartWayLosesNothingItHolds)
{
    struct Case {
        const char* Name;
        std::string Xml;
        std::vector<std::vector<std::string>> Read; // rows 1 to 3 of the read table
        std::string Message;                        // part of the one message shown; "" for none
    };
    const std::string missing =
        R"(<row Index="0x2001" SubIndex="2" Address_B1="1" Address_B2="" Address_B3="" Address_B4="" Mnemonic="b"/>)";
    const Case cases[] = {
        {"an attribute missing",
         "<SDO_Server_CANopen><SDO_Read>" + Row_A + missing + Row_C +
             "</SDO_Read><SDO_Write/></SDO_Server_CANopen>",
         {Cells_A, {"0x2001", "2", "", "1", "", "", "", "b"}, Cells_C},
         "row 2 has no NByte"},
        {"no write section",
         "<SDO_Server_CANopen><SDO_Read>" + Row_A + "</SDO_Read></SDO_Server_CANopen>",
         {Cells_A, {"", "", "", "", "", "", "", ""}, {"", "", "", "", "", "", "", ""}},
         ""},
        {"a comment among the rows",
         "<SDO_Server_CANopen><SDO_Read>" + Row_A + "<!-- note -->" + Row_C +
             "</SDO_Read><SDO_Write/></SDO_Server_CANopen>",
         {Cells_A, Cells_C, {"", "", "", "", "", "", "", ""}},
         ""},
        {"more rows than the table holds",
         "<SDO_Server_CANopen><SDO_Read>" + Repeat(Row_A, 500) + Row_C +
             "</SDO_Read><SDO_Write/></SDO_Server_CANopen>",
         {Cells_A, Cells_A, Cells_A},
         "SDO_Read holds more than 500 rows; the rows after row 500 are not shown"},
        {"cut off",
         "<SDO_Server_CANopen><SDO_Read>" + Row_A + Row_C + "<row Index=\"0x20",
         {Cells_A, Cells_C, {"", "", "", "", "", "", "", ""}},
         "SDO_Server_CANopen.xml"},
    };
    for (const Case& c : cases) {
        WriteTestFile(h.File, c.Xml);
        TFakeDialogs answers;
        answers.OnModal([&](TCustomForm& shown) {
            auto& w = static_cast<Window&>(shown);
            EXPECT_EQ(First_Rows(w, 0, 3), c.Read) << c.Name;
            EXPECT_EQ(Row_Cells(*w.Grids[1], 1)[0], "") << c.Name;
        });
        EXPECT_EQ(h.window->ShowModal(), mrCancel);
        const auto shown = TRuleWindowHarness<Window>::Texts(answers);
        if (c.Message.empty()) {
            EXPECT_TRUE(shown.empty()) << c.Name;
        } else {
            ASSERT_EQ(shown.size(), 1u) << c.Name;
            EXPECT_NE(shown[0].find(c.Message), std::string::npos) << c.Name << ": " << shown[0];
        }
        EXPECT_EQ(ReadTestFile(h.File), c.Xml) << c.Name;
    }
}

TEST_F(RuleEditorFrame, AStaleCopyFlagNeverLetsAnotherRowBePasted)
{
    h.Show([](Window& w) {
        Go_To(w, 0, 1);
        w.Btn_CopyRowClick();
    });
    // The next show fails part-way; the flag of the earlier show must not survive it.
    WriteTestFile(h.File, "<SDO_Server_CANopen><SDO_Read><row");
    TFakeDialogs answers;
    answers.OnModal([](TCustomForm& shown) {
        auto& w = static_cast<Window&>(shown);
        Go_To(w, 0, 2);
        w.Btn_PasteRowClick();
    });
    h.window->ShowModal();
    const auto shown = TRuleWindowHarness<Window>::Texts(answers);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], "Error!!! Copy a valid row before Paste it");
}

TEST_F(RuleEditorFrame, CopyRowInOneTabAndPasteRowInTheOtherIsRefused)
{
    h.Show([](Window& w) {
        Fill_Row(Go_To(w, 0, 1), 1, Cells_A);
        w.Btn_CopyRowClick();
        Go_To(w, 1, 1);
        w.Btn_PasteRowClick();
        EXPECT_EQ(Row_Cells(*w.Grids[1], 1)[0], "");
        Go_To(w, 0, 2);
        w.Btn_PasteRowClick();
        EXPECT_EQ(Row_Cells(*w.Grids[0], 2), Cells_A);
    });
    EXPECT_EQ(h.Messages(), std::vector<std::string>{"Error!!! Copy a valid row before Paste it"});
}

TEST_F(RuleEditorFrame, DeleteRowAsksAndMovesTheRowsUp)
{
    h.dialogs.AnswerMessage(mrYes);
    h.Show([](Window& w) {
        TExtColumnGrid& grid = Go_To(w, 1, 1);
        Fill_Row(grid, 1, Cells_A);
        Fill_Row(grid, 2, Cells_C);
        w.Btn_DelRow_Click();
        EXPECT_EQ(Row_Cells(grid, 1), Cells_C);
        EXPECT_EQ(Row_Cells(grid, 2)[0], "");
    });
    EXPECT_EQ(h.Messages(), std::vector<std::string>{"Are you sure to delete the Row number 1"});
}

TEST_F(RuleEditorFrame, OkRefusesARowsGapAndWritesTheRowsWithoutOneCancelKeepsTheFile)
{
    TModalResult result = mrNone;
    // The file ends at the first blank key: the row after the gap would be lost.
    EXPECT_EQ(h.Ok_Messages(
                  [](Window& w) {
                      Fill_Row(*w.Grids[0], 1, Cells_A);
                      Fill_Row(*w.Grids[0], 3, Cells_C);
                  },
                  &result),
              std::vector<std::string>{"Error row 2" + Lang_Table[2299]});
    EXPECT_NE(result, mrOk);
    EXPECT_FALSE(FileExists(h.File));

    h.Ok_Messages([](Window& w) { Fill_Row(*w.Grids[0], 1, Cells_A); }, &result);
    EXPECT_EQ(result, mrOk);
    const std::string written = ReadTestFile(h.File);
    EXPECT_EQ(written, "<SDO_Server_CANopen><SDO_Read>" + Row_A +
                           "</SDO_Read><SDO_Write/></SDO_Server_CANopen><!--SW_VERSION = 1.002-->");

    EXPECT_EQ(h.Show([](Window& w) { Fill_Row(*w.Grids[0], 1, Cells_C); }), mrCancel);
    EXPECT_EQ(ReadTestFile(h.File), written);
    h.Show([](Window& w) { EXPECT_EQ(Row_Cells(*w.Grids[0], 1), Cells_A); });
}

TEST_F(RuleEditorFrame, EnterInTheGridJumpsWithTheOption)
{
    struct Case {
        uint8_t Option;
        int Col, Row;
        int NewCol, NewRow;
    };
    const Case cases[] = {{1, 8, 500, 1, 1}, {1, 2, 7, 3, 7}, {0, 2, 7, 2, 7}};
    for (const Case& c : cases) {
        Opt_Jump_Field_Tables = c.Option;
        h.Show([&](Window& w) {
            TExtColumnGrid& grid = Go_To(w, 1, c.Row);
            grid.SetCol(c.Col);
            PressKey(VK_RETURN, {}, &grid);
            EXPECT_EQ(grid.Col(), c.NewCol) << int(c.Option) << " " << c.Col << "," << c.Row;
            EXPECT_EQ(grid.Row(), c.NewRow) << int(c.Option) << " " << c.Col << "," << c.Row;
        });
    }
    Opt_Jump_Field_Tables = 0;
}
