#pragma once

#include "ACFBase.h"

#include <cstdint>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

class IACFUnknown;

namespace fakehost
{
    /**
        Every call the fake host receives, as readable text: "effect#1.AddName(\"Hushmoor\")".
        Host objects that pass through calls are shown by their names, so a test can tell
        which host interface the library handed over.
    */
    class HostLog
    {
    public:
        void Record (std::string call)                     { m_Calls.push_back (std::move (call)); }
        const std::vector<std::string>& Calls() const noexcept { return m_Calls; }
        /** The calls made on one object, reference counting left out. */
        std::vector<std::string> OperationsOn (const std::string& objectName) const;
        /** How many calls were exactly this one; with startingWith, how many began with it. */
        std::size_t Count (const std::string& call, bool startingWith = false) const;
        void Clear()                                       { m_Calls.clear(); }

        void Name (const void* pointer, std::string name)  { m_Names[pointer] = std::move (name); }
        /** "null", the object's name, or "foreign" for a pointer the host never made. */
        std::string NameOf (const void* pointer) const;

    private:
        std::vector<std::string> m_Calls;
        std::map<const void*, std::string> m_Names;
    };

    std::string UIDName (const _acfUID& uid);

    // Argument texts.
    std::string Arg (const char* text);
    std::string Arg (const void* pointer);
    std::string Arg (const HostLog& log, const IACFUnknown* object);

    template <class Number, std::enable_if_t<std::is_arithmetic_v<Number> || std::is_enum_v<Number>, int> = 0>
    std::string Arg (Number number)
    {
        if constexpr (std::is_enum_v<Number>)
            return std::to_string (static_cast<std::underlying_type_t<Number>> (number));
        else
            return std::to_string (number);
    }

    /** Joins argument texts with ", ". */
    std::string Args (std::initializer_list<std::string> args);
}
