#pragma once
#include <gtest/gtest.h>

#include <string>

#include "grid/control/ExtStringGrid.h"

// Fails the test, naming Step, when the grid's row space, or its column space, disagrees
// with itself.
inline void ExpectRowsConsistent(const TExtStringGrid& Grid, const std::string& Step)
{
    EXPECT_EQ(Grid.RowSpace().CheckConsistency(Grid.RowCount()), "") << Step;
    EXPECT_EQ(Grid.ColumnSpace().CheckConsistency(Grid.TotalColCount()), "") << Step;
}
