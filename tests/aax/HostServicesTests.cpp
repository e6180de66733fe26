#include "AAX_CHostServices.h"
#include "AAX_VHostServices.h"
#include "FakeComponentFactory.h"

#include <gtest/gtest.h>

using namespace fakehost;

namespace
{
    constexpr auto normal = AAX_eTracePriorityHost_Normal;

    // The module-wide services are global: every test leaves them stopped.
    class HostServices : public ::testing::Test
    {
    protected:
        // Stops the services while the host they hold is still alive.
        void TearDown() override    { AAX_CHostServices::Set (nullptr); }

        FakeComponentFactory& MakeHost (HostConfig config = {})
        {
            hosts.push_back (std::make_unique<FakeComponentFactory> (log, std::move (config)));
            return *hosts.back();
        }

        HostLog log;
        std::vector<std::unique_ptr<FakeComponentFactory>> hosts;
    };
}

TEST_F (HostServices, TraceWithoutStartedServicesIsSilent)
{
    auto& host = MakeHost();
    EXPECT_EQ (AAX_CHostServices::Trace (normal, "early %d", 1), 0);

    AAX_CHostServices::Set (&host);
    AAX_CHostServices::Set (nullptr);
    log.Clear();

    EXPECT_EQ (AAX_CHostServices::Trace (normal, "late %d", 2), 0);
    EXPECT_TRUE (log.Calls().empty());
    EXPECT_EQ (host.OutstandingReferences(), 0);
}

TEST_F (HostServices, StartMakesEachVersionThroughTheFactoryAndTraceReachesTheHost)
{
    HostConfig config;
    config.hostServices.failures["Trace"] = -77;
    auto& host = MakeHost (config);

    AAX_CHostServices::Set (&host);
    EXPECT_EQ (log.OperationsOn ("host"), (std::vector<std::string> {
        "QueryInterface(IID_IACFComponentFactory)",
        "CreateComponent(AAXCompID_HostServices, null, IID_IAAXHostServicesV1)",
        "CreateComponent(AAXCompID_HostServices, null, IID_IAAXHostServicesV2)" }));
    EXPECT_EQ (host.References(), 0);

    EXPECT_EQ (AAX_CHostServices::Trace (normal, "AAX_CChunkDataParser::GetChunkData ERROR: %s", "too big"), -77);
    EXPECT_EQ (log.OperationsOn ("services#1").back(),
               "Trace(134217728, \"AAX_CChunkDataParser::GetChunkData ERROR: too big\")");

    // No format is nothing to send: an answer of 0, and the host hears nothing.
    const char* const noFormat = nullptr;
    log.Clear();
    EXPECT_EQ (AAX_CHostServices::Trace (normal, noFormat), 0);
    EXPECT_TRUE (log.Calls().empty());
}

TEST_F (HostServices, LongMessagesAreCutAt511Characters)
{
    auto& host = MakeHost();
    AAX_CHostServices::Set (&host);

    const std::string longText (600, 'x');
    EXPECT_EQ (AAX_CHostServices::Trace (normal, "%s", longText.c_str()), 0);
    EXPECT_EQ (log.Calls().back(), "services#1.Trace(134217728, \"" + std::string (511, 'x') + "\")");

    const std::string exact (511, 'y');
    AAX_CHostServices::Trace (normal, "%s", exact.c_str());
    EXPECT_EQ (log.Calls().back(), "services#1.Trace(134217728, \"" + exact + "\")");
}

TEST_F (HostServices, SecondStartKeepsTheFirstServicesAndSecondStopDoesNothing)
{
    auto& first = MakeHost();
    auto& second = MakeHost();
    log.Clear();

    AAX_CHostServices::Set (&first);
    const auto callsAfterFirstStart = log.Calls().size();
    AAX_CHostServices::Set (&second);
    EXPECT_EQ (log.Calls().size(), callsAfterFirstStart);

    AAX_CHostServices::Trace (normal, "to the first");
    EXPECT_EQ (log.Calls().back(), "services#1.Trace(134217728, \"to the first\")");

    AAX_CHostServices::Set (nullptr);
    AAX_CHostServices::Set (nullptr);
    EXPECT_EQ (first.OutstandingReferences(), 0);
    EXPECT_EQ (first.OverReleases(), 0);
}

TEST_F (HostServices, HostWithoutSecondVersionTracesButHasNoStackTrace)
{
    HostConfig config;
    config.hostServices.refused = { IID_IAAXHostServicesV2 };
    auto& host = MakeHost (config);

    {
        AAX_VHostServices services (&host);
        log.Clear();

        EXPECT_EQ (services.Trace (3, "hello"), 0);
        EXPECT_EQ (services.Assert ("file.cpp", 12, "note"), 0);
        EXPECT_EQ (services.StackTrace (1, 2, "stack"), AAX_RESULT_NOT_IMPLEMENTED);
        EXPECT_EQ (log.OperationsOn ("services#1"), (std::vector<std::string> {
            "Trace(3, \"hello\")", "Assert(\"file.cpp\", 12, \"note\")" }));
        EXPECT_TRUE (log.OperationsOn ("services#2").empty());
    }

    EXPECT_EQ (host.OutstandingReferences(), 0);
}

TEST_F (HostServices, BothVersionsForwardUnchanged)
{
    HostConfig config;
    config.hostServices.failures["StackTrace"] = -3;
    auto& host = MakeHost (config);
    AAX_VHostServices services (&host);

    EXPECT_EQ (services.StackTrace (4, 5, "deep"), -3);
    EXPECT_EQ (log.Calls().back(), "services#2.StackTrace(4, 5, \"deep\")");
}

TEST_F (HostServices, HostWithoutServicesAnswersMissingObject)
{
    HostConfig noFactory;
    noFactory.factory.refused = { IID_IACFComponentFactory };

    {
        AAX_VHostServices services (nullptr);
        EXPECT_EQ (services.Trace (1, "x"), AAX_RESULT_MISSING_OBJECT);
        EXPECT_EQ (services.Assert ("f", 1, "n"), AAX_RESULT_MISSING_OBJECT);
        EXPECT_EQ (services.StackTrace (1, 1, "s"), AAX_RESULT_NOT_IMPLEMENTED);
    }

    auto& host = MakeHost (noFactory);
    {
        AAX_VHostServices services (&host);
        EXPECT_EQ (services.Trace (1, "x"), AAX_RESULT_MISSING_OBJECT);
        EXPECT_EQ (services.StackTrace (1, 1, "s"), AAX_RESULT_NOT_IMPLEMENTED);
    }
    EXPECT_EQ (log.OperationsOn ("host"), std::vector<std::string> { "QueryInterface(IID_IACFComponentFactory)" });

    // Through the front door the host's -20004 comes back unchanged.
    AAX_CHostServices::Set (&host);
    EXPECT_EQ (AAX_CHostServices::Trace (normal, "lost"), AAX_RESULT_MISSING_OBJECT);
}

TEST_F (HostServices, FailedCreationLeavesThatVersionMissing)
{
    HostConfig config;
    config.factory.failures["CreateComponent"] = -1;
    auto& host = MakeHost (config);
    AAX_VHostServices services (&host);

    EXPECT_EQ (services.Trace (1, "x"), AAX_RESULT_MISSING_OBJECT);
    EXPECT_EQ (services.StackTrace (1, 1, "s"), AAX_RESULT_NOT_IMPLEMENTED);
    EXPECT_TRUE (host.Made().empty());
}
