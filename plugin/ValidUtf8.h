#pragma once

#include <juce_core/juce_core.h>

#include <cstddef>

namespace hushmoor
{
    /**
        Text from bytes that should be UTF-8 but need not be (a host's legacy 8-bit
        encoding, or garbage): every sequence that is not UTF-8 (a stray or impossible
        byte, an overlong form, a surrogate, a code point above U+10FFFF) becomes one
        U+FFFD per maximal ill-formed part, as Unicode recommends, so that whatever is
        kept can be written and read back. A character cut off at the very end, which is
        what cutting a longer name to a field's length leaves, is left out. The text ends
        at the first zero byte.
    */
    juce::String makeValidUtf8 (const char* bytes, std::size_t numBytes);

    /** True when the bytes are well-formed UTF-8 throughout (a zero byte is a character like
        any other): no stray bytes, overlong forms, surrogates, code points above U+10FFFF
        or a sequence cut off at the end. */
    bool isValidUtf8 (const char* bytes, std::size_t numBytes) noexcept;

    /** The same for a string that may hold such bytes; a valid one comes back as it is. */
    juce::String makeValidUtf8 (const juce::String& text);
}
