#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_CParameter.h"
#include "AAX_CEffectParameters.h"
#include "AAX_CParameterManager.h"
#include "AAX_VController.h"
#include "FakeEffectHost.h"
#include "TestEffect.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

using namespace fakehost;

namespace
{
    /** The dispatcher's view of an effect: parameters found by identifier. */
    class TestEffectParameters final : public AAX_CEffectParameters
    {
    public:
        AAX_CParameterManager& manager = m_ParameterManager;
    };

    /** A handler that records its calls and answers as told; it can also throw or leave the packet empty. */
    class ScriptedHandler final : public AAX_IPacketHandler
    {
    public:
        enum class Action { fill, fail, leaveEmpty, throwError };

        ScriptedHandler (std::vector<std::string>& calls, Action action) : m_Calls (calls), m_Action (action) {}

        AAX_IPacketHandler* Clone() const override     { return new ScriptedHandler (*this); }

        AAX_ResultCode Call (const char* parameterID, AAX_CPacket& packet) const override
        {
            m_Calls.push_back (parameterID);

            switch (m_Action)
            {
                case Action::fill:       *packet.GetPtr<std::uint16_t>() = 0x0102; return AAX_SUCCESS;
                case Action::fail:       return -5;
                case Action::leaveEmpty: return AAX_SUCCESS;
                case Action::throwError: throw std::runtime_error ("handler failed");
            }

            return AAX_SUCCESS;
        }

    private:
        std::vector<std::string>& m_Calls;
        Action m_Action;
    };

    template <typename Value>
    std::vector<unsigned char> BytesOf (Value value)
    {
        std::vector<unsigned char> bytes (sizeof (value));
        std::memcpy (bytes.data(), &value, sizeof (value));
        return bytes;
    }

    class PacketDispatcher : public ::testing::Test
    {
    protected:
        PacketDispatcher()
        {
            effect.manager.AddParameter (new AAX_CParameter<bool> ("MasterBypassID", AAX_CString ("Master Bypass"), true,
                                                                   AAX_CBinaryTaperDelegate<bool>(),
                                                                   AAX_CBinaryDisplayDelegate<bool> ("bypass", "on"), true));
            effect.manager.AddParameter (new AAX_CParameter<float> ("2", AAX_CString ("threshold"), 0.25f,
                                                                    AAX_CLinearTaperDelegate<float, 0> (0.0f, 1.0f),
                                                                    AAX_CNumberDisplayDelegate<float, 3u, 0u>(), true));
            dispatcher.Initialize (&controller, &effect);
        }

        const std::vector<FakeController::Packet>& Posted() const    { return host.controller.posted; }

        void Register (const char* parameterID, AAX_CFieldIndex port, ScriptedHandler::Action action = ScriptedHandler::Action::fill)
        {
            const ScriptedHandler handler (handlerCalls, action);
            EXPECT_EQ (dispatcher.RegisterPacket (parameterID, port, &handler), AAX_SUCCESS);
        }

        HostLog log;
        FakeEffectHost host { log };
        AAX_VController controller { host.Unknown() };
        TestEffectParameters effect;
        AAX_CPacketDispatcher dispatcher;
        const AAX_CPacketHandler<AAX_CPacketDispatcher> singleValue { &dispatcher, &AAX_CPacketDispatcher::GenerateSingleValuePacket };
        std::vector<std::string> handlerCalls;
    };
}

TEST_F (PacketDispatcher, EachDirtyPacketIsPostedOnceThenNotAgain)
{
    EXPECT_EQ (dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_TRUE (Posted().empty());

    ASSERT_EQ (dispatcher.RegisterPacket ("MasterBypassID", 3, &singleValue), AAX_SUCCESS);
    ASSERT_EQ (dispatcher.RegisterPacket ("2", 4, &singleValue), AAX_SUCCESS);
    EXPECT_EQ (dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_EQ (dispatcher.Dispatch(), AAX_SUCCESS);

    ASSERT_EQ (Posted().size(), 2u);   // identifier order: "2" sorts before "MasterBypassID"
    EXPECT_EQ (Posted()[0].port, 4);
    EXPECT_EQ (Posted()[0].bytes, BytesOf (0.25f));
    EXPECT_EQ (Posted()[1].port, 3);
    EXPECT_EQ (Posted()[1].bytes, BytesOf (std::int32_t { 1 }));

    dispatcher.SetDirty ("MasterBypassID", true);
    dispatcher.SetDirty ("2", true);
    dispatcher.SetDirty ("2", false);   // cancelled
    dispatcher.SetDirty ("unregistered", true);
    EXPECT_EQ (dispatcher.Dispatch(), AAX_SUCCESS);
    ASSERT_EQ (Posted().size(), 3u);
    EXPECT_EQ (Posted()[2].port, 3);
}

TEST_F (PacketDispatcher, RegistrationsOnOnePortShareItsPacket)
{
    Register ("b", 5);
    Register ("a", 5);
    Register ("a", 5);
    Register ("c", 6);
    Register ("c", 7);
    dispatcher.Dispatch();
    EXPECT_EQ (handlerCalls, (std::vector<std::string> { "a", "c", "c" }));

    // Marked through "b", port 5's packet is still made by "a", which sorts first.
    dispatcher.SetDirty ("b", true);
    dispatcher.SetDirty ("c", true);
    dispatcher.Dispatch();
    EXPECT_EQ (handlerCalls, (std::vector<std::string> { "a", "c", "c", "a", "c", "c" }));

    std::vector<AAX_CFieldIndex> ports;

    for (const auto& packet : Posted())
        ports.push_back (packet.port);

    EXPECT_EQ (ports, (std::vector<AAX_CFieldIndex> { 5, 6, 7, 5, 6, 7 }));
    EXPECT_EQ (Posted()[0].bytes, BytesOf (std::uint16_t { 0x0102 }));
}

TEST_F (PacketDispatcher, FailedHandlersPostNothingAndLeaveTheirPacketClean)
{
    Register ("fails", 1, ScriptedHandler::Action::fail);
    Register ("empty", 2, ScriptedHandler::Action::leaveEmpty);
    Register ("throws", 3, ScriptedHandler::Action::throwError);
    ASSERT_EQ (dispatcher.RegisterPacket ("unknown", 4, &singleValue), AAX_SUCCESS);

    EXPECT_EQ (dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_EQ (dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_TRUE (Posted().empty());
    EXPECT_EQ (handlerCalls, (std::vector<std::string> { "empty", "fails", "throws" }));

    AAX_CPacket packet (9);
    EXPECT_EQ (dispatcher.GenerateSingleValuePacket ("unknown", packet), AAX_RESULT_MISSING_OBJECT);
    EXPECT_EQ (packet.GetSize(), 0u);
    EXPECT_THROW (packet.GetData(), std::out_of_range);
    const AAX_CPacketHandler<AAX_CPacketDispatcher> noFunction (&dispatcher, AAX_CPacketHandler<AAX_CPacketDispatcher>::PacketProc {});
    EXPECT_EQ (noFunction.Call ("2", packet), AAX_RESULT_MISSING_OBJECT);
}

TEST_F (PacketDispatcher, ThePostResultOfThePassIsTheLastOne)
{
    EffectHostConfig config;
    config.controller.failures["PostPacket"] = -42;
    FakeEffectHost failingHost (log, config);
    AAX_VController failingController (failingHost.Unknown());
    dispatcher.Initialize (&failingController, &effect);
    ASSERT_EQ (dispatcher.RegisterPacket ("2", 4, &singleValue), AAX_SUCCESS);
    EXPECT_EQ (dispatcher.Dispatch(), -42);

    AAX_VController noHost (nullptr);
    dispatcher.Initialize (&noHost, &effect);
    dispatcher.SetDirty ("2", true);
    EXPECT_EQ (dispatcher.Dispatch(), AAX_RESULT_MISSING_OBJECT);

    dispatcher.Initialize (nullptr, &effect);   // no controller: nothing is done, the packet stays dirty
    dispatcher.SetDirty ("2", true);
    EXPECT_EQ (dispatcher.Dispatch(), AAX_RESULT_MISSING_OBJECT);
    dispatcher.Initialize (&controller, &effect);
    EXPECT_EQ (dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_EQ (Posted().size(), 1u);
}

TEST_F (PacketDispatcher, ASingleValuePacketCarriesTheParametersOwnType)
{
    effect.manager.AddParameter (new testeffect::PlainParameter<std::int32_t> ("int32", -7));
    effect.manager.AddParameter (new testeffect::PlainParameter<double> ("double", 0.1));

    const struct { const char* parameterID; std::vector<unsigned char> bytes; } rows[] {
        { "MasterBypassID", BytesOf (std::int32_t { 1 }) }, { "2", BytesOf (0.25f) },
        { "int32", BytesOf (std::int32_t { -7 }) }, { "double", BytesOf (0.1) },
    };

    for (const auto& row : rows)
    {
        AAX_CPacket packet (1);
        ASSERT_EQ (dispatcher.GenerateSingleValuePacket (row.parameterID, packet), AAX_SUCCESS) << row.parameterID;
        const auto* data = static_cast<const unsigned char*> (packet.GetData());
        EXPECT_EQ (std::vector<unsigned char> (data, data + packet.GetSize()), row.bytes) << row.parameterID;
    }
}

TEST_F (PacketDispatcher, RegistrationsWithoutPortOrHandlerAreRefused)
{
    EXPECT_EQ (dispatcher.RegisterPacket ("2", -1, &singleValue), AAX_RESULT_MISSING_OBJECT);
    EXPECT_EQ (dispatcher.RegisterPacket ("2", 3, nullptr), AAX_RESULT_MISSING_OBJECT);
    EXPECT_EQ (dispatcher.RegisterPacket (nullptr, 3, &singleValue), AAX_RESULT_MISSING_OBJECT);
    EXPECT_EQ (dispatcher.SetDirty (nullptr, true), AAX_SUCCESS);
    EXPECT_EQ (dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_TRUE (Posted().empty());
}
