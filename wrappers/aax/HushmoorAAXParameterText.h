#pragma once

#include <optional>
#include <string_view>

namespace hushmoor::aax
{
    /**
        The value of a processor parameter for a text a host's user typed: every text the
        processor shows ("-oo", "-37.89 dB", "2.00 ms", "On", "Off") reads back to a value
        that shows the same text. A number may come without its unit; a number beyond the
        parameter's range gives the end of the range; a number with more decimals than shown
        gives the value that shows the nearest text above it. Nothing for any other text,
        or for an index that names no parameter.
    */
    std::optional<float> readParameterText (int index, std::string_view text);
}
