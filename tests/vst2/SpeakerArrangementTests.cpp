#include "RecordingHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace
{
    bool allZero (const void* p, std::size_t n)
    {
        const auto* b = static_cast<const unsigned char*> (p);
        for (std::size_t i = 0; i < n; ++i)
            if (b[i] != 0)
                return false;
        return true;
    }
}

TEST (SpeakerArrangement, AllocationGivesAZeroedRecordOfTheRightCount)
{
    PlainEffect e;
    VstSpeakerArrangement* a = nullptr;

    ASSERT_TRUE (e.allocateArrangement (&a, 2));
    ASSERT_NE (a, nullptr);
    EXPECT_EQ (a->channelCount, 2);
    EXPECT_EQ (a->arrangementType, 0);
    EXPECT_TRUE (allZero (a->getChannel (0), 2 * sizeof (VstSpeakerProperties)));

    // Reallocating replaces the record (the sanitizer build catches a leak here).
    ASSERT_TRUE (e.allocateArrangement (&a, 0));
    EXPECT_EQ (a->channelCount, 0);

    EXPECT_TRUE (e.deallocateArrangement (&a));
    EXPECT_EQ (a, nullptr);
    EXPECT_TRUE (e.deallocateArrangement (&a));
    EXPECT_TRUE (e.deallocateArrangement (nullptr));
}

TEST (SpeakerArrangement, ImpossibleCountsAreRefusedInsteadOfThrowing)
{
    PlainEffect e;
    VstSpeakerArrangement* a = nullptr;

    EXPECT_FALSE (e.allocateArrangement (&a, -1));
    EXPECT_FALSE (e.allocateArrangement (&a, std::numeric_limits<int32_t>::max()));
    EXPECT_FALSE (e.allocateArrangement (nullptr, 2));
    EXPECT_EQ (a, nullptr);

    VstSpeakerArrangement bad {};
    bad.channelCount = -5;
    EXPECT_FALSE (e.matchArrangement (&a, &bad));
    EXPECT_EQ (a, nullptr);
}

TEST (SpeakerArrangement, CopySpeakerCutsTheNameAndKeepsTheRest)
{
    PlainEffect e;
    VstSpeakerProperties from {}, to {};
    std::memset (from.speakerName, 'L', sizeof (from.speakerName));
    std::memset (from.speakerPosition, 7, sizeof (from.speakerPosition));
    std::memset (from.speakerReserved, 9, sizeof (from.speakerReserved));
    from.speakerType = 3;

    ASSERT_TRUE (e.copySpeaker (&to, &from));
    EXPECT_EQ (std::strlen (to.speakerName), 63u);
    EXPECT_EQ (to.speakerType, 3);
    EXPECT_EQ (std::memcmp (to.speakerPosition, from.speakerPosition, 16), 0);
    EXPECT_EQ (std::memcmp (to.speakerReserved, from.speakerReserved, 28), 0);

    EXPECT_FALSE (e.copySpeaker (nullptr, &from));
    EXPECT_FALSE (e.copySpeaker (&to, nullptr));
}

TEST (SpeakerArrangement, MatchCopiesTypeAndEverySpeaker)
{
    PlainEffect e;
    VstSpeakerArrangement* source = nullptr;
    ASSERT_TRUE (e.allocateArrangement (&source, 2));
    source->arrangementType = 1;
    std::memset (source->getChannel (0)->speakerName, 'A', 64);
    std::strcpy (source->getChannel (1)->speakerName, "R");
    source->getChannel (1)->speakerType = 2;

    VstSpeakerArrangement* copy = nullptr;
    ASSERT_TRUE (e.allocateArrangement (&copy, 5));  // replaced by the match
    ASSERT_TRUE (e.matchArrangement (&copy, source));
    EXPECT_EQ (copy->arrangementType, 1);
    EXPECT_EQ (copy->channelCount, 2);
    EXPECT_EQ (std::string (copy->getChannel (0)->speakerName), std::string (63, 'A'));
    EXPECT_STREQ (copy->getChannel (1)->speakerName, "R");
    EXPECT_EQ (copy->getChannel (1)->speakerType, 2);

    EXPECT_FALSE (e.matchArrangement (&copy, nullptr));
    EXPECT_FALSE (e.matchArrangement (nullptr, source));

    e.deallocateArrangement (&copy);
    e.deallocateArrangement (&source);
}

TEST (SpeakerArrangement, MatchUsesOverriddenOperations)
{
    struct Refusing : PlainEffect
    {
        bool copySpeaker (VstSpeakerProperties*, VstSpeakerProperties*) override { ++copies; return false; }
        bool deallocateArrangement (VstSpeakerArrangement** a) override          { ++releases; return PlainEffect::deallocateArrangement (a); }
        int copies = 0, releases = 0;
    } e;

    VstSpeakerArrangement* source = nullptr;
    VstSpeakerArrangement* copy = nullptr;
    e.allocateArrangement (&source, 3);
    e.allocateArrangement (&source, 3);  // frees the old record itself, not through the override
    EXPECT_EQ (e.releases, 0);

    EXPECT_FALSE (e.matchArrangement (&copy, source));
    EXPECT_EQ (e.copies, 1);
    EXPECT_EQ (e.releases, 1);  // once, by the match itself
    e.deallocateArrangement (&copy);
    e.deallocateArrangement (&source);
}
