// The hosting tests need a framework message thread: this program's main thread.
#include "tests/support/JuceTestFramework.h"

#include <gtest/gtest.h>

int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    const hushmoor::test::JuceTestFramework framework;
    return RUN_ALL_TESTS();
}
