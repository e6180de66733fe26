// Linked into a test program, this runs the framework for the whole program.
#include "tests/support/JuceTestFramework.h"

#include <gtest/gtest.h>

namespace
{
    struct JuceEnvironment : ::testing::Environment
    {
        void SetUp() override     { framework = std::make_unique<hushmoor::test::JuceTestFramework>(); }
        void TearDown() override  { framework.reset(); }

        std::unique_ptr<hushmoor::test::JuceTestFramework> framework;
    };

    [[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment (new JuceEnvironment);
}
