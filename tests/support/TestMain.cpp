// The main of every test program without a QApplication.
#include <gtest/gtest.h>

#include "TestEnvironment.h"

int main(int argc, char** argv)
{
    testsupport::SetTestEnvironment();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
