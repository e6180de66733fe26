#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace
{
    using Linear = AAX_CLinearTaperDelegate<float, 0>;
    using Number = AAX_CNumberDisplayDelegate<float, 3u, 0u>;
    using Binary = AAX_CBinaryDisplayDelegate<bool>;

    std::string Text (const AAX_IDisplayDelegate<float>& display, float value, std::int32_t limit)
    {
        AAX_CString text ("old");
        EXPECT_TRUE (display.ValueToString (value, limit, &text));
        return text.Get();
    }

    std::string Text (const AAX_IDisplayDelegate<bool>& display, bool value, std::int32_t limit)
    {
        AAX_CString text;
        EXPECT_TRUE (display.ValueToString (value, limit, &text));
        return text.Get();
    }
}

TEST (Delegates, LinearTaperMapsAndClampsBothWays)
{
    const struct { float min, max; double normalized; float real; double backToNormalized; } rows[] {
        { 0.0f, 1.0f, 0.25, 0.25f, 0.25 },
        { 0.0f, 1.0f, 1.5, 1.0f, 1.0 },
        { 0.0f, 1.0f, -1.0, 0.0f, 0.0 },
        { -10.0f, 10.0f, 0.5, 0.0f, 0.5 },
        { -10.0f, 10.0f, 0.75, 5.0f, 0.75 },
    };

    for (const auto& row : rows)
    {
        const std::unique_ptr<AAX_ITaperDelegate<float>> taper (Linear (row.min, row.max).Clone());
        EXPECT_EQ (taper->NormalizedToReal (row.normalized), row.real) << row.normalized;
        EXPECT_EQ (taper->RealToNormalized (row.real), row.backToNormalized) << row.real;
        EXPECT_EQ (taper->GetMinimumValue(), row.min);
        EXPECT_EQ (taper->GetMaximumValue(), row.max);
    }

    const Linear unit (0.0f, 1.0f);
    EXPECT_EQ (unit.RealToNormalized (2.0f), 1.0);
    EXPECT_EQ (unit.ConstrainRealValue (-0.5f), 0.0f);
    EXPECT_TRUE (std::isnan (unit.ConstrainRealValue (NAN)));
}

TEST (Delegates, BinaryTaperIsTrueAboveZero)
{
    const AAX_CBinaryTaperDelegate<bool> taper;

    for (const auto& [normalized, real] : { std::pair { 0.0, false }, { 0.0001, true }, { -1.0, false }, { 1.0, true },
                                            { double (NAN), false } })
        EXPECT_EQ (taper.NormalizedToReal (normalized), real) << normalized;

    EXPECT_EQ (taper.RealToNormalized (true), 1.0);
    EXPECT_EQ (taper.RealToNormalized (false), 0.0);
    EXPECT_TRUE (taper.ConstrainRealValue (true));
}

TEST (Delegates, NumberDisplayWritesThreeDecimalsCutToTheLimit)
{
    const std::unique_ptr<AAX_IDisplayDelegate<float>> display (Number().Clone());
    const struct { float value; std::int32_t limit; const char* text; } rows[] {
        { 0.5f, 100, "0.500" }, { 0.5f, 4, "0.50" }, { 0.5f, 2, "0" }, { 0.5f, 0, "" }, { 0.5f, -3, "" },
        { 12.345678f, 100, "12.346" }, { 12.345678f, 3, "12" }, { -0.25f, 100, "-0.250" },
    };

    for (const auto& row : rows)
        EXPECT_EQ (Text (*display, row.value, row.limit), row.text) << row.value << " limit " << row.limit;

    AAX_CString text ("old");
    EXPECT_TRUE (display->ValueToString (0.5f, &text));
    EXPECT_STREQ (text.Get(), "0.500");
}

TEST (Delegates, NumberDisplayReadsALeadingNumber)
{
    const struct { const char* text; bool read; float value; } rows[] {
        { "0.75", true, 0.75f }, { "2 dB", true, 2.0f }, { "1.5e", true, 1.5f }, { "-2e3", true, -2000.0f },
        { "dB", false, 0.0f }, { "", false, 0.0f },
    };

    for (const auto& row : rows)
    {
        float value = 9.0f;
        EXPECT_EQ (Number().StringToValue (AAX_CString (row.text), &value), row.read) << row.text;
        EXPECT_EQ (value, row.value) << row.text;
    }
}

TEST (Delegates, BinaryDisplayChoosesTheLongestPairThatFits)
{
    Binary bypass ("bypass", "on");

    for (const std::int32_t limit : { -1, 0, 2, 6, 100 })
    {
        EXPECT_EQ (Text (bypass, false, limit), "bypass");
        EXPECT_EQ (Text (bypass, true, limit), "on");
    }

    Binary shortened ("inactive", "engaged");   // full texts of 8 and 7: the longest is 8
    shortened.AddShortenedStrings ("ina", "eng", 3);
    shortened.AddShortenedStrings ("i", "e", 1);
    const std::unique_ptr<AAX_IDisplayDelegate<bool>> copy (shortened.Clone());

    for (const auto* display : { static_cast<AAX_IDisplayDelegate<bool>*> (&shortened), copy.get() })
        for (const auto& [limit, text] : { std::pair { 8, "inactive" }, { 20, "inactive" }, { 7, "ina" }, { 3, "ina" },
                                           { 2, "i" }, { 1, "i" }, { 0, "i" }, { -5, "i" } })
            EXPECT_EQ (Text (*display, false, limit), text) << "limit " << limit;
}

TEST (Delegates, BinaryDisplayReadsOnlyItsFullTexts)
{
    const Binary bypass ("bypass", "on");
    const struct { const char* text; bool read; bool value; } rows[] {
        { "on", true, true }, { "bypass", true, false }, { "On", false, false }, { "", false, false }, { "by", false, false },
    };

    for (const auto& row : rows)
    {
        bool value = ! row.value;
        EXPECT_EQ (bypass.StringToValue (AAX_CString (row.text), &value), row.read) << row.text;
        EXPECT_EQ (value, row.value) << row.text;
    }
}
