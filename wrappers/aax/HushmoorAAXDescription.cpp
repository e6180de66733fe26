// The description hook: what the plug-in tells an AAX host while the host registers the
// module. One effect, with one processing component per channel configuration the
// processor takes (mono and stereo, in and out), each with its context record, its
// properties and the process callback.

#include "AAX_EntryPoints.h"
#include "AAX_ICollection.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IPropertyMap.h"
#include "wrappers/aax/HushmoorAAXGUI.h"
#include "wrappers/aax/HushmoorAAXIdentity.h"
#include "wrappers/aax/HushmoorAAXProcessor.h"
#include "wrappers/common/CreateProcessor.h"

namespace
{
    using namespace hushmoor::aax;

    /** Packets on the bypass port arrive with the process call they belong to. */
    constexpr auto bypassPortType = static_cast<AAX_EDataInPortType> (1);

    void describeComponent (AAX_IComponentDescriptor& component, StemFormat input, StemFormat output)
    {
        component.AddAudioIn (inputChannelsField);
        component.AddAudioOut (outputChannelsField);
        component.AddAudioBufferLength (bufferSizeField);
        component.AddDataInPort (bypassField, bypassPacketSize, bypassPortType);
        component.AddPrivateData (linkField, static_cast<std::int32_t> (sizeof (ProcessorLink)), 0);
        component.AddPrivateData (preparedField, static_cast<std::int32_t> (sizeof (std::int32_t)), 0);

        auto* properties = component.NewPropertyMap();

        if (properties != nullptr)
        {
            const auto code = [] (std::uint32_t value) { return static_cast<std::int32_t> (value); };

            properties->AddProperty (AAX_PROPERTY_MANUFACTURER_CODE, code (manufacturerCode));
            properties->AddProperty (AAX_PROPERTY_PRODUCT_CODE, code (productCode));
            properties->AddProperty (AAX_PROPERTY_CAN_BYPASS, 1);
            properties->AddProperty (AAX_PROPERTY_INPUT_STEM_FORMAT, static_cast<std::int32_t> (input));
            properties->AddProperty (AAX_PROPERTY_OUTPUT_STEM_FORMAT, static_cast<std::int32_t> (output));
            properties->AddProperty (AAX_PROPERTY_NATIVE_PLUGIN_CODE, code (pluginCode (input, output, false)));
            properties->AddProperty (AAX_PROPERTY_AUDIOSUITE_PLUGIN_CODE, code (pluginCode (input, output, true)));
            properties->AddProperty (AAX_PROPERTY_MULTIMONO_SUPPORT, 1);
        }

        // No side chain and no further output buses to describe.
        component.AddProcessProc_Native (&HushmoorAAXProcessor::processCallback, properties, nullptr, nullptr, nullptr);
    }

    /** True when the processor takes these channel counts on its main buses. */
    bool takesLayout (const juce::AudioProcessor& processor, StemFormat input, StemFormat output)
    {
        const auto set = [] (StemFormat format)
        {
            return channelCount (format) == 1 ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo();
        };

        auto layout = processor.getBusesLayout();
        layout.getChannelSet (true, 0) = set (input);
        layout.getChannelSet (false, 0) = set (output);
        return processor.checkBusesLayoutSupported (layout);
    }
}

AAX_ResultCode GetEffectDescriptions (AAX_ICollection* collection)
{
    if (collection == nullptr)
        return AAX_RESULT_MISSING_OBJECT;

    auto* effect = collection->NewDescriptor();

    if (effect == nullptr)
        return AAX_RESULT_MISSING_OBJECT;

    // The processor says which layouts it takes; the framework must be up to build it.
    const juce::ScopedJuceInitialiser_GUI libraryInitialiser;
    const auto processor = hushmoor::wrappers::createProcessor (juce::AudioProcessor::wrapperType_AAX);

    if (processor == nullptr)
        return AAX_RESULT_MISSING_OBJECT;

    effect->AddName (shortName);
    effect->AddName (longName);
    effect->AddCategory (effectCategory);
    // The host calls both as AAX_CCreateProc.
    const AAX_CCreateProc createGUI = &HushmoorAAXGUI::Create, createEffect = &HushmoorAAXProcessor::Create;
    effect->AddProcPtr (reinterpret_cast<void*> (createGUI), AAX_PROCPTR_EFFECT_GUI);
    effect->AddProcPtr (reinterpret_cast<void*> (createEffect), AAX_PROCPTR_EFFECT_PARAMETERS);

    for (const auto input : { StemFormat::mono, StemFormat::stereo })
    {
        for (const auto output : { StemFormat::mono, StemFormat::stereo })
        {
            if (! takesLayout (*processor, input, output))
                continue;

            if (auto* component = effect->NewComponentDescriptor())
            {
                describeComponent (*component, input, output);
                effect->AddComponent (component);
            }
        }
    }

    collection->AddEffect (effectID, effect);
    collection->SetManufacturerName (manufacturerName);

    for (const auto* name : packageNames)
        collection->AddPackageName (name);

    collection->SetPackageVersion (packageVersion);
    return AAX_SUCCESS;
}
