#pragma once

#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IACFController.h"
#include "AAX_IACFTransport.h"
#include "AAX_IACFViewContainer.h"
#include "FakeUnknown.h"

#include <functional>

namespace fakehost
{
    /** The host's controller, all three versions; it keeps every packet posted to it. */
    class FakeController final : public FakeUnknown<AAX_IACFController_V3>
    {
    public:
        FakeController (HostLog& log, ObjectConfig config);

        /** What the out-parameters receive. */
        struct State
        {
            std::string effectID = "com.brivel.hushmoor", hostName = "Fake Host";
            float sampleRate = 48000.0f;
            AAX_EStemFormat inputStemFormat {}, outputStemFormat {};
            std::int32_t signalLatency = 0, hybridSignalLatency = 0, targetPlatform = 0;
            std::int64_t automationTimestamp = 0;
            std::uint32_t meterCount = 0;
            AAX_CBoolean isAudioSuite = 0;
        } state;

        struct Packet
        {
            AAX_CFieldIndex port;
            std::vector<unsigned char> bytes;
        };

        std::vector<Packet> posted;

        AAX_ResultCode GetEffectID (AAX_IString* effectID) const override;
        AAX_ResultCode GetSampleRate (float* sampleRate) const override;
        AAX_ResultCode GetInputStemFormat (AAX_EStemFormat* format) const override;
        AAX_ResultCode GetOutputStemFormat (AAX_EStemFormat* format) const override;
        AAX_ResultCode GetSignalLatency (std::int32_t* samples) const override;
        AAX_ResultCode GetCycleCount (AAX_EProperty which, std::int32_t* cycles) const override;
        AAX_ResultCode GetTODLocation (std::int64_t* location) const override;
        AAX_ResultCode SetSignalLatency (std::int32_t samples) override;
        AAX_ResultCode SetCycleCount (AAX_EProperty* which, std::int32_t* cycles, std::int32_t count) override;
        AAX_ResultCode PostPacket (AAX_CFieldIndex port, const void* data, std::uint32_t size) override;
        AAX_ResultCode GetCurrentMeterValue (std::uint32_t meterID, float* value) const override;
        AAX_ResultCode GetMeterPeakValue (std::uint32_t meterID, float* value) const override;
        AAX_ResultCode ClearMeterPeakValue (std::uint32_t meterID) const override;
        AAX_ResultCode GetMeterClipped (std::uint32_t meterID, AAX_CBoolean* clipped) const override;
        AAX_ResultCode ClearMeterClipped (std::uint32_t meterID) const override;
        AAX_ResultCode GetMeterCount (std::uint32_t* count) const override;
        AAX_ResultCode GetNextMIDIPacket (AAX_CFieldIndex* port, AAX_CMidiPacket* packet) override;
        AAX_ResultCode SendNotification (std::uint32_t type, const void* data, std::uint32_t size) override;
        AAX_ResultCode GetHybridSignalLatency (std::int32_t* samples) const override;
        AAX_ResultCode GetCurrentAutomationTimestamp (std::int64_t* timestamp) const override;
        AAX_ResultCode GetHostName (AAX_IString* name) const override;
        AAX_ResultCode GetPlugInTargetPlatform (std::int32_t* platform) const override;
        AAX_ResultCode GetIsAudioSuite (AAX_CBoolean* isAudioSuite) const override;
    };

    /** The host's transport, both versions. */
    class FakeTransport final : public FakeUnknown<AAX_IACFTransport_V2>
    {
    public:
        FakeTransport (HostLog& log, ObjectConfig config);

        /** What the out-parameters receive; positions other than these are only recorded. */
        struct State
        {
            double tempo = 120.0;
            std::int32_t meterNumerator = 4, meterDenominator = 4;
            bool playing = false;
            std::int64_t tick = 0, sampleLocation = 0;
            std::uint32_t ticksPerQuarter = 960000;
        } state;

        AAX_ResultCode GetCurrentTempo (double* tempo) const override;
        AAX_ResultCode GetCurrentMeter (std::int32_t* numerator, std::int32_t* denominator) const override;
        AAX_ResultCode IsTransportPlaying (bool* isPlaying) const override;
        AAX_ResultCode GetCurrentTickPosition (std::int64_t* tick) const override;
        AAX_ResultCode GetCurrentLoopPosition (bool* looping, std::int64_t* startTick, std::int64_t* endTick) const override;
        AAX_ResultCode GetCurrentNativeSampleLocation (std::int64_t* sampleLocation) const override;
        AAX_ResultCode GetCustomTickPosition (std::int64_t* tick, std::int64_t sampleLocation) const override;
        AAX_ResultCode GetBarBeatPosition (std::int32_t* bars, std::int32_t* beats, std::int64_t* displayTicks,
                                           std::int64_t sampleLocation) const override;
        AAX_ResultCode GetTicksPerQuarter (std::uint32_t* ticks) const override;
        AAX_ResultCode GetCurrentTicksPerBeat (std::uint32_t* ticks) const override;
        AAX_ResultCode GetTimelineSelectionStartPosition (std::int64_t* sampleLocation) const override;
        AAX_ResultCode GetTimeCodeInfo (AAX_EFrameRate* frameRate, std::int32_t* offset) const override;
        AAX_ResultCode GetFeetFramesInfo (AAX_EFeetFramesRate* feetFramesRate, std::int64_t* offset) const override;
        AAX_ResultCode IsMetronomeEnabled (std::int32_t* isEnabled) const override;
    };

    /** The host window that holds the editor, both versions. */
    class FakeViewContainer final : public FakeUnknown<AAX_IACFViewContainer_V2>
    {
    public:
        FakeViewContainer (HostLog& log, ObjectConfig config);

        struct State
        {
            std::int32_t type = 1;
            void* view = nullptr;
            std::uint32_t modifiers = 0;
        } state;

        std::int32_t GetType() override;
        void* GetPtr() override;
        AAX_ResultCode GetModifiers (std::uint32_t* modifiers) override;
        AAX_ResultCode SetViewSize (AAX_Point& size) override;
        AAX_ResultCode HandleParameterMouseDown (const char* parameterID, std::uint32_t modifiers) override;
        AAX_ResultCode HandleParameterMouseDrag (const char* parameterID, std::uint32_t modifiers) override;
        AAX_ResultCode HandleParameterMouseUp (const char* parameterID, std::uint32_t modifiers) override;
        AAX_ResultCode HandleMultipleParametersMouseDown (const char* const* parameterIDs, std::uint32_t count,
                                                          std::uint32_t modifiers) override;
        AAX_ResultCode HandleMultipleParametersMouseDrag (const char* const* parameterIDs, std::uint32_t count,
                                                          std::uint32_t modifiers) override;
        AAX_ResultCode HandleMultipleParametersMouseUp (const char* const* parameterIDs, std::uint32_t count,
                                                        std::uint32_t modifiers) override;
    };

    /**
        The host's automation. It tracks touches, and when answerSetValue is set it answers a
        set-value request the way a host does: by handing the value back for the parameter to store.
    */
    class FakeAutomationDelegate final : public FakeUnknown<AAX_IACFAutomationDelegate>
    {
    public:
        FakeAutomationDelegate (HostLog& log, ObjectConfig config);

        std::function<void (const char* parameterID, double normalizedValue)> answerSetValue;
        std::map<std::string, AAX_CBoolean> touched;

        AAX_ResultCode RegisterParameter (const char* parameterID) override;
        AAX_ResultCode UnregisterParameter (const char* parameterID) override;
        AAX_ResultCode PostSetValueRequest (const char* parameterID, double normalizedValue) const override;
        AAX_ResultCode PostCurrentValue (const char* parameterID, double normalizedValue) const override;
        AAX_ResultCode PostTouchRequest (const char* parameterID) override;
        AAX_ResultCode PostReleaseRequest (const char* parameterID) override;
        AAX_ResultCode GetTouchState (const char* parameterID, AAX_CBoolean* touchedOut) override;
    };

    struct EffectHostConfig
    {
        ObjectConfig context, controller, transport, viewContainer, automation;
    };

    /**
        The unknown a host hands to an effect instance (and to its GUI): queried for the
        controller, transport, view container and automation identifiers, it answers with the
        object that offers that version, unless that object refuses it.
    */
    class FakeEffectHost final : public FakeUnknown<IACFUnknown>
    {
    public:
        explicit FakeEffectHost (HostLog& log, EffectHostConfig config = {});

        ACFRESULT QueryInterface (const _acfUID& interfaceID, void** interfaceOut) override;

        IACFUnknown* Unknown() noexcept                     { return this; }
        FakeController controller;
        FakeTransport transport;
        FakeViewContainer viewContainer;
        FakeAutomationDelegate automation;
        /** The plug-in's own effect parameters, which the host hands to that effect's GUI; null refuses. */
        IACFUnknown* effect = nullptr;

        /** References still held on the context and the four objects. */
        std::int32_t OutstandingReferences() const noexcept;
        int OverReleases() const noexcept override;
    };
}
