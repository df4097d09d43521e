// Test entry for the programs without a main of their own.
#include "test_home.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    UseTestHome();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
