#pragma once

#include "AAX_IACFPropertyMap.h"
#include "FakeUnknown.h"

namespace fakehost
{
    /** The host's property map, both versions; it really keeps what it is given. */
    class FakePropertyMap final : public FakeUnknown<AAX_IACFPropertyMap_V2>
    {
    public:
        FakePropertyMap (HostLog& log, std::string name, ObjectConfig config);

        AAX_CBoolean GetProperty (AAX_EProperty property, std::int32_t* value) const override;
        AAX_ResultCode AddProperty (AAX_EProperty property, std::int32_t value) override;
        AAX_ResultCode RemoveProperty (AAX_EProperty property) override;
        AAX_ResultCode AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                               std::uint32_t count) override;
        AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** ids,
                                             std::uint32_t* count) const override;

        const std::map<std::int32_t, std::int32_t>& Properties() const noexcept    { return m_Properties; }

    private:
        struct IDArray
        {
            const AAX_SPlugInIdentifierTriad* ids;
            std::uint32_t count;
        };

        std::map<std::int32_t, std::int32_t> m_Properties;
        std::map<std::int32_t, IDArray> m_IDArrays;
    };
}
