#pragma once
#include <gtest/gtest.h>

#include <string>

#include "grid/control/ExtStringGrid.h"

// Fails the test, naming Step, when the grid's row space disagrees with itself.
inline void ExpectRowsConsistent(const TExtStringGrid& Grid, const std::string& Step)
{
    EXPECT_EQ(Grid.RowSpace().CheckConsistency(Grid.RowCount()), "") << Step;
}
