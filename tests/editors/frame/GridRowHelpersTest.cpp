#include <gtest/gtest.h>

#include "editors/canopen/RuleWindowHarness.h"
#include "editors/frame/GridRowHelpers.h"
#include "workspace/UComon.h"

namespace {
using Rows = std::vector<std::vector<std::string>>;

// Three rule rows of two text columns and a check-box column.
class GridRowHelpers : public testing::Test {
protected:
    GridRowHelpers()
    {
        Load_Default_Texts();
        grid = new TExtColumnGrid(&owner);
        grid->SetColCount(4);
        grid->SetRowCount(4);
        grid->SetFixedCols(1);
        grid->SetFixedRows(1);
        grid->Columns()->Items(3)->SetEditor(edDataCheckBox);
        for (int r = 1; r <= 3; ++r) {
            grid->SetCells(0, r, std::to_string(r));
            Fill_Row(*grid, r, {"a" + std::to_string(r), "b" + std::to_string(r), "Y"});
        }
    }
    ~GridRowHelpers() override
    {
        Opt_Jump_Field_Tables = 0;
        Copy_Row_Buffer.Clear();
    }

    Rows All_Rows() const { return {Row_Cells(*grid, 1), Row_Cells(*grid, 2), Row_Cells(*grid, 3)}; }
    std::vector<std::string> Numbers() const
    {
        return {grid->Cells(0, 1), grid->Cells(0, 2), grid->Cells(0, 3)};
    }

    TFakeDialogs dialogs;
    TComponent owner{nullptr};
    TExtColumnGrid* grid;
};
} // namespace

TEST_F(GridRowHelpers, DeleteMovesTheRowsBelowUpAndEmptiesTheLast)
{
    Delete_Grid_Row(1, *grid);
    EXPECT_EQ(All_Rows(), (Rows{{"a2", "b2", "Y"}, {"a3", "b3", "Y"}, {"", "", ""}}));
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(grid->RowCount(), 4);
}

TEST_F(GridRowHelpers, InsertOnAFullTableLosesTheLastRow)
{
    struct Case {
        int Row;
        bool SetEnable;
        Rows Expected;
    };
    const Case cases[] = {
        {1, false, {{"", "", ""}, {"a1", "b1", "Y"}, {"a2", "b2", "Y"}}},
        {2, true, {{"a1", "b1", "Y"}, {"Y", "", ""}, {"a2", "b2", "Y"}}},
        {3, false, {{"a1", "b1", "Y"}, {"a2", "b2", "Y"}, {"", "", ""}}},
    };
    for (const Case& c : cases) {
        for (int r = 1; r <= 3; ++r)
            Fill_Row(*grid, r, {"a" + std::to_string(r), "b" + std::to_string(r), "Y"});
        Insert_Grid_Row(c.Row, *grid, c.SetEnable);
        EXPECT_EQ(All_Rows(), c.Expected) << "row " << c.Row;
    }
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2", "3"}));
}

TEST_F(GridRowHelpers, PasteChecksTheFlagTheBufferAndAUsedRow)
{
    const std::string refused = "Error!!! Copy a valid row before Paste it";
    const std::string wrongBuffer = "Error in the Copy values!!! Copy a valid row before Paste it";
    const std::string overwrite = "Row Already used. Do you want to overwrite the values?";
    struct Case {
        const char* Name;
        bool Copied;
        std::vector<std::string> Buffer;
        std::vector<std::string> Target; // row 3 before the paste
        int Answer;
        std::vector<std::string> Shown;
        std::vector<std::string> After;
    };
    const Case cases[] = {
        {"not copied", false, {"x", "y", "N"}, {"", "", "Y"}, mrYes, {refused}, {"", "", "Y"}},
        {"buffer of another grid", true, {"x", "y"}, {"", "", "Y"}, mrYes, {wrongBuffer}, {"", "", "Y"}},
        {"used row, No", true, {"x", "y", "N"}, {"a3", "", "Y"}, mrNo, {overwrite}, {"a3", "", "Y"}},
        {"used row, Yes", true, {"x", "y", "N"}, {"a3", "", "Y"}, mrYes, {overwrite}, {"x", "y", "N"}},
        {"only a check box set", true, {"x", "y", "N"}, {"", "", "Y"}, mrNo, {}, {"x", "y", "N"}},
        {"blank text only", true, {"x", "y", "N"}, {"  ", "", "N"}, mrNo, {}, {"x", "y", "N"}},
    };
    for (const Case& c : cases) {
        TFakeDialogs answers;
        answers.AnswerMessage(c.Answer);
        Copy_Row_Buffer.Clear();
        for (const std::string& text : c.Buffer)
            Copy_Row_Buffer.Add(text);
        Fill_Row(*grid, 3, c.Target);
        Paste_Grid_Row(*grid, 3, c.Copied);
        std::vector<std::string> shown;
        for (const auto& message : answers.Messages())
            shown.push_back(message.Text);
        EXPECT_EQ(shown, c.Shown) << c.Name;
        EXPECT_EQ(Row_Cells(*grid, 3), c.After) << c.Name;
    }
}

TEST_F(GridRowHelpers, CopyThenPasteTheSameRowTwice)
{
    Copy_Grid_Row(*grid, 1);
    EXPECT_EQ(Copy_Row_Buffer.Count(), 3);
    Delete_Grid_Row(1, *grid);
    Delete_Grid_Row(1, *grid);
    Delete_Grid_Row(1, *grid);
    Paste_Grid_Row(*grid, 1, true);
    Paste_Grid_Row(*grid, 2, true);
    EXPECT_EQ(All_Rows(), (Rows{{"a1", "b1", "Y"}, {"a1", "b1", "Y"}, {"", "", ""}}));
}

TEST_F(GridRowHelpers, EnterJumpsToTheNextCellWhenTheOptionIsOn)
{
    struct Case {
        bool Option;
        char32_t Key;
        int Col, Row;
        int NewCol, NewRow;
        char32_t KeyAfter;
    };
    const Case cases[] = {
        {true, 13, 1, 1, 2, 1, 0},   {true, 13, 3, 1, 1, 2, 0},    {true, 13, 3, 3, 1, 1, 0},
        {false, 13, 1, 1, 1, 1, 13}, {true, 'a', 1, 1, 1, 1, 'a'},
    };
    for (const Case& c : cases) {
        Opt_Jump_Field_Tables = c.Option;
        grid->SetCol(c.Col);
        grid->SetRow(c.Row);
        char32_t key = c.Key;
        Grid_Enter_Key_Jump(*grid, key);
        EXPECT_EQ(grid->Col(), c.NewCol) << c.Col << "," << c.Row;
        EXPECT_EQ(grid->Row(), c.NewRow) << c.Col << "," << c.Row;
        EXPECT_EQ(key, c.KeyAfter);
    }
}

// A header double click sizes the column to its widest text, only with the option on.
TEST_F(GridRowHelpers, HeaderDoubleClickSizesTheColumnWithTheOptionOn)
{
    const struct {
        bool Option;
        int Row;
        int Width;  // 0: sized to the text, narrower than before
    } cases[] = {{true, 0, 0}, {false, 0, 200}, {true, 2, 200}};
    for (const auto& c : cases) {
        grid->SetColWidths(1, 200);
        Opt_Double_Click_Auto_Size = c.Option;
        Grid_Auto_Size_Col(*grid, c.Row, 1);
        if (c.Width)
            EXPECT_EQ(grid->ColWidths(1), c.Width) << c.Option << " row " << c.Row;
        else
            EXPECT_LT(grid->ColWidths(1), 200) << c.Option << " row " << c.Row;
    }
    Opt_Double_Click_Auto_Size = 0;
}
