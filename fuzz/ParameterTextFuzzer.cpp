// The AAX wrapper's reading of a parameter value that a host's user typed: whatever it
// accepts lies in 0..1, and both texts a host shows for that value (the plug-in's own and
// its number display) read back to a value that shows them again.
//
// Input: a byte choosing the parameter index (-1 to 5, so indices beyond the five too),
// then the text.
#include "fuzz/FuzzSupport.h"

#include "plugin/GraviloHushmoorAudioProcessor.h"
#include "wrappers/aax/HushmoorAAXParameterText.h"

#include "AAX_CNumberDisplayDelegate.h"

#include <cmath>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    using hushmoor::fuzz::check;

    if (size == 0)
        return 0;

    const int index = static_cast<int> (data[0] % 7) - 1;
    const std::string_view text (reinterpret_cast<const char*> (data + 1), size - 1);
    const auto value = hushmoor::aax::readParameterText (index, text);

    if (! value)
        return 0;

    check (index >= 0 && index < totalNumParams, "a value for an index that names no parameter");
    check (*value >= 0.0f && *value <= 1.0f, "a value outside 0..1");

    // The text of what was read reads back to a value that shows that text.
    const auto shown = GraviloHushmoorAudioProcessor::getParameterTextForValue (index, *value).toStdString();
    const auto again = hushmoor::aax::readParameterText (index, shown);
    check (again.has_value(), "the plug-in's own text was refused");
    check (GraviloHushmoorAudioProcessor::getParameterTextForValue (index, *again).toStdString() == shown,
           "the plug-in's own text read back to another");

    // So does the host's number display of it, at every length the host may ask for.
    const AAX_CNumberDisplayDelegate<float, 3u, 0u> display;

    for (std::int32_t length = 1; length <= 8; ++length)
    {
        AAX_CString number, numberAgain;
        display.ValueToString (*value, length, &number);
        const auto read = hushmoor::aax::readParameterText (index, number.Get());
        check (read.has_value(), "the host's number display was refused");
        display.ValueToString (*read, length, &numberAgain);
        check (number == numberAgain, "the host's number display read back to another");
    }

    return 0;
}
