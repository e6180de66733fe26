#pragma once

#include "AAX_IACFEffectParameters.h"
#include "FakeEffectHost.h"
#include "HostModule.h"

#include <memory>
#include <string>
#include <vector>

namespace fakehost
{
    /**
        One instance of a registered effect, run the way a host runs it on one processing
        component: made through the registered creator, initialised with a host context
        (controller, transport, automation) that reports the component's stem formats and
        the sample rate, its private data readied through ResetFieldData, its packets taken
        from the controller into the data ports, and its process callback called with a
        context record built from the component's fields.

        With AnswerAutomation (the default) the host accepts every set-value request at once,
        by handing the value back through UpdateParameterNormalizedValue.
    */
    class HostEffect
    {
    public:
        HostEffect (const RegisteredEffect& effect, const RegisteredComponent& component, HostLog& log,
                    float sampleRate = 48000.0f);
        ~HostEffect();

        HostEffect (const HostEffect&) = delete;
        HostEffect& operator= (const HostEffect&) = delete;

        /** False when the creator made no object. */
        bool IsCreated() const noexcept                         { return m_Effect != nullptr; }
        AAX_IACFEffectParameters_V3& Effect() const noexcept    { return *m_Effect; }
        FakeEffectHost& Context() noexcept                      { return m_Context; }
        const RegisteredComponent& Component() const noexcept  { return m_Component; }

        /** Initialize, the private data, then the first coefficients. */
        ACFRESULT Initialize();
        ACFRESULT Uninitialize();

        /** Whether the host answers set-value requests (at once) or leaves them pending. */
        void AnswerAutomation (bool shouldAnswer);

        /** The host's periodic call on its main thread. */
        ACFRESULT TimerWakeup()                                 { return m_Effect->TimerWakeup(); }
        /** GenerateCoefficients, then the posted packets into their data ports. */
        ACFRESULT GenerateCoefficients();
        /** The bytes a data port holds for the next process call. */
        const std::vector<unsigned char>& Port (AAX_CFieldIndex field) const;
        /** One process call for the component's channels. */
        void Process (float* const* inputs, float* const* outputs, int numSamples);

        // Parameters by identifier, as the host reads them.
        std::vector<std::string> ParameterIDs() const;
        std::string ParameterName (const std::string& id) const;
        double ParameterValue (const std::string& id) const;
        /** The effect's text for its current value. */
        std::string ParameterText (const std::string& id, std::int32_t maxLength = 31) const;
        ACFRESULT SetParameter (const std::string& id, double normalisedValue);

        /** A whole chunk record (head and body) as a host saves it; empty when refused. */
        std::vector<char> GetChunk (std::uint32_t chunkID, ACFRESULT* result = nullptr) const;
        ACFRESULT SetChunk (std::uint32_t chunkID, const std::vector<char>& record);
        /** 1 when the record matches the current settings. */
        AAX_CBoolean CompareChunk (const std::vector<char>& record) const;

    private:
        const RegisteredComponent& m_Component;
        FakeEffectHost m_Context;
        AAX_IACFEffectParameters_V3* m_Effect = nullptr;
        bool m_Initialized = false;

        std::vector<void*> m_Record;                          // the context record, field by field
        std::map<AAX_CFieldIndex, std::vector<unsigned char>> m_Data;   // ports and private data
        std::int32_t m_BufferSize = 0;
    };
}
