// Controls chunk bodies come back from disk through the host: whatever the bytes, loading
// them reads nothing outside the body, and the list loaded always writes back, into
// exactly the size it announces. A list of known items written back reads as itself.

#include "AAX_CChunkDataParser.h"
#include "FuzzSupport.h"

#include <cstring>
#include <vector>

using hushmoor::fuzz::check;

namespace
{
    constexpr std::size_t sHeadSize = 56;
    constexpr std::size_t sFinderChecks = 64;

    /** A host record holding exactly the body: one byte more would hide a read past its end. */
    struct Record
    {
        explicit Record (std::size_t bodySize) : bytes (sHeadSize + bodySize) {}

        AAX_SPlugInChunk* Get() noexcept    { return reinterpret_cast<AAX_SPlugInChunk*> (bytes.data()); }

        std::vector<unsigned char> bytes;
    };

    std::vector<unsigned char> WriteBack (const AAX_CChunkDataParser& parser, Record& into)
    {
        const auto size = parser.GetChunkDataSize();
        check (size >= 4, "a body has at least its header");
        into = Record (static_cast<std::size_t> (size));
        check (parser.GetChunkData (into.Get()) == AAX_SUCCESS, "a loaded list writes back");
        check (into.Get()->dataSize == size, "the body written has the announced size");
        return std::vector<unsigned char> (into.bytes.begin() + sHeadSize, into.bytes.end());
    }

    bool SameValue (const AAX_CChunkDataParser::DataValue& a, const AAX_CChunkDataParser::DataValue& b)
    {
        return a.m_Type == b.m_Type && a.m_Name == b.m_Name && a.m_Name.Length() == b.m_Name.Length()
            && a.m_NumericBits == b.m_NumericBits && a.m_StringValue == b.m_StringValue;
    }
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    if (size > 1 << 20)
        return 0;

    Record input (size);

    if (size > 0)
        std::memcpy (input.bytes.data() + sHeadSize, data, size);

    input.Get()->dataSize = static_cast<std::int32_t> (size);
    input.Get()->version = 3;

    AAX_CChunkDataParser parser;
    parser.LoadChunk (input.Get());
    check (parser.GetChunkVersion() == 3, "the version is taken from the record");

    Record written (0);
    const auto body = WriteBack (parser, written);
    const auto& values = parser.GetValues();
    // Written back, a last item gets the padding that the body it was read from may lack.
    check (values.empty() || body.size() <= ((size + 3) & ~std::size_t { 3 }),
           "the items written take no more room than they were read from");

    bool allKnown = true;

    for (const auto& value : values)
        allKnown = allKnown && value.m_Type != AAX_CChunkDataParser::kTypeNone;

    if (allKnown)
    {
        AAX_CChunkDataParser reread;
        reread.LoadChunk (written.Get());
        const auto& again = reread.GetValues();
        check (again.size() == values.size(), "a written list reads back whole");

        for (std::size_t i = 0; i < values.size(); ++i)
            check (SameValue (values[i], again[i]), "a written value reads back as itself");

        Record rewritten (0);
        check (WriteBack (reread, rewritten) == body, "writing is stable");
    }

    for (std::size_t i = 0; i < values.size() && i < sFinderChecks; ++i)
    {
        const auto* name = values[i].m_Name.Get();
        double real = 0.0;
        std::int32_t number = 0;
        AAX_CString text;
        check (parser.FindName (values[i].m_Name) >= 0, "every loaded name is found");
        parser.FindDouble (name, &real);
        parser.FindInt32 (name, &number);
        parser.FindString (name, &text);
    }

    return 0;
}
