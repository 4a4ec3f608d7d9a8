#include <gtest/gtest.h>

#include "support/CleanState.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new TCleanApplicationState);
    return RUN_ALL_TESTS();
}
