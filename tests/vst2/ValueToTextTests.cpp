#include "RecordingHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

namespace
{
    enum class Conversion { floatText, intText, dB, hz, ms };

    std::string convert (AudioEffect& e, Conversion c, float value, int32_t maxLen = 24)
    {
        char text[64];
        std::memset (text, 'x', sizeof (text));

        switch (c)
        {
            case Conversion::floatText: e.float2string (value, text, maxLen); break;
            case Conversion::intText:   e.int2string (static_cast<int32_t> (value), text, maxLen); break;
            case Conversion::dB:        e.dB2string (value, text, maxLen); break;
            case Conversion::hz:        e.Hz2string (value, text, maxLen); break;
            case Conversion::ms:        e.ms2string (value, text, maxLen); break;
        }

        EXPECT_EQ (text[maxLen], 0);
        return text;
    }

    std::string intText (AudioEffect& e, int32_t value, int32_t maxLen = 24)
    {
        char text[64];
        std::memset (text, 'x', sizeof (text));
        e.int2string (value, text, maxLen);
        EXPECT_EQ (text[maxLen], 0);
        return text;
    }
}

TEST (ValueToText, FloatTextsMatchTheExamples)
{
    PlainEffect e;
    const std::pair<float, const char*> examples[] {
        { 0.0f, "0.000000" }, { 1.5f, "1.500000" }, { 0.25f, "0.250000" }, { -3.75f, "-3.75000" },
        { -0.5f, "-0.50000" }, { 123.456f, "123.4560" }, { 2.675f, "2.674999" }, { 1234567.0f, "1234567." },
        { -123456.0f, "-123456." }, { 99999999.0f, "Huge!" }, { -10000000.0f, "Huge!" } };

    for (auto [value, expected] : examples)
        EXPECT_EQ (convert (e, Conversion::floatText, value), expected) << value;

    EXPECT_EQ (convert (e, Conversion::floatText, 123.456f, 4), "123.");
    EXPECT_EQ (convert (e, Conversion::floatText, 123.456f, 0), "");
}

TEST (ValueToText, FloatTextsBeyondEightCharactersStayWithinEight)
{
    PlainEffect e;
    EXPECT_EQ (convert (e, Conversion::floatText, 12345678.0f), "12345678");
    EXPECT_EQ (convert (e, Conversion::floatText, -1234567.0f), "-1234567");
    EXPECT_EQ (convert (e, Conversion::floatText, -9999999.0f), "-9999999");
    EXPECT_EQ (convert (e, Conversion::floatText, std::numeric_limits<float>::infinity()), "Huge!");
    EXPECT_EQ (convert (e, Conversion::floatText, -std::numeric_limits<float>::infinity()), "Huge!");
    EXPECT_EQ (convert (e, Conversion::floatText, std::numeric_limits<float>::quiet_NaN()), "NaN");
}

TEST (ValueToText, IntegerTextsMatchTheExamples)
{
    PlainEffect e;
    EXPECT_EQ (intText (e, 7), "7");
    EXPECT_EQ (intText (e, -42), "-42");
    EXPECT_EQ (intText (e, 0), "0");
    EXPECT_EQ (intText (e, 99999999), "99999999");
    EXPECT_EQ (intText (e, -123456789), "-123456789");
    EXPECT_EQ (intText (e, 100000000), "Huge!");
    EXPECT_EQ (intText (e, std::numeric_limits<int32_t>::max()), "Huge!");
    EXPECT_EQ (intText (e, std::numeric_limits<int32_t>::min()), "-2147483648");
    EXPECT_EQ (intText (e, -42, 2), "-4");
}

TEST (ValueToText, DecibelTextsMatchTheExamplesAndNeverReachFloatTextAtOrBelowZero)
{
    struct Counting : PlainEffect
    {
        void float2string (float value, char* text, int32 maxLen) override { ++calls; PlainEffect::float2string (value, text, maxLen); }
        int calls = 0;
    } e;

    EXPECT_EQ (convert (e, Conversion::dB, 1.0f), "0.000000");
    EXPECT_EQ (convert (e, Conversion::dB, 0.5f), "-6.02059");
    EXPECT_EQ (convert (e, Conversion::dB, 10.0f), "20.00000");
    EXPECT_EQ (e.calls, 3);

    EXPECT_EQ (convert (e, Conversion::dB, 0.0f), "-oo");
    EXPECT_EQ (convert (e, Conversion::dB, -1.0f), "-oo");
    EXPECT_EQ (convert (e, Conversion::dB, 1.0f, 2), "0.");
    EXPECT_EQ (e.calls, 4);
}

TEST (ValueToText, FrequencyAndTimeTextsFollowTheSampleRateOverride)
{
    struct Rate : PlainEffect
    {
        float getSampleRate() override { return 48000.0f; }
    } e;

    EXPECT_EQ (convert (e, Conversion::hz, 480.0f), "100.0000");
    EXPECT_EQ (convert (e, Conversion::hz, 0.0f), "0.000000");
    EXPECT_EQ (convert (e, Conversion::ms, 480.0f), "10.00000");

    PlainEffect plain;  // 44100 Hz
    EXPECT_EQ (convert (plain, Conversion::ms, 44100.0f), "1000.000");
    EXPECT_EQ (convert (plain, Conversion::hz, 441.0f), "100.0000");
}

TEST (ValueToText, NullTextOrNegativeLengthWritesNothing)
{
    PlainEffect e;
    e.float2string (1.0f, nullptr, 24);
    e.int2string (1, nullptr, 24);
    e.dB2string (0.0f, nullptr, 24);

    char text[4] = "abc";
    e.float2string (1.0f, text, -1);
    e.int2string (5, text, -1);
    EXPECT_STREQ (text, "abc");
}
