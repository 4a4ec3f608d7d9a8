#include <gtest/gtest.h>

#include "GridOnForm.h"

namespace {

// Automatic sizing leaves room for a cell's graphic beside (columns) and above (rows) its text.
class ExtGridAutoSizeGraphicsTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(4);
        grid->SetRowCount(4);
        grid->SetCells(1, 1, "text");
        grid->SetCells(2, 1, "text");
    }
};

TEST_F(ExtGridAutoSizeGraphicsTest, ColumnsAndRowsMakeRoomForTheGraphic)
{
    grid->AutoSizeCol(2);
    const int textOnly = grid->ColWidths(2);
    grid->AddButton(2, 1, 40, 30, "b", haLeft, vaTop);
    grid->AutoSizeCol(2);
    EXPECT_EQ(grid->ColWidths(2), textOnly + grid->GetCellGraphicSize(2, 1).X);
    EXPECT_GE(grid->ColWidths(2), textOnly + 40);

    grid->AddButton(1, 2, 40, 30, "b", haLeft, vaUnderText);
    grid->SetCells(1, 2, "text");
    grid->AutoSizeRow(2);
    EXPECT_EQ(grid->RowHeights(2), grid->GetCellTextSize(1, 2, false, false).cy +
                                       grid->GetCellGraphicSize(1, 2).Y + 2 * 2 + 2);
    EXPECT_GE(grid->RowHeights(2), 30);
}

TEST_F(ExtGridAutoSizeGraphicsTest, ACheckBoxCellIsOneDefaultRowHigh)
{
    grid->SetDefaultRowHeight(40);
    grid->AddCheckBox(1, 2, true, false);
    grid->AutoSizeRow(2);
    EXPECT_GE(grid->RowHeights(2), 40);
    grid->RemoveCheckBox(1, 2);
    grid->AutoSizeRow(2);
    EXPECT_LT(grid->RowHeights(2), 40);
}

} // namespace
