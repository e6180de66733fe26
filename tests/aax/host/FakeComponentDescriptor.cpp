#include "FakeComponentDescriptor.h"

namespace fakehost
{
    namespace
    {
        template <class Function>
        std::string FunctionArg (Function function)
        {
            return function != nullptr ? "function" : "null";
        }
    }

    FakeComponentDescriptor::FakeComponentDescriptor (HostLog& log, std::string name, ObjectConfig config)
        : FakeUnknown (log, std::move (name), std::move (config),
                       { IID_IACFUnknown, IID_IAAXComponentDescriptorV1, IID_IAAXComponentDescriptorV2 })
    {
    }

    AAX_ResultCode FakeComponentDescriptor::Clear()                          { return Call ("Clear", {}); }

    AAX_ResultCode FakeComponentDescriptor::AddAudioIn (AAX_CFieldIndex f)
    {
        fields[f] = { Field::Kind::audioIn, 0 };
        return Call ("AddAudioIn", Arg (f));
    }

    AAX_ResultCode FakeComponentDescriptor::AddAudioOut (AAX_CFieldIndex f)
    {
        fields[f] = { Field::Kind::audioOut, 0 };
        return Call ("AddAudioOut", Arg (f));
    }

    AAX_ResultCode FakeComponentDescriptor::AddAudioBufferLength (AAX_CFieldIndex f)
    {
        fields[f] = { Field::Kind::bufferLength, 0 };
        return Call ("AddAudioBufferLength", Arg (f));
    }

    AAX_ResultCode FakeComponentDescriptor::AddSampleRate (AAX_CFieldIndex f) { return Call ("AddSampleRate", Arg (f)); }
    AAX_ResultCode FakeComponentDescriptor::AddClock (AAX_CFieldIndex f)     { return Call ("AddClock", Arg (f)); }
    AAX_ResultCode FakeComponentDescriptor::AddSideChainIn (AAX_CFieldIndex f) { return Call ("AddSideChainIn", Arg (f)); }

    AAX_ResultCode FakeComponentDescriptor::AddReservedField (AAX_CFieldIndex field, std::uint32_t fieldType)
    {
        return Call ("AddReservedField", Args ({ Arg (field), Arg (fieldType) }));
    }

    AAX_ResultCode FakeComponentDescriptor::AddDataInPort (AAX_CFieldIndex field, std::uint32_t packetSize,
                                                           AAX_EDataInPortType type)
    {
        fields[field] = { Field::Kind::dataInPort, packetSize };
        return Call ("AddDataInPort", Args ({ Arg (field), Arg (packetSize), Arg (type) }));
    }

    AAX_ResultCode FakeComponentDescriptor::AddAuxOutputStem (AAX_CFieldIndex field, std::int32_t stemFormat,
                                                              const char* name)
    {
        return Call ("AddAuxOutputStem", Args ({ Arg (field), Arg (stemFormat), Arg (name) }));
    }

    AAX_ResultCode FakeComponentDescriptor::AddPrivateData (AAX_CFieldIndex field, std::int32_t dataSize,
                                                            std::uint32_t options)
    {
        fields[field] = { Field::Kind::privateData, static_cast<std::uint32_t> (dataSize > 0 ? dataSize : 0) };
        return Call ("AddPrivateData", Args ({ Arg (field), Arg (dataSize), Arg (options) }));
    }

    AAX_ResultCode FakeComponentDescriptor::AddDmaInstance (AAX_CFieldIndex field, AAX_IDma::EMode mode)
    {
        return Call ("AddDmaInstance", Args ({ Arg (field), Arg (mode) }));
    }

    AAX_ResultCode FakeComponentDescriptor::AddMIDINode (AAX_CFieldIndex field, AAX_EMIDINodeType type,
                                                         const char* name, std::uint32_t channelMask)
    {
        return Call ("AddMIDINode", Args ({ Arg (field), Arg (type), Arg (name), Arg (channelMask) }));
    }

    AAX_ResultCode FakeComponentDescriptor::AddProcessProc_Native (AAX_CProcessProc proc, IACFUnknown* propertyMap,
                                                                   AAX_CInstanceInitProc instanceInitProc,
                                                                   AAX_CBackgroundProc backgroundProc,
                                                                   std::uint32_t* procID)
    {
        processProc = proc;
        processProperties = propertyMap;
        return Call ("AddProcessProc_Native", Args ({ FunctionArg (proc), Object (propertyMap),
                                                      FunctionArg (instanceInitProc), FunctionArg (backgroundProc),
                                                      Arg (static_cast<const void*> (procID)) }));
    }

    AAX_ResultCode FakeComponentDescriptor::AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                                               IACFUnknown* propertyMap,
                                                               const char* instanceInitProcSymbol,
                                                               const char* backgroundProcSymbol, std::uint32_t* procID)
    {
        return Call ("AddProcessProc_TI", Args ({ Arg (dllFileName), Arg (processProcSymbol), Object (propertyMap),
                                                  Arg (instanceInitProcSymbol), Arg (backgroundProcSymbol),
                                                  Arg (static_cast<const void*> (procID)) }));
    }

    AAX_ResultCode FakeComponentDescriptor::AddMeters (AAX_CFieldIndex field, const std::uint32_t* meterIDs,
                                                       std::uint32_t meterCount)
    {
        return Call ("AddMeters", Args ({ Arg (field), Arg (static_cast<const void*> (meterIDs)), Arg (meterCount) }));
    }

    AAX_ResultCode FakeComponentDescriptor::AddTemporaryData (AAX_CFieldIndex field, std::uint32_t elementSize)
    {
        return Call ("AddTemporaryData", Args ({ Arg (field), Arg (elementSize) }));
    }
}
