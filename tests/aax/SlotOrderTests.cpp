// A host calls every interface through its table by position: these positions are the
// protocol's, whatever the library itself calls. Positions are read from pointers to
// virtual members, which this platform's C++ ABI encodes as 1 + the byte offset of the
// member's entry in the table.

#include "AAX_CEffectGUI.h"
#include "AAX_CEffectParameters.h"
#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IACFCollection.h"
#include "AAX_IACFComponentDescriptor.h"
#include "AAX_IACFController.h"
#include "AAX_IACFEffectDescriptor.h"
#include "AAX_IACFHostServices.h"
#include "AAX_IACFPropertyMap.h"
#include "AAX_IACFTransport.h"
#include "AAX_IACFViewContainer.h"
#include "AAX_ICollection.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IController.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IEffectGUI.h"
#include "AAX_IEffectParameters.h"
#include "AAX_IHostServices.h"
#include "AAX_IPropertyMap.h"
#include "AAX_IString.h"
#include "CACFUnknown.h"
#include "IACFComponentFactory.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <numeric>
#include <vector>

namespace
{
    /** The table position of a virtual member; -1 for a member that is not virtual or not in the primary table. */
    template <class Member>
    std::ptrdiff_t SlotOf (Member member)
    {
        static_assert (sizeof (Member) == 2 * sizeof (std::ptrdiff_t), "pointer to member of the common ABI");
        std::ptrdiff_t words[2];
        std::memcpy (words, &member, sizeof (words));

        if ((words[0] & 1) == 0 || words[1] != 0)
            return -1;

        return (words[0] - 1) / static_cast<std::ptrdiff_t> (sizeof (void*));
    }

    template <class... Members>
    std::vector<std::ptrdiff_t> SlotsOf (Members... members)
    {
        return { SlotOf (members)... };
    }

    std::vector<std::ptrdiff_t> Consecutive (std::ptrdiff_t first, std::size_t count)
    {
        std::vector<std::ptrdiff_t> slots (count);
        std::iota (slots.begin(), slots.end(), first);
        return slots;
    }

    // Every base-interface table starts with QueryInterface, AddRef, Release.
    template <class Interface>
    void ExpectUnknownFirst()
    {
        EXPECT_EQ (SlotOf (&Interface::QueryInterface), 0);
        EXPECT_EQ (SlotOf (&Interface::AddRef), 1);
        EXPECT_EQ (SlotOf (&Interface::Release), 2);
    }
}

TEST (SlotOrder, HostProtocolInterfaces)
{
    ExpectUnknownFirst<IACFUnknown>();
    ExpectUnknownFirst<IACFComponentFactory>();
    EXPECT_EQ (SlotOf (&IACFComponentFactory::CreateComponent), 3);

    ExpectUnknownFirst<AAX_IACFHostServices_V2>();
    EXPECT_EQ (SlotOf (&AAX_IACFHostServices::Assert), 3);
    EXPECT_EQ (SlotOf (&AAX_IACFHostServices::Trace), 4);
    EXPECT_EQ (SlotOf (&AAX_IACFHostServices_V2::StackTrace), 5);

    ExpectUnknownFirst<AAX_IACFCollection>();
    EXPECT_EQ (SlotOf (&AAX_IACFCollection::ReservedSlot1), 3);
    EXPECT_EQ (SlotOf (&AAX_IACFCollection::ReservedSlot2), 4);
    EXPECT_EQ (SlotOf (&AAX_IACFCollection::ReservedSlot3), 5);
    EXPECT_EQ (SlotOf (&AAX_IACFCollection::ReservedSlot4), 6);
    EXPECT_EQ (SlotOf (&AAX_IACFCollection::AddEffect), 7);
    EXPECT_EQ (SlotOf (&AAX_IACFCollection::SetManufacturerName), 8);
    EXPECT_EQ (SlotOf (&AAX_IACFCollection::AddPackageName), 9);
    EXPECT_EQ (SlotOf (&AAX_IACFCollection::SetPackageVersion), 10);
    EXPECT_EQ (SlotOf (&AAX_IACFCollection::SetProperties), 11);

    ExpectUnknownFirst<AAX_IACFEffectDescriptor_V2>();
    EXPECT_EQ (SlotOf (&AAX_IACFEffectDescriptor::AddComponent), 3);
    EXPECT_EQ (SlotOf (&AAX_IACFEffectDescriptor::AddName), 4);
    EXPECT_EQ (SlotOf (&AAX_IACFEffectDescriptor::AddCategory), 5);
    EXPECT_EQ (SlotOf (&AAX_IACFEffectDescriptor::AddCategoryBypassParameter), 6);
    EXPECT_EQ (SlotOf (&AAX_IACFEffectDescriptor::AddProcPtr), 7);
    EXPECT_EQ (SlotOf (&AAX_IACFEffectDescriptor::SetProperties), 8);
    EXPECT_EQ (SlotOf (&AAX_IACFEffectDescriptor::AddResourceInfo), 9);
    EXPECT_EQ (SlotOf (&AAX_IACFEffectDescriptor::AddMeterDescription), 10);
    EXPECT_EQ (SlotOf (&AAX_IACFEffectDescriptor_V2::AddControlMIDINode), 11);

    ExpectUnknownFirst<AAX_IACFComponentDescriptor_V2>();
    EXPECT_EQ (SlotOf (&AAX_IACFComponentDescriptor::Clear), 3);
    EXPECT_EQ (SlotOf (&AAX_IACFComponentDescriptor::AddReservedField), 4);
    EXPECT_EQ (SlotOf (&AAX_IACFComponentDescriptor::AddAudioIn), 5);
    EXPECT_EQ (SlotOf (&AAX_IACFComponentDescriptor::AddAudioOut), 6);
    EXPECT_EQ (SlotOf (&AAX_IACFComponentDescriptor::AddAudioBufferLength), 7);
    EXPECT_EQ (SlotOf (&AAX_IACFComponentDescriptor::AddSampleRate), 8);
    EXPECT_EQ (SlotOf (&AAX_IACFComponentDescriptor::AddClock), 9);
    EXPECT_EQ (SlotOf (&AAX_IACFComponentDescriptor::AddSideChainIn), 10);
    EXPECT_EQ (SlotOf (&AAX_IACFComponentDescriptor::AddDataInPort), 11);
    EXPECT_EQ (SlotOf (&AAX_IACFComponentDescriptor::AddAuxOutputStem), 12);
    EXPECT_EQ (SlotOf (&AAX_IACFComponentDescriptor::AddPrivateData), 13);
    EXPECT_EQ (SlotOf (&AAX_IACFComponentDescriptor::AddDmaInstance), 14);
    EXPECT_EQ (SlotOf (&AAX_IACFComponentDescriptor::AddMIDINode), 15);
    EXPECT_EQ (SlotOf (&AAX_IACFComponentDescriptor::AddProcessProc_Native), 16);
    EXPECT_EQ (SlotOf (&AAX_IACFComponentDescriptor::AddProcessProc_TI), 17);
    EXPECT_EQ (SlotOf (&AAX_IACFComponentDescriptor::AddMeters), 18);
    EXPECT_EQ (SlotOf (&AAX_IACFComponentDescriptor_V2::AddTemporaryData), 19);

    ExpectUnknownFirst<AAX_IACFPropertyMap_V2>();
    EXPECT_EQ (SlotOf (&AAX_IACFPropertyMap::GetProperty), 3);
    EXPECT_EQ (SlotOf (&AAX_IACFPropertyMap::AddProperty), 4);
    EXPECT_EQ (SlotOf (&AAX_IACFPropertyMap::RemoveProperty), 5);
    EXPECT_EQ (SlotOf (&AAX_IACFPropertyMap_V2::AddPropertyWithIDArray), 6);
    EXPECT_EQ (SlotOf (&AAX_IACFPropertyMap_V2::GetPropertyWithIDArray), 7);
}

// Tables that begin with the two destructor entries.
TEST (SlotOrder, StringAndHostServicesInterfaces)
{
    using AssignString = AAX_IString& (AAX_IString::*) (const AAX_IString&);
    using AssignText = AAX_IString& (AAX_IString::*) (const char*);

    EXPECT_EQ (SlotOf (&AAX_IString::Length), 2);
    EXPECT_EQ (SlotOf (&AAX_IString::MaxLength), 3);
    EXPECT_EQ (SlotOf (&AAX_IString::Get), 4);
    EXPECT_EQ (SlotOf (&AAX_IString::Set), 5);
    EXPECT_EQ (SlotOf (static_cast<AssignString> (&AAX_IString::operator=)), 6);
    EXPECT_EQ (SlotOf (static_cast<AssignText> (&AAX_IString::operator=)), 7);

    EXPECT_EQ (SlotOf (&AAX_IHostServices::Assert), 2);
    EXPECT_EQ (SlotOf (&AAX_IHostServices::Trace), 3);
    EXPECT_EQ (SlotOf (&AAX_IHostServices::StackTrace), 4);
}

TEST (SlotOrder, DescriptionInterfacesAfterTheDestructor)
{
    EXPECT_EQ (SlotOf (&AAX_ICollection::NewDescriptor), 2);
    EXPECT_EQ (SlotOf (&AAX_ICollection::AddEffect), 3);
    EXPECT_EQ (SlotOf (&AAX_ICollection::SetManufacturerName), 4);
    EXPECT_EQ (SlotOf (&AAX_ICollection::AddPackageName), 5);
    EXPECT_EQ (SlotOf (&AAX_ICollection::SetPackageVersion), 6);
    EXPECT_EQ (SlotOf (&AAX_ICollection::NewPropertyMap), 7);
    EXPECT_EQ (SlotOf (&AAX_ICollection::SetProperties), 8);

    EXPECT_EQ (SlotOf (&AAX_IEffectDescriptor::NewComponentDescriptor), 2);
    EXPECT_EQ (SlotOf (&AAX_IEffectDescriptor::AddComponent), 3);
    EXPECT_EQ (SlotOf (&AAX_IEffectDescriptor::AddName), 4);
    EXPECT_EQ (SlotOf (&AAX_IEffectDescriptor::AddCategory), 5);
    EXPECT_EQ (SlotOf (&AAX_IEffectDescriptor::AddCategoryBypassParameter), 6);
    EXPECT_EQ (SlotOf (&AAX_IEffectDescriptor::AddProcPtr), 7);
    EXPECT_EQ (SlotOf (&AAX_IEffectDescriptor::NewPropertyMap), 8);
    EXPECT_EQ (SlotOf (&AAX_IEffectDescriptor::SetProperties), 9);
    EXPECT_EQ (SlotOf (&AAX_IEffectDescriptor::AddResourceInfo), 10);
    EXPECT_EQ (SlotOf (&AAX_IEffectDescriptor::AddMeterDescription), 11);
    EXPECT_EQ (SlotOf (&AAX_IEffectDescriptor::AddControlMIDINode), 12);

    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::Clear), 2);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::AddAudioIn), 3);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::AddAudioOut), 4);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::AddAudioBufferLength), 5);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::AddSampleRate), 6);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::AddClock), 7);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::AddSideChainIn), 8);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::AddDataInPort), 9);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::AddAuxOutputStem), 10);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::AddPrivateData), 11);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::AddTemporaryData), 12);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::AddDmaInstance), 13);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::AddMeters), 14);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::AddMIDINode), 15);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::AddReservedField), 16);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::NewPropertyMap), 17);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::DuplicatePropertyMap), 18);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::AddProcessProc_Native), 19);
    EXPECT_EQ (SlotOf (&AAX_IComponentDescriptor::AddProcessProc_TI), 20);

    EXPECT_EQ (SlotOf (&AAX_IPropertyMap::GetProperty), 2);
    EXPECT_EQ (SlotOf (&AAX_IPropertyMap::AddProperty), 3);
    EXPECT_EQ (SlotOf (&AAX_IPropertyMap::RemoveProperty), 4);
    EXPECT_EQ (SlotOf (&AAX_IPropertyMap::AddPropertyWithIDArray), 5);
    EXPECT_EQ (SlotOf (&AAX_IPropertyMap::GetPropertyWithIDArray), 6);
}

TEST (SlotOrder, ReferenceCountedBaseAndTheObjectsTheHostHolds)
{
    EXPECT_EQ (SlotOf (&CACFUnknown::InitializeInstance), 2);
    EXPECT_EQ (SlotOf (&CACFUnknown::FinalRelease), 3);
    EXPECT_EQ (SlotOf (&CACFUnknown::ReclaimMemory), 4);
    EXPECT_EQ (SlotOf (&CACFUnknown::InternalQueryInterface), 5);
    EXPECT_EQ (SlotOf (&CACFUnknown::InternalAddRef), 6);
    EXPECT_EQ (SlotOf (&CACFUnknown::InternalRelease), 7);

    // The host sees the first base: its table begins with the three forwarding operations.
    ExpectUnknownFirst<AAX_IEffectParameters>();
    ExpectUnknownFirst<AAX_IEffectGUI>();
}

// The plug-in's data-model object: the host reaches all 50 operations by position.
TEST (SlotOrder, EffectParameters)
{
    using E1 = AAX_IACFEffectParameters;
    using E2 = AAX_IACFEffectParameters_V2;
    using E3 = AAX_IACFEffectParameters_V3;
    using C = AAX_CEffectParameters;
    ExpectUnknownFirst<C>();
    EXPECT_EQ (SlotsOf (&E1::Initialize, &E1::Uninitialize, &E1::NotificationReceived, &E1::GetNumberOfParameters,
                        &E1::GetMasterBypassParameter, &E1::GetParameterIsAutomatable, &E1::GetParameterNumberOfSteps,
                        &E1::GetParameterName, &E1::GetParameterNameOfLength, &E1::GetParameterDefaultNormalizedValue,
                        &E1::SetParameterDefaultNormalizedValue, &E1::GetParameterType, &E1::GetParameterOrientation,
                        &E1::GetParameter, &E1::GetParameterIndex, &E1::GetParameterIDFromIndex,
                        &E1::GetParameterValueInfo, &E1::GetParameterValueFromString, &E1::GetParameterStringFromValue,
                        &E1::GetParameterValueString, &E1::GetParameterNormalizedValue, &E1::SetParameterNormalizedValue,
                        &E1::SetParameterNormalizedRelative, &E1::TouchParameter, &E1::ReleaseParameter,
                        &E1::UpdateParameterTouch, &E1::UpdateParameterNormalizedValue,
                        &E1::UpdateParameterNormalizedRelative, &E1::GenerateCoefficients, &E1::ResetFieldData,
                        &E1::GetNumberOfChunks, &E1::GetChunkIDFromIndex, &E1::GetChunkSize, &E1::GetChunk,
                        &E1::SetChunk, &E1::CompareActiveChunk, &E1::GetNumberOfChanges, &E2::TimerWakeup,
                        &E2::GetCurveData, &E2::GetCustomData, &E2::SetCustomData, &E2::DoMIDITransfers,
                        &E2::RenderAudio_Hybrid, &E2::UpdateMIDINodes, &E2::UpdateControlMIDINodes,
                        &E3::GetCurveDataMeterIds, &E3::GetCurveDataDisplayRange),
               Consecutive (3, 47));
    EXPECT_EQ (SlotOf (&C::GetCurveDataDisplayRange), 49);
}

TEST (SlotOrder, EffectGUI)
{
    using G = AAX_IACFEffectGUI;
    ExpectUnknownFirst<AAX_CEffectGUI>();
    EXPECT_EQ (SlotsOf (&G::Initialize, &G::Uninitialize, &G::NotificationReceived, &G::SetViewContainer, &G::GetViewSize,
                        &G::Draw, &G::TimerWakeup, &G::ParameterUpdated, &G::GetCustomLabel, &G::SetControlHighlightInfo),
               Consecutive (3, 10));
}

// The host's run-time interfaces, each version continuing the one below.
TEST (SlotOrder, HostRuntimeInterfaces)
{
    ExpectUnknownFirst<AAX_IACFController_V3>();
    using C1 = AAX_IACFController;
    using C2 = AAX_IACFController_V2;
    using C3 = AAX_IACFController_V3;
    EXPECT_EQ (SlotsOf (&C1::GetEffectID, &C1::GetSampleRate, &C1::GetInputStemFormat, &C1::GetOutputStemFormat,
                        &C1::GetSignalLatency, &C1::GetCycleCount, &C1::GetTODLocation, &C1::SetSignalLatency,
                        &C1::SetCycleCount, &C1::PostPacket, &C1::GetCurrentMeterValue, &C1::GetMeterPeakValue,
                        &C1::ClearMeterPeakValue, &C1::GetMeterClipped, &C1::ClearMeterClipped, &C1::GetMeterCount,
                        &C1::GetNextMIDIPacket, &C2::SendNotification, &C2::GetHybridSignalLatency,
                        &C2::GetCurrentAutomationTimestamp, &C2::GetHostName, &C3::GetPlugInTargetPlatform,
                        &C3::GetIsAudioSuite),
               Consecutive (3, 23));

    ExpectUnknownFirst<AAX_IACFTransport_V2>();
    using T1 = AAX_IACFTransport;
    using T2 = AAX_IACFTransport_V2;
    EXPECT_EQ (SlotsOf (&T1::GetCurrentTempo, &T1::GetCurrentMeter, &T1::IsTransportPlaying, &T1::GetCurrentTickPosition,
                        &T1::GetCurrentLoopPosition, &T1::GetCurrentNativeSampleLocation, &T1::GetCustomTickPosition,
                        &T1::GetBarBeatPosition, &T1::GetTicksPerQuarter, &T1::GetCurrentTicksPerBeat,
                        &T2::GetTimelineSelectionStartPosition, &T2::GetTimeCodeInfo, &T2::GetFeetFramesInfo,
                        &T2::IsMetronomeEnabled),
               Consecutive (3, 14));

    ExpectUnknownFirst<AAX_IACFViewContainer_V2>();
    using V1 = AAX_IACFViewContainer;
    using V2 = AAX_IACFViewContainer_V2;
    EXPECT_EQ (SlotsOf (&V1::GetType, &V1::GetPtr, &V1::GetModifiers, &V1::SetViewSize, &V1::HandleParameterMouseDown,
                        &V1::HandleParameterMouseDrag, &V1::HandleParameterMouseUp,
                        &V2::HandleMultipleParametersMouseDown, &V2::HandleMultipleParametersMouseDrag,
                        &V2::HandleMultipleParametersMouseUp),
               Consecutive (3, 10));

    ExpectUnknownFirst<AAX_IACFAutomationDelegate>();
    using A = AAX_IACFAutomationDelegate;
    EXPECT_EQ (SlotsOf (&A::RegisterParameter, &A::UnregisterParameter, &A::PostSetValueRequest, &A::PostCurrentValue,
                        &A::PostTouchRequest, &A::PostReleaseRequest, &A::GetTouchState),
               Consecutive (3, 7));
}

// The library's controller departs from the host's order in two places; the wrapper calls by name.
TEST (SlotOrder, LibraryControllerKeepsItsOwnOrder)
{
    using C = AAX_IController;
    EXPECT_EQ (SlotsOf (&C::GetEffectID, &C::GetSampleRate, &C::GetInputStemFormat, &C::GetOutputStemFormat,
                        &C::GetSignalLatency, &C::GetCycleCount, &C::GetTODLocation, &C::SetSignalLatency,
                        &C::SetCycleCount, &C::PostPacket, &C::SendNotification, &C::GetCurrentMeterValue,
                        &C::GetMeterPeakValue, &C::ClearMeterPeakValue, &C::GetMeterCount, &C::GetMeterClipped,
                        &C::ClearMeterClipped, &C::GetNextMIDIPacket, &C::GetHybridSignalLatency,
                        &C::GetCurrentAutomationTimestamp, &C::GetHostName, &C::GetPlugInTargetPlatform,
                        &C::GetIsAudioSuite),
               Consecutive (2, 23));
}
