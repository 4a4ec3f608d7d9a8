#include <gtest/gtest.h>

#include "grid/services/CellTable.h"

TEST(MemoryCellTable, PadsShortRowsAndIgnoresWritesOutside)
{
    TMemoryCellTable Table({{"a", "b"}, {"c"}});
    EXPECT_EQ(Table.ColCount(), 2);
    EXPECT_EQ(Table.RowCount(), 2);
    EXPECT_EQ(Table.Cell(1, 1), "");
    Table.SetCell(2, 0, "x");
    Table.SetCell(-1, 0, "x");
    EXPECT_EQ(Table.Cell(2, 0), "");
    Table.Resize(3, 1);
    EXPECT_EQ(Table.Cell(0, 0), "a");
    EXPECT_EQ(Table.RowCount(), 1);
    Table.SetCell(2, 0, "x");
    EXPECT_EQ(Table.Cell(2, 0), "x");
}
