#pragma once

#include "AAX_CMutex.h"
#include "AAX_Results.h"
#include "AAX_Types.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class AAX_IController;
class AAX_IEffectParameters;

/** One data-port packet: the bytes posted to a port, and whether they must be made again. */
class AAX_CPacket
{
public:
    /** The packet's bytes, 8 zero bytes at first. */
    class SPacketData
    {
    public:
        SPacketData();

        /**
            Resizes to exactly size bytes (new ones zero) and returns the first; valid until
            the next call. Size 0 throws std::out_of_range: a packet is never empty.
        */
        void* Get (std::uint32_t size) const;

    private:
        mutable std::vector<unsigned char> m_Bytes;
    };

    explicit AAX_CPacket (AAX_CFieldIndex port);

    AAX_CFieldIndex GetID() const noexcept                  { return m_PortID; }
    bool IsDirty() const noexcept                           { return m_Dirty; }
    void SetDirty (bool dirty) noexcept                     { m_Dirty = dirty; }
    std::uint32_t GetSize() const noexcept                  { return m_DataSize; }

    /** Sizes the packet for one Data and returns where to put it. */
    template <typename Data>
    Data* GetPtr()
    {
        m_DataSize = sizeof (Data);
        return static_cast<Data*> (m_Data.Get (m_DataSize));
    }

    /** The bytes to post; throws std::out_of_range while the packet is empty. */
    const void* GetData() const                             { return m_Data.Get (m_DataSize); }

private:
    AAX_CFieldIndex m_PortID;
    bool m_Dirty = true;
    std::uint32_t m_DataSize = 0;
    SPacketData m_Data;
};

/** Fills a packet from one parameter. */
class AAX_IPacketHandler
{
public:
    virtual ~AAX_IPacketHandler() = default;

    /** A new copy, owned by the caller. */
    virtual AAX_IPacketHandler* Clone() const = 0;
    /** 0 when the packet is filled and may be posted. */
    virtual AAX_ResultCode Call (const char* parameterID, AAX_CPacket& packet) const = 0;

protected:
    AAX_IPacketHandler() = default;
    AAX_IPacketHandler (const AAX_IPacketHandler&) = default;
    AAX_IPacketHandler& operator= (const AAX_IPacketHandler&) = default;
};

/** A handler that calls a member function of a worker it does not own. */
template <class Worker>
class AAX_CPacketHandler : public AAX_IPacketHandler
{
public:
    using PacketProc = AAX_ResultCode (Worker::*) (AAX_CPacket&);
    using ParamPacketProc = AAX_ResultCode (Worker::*) (const char*, AAX_CPacket&);

    AAX_CPacketHandler (Worker* worker, PacketProc proc) noexcept : m_Worker (worker), m_PacketProc (proc) {}
    AAX_CPacketHandler (Worker* worker, ParamPacketProc proc) noexcept : m_Worker (worker), m_ParamPacketProc (proc) {}

    AAX_CPacketHandler* Clone() const override               { return new AAX_CPacketHandler (*this); }

    /** The identifier-taking function wins; with neither (or no worker), -20004. */
    AAX_ResultCode Call (const char* parameterID, AAX_CPacket& packet) const override
    {
        if (m_Worker != nullptr && m_ParamPacketProc != nullptr)
            return (m_Worker->*m_ParamPacketProc) (parameterID, packet);

        if (m_Worker != nullptr && m_PacketProc != nullptr)
            return (m_Worker->*m_PacketProc) (packet);

        return AAX_RESULT_MISSING_OBJECT;
    }

private:
    Worker* m_Worker;
    PacketProc m_PacketProc = nullptr;
    ParamPacketProc m_ParamPacketProc = nullptr;
};

/**
    Turns parameter changes into data packets for the processing component. A registration
    ties a parameter identifier to a port (one packet per port, shared by every registration
    on it) and a handler; Dispatch regenerates and posts every dirty packet once.

    One mutex guards the registrations and packets. A handler may call back into the
    dispatcher on the dispatching thread: the lock is not taken twice. Nothing here throws.
*/
class AAX_CPacketDispatcher
{
public:
    AAX_CPacketDispatcher();
    ~AAX_CPacketDispatcher();

    AAX_CPacketDispatcher (const AAX_CPacketDispatcher&) = delete;
    AAX_CPacketDispatcher& operator= (const AAX_CPacketDispatcher&) = delete;

    /** Neither is owned; the controller posts, the effect parameters supply values. */
    void Initialize (AAX_IController* controller, AAX_IEffectParameters* effectParameters) noexcept;

    /**
        Registers a copy of the handler for the identifier on the port; a port's packet starts
        dirty. A null identifier or handler, or a negative port, is refused with -20004.
    */
    AAX_ResultCode RegisterPacket (const char* parameterID, AAX_CFieldIndex port, const AAX_IPacketHandler* handler);
    /** Marks (or, with false, unmarks) the packets of every registration of the identifier. */
    AAX_ResultCode SetDirty (const char* parameterID, bool dirty);
    /**
        Walks the registrations in identifier order: each dirty packet is filled by its
        handler, posted when that succeeds, and left clean either way. Answers the result of
        the last post, 0 when nothing was posted, -20004 without a controller (nothing done).
    */
    AAX_ResultCode Dispatch();
    /** Fills the packet with the parameter's value: int32 0/1 for bool, else float, int32 or double. */
    AAX_ResultCode GenerateSingleValuePacket (const char* parameterID, AAX_CPacket& packet);

private:
    struct Registration
    {
        AAX_CPacket* m_Packet;
        std::unique_ptr<AAX_IPacketHandler> m_Handler;
    };

    std::map<AAX_CFieldIndex, std::unique_ptr<AAX_CPacket>> m_PacketsByPort;
    std::multimap<std::string, Registration, std::less<>> m_Registrations;
    AAX_IController* m_Controller = nullptr;
    AAX_IEffectParameters* m_EffectParameters = nullptr;
    AAX_CMutex m_Lock;
};
