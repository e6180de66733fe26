#include "FakePropertyMap.h"

namespace fakehost
{
    FakePropertyMap::FakePropertyMap (HostLog& log, std::string name, ObjectConfig config)
        : FakeUnknown (log, std::move (name), std::move (config),
                       { IID_IACFUnknown, IID_IAAXPropertyMapV1, IID_IAAXPropertyMapV2 })
    {
    }

    AAX_CBoolean FakePropertyMap::GetProperty (AAX_EProperty property, std::int32_t* value) const
    {
        Call ("GetProperty", Arg (property));
        const auto found = m_Properties.find (property);

        if (found == m_Properties.end())
            return 0;

        *value = found->second;
        return m_Config.trueAnswer;
    }

    AAX_ResultCode FakePropertyMap::AddProperty (AAX_EProperty property, std::int32_t value)
    {
        const auto result = Call ("AddProperty", Args ({ Arg (property), Arg (value) }));

        if (result == AAX_SUCCESS)
            m_Properties[property] = value;

        return result;
    }

    AAX_ResultCode FakePropertyMap::RemoveProperty (AAX_EProperty property)
    {
        const auto result = Call ("RemoveProperty", Arg (property));

        if (result == AAX_SUCCESS)
            m_Properties.erase (property);

        return result;
    }

    AAX_ResultCode FakePropertyMap::AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                                            std::uint32_t count)
    {
        const auto result = Call ("AddPropertyWithIDArray",
                                  Args ({ Arg (property), Arg (static_cast<const void*> (ids)), Arg (count) }));

        if (result == AAX_SUCCESS)
            m_IDArrays[property] = { ids, count };

        return result;
    }

    AAX_CBoolean FakePropertyMap::GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** ids,
                                                          std::uint32_t* count) const
    {
        Call ("GetPropertyWithIDArray", Arg (property));
        const auto found = m_IDArrays.find (property);

        if (found == m_IDArrays.end())
            return 0;

        *ids = found->second.ids;
        *count = found->second.count;
        return m_Config.trueAnswer;
    }
}
