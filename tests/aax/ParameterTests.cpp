#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_CParameterManager.h"
#include "AAX_VAutomationDelegate.h"
#include "FakeEffectHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

using namespace fakehost;
using Calls = std::vector<std::string>;

namespace
{
    std::unique_ptr<AAX_CParameter<float>> MakeFloat (const char* identifier, float defaultValue = 0.5f)
    {
        return std::make_unique<AAX_CParameter<float>> (identifier, AAX_CString ("threshold"), defaultValue,
                                                        AAX_CLinearTaperDelegate<float, 0> (0.0f, 1.0f),
                                                        AAX_CNumberDisplayDelegate<float, 3u, 0u>(), true);
    }

    std::unique_ptr<AAX_CParameter<bool>> MakeBypass()
    {
        return std::make_unique<AAX_CParameter<bool>> ("MasterBypassID", AAX_CString ("Master Bypass"), false,
                                                       AAX_CBinaryTaperDelegate<bool>(),
                                                       AAX_CBinaryDisplayDelegate<bool> ("bypass", "on"), true);
    }

    std::string ValueText (const AAX_IParameter& parameter, std::int32_t limit = -1)
    {
        AAX_CString text;
        EXPECT_TRUE (limit < 0 ? parameter.GetValueString (&text) : parameter.GetValueString (limit, &text));
        return text.Get();
    }

    /** Maps 0..1 to itself without clamping; only ConstrainRealValue keeps values in range. */
    class UnclampedTaper final : public AAX_ITaperDelegate<float>
    {
    public:
        AAX_ITaperDelegate<float>* Clone() const override           { return new UnclampedTaper (*this); }
        float GetMaximumValue() const override                       { return 1.0f; }
        float GetMinimumValue() const override                       { return 0.0f; }
        float ConstrainRealValue (float value) const override        { return std::clamp (value, 0.0f, 1.0f); }
        float NormalizedToReal (double normalized) const override    { return static_cast<float> (normalized); }
        double RealToNormalized (float real) const override          { return real; }
    };

    /** A parameter whose registration with the automation delegate fails. */
    class UnregistrableParameter final : public AAX_CParameter<float>
    {
    public:
        UnregistrableParameter()
            : AAX_CParameter<float> ("0", AAX_CString ("threshold"), 0.5f, AAX_CLinearTaperDelegate<float, 0> (0.0f, 1.0f),
                                     AAX_CNumberDisplayDelegate<float, 3u, 0u>(), true)
        {
        }

        void SetAutomationDelegate (AAX_IAutomationDelegate*) override    { throw std::runtime_error ("refused"); }
    };

    class Parameters : public ::testing::Test
    {
    protected:
        void SetUp() override       { log.Clear(); }

        void TearDown() override
        {
            automation.reset();
            EXPECT_EQ (host.OutstandingReferences(), 0);
        }

        HostLog log;
        FakeEffectHost host { log };
        std::unique_ptr<AAX_VAutomationDelegate> automation = std::make_unique<AAX_VAutomationDelegate> (host.Unknown());
    };
}

TEST_F (Parameters, ConstructionStoresTheConstrainedDefaultWithoutTellingAnyone)
{
    const auto threshold = MakeFloat ("0");
    EXPECT_EQ (threshold->GetNormalizedValue(), 0.5);
    EXPECT_EQ (ValueText (*threshold), "0.500");
    EXPECT_EQ (ValueText (*threshold, 4), "0.50");
    EXPECT_EQ (ValueText (*threshold, 2), "0");
    EXPECT_EQ (threshold->GetNumberOfSteps(), 128u);
    EXPECT_EQ (threshold->GetType(), AAX_PARAMETER_TYPE_CONTINUOUS);

    const auto tooHigh = MakeFloat ("1", 1.5f);
    EXPECT_EQ (tooHigh->GetNormalizedValue(), 1.0);
    EXPECT_EQ (tooHigh->GetNormalizedDefaultValue(), 1.0);

    const auto longName = MakeFloat ("0123456789012345678901234567890123456789");
    EXPECT_STREQ (longName->Identifier(), "0123456789012345678901234567890");
    const std::unique_ptr<AAX_IParameterValue> value (longName->CloneValue());
    EXPECT_STREQ (value->Identifier(), "0123456789012345678901234567890");
    EXPECT_STREQ (MakeFloat (nullptr)->Identifier(), "");
    EXPECT_TRUE (log.Calls().empty());
}

TEST_F (Parameters, WithoutADelegateSetsStoreAtOnceClamped)
{
    const auto threshold = MakeFloat ("0");
    const struct { double set; double stored; } rows[] { { 1.5, 1.0 }, { -0.2, 0.0 }, { 0.7, 0.7f } };

    for (const auto& row : rows)
    {
        threshold->SetNormalizedValue (row.set);
        EXPECT_EQ (threshold->GetNormalizedValue(), row.stored) << row.set;
    }

    EXPECT_TRUE (threshold->SetValueFromString (AAX_CString ("2")));
    EXPECT_EQ (threshold->GetNormalizedValue(), 1.0);

    // The default is clamped by the parameter itself, whatever the taper's conversions do.
    AAX_CParameter<float> loose ("1", AAX_CString ("loose"), 0.5f, UnclampedTaper(),
                                 AAX_CNumberDisplayDelegate<float, 3u, 0u>(), true);

    for (const auto& [set, stored] : { std::pair { 1.5, 1.0 }, { -0.5, 0.0 }, { 0.25, 0.25 } })
    {
        loose.SetNormalizedDefaultValue (set);
        EXPECT_EQ (loose.GetNormalizedDefaultValue(), stored) << set;
        EXPECT_EQ (loose.GetNormalizedValue(), 0.5) << set;
    }
}

TEST_F (Parameters, WithADelegateASetOnlyAsksAndTheHostsAnswerStores)
{
    auto threshold = MakeFloat ("0");
    threshold->SetAutomationDelegate (automation.get());
    threshold->SetNormalizedValue (0.7);
    EXPECT_EQ (threshold->GetNormalizedValue(), 0.5);

    threshold->UpdateNormalizedValue (0.7);
    EXPECT_EQ (threshold->GetNormalizedValue(), 0.7f);
    threshold->UpdateNormalizedValue (0.7);   // unchanged: dropped

    // A host that answers at once completes the whole cycle inside the request.
    host.automation.answerSetValue = [&] (const char*, double value) { threshold->UpdateNormalizedValue (value); };
    threshold->SetNormalizedValue (0.25);
    EXPECT_EQ (threshold->GetNormalizedValue(), 0.25);
    threshold.reset();

    EXPECT_EQ (log.OperationsOn ("automation"), (Calls {
        "RegisterParameter(\"0\")",
        "PostTouchRequest(\"0\")", "PostSetValueRequest(\"0\", 0.700000)", "PostReleaseRequest(\"0\")",
        "PostCurrentValue(\"0\", 0.700000)",
        "PostTouchRequest(\"0\")", "PostSetValueRequest(\"0\", 0.250000)", "PostCurrentValue(\"0\", 0.250000)",
        "PostReleaseRequest(\"0\")",
        "UnregisterParameter(\"0\")" }));
}

TEST_F (Parameters, TextConvertsWithARangeCheck)
{
    const auto threshold = MakeFloat ("0");
    const struct { const char* text; bool result; double written; } rows[] {
        { "0.25", true, 0.25 }, { "2", false, 1.0 }, { "-1", false, 0.0 }, { "dB", false, -5.0 },
    };

    for (const auto& row : rows)
    {
        double normalized = -5.0;
        EXPECT_EQ (threshold->GetNormalizedValueFromString (AAX_CString (row.text), &normalized), row.result) << row.text;
        EXPECT_EQ (normalized, row.written) << row.text;
    }

    AAX_CString text;
    EXPECT_TRUE (threshold->GetStringFromNormalizedValue (0.125, text));
    EXPECT_STREQ (text.Get(), "0.125");

    const auto bypass = MakeBypass();
    EXPECT_EQ (ValueText (*bypass, 1), "bypass");
    bypass->SetValueWithBool (true);
    EXPECT_EQ (ValueText (*bypass, 1), "on");
    double normalized = -1.0;
    EXPECT_TRUE (bypass->GetNormalizedValueFromString (AAX_CString ("bypass"), &normalized));
    EXPECT_EQ (normalized, 0.0);
    EXPECT_FALSE (bypass->GetNormalizedValueFromString (AAX_CString ("On"), &normalized));
}

TEST_F (Parameters, OnlyTheOwnValueTypeIsServed)
{
    const auto threshold = MakeFloat ("0");
    const auto bypass = MakeBypass();
    bool b = true;
    std::int32_t i = 0;
    double d = 0.0;
    float f = 0.0f;
    AAX_CString text ("old");

    EXPECT_FALSE (threshold->SetValueWithBool (true) || threshold->SetValueWithInt32 (1) || threshold->SetValueWithDouble (1.0)
                  || bypass->SetValueWithFloat (1.0f) || bypass->GetValueAsFloat (&f) || threshold->GetValueAsDouble (&d));
    EXPECT_TRUE (bypass->GetValueAsBool (&b) && ! b);
    EXPECT_TRUE (threshold->SetValueWithFloat (0.75f));

    const std::unique_ptr<AAX_IParameterValue> value (threshold->CloneValue());
    EXPECT_FALSE (value->GetValueAsBool (&b) || value->GetValueAsInt32 (&i) || value->GetValueAsString (&text));
    EXPECT_TRUE (value->GetValueAsFloat (&f) && f == 0.75f);
    EXPECT_TRUE (threshold->GetValueAsString (&text));
    EXPECT_STREQ (text.Get(), "0.750");
}

TEST_F (Parameters, StepsAndShortenedNames)
{
    const auto threshold = MakeFloat ("0");
    const struct { std::uint32_t steps; std::uint32_t step; double normalized; double probe; std::uint32_t probeStep; } rows[] {
        { 2, 1, 1.0, 0.5, 1 }, { 5, 1, 0.25, 0.3, 1 }, { 5, 9, 1.0, 7.0, 4 }, { 5, 0, 0.0, NAN, 0 }, { 1, 1, 0.0, 0.9, 0 },
    };

    for (const auto& row : rows)
    {
        threshold->SetNumberOfSteps (row.steps);
        threshold->SetNumberOfSteps (0);   // ignored
        EXPECT_EQ (threshold->GetNormalizedValueFromStep (row.step), row.normalized) << row.steps;
        EXPECT_EQ (threshold->GetStepValueFromNormalizedValue (row.probe), row.probeStep) << row.steps;
    }

    threshold->SetStepValue (1);   // fewer than 2 steps: nothing happens
    EXPECT_EQ (threshold->GetNormalizedValue(), 0.5);

    threshold->SetName (AAX_CString ("Threshold"));
    threshold->AddShortenedName (AAX_CString ("Thre"));
    threshold->AddShortenedName (AAX_CString ("Thrs"));   // same length: replaces
    threshold->AddShortenedName (AAX_CString ("Th"));

    for (const auto& [limit, name] : { std::pair { 9, "Threshold" }, { -1, "Threshold" }, { 5, "Thrs" }, { 3, "Th" }, { 1, "Th" } })
        EXPECT_STREQ (threshold->ShortenedName (limit).Get(), name) << limit;

    threshold->ClearShortenedNames();
    EXPECT_STREQ (threshold->ShortenedName (3).Get(), "Threshold");
}

TEST_F (Parameters, ReplacedDelegatesReportTheValueAndWrongTypesAreIgnored)
{
    const auto threshold = MakeFloat ("0");
    threshold->SetAutomationDelegate (automation.get());
    AAX_CBinaryTaperDelegate<bool> boolTaper;
    AAX_CBinaryDisplayDelegate<bool> boolDisplay ("off", "on");
    threshold->SetTaperDelegate (boolTaper, true);
    threshold->SetDisplayDelegate (boolDisplay);
    EXPECT_EQ (ValueText (*threshold), "0.500");

    // A wider taper keeping the real value moves its position; keeping the position moves the value.
    AAX_CLinearTaperDelegate<float, 0> wide (0.0f, 2.0f);
    host.automation.answerSetValue = [&] (const char*, double value) { threshold->UpdateNormalizedValue (value); };
    threshold->SetTaperDelegate (wide, true);
    EXPECT_EQ (threshold->GetNormalizedValue(), 0.25);
    AAX_CLinearTaperDelegate<float, 0> unit (0.0f, 1.0f);
    threshold->SetTaperDelegate (unit, false);
    EXPECT_EQ (ValueText (*threshold), "0.250");

    // A new display makes the host ask for the text again.
    AAX_CNumberDisplayDelegate<float, 3u, 0u> number;
    threshold->SetDisplayDelegate (number);

    // A taper change reports the value even when the real value stayed the same.
    EXPECT_EQ (log.OperationsOn ("automation"), (Calls {
        "RegisterParameter(\"0\")",
        "PostTouchRequest(\"0\")", "PostSetValueRequest(\"0\", 0.250000)", "PostCurrentValue(\"0\", 0.250000)",
        "PostReleaseRequest(\"0\")",
        "PostCurrentValue(\"0\", 0.250000)",
        "PostCurrentValue(\"0\", 0.250000)" }));
}

TEST_F (Parameters, ManagerOwnsFindsAndAttachesTheDelegate)
{
    AAX_CParameterManager manager;
    auto early = MakeFloat ("0");
    auto* earlyRaw = early.get();
    manager.AddParameter (early.release());   // before Initialize: no delegate
    manager.Initialize (automation.get());
    manager.AddParameter (MakeFloat ("1").release());
    manager.AddParameter (MakeBypass().release());
    manager.AddParameter (nullptr);

    const auto duplicate = MakeFloat ("1");
    manager.AddParameter (duplicate.get());   // refused: stays ours

    EXPECT_EQ (manager.NumParameters(), 3);
    EXPECT_EQ (manager.GetParameter (0), earlyRaw);
    EXPECT_EQ (manager.GetParameter (-1), nullptr);
    EXPECT_EQ (manager.GetParameter (3), nullptr);
    EXPECT_EQ (manager.GetParameterIndex ("MasterBypassID"), 2);
    EXPECT_EQ (manager.GetParameterIndex ("masterbypassid"), -1);
    EXPECT_EQ (manager.GetParameterIndex (nullptr), -1);
    EXPECT_EQ (manager.GetParameterByID ("1"), manager.GetParameter (1));
    EXPECT_EQ (manager.GetParameterByID ("masterBypassID"), nullptr);
    EXPECT_EQ (manager.GetParameterByID (nullptr), nullptr);

    manager.RemoveAllParameters();
    EXPECT_EQ (manager.NumParameters(), 0);
    EXPECT_EQ (manager.GetParameterByID ("1"), nullptr);
    EXPECT_EQ (log.OperationsOn ("automation"), (Calls {
        "RegisterParameter(\"1\")", "RegisterParameter(\"MasterBypassID\")",
        "UnregisterParameter(\"1\")", "UnregisterParameter(\"MasterBypassID\")" }));
}

TEST_F (Parameters, AParameterTheManagerCannotAttachStaysTheCallersAndLeavesNoTrace)
{
    AAX_CParameterManager manager;
    manager.Initialize (automation.get());
    auto refused = std::make_unique<UnregistrableParameter>();
    EXPECT_THROW (manager.AddParameter (refused.get()), std::runtime_error);
    refused.reset();

    EXPECT_EQ (manager.NumParameters(), 0);
    EXPECT_EQ (manager.GetParameterByID ("0"), nullptr);
    manager.AddParameter (MakeFloat ("0").release());
    EXPECT_EQ (manager.GetParameterIndex ("0"), 0);
    EXPECT_NE (manager.GetParameterByID ("0"), nullptr);
}
