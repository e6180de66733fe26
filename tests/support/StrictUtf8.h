#pragma once

#include <iconv.h>

#include <string>

namespace hushmoor::test
{
    /** Strict UTF-8 as the C library's converter judges it: no surrogates, overlong forms,
        code points above U+10FFFF or cut-off characters. Independent of the plug-in's own
        decoding. */
    inline bool isStrictUtf8 (std::string text)
    {
        const auto converter = iconv_open ("UTF-32LE", "UTF-8");
        std::string out (4 * text.size() + 4, '\0');
        char* in = text.data();
        char* to = out.data();
        std::size_t inLeft = text.size(), outLeft = out.size();
        const bool converted = iconv (converter, &in, &inLeft, &to, &outLeft) != static_cast<std::size_t> (-1);
        iconv_close (converter);
        return converted && inLeft == 0;
    }
}
