#pragma once

#include "ACFIdentifiers.h"
#include "AAX_Results.h"
#include "FakeHostLog.h"
#include "IACFUnknown.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace fakehost
{
    /** How one fake host object misbehaves: interfaces it refuses and operations that fail. */
    struct ObjectConfig
    {
        std::vector<_acfUID> refused;
        std::map<std::string, AAX_ResultCode> failures;
        /** What a property map answers for a property it holds. */
        std::uint8_t trueAnswer = 1;
    };

    /** What the fake host keeps of every object it made, whatever its interface. */
    class FakeObject
    {
    public:
        virtual ~FakeObject() = default;

        virtual const std::string& Name() const noexcept = 0;
        virtual IACFUnknown* AsUnknown() noexcept = 0;
        /** References held by others: the fake host keeps its objects alive by itself. */
        virtual std::int32_t References() const noexcept = 0;
        virtual int OverReleases() const noexcept = 0;
    };

    /**
        The three base operations for one host interface: queries answered from the offered
        identifiers (less the refused ones), counted references, every call recorded.
    */
    template <class Interface>
    class FakeUnknown : public Interface, public FakeObject
    {
    public:
        FakeUnknown (HostLog& log, std::string name, ObjectConfig config, std::vector<_acfUID> offered)
            : m_Log (log), m_Name (std::move (name)), m_Config (std::move (config)), m_Offered (std::move (offered))
        {
            m_Log.Name (static_cast<IACFUnknown*> (static_cast<Interface*> (this)), m_Name);
        }

        ACFRESULT QueryInterface (const _acfUID& interfaceID, void** interfaceOut) override
        {
            m_Log.Record (m_Name + ".QueryInterface(" + UIDName (interfaceID) + ")");

            if (const auto failure = m_Config.failures.find ("QueryInterface"); failure != m_Config.failures.end())
                return failure->second;

            if (interfaceOut == nullptr)
                return ACF_RESULT_NULL_POINTER;

            *interfaceOut = nullptr;

            if (! Offers (interfaceID))
                return ACF_RESULT_NO_INTERFACE;

            *interfaceOut = InterfaceFor (interfaceID);
            AddRef();
            return ACF_OK;
        }

        acfUInt32 AddRef() override
        {
            m_Log.Record (m_Name + ".AddRef()");
            return static_cast<acfUInt32> (++m_References);
        }

        acfUInt32 Release() override
        {
            m_Log.Record (m_Name + ".Release()");

            if (m_References == 0)
            {
                ++m_OverReleases;
                return 0;
            }

            return static_cast<acfUInt32> (--m_References);
        }

        const std::string& Name() const noexcept override       { return m_Name; }
        IACFUnknown* AsUnknown() noexcept override               { return static_cast<Interface*> (this); }
        std::int32_t References() const noexcept override        { return m_References; }
        int OverReleases() const noexcept override               { return m_OverReleases; }

        bool Offers (const _acfUID& interfaceID) const
        {
            const auto matches = [&] (const _acfUID& id) { return id == interfaceID; };
            return std::any_of (m_Offered.begin(), m_Offered.end(), matches)
                && std::none_of (m_Config.refused.begin(), m_Config.refused.end(), matches);
        }

    protected:
        /** The pointer handed out for an offered identifier; the interface itself by default. */
        virtual void* InterfaceFor (const _acfUID&)             { return static_cast<Interface*> (this); }

        /** Records "name.Operation(args)" and answers the configured failure, or 0. */
        AAX_ResultCode Call (const char* operation, const std::string& args) const
        {
            m_Log.Record (m_Name + "." + operation + "(" + args + ")");
            const auto failure = m_Config.failures.find (operation);
            return failure != m_Config.failures.end() ? failure->second : AAX_SUCCESS;
        }

        /** As Call; on success also writes the value into a non-null output, as a host does. */
        template <class Value, class Given>
        AAX_ResultCode Answer (const char* operation, const std::string& args, Value* out, const Given& value) const
        {
            const auto result = Call (operation, args);

            if (result == AAX_SUCCESS && out != nullptr)
                *out = static_cast<Value> (value);

            return result;
        }

        std::string Object (const IACFUnknown* object) const     { return m_Log.NameOf (object); }

        HostLog& m_Log;
        const std::string m_Name;
        const ObjectConfig m_Config;

    private:
        const std::vector<_acfUID> m_Offered;
        std::int32_t m_References = 0;
        int m_OverReleases = 0;
    };
}
