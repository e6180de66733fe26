#include "AAX_CChunkDataParser.h"

#include "AAX_CHostServices.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace
{
    constexpr unsigned char sHeader[] { 1, 1, 1, 1 };
    constexpr std::int64_t sHeaderSize = sizeof (sHeader);

    constexpr std::int64_t padded (std::int64_t size) noexcept    { return (size + 3) & ~std::int64_t { 3 }; }

    char tagLetter (std::int32_t type) noexcept
    {
        switch (type)
        {
            case AAX_CChunkDataParser::kTypeFloat:  return 'f';
            case AAX_CChunkDataParser::kTypeInt32:  return 'l';
            case AAX_CChunkDataParser::kTypeDouble: return 'd';
            case AAX_CChunkDataParser::kTypeInt16:  return 's';
            case AAX_CChunkDataParser::kTypeString: return 'r';
            default:                                return 0;
        }
    }

    /** Bytes the value itself occupies in the body, padding included. */
    std::int64_t valueSize (const AAX_CChunkDataParser::DataValue& value) noexcept
    {
        switch (value.m_Type)
        {
            case AAX_CChunkDataParser::kTypeFloat:
            case AAX_CChunkDataParser::kTypeInt32:
            case AAX_CChunkDataParser::kTypeInt16:  return 4;
            case AAX_CChunkDataParser::kTypeDouble: return 8;
            case AAX_CChunkDataParser::kTypeString: return padded (value.m_StringValue.Length() + 1);
            default:                                return 0;
        }
    }

    /** Bytes of the tag and the name with its NUL, padding included. */
    std::int64_t namePartSize (const AAX_CChunkDataParser::DataValue& value) noexcept
    {
        return padded (2 + std::int64_t { value.m_Name.Length() } + 1);
    }

    void writeBigEndian (char* at, std::uint64_t bits, int byteCount) noexcept
    {
        for (int i = byteCount - 1; i >= 0; --i, bits >>= 8)
            at[i] = static_cast<char> (bits & 0xFF);
    }

    std::uint64_t readBigEndian (const char* at, int byteCount) noexcept
    {
        std::uint64_t bits = 0;

        for (int i = 0; i < byteCount; ++i)
            bits = (bits << 8) | static_cast<unsigned char> (at[i]);

        return bits;
    }

    /** Where the NUL-terminated text at pos ends (its NUL), or nothing when the body ends first. */
    const char* endOfText (const char* body, std::size_t pos, std::size_t size) noexcept
    {
        return static_cast<const char*> (std::memchr (body + pos, 0, size - pos));
    }
}

AAX_CChunkDataParser::AAX_CChunkDataParser() = default;
AAX_CChunkDataParser::~AAX_CChunkDataParser() = default;

void AAX_CChunkDataParser::Clear()
{
    m_DataValues.clear();
    m_LastFoundIndex = -1;
    m_ChunkVersion = -1;
}

void AAX_CChunkDataParser::AddDouble (const char* name, double value)
{
    DataValue added;
    added.m_Type = kTypeDouble;
    added.m_Name = AAX_CString (name);
    std::memcpy (&added.m_NumericBits, &value, sizeof (value));
    m_DataValues.push_back (std::move (added));
}

void AAX_CChunkDataParser::AddInt32 (const char* name, std::int32_t value)
{
    DataValue added;
    added.m_Type = kTypeInt32;
    added.m_Name = AAX_CString (name);
    added.m_NumericBits = value;
    m_DataValues.push_back (std::move (added));
}

void AAX_CChunkDataParser::AddString (const char* name, AAX_CString value)
{
    DataValue added;
    added.m_Type = kTypeString;
    added.m_Name = AAX_CString (name);
    added.m_StringValue = std::move (value);
    m_DataValues.push_back (std::move (added));
}

std::int32_t AAX_CChunkDataParser::GetChunkDataSize() const
{
    auto size = sHeaderSize;

    for (const auto& value : m_DataValues)
        size += namePartSize (value) + valueSize (value);

    // A body beyond the record's 32-bit size cannot be written; the writer then reports it.
    return static_cast<std::int32_t> (std::min<std::int64_t> (size, std::numeric_limits<std::int32_t>::max()));
}

AAX_ResultCode AAX_CChunkDataParser::GetChunkData (AAX_SPlugInChunk* chunk) const
{
    if (chunk == nullptr)
        return AAX_RESULT_CHUNK_OVERFLOW;

    const auto size = GetChunkDataSize();
    const auto result = WriteChunkBody (chunk->data, size);

    if (result == AAX_SUCCESS)
        chunk->dataSize = size;

    return result;
}

AAX_ResultCode AAX_CChunkDataParser::WriteChunkBody (char* body, std::int32_t room) const
{
    try
    {
        const auto ensureRoom = [room] (std::int64_t end)
        {
            if (end > room)
                throw std::out_of_range ("aborting: chunk data will overflow buffer");
        };

        if (room > 0)
            std::memset (body, 0, static_cast<std::size_t> (room));

        ensureRoom (sHeaderSize);
        std::memcpy (body, sHeader, sizeof (sHeader));
        auto pos = sHeaderSize;

        for (const auto& value : m_DataValues)
        {
            const auto valuePos = pos + namePartSize (value);
            const auto end = valuePos + valueSize (value);
            ensureRoom (end);

            body[pos] = tagLetter (value.m_Type);
            body[pos + 1] = body[pos] != 0 ? '_' : 0;
            std::memcpy (body + pos + 2, value.m_Name.Get(), value.m_Name.Length());

            const auto bits = static_cast<std::uint64_t> (value.m_NumericBits);

            switch (value.m_Type)
            {
                case kTypeDouble: writeBigEndian (body + valuePos, bits, 8); break;
                case kTypeInt16:  writeBigEndian (body + valuePos, bits, 2); break;
                case kTypeString: std::memcpy (body + valuePos, value.m_StringValue.Get(), value.m_StringValue.Length()); break;
                case kTypeNone:   break;
                default:          writeBigEndian (body + valuePos, bits, 4); break;
            }

            pos = end;
        }

        return AAX_SUCCESS;
    }
    catch (const std::exception& error)
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_Normal, "AAX_CChunkDataParser::GetChunkData ERROR: %s",
                                  error.what());
    }
    catch (...)
    {
    }

    return AAX_RESULT_CHUNK_OVERFLOW;
}

void AAX_CChunkDataParser::LoadChunk (const AAX_SPlugInChunk* chunk)
{
    Clear();

    if (chunk == nullptr)
        return;

    m_ChunkVersion = chunk->version;

    if (chunk->dataSize <= static_cast<std::int32_t> (sHeaderSize)
         || std::memcmp (chunk->data, sHeader, sizeof (sHeader)) != 0)
        return;

    const char* const body = chunk->data;
    const auto size = static_cast<std::size_t> (chunk->dataSize);
    auto pos = static_cast<std::size_t> (sHeaderSize);

    // An item counts when its value lies inside the body: the zero bytes that would pad the last
    // value (or the last name, for a tag without a value) to a multiple of 4 may be missing.
    while (pos < size)
    {
        const char* const tag = body + pos;
        const auto* tagEnd = endOfText (body, pos, size);

        if (tagEnd == nullptr)
            return;

        const auto tagLength = static_cast<std::size_t> (tagEnd - tag);
        const auto valuePos = static_cast<std::size_t> (padded (static_cast<std::int64_t> (pos + tagLength + 1)));
        std::size_t valueBytes = 0;   // what has to lie inside the body
        std::size_t valueRoom = 0;    // where the next item starts, counted from valuePos

        DataValue read;
        read.m_Name = AAX_CString (tagLength >= 2 ? tag + 2 : "");

        switch (tag[0])
        {
            case 'd': read.m_Type = kTypeDouble; valueBytes = valueRoom = 8; break;
            case 'f': read.m_Type = kTypeFloat;  valueBytes = valueRoom = 4; break;
            case 'l': read.m_Type = kTypeInt32;  valueBytes = valueRoom = 4; break;
            case 's': read.m_Type = kTypeInt16;  valueBytes = 2; valueRoom = 4; break;
            case 'r':
            {
                read.m_Type = kTypeString;

                if (valuePos >= size)
                    return;

                const auto* textEnd = endOfText (body, valuePos, size);

                if (textEnd == nullptr)
                    return;

                read.m_StringValue = AAX_CString (body + valuePos);
                valueBytes = static_cast<std::size_t> (textEnd + 1 - (body + valuePos));
                valueRoom = static_cast<std::size_t> (padded (static_cast<std::int64_t> (valueBytes)));
                break;
            }
            default: break;
        }

        if (valueBytes > 0 && valuePos + valueBytes > size)
            return;

        switch (read.m_Type)
        {
            case kTypeDouble: read.m_NumericBits = static_cast<std::int64_t> (readBigEndian (body + valuePos, 8)); break;
            case kTypeInt16:  read.m_NumericBits = static_cast<std::int64_t> (readBigEndian (body + valuePos, 2)); break;
            case kTypeFloat:
            case kTypeInt32:  read.m_NumericBits = static_cast<std::int64_t> (readBigEndian (body + valuePos, 4)); break;
            default:          break;
        }

        m_DataValues.push_back (std::move (read));
        pos = valuePos + valueRoom;
    }
}

std::int32_t AAX_CChunkDataParser::FindName (const AAX_CString& name)
{
    const auto count = static_cast<std::int32_t> (m_DataValues.size());

    if (m_LastFoundIndex >= count - 1)
        m_LastFoundIndex = -1;

    const auto search = [&] (std::int32_t first, std::int32_t last) -> std::int32_t
    {
        for (auto index = first; index <= last; ++index)
        {
            if (m_DataValues[static_cast<std::size_t> (index)].m_Name == name)
            {
                m_LastFoundIndex = index;
                return index;
            }
        }

        return -1;
    };

    if (const auto found = search (m_LastFoundIndex + 1, count - 1); found >= 0)
        return found;

    if (m_LastFoundIndex < 0)
        return -1;

    return search (0, m_LastFoundIndex);
}

const AAX_CChunkDataParser::DataValue* AAX_CChunkDataParser::FindTyped (const char* name, std::int32_t type)
{
    const auto index = FindName (AAX_CString (name));

    if (index < 0 || m_DataValues[static_cast<std::size_t> (index)].m_Type != type)
        return nullptr;

    return &m_DataValues[static_cast<std::size_t> (index)];
}

bool AAX_CChunkDataParser::FindDouble (const char* name, double* value)
{
    const auto* found = FindTyped (name, kTypeDouble);

    if (found == nullptr || value == nullptr)
        return false;

    std::memcpy (value, &found->m_NumericBits, sizeof (*value));
    return true;
}

bool AAX_CChunkDataParser::FindInt32 (const char* name, std::int32_t* value)
{
    const auto* found = FindTyped (name, kTypeInt32);

    if (found == nullptr || value == nullptr)
        return false;

    *value = static_cast<std::int32_t> (static_cast<std::uint32_t> (found->m_NumericBits));
    return true;
}

bool AAX_CChunkDataParser::FindString (const char* name, AAX_CString* value)
{
    const auto* found = FindTyped (name, kTypeString);

    if (found == nullptr || value == nullptr)
        return false;

    value->Set (found->m_StringValue.Get());
    return true;
}
