#pragma once

#include "AAX_IACFComponentDescriptor.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_VPropertyMap.h"
#include "ACFPtr.h"

#include <memory>
#include <vector>

/**
    A processing component's description, made through the host's factory. Every operation
    forwards to the host operation of the same name, a property map replaced by its host
    interface; the maps it makes, duplicates included, live until it is destroyed.
*/
class AAX_VComponentDescriptor : public AAX_IComponentDescriptor
{
public:
    explicit AAX_VComponentDescriptor (IACFUnknown* host);
    ~AAX_VComponentDescriptor() override;

    AAX_ResultCode Clear() override;
    AAX_ResultCode AddAudioIn (AAX_CFieldIndex field) override;
    AAX_ResultCode AddAudioOut (AAX_CFieldIndex field) override;
    AAX_ResultCode AddAudioBufferLength (AAX_CFieldIndex field) override;
    AAX_ResultCode AddSampleRate (AAX_CFieldIndex field) override;
    AAX_ResultCode AddClock (AAX_CFieldIndex field) override;
    AAX_ResultCode AddSideChainIn (AAX_CFieldIndex field) override;
    AAX_ResultCode AddDataInPort (AAX_CFieldIndex field, std::uint32_t packetSize, AAX_EDataInPortType type) override;
    AAX_ResultCode AddAuxOutputStem (AAX_CFieldIndex field, std::int32_t stemFormat, const char* name) override;
    AAX_ResultCode AddPrivateData (AAX_CFieldIndex field, std::int32_t dataSize, std::uint32_t options) override;
    AAX_ResultCode AddTemporaryData (AAX_CFieldIndex field, std::uint32_t elementSize) override;
    AAX_ResultCode AddDmaInstance (AAX_CFieldIndex field, AAX_IDma::EMode mode) override;
    AAX_ResultCode AddMeters (AAX_CFieldIndex field, const std::uint32_t* meterIDs, std::uint32_t meterCount) override;
    AAX_ResultCode AddMIDINode (AAX_CFieldIndex field, AAX_EMIDINodeType type,
                                const char* name, std::uint32_t channelMask) override;
    AAX_ResultCode AddReservedField (AAX_CFieldIndex field, std::uint32_t fieldType) override;
    AAX_IPropertyMap* NewPropertyMap() const override;
    /** Copies properties 10 to 401 that the source holds; a null source gives an empty map. */
    AAX_IPropertyMap* DuplicatePropertyMap (AAX_IPropertyMap* source) const override;
    AAX_ResultCode AddProcessProc_Native (AAX_CProcessProc processProc, AAX_IPropertyMap* properties,
                                          AAX_CInstanceInitProc instanceInitProc,
                                          AAX_CBackgroundProc backgroundProc,
                                          std::uint32_t* procID) override;
    AAX_ResultCode AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                      AAX_IPropertyMap* properties, const char* instanceInitProcSymbol,
                                      const char* backgroundProcSymbol, std::uint32_t* procID) override;

    /** The host's first-version interface, without a new reference; null when missing. */
    IACFUnknown* GetIUnknown() const noexcept    { return m_HostComponentDescriptor.Get(); }

private:
    ACFPtr<IACFUnknown> m_HostUnknown;
    ACFPtr<AAX_IACFComponentDescriptor> m_HostComponentDescriptor;
    ACFPtr<AAX_IACFComponentDescriptor_V2> m_HostComponentDescriptorV2;
    mutable std::vector<std::unique_ptr<AAX_VPropertyMap>> m_PropertyMaps;
};

/** As AAX_HostInterfaceOf for maps: null for null and for descriptors this library did not make. */
IACFUnknown* AAX_HostInterfaceOf (const AAX_IComponentDescriptor* descriptor) noexcept;
