#include "AAX_VComponentDescriptor.h"

namespace
{
    // The plain properties that a duplicate carries over.
    constexpr std::int32_t sFirstCopiedProperty = 10;
    constexpr std::int32_t sLastCopiedProperty  = 401;
}

AAX_VComponentDescriptor::AAX_VComponentDescriptor (IACFUnknown* host) : m_HostUnknown (host)
{
    ACFCreateHostComponent (host, AAXCompID_AAXComponentDescriptor, IID_IAAXComponentDescriptorV1,
                            m_HostComponentDescriptor, IID_IAAXComponentDescriptorV2, m_HostComponentDescriptorV2);
}

AAX_VComponentDescriptor::~AAX_VComponentDescriptor()
{
    m_PropertyMaps.clear();
    m_HostComponentDescriptorV2.Reset();
    m_HostComponentDescriptor.Reset();
    m_HostUnknown.Reset();
}

AAX_ResultCode AAX_VComponentDescriptor::Clear()
{
    if (m_HostComponentDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostComponentDescriptor->Clear();
}

AAX_ResultCode AAX_VComponentDescriptor::AddAudioIn (AAX_CFieldIndex field)
{
    if (m_HostComponentDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostComponentDescriptor->AddAudioIn (field);
}

AAX_ResultCode AAX_VComponentDescriptor::AddAudioOut (AAX_CFieldIndex field)
{
    if (m_HostComponentDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostComponentDescriptor->AddAudioOut (field);
}

AAX_ResultCode AAX_VComponentDescriptor::AddAudioBufferLength (AAX_CFieldIndex field)
{
    if (m_HostComponentDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostComponentDescriptor->AddAudioBufferLength (field);
}

AAX_ResultCode AAX_VComponentDescriptor::AddSampleRate (AAX_CFieldIndex field)
{
    if (m_HostComponentDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostComponentDescriptor->AddSampleRate (field);
}

AAX_ResultCode AAX_VComponentDescriptor::AddClock (AAX_CFieldIndex field)
{
    if (m_HostComponentDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostComponentDescriptor->AddClock (field);
}

AAX_ResultCode AAX_VComponentDescriptor::AddSideChainIn (AAX_CFieldIndex field)
{
    if (m_HostComponentDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostComponentDescriptor->AddSideChainIn (field);
}


AAX_ResultCode AAX_VComponentDescriptor::AddDataInPort (AAX_CFieldIndex field, std::uint32_t packetSize,
                                                        AAX_EDataInPortType type)
{
    if (m_HostComponentDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostComponentDescriptor->AddDataInPort (field, packetSize, type);
}

AAX_ResultCode AAX_VComponentDescriptor::AddAuxOutputStem (AAX_CFieldIndex field, std::int32_t stemFormat,
                                                           const char* name)
{
    if (m_HostComponentDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostComponentDescriptor->AddAuxOutputStem (field, stemFormat, name);
}

AAX_ResultCode AAX_VComponentDescriptor::AddPrivateData (AAX_CFieldIndex field, std::int32_t dataSize,
                                                         std::uint32_t options)
{
    if (m_HostComponentDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostComponentDescriptor->AddPrivateData (field, dataSize, options);
}

AAX_ResultCode AAX_VComponentDescriptor::AddTemporaryData (AAX_CFieldIndex field, std::uint32_t elementSize)
{
    if (m_HostComponentDescriptorV2.IsEmpty())
        return AAX_RESULT_NOT_IMPLEMENTED;

    return m_HostComponentDescriptorV2->AddTemporaryData (field, elementSize);
}

AAX_ResultCode AAX_VComponentDescriptor::AddDmaInstance (AAX_CFieldIndex field, AAX_IDma::EMode mode)
{
    if (m_HostComponentDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostComponentDescriptor->AddDmaInstance (field, mode);
}

AAX_ResultCode AAX_VComponentDescriptor::AddMeters (AAX_CFieldIndex field, const std::uint32_t* meterIDs,
                                                    std::uint32_t meterCount)
{
    if (m_HostComponentDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostComponentDescriptor->AddMeters (field, meterIDs, meterCount);
}

AAX_ResultCode AAX_VComponentDescriptor::AddMIDINode (AAX_CFieldIndex field, AAX_EMIDINodeType type,
                                                      const char* name, std::uint32_t channelMask)
{
    if (m_HostComponentDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostComponentDescriptor->AddMIDINode (field, type, name, channelMask);
}

AAX_ResultCode AAX_VComponentDescriptor::AddReservedField (AAX_CFieldIndex field, std::uint32_t fieldType)
{
    if (m_HostComponentDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostComponentDescriptor->AddReservedField (field, fieldType);
}

AAX_IPropertyMap* AAX_VComponentDescriptor::NewPropertyMap() const
{
    auto map = std::make_unique<AAX_VPropertyMap> (m_HostUnknown.Get());
    m_PropertyMaps.push_back (std::move (map));
    return m_PropertyMaps.back().get();
}

AAX_IPropertyMap* AAX_VComponentDescriptor::DuplicatePropertyMap (AAX_IPropertyMap* source) const
{
    auto* copy = NewPropertyMap();

    if (source == nullptr)
        return copy;

    for (auto number = sFirstCopiedProperty; number <= sLastCopiedProperty; ++number)
    {
        const auto property = static_cast<AAX_EProperty> (number);
        std::int32_t value = 0;

        if (source->GetProperty (property, &value))
            copy->AddProperty (property, value);
    }

    return copy;
}

AAX_ResultCode AAX_VComponentDescriptor::AddProcessProc_Native (AAX_CProcessProc processProc,
                                                                AAX_IPropertyMap* properties,
                                                                AAX_CInstanceInitProc instanceInitProc,
                                                                AAX_CBackgroundProc backgroundProc,
                                                                std::uint32_t* procID)
{
    if (m_HostComponentDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostComponentDescriptor->AddProcessProc_Native (processProc, AAX_HostInterfaceOf (properties),
                                                             instanceInitProc, backgroundProc, procID);
}

AAX_ResultCode AAX_VComponentDescriptor::AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                                            AAX_IPropertyMap* properties,
                                                            const char* instanceInitProcSymbol,
                                                            const char* backgroundProcSymbol, std::uint32_t* procID)
{
    if (m_HostComponentDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostComponentDescriptor->AddProcessProc_TI (dllFileName, processProcSymbol, AAX_HostInterfaceOf (properties),
                                                         instanceInitProcSymbol, backgroundProcSymbol, procID);
}

IACFUnknown* AAX_HostInterfaceOf (const AAX_IComponentDescriptor* descriptor) noexcept
{
    const auto* ours = dynamic_cast<const AAX_VComponentDescriptor*> (descriptor);
    return ours != nullptr ? ours->GetIUnknown() : nullptr;
}
