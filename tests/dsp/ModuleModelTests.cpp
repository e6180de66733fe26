#include "dsp/ModuleModel.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
    // The smallest concrete module: records which process overload ran.
    class RecordingModule final : public ModuleModel
    {
    public:
        void process (float* buffer, int n) override
        {
            ++monoCalls;
            for (int i = 0; i < n; ++i)
                buffer[i] *= 2.0f;
        }

        void process (float* left, float* right, int n) override
        {
            ++stereoCalls;
            for (int i = 0; i < n; ++i) { left[i] += 1.0f; right[i] -= 1.0f; }
        }

        void setParameter (int, float) override {}
        void calcParameter (int) override {}
        float getDefaultParameter (int) override { return 0.0f; }
        const char* getParameterName (int) override { return ""; }
        void forceCalcParams() override {}

        int monoCalls = 0, stereoCalls = 0;
    };

    class NamelessModule final : public ModuleModel
    {
    public:
        NamelessModule() { name_ = nullptr; }
        void setParameter (int, float) override {}
        void calcParameter (int) override {}
        float getDefaultParameter (int) override { return 0.0f; }
        const char* getParameterName (int) override { return ""; }
        void forceCalcParams() override {}
    };
}

TEST (ModuleModel, FreshModuleReportsItsDefaults)
{
    RecordingModule module;
    EXPECT_EQ (module.getSampleRate(), 44100.0f);
    EXPECT_EQ (module.getBpm(), 120.0f);
    EXPECT_EQ (module.getParameterNum(), 0);
    EXPECT_EQ (module.getExpectedSampleFrame(), 0);
    EXPECT_EQ (module.getInputsUsed(), 1);
    EXPECT_EQ (module.getOutputsUsed(), 1);
    EXPECT_FALSE (module.isContainer());
    EXPECT_FALSE (module.isUiNeedsUpdate());
    EXPECT_EQ (module.getFloorId(), 0);
    EXPECT_EQ (module.getColumn(), 0);
    EXPECT_STREQ (module.getName(), "ModuleModel");
    EXPECT_EQ (module.getAllParameters(), nullptr);
    EXPECT_EQ (module.getParameter (0), 0.0f);
}

TEST (ModuleModel, NameIsNeverNull)
{
    NamelessModule module;
    ASSERT_NE (module.getName(), nullptr);
    EXPECT_STREQ (module.getName(), "");
}

TEST (ModuleModel, AccessorsStoreWhatTheyAreGiven)
{
    RecordingModule module;
    module.setSampleRate (96000.0f);
    module.setBpm (90.5f);
    module.setExpectedSampleFrame (512);
    module.setFloorId (3);
    module.setColumn (7);
    module.setOutputsUsed (2);
    module.requestUiNeedsUpdate();
    EXPECT_EQ (module.getSampleRate(), 96000.0f);
    EXPECT_EQ (module.getBpm(), 90.5f);
    EXPECT_EQ (module.getExpectedSampleFrame(), 512);
    EXPECT_EQ (module.getFloorId(), 3);
    EXPECT_EQ (module.getColumn(), 7);
    EXPECT_EQ (module.getOutputsUsed(), 2);
    EXPECT_TRUE (module.isUiNeedsUpdate());
    module.clearUiNeedsUpdate();
    EXPECT_FALSE (module.isUiNeedsUpdate());
}

TEST (ModuleModel, ProcessBlockRoutesByInputsUsed)
{
    RecordingModule module;
    std::vector<float> a { 1.0f, 2.0f, 3.0f }, b { 9.0f, 9.0f, 9.0f };

    module.processBlock (a.data(), b.data(), 3);   // one input: mono, then copied
    EXPECT_EQ (module.monoCalls, 1);
    EXPECT_EQ (a, (std::vector<float> { 2.0f, 4.0f, 6.0f }));
    EXPECT_EQ (b, a);

    module.setInputsUsed (2);
    module.processBlock (a.data(), b.data(), 3);
    EXPECT_EQ (module.stereoCalls, 1);
    EXPECT_EQ (a, (std::vector<float> { 3.0f, 5.0f, 7.0f }));
    EXPECT_EQ (b, (std::vector<float> { 1.0f, 3.0f, 5.0f }));

    module.setInputsUsed (3);
    const auto before = a;
    module.processBlock (a.data(), b.data(), 3);
    EXPECT_EQ (module.monoCalls + module.stereoCalls, 2);
    EXPECT_EQ (a, before);
}
