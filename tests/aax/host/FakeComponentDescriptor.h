#pragma once

#include "AAX_IACFComponentDescriptor.h"
#include "FakeUnknown.h"

namespace fakehost
{
    /** The host's component descriptor, both versions; it keeps what a host needs to run
        the component: the fields of its context record and its process callback. */
    class FakeComponentDescriptor final : public FakeUnknown<AAX_IACFComponentDescriptor_V2>
    {
    public:
        FakeComponentDescriptor (HostLog& log, std::string name, ObjectConfig config);

        /** One field of the component's context record, as described. */
        struct Field
        {
            enum class Kind { audioIn, audioOut, bufferLength, dataInPort, privateData, other };
            Kind kind = Kind::other;
            std::uint32_t size = 0;    // packet or private data bytes
        };

        std::map<AAX_CFieldIndex, Field> fields;
        AAX_CProcessProc processProc = nullptr;
        IACFUnknown* processProperties = nullptr;

        AAX_ResultCode Clear() override;
        AAX_ResultCode AddReservedField (AAX_CFieldIndex field, std::uint32_t fieldType) override;
        AAX_ResultCode AddAudioIn (AAX_CFieldIndex field) override;
        AAX_ResultCode AddAudioOut (AAX_CFieldIndex field) override;
        AAX_ResultCode AddAudioBufferLength (AAX_CFieldIndex field) override;
        AAX_ResultCode AddSampleRate (AAX_CFieldIndex field) override;
        AAX_ResultCode AddClock (AAX_CFieldIndex field) override;
        AAX_ResultCode AddSideChainIn (AAX_CFieldIndex field) override;
        AAX_ResultCode AddDataInPort (AAX_CFieldIndex field, std::uint32_t packetSize, AAX_EDataInPortType type) override;
        AAX_ResultCode AddAuxOutputStem (AAX_CFieldIndex field, std::int32_t stemFormat, const char* name) override;
        AAX_ResultCode AddPrivateData (AAX_CFieldIndex field, std::int32_t dataSize, std::uint32_t options) override;
        AAX_ResultCode AddDmaInstance (AAX_CFieldIndex field, AAX_IDma::EMode mode) override;
        AAX_ResultCode AddMIDINode (AAX_CFieldIndex field, AAX_EMIDINodeType type,
                                    const char* name, std::uint32_t channelMask) override;
        AAX_ResultCode AddProcessProc_Native (AAX_CProcessProc proc, IACFUnknown* propertyMap,
                                              AAX_CInstanceInitProc instanceInitProc,
                                              AAX_CBackgroundProc backgroundProc, std::uint32_t* procID) override;
        AAX_ResultCode AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                          IACFUnknown* propertyMap, const char* instanceInitProcSymbol,
                                          const char* backgroundProcSymbol, std::uint32_t* procID) override;
        AAX_ResultCode AddMeters (AAX_CFieldIndex field, const std::uint32_t* meterIDs, std::uint32_t meterCount) override;
        AAX_ResultCode AddTemporaryData (AAX_CFieldIndex field, std::uint32_t elementSize) override;
    };
}
