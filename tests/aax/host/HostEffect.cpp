#include "HostEffect.h"

#include "AAX_CString.h"
#include "FakeComponentDescriptor.h"

#include <algorithm>
#include <cstring>

namespace fakehost
{
    namespace
    {
        constexpr std::size_t chunkHeadSize = offsetof (AAX_SPlugInChunk, data);

        using Kind = FakeComponentDescriptor::Field::Kind;
    }

    HostEffect::HostEffect (const RegisteredEffect& effect, const RegisteredComponent& component, HostLog& log,
                            float sampleRate)
        : m_Component (component), m_Context (log)
    {
        auto& controller = m_Context.controller.state;
        controller.effectID = effect.identifier;
        controller.sampleRate = sampleRate;
        controller.inputStemFormat = static_cast<AAX_EStemFormat> (component.Property (AAX_PROPERTY_INPUT_STEM_FORMAT));
        controller.outputStemFormat = static_cast<AAX_EStemFormat> (component.Property (AAX_PROPERTY_OUTPUT_STEM_FORMAT));

        if (effect.effectCreator == nullptr || component.descriptor == nullptr)
            return;

        auto* made = reinterpret_cast<AAX_CCreateProc> (effect.effectCreator)();
        void* parameters = nullptr;

        if (made != nullptr && made->QueryInterface (IID_IAAXEffectParametersV3, &parameters) == ACF_OK)
            m_Effect = static_cast<AAX_IACFEffectParameters_V3*> (parameters);

        // The context record: one pointer per field, the fields numbered from 0.
        const auto& fields = component.descriptor->fields;
        m_Record.assign (fields.empty() ? 0 : static_cast<std::size_t> (fields.rbegin()->first) + 1, nullptr);

        for (const auto& [index, field] : fields)
        {
            if (index < 0)
                continue;

            auto& slot = m_Record[static_cast<std::size_t> (index)];

            if (field.kind == Kind::bufferLength)
                slot = &m_BufferSize;
            else if (field.kind == Kind::dataInPort || field.kind == Kind::privateData)
                slot = m_Data.emplace (index, std::vector<unsigned char> (field.size, 0)).first->second.data();
        }

        AnswerAutomation (true);
    }

    HostEffect::~HostEffect()
    {
        m_Context.automation.answerSetValue = nullptr;

        if (m_Effect == nullptr)
            return;

        if (m_Initialized)
            Uninitialize();

        m_Effect->Release();
    }

    ACFRESULT HostEffect::Initialize()
    {
        if (m_Effect == nullptr)
            return AAX_RESULT_MISSING_OBJECT;

        const auto result = m_Effect->Initialize (m_Context.Unknown());
        m_Initialized = true;

        if (result != AAX_SUCCESS)
            return result;

        for (const auto& [index, field] : m_Component.descriptor->fields)
            if (field.kind == Kind::privateData)
                if (const auto reset = m_Effect->ResetFieldData (index, m_Data[index].data(), field.size); reset != AAX_SUCCESS)
                    return reset;

        return GenerateCoefficients();
    }

    ACFRESULT HostEffect::Uninitialize()
    {
        m_Initialized = false;
        return m_Effect != nullptr ? m_Effect->Uninitialize() : AAX_RESULT_MISSING_OBJECT;
    }

    void HostEffect::AnswerAutomation (bool shouldAnswer)
    {
        if (shouldAnswer && m_Effect != nullptr)
            m_Context.automation.answerSetValue = [effect = m_Effect] (const char* id, double value)
            {
                effect->UpdateParameterNormalizedValue (id, value, AAX_EUpdateSource {});
            };
        else
            m_Context.automation.answerSetValue = nullptr;
    }

    //==============================================================================
    ACFRESULT HostEffect::GenerateCoefficients()
    {
        if (m_Effect == nullptr)
            return AAX_RESULT_MISSING_OBJECT;

        const auto result = m_Effect->GenerateCoefficients();
        auto& posted = m_Context.controller.posted;

        for (const auto& packet : posted)
        {
            const auto field = m_Component.descriptor->fields.find (packet.port);

            if (field != m_Component.descriptor->fields.end() && field->second.kind == Kind::dataInPort)
            {
                auto& port = m_Data[packet.port];
                std::copy_n (packet.bytes.begin(), std::min (port.size(), packet.bytes.size()), port.begin());
            }
        }

        posted.clear();
        return result;
    }

    const std::vector<unsigned char>& HostEffect::Port (AAX_CFieldIndex field) const
    {
        static const std::vector<unsigned char> none;
        const auto found = m_Data.find (field);
        return found != m_Data.end() ? found->second : none;
    }

    void HostEffect::Process (float* const* inputs, float* const* outputs, int numSamples)
    {
        if (m_Component.descriptor == nullptr || m_Component.descriptor->processProc == nullptr)
            return;

        for (const auto& [index, field] : m_Component.descriptor->fields)
        {
            if (field.kind == Kind::audioIn)
                m_Record[static_cast<std::size_t> (index)] = const_cast<float**> (inputs);
            else if (field.kind == Kind::audioOut)
                m_Record[static_cast<std::size_t> (index)] = const_cast<float**> (outputs);
        }

        m_BufferSize = numSamples;
        void* instances[] { m_Record.data() };
        m_Component.descriptor->processProc (instances, instances + 1);
    }

    //==============================================================================
    std::vector<std::string> HostEffect::ParameterIDs() const
    {
        std::int32_t count = 0;
        std::vector<std::string> ids;

        if (m_Effect == nullptr || m_Effect->GetNumberOfParameters (&count) != AAX_SUCCESS)
            return ids;

        for (std::int32_t i = 0; i < count; ++i)
        {
            AAX_CString id;

            if (m_Effect->GetParameterIDFromIndex (i, &id) == AAX_SUCCESS)
                ids.emplace_back (id.Get());
        }

        return ids;
    }

    std::string HostEffect::ParameterName (const std::string& id) const
    {
        AAX_CString name;
        m_Effect->GetParameterName (id.c_str(), &name);
        return name.Get();
    }

    double HostEffect::ParameterValue (const std::string& id) const
    {
        double value = 0.0;
        m_Effect->GetParameterNormalizedValue (id.c_str(), &value);
        return value;
    }

    std::string HostEffect::ParameterText (const std::string& id, std::int32_t maxLength) const
    {
        AAX_CString text;
        m_Effect->GetParameterStringFromValue (id.c_str(), ParameterValue (id), &text, maxLength);
        return text.Get();
    }

    ACFRESULT HostEffect::SetParameter (const std::string& id, double normalisedValue)
    {
        return m_Effect->SetParameterNormalizedValue (id.c_str(), normalisedValue);
    }

    //==============================================================================
    std::vector<char> HostEffect::GetChunk (std::uint32_t chunkID, ACFRESULT* result) const
    {
        std::uint32_t size = 0;
        auto answer = m_Effect->GetChunkSize (chunkID, &size);
        std::vector<char> record;

        if (answer == AAX_SUCCESS)
        {
            record.assign (chunkHeadSize + size, 0);
            auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (record.data());
            chunk->chunkID = chunkID;
            answer = m_Effect->GetChunk (chunkID, chunk);

            if (answer == AAX_SUCCESS && chunk->dataSize >= 0 && static_cast<std::uint32_t> (chunk->dataSize) <= size)
                record.resize (chunkHeadSize + static_cast<std::size_t> (chunk->dataSize));
            else
                record.clear();
        }

        if (result != nullptr)
            *result = answer;

        return record;
    }

    ACFRESULT HostEffect::SetChunk (std::uint32_t chunkID, const std::vector<char>& record)
    {
        if (record.size() < chunkHeadSize)
            return AAX_RESULT_BAD_CHUNK_SIZE;

        return m_Effect->SetChunk (chunkID, reinterpret_cast<const AAX_SPlugInChunk*> (record.data()));
    }

    AAX_CBoolean HostEffect::CompareChunk (const std::vector<char>& record) const
    {
        AAX_CBoolean equal = 0;

        if (record.size() >= chunkHeadSize)
            m_Effect->CompareActiveChunk (reinterpret_cast<const AAX_SPlugInChunk*> (record.data()), &equal);

        return equal;
    }
}
