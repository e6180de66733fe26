#pragma once

#include "AAX_Results.h"
#include "AAX_Types.h"

class AAX_IPropertyMap;

/**
    One processing component as the plug-in describes it: the fields of its context record,
    its properties and its process callback. Maps it makes belong to it.
*/
class AAX_IComponentDescriptor
{
public:
    virtual ~AAX_IComponentDescriptor() = default;

    virtual AAX_ResultCode Clear() = 0;
    virtual AAX_ResultCode AddAudioIn (AAX_CFieldIndex field) = 0;
    virtual AAX_ResultCode AddAudioOut (AAX_CFieldIndex field) = 0;
    virtual AAX_ResultCode AddAudioBufferLength (AAX_CFieldIndex field) = 0;
    virtual AAX_ResultCode AddSampleRate (AAX_CFieldIndex field) = 0;
    virtual AAX_ResultCode AddClock (AAX_CFieldIndex field) = 0;
    virtual AAX_ResultCode AddSideChainIn (AAX_CFieldIndex field) = 0;
    virtual AAX_ResultCode AddDataInPort (AAX_CFieldIndex field, std::uint32_t packetSize, AAX_EDataInPortType type) = 0;
    virtual AAX_ResultCode AddAuxOutputStem (AAX_CFieldIndex field, std::int32_t stemFormat, const char* name) = 0;
    virtual AAX_ResultCode AddPrivateData (AAX_CFieldIndex field, std::int32_t dataSize, std::uint32_t options) = 0;
    virtual AAX_ResultCode AddTemporaryData (AAX_CFieldIndex field, std::uint32_t elementSize) = 0;
    virtual AAX_ResultCode AddDmaInstance (AAX_CFieldIndex field, AAX_IDma::EMode mode) = 0;
    virtual AAX_ResultCode AddMeters (AAX_CFieldIndex field, const std::uint32_t* meterIDs, std::uint32_t meterCount) = 0;
    virtual AAX_ResultCode AddMIDINode (AAX_CFieldIndex field, AAX_EMIDINodeType type,
                                        const char* name, std::uint32_t channelMask) = 0;
    virtual AAX_ResultCode AddReservedField (AAX_CFieldIndex field, std::uint32_t fieldType) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() const = 0;
    /** A new map of this descriptor's own, holding the source's plain properties. */
    virtual AAX_IPropertyMap* DuplicatePropertyMap (AAX_IPropertyMap* source) const = 0;
    virtual AAX_ResultCode AddProcessProc_Native (AAX_CProcessProc processProc, AAX_IPropertyMap* properties,
                                                  AAX_CInstanceInitProc instanceInitProc,
                                                  AAX_CBackgroundProc backgroundProc,
                                                  std::uint32_t* procID) = 0;
    virtual AAX_ResultCode AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                              AAX_IPropertyMap* properties, const char* instanceInitProcSymbol,
                                              const char* backgroundProcSymbol, std::uint32_t* procID) = 0;

protected:
    AAX_IComponentDescriptor() = default;
    AAX_IComponentDescriptor (const AAX_IComponentDescriptor&) = default;
    AAX_IComponentDescriptor& operator= (const AAX_IComponentDescriptor&) = default;
};
