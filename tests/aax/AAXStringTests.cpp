#include "AAX_CString.h"

#include <gtest/gtest.h>

#include <limits>
#include <locale>
#include <stdexcept>

TEST (AAXString, NullAndEmptyTextsAreEmptyButNeverNull)
{
    const AAX_CString fromNull (static_cast<const char*> (nullptr));
    EXPECT_EQ (fromNull.Length(), 0u);
    ASSERT_NE (fromNull.Get(), nullptr);
    EXPECT_EQ (fromNull.Get()[0], '\0');
    EXPECT_STREQ (AAX_CString().CString(), "");

    AAX_CString text ("abc");
    text.Set (nullptr);
    EXPECT_STREQ (text.Get(), "");
    text = "def";
    text = static_cast<const char*> (nullptr);
    EXPECT_STREQ (text.Get(), "");
}

TEST (AAXString, MaxLengthIsOneBelowTheLargestUnsigned)
{
    EXPECT_EQ (AAX_CString().MaxLength(), 4294967294u);
    EXPECT_EQ (AAX_CString ("x").MaxLength(), 4294967294u);
}

TEST (AAXString, CopiesAreIndependentAndWorkThroughTheInterface)
{
    AAX_CString original ("threshold");
    AAX_CString copy (original);
    copy[0] = 'T';
    EXPECT_STREQ (original.Get(), "threshold");
    EXPECT_STREQ (copy.Get(), "Threshold");

    const AAX_IString& asInterface = original;
    AAX_CString viaInterface (asInterface);
    EXPECT_STREQ (viaInterface.Get(), "threshold");

    AAX_IString& target = copy;
    target = asInterface;
    EXPECT_STREQ (copy.Get(), "threshold");
    target = "decay";
    EXPECT_STREQ (copy.Get(), "decay");
    EXPECT_EQ (copy.Length(), 5u);
}

TEST (AAXString, AssigningAStringToItselfLeavesItUnchanged)
{
    AAX_CString text ("attack");
    auto& self = text;
    text = self;
    EXPECT_STREQ (text.Get(), "attack");

    AAX_IString& asInterface = text;
    asInterface = static_cast<const AAX_IString&> (text);
    EXPECT_STREQ (text.Get(), "attack");

    text = text.Get();
    EXPECT_STREQ (text.Get(), "attack");
}

TEST (AAXString, AppendNumberFormatsFixedPointWithTheGivenDecimals)
{
    EXPECT_STREQ (AAX_CString().AppendNumber (0.5, 3).Get(), "0.500");
    EXPECT_STREQ (AAX_CString().AppendNumber (-1.23456, 3).Get(), "-1.235");
    EXPECT_STREQ (AAX_CString().AppendNumber (2.0, 0).Get(), "2");
    EXPECT_STREQ (AAX_CString ("gain ").AppendNumber (-6.0, 2).Get(), "gain -6.00");
    EXPECT_STREQ (AAX_CString().AppendNumber (1234567.0, 1).Get(), "1234567.0");

    // Beyond the decimals any double has, only zeros would follow: a huge precision
    // gives the full expansion and stays bounded.
    const auto full = [] (std::int32_t precision) { return std::string (AAX_CString().AppendNumber (-4.9406564584124654e-324, precision).Get()); };
    EXPECT_EQ (full (1074).size(), 3u + 1074u);
    EXPECT_EQ (full (1074).back(), '5') << "the exact expansion of 2^-1074";
    for (const std::int32_t huge : { 1075, 5'000'000, std::numeric_limits<std::int32_t>::max() })
        EXPECT_EQ (full (huge), full (1074)) << huge;
}

TEST (AAXString, NumbersIgnoreTheProcessLocale)
{
    // A locale with a decimal comma must not leak into texts the host stores.
    bool localeSet = false;

    for (const char* name : { "de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR" })
    {
        try { std::locale::global (std::locale (name)); localeSet = true; break; }
        catch (const std::runtime_error&) {}
    }

    if (! localeSet)
        GTEST_SKIP() << "no locale with a decimal comma installed";

    const AAX_CString formatted = AAX_CString().AppendNumber (0.5, 1);
    double value = 0.0;
    const bool parsed = AAX_CString ("2.25").ToDouble (&value);
    std::locale::global (std::locale::classic());

    EXPECT_STREQ (formatted.Get(), "0.5");
    EXPECT_TRUE (parsed);
    EXPECT_EQ (value, 2.25);
}

TEST (AAXString, ToDoubleReadsALeadingNumber)
{
    // An exponent mark without digits belongs to the letters after the number.
    const std::pair<const char*, double> rows[] {
        { "1.5", 1.5 }, { " 1.5", 1.5 }, { "1.5 ms", 1.5 }, { "1.5abc", 1.5 }, { "-2e3", -2000.0 }, { "1.5e", 1.5 },
        { "1.5em", 1.5 }, { "2e+", 2.0 }, { "3E-x", 3.0 }, { "+.5E+1x", 5.0 }, { "7.", 7.0 }, { "\t-0.25", -0.25 },
    };

    for (const auto& [text, expected] : rows)
    {
        double value = 0.0;
        EXPECT_TRUE (AAX_CString (text).ToDouble (&value)) << text;
        EXPECT_EQ (value, expected) << text;
    }
}

TEST (AAXString, ToDoubleFailsWithZeroWithoutANumber)
{
    for (const char* text : { "", "abc", ".", "-", " ", "e5", "-.e1", "inf", "1e999" })
    {
        double value = 7.0;
        EXPECT_FALSE (AAX_CString (text).ToDouble (&value)) << '"' << text << '"';
        EXPECT_EQ (value, 0.0) << '"' << text << '"';
    }

    EXPECT_FALSE (AAX_CString ("x").ToDouble (nullptr));
    EXPECT_TRUE (AAX_CString ("1").ToDouble (nullptr));
}

TEST (AAXString, SubStringStopsAtTheEndOfTheText)
{
    const AAX_CString text ("Threshold");
    AAX_CString out ("old");

    text.SubString (0, 4, &out);
    EXPECT_STREQ (out.Get(), "Thre");
    text.SubString (0, 20, &out);
    EXPECT_STREQ (out.Get(), "Threshold");
    text.SubString (5, 2, &out);
    EXPECT_STREQ (out.Get(), "ho");
    text.SubString (9, 3, &out);
    EXPECT_STREQ (out.Get(), "");

    // Out-of-range requests are harmless.
    text.SubString (50, 3, &out);
    EXPECT_STREQ (out.Get(), "");
    text.SubString (0, 3, nullptr);
}

TEST (AAXString, EraseAndClearEdit)
{
    AAX_CString text ("decay");
    text.Erase (text.Length() - 1, 1);
    EXPECT_STREQ (text.Get(), "deca");
    text.Erase (1, 2);
    EXPECT_STREQ (text.Get(), "da");

    // Ranges past the end stop at the end, or do nothing.
    text.Erase (1, 100);
    EXPECT_STREQ (text.Get(), "d");
    text.Erase (5, 1);
    EXPECT_STREQ (text.Get(), "d");

    text.Clear();
    EXPECT_EQ (text.Length(), 0u);
}

TEST (AAXString, EqualityComparesUpToTheFirstNul)
{
    const AAX_CString a ("bypass");
    EXPECT_TRUE (a == AAX_CString ("bypass"));
    EXPECT_TRUE (a == a);
    EXPECT_TRUE (a != AAX_CString ("bypasS"));
    EXPECT_FALSE (a == AAX_CString ("bypass "));

    AAX_CString x ("abXd"), y ("abYe");
    x[2] = '\0';
    y[2] = '\0';
    EXPECT_EQ (x.Length(), 4u);
    EXPECT_TRUE (x == y);
    EXPECT_FALSE (x != y);
}
