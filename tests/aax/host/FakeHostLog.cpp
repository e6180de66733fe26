#include "FakeHostLog.h"

#include "ACFIdentifiers.h"
#include "IACFUnknown.h"

#include <algorithm>
#include <cstdio>

namespace fakehost
{
    std::vector<std::string> HostLog::OperationsOn (const std::string& objectName) const
    {
        std::vector<std::string> operations;
        const auto prefix = objectName + ".";

        for (const auto& call : m_Calls)
            if (call.rfind (prefix, 0) == 0
                 && call.rfind (prefix + "AddRef", 0) != 0
                 && call.rfind (prefix + "Release", 0) != 0)
                operations.push_back (call.substr (prefix.size()));

        return operations;
    }

    std::size_t HostLog::Count (const std::string& call, bool startingWith) const
    {
        return static_cast<std::size_t> (std::count_if (m_Calls.begin(), m_Calls.end(), [&] (const std::string& c)
        {
            return startingWith ? c.rfind (call, 0) == 0 : c == call;
        }));
    }

    std::string HostLog::NameOf (const void* pointer) const
    {
        if (pointer == nullptr)
            return "null";

        const auto found = m_Names.find (pointer);
        return found != m_Names.end() ? found->second : "foreign";
    }

    std::string UIDName (const _acfUID& uid)
    {
        static const std::pair<const _acfUID*, const char*> known[] {
            { &IID_IACFUnknown, "IID_IACFUnknown" },
            { &IID_IACFPluginDefinition, "IID_IACFPluginDefinition" },
            { &IID_IACFComponentFactory, "IID_IACFComponentFactory" },
            { &AAXCompID_HostServices, "AAXCompID_HostServices" },
            { &IID_IAAXHostServicesV1, "IID_IAAXHostServicesV1" },
            { &IID_IAAXHostServicesV2, "IID_IAAXHostServicesV2" },
            { &AAXCompID_AAXCollection, "AAXCompID_AAXCollection" },
            { &IID_IAAXCollectionV1, "IID_IAAXCollectionV1" },
            { &AAXCompID_AAXEffectDescriptor, "AAXCompID_AAXEffectDescriptor" },
            { &IID_IAAXEffectDescriptorV1, "IID_IAAXEffectDescriptorV1" },
            { &IID_IAAXEffectDescriptorV2, "IID_IAAXEffectDescriptorV2" },
            { &AAXCompID_AAXComponentDescriptor, "AAXCompID_AAXComponentDescriptor" },
            { &IID_IAAXComponentDescriptorV1, "IID_IAAXComponentDescriptorV1" },
            { &IID_IAAXComponentDescriptorV2, "IID_IAAXComponentDescriptorV2" },
            { &AAXCompID_AAXPropertyMap, "AAXCompID_AAXPropertyMap" },
            { &IID_IAAXPropertyMapV1, "IID_IAAXPropertyMapV1" },
            { &IID_IAAXPropertyMapV2, "IID_IAAXPropertyMapV2" },
            { &IID_IAAXControllerV1, "IID_IAAXControllerV1" },
            { &IID_IAAXControllerV2, "IID_IAAXControllerV2" },
            { &IID_IAAXControllerV3, "IID_IAAXControllerV3" },
            { &IID_IAAXTransportV1, "IID_IAAXTransportV1" },
            { &IID_IAAXTransportV2, "IID_IAAXTransportV2" },
            { &IID_IAAXViewContainerV1, "IID_IAAXViewContainerV1" },
            { &IID_IAAXViewContainerV2, "IID_IAAXViewContainerV2" },
            { &IID_IAAXAutomationDelegateV1, "IID_IAAXAutomationDelegateV1" },
            { &IID_IAAXEffectParametersV1, "IID_IAAXEffectParametersV1" },
        };

        for (const auto& [id, name] : known)
            if (*id == uid)
                return name;

        char text[64];
        std::snprintf (text, sizeof (text), "{%08X-%04X-%04X-%02X%02X}", uid.data1, uid.data2, uid.data3,
                       uid.data4[0], uid.data4[1]);
        return text;
    }

    std::string Arg (const char* text)
    {
        return text != nullptr ? "\"" + std::string (text) + "\"" : "null";
    }

    std::string Arg (const void* pointer)
    {
        if (pointer == nullptr)
            return "null";

        char text[32];
        std::snprintf (text, sizeof (text), "%p", pointer);
        return text;
    }

    std::string Arg (const HostLog& log, const IACFUnknown* object)
    {
        return log.NameOf (object);
    }

    std::string Args (std::initializer_list<std::string> args)
    {
        std::string joined;

        for (const auto& arg : args)
            joined += (joined.empty() ? "" : ", ") + arg;

        return joined;
    }
}
