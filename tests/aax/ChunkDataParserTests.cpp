#include "AAX_CChunkDataParser.h"
#include "AAX_CHostServices.h"
#include "FakeComponentFactory.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace fakehost;
using Bytes = std::vector<unsigned char>;

namespace
{
    constexpr std::size_t headSize = 56;

    /** A host record with exactly room for its body, so that any read or write past it is caught. */
    class Record
    {
    public:
        explicit Record (std::size_t bodySize) : m_Bytes (headSize + bodySize)
        {
            Get()->version = 77;
        }

        explicit Record (const Bytes& body, std::optional<std::int32_t> dataSize = {}) : Record (body.size())
        {
            std::copy (body.begin(), body.end(), m_Bytes.begin() + headSize);
            Get()->dataSize = dataSize.value_or (static_cast<std::int32_t> (body.size()));
        }

        // Heap blocks are aligned for any type, so the record's fields can be read in place.
        AAX_SPlugInChunk* Get() noexcept        { return reinterpret_cast<AAX_SPlugInChunk*> (m_Bytes.data()); }

        Bytes Body()
        {
            const auto begin = m_Bytes.begin() + headSize;
            return Bytes (begin, begin + Get()->dataSize);
        }

    private:
        std::vector<unsigned char> m_Bytes;
    };

    Bytes Written (const AAX_CChunkDataParser& parser)
    {
        Record record (static_cast<std::size_t> (parser.GetChunkDataSize()));
        EXPECT_EQ (parser.GetChunkData (record.Get()), AAX_SUCCESS);
        return record.Body();
    }

    /** Every kind of item, texts of several lengths, and a tag the reader does not know. */
    const Bytes everyKind {
        1, 1, 1, 1,
        'f', '_', 'g', 0,       0x3F, 0xC0, 0, 0,                         // float 1.5
        'l', '_', 'i', 'n', 't', 0, 0, 0,    0xFF, 0xFF, 0xFF, 0xFE,     // int32 -2
        'd', '_', 0, 0,         0xC0, 0x04, 0, 0, 0, 0, 0, 0,            // double -2.5, empty name
        's', '_', 'h', 0,       0x80, 0x01, 0, 0,                         // int16 0x8001
        'r', '_', 'a', 'b', 'c', 0, 0, 0,    'x', 'y', 0, 0,              // text of 2
        'r', '_', 'n', 0,       'w', 'x', 'y', 'z', 0, 0, 0, 0,           // text of 4
        'q', '_', 'u', 0,                                                 // unknown tag: name only
        'l', '_', 'k', 0,       0, 0, 0, 7,
    };

    /** Where each item of everyKind ends, without the padding after its value. */
    const std::vector<std::size_t> everyKindItemEnds { 12, 24, 36, 42, 55, 65, 72, 80 };

    class ChunkDataParser : public ::testing::Test
    {
    protected:
        AAX_CChunkDataParser parser;
    };

    class ExposedParser : public AAX_CChunkDataParser
    {
    public:
        using AAX_CChunkDataParser::WriteChunkBody;
    };
}

TEST_F (ChunkDataParser, WorkedBodiesAreWrittenByteForByte)
{
    const struct { std::function<void (AAX_CChunkDataParser&)> fill; Bytes body; } rows[] {
        { [] (auto&) {}, { 1, 1, 1, 1 } },
        { [] (auto& p) { p.AddInt32 ("ab", 1); }, { 1, 1, 1, 1, 0x6C, 0x5F, 0x61, 0x62, 0, 0, 0, 0, 0, 0, 0, 1 } },
        { [] (auto& p) { p.AddDouble ("t", 0.5); }, { 1, 1, 1, 1, 0x64, 0x5F, 0x74, 0, 0x3F, 0xE0, 0, 0, 0, 0, 0, 0 } },
        { [] (auto& p) { p.AddString ("n", "xyz"); }, { 1, 1, 1, 1, 0x72, 0x5F, 0x6E, 0, 0x78, 0x79, 0x7A, 0 } },
        { [] (auto& p) { p.AddString ("n", "hello"); p.AddInt32 ("k", 7); },
          { 1, 1, 1, 1, 0x72, 0x5F, 0x6E, 0, 0x68, 0x65, 0x6C, 0x6C, 0x6F, 0, 0, 0, 0x6C, 0x5F, 0x6B, 0, 0, 0, 0, 7 } },
    };

    for (const auto& row : rows)
    {
        parser.Clear();
        row.fill (parser);
        EXPECT_EQ (parser.GetChunkDataSize(), static_cast<std::int32_t> (row.body.size()));
        EXPECT_EQ (Written (parser), row.body);
    }

    Record record (static_cast<std::size_t> (parser.GetChunkDataSize()));
    ASSERT_EQ (parser.GetChunkData (record.Get()), AAX_SUCCESS);
    parser.LoadChunk (record.Get());
    AAX_CString text;
    std::int32_t number = 0;
    EXPECT_TRUE (parser.FindString ("n", &text) && parser.FindInt32 ("k", &number));
    EXPECT_STREQ (text.Get(), "hello");
    EXPECT_EQ (number, 7);
    EXPECT_EQ (parser.GetChunkVersion(), 77);
}

TEST_F (ChunkDataParser, EveryKindReadsBackAndWritesTheSameBody)
{
    Record record (everyKind);
    parser.LoadChunk (record.Get());

    const auto& values = parser.GetValues();
    const struct { std::int32_t type; const char* name; std::int64_t bits; const char* text; } expected[] {
        { 1, "g", 0x3FC00000, "" }, { 2, "int", 0xFFFFFFFE, "" }, { 3, "", std::int64_t (0xC004000000000000ull), "" },
        { 4, "h", 0x8001, "" }, { 5, "abc", 0, "xy" }, { 5, "n", 0, "wxyz" }, { 0, "u", 0, "" }, { 2, "k", 7, "" },
    };
    ASSERT_EQ (values.size(), std::size (expected));

    for (std::size_t i = 0; i < values.size(); ++i)
    {
        EXPECT_EQ (values[i].m_Type, expected[i].type) << i;
        EXPECT_STREQ (values[i].m_Name.Get(), expected[i].name) << i;
        EXPECT_EQ (values[i].m_NumericBits, expected[i].bits) << i;
        EXPECT_STREQ (values[i].m_StringValue.Get(), expected[i].text) << i;
    }

    auto rewritten = everyKind;
    rewritten[68] = rewritten[69] = 0;   // an unknown tag is not kept
    EXPECT_EQ (Written (parser), rewritten);

    std::int32_t number = 5;
    double real = 0.0;
    EXPECT_TRUE (parser.FindInt32 ("int", &number) && number == -2);
    EXPECT_TRUE (parser.FindDouble ("", &real) && real == -2.5);
    EXPECT_FALSE (parser.FindInt32 ("", &number) || parser.FindInt32 ("g", &number) || parser.FindDouble ("h", &real));
    EXPECT_EQ (number, -2);
}

TEST_F (ChunkDataParser, ABodyIsNeverReadPastItsEnd)
{
    // Cut anywhere, the reader keeps the whole items before the cut and nothing of the one it cuts.
    for (std::size_t size = 0; size <= everyKind.size(); ++size)
    {
        Record record (Bytes (everyKind.begin(), everyKind.begin() + static_cast<std::ptrdiff_t> (size)));
        parser.LoadChunk (record.Get());
        const auto whole = std::count_if (everyKindItemEnds.begin(), everyKindItemEnds.end(),
                                          [size] (std::size_t end) { return end <= size; });
        EXPECT_EQ (parser.GetValues().size(), static_cast<std::size_t> (whole)) << "cut at " << size;
        EXPECT_EQ (parser.GetChunkVersion(), 77);
    }

    const struct { Bytes body; std::int32_t dataSize; } unusable[] {
        { { 1, 1, 1, 1 }, 4 },
        { { 1, 1, 1, 2, 'l', '_', 'k', 0, 0, 0, 0, 7 }, 12 },                    // wrong header
        { { 1, 1, 1, 1, 'l', '_', 'k', 0, 0, 0, 0, 7 }, -12 },
        { { 1, 1, 1, 1, 'r', '_', 'n', 0, 'x', 'y', 'z', 'w' }, 12 },            // text without its NUL
        { { 1, 1, 1, 1, 'l', '_', 'k', 'e', 'y', 's' }, 10 },                      // name without its NUL
    };

    for (const auto& row : unusable)
    {
        Record record (row.body, row.dataSize);
        parser.LoadChunk (record.Get());
        EXPECT_TRUE (parser.GetValues().empty()) << row.dataSize;
    }

    // A last item whose value fits is kept although the padding after it is missing.
    const struct { Bytes body; std::int32_t type; const char* name; std::int64_t bits; const char* text; } unpadded[] {
        { { 1, 1, 1, 1, 'r', '_', 'n', 0, 'x', 'y', 0 }, 5, "n", 0, "xy" },
        { { 1, 1, 1, 1, 's', '_', 'h', 0, 0x80, 0x01 }, 4, "h", 0x8001, "" },
        { { 1, 1, 1, 1, 'q', '_', 'u', 'v', 'w', 0 }, 0, "uvw", 0, "" },
    };

    for (const auto& row : unpadded)
    {
        Record record (row.body);
        parser.LoadChunk (record.Get());
        ASSERT_EQ (parser.GetValues().size(), 1u) << row.name;
        const auto& value = parser.GetValues().front();
        EXPECT_EQ (value.m_Type, row.type) << row.name;
        EXPECT_STREQ (value.m_Name.Get(), row.name);
        EXPECT_EQ (value.m_NumericBits, row.bits) << row.name;
        EXPECT_STREQ (value.m_StringValue.Get(), row.text) << row.name;
    }

    parser.LoadChunk (nullptr);
    EXPECT_TRUE (parser.GetValues().empty());
    EXPECT_EQ (parser.GetChunkVersion(), -1);
    EXPECT_EQ (parser.GetChunkData (nullptr), AAX_RESULT_CHUNK_OVERFLOW);
}

TEST_F (ChunkDataParser, FindNameSearchesOnFromTheLastMatch)
{
    for (const auto* name : { "a", "b", "c", "a" })
        parser.AddInt32 (name, 0);

    const struct { const char* name; std::int32_t index; } lookups[] {
        { "b", 1 }, { "a", 3 }, { "c", 2 }, { "a", 3 }, { "a", 0 }, { "a", 3 }, { "z", -1 }, { "c", 2 }, { "b", 1 },
    };

    for (const auto& lookup : lookups)
        EXPECT_EQ (parser.FindName (AAX_CString (lookup.name)), lookup.index) << lookup.name;
}

TEST (ChunkDataParserOverflow, ABodyThatDoesNotFitIsTracedAndNotWritten)
{
    HostLog log;
    FakeComponentFactory host (log);
    AAX_CHostServices::Set (host.Unknown());

    ExposedParser parser;
    parser.AddString ("name", "some text");
    std::vector<char> buffer (40, 'x');
    const auto room = parser.GetChunkDataSize() - 1;
    EXPECT_EQ (parser.WriteChunkBody (buffer.data(), room), AAX_RESULT_CHUNK_OVERFLOW);
    EXPECT_EQ (parser.WriteChunkBody (buffer.data(), 3), AAX_RESULT_CHUNK_OVERFLOW);
    AAX_CHostServices::Set (nullptr);

    EXPECT_EQ (std::count (buffer.begin() + room, buffer.end(), 'x'), static_cast<std::ptrdiff_t> (buffer.size()) - room);
    EXPECT_EQ (log.Count ("services#1.Trace(134217728, \"AAX_CChunkDataParser::GetChunkData ERROR: "
                          "aborting: chunk data will overflow buffer\")"), 2u);
}
