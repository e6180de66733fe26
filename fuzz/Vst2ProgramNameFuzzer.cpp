// Any bytes as the program names a VST 2.4 host hands over (a legacy 8-bit encoding,
// garbage, names longer than the field): each name reads back as UTF-8 within the
// 24-byte field, and the state saved afterwards restores into another instance byte for
// byte.
//
// Input: records of a program byte (taken modulo 12), a length byte and that many bytes
// of name.
#include "fuzz/Vst2FuzzSupport.h"

#include <iconv.h>

#include <cstring>
#include <string>

namespace
{
    using namespace hushmoor::fuzz::vst2;

    constexpr int numPrograms = 12;
    constexpr std::size_t fieldLength = 24;

    /** Strict UTF-8 (no surrogates, overlong forms, code points above U+10FFFF or cut-off
        characters), as the C library's converter judges it, not the plug-in's own code. */
    bool isStrictUtf8 (std::string text)
    {
        const auto converter = iconv_open ("UTF-32LE", "UTF-8");
        std::string out (4 * text.size() + 4, '\0');
        char *in = text.data(), *to = out.data();
        std::size_t inLeft = text.size(), outLeft = out.size();
        const bool converted = iconv (converter, &in, &inLeft, &to, &outLeft) != static_cast<std::size_t> (-1);
        iconv_close (converter);
        return converted && inLeft == 0;
    }

    struct Instances
    {
        ~Instances()
        {
            close (plugin);
            close (second);
        }

        AEffect* const plugin = makeInstance();
        AEffect* const second = makeInstance();
    };
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    using hushmoor::fuzz::check;

    static Instances instances;
    auto* const plugin = instances.plugin;
    hushmoor::fuzz::ByteReader input (data, size);

    while (! input.atEnd())
    {
        const auto program = static_cast<std::intptr_t> (input.take<std::uint8_t>() % numPrograms);
        auto name = input.takeText();
        dispatch (plugin, VstDispatcherOpcode::setProgram, 0, program, nullptr);
        dispatch (plugin, VstDispatcherOpcode::setProgramName, 0, 0, name.data());

        char shown[64];
        std::memset (shown, 0x7f, sizeof shown);
        dispatch (plugin, VstDispatcherOpcode::getProgramName, 0, 0, shown);

        const auto* end = static_cast<const char*> (std::memchr (shown, 0, fieldLength + 1));
        check (end != nullptr, "a name longer than the field");
        check (end + 1 == shown + sizeof shown || end[1] == 0x7f, "written past the name's end");
        check (isStrictUtf8 (std::string (shown, static_cast<std::size_t> (end - shown))), "a name that is not UTF-8");
    }

    const auto saved = chunkOf (plugin);
    check (setChunk (instances.second, saved) == 1, "a saved state was refused");
    check (chunkOf (instances.second) == saved, "a saved state does not restore byte for byte");
    return 0;
}
