#pragma once

#include <optional>
#include <string_view>

namespace hushmoor::aax
{
    /**
        The value of a processor parameter for a text a host hands back: every text the
        host is shown reads back to a value that shows the same text again.
        - A bare number is the value from 0 to 1 itself, as the host's number display shows
          it ("0.250"); one with a minus sign or above 1 is refused.
        - The processor's own texts ("-oo", "-37.89 dB", "2.00 ms", "On", "Off") in any
          case; a number of decibels or milliseconds needs its unit, or the start of it
          that a host's length limit left ("-37.89 d"). A number with more decimals than
          shown gives the value that shows the nearest text above it; one beyond the
          numbers the parameter shows is refused.
        Nothing for any other text, or for an index that names no parameter.
    */
    std::optional<float> readParameterText (int index, std::string_view text);
}
