#include "ProcessorTestSupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

using namespace hushmoor::test;

namespace
{
    juce::MemoryBlock stateOf (GraviloHushmoorAudioProcessor& p)
    {
        juce::MemoryBlock block;
        p.getStateInformation (block);
        return block;
    }

    /** The framework's binary container around an XML text. */
    juce::MemoryBlock container (const juce::String& xml, int storedLength = -1, std::uint32_t magic = 0x21324356)
    {
        const auto utf8 = xml.toUTF8();
        const auto length = static_cast<std::uint32_t> (storedLength >= 0 ? storedLength : static_cast<int> (utf8.sizeInBytes() - 1));
        juce::MemoryOutputStream out;
        out.writeInt (static_cast<int> (magic));
        out.writeInt (static_cast<int> (length));
        out.write (utf8.getAddress(), utf8.sizeInBytes() - 1);
        out.writeByte (0);
        return out.getMemoryBlock();
    }

    void restore (GraviloHushmoorAudioProcessor& p, const juce::MemoryBlock& block)
    {
        p.setStateInformation (block.getData(), static_cast<int> (block.getSize()));
    }

    /** A processor whose bank differs from a fresh one everywhere. */
    void makeDistinct (GraviloHushmoorAudioProcessor& p)
    {
        for (int b = 0; b < 12; ++b)
        {
            p.setCurrentProgram (b);
            p.changeProgramName (b, "P" + juce::String (b));
            for (int k = 0; k < 5; ++k)
                p.setParameter (k, 0.01f * static_cast<float> (b * 5 + k + 1));
        }
        p.setCurrentProgram (9);
        p.paramsChanged_ = false;
    }

    juce::String expectedFreshXml()
    {
        juce::String xml ("<VEZUREZARADADIZUZORUZA activePreset=\"0\"");
        for (int b = 0; b < 12; ++b)
        {
            const juce::String s (b);
            xml << " PresetName" << s << "=\"Init\""
                << " bypass" << s << "=\"1\""
                << " dualmono" << s << "=\"0\""
                << " threshold" << s << "=\"0\""
                << " attack" << s << "=\"0.13400000333786010742\""
                << " decay" << s << "=\"0.36700001358985900879\"";
        }
        return xml + "/>";
    }
}

//==============================================================================
TEST (State, FreshProcessorWritesTheseExactBytes)
{
    GraviloHushmoorAudioProcessor p;
    const auto block = stateOf (p);
    const auto xml = expectedFreshXml();
    const auto length = static_cast<size_t> (xml.getNumBytesAsUTF8());

    const auto* bytes = static_cast<const std::uint8_t*> (block.getData());
    ASSERT_GT (block.getSize(), 9u);
    EXPECT_EQ (juce::String::fromUTF8 (reinterpret_cast<const char*> (bytes + 8), static_cast<int> (block.getSize() - 9)), xml);
    ASSERT_EQ (block.getSize(), length + 9);
    EXPECT_EQ (bytes[0], 0x56);
    EXPECT_EQ (bytes[1], 0x43);
    EXPECT_EQ (bytes[2], 0x32);
    EXPECT_EQ (bytes[3], 0x21);
    EXPECT_EQ (juce::ByteOrder::littleEndianInt (bytes + 4), length);
    EXPECT_EQ (juce::String::fromUTF8 (reinterpret_cast<const char*> (bytes + 8), static_cast<int> (length)), xml);
    EXPECT_EQ (bytes[8 + length], 0);

    // 73 attributes, in order.
    auto element = juce::parseXML (xml);
    ASSERT_NE (element, nullptr);
    ASSERT_EQ (element->getNumAttributes(), 73);
    EXPECT_EQ (element->getAttributeName (0), "activePreset");
    EXPECT_EQ (element->getAttributeName (1), "PresetName0");
    EXPECT_EQ (element->getAttributeName (72), "decay11");
}

TEST (State, CurrentProgramStateIsTheWholeState)
{
    GraviloHushmoorAudioProcessor p;
    makeDistinct (p);
    juce::MemoryBlock whole, program;
    p.getStateInformation (whole);
    p.getCurrentProgramStateInformation (program);
    EXPECT_EQ (whole, program);

    GraviloHushmoorAudioProcessor q;
    q.setCurrentProgramStateInformation (program.getData(), static_cast<int> (program.getSize()));
    EXPECT_TRUE (Snapshot (q) == Snapshot (p));
}

TEST (State, FreshStateRestoresIntoAnother)
{
    GraviloHushmoorAudioProcessor p, q;
    makeDistinct (q);
    restore (q, stateOf (p));
    EXPECT_TRUE (Snapshot (q) == Snapshot (p));
    EXPECT_EQ (q.getCurrentProgram(), 0);
    EXPECT_EQ (stateOf (q), stateOf (p));
}

TEST (State, RestoreSelectsTheStoredProgramAndTellsTheHostItsRestoredValues)
{
    GraviloHushmoorAudioProcessor p, q;
    makeDistinct (p);
    const auto block = stateOf (p);

    CountingListener listener;
    q.addListener (&listener);
    restore (q, block);

    EXPECT_EQ (q.getCurrentProgram(), 9);
    EXPECT_TRUE (q.paramsChanged_.load());
    ASSERT_EQ (listener.changes.size(), 5u);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ (listener.changes[static_cast<size_t> (k)].value, p.getPreset (9).getValue (k));
    q.removeListener (&listener);
}

TEST (State, EveryFloatSurvivesBitForBit)
{
    std::mt19937 rng (12345);
    std::uniform_int_distribution<std::uint32_t> bits;

    for (int round = 0; round < 40; ++round)
    {
        GraviloHushmoorAudioProcessor p;
        for (int b = 0; b < 12; ++b)
        {
            p.setCurrentProgram (b);
            for (int k = 0; k < 5; ++k)
            {
                float v;
                do { v = floatFromBits (bits (rng)); } while (! std::isfinite (v));

                // Some well-known awkward values too.
                if (round == 0)
                {
                    const float special[] { 0.1f, 1.0f / 3.0f, std::numeric_limits<float>::denorm_min(),
                                            std::numeric_limits<float>::min(), std::numeric_limits<float>::max(),
                                            -std::numeric_limits<float>::max(), -0.0f, 0.134f, 0.367f, 1.0e-30f };
                    v = special[(b * 5 + k) % 10];
                }
                p.setParameter (k, v);
            }
        }

        GraviloHushmoorAudioProcessor q;
        restore (q, stateOf (p));

        for (int b = 0; b < 12; ++b)
            for (int k = 0; k < 5; ++k)
                ASSERT_EQ (bitsOf (q.getPreset (b).getValue (k)), bitsOf (p.getPreset (b).getValue (k)))
                    << "round " << round << " preset " << b << " value " << k << ": " << p.getPreset (b).getValue (k);
    }
}

TEST (State, NamesWithMarkupCharactersSurvive)
{
    GraviloHushmoorAudioProcessor p;
    p.changeProgramName (3, juce::String::fromUTF8 ("a\"b<c>&d'e \xc3\xa9"));
    p.changeProgramName (4, juce::String::fromUTF8 ("\xe2\x99\xaa drums"));
    GraviloHushmoorAudioProcessor q;
    restore (q, stateOf (p));
    EXPECT_EQ (q.getProgramName (3), p.getProgramName (3));
    EXPECT_EQ (q.getProgramName (4), p.getProgramName (4));
}

//==============================================================================
TEST (StateRestoreRules, MissingActivePresetSelectsProgramZero)
{
    GraviloHushmoorAudioProcessor p;
    makeDistinct (p);
    auto element = p.getXmlFromBinary (stateOf (p).getData(), static_cast<int> (stateOf (p).getSize()));
    ASSERT_NE (element, nullptr);
    element->removeAttribute ("activePreset");

    juce::MemoryBlock block;
    juce::AudioProcessor::copyXmlToBinary (*element, block);

    GraviloHushmoorAudioProcessor q;
    q.setCurrentProgram (4);
    restore (q, block);
    EXPECT_EQ (q.getCurrentProgram(), 0);
    EXPECT_EQ (q.getProgramName (9), "P9");
}

TEST (StateRestoreRules, ActivePresetOutsideTheBankRestoresPresetsButKeepsTheActiveOne)
{
    for (int active : { 12, -1, 99999 })
    {
        GraviloHushmoorAudioProcessor p;
        makeDistinct (p);
        auto element = p.getXmlFromBinary (stateOf (p).getData(), static_cast<int> (stateOf (p).getSize()));
        element->setAttribute ("activePreset", active);
        juce::MemoryBlock block;
        juce::AudioProcessor::copyXmlToBinary (*element, block);

        GraviloHushmoorAudioProcessor q;
        q.setCurrentProgram (4);
        q.paramsChanged_ = false;
        CountingListener listener;
        q.addListener (&listener);
        restore (q, block);

        EXPECT_EQ (q.getCurrentProgram(), 4) << active;
        EXPECT_TRUE (listener.changes.empty()) << active;
        EXPECT_FALSE (q.paramsChanged_.load()) << active;

        // The presets themselves are restored.
        for (int b = 0; b < 12; ++b)
        {
            EXPECT_EQ (q.getProgramName (b), "P" + juce::String (b));
            for (int k = 0; k < 5; ++k)
                EXPECT_EQ (bitsOf (q.getPreset (b).getValue (k)), bitsOf (p.getPreset (b).getValue (k)));
        }
        q.removeListener (&listener);
    }
}

TEST (StateRestoreRules, OnlyTwoAttributes)
{
    GraviloHushmoorAudioProcessor q;
    makeDistinct (q);
    restore (q, container ("<VEZUREZARADADIZUZORUZA PresetName3=\"Three\" threshold3=\"0.75\"/>"));

    const float defaults[5] { 1.0f, 0.0f, 0.0f, 0.134f, 0.367f };
    for (int b = 0; b < 12; ++b)
    {
        EXPECT_EQ (q.getProgramName (b), b == 3 ? "Three" : "");
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ (q.getPreset (b).getValue (k), b == 3 && k == 2 ? 0.75f : defaults[k]) << b << " " << k;
    }
    EXPECT_EQ (q.getCurrentProgram(), 0);
}

TEST (StateRestoreRules, ValuesAreNotClampedAndUnknownAttributesIgnored)
{
    GraviloHushmoorAudioProcessor q;
    restore (q, container ("<VEZUREZARADADIZUZORUZA activePreset=\"2\" bypass2=\"-3\" threshold2=\"1.5\""
                           " attack2=\"1e300\" decay2=\"-1e300\" foo=\"bar\" threshold12=\"0.5\"/>"));
    EXPECT_EQ (q.getCurrentProgram(), 2);
    EXPECT_EQ (q.getParameter (0), -3.0f);
    EXPECT_EQ (q.getParameter (2), 1.5f);
    EXPECT_EQ (q.getParameter (3), std::numeric_limits<float>::infinity());
    EXPECT_EQ (q.getParameter (4), -std::numeric_limits<float>::infinity());
}

TEST (StateRestoreRules, ForeignOrBrokenBlobsChangeNothing)
{
    GraviloHushmoorAudioProcessor q;
    makeDistinct (q);
    const Snapshot before (q);
    const auto beforeBytes = stateOf (q);

    CountingListener listener;
    q.addListener (&listener);

    const auto good = container (expectedFreshXml());
    const auto check = [&] (const void* data, int size, const char* what)
    {
        q.setStateInformation (data, size);
        EXPECT_TRUE (Snapshot (q) == before) << what << " (" << size << " bytes)";
        EXPECT_TRUE (listener.changes.empty()) << what;
        EXPECT_FALSE (q.paramsChanged_.load()) << what;
    };

    // Eight bytes or fewer, even with the right magic and length.
    for (int size = 0; size <= 8; ++size)
        check (good.getData(), size, "short blob");
    check (nullptr, 0, "null");
    check (nullptr, 100, "null with a size");
    check (good.getData(), -5, "negative size");

    // Wrong magic.
    auto wrongMagic = container (expectedFreshXml(), -1, 0x21324357);
    check (wrongMagic.getData(), static_cast<int> (wrongMagic.getSize()), "wrong magic");

    // A stored length of 0, and one with the top bit set.
    auto zeroLength = container (expectedFreshXml(), 0);
    check (zeroLength.getData(), static_cast<int> (zeroLength.getSize()), "length 0");
    auto hugeLength = container (expectedFreshXml(), -1);
    static_cast<std::uint8_t*> (hugeLength.getData())[7] = 0x80;
    check (hugeLength.getData(), static_cast<int> (hugeLength.getSize()), "negative length");

    // Truncated anywhere before the end of the XML text.
    const int xmlEnd = static_cast<int> (good.getSize()) - 1;
    for (int size = 9; size < xmlEnd; ++size)
        check (good.getData(), size, "truncated");

    // A stored length shorter than the text cuts it too.
    auto shortLength = container (expectedFreshXml(), 200);
    check (shortLength.getData(), static_cast<int> (shortLength.getSize()), "short stored length");

    // Corrupt XML, another tag, text that is no XML.
    for (const char* text : { "<VEZUREZARADADIZUZORUZA activePreset=\"0\"", "<VEZUREZARADADIZUZORUZA a=\"1\" a=>",
                              "<OTHER activePreset=\"1\" PresetName0=\"x\"/>", "not xml at all", "<<<>>>",
                              "<vezurezaradadizuzoruza activePreset=\"1\"/>", "\xff\xfe\xfd<VEZ" })
    {
        auto blob = container (juce::String::fromUTF8 (text));
        check (blob.getData(), static_cast<int> (blob.getSize()), text);
    }

    // Bytes that are not UTF-8 at all, ending in a lead byte.
    {
        juce::MemoryOutputStream out;
        out.writeInt (0x21324356);
        out.writeInt (6);
        const std::uint8_t junk[] { 0x3c, 0xc3, 0x28, 0xe2, 0x82, 0xf0 };
        out.write (junk, sizeof junk);
        const auto blob = out.getMemoryBlock();
        check (blob.getData(), static_cast<int> (blob.getSize()), "invalid UTF-8");
    }

    EXPECT_EQ (stateOf (q), beforeBytes);
    q.removeListener (&listener);
}

TEST (StateRestoreRules, RandomBlobsNeverCrash)
{
    std::mt19937 rng (777);
    GraviloHushmoorAudioProcessor q;
    const auto good = container (expectedFreshXml());

    for (int round = 0; round < 2000; ++round)
    {
        juce::MemoryBlock blob (good);
        const int flips = 1 + static_cast<int> (rng() % 8);
        for (int f = 0; f < flips; ++f)
            static_cast<std::uint8_t*> (blob.getData())[rng() % blob.getSize()] = static_cast<std::uint8_t> (rng());
        const int size = static_cast<int> (rng() % (blob.getSize() + 1));
        q.setStateInformation (blob.getData(), size);

        // Whatever got in, the bank is still a bank of twelve and saves again.
        EXPECT_GE (q.getCurrentProgram(), 0);
        EXPECT_LT (q.getCurrentProgram(), 12);
    }

    juce::MemoryBlock block;
    q.getStateInformation (block);
    EXPECT_GT (block.getSize(), 9u);
}

//==============================================================================
namespace
{
    /** The XML text of a state, between the length word and the zero byte. */
    std::string xmlTextOf (GraviloHushmoorAudioProcessor& p)
    {
        const auto block = stateOf (p);
        return std::string (static_cast<const char*> (block.getData()) + 8, block.getSize() - 9);
    }

    /** The value text of one attribute, as it stands in the bytes. */
    std::string rawAttribute (const std::string& xml, const std::string& name)
    {
        const auto key = " " + name + "=\"";
        const auto start = xml.find (key);
        if (start == std::string::npos)
            return "<missing>";
        const auto valueStart = start + key.size();
        return xml.substr (valueStart, xml.find ('"', valueStart) - valueStart);
    }
}

TEST (State, NumbersAreWrittenWithTwentySignificantDigitsAndNoTrailingZeros)
{
    GraviloHushmoorAudioProcessor p;
    p.setCurrentProgram (2);
    p.setParameter (0, 0.5f);
    p.setParameter (1, -0.0f);
    p.setParameter (2, 0.1f);
    p.setParameter (3, std::numeric_limits<float>::denorm_min());
    p.setParameter (4, 1.0e-5f);
    p.setCurrentProgram (0);

    const auto xml = xmlTextOf (p);
    EXPECT_EQ (rawAttribute (xml, "activePreset"), "0");
    EXPECT_EQ (rawAttribute (xml, "bypass0"), "1");
    EXPECT_EQ (rawAttribute (xml, "dualmono0"), "0");
    EXPECT_EQ (rawAttribute (xml, "attack0"), "0.13400000333786010742");
    EXPECT_EQ (rawAttribute (xml, "decay0"), "0.36700001358985900879");
    EXPECT_EQ (rawAttribute (xml, "bypass2"), "0.5");
    EXPECT_EQ (rawAttribute (xml, "dualmono2"), "-0");
    EXPECT_EQ (rawAttribute (xml, "threshold2"), "0.10000000149011611938");
    EXPECT_EQ (rawAttribute (xml, "attack2"), "1.4012984643248170709e-45");
    EXPECT_EQ (rawAttribute (xml, "decay2"), "9.9999997473787516356e-06");
    EXPECT_EQ (xml.find ('\n'), std::string::npos);
    EXPECT_EQ (xml.rfind ("<?xml", 0), std::string::npos);
}

TEST (State, PresetNamesAreEscapedAsTheFrameworksXmlWriterDoes)
{
    GraviloHushmoorAudioProcessor p;
    const auto name = juce::String::fromUTF8 ("a\"b<c>&d'e^f`g\th\ni \xc3\xa9\xe2\x99\xaa");
    p.changeProgramName (5, name);

    const auto xml = xmlTextOf (p);
    EXPECT_EQ (rawAttribute (xml, "PresetName5"),
               "a&quot;b&lt;c&gt;&amp;d'e&#94;f&#96;g&#9;h&#10;i &#233;&#9834;");

    // The same as juce::XmlElement writes the attribute itself.
    juce::XmlElement element ("X");
    element.setAttribute ("n", name);
    const auto written = element.toString (juce::XmlElement::TextFormat().singleLine().withoutHeader());
    EXPECT_EQ (juce::String (rawAttribute (xml, "PresetName5")), written.fromFirstOccurrenceOf ("n=\"", false, false)
                                                                          .upToLastOccurrenceOf ("\"", false, false));

    GraviloHushmoorAudioProcessor q;
    restore (q, stateOf (p));
    EXPECT_EQ (q.getProgramName (5), name);
}

TEST (State, InfinitiesAndNotANumbersKeepTheirSign)
{
    const float values[] { std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                           floatFromBits (0x7fc00000u), floatFromBits (0xffc00000u), -0.0f };

    GraviloHushmoorAudioProcessor p;
    for (int k = 0; k < 5; ++k)
        p.setParameter (k, values[k]);

    const auto xml = xmlTextOf (p);
    EXPECT_EQ (rawAttribute (xml, "bypass0"), "inf");
    EXPECT_EQ (rawAttribute (xml, "dualmono0"), "-inf");
    EXPECT_EQ (rawAttribute (xml, "threshold0"), "nan");
    EXPECT_EQ (rawAttribute (xml, "attack0"), "-nan");
    EXPECT_EQ (rawAttribute (xml, "decay0"), "-0");

    GraviloHushmoorAudioProcessor q;
    restore (q, stateOf (p));
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ (bitsOf (q.getPreset (0).getValue (k)), bitsOf (values[k])) << k;
}

//==============================================================================
namespace
{
    /** The container around raw text bytes (which need not be UTF-8), no zero byte after. */
    juce::MemoryBlock rawContainer (const std::string& text)
    {
        juce::MemoryOutputStream out;
        out.writeInt (0x21324356);
        out.writeInt (static_cast<int> (text.size()));
        out.write (text.data(), text.size());
        return out.getMemoryBlock();
    }

    /** What the framework's own reader makes of a container. */
    std::unique_ptr<juce::XmlElement> frameworkReading (const juce::MemoryBlock& blob)
    {
        return juce::AudioProcessor::getXmlFromBinary (blob.getData(), static_cast<int> (blob.getSize()));
    }
}

TEST (StateRestoreRules, HostileTextIsRefusedWholeAndChangesNothing)
{
    const std::string tag = "VEZUREZARADADIZUZORUZA";
    const std::string cases[] {
        "<" + tag + "><?x?>a</" + tag + ">",                   // made the framework's reader loop forever
        "<E><?" "?>5",
        "<V>&#x",                                              // made it read past the blob
        std::string ("<V t=\"") + '\xff',
        "<" + tag + " PresetName0=\"&foo;\"/>",                // undeclared entity
        "<" + tag + " PresetName0=\"&#0;\"/>",                 // references outside 1 .. 0x10FFFF
        "<" + tag + " PresetName0=\"&#x110000;\"/>",
        "<" + tag + " PresetName0=\"&#99999999999999999999;\"/>",
        "<" + tag + " PresetName0=\"&#x000000041;\"/>",       // longer references than the framework reads
        "<" + tag + " PresetName0=\"&#0000000000065;\"/>",
        "<" + tag + " PresetName0=\"a<b\"/>",
        "<" + tag + " activePreset=\"2\" activePreset=\"3\"/>",
        "<" + tag + "><child/></" + tag + ">",                 // no children, no text, nothing after
        "<" + tag + ">text</" + tag + ">",
        "<" + tag + "/><!-- after -->",
        "<!-- before --><" + tag + "/>",
        "<" + tag + " a=\"1\"b=\"2\"/>",
        "<" + tag + " a=1/>",
        "<" + tag + "></OTHER>",
        "<?xml version=\"1.0\"?><?pi?><" + tag + "/>",
        "<?xml version=\"?>\"?><" + tag + "/>",                // the declaration ends at the first "?>"
        "\xef\xbb\xbf<" + tag + "/>",                          // a byte-order mark is a character to the framework
        "<" + tag.substr (0, 5) + "rezaradadizuzoruza/>",      // the tag differs in case
    };

    for (const auto& text : cases)
    {
        GraviloHushmoorAudioProcessor p;
        makeDistinct (p);
        const auto before = stateOf (p);
        const auto blob = rawContainer (text);

        EXPECT_FALSE (p.restoreState (blob.getData(), static_cast<int> (blob.getSize()))) << text;
        EXPECT_EQ (stateOf (p), before) << text;
    }
}

TEST (StateRestoreRules, NumbersAndNamesReadExactlyWhateverTheirForm)
{
    struct Case { const char* attributes; float threshold; const char* name; };
    const float inf = std::numeric_limits<float>::infinity();
    const Case cases[] {
        { "threshold0=\"1e4294967296\"",               inf,     "" },   // beyond any exponent: infinite or zero, with the sign
        { "threshold0=\"-1e99999999999999999999\"",     -inf,    "" },
        { "threshold0=\"5e-4294967297\"",               0.0f,    "" },
        { "threshold0=\"-0.0000001e-400\"",             -0.0f,   "" },
        { "threshold0=\" +0.25 \"",                     0.25f,   "" },
        { "threshold0=\"2.5E-1\"",                      0.25f,   "" },
        { "threshold0=\"Infinity\"",                    inf,     "" },
        { "threshold0=\"0.1000000014901161193847656250000000000001\"", 0.1f, "" },
        { "threshold0='0.5' PresetName0='a&apos;b'",    0.5f,    "a'b" },
        { "PresetName0=\"&#x1F3B5;&#9834;&lt;&gt;&amp;&quot;\"", 0.0f, "\xf0\x9f\x8e\xb5\xe2\x99\xaa<>&\"" },
        { "PresetName0=\"&#x00000041;&#000000000066;\"",   0.0f,    "AB" },   // the longest references the framework reads
    };

    for (const auto& c : cases)
    {
        GraviloHushmoorAudioProcessor p;
        const auto blob = rawContainer (std::string ("<VEZUREZARADADIZUZORUZA ") + c.attributes + "></VEZUREZARADADIZUZORUZA>");
        ASSERT_TRUE (p.restoreState (blob.getData(), static_cast<int> (blob.getSize()))) << c.attributes;
        EXPECT_EQ (bitsOf (p.getPreset (0).getValue (thresholdParam)), bitsOf (c.threshold)) << c.attributes;
        EXPECT_EQ (p.getProgramName (0), juce::String::fromUTF8 (c.name)) << c.attributes;

        const auto element = frameworkReading (blob);
        ASSERT_NE (element, nullptr) << c.attributes;
        EXPECT_EQ (element->getStringAttribute ("PresetName0"), p.getProgramName (0)) << c.attributes;
    }
}

TEST (StateRestoreRules, NamesTakeAsciiLettersDigitsAndUnderscoreColonHyphenDotOnly)
{
    // An attribute name beside a preset name, with the characters around the set's edges.
    // frameworkAgrees: the framework's reader, in the C locale the tests run in, says the same.
    struct Case { const char* name; bool taken; bool frameworkAgrees; };
    const Case cases[] {
        { "a", true, true },         { "Z", true, true },         { "_x", true, true },       { ":x", true, true },
        { "a:b", true, true },       { "x-y.z09", true, true },
        { "s\xc3\x97", false, true },                        // U+00D7, a letter in no locale
        { "s\xc2\x85", false, true },                        // U+0085, and U+0080..U+009F: never in a name
        { "s\xc2\x80", false, true },  { "s\xc2\x9f", false, true },  { "s\xc2\xa0", false, true },
        { "s\xc3\xa9", false, true },  { "\xc3\xa9s", false, true },    // letters in C.UTF-8, not in C
        { "s\xc2\xaa", false, true },
        { "s\x7f", false, true },   { "s/", false, true },       { "s;", false, true },      { "s@", false, true },
        { "s[", false, true },       { "s^", false, true },       { "s`", false, true },      { "s{", false, true },
        { "s,", false, true },
        { "1s", false, false },      { "-s", false, false },      { ".s", false, false },     // the framework takes these, XML does not
    };

    for (const auto& c : cases)
    {
        GraviloHushmoorAudioProcessor p;
        makeDistinct (p);
        const auto before = stateOf (p);
        const auto blob = rawContainer (std::string ("<VEZUREZARADADIZUZORUZA PresetName0=\"x\" ") + c.name + "=\"\"/>");

        EXPECT_EQ (p.restoreState (blob.getData(), static_cast<int> (blob.getSize())), c.taken) << c.name;
        EXPECT_EQ (p.getProgramName (0), c.taken ? "x" : "P0") << c.name;
        if (! c.taken)
        {
            EXPECT_EQ (stateOf (p), before) << c.name;
        }

        if (c.frameworkAgrees)
        {
            const auto element = frameworkReading (blob);
            EXPECT_EQ (element != nullptr, c.taken) << c.name;
            if (element != nullptr)
            {
                EXPECT_TRUE (element->hasAttribute (c.name)) << c.name;
            }
        }
    }
}

TEST (StateRestoreRules, NumbersAreReadAsGetIntAttributeAndGetDoubleAttributeReadThem)
{
    constexpr int intMax = std::numeric_limits<int>::max(), intMin = std::numeric_limits<int>::min();
    constexpr double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();

    // The text of "activePreset" and of "threshold0"; frameworkAgrees: juce::String reads it the same.
    struct Case { const char* text; int asInt; double asDouble; bool frameworkAgrees; };
    const Case cases[] {
        { "abc12", 0, 0.0, true },   { "12abc", 12, 12.0, true }, { " 3", 3, 3.0, true },      { "+4", 4, 4.0, true },
        { "", 0, 0.0, true },        { "1e3", 1, 1000.0, true },  { "- 5", 0, 0.0, true },     { "+-5", 0, 0.0, true },
        { "\t\n\v\f\r7x", 7, 7.0, true },                       { "\xc2\xa0" "5", 0, 0.0, true },
        { "1e", 1, 1.0, true },      { "1.5e+x", 1, 1.5, true },  { ".5", 0, 0.5, true },      { "5.", 5, 5.0, true },
        { "0x1A", 0, 0.0, true },    { "1,5", 1, 1.0, true },     { "-.e5", 0, 0.0, true },    { "in", 0, 0.0, true },
        { "nanx", 0, nan, true },    { "-Infinity", 0, -inf, true },
        // Where the framework's reader is wrong or undefined: the exact meaning.
        { "-0", 0, -0.0, false },                                // it gives +0, though "-0.0" gives -0
        { "-nan", 0, -nan, false },                              // it drops the sign
        { "0.0000000000000000000001", 0, 1.0e-22, false },       // it drops the digits after the 18th
        { "1e99999999999", 1, inf, false },                      // its exponent overflows
        { "2147483648", intMax, 2147483648.0, false },           // atoi is undefined beyond the int range
        { "-99999999999", intMin, -99999999999.0, false },
    };

    for (const auto& c : cases)
    {
        GraviloHushmoorAudioProcessor p;
        p.setCurrentProgram (5);
        const auto blob = rawContainer (std::string ("<VEZUREZARADADIZUZORUZA activePreset=\"") + c.text
                                          + "\" threshold0=\"" + c.text + "\"/>");

        ASSERT_TRUE (p.restoreState (blob.getData(), static_cast<int> (blob.getSize()))) << c.text;
        EXPECT_EQ (p.getCurrentProgram(), c.asInt >= 0 && c.asInt < 12 ? c.asInt : 5) << c.text;
        EXPECT_EQ (bitsOf (p.getPreset (0).getValue (thresholdParam)), bitsOf (static_cast<float> (c.asDouble))) << c.text;

        if (c.frameworkAgrees)
        {
            const auto text = juce::String::fromUTF8 (c.text);
            EXPECT_EQ (text.getIntValue(), c.asInt) << c.text;
            EXPECT_EQ (bitsOf (static_cast<float> (text.getDoubleValue())), bitsOf (static_cast<float> (c.asDouble))) << c.text;
        }
    }
}

TEST (StateRestoreRules, SavedAfterAnyAcceptedStateRestoresByteForByte)
{
    // What the framework's own writer makes, with its declaration and line breaks, too.
    GraviloHushmoorAudioProcessor p;
    makeDistinct (p);
    auto element = p.getXmlFromBinary (stateOf (p).getData(), static_cast<int> (stateOf (p).getSize()));
    ASSERT_NE (element, nullptr);
    const auto multiLine = element->toString();
    ASSERT_TRUE (multiLine.startsWith ("<?xml") && multiLine.containsChar ('\n'));

    for (const auto& text : { multiLine.toStdString(), std::string (" <VEZUREZARADADIZUZORUZA\tactivePreset = \"3\"\r\n/> ") })
    {
        GraviloHushmoorAudioProcessor q;
        const auto blob = rawContainer (text);
        ASSERT_TRUE (q.restoreState (blob.getData(), static_cast<int> (blob.getSize()))) << text;

        GraviloHushmoorAudioProcessor r;
        const auto saved = stateOf (q);
        ASSERT_TRUE (r.restoreState (saved.getData(), static_cast<int> (saved.getSize())));
        EXPECT_EQ (stateOf (r), saved);
    }
}
