#include "AAX_CPacketDispatcher.h"

#include "AAX_IController.h"
#include "AAX_IEffectParameters.h"
#include "AAX_IParameter.h"

#include <cstring>
#include <stdexcept>
#include <string_view>

namespace
{
    template <typename Value>
    void store (AAX_CPacket& packet, Value value)
    {
        std::memcpy (packet.GetPtr<Value>(), &value, sizeof (value));
    }
}

//==============================================================================
AAX_CPacket::SPacketData::SPacketData() : m_Bytes (8, 0) {}

void* AAX_CPacket::SPacketData::Get (std::uint32_t size) const
{
    if (size == 0)
        throw std::out_of_range ("a packet holds at least one byte");

    m_Bytes.resize (size, 0);
    return m_Bytes.data();
}

AAX_CPacket::AAX_CPacket (AAX_CFieldIndex port) : m_PortID (port) {}

//==============================================================================
AAX_CPacketDispatcher::AAX_CPacketDispatcher() = default;

AAX_CPacketDispatcher::~AAX_CPacketDispatcher()
{
    const AAX_StLock_Guard guard (m_Lock);

    for (auto& packet : m_PacketsByPort)
        packet.second.reset();

    for (auto& registration : m_Registrations)
        registration.second.m_Handler.reset();

    m_Registrations.clear();
    m_PacketsByPort.clear();
}

void AAX_CPacketDispatcher::Initialize (AAX_IController* controller, AAX_IEffectParameters* effectParameters) noexcept
{
    m_Controller = controller;
    m_EffectParameters = effectParameters;
}

AAX_ResultCode AAX_CPacketDispatcher::RegisterPacket (const char* parameterID, AAX_CFieldIndex port,
                                                      const AAX_IPacketHandler* handler)
{
    // Every registration needs a packet to mark and a handler to fill it.
    if (parameterID == nullptr || handler == nullptr || port < 0)
        return AAX_RESULT_MISSING_OBJECT;

    const AAX_StLock_Guard guard (m_Lock);

    try
    {
        std::unique_ptr<AAX_IPacketHandler> copy (handler->Clone());

        if (copy == nullptr)
            return AAX_RESULT_MISSING_OBJECT;

        auto& packet = m_PacketsByPort[port];

        if (packet == nullptr)
            packet = std::make_unique<AAX_CPacket> (port);

        m_Registrations.emplace (parameterID, Registration { packet.get(), std::move (copy) });
        return AAX_SUCCESS;
    }
    catch (...)
    {
        return AAX_RESULT_MISSING_OBJECT;
    }
}

AAX_ResultCode AAX_CPacketDispatcher::SetDirty (const char* parameterID, bool dirty)
{
    if (parameterID == nullptr)
        return AAX_SUCCESS;

    const AAX_StLock_Guard guard (m_Lock);
    const auto [first, last] = m_Registrations.equal_range (std::string_view (parameterID));

    for (auto registration = first; registration != last; ++registration)
        registration->second.m_Packet->SetDirty (dirty);

    return AAX_SUCCESS;
}

AAX_ResultCode AAX_CPacketDispatcher::Dispatch()
{
    if (m_Controller == nullptr)
        return AAX_RESULT_MISSING_OBJECT;

    const AAX_StLock_Guard guard (m_Lock);
    auto result = AAX_SUCCESS;

    for (auto& [parameterID, registration] : m_Registrations)
    {
        auto& packet = *registration.m_Packet;

        if (! packet.IsDirty())
            continue;

        // A handler that throws, or leaves the packet empty, counts as one that failed.
        try
        {
            if (registration.m_Handler->Call (parameterID.c_str(), packet) == AAX_SUCCESS)
            {
                const auto* data = packet.GetData();
                result = m_Controller->PostPacket (packet.GetID(), data, packet.GetSize());
            }
        }
        catch (...)
        {
        }

        packet.SetDirty (false);
    }

    return result;
}

AAX_ResultCode AAX_CPacketDispatcher::GenerateSingleValuePacket (const char* parameterID, AAX_CPacket& packet)
{
    AAX_IParameter* parameter = nullptr;

    if (m_EffectParameters == nullptr || m_EffectParameters->GetParameter (parameterID, &parameter) != AAX_SUCCESS
         || parameter == nullptr)
        return AAX_RESULT_MISSING_OBJECT;

    try
    {
        bool boolValue = false;
        float floatValue = 0.0f;
        std::int32_t intValue = 0;
        double doubleValue = 0.0;

        if (parameter->GetValueAsBool (&boolValue))
            store (packet, std::int32_t { boolValue ? 1 : 0 });
        else if (parameter->GetValueAsFloat (&floatValue))
            store (packet, floatValue);
        else if (parameter->GetValueAsInt32 (&intValue))
            store (packet, intValue);
        else if (parameter->GetValueAsDouble (&doubleValue))
            store (packet, doubleValue);
        else
            return AAX_RESULT_MISSING_OBJECT;

        return AAX_SUCCESS;
    }
    catch (...)
    {
        return AAX_RESULT_MISSING_OBJECT;
    }
}
