// The description hook of the test module: describes one effect the way the AAX wrapper
// does, so a host loading the module sees a complete registration.

#include "AAX_EntryPoints.h"
#include "AAX_ICollection.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IPropertyMap.h"

namespace
{
    void processNothing (void* const*, const void*) {}

    constexpr std::int32_t fourCC (const char (&code)[5]) noexcept
    {
        return static_cast<std::int32_t> ((static_cast<std::uint32_t> (code[0]) << 24)
                                          | (static_cast<std::uint32_t> (code[1]) << 16)
                                          | (static_cast<std::uint32_t> (code[2]) << 8)
                                          | static_cast<std::uint32_t> (code[3]));
    }
}

AAX_ResultCode GetEffectDescriptions (AAX_ICollection* collection)
{
    auto* effect = collection->NewDescriptor();

    if (effect == nullptr)
        return AAX_RESULT_MISSING_OBJECT;

    effect->AddName ("Hushmoor");
    effect->AddName ("Gravilo Hushmoor");
    effect->AddCategory (2);

    auto* component = effect->NewComponentDescriptor();
    component->AddAudioIn (0);
    component->AddAudioOut (1);
    component->AddAudioBufferLength (2);

    auto* properties = component->NewPropertyMap();
    properties->AddProperty (AAX_PROPERTY_MANUFACTURER_CODE, fourCC ("BHM_"));
    properties->AddProperty (AAX_PROPERTY_PRODUCT_CODE, fourCC ("Bhmr"));
    properties->AddProperty (AAX_PROPERTY_CAN_BYPASS, 1);
    component->AddProcessProc_Native (processNothing, properties, nullptr, nullptr, nullptr);
    effect->AddComponent (component);

    collection->AddEffect ("com.brivel.hushmoor", effect);
    collection->SetManufacturerName ("Brivel");
    collection->AddPackageName ("Gravilo Hushmoor");
    collection->SetPackageVersion (0x10000);
    return AAX_SUCCESS;
}
