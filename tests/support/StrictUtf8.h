#pragma once

#include <iconv.h>

#include <string>

namespace hushmoor::test
{
    /** Strict UTF-8 (no surrogates, overlong forms, code points above U+10FFFF or cut-off
        characters), as the C library's converter judges it, not the plug-in's own code. */
    inline bool isStrictUtf8 (std::string text)
    {
        const auto converter = iconv_open ("UTF-32LE", "UTF-8");
        std::string out (4 * text.size() + 4, '\0');
        char *in = text.data(), *to = out.data();
        std::size_t inLeft = text.size(), outLeft = out.size();
        const bool converted = iconv (converter, &in, &inLeft, &to, &outLeft) != static_cast<std::size_t> (-1);
        iconv_close (converter);
        return converted && inLeft == 0;
    }
}
