#pragma once

#include "AAX_CString.h"
#include "AAX_Results.h"
#include "AAX_Types.h"

#include <vector>

/**
    A list of named, typed values and the controls chunk body that carries them: the header
    01 01 01 01, then per value a two-character tag ('d_', 'l_', 'r_', ...), the NUL-terminated
    name and the value, big-endian, each part aligned to 4 bytes.

    Reading never leaves the body: it stops at the first item whose value does not fit into
    dataSize and keeps what came before; the padding after the last value may be missing.
    Writing fills exactly GetChunkDataSize() bytes.
*/
class AAX_CChunkDataParser
{
public:
    /** Type codes of the values. */
    enum : std::int32_t
    {
        kTypeNone = 0,   // an item whose tag was not recognised
        kTypeFloat = 1,
        kTypeInt32 = 2,
        kTypeDouble = 3,
        kTypeInt16 = 4,
        kTypeString = 5
    };

    struct DataValue
    {
        std::int32_t m_Type = kTypeNone;
        AAX_CString m_Name;
        /** A double's 64 bits; a float's 32, an int32 or an int16 in the low bits. */
        std::int64_t m_NumericBits = 0;
        AAX_CString m_StringValue;
    };

    AAX_CChunkDataParser();
    virtual ~AAX_CChunkDataParser();

    /** Empties the list and forgets the version and the search position. */
    void Clear();
    void AddDouble (const char* name, double value);
    void AddInt32 (const char* name, std::int32_t value);
    void AddString (const char* name, AAX_CString value);

    /** Bytes of the body the list makes (at least the 4 header bytes). */
    std::int32_t GetChunkDataSize() const;
    /**
        Writes the body into the record, which must have room for GetChunkDataSize() bytes,
        and sets its dataSize. -333 when the body cannot be written (traced to the host).
    */
    AAX_ResultCode GetChunkData (AAX_SPlugInChunk* chunk) const;
    /** Replaces the list with the values of the record's body and takes its version. */
    void LoadChunk (const AAX_SPlugInChunk* chunk);

    /**
        Index of a value with the name, -1 when there is none. The search starts after the
        last match and wraps around, so looking values up in list order costs one test each.
    */
    std::int32_t FindName (const AAX_CString& name);
    /** True and the value when the named value is of that type; otherwise the output stays. */
    bool FindDouble (const char* name, double* value);
    bool FindInt32 (const char* name, std::int32_t* value);
    bool FindString (const char* name, AAX_CString* value);

    /** The version of the record last loaded, -1 when none. */
    std::int32_t GetChunkVersion() const noexcept               { return m_ChunkVersion; }
    const std::vector<DataValue>& GetValues() const noexcept     { return m_DataValues; }

protected:
    /** Writes the body into room bytes; -333, traced, for a body that does not fit. */
    AAX_ResultCode WriteChunkBody (char* body, std::int32_t room) const;

private:
    const DataValue* FindTyped (const char* name, std::int32_t type);

    std::int32_t m_LastFoundIndex = -1;
    std::int32_t m_ChunkVersion = -1;
    std::vector<DataValue> m_DataValues;
};
