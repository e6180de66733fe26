#include "vst2/AudioEffect.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace
{
    using int32 = std::int32_t;
    using intptr = std::intptr_t;

    AudioEffect* effectOf (AEffect* e) noexcept
    {
        return e != nullptr ? static_cast<AudioEffect*> (e->object) : nullptr;
    }

    /** Copies source into text, cut at maxLen characters, and NUL-terminates at maxLen too. */
    void writeText (const char* source, char* text, int32 maxLen) noexcept
    {
        if (text == nullptr || maxLen < 0)
            return;

        const auto limit = static_cast<std::size_t> (maxLen);
        std::size_t length = 0;

        while (length < limit && source[length] != 0)
        {
            text[length] = source[length];
            ++length;
        }

        text[length] = 0;
        text[limit] = 0;
    }

    /** Appends the decimal digits of value (no leading zeros, "0" for zero). */
    char* appendDigits (char* out, std::uint64_t value) noexcept
    {
        char reversed[24];
        int count = 0;

        do
        {
            reversed[count++] = static_cast<char> ('0' + static_cast<int> (value % 10));
            value /= 10;
        }
        while (value != 0);

        while (count > 0)
            *out++ = reversed[--count];

        return out;
    }
}

//==============================================================================
AudioEffect::AudioEffect (VstHostCallback callback, int32 numPrograms, int32 numParams)
    : hostCallback (callback), programCount (numPrograms), parameterCount (numParams)
{
    std::memset (&aeffect, 0, sizeof (aeffect));

    aeffect.magic = vstEffectMagic;
    aeffect.dispatcher = dispatchEffectClass;
    aeffect.processDeprecated = __processClassDeprecated;
    aeffect.setParameter = setParameterClass;
    aeffect.getParameter = getParameterClass;
    aeffect.numPrograms = numPrograms;
    aeffect.numParams = numParams;
    aeffect.numInputs = 1;
    aeffect.numOutputs = 2;
    aeffect.flags = toBits (VstEffectFlags::canReplacing);
    aeffect.ioSampleRatio = 1.0f;
    aeffect.object = this;
    aeffect.uniqueID = vstDefaultUniqueID;
    aeffect.version = 1;
    aeffect.processReplacing = processClassReplacing;
    aeffect.processDoubleReplacing = processClassDoubleReplacing;
}

AudioEffect::~AudioEffect() = default;

//==============================================================================
AudioEffect::intptr AudioEffect::dispatcher (int32 opcode, int32 index, intptr value, void* ptr, float opt)
{
    // Unsigned, so negative opcodes land beyond the table with the unknown ones.
    switch (static_cast<std::uint32_t> (opcode))
    {
        case 0:  open(); return 0;
        case 1:  close(); return 0;

        case 2:
            // A program index below zero would select a slot that does not exist.
            if (value >= 0 && value < programCount)
                setProgram (static_cast<int32> (value));
            return 0;

        case 3:  return getProgram();

        // A host that passes no buffer gets nothing, rather than a write through null.
        case 4:  if (ptr != nullptr) setProgramName (static_cast<const char*> (ptr)); return 0;
        case 5:  if (ptr != nullptr) getProgramName (static_cast<char*> (ptr)); return 0;
        case 6:  if (ptr != nullptr) getParameterLabel (index, static_cast<char*> (ptr)); return 0;
        case 7:  if (ptr != nullptr) getParameterDisplay (index, static_cast<char*> (ptr)); return 0;
        case 8:  if (ptr != nullptr) getParameterName (index, static_cast<char*> (ptr)); return 0;

        case 10:
            // A rate of zero, below zero or not a number would poison every time constant.
            if (std::isfinite (opt) && opt > 0.0f)
                setSampleRate (opt);
            return 0;

        case 11:
            if (value > 0 && value <= std::numeric_limits<int32>::max())
                setBlockSize (static_cast<int32> (value));
            return 0;

        case 12:
            if (value == 0)
                suspend();
            else
                resume();
            return 0;

        case 13: return (editor != nullptr && ptr != nullptr && editor->queryRect (ptr)) ? 1 : 0;
        case 14: return (editor != nullptr && editor->openView (ptr)) ? 1 : 0;
        case 15: if (editor != nullptr) editor->closeView(); return 0;
        case 19: if (editor != nullptr) editor->idleView(); return 0;

        case 22: return vstIdentifyAnswer;

        case 23:
            if (ptr == nullptr)
                return 0;
            return getChunk (static_cast<void**> (ptr), index != 0);

        case 24:
            // An empty chunk, a size that does not fit, or no data: nothing to restore.
            if (ptr == nullptr || value <= 0 || value > std::numeric_limits<int32>::max())
                return 0;
            return setChunk (ptr, static_cast<int32> (value), index != 0);

        default:
            return 0;
    }
}

void AudioEffect::processDoubleReplacing (double**, double**, int32) {}
void AudioEffect::__processDeprecated (float**, float**, int32) {}

void AudioEffect::setParameter (int32, float) {}
float AudioEffect::getParameter (int32)                  { return 0.0f; }

void AudioEffect::setParameterAutomated (int32 index, float value)
{
    setParameter (index, value);
    callHost (VstHostOpcode::automate, index, 0, nullptr, value);
}

void AudioEffect::setProgramName (const char*) {}
void AudioEffect::getProgramName (char* name)                    { if (name != nullptr) name[0] = 0; }
void AudioEffect::getParameterLabel (int32, char* label)         { if (label != nullptr) label[0] = 0; }
void AudioEffect::getParameterDisplay (int32, char* text)        { if (text != nullptr) text[0] = 0; }
void AudioEffect::getParameterName (int32, char* text)           { if (text != nullptr) text[0] = 0; }

AudioEffect::int32 AudioEffect::getChunk (void**, bool)          { return 0; }
AudioEffect::int32 AudioEffect::setChunk (void*, int32, bool)    { return 0; }

//==============================================================================
AudioEffect::intptr AudioEffect::callHost (VstHostOpcode opcode, int32 index, intptr value, void* ptr, float opt)
{
    if (hostCallback == nullptr)
        return 0;

    return hostCallback (&aeffect, toInt (opcode), index, value, ptr, opt);
}

void AudioEffect::setFlag (VstEffectFlags flag, bool state) noexcept
{
    if (state)
        aeffect.flags |= toBits (flag);
    else
        aeffect.flags &= ~toBits (flag);
}

AudioEffect::int32 AudioEffect::getMasterVersion()
{
    const auto answer = static_cast<int32> (callHost (VstHostOpcode::version));
    return answer != 0 ? answer : 1;
}

AudioEffect::int32 AudioEffect::getCurrentUniqueId()
{
    return static_cast<int32> (callHost (VstHostOpcode::currentUniqueId));
}

void AudioEffect::masterIdle()
{
    callHost (VstHostOpcode::idle);
}

bool AudioEffect::__isInputConnectedDeprecated (int32 input)
{
    // The host answers 0 for a connected pin.
    return static_cast<int32> (callHost (VstHostOpcode::pinConnected, input, 0)) == 0;
}

bool AudioEffect::__isOutputConnectedDeprecated (int32 output)
{
    return static_cast<int32> (callHost (VstHostOpcode::pinConnected, output, 1)) == 0;
}

//==============================================================================
void AudioEffect::float2string (float value, char* text, int32 maxLen)
{
    constexpr std::size_t width = 8;

    if (std::isnan (value))
        return writeText ("NaN", text, maxLen);

    // In double: as a float, 99999999 would round up to the 100000000 it must refuse.
    const auto wide = static_cast<double> (value);

    if (wide > 99999999.0 || wide < -9999999.0)
        return writeText ("Huge!", text, maxLen);

    const double magnitude = std::fabs (wide);
    char buffer[32];
    char* end = buffer;

    if (value < 0.0f)
        *end++ = '-';

    end = appendDigits (end, static_cast<std::uint64_t> (std::floor (magnitude)));
    auto headLength = static_cast<std::size_t> (end - buffer);

    // Integer parts too long for a point within eight characters show as whole digits.
    if (headLength < width)
    {
        *end++ = '.';
        ++headLength;

        if (headLength < width)
        {
            const auto digits = width - headLength;
            double scale = 1.0;

            for (std::size_t i = 0; i < digits; ++i)
                scale *= 10.0;

            auto fraction = static_cast<std::uint64_t> (std::floor (std::fmod (magnitude, 1.0) * scale));
            const auto limit = static_cast<std::uint64_t> (scale) - 1;

            if (fraction > limit)
                fraction = limit;

            for (std::size_t i = digits; i > 0; --i)
            {
                end[i - 1] = static_cast<char> ('0' + static_cast<int> (fraction % 10));
                fraction /= 10;
            }

            end += digits;
        }
    }

    *end = 0;
    writeText (buffer, text, maxLen);
}

void AudioEffect::int2string (int32 value, char* text, int32 maxLen)
{
    if (value >= 100000000)
        return writeText ("Huge!", text, maxLen);

    char buffer[16];
    char* end = buffer;
    auto wide = static_cast<std::int64_t> (value);

    if (wide < 0)
    {
        *end++ = '-';
        wide = -wide;
    }

    end = appendDigits (end, static_cast<std::uint64_t> (wide));
    *end = 0;
    writeText (buffer, text, maxLen);
}

void AudioEffect::dB2string (float value, char* text, int32 maxLen)
{
    if (value <= 0.0f)
        return writeText ("-oo", text, maxLen);

    float2string (static_cast<float> (20.0 * std::log10 (static_cast<double> (value))), text, maxLen);
}

void AudioEffect::Hz2string (float samples, char* text, int32 maxLen)
{
    if (samples == 0.0f)
        return float2string (0.0f, text, maxLen);

    float2string (getSampleRate() / samples, text, maxLen);
}

void AudioEffect::ms2string (float samples, char* text, int32 maxLen)
{
    float2string (static_cast<float> (static_cast<double> (samples) * 1000.0 / static_cast<double> (getSampleRate())),
                  text, maxLen);
}

//==============================================================================
AudioEffect::intptr AudioEffect::dispatchEffectClass (AEffect* e, int32 opcode, int32 index, intptr value, void* ptr, float opt)
{
    auto* effect = effectOf (e);

    if (effect == nullptr)
        return 0;

    const auto result = effect->dispatcher (opcode, index, value, ptr, opt);

    if (opcode == toInt (VstDispatcherOpcode::close))
    {
        delete effect;
        return 1;
    }

    return result;
}

void AudioEffect::__processClassDeprecated (AEffect* e, float** inputs, float** outputs, int32 sampleFrames)
{
    if (auto* effect = effectOf (e))
        effect->__processDeprecated (inputs, outputs, sampleFrames);
}

void AudioEffect::setParameterClass (AEffect* e, int32 index, float value)
{
    if (auto* effect = effectOf (e))
        effect->setParameter (index, value);
}

float AudioEffect::getParameterClass (AEffect* e, int32 index)
{
    auto* effect = effectOf (e);
    return effect != nullptr ? effect->getParameter (index) : 0.0f;
}

void AudioEffect::processClassReplacing (AEffect* e, float** inputs, float** outputs, int32 sampleFrames)
{
    if (auto* effect = effectOf (e))
        effect->processReplacing (inputs, outputs, sampleFrames);
}

void AudioEffect::processClassDoubleReplacing (AEffect* e, double** inputs, double** outputs, int32 sampleFrames)
{
    if (auto* effect = effectOf (e))
        effect->processDoubleReplacing (inputs, outputs, sampleFrames);
}
