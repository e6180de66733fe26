#pragma once

// An effect with a parameter of every value kind the controls chunk knows, and a GUI that
// records what it is asked to do, for the tests and the chunk fuzz target.

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CEffectGUI.h"
#include "AAX_CEffectParameters.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace testeffect
{
    inline std::unique_ptr<AAX_CParameter<float>> MakeFloat (const char* identifier, float defaultValue)
    {
        return std::make_unique<AAX_CParameter<float>> (identifier, AAX_CString (identifier), defaultValue,
                                                        AAX_CLinearTaperDelegate<float, 0> (0.0f, 1.0f),
                                                        AAX_CNumberDisplayDelegate<float, 3u, 0u>(), true);
    }

    inline std::unique_ptr<AAX_CParameter<bool>> MakeBool (const char* identifier, bool defaultValue)
    {
        return std::make_unique<AAX_CParameter<bool>> (identifier, AAX_CString (identifier), defaultValue,
                                                       AAX_CBinaryTaperDelegate<bool>(),
                                                       AAX_CBinaryDisplayDelegate<bool> ("bypass", "on"), true);
    }

    /**
        A parameter that answers only as Value (int32, double or text) and takes a set at once,
        without the host: the library's own parameters come in float and bool alone.
    */
    template <typename Value>
    class PlainParameter : public AAX_CParameter<float>
    {
    public:
        PlainParameter (const char* identifier, Value initial)
            : AAX_CParameter<float> (identifier, AAX_CString (identifier), 0.0f, AAX_CLinearTaperDelegate<float, 0> (0.0f, 1.0f),
                                     AAX_CNumberDisplayDelegate<float, 3u, 0u>(), true),
              value (initial)
        {
        }

        bool GetValueAsFloat (float*) const override                 { return false; }
        bool GetValueAsInt32 (std::int32_t* out) const override      { return Answer (out); }
        bool GetValueAsDouble (double* out) const override           { return Answer (out); }
        bool GetValueAsString (AAX_IString* out) const override      { return out != nullptr && Answer (out); }
        bool SetValueWithFloat (float) override                      { return false; }
        bool SetValueWithInt32 (std::int32_t v) override             { return Take (v); }
        bool SetValueWithDouble (double v) override                  { return Take (v); }
        bool SetValueWithString (const AAX_IString& v) override      { return Take (AAX_CString (v)); }

        Value value;

    private:
        template <typename Out>
        bool Answer (Out* out) const
        {
            if constexpr (std::is_same_v<Out, Value> || std::is_base_of_v<Out, Value>)
                *out = value;

            return std::is_same_v<Out, Value> || std::is_base_of_v<Out, Value>;
        }

        template <typename In>
        bool Take (In in)
        {
            if constexpr (std::is_same_v<In, Value>)
                value = in;

            return std::is_same_v<In, Value>;
        }
    };

    /** Master bypass, a float, a bool, an int32, a double and a text parameter, in that order. */
    class KindsEffect : public AAX_CEffectParameters
    {
    public:
        AAX_ResultCode EffectInit() override
        {
            Add (MakeBool (cDefaultMasterBypassID, false));
            Add (MakeFloat ("float", 0.25f));
            Add (MakeBool ("bool", true));
            Add (std::make_unique<PlainParameter<std::int32_t>> ("int32", 7));
            Add (std::make_unique<PlainParameter<double>> ("double", 0.5));
            Add (std::make_unique<PlainParameter<AAX_CString>> ("text", AAX_CString ("text")));
            return AAX_SUCCESS;
        }

        template <class Parameter>
        Parameter& Add (std::unique_ptr<Parameter> parameter)
        {
            auto& added = *parameter;
            m_ParameterManager.AddParameter (parameter.release());
            return added;
        }

        AAX_IParameter& operator[] (const char* identifier)     { return *m_ParameterManager.GetParameterByID (identifier); }

        using AAX_CEffectParameters::FilterParameterIDOnSave;
        using AAX_CEffectParameters::m_ChangeCount;
        using AAX_CEffectParameters::m_PacketDispatcher;
    };

    /** A GUI whose view operations and parameter updates are recorded in order. */
    class RecordingGUI : public AAX_CEffectGUI
    {
    public:
        AAX_ResultCode ParameterUpdated (const char* parameterID) override  { return Record ("updated " + std::string (parameterID)); }

        std::vector<std::string> calls;

    protected:
        AAX_ResultCode CreateViewContents() override                        { return Record ("contents"); }
        AAX_ResultCode CreateViewContainer() override                       { return Record ("attach"); }
        AAX_ResultCode DeleteViewContainer() override                       { return Record ("detach"); }

    private:
        AAX_ResultCode Record (std::string call)
        {
            calls.push_back (std::move (call));
            return AAX_SUCCESS;
        }
    };

    /** A host's chunk record: the 56-byte head and room for a body of the given size. */
    class ChunkRecord
    {
    public:
        explicit ChunkRecord (std::size_t bodySize) : m_Words ((offsetof (AAX_SPlugInChunk, data) + bodySize) / 4 + 1) {}

        AAX_SPlugInChunk* get() noexcept                        { return reinterpret_cast<AAX_SPlugInChunk*> (m_Words.data()); }
        AAX_SPlugInChunk* operator->() noexcept                 { return get(); }
        unsigned char* bytes() noexcept                         { return reinterpret_cast<unsigned char*> (m_Words.data()); }

        /** The head and as much of the body as the record claims. */
        std::vector<unsigned char> Bytes()
        {
            const auto claimed = static_cast<std::size_t> (std::max (get()->dataSize, 0));
            return { bytes(), bytes() + offsetof (AAX_SPlugInChunk, data) + claimed };
        }

    private:
        std::vector<std::uint32_t> m_Words;
    };

    /** The controls chunk as a host saves it: the size, then the record; dataSize stays 0 on failure. */
    inline ChunkRecord SaveChunk (AAX_CEffectParameters& from)
    {
        std::uint32_t size = 0;

        if (from.GetChunkSize (CONTROLS_CHUNK_TAG, &size) != AAX_SUCCESS)
            size = 0;

        ChunkRecord record (size);
        record->chunkID = CONTROLS_CHUNK_TAG;
        from.GetChunk (CONTROLS_CHUNK_TAG, record.get());
        return record;
    }
}
