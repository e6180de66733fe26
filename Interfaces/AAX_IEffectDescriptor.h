#pragma once

#include "AAX_Results.h"
#include "AAX_Types.h"

class AAX_IComponentDescriptor;
class AAX_IPropertyMap;

/** One effect as the plug-in describes it. Descriptors and maps it makes belong to it. */
class AAX_IEffectDescriptor
{
public:
    virtual ~AAX_IEffectDescriptor() = default;

    virtual AAX_IComponentDescriptor* NewComponentDescriptor() = 0;
    virtual AAX_ResultCode AddComponent (AAX_IComponentDescriptor* componentDescriptor) = 0;
    virtual AAX_ResultCode AddName (const char* name) = 0;
    virtual AAX_ResultCode AddCategory (std::uint32_t category) = 0;
    virtual AAX_ResultCode AddCategoryBypassParameter (std::uint32_t category, const char* parameterID) = 0;
    virtual AAX_ResultCode AddProcPtr (void* procPointer, AAX_CProcPtrID procID) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_ResultCode SetProperties (AAX_IPropertyMap* properties) = 0;
    virtual AAX_ResultCode AddResourceInfo (AAX_EResourceType type, const char* info) = 0;
    virtual AAX_ResultCode AddMeterDescription (std::uint32_t meterID, const char* name, AAX_IPropertyMap* properties) = 0;
    virtual AAX_ResultCode AddControlMIDINode (std::uint32_t nodeID, AAX_EMIDINodeType type,
                                               const char* name, std::uint32_t channelMask) = 0;

protected:
    AAX_IEffectDescriptor() = default;
    AAX_IEffectDescriptor (const AAX_IEffectDescriptor&) = default;
    AAX_IEffectDescriptor& operator= (const AAX_IEffectDescriptor&) = default;
};
