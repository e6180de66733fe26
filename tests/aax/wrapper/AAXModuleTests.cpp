// Loads the built AAX module through the project's host layer, the way an AAX host does,
// and checks what a host sees: the registration, the parameters and their automation,
// the bypass packet, audio, both chunks, bad input and the module's lifecycle.

#include "AAX_CString.h"
#include "AAX_IParameter.h"
#include "FakeComponentDescriptor.h"
#include "HostEffect.h"

#include "tests/support/HeapGrowth.h"
#include "tests/support/Vst3Reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

using namespace fakehost;

namespace
{
    constexpr std::int32_t code (const char (&c)[5])
    {
        return static_cast<std::int32_t> ((static_cast<std::uint32_t> (c[0]) << 24) | (static_cast<std::uint32_t> (c[1]) << 16)
                                          | (static_cast<std::uint32_t> (c[2]) << 8) | static_cast<std::uint32_t> (c[3]));
    }

    constexpr std::uint32_t elck = 0x656C636B, juceChunk = 0x6A756365;
    constexpr std::int32_t monoFormat = 1, stereoFormat = 0x10002;

    /** The module, loaded, started and registered once for the whole program. */
    struct LoadedModule
    {
        HostLog log;
        HostModule module { AAX_MODULE_PATH, log };
        ACFRESULT started = module.StartUp();
        ACFRESULT registered = module.Register();
        std::vector<std::string> registration = log.Calls();

        static LoadedModule& get()
        {
            static LoadedModule loaded;
            return loaded;
        }
    };

    /** One instance on the component with these channels, created and initialised. */
    struct Instance
    {
        Instance (int numIn = 2, int numOut = 2)
            : effect (LoadedModule::get().module.Effects().at (0),
                      *LoadedModule::get().module.Effects().at (0).FindComponent (numIn, numOut), log)
        {
            initialised = effect.Initialize();
        }

        /** The processor's whole state, as the host saves it. */
        std::vector<char> state()   { return effect.GetChunk (juceChunk); }

        HostLog log;
        HostEffect effect;
        ACFRESULT initialised;
    };

    std::vector<char> recordWithBody (std::uint32_t chunkID, const std::vector<char>& body)
    {
        std::vector<char> record (56 + body.size(), 0);
        auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (record.data());
        chunk->dataSize = static_cast<std::int32_t> (body.size());
        chunk->chunkID = chunkID;
        std::copy (body.begin(), body.end(), record.begin() + 56);
        return record;
    }

    class AAXModule : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            auto& loaded = LoadedModule::get();
            ASSERT_TRUE (loaded.module.IsLoaded()) << loaded.module.Error();
            ASSERT_EQ (loaded.started, ACF_OK);
            ASSERT_EQ (loaded.registered, ACF_OK);
            ASSERT_EQ (loaded.module.Effects().size(), 1u);
        }

        const RegisteredEffect& effect() const    { return LoadedModule::get().module.Effects()[0]; }
    };
}

TEST_F (AAXModule, RegistersTheEffectInTheDescribedSequence)
{
    std::vector<std::string> calls;

    // What the plug-in said, without the object plumbing (creation, queries, counts).
    for (const auto& call : LoadedModule::get().registration)
        if (call.find (".AddRef(") == std::string::npos && call.find (".Release(") == std::string::npos
             && call.find (".QueryInterface(") == std::string::npos && call.rfind ("host.", 0) != 0)
            calls.push_back (call);

    const auto pointer = [] (void* p) { return Arg (static_cast<const void*> (p)); };
    std::vector<std::string> expected {
        "effect#1.AddName(\"Hushmoor\")", "effect#1.AddName(\"Gravilo Hushmoor\")", "effect#1.AddCategory(2)",
        "effect#1.AddProcPtr(" + pointer (effect().guiCreator) + ", 1)",
        "effect#1.AddProcPtr(" + pointer (effect().effectCreator) + ", 0)" };

    const struct { std::int32_t in, out, native, offline; } configurations[] {
        { monoFormat, monoFormat, code ("Bh11"), code ("Bo11") },
        { monoFormat, stereoFormat, code ("Bh12"), code ("Bo12") },
        { stereoFormat, monoFormat, code ("Bh21"), code ("Bo21") },
        { stereoFormat, stereoFormat, code ("Bh22"), code ("Bo22") },
    };

    int k = 0;

    for (const auto& c : configurations)
    {
        const auto component = "component#" + std::to_string (++k) + ".", map = "map#" + std::to_string (k);

        for (const auto* field : { "AddAudioIn(0)", "AddAudioOut(1)", "AddAudioBufferLength(2)", "AddDataInPort(3, 4, 1)",
                                   "AddPrivateData(4, 8, 0)", "AddPrivateData(5, 4, 0)" })
            expected.push_back (component + field);

        for (const auto& [property, value] : std::vector<std::pair<int, std::int32_t>> {
                 { 11, code ("BHM_") }, { 12, code ("Bhmr") }, { 60, 1 }, { 51, c.in }, { 52, c.out },
                 { 13, c.native }, { 14, c.offline }, { 304, 1 } })
            expected.push_back (map + ".AddProperty(" + std::to_string (property) + ", " + std::to_string (value) + ")");

        expected.push_back (component + "AddProcessProc_Native(function, " + map + ", null, null, null)");
        expected.push_back ("effect#1.AddComponent(component#" + std::to_string (k) + ")");
    }

    for (const auto* call : { "collection#1.AddEffect(\"com.brivel.gravilohushmoor\", effect#1)",
                              "collection#1.SetManufacturerName(\"Brivel\")",
                              "collection#1.AddPackageName(\"Gravilo Hushmoor\")",
                              "collection#1.AddPackageName(\"Hushmoor\")", "collection#1.SetPackageVersion(65536)" })
        expected.push_back (call);

    EXPECT_EQ (calls, expected);
    EXPECT_NE (effect().effectCreator, nullptr);
    EXPECT_NE (effect().guiCreator, nullptr);
}

TEST_F (AAXModule, PublishesTheProcessorsParametersAndTheMasterBypass)
{
    Instance plugin;
    ASSERT_EQ (plugin.initialised, AAX_SUCCESS);
    auto& e = plugin.effect.Effect();

    const struct { const char* id; const char* name; const char* shortName; double value; const char* text;
                   std::int32_t steps, type; } expected[] {
        { "0", "bypass", "bypa", 1.0, "On", 0x7fffffff, 1 },
        { "1", "dualmono", "dual", 0.0, "Off", 0x7fffffff, 1 },
        { "2", "threshold", "thre", 0.0, "-oo", 0x7fffffff, 1 },
        { "3", "attack", "atta", 0.134f, "2.00 ms", 0x7fffffff, 1 },
        { "4", "decay", "deca", 0.367f, "100.42 ms", 0x7fffffff, 1 },
        { "MasterBypassID", "Master Bypass", "Mast", 0.0, "bypass", 2, 0 },
    };

    ASSERT_EQ (plugin.effect.ParameterIDs().size(), std::size (expected));

    for (size_t i = 0; i < std::size (expected); ++i)
    {
        const auto& p = expected[i];
        SCOPED_TRACE (p.id);
        EXPECT_EQ (plugin.effect.ParameterIDs()[i], p.id);
        EXPECT_EQ (plugin.effect.ParameterName (p.id), p.name);
        EXPECT_EQ (plugin.effect.ParameterValue (p.id), p.value);
        EXPECT_EQ (plugin.effect.ParameterText (p.id), p.text);

        AAX_CString shortName;
        std::int32_t steps = 0, orientation = -1;
        AAX_EParameterType type {};
        AAX_CBoolean automatable = 0;
        double defaultValue = -1.0;
        EXPECT_EQ (e.GetParameterNameOfLength (p.id, &shortName, 4), AAX_SUCCESS);
        EXPECT_EQ (e.GetParameterNumberOfSteps (p.id, &steps), AAX_SUCCESS);
        EXPECT_EQ (e.GetParameterType (p.id, &type), AAX_SUCCESS);
        EXPECT_EQ (e.GetParameterOrientation (p.id, &orientation), AAX_SUCCESS);
        EXPECT_EQ (e.GetParameterIsAutomatable (p.id, &automatable), AAX_SUCCESS);
        EXPECT_EQ (e.GetParameterDefaultNormalizedValue (p.id, &defaultValue), AAX_SUCCESS);
        EXPECT_STREQ (shortName.Get(), p.shortName);
        EXPECT_EQ (steps, p.steps);
        EXPECT_EQ (type, p.type);
        EXPECT_EQ (orientation, 0);
        EXPECT_EQ (automatable, 1);
        EXPECT_EQ (defaultValue, p.value);
    }

    // Texts for other values than the current one, as a host's automation lane shows them.
    AAX_CString text;
    EXPECT_EQ (e.GetParameterStringFromValue ("2", 0.4, &text, 31), AAX_SUCCESS);
    EXPECT_STREQ (text.Get(), "-37.89 dB");
    EXPECT_EQ (e.GetParameterStringFromValue ("4", 1.0, &text, 6), AAX_SUCCESS);
    EXPECT_STREQ (text.Get(), "2000.0");

    AAX_CString bypassID;
    EXPECT_EQ (e.GetMasterBypassParameter (&bypassID), AAX_SUCCESS);
    EXPECT_STREQ (bypassID.Get(), "MasterBypassID");
}

TEST_F (AAXModule, HostValuesReachTheProcessorThroughTheAutomationCycle)
{
    Instance plugin;
    plugin.log.Clear();

    ASSERT_EQ (plugin.effect.SetParameter ("2", 0.4), AAX_SUCCESS);
    EXPECT_EQ (plugin.log.OperationsOn ("automation"), (std::vector<std::string> {
        "PostTouchRequest(\"2\")", "PostSetValueRequest(\"2\", 0.400000)", "PostCurrentValue(\"2\", 0.400000)",
        "PostReleaseRequest(\"2\")" }));
    EXPECT_EQ (plugin.effect.ParameterValue ("2"), 0.4f) << "the processor holds the value";
    EXPECT_EQ (plugin.effect.ParameterText ("2"), "-37.89 dB");

    // A program change inside the processor (a restored state selects program 3, whose
    // threshold differs) goes to the host through the same cycle.
    Instance other;
    ASSERT_EQ (other.effect.SetParameter ("2", 0.9), AAX_SUCCESS);
    auto state = other.state();
    ASSERT_FALSE (state.empty());
    plugin.log.Clear();
    ASSERT_EQ (plugin.effect.SetChunk (juceChunk, state), AAX_SUCCESS);
    EXPECT_EQ (plugin.log.Count ("automation.PostSetValueRequest(\"2\", 0.900000)"), 1u);
    EXPECT_EQ (plugin.effect.ParameterValue ("2"), 0.9f);

    // Out of range is kept within 0 to 1; a relative change too.
    EXPECT_EQ (plugin.effect.SetParameter ("3", 7.0), AAX_SUCCESS);
    EXPECT_EQ (plugin.effect.ParameterValue ("3"), 1.0);
    EXPECT_EQ (plugin.effect.Effect().SetParameterNormalizedRelative ("3", -0.25), AAX_SUCCESS);
    EXPECT_EQ (plugin.effect.ParameterValue ("3"), 0.75);
}

TEST_F (AAXModule, CoefficientsPostTheMasterBypassPacket)
{
    Instance plugin;
    const auto bypassPacket = [&] { std::int32_t v = -1; std::memcpy (&v, plugin.effect.Port (3).data(), 4); return v; };

    ASSERT_EQ (plugin.effect.Port (3).size(), 4u);
    EXPECT_EQ (bypassPacket(), 0) << "the first coefficients after Initialize";

    plugin.log.Clear();
    ASSERT_EQ (plugin.effect.SetParameter ("MasterBypassID", 1.0), AAX_SUCCESS);
    ASSERT_EQ (plugin.effect.GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_EQ (plugin.log.Count ("controller.PostPacket(3, 4)"), 1u);
    EXPECT_EQ (bypassPacket(), 1);

    plugin.log.Clear();
    ASSERT_EQ (plugin.effect.GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_EQ (plugin.log.Count ("controller.PostPacket(3, 4)"), 0u) << "nothing changed";
}

TEST_F (AAXModule, AudioMatchesTheVst3BuildBitForBit)
{
    // The demo, and the gate switched off before the first block: values a host gives
    // after Initialize take effect without a fade, as in the other formats.
    const float gateOff[5] { 0.0f, 0.0f, 0.35f, 0.2f, 0.4f };

    for (const auto* values : { &hushmoor::test::demoValues, &gateOff })
    for (const int channels : { 2, 1 })
    {
        SCOPED_TRACE (channels);
        SCOPED_TRACE ((*values)[0]);
        std::vector<float> left, right;
        hushmoor::test::makeDemoSignal (left, right, 48000 * 2, 48000.0);
        const auto input = left;
        auto vst3Left = left, vst3Right = right;
        std::vector<std::vector<float>*> vst3Channels { &vst3Left, &vst3Right };
        vst3Channels.resize (static_cast<size_t> (channels));
        ASSERT_EQ (hushmoor::test::processThroughVst3 (juce::File (VST3_BINARY_PATH), *values,
                                                       vst3Channels, 48000.0, 512), "");

        Instance plugin (channels, channels);
        ASSERT_EQ (plugin.initialised, AAX_SUCCESS);

        for (int k = 0; k < 5; ++k)
            plugin.effect.SetParameter (std::to_string (k), (*values)[k]);

        plugin.effect.GenerateCoefficients();
        std::vector<float> outLeft (left.size()), outRight (right.size());

        for (size_t start = 0; start < left.size(); start += 512)
        {
            float* in[] { left.data() + start, right.data() + start };
            float* out[] { outLeft.data() + start, outRight.data() + start };
            plugin.effect.Process (in, out, static_cast<int> (std::min<size_t> (512, left.size() - start)));
        }

        EXPECT_EQ (std::memcmp (outLeft.data(), vst3Left.data(), left.size() * sizeof (float)), 0);

        if (channels == 2)
        {
            EXPECT_EQ (std::memcmp (outRight.data(), vst3Right.data(), right.size() * sizeof (float)), 0);
        }

        EXPECT_EQ (outLeft != input, (*values)[0] > 0.0f) << "the gate worked, or was off";

        // Once audio has run, switching crossfades over 2048 samples at 48 kHz.
        plugin.effect.SetParameter ("0", (*values)[0] > 0.0f ? 0.0 : 1.0);
        std::vector<float> fadeLeft (left.begin(), left.begin() + 4096), fadeRight (right.begin(), right.begin() + 4096);
        float* fade[] { fadeLeft.data(), fadeRight.data() };
        plugin.effect.Process (fade, fade, 4096);
        const auto differs = [&] (size_t from, size_t to)
        {
            return ! std::equal (left.begin() + static_cast<std::ptrdiff_t> (from), left.begin() + static_cast<std::ptrdiff_t> (to),
                                 fadeLeft.begin() + static_cast<std::ptrdiff_t> (from));
        };
        EXPECT_TRUE (differs (1, 2048)) << "a fade, not a jump";

        if ((*values)[0] > 0.0f)
        {
            EXPECT_FALSE (differs (2049, 4096)) << "dry after the fade";
        }

        plugin.effect.SetParameter ("0", (*values)[0]);

        // With the master bypass engaged the signal passes untouched, one block of 3000 in slices.
        plugin.effect.SetParameter ("MasterBypassID", 1.0);
        plugin.effect.GenerateCoefficients();
        float* in[] { left.data(), right.data() };
        float* out[] { outLeft.data(), outRight.data() };
        plugin.effect.Process (in, out, 3000);
        EXPECT_TRUE (std::equal (left.begin(), left.begin() + 3000, outLeft.begin()));
    }
}

TEST_F (AAXModule, OneInputOnTwoOutputsCarriesItOnBothWhetherBypassedOrNot)
{
    Instance plugin (1, 2);
    ASSERT_EQ (plugin.initialised, AAX_SUCCESS);
    std::vector<float> left, right;
    hushmoor::test::makeDemoSignal (left, right, 4096, 48000.0);

    for (const double bypass : { 0.0, 1.0 })
    {
        plugin.effect.SetParameter ("MasterBypassID", bypass);
        plugin.effect.GenerateCoefficients();
        std::vector<float> outLeft (left.size(), 7.0f), outRight (left.size(), 7.0f);
        float* in[] { left.data() };
        float* out[] { outLeft.data(), outRight.data() };
        plugin.effect.Process (in, out, static_cast<int> (left.size()));

        EXPECT_EQ (outRight, outLeft) << bypass;
        EXPECT_EQ (outLeft == left, bypass > 0.0) << bypass;
    }
}

TEST_F (AAXModule, BothChunksRestoreIntoASecondInstance)
{
    Instance first;
    auto& e = first.effect.Effect();
    std::int32_t numChunks = 0;
    std::uint32_t ids[2] {};
    EXPECT_EQ (e.GetNumberOfChunks (&numChunks), AAX_SUCCESS);
    EXPECT_EQ (numChunks, 2);
    EXPECT_EQ (e.GetChunkIDFromIndex (0, &ids[0]), AAX_SUCCESS);
    EXPECT_EQ (e.GetChunkIDFromIndex (1, &ids[1]), AAX_SUCCESS);
    EXPECT_EQ (ids[0], elck);
    EXPECT_EQ (ids[1], juceChunk);

    const double values[] { 0.0, 1.0, 0.55, 0.125, 0.875 };

    for (int k = 0; k < 5; ++k)
        first.effect.SetParameter (std::to_string (k), values[k]);

    first.effect.SetParameter ("MasterBypassID", 1.0);
    const auto controls = first.effect.GetChunk (elck), state = first.effect.GetChunk (juceChunk);
    ASSERT_FALSE (controls.empty());
    ASSERT_FALSE (state.empty());
    EXPECT_STREQ (reinterpret_cast<const AAX_SPlugInChunk*> (state.data())->name, "Gravilo Hushmoor State");

    for (const auto chunkID : { elck, juceChunk })
    {
        SCOPED_TRACE (chunkID);
        Instance second;
        EXPECT_EQ (second.effect.CompareChunk (controls), 0);
        ASSERT_EQ (second.effect.SetChunk (chunkID, chunkID == elck ? controls : state), AAX_SUCCESS);
        EXPECT_EQ (second.effect.CompareChunk (controls), 1);

        for (int k = 0; k < 5; ++k)
            EXPECT_EQ (second.effect.ParameterValue (std::to_string (k)), static_cast<float> (values[k]));

        EXPECT_EQ (second.effect.ParameterValue ("MasterBypassID"), 0.0) << "no chunk carries the master bypass";
        EXPECT_EQ (second.state(), state);
    }
}

TEST_F (AAXModule, AStateWithValuesTheHostCannotHoldLeavesHostAndProcessorAgreeing)
{
    // The host's values lie within 0 to 1: the processor takes the host's value for one
    // outside it. Not a number cannot be published: the processor keeps it, and the host
    // is answered with its last value. Either zero is the other.
    struct Case { const char* text; float read; float published; };
    const Case cases[] { { "-0", -0.0f, 0.0f }, { "1.5", 1.0f, 1.0f }, { "inf", 1.0f, 1.0f },
                         { "-inf", 0.0f, 0.0f }, { "nan", 0.25f, 0.25f } };

    for (const auto& c : cases)
    {
        Instance plugin;
        plugin.effect.SetParameter ("2", 0.25);
        const std::string text = std::string ("<VEZUREZARADADIZUZORUZA activePreset=\"0\" threshold0=\"") + c.text + "\"/>";
        std::vector<char> body { 'V', 'C', '2', '!' };

        for (int shift = 0; shift < 32; shift += 8)
            body.push_back (static_cast<char> ((text.size() >> shift) & 0xff));

        body.insert (body.end(), text.begin(), text.end());
        ASSERT_EQ (plugin.effect.SetChunk (juceChunk, recordWithBody (juceChunk, body)), AAX_SUCCESS) << c.text;

        // What the host reads, and what the library holds as published.
        const auto held = static_cast<float> (plugin.effect.ParameterValue ("2"));
        AAX_IParameter* parameter = nullptr;
        float published = -1.0f;
        ASSERT_EQ (plugin.effect.Effect().GetParameter ("2", &parameter), AAX_SUCCESS);
        ASSERT_TRUE (parameter != nullptr && parameter->GetValueAsFloat (&published));
        EXPECT_EQ (std::memcmp (&held, &c.read, sizeof held), 0) << c.text << ": " << held;
        EXPECT_EQ (published, c.published) << c.text;
    }

    // A controls chunk from a damaged session: the library's range holds the values, and
    // one that is not a number leaves the parameter as it was, with nothing asked of the host.
    const std::pair<double, double> stored[] { { std::nan (""), 0.25 }, { HUGE_VAL, 1.0 }, { -HUGE_VAL, 0.0 },
                                               { 2.5, 1.0 }, { -1.0, 0.0 }, { 1.0e-40, 1.0e-40f } };

    for (const auto& [value, restored] : stored)
    {
        Instance plugin;
        plugin.effect.SetParameter ("2", 0.25);
        std::vector<char> body { 1, 1, 1, 1, 'd', '_', '2', 0 };
        std::uint64_t bits = 0;
        std::memcpy (&bits, &value, sizeof bits);

        for (int shift = 56; shift >= 0; shift -= 8)
            body.push_back (static_cast<char> ((bits >> shift) & 0xff));

        plugin.log.Clear();
        ASSERT_EQ (plugin.effect.SetChunk (elck, recordWithBody (elck, body)), AAX_SUCCESS) << value;
        EXPECT_EQ (plugin.effect.ParameterValue ("2"), restored) << value;

        for (const auto& call : plugin.log.OperationsOn ("automation"))
            EXPECT_EQ (call.find ("nan"), std::string::npos) << call;
    }
}

TEST_F (AAXModule, BadHostInputChangesNothing)
{
    Instance plugin;
    plugin.effect.SetParameter ("2", 0.3);
    auto& e = plugin.effect.Effect();
    const auto before = plugin.state();
    const auto controls = plugin.effect.GetChunk (elck);
    double value = -1.0;
    std::uint32_t size = 0;
    AAX_CString text ("kept");

    EXPECT_EQ (e.SetParameterNormalizedValue ("2", std::numeric_limits<double>::quiet_NaN()), AAX_RESULT_BAD_STRING);
    EXPECT_EQ (e.SetParameterNormalizedRelative ("2", std::numeric_limits<double>::quiet_NaN()), AAX_RESULT_BAD_STRING);
    EXPECT_EQ (e.SetParameterNormalizedValue ("nope", 0.5), AAX_RESULT_UNKNOWN_PARAMETER);
    EXPECT_EQ (e.SetParameterNormalizedValue (nullptr, 0.5), AAX_RESULT_UNKNOWN_PARAMETER);
    EXPECT_EQ (e.GetParameterNormalizedValue ("nope", &value), AAX_RESULT_UNKNOWN_PARAMETER);
    EXPECT_EQ (value, -1.0);
    EXPECT_NE (e.GetParameterNormalizedValue ("2", nullptr), AAX_SUCCESS);
    EXPECT_NE (e.GetParameterName ("2", nullptr), AAX_SUCCESS);
    EXPECT_NE (e.GetParameterStringFromValue ("2", std::numeric_limits<double>::quiet_NaN(), &text, 31), AAX_SUCCESS);
    EXPECT_STREQ (text.Get(), "kept");
    EXPECT_EQ (e.GetChunkSize (static_cast<std::uint32_t> (code ("nope")), &size), AAX_RESULT_BAD_CHUNK_ID);
    EXPECT_NE (e.GetChunkSize (juceChunk, nullptr), AAX_SUCCESS);
    EXPECT_NE (e.GetChunk (juceChunk, nullptr), AAX_SUCCESS);
    EXPECT_NE (e.SetChunk (juceChunk, nullptr), AAX_SUCCESS);
    EXPECT_NE (e.ResetFieldData (4, nullptr, 8), AAX_SUCCESS);

    // Chunks of the wrong size or with foreign bytes: empty, a head only, truncated, noise.
    const std::vector<char> noise (300, '\x5a');
    const auto half = static_cast<std::ptrdiff_t> ((before.size() - 56) / 2);
    const std::vector<char> truncatedState (before.begin() + 56, before.begin() + 56 + half);
    const std::vector<char> truncatedControls (controls.begin() + 56, controls.end() - 9);

    for (const auto& record : { recordWithBody (juceChunk, {}), recordWithBody (juceChunk, noise),
                                recordWithBody (juceChunk, truncatedState), recordWithBody (elck, truncatedControls),
                                recordWithBody (elck, noise) })
    {
        const auto chunkID = reinterpret_cast<const AAX_SPlugInChunk*> (record.data())->chunkID;
        EXPECT_EQ (plugin.effect.SetChunk (chunkID, record), AAX_SUCCESS) << "unreadable bytes are ignored";
        EXPECT_EQ (plugin.state(), before);
    }

    // The state asked for before its size: refused, the record untouched.
    Instance fresh;
    const std::vector<char> untouched (56 + before.size(), '\x11');
    auto record = untouched;
    EXPECT_EQ (fresh.effect.Effect().GetChunk (juceChunk, reinterpret_cast<AAX_SPlugInChunk*> (record.data())),
               AAX_RESULT_BAD_CHUNK_SIZE);
    EXPECT_EQ (record, untouched);

    // Process records a host got wrong: no link, no buffers, no length.
    auto* process = plugin.effect.Component().descriptor->processProc;
    const std::int32_t zero = 0, length = 64;
    void* noLink[6] { nullptr, nullptr, const_cast<std::int32_t*> (&length), const_cast<std::int32_t*> (&zero), nullptr, nullptr };
    void* instances[] { noLink, nullptr };
    process (instances, instances + 2);
    process (nullptr, nullptr);
}

TEST_F (AAXModule, TwoHundredInstancesComeAndGoWithoutMemoryLeftBehind)
{
    const auto cycle = [this]
    {
        HostLog log;
        HostEffect plugin (effect(), *effect().FindComponent (2, 2), log);
        ASSERT_EQ (plugin.Initialize(), AAX_SUCCESS);
        EXPECT_GT (LoadedModule::get().module.CanUnloadNow(), 0);
        plugin.SetParameter ("2", 0.4);
        plugin.GenerateCoefficients();

        std::vector<float> left (256, 0.25f), right (256, -0.25f);
        float* channels[] { left.data(), right.data() };
        plugin.Process (channels, channels, 256);

        const auto state = plugin.GetChunk (juceChunk), controls = plugin.GetChunk (elck);
        EXPECT_EQ (plugin.SetChunk (juceChunk, state), AAX_SUCCESS);
        EXPECT_EQ (plugin.SetChunk (elck, controls), AAX_SUCCESS);
    };

    const auto grown = hushmoor::test::heapGrowthOver (200, cycle);
    EXPECT_LT (grown, 16u * 1024u) << "about " << grown / 200 << " bytes per cycle";
    EXPECT_EQ (LoadedModule::get().module.CanUnloadNow(), 0) << "every object the module made is gone";
}
