#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/foundation/model/MouseActions.h"

namespace {

using ExtGridCellAccessorsTest = GridOnForm;

TEST_F(ExtGridCellAccessorsTest, HiddenColumnsKeepTheWidthWrittenForThem)
{
    grid->SetColWidths(2, 50);
    grid->HideColumn(2);
    EXPECT_EQ(grid->AllColWidths(2), 50);
    grid->SetAllColWidths(2, 70);
    grid->SetAllColWidths(3, 33);
    EXPECT_EQ(grid->ColWidths(2), 33);
    grid->UnHideColumn(2);
    EXPECT_EQ(grid->ColWidths(2), 70);
    EXPECT_EQ(grid->AllColWidths(3), 33);
}

TEST_F(ExtGridCellAccessorsTest, ReadersCreateNoPropertiesAndWritersDo)
{
    EXPECT_EQ(grid->Colors(1, 1), clNone);
    EXPECT_FALSE(grid->ReadOnly(1, 1));
    EXPECT_EQ(grid->FontColors(1, 1), clNone);
    EXPECT_FALSE(grid->HasCellProperties(1, 1));
    grid->SetReadOnly(1, 1, true);
    EXPECT_TRUE(grid->HasCellProperties(1, 1));
    EXPECT_TRUE(grid->ReadOnly(1, 1));
    EXPECT_EQ(grid->Colors(1, 1), clNone);
}

TEST_F(ExtGridCellAccessorsTest, WideCellsReadTheDecodedText)
{
    grid->SetWideCells(1, 1, "Grüße");
    EXPECT_EQ(grid->WideCells(1, 1), "Grüße");
    grid->SetCells(1, 2, std::string("|\\") + '\0' + 'A' + '\x01' + '\x00');
    EXPECT_EQ(grid->WideCells(1, 2), "A\xC4\x80");
}

TEST_F(ExtGridCellAccessorsTest, SelectedCellsOfARectangleAreCountedColumnByColumn)
{
    grid->SetSelection({1, 2, 3, 3});
    EXPECT_EQ(grid->SelectedCellsCount(), 6);
    EXPECT_EQ(grid->SelectedCell(0), (TGridCoord{1, 2}));
    EXPECT_EQ(grid->SelectedCell(1), (TGridCoord{1, 3}));
    EXPECT_EQ(grid->SelectedCell(5), (TGridCoord{3, 3}));
    EXPECT_TRUE(grid->SelectedCells(2, 3));
    EXPECT_FALSE(grid->SelectedCells(4, 3));
    EXPECT_EQ(TExtStringGrid::SelectedCellKey(3, 2), 2 * 65536 + 3);
}

TEST_F(ExtGridCellAccessorsTest, DisjunctSelectedCellsAreKeptOnceEach)
{
    grid->MouseActions()->SetDisjunctCellSelect(true);
    grid->SetSelectedCells(2, 1, true);
    grid->SetSelectedCells(2, 1, true);
    grid->SetSelectedCells(1, 3, true);
    EXPECT_EQ(grid->SelectedCellsCount(), 2);
    EXPECT_TRUE(grid->SelectedCells(2, 1));
    EXPECT_FALSE(grid->SelectedCells(1, 1));
    grid->SetSelectedCells(2, 1, false);
    EXPECT_EQ(grid->SelectedCellsCount(), 1);
    EXPECT_EQ(grid->SelectedCell(0), (TGridCoord{1, 3}));
    grid->ClearSelectedCells();
    EXPECT_EQ(grid->SelectedCellsCount(), 0);
}

} // namespace
