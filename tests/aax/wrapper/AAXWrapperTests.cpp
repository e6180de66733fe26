// The AAX wrapper compiled into the test itself, driven through the same host layer, for
// what a host outside the module cannot provoke or see: the processor's own changes and
// the allocations of the audio path.

#include "HostEffect.h"

#include "plugin/GraviloHushmoorAudioProcessor.h"
#include "tests/support/AllocationCounter.h"
#include "wrappers/aax/HushmoorAAXProcessor.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace fakehost;

namespace
{
    /** This program's own entry points, registered once. */
    struct Registered
    {
        HostLog log;
        HostModule module { "", log };
        ACFRESULT started = module.StartUp();
        ACFRESULT registered = module.Register();

        static const RegisteredEffect& effect()
        {
            static Registered loaded;
            return loaded.module.Effects().at (0);
        }
    };

    class AAXWrapper : public ::testing::Test
    {
    protected:
        AAXWrapper() : plugin (Registered::effect(), *Registered::effect().FindComponent (2, 2), log)
        {
            initialised = plugin.Initialize();
        }

        GraviloHushmoorAudioProcessor& processor()
        {
            return dynamic_cast<hushmoor::aax::HushmoorAAXProcessor&> (plugin.Effect()).getProcessor();
        }

        /** The value the library holds as published to the host. */
        float published (const char* id)
        {
            AAX_IParameter* parameter = nullptr;
            float value = -1.0f;
            bool on = false;

            if (plugin.Effect().GetParameter (id, &parameter) == AAX_SUCCESS && parameter != nullptr
                 && ! parameter->GetValueAsFloat (&value) && parameter->GetValueAsBool (&on))
                value = on ? 1.0f : 0.0f;

            return value;
        }

        std::int32_t bypassPort() const
        {
            std::int32_t v = -1;
            std::memcpy (&v, plugin.Port (3).data(), sizeof v);
            return v;
        }

        /** Whether a block of steady input comes out untouched. */
        bool passesUntouched()
        {
            std::vector<float> left (256, 0.01f), right (256, -0.01f);
            float* channels[] { left.data(), right.data() };
            plugin.Process (channels, channels, 256);
            return left == std::vector<float> (256, 0.01f) && right == std::vector<float> (256, -0.01f);
        }

        HostLog log;
        HostEffect plugin;
        ACFRESULT initialised;
    };
}

TEST_F (AAXWrapper, TheProcessorsOwnChangesReachTheHostThroughItsAutomation)
{
    ASSERT_EQ (initialised, AAX_SUCCESS);
    log.Clear();

    // An edit in the editor (outside any host call): a gesture around a notified change.
    // The host hears of it on its own thread, at its next periodic call.
    JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
    processor().beginParameterChangeGesture (3);
    processor().setParameterNotifyingHost (3, 0.5f);
    processor().endParameterChangeGesture (3);
    JUCE_END_IGNORE_WARNINGS_GCC_LIKE

    EXPECT_TRUE (log.OperationsOn ("automation").empty());
    plugin.TimerWakeup();
    EXPECT_EQ (log.OperationsOn ("automation"), (std::vector<std::string> {
        "PostTouchRequest(\"3\")",
        "PostTouchRequest(\"3\")", "PostSetValueRequest(\"3\", 0.500000)", "PostCurrentValue(\"3\", 0.500000)",
        "PostReleaseRequest(\"3\")",
        "PostReleaseRequest(\"3\")" }));
    EXPECT_EQ (plugin.ParameterValue ("3"), 0.5);

    // A program change tells the host all five values; any other change is counted.
    log.Clear();
    processor().setCurrentProgram (5);
    plugin.TimerWakeup();
    for (const auto* request : { "(\"0\", 1.000000)", "(\"1\", 0.000000)", "(\"2\", 0.000000)", "(\"3\", 0.134000)",
                                 "(\"4\", 0.367000)" })
        EXPECT_EQ (log.Count (std::string ("automation.PostSetValueRequest") + request), 1u) << request;

    EXPECT_EQ (plugin.ParameterValue ("3"), 0.134f);

    std::int32_t before = 0, after = 0;
    plugin.Effect().GetNumberOfChanges (&before);
    processor().updateHostDisplay();
    plugin.TimerWakeup();
    plugin.Effect().GetNumberOfChanges (&after);
    EXPECT_EQ (after, before + 1);
}

TEST_F (AAXWrapper, TheAudioPathAllocatesNothing)
{
    ASSERT_EQ (initialised, AAX_SUCCESS);
    std::vector<float> left (4096, 0.3f), right (4096, -0.2f);
    float* channels[] { left.data(), right.data() };
    const auto allocationsBefore = hushmoor::test::allocationsOnThisThread();

    for (int block = 0; block < 200; ++block)
    {
        // Between blocks, on the host's side: every kind of change, the bypass included.
        plugin.SetParameter (std::to_string (block % 5), (block % 3) == 0 ? 0.0 : 0.6);
        plugin.SetParameter ("MasterBypassID", (block % 7) == 0 ? 1.0 : 0.0);
        plugin.GenerateCoefficients();

        hushmoor::test::countAllocationsOnThisThread (true);
        plugin.Process (channels, channels, block % 2 == 0 ? 512 : 4096);
        hushmoor::test::countAllocationsOnThisThread (false);
    }

    EXPECT_EQ (hushmoor::test::allocationsOnThisThread(), allocationsBefore);
}

TEST_F (AAXWrapper, InitialisedAgainItKeepsItsValuesAndBypassAndTakesTheNewRate)
{
    ASSERT_EQ (initialised, AAX_SUCCESS);
    plugin.SetParameter ("2", 0.9);

    for (const float rate : { 96000.0f, 44100.0f })
    {
        SCOPED_TRACE (rate);

        // The bypass engaged and posted; then released with no coefficients asked for, so
        // the port still holds the engaged value when the host re-initialises.
        plugin.SetParameter ("MasterBypassID", 1.0);
        plugin.GenerateCoefficients();
        const bool engaged = rate > 48000.0f;

        if (! engaged)
            plugin.SetParameter ("MasterBypassID", 0.0);

        ASSERT_EQ (plugin.Uninitialize(), AAX_SUCCESS);
        plugin.Context().controller.state.sampleRate = rate;
        ASSERT_EQ (plugin.Initialize(), AAX_SUCCESS);

        EXPECT_EQ (published ("2"), 0.9f);
        EXPECT_EQ (published ("MasterBypassID"), engaged ? 1.0f : 0.0f);
        EXPECT_EQ (bypassPort(), engaged ? 1 : 0);
        EXPECT_EQ (passesUntouched(), engaged) << "the bypass the host sees is the one the audio has";
        EXPECT_EQ (const_cast<NoiseGate&> (processor().getGate()).getSampleRate(), rate);

        // What the host saves now holds the value.
        HostEffect other (Registered::effect(), plugin.Component(), log);
        ASSERT_EQ (other.Initialize(), AAX_SUCCESS);
        ASSERT_EQ (other.SetChunk (0x656C636B, plugin.GetChunk (0x656C636B)), AAX_SUCCESS);
        EXPECT_EQ (other.ParameterValue ("2"), 0.9f);
    }
}

TEST_F (AAXWrapper, ReadsBackEveryTextItShows)
{
    ASSERT_EQ (initialised, AAX_SUCCESS);
    auto& e = plugin.Effect();

    const auto read = [&e] (const char* id, const char* text, double* value)
    {
        return e.GetParameterValueFromString (id, value, AAX_CString (text));
    };

    // Every text the processor shows, over the whole range (the threshold's steepest part,
    // where the single-precision gain shows -inf dB, included).
    for (int index = 0; index < 5; ++index)
    {
        const auto id = std::to_string (index);

        for (int step = 0; step <= 400; ++step)
        {
            const float v = step <= 100 ? static_cast<float> (step) * 2.0e-6f : static_cast<float> (step - 100) / 300.0f;
            const auto text = GraviloHushmoorAudioProcessor::getParameterTextForValue (index, v);
            double value = -1.0;
            ASSERT_EQ (read (id.c_str(), text.toRawUTF8(), &value), AAX_SUCCESS) << text;
            ASSERT_EQ (GraviloHushmoorAudioProcessor::getParameterTextForValue (index, static_cast<float> (value)), text);
            ASSERT_TRUE (value >= 0.0 && value <= 1.0) << text;
        }
    }

    // Both texts the host is shown for a value, at the lengths it asks for: the number its
    // value string shows is the value itself, the text from the value is the processor's.
    for (const auto* id : { "0", "1", "2", "3", "4" })
    {
        for (const double v : { 0.0, 0.0004, 0.134, 0.25, 0.3337, 0.5, 0.9995, 1.0 })
        {
            plugin.SetParameter (id, v);

            for (const std::int32_t length : { 31, 5, 4, 2, 1 })
            {
                AAX_CString number, again;
                ASSERT_EQ (e.GetParameterValueString (id, &number, length), AAX_SUCCESS);
                double value = -1.0;
                ASSERT_EQ (read (id, number.Get(), &value), AAX_SUCCESS) << id << " " << number.Get();
                plugin.SetParameter (id, value);
                e.GetParameterValueString (id, &again, length);
                EXPECT_EQ (std::string (again.Get()), number.Get()) << id;
                plugin.SetParameter (id, v);
            }

            // Whole, and with its unit cut short by a host's length limit ("-37.89 d").
            const auto text = plugin.ParameterText (id);
            const auto length = static_cast<std::int32_t> (text.size()) - (text.find (' ') != std::string::npos ? 1 : 0);
            const auto shown = plugin.ParameterText (id, length);
            double value = -1.0;
            ASSERT_EQ (read (id, shown.c_str(), &value), AAX_SUCCESS) << id << " " << shown;
            EXPECT_EQ (GraviloHushmoorAudioProcessor::getParameterTextForValue (std::atoi (id), static_cast<float> (value)),
                       juce::String (text)) << id;
        }
    }

    // Typed by hand: a bare number is the value from 0 to 1; a unit in any case; more
    // decimals than shown.
    const struct { const char* id; const char* text; const char* shows; } typed[] {
        { "2", " 0.250 ", "-48.07 dB" }, { "3", "0.5", "20.00 ms" }, { "2", "0", "-oo" }, { "0", "1", "On" },
        { "2", "-20db", "-20.00 dB" }, { "2", "-oo", "-oo" }, { "2", "-0.001 dB", "-0.00 dB" },
        { "4", "100.421 ms", "100.43 ms" }, { "3", "-0 ms", "0.00 ms" }, { "0", "off", "Off" }, { "1", " ON", "On" } };

    for (const auto& t : typed)
    {
        double value = -1.0;
        ASSERT_EQ (read (t.id, t.text, &value), AAX_SUCCESS) << t.text;
        EXPECT_EQ (GraviloHushmoorAudioProcessor::getParameterTextForValue (std::atoi (t.id), static_cast<float> (value)),
                   t.shows) << t.text;
    }

    // Junk, and numbers read neither way (a bare number beyond 0 to 1, a number beyond what
    // the parameter shows), are refused and write nothing; the master bypass keeps the
    // library's own texts.
    for (const auto* junk : { "", "abc", "12 s", "dB", "nan dB", "--3", "3 dB ms", "1e999", "0x10", "1.5", "-0.5",
                              "-20", "-0", "+-0.5", "150", "+5 dB", "0.001 dB", "300 ms", "-5 ms", "inf", "3 dBm" })
    {
        double value = -1.0;
        EXPECT_EQ (read ("2", junk, &value), AAX_RESULT_BAD_STRING) << junk;
        EXPECT_EQ (read ("3", junk, &value), AAX_RESULT_BAD_STRING) << junk;
        EXPECT_EQ (value, -1.0) << junk;
    }

    double value = -1.0;
    EXPECT_EQ (read ("0", "maybe", &value), AAX_RESULT_BAD_STRING);
    EXPECT_EQ (read ("MasterBypassID", "on", &value), AAX_SUCCESS);
    EXPECT_EQ (value, 1.0);
    EXPECT_EQ (read ("MasterBypassID", "On", &value), AAX_RESULT_BAD_STRING);
}

TEST_F (AAXWrapper, AFailedAllocationWhileInitialisingIsReportedNeverABypassThatCannotReachTheAudio)
{
    // Each allocation of an Initialize fails in turn: it either says so, or leaves an
    // instance whose bypass reaches the audio.
    int failures = 0;

    for (int n = 1;; ++n)
    {
        ASSERT_LT (n, 100000);
        HostLog sweepLog;
        HostEffect instance (Registered::effect(), plugin.Component(), sweepLog);

        hushmoor::test::failNewOnThisThread (n);
        const auto result = instance.Initialize();
        const bool failedOne = hushmoor::test::newsUntilFailureOnThisThread() == 0;
        hushmoor::test::failNewOnThisThread (0);

        if (! failedOne)
        {
            EXPECT_EQ (result, AAX_SUCCESS);
            break;
        }

        if (result != AAX_SUCCESS)
        {
            ++failures;
            continue;
        }

        instance.SetParameter ("MasterBypassID", 1.0);
        instance.GenerateCoefficients();
        std::int32_t port = -1;
        std::memcpy (&port, instance.Port (3).data(), sizeof port);
        EXPECT_EQ (port, 1) << "allocation " << n;
    }

    EXPECT_GT (failures, 0);
}

TEST_F (AAXWrapper, AHostThatTakesNoChangesForLongGetsWholeGesturesAndTheLastValues)
{
    ASSERT_EQ (initialised, AAX_SUCCESS);
    log.Clear();

    // Far more edits than the queue holds, with no host call in between.
    JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
    for (int i = 0; i < 50000; ++i)
    {
        processor().beginParameterChangeGesture (3);
        processor().setParameterNotifyingHost (3, static_cast<float> (i % 100) / 100.0f);
        processor().setParameterNotifyingHost (4, static_cast<float> (i % 10) / 10.0f);
        processor().endParameterChangeGesture (3);
    }

    processor().setParameterNotifyingHost (2, 0.7f);
    JUCE_END_IGNORE_WARNINGS_GCC_LIKE

    plugin.TimerWakeup();
    const auto touches = log.Count ("automation.PostTouchRequest(\"3\")");
    const auto sets = log.Count ("automation.PostSetValueRequest(\"3\"", true);

    EXPECT_EQ (log.Count ("automation.PostReleaseRequest(\"3\")"), touches) << "every gesture ends";
    EXPECT_GT (touches, sets);
    EXPECT_LT (touches, 50000u) << "the queue was full";

    for (const auto* id : { "2", "3", "4" })
        EXPECT_EQ (published (id), processor().getParameter (std::atoi (id))) << id;
}

TEST_F (AAXWrapper, ASaveHandsOverTheStateWhoseSizeItReportedWhateverTheEditorDoesMeanwhile)
{
    constexpr std::uint32_t stateChunk = 0x6A756365;
    processor().setParameter (3, 0.5f);
    std::uint32_t size = 0;
    ASSERT_EQ (plugin.Effect().GetChunkSize (stateChunk, &size), AAX_SUCCESS);

    // The user turns a knob between the host's two calls: the state's length changes.
    JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
    processor().setParameterNotifyingHost (3, 0.123456789f);
    JUCE_END_IGNORE_WARNINGS_GCC_LIKE

    std::vector<char> record (56 + size);
    ASSERT_EQ (plugin.Effect().GetChunk (stateChunk, reinterpret_cast<AAX_SPlugInChunk*> (record.data())), AAX_SUCCESS);
    EXPECT_EQ (reinterpret_cast<AAX_SPlugInChunk*> (record.data())->dataSize, static_cast<std::int32_t> (size));

    // It is the state as it was asked for; the next save has the edit.
    HostEffect other (Registered::effect(), plugin.Component(), log);
    other.Initialize();
    ASSERT_EQ (other.SetChunk (stateChunk, record), AAX_SUCCESS);
    EXPECT_EQ (other.ParameterValue ("3"), 0.5);
    ASSERT_EQ (other.SetChunk (stateChunk, plugin.GetChunk (stateChunk)), AAX_SUCCESS);
    EXPECT_EQ (other.ParameterValue ("3"), 0.123456789f);

    // The copy served its one save. GetChunk again without GetChunkSize (also after the
    // controls chunk's), or after a SetChunk: the current state if it has the size reported
    // last, else -20008; never an older state.
    auto& e = plugin.Effect();
    std::uint32_t controlsSize = 0;
    const auto measure = [&] { const auto r = e.GetChunkSize (stateChunk, &size); record.resize (56 + size); return r; };
    const auto again = [&] { return e.GetChunk (stateChunk, reinterpret_cast<AAX_SPlugInChunk*> (record.data())); };
    ASSERT_EQ (measure(), AAX_SUCCESS);
    processor().setParameter (3, 0.987654321f);   // as long as before
    ASSERT_EQ (e.GetChunkSize (0x656C636B, &controlsSize), AAX_SUCCESS);
    ASSERT_EQ (again(), AAX_SUCCESS);
    ASSERT_EQ (again(), AAX_SUCCESS);
    ASSERT_EQ (other.SetChunk (stateChunk, record), AAX_SUCCESS);
    EXPECT_EQ (other.ParameterValue ("3"), 0.987654321f);
    processor().setParameter (3, 0.5f);           // shorter
    EXPECT_EQ (again(), AAX_RESULT_BAD_CHUNK_SIZE);
    ASSERT_EQ (measure(), AAX_SUCCESS);
    ASSERT_EQ (plugin.SetChunk (stateChunk, other.GetChunk (stateChunk)), AAX_SUCCESS);
    EXPECT_EQ (again(), AAX_RESULT_BAD_CHUNK_SIZE);
}

TEST_F (AAXWrapper, AStateRestoredBeforeTheFirstBlockTakesEffectWithoutAFade)
{
    ASSERT_EQ (initialised, AAX_SUCCESS);
    constexpr std::uint32_t stateChunk = 0x6A756365;

    HostEffect source (Registered::effect(), plugin.Component(), log);
    ASSERT_EQ (source.Initialize(), AAX_SUCCESS);
    source.SetParameter ("0", 0.0);

    ASSERT_EQ (plugin.SetChunk (stateChunk, source.GetChunk (stateChunk)), AAX_SUCCESS);
    EXPECT_TRUE (passesUntouched()) << "the gate is off from the first sample";
}
