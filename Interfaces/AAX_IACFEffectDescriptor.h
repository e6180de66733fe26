#pragma once

#include "AAX_Results.h"
#include "AAX_Types.h"
#include "IACFUnknown.h"

/** The host's description of one effect, first version. */
class AAX_IACFEffectDescriptor : public IACFUnknown
{
public:
    virtual AAX_ResultCode AddComponent (IACFUnknown* componentDescriptor) = 0;
    virtual AAX_ResultCode AddName (const char* name) = 0;
    virtual AAX_ResultCode AddCategory (std::uint32_t category) = 0;
    virtual AAX_ResultCode AddCategoryBypassParameter (std::uint32_t category, const char* parameterID) = 0;
    virtual AAX_ResultCode AddProcPtr (void* procPointer, AAX_CProcPtrID procID) = 0;
    virtual AAX_ResultCode SetProperties (IACFUnknown* propertyMap) = 0;
    virtual AAX_ResultCode AddResourceInfo (AAX_EResourceType type, const char* info) = 0;
    virtual AAX_ResultCode AddMeterDescription (std::uint32_t meterID, const char* name, IACFUnknown* propertyMap) = 0;

protected:
    ~AAX_IACFEffectDescriptor() = default;
};

/** Second version: adds control MIDI nodes. */
class AAX_IACFEffectDescriptor_V2 : public AAX_IACFEffectDescriptor
{
public:
    virtual AAX_ResultCode AddControlMIDINode (std::uint32_t nodeID, AAX_EMIDINodeType type,
                                               const char* name, std::uint32_t channelMask) = 0;

protected:
    ~AAX_IACFEffectDescriptor_V2() = default;
};
