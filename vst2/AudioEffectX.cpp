#include "vst2/AudioEffectX.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace
{
    using int32 = std::int32_t;
    using intptr = std::intptr_t;

    intptr fromBool (bool b) noexcept          { return b ? 1 : 0; }

    /** The low byte of a float argument truncated towards zero; 0 when it is no number. */
    std::uint8_t lowByteOf (float opt) noexcept
    {
        if (! std::isfinite (opt) || std::fabs (opt) >= 2147483648.0f)
            return 0;

        return static_cast<std::uint8_t> (static_cast<std::uint32_t> (static_cast<int32> (opt)) & 0xffu);
    }
}

AudioEffectX::AudioEffectX (VstHostCallback callback, int32 numPrograms, int32 numParams)
    : AudioEffect (callback, numPrograms, numParams)
{
}

AudioEffectX::~AudioEffectX() = default;

//==============================================================================
AudioEffectX::intptr AudioEffectX::dispatcher (int32 opcode, int32 index, intptr value, void* ptr, float opt)
{
    // Opcodes whose argument the callee would read or write through: without one there
    // is nothing to answer.
    const auto needsPointer = [ptr] { return ptr == nullptr; };

    switch (opcode)
    {
        case 25: return needsPointer() ? 0 : processEvents (static_cast<VstEvents*> (ptr));
        case 26: return fromBool (canParameterBeAutomated (index));
        case 27: return needsPointer() ? 0 : fromBool (string2parameter (index, static_cast<const char*> (ptr)));
        case 29: return needsPointer() ? 0 : fromBool (getProgramNameIndexed (static_cast<int32> (value), index, static_cast<char*> (ptr)));
        case 33: return needsPointer() ? 0 : fromBool (getInputProperties (index, static_cast<VstPinProperties*> (ptr)));
        case 34: return needsPointer() ? 0 : fromBool (getOutputProperties (index, static_cast<VstPinProperties*> (ptr)));
        case 35: return static_cast<intptr> (static_cast<std::uint32_t> (getPlugCategory()));
        case 38: return fromBool (offlineNotify (static_cast<VstAudioFile*> (ptr), static_cast<int32> (value), index != 0));
        case 39: return fromBool (offlinePrepare (static_cast<VstOfflineTask*> (ptr), static_cast<int32> (value)));
        case 40: return fromBool (offlineRun (static_cast<VstOfflineTask*> (ptr), static_cast<int32> (value)));
        case 41: return needsPointer() ? 0 : fromBool (processVariableIo (static_cast<VstVariableIo*> (ptr)));
        case 42: return fromBool (setSpeakerArrangement (reinterpret_cast<VstSpeakerArrangement*> (value),
                                                         static_cast<VstSpeakerArrangement*> (ptr)));
        case 44: return fromBool (setBypass (value != 0));
        case 45: return needsPointer() ? 0 : fromBool (getEffectName (static_cast<char*> (ptr)));
        case 47: return needsPointer() ? 0 : fromBool (getVendorString (static_cast<char*> (ptr)));
        case 48: return needsPointer() ? 0 : fromBool (getProductString (static_cast<char*> (ptr)));
        case 49: return getVendorVersion();
        case 50: return vendorSpecific (index, value, ptr, opt);
        case 51: return needsPointer() ? 0 : canDo (static_cast<const char*> (ptr));
        case 52: return getGetTailSize();
        case 56: return needsPointer() ? 0 : fromBool (getParameterProperties (index, static_cast<VstParameterProperties*> (ptr)));
        case 58: return getVstVersion();

        case 59:
        case 60:
        {
            if (editor == nullptr)
                return 0;

            EditorKeyCode key;
            key.keyCharacter = index;
            key.virtualKey = static_cast<std::uint8_t> (static_cast<std::uintptr_t> (value) & 0xffu);
            key.modifierKeys = lowByteOf (opt);
            return fromBool (opcode == 59 ? editor->keyDown (key) : editor->keyUp (key));
        }

        case 61: return editor != nullptr ? fromBool (editor->changeKnobMode (static_cast<int32> (value))) : 0;
        case 62: return needsPointer() ? 0 : getMidiProgramName (index, static_cast<MidiProgramName*> (ptr));
        // Without a record the answer is "no current program", never program 0.
        case 63: return needsPointer() ? -1 : getCurrentMidiProgram (index, static_cast<MidiProgramName*> (ptr));
        case 64: return needsPointer() ? 0 : getMidiProgramCategory (index, static_cast<MidiProgramCategory*> (ptr));
        case 65: return fromBool (hasMidiProgramsChanged (index));
        case 66: return needsPointer() ? 0 : fromBool (getMidiKeyName (index, static_cast<MidiKeyName*> (ptr)));
        case 67: return fromBool (beginSetProgram());
        case 68: return fromBool (endSetProgram());
        case 69: return fromBool (getSpeakerArrangement (reinterpret_cast<VstSpeakerArrangement**> (value),
                                                         static_cast<VstSpeakerArrangement**> (ptr)));
        case 70: return needsPointer() ? 0 : getNextShellPlugin (static_cast<char*> (ptr));
        case 71: return startProcess();
        case 72: return stopProcess();
        case 73: return setTotalSampleToProcess (static_cast<int32> (value));
        case 74: return fromBool (setPanLaw (static_cast<int32> (value), opt));
        case 75: return needsPointer() ? 0 : beginLoadBank (static_cast<VstPatchChunkInfo*> (ptr));
        case 76: return needsPointer() ? 0 : beginLoadProgram (static_cast<VstPatchChunkInfo*> (ptr));
        case 77: return fromBool (setProcessPrecision (static_cast<int32> (value)));
        case 78: return getNumMidiInputChannels();
        case 79: return getNumMidiOutputChannels();

        default:
            return AudioEffect::dispatcher (opcode, index, value, ptr, opt);
    }
}

void AudioEffectX::resume()
{
    if (hasFlag (VstEffectFlags::isSynth) || canDo (PlugCanDos::canDoReceiveVstMidiEvent) == 1)
        __wantEventsDeprecated (1);
}

bool AudioEffectX::getSpeakerArrangement (VstSpeakerArrangement** input, VstSpeakerArrangement** output)
{
    if (input != nullptr)
        *input = nullptr;

    if (output != nullptr)
        *output = nullptr;

    return false;
}

//==============================================================================
bool AudioEffectX::allocateArrangement (VstSpeakerArrangement** arrangement, int32 channels)
{
    constexpr auto speakerSize = static_cast<std::int64_t> (sizeof (VstSpeakerProperties));
    const auto size = static_cast<std::int64_t> (VstSpeakerArrangement::headSize) + speakerSize * channels;

    // A count below zero or a record larger than 32 bits can describe would only make the
    // allocation throw into the host.
    if (arrangement == nullptr || channels < 0 || size > std::numeric_limits<int32>::max())
        return false;

    // Released here as the byte array it is, not through a possibly overridden deallocateArrangement.
    delete[] reinterpret_cast<std::uint8_t*> (*arrangement);
    *arrangement = nullptr;

    auto* bytes = new std::uint8_t[static_cast<std::size_t> (size)]();
    auto* record = reinterpret_cast<VstSpeakerArrangement*> (bytes);
    record->channelCount = channels;
    *arrangement = record;
    return true;
}

bool AudioEffectX::deallocateArrangement (VstSpeakerArrangement** arrangement)
{
    if (arrangement != nullptr && *arrangement != nullptr)
    {
        delete[] reinterpret_cast<std::uint8_t*> (*arrangement);
        *arrangement = nullptr;
    }

    return true;
}

bool AudioEffectX::copySpeaker (VstSpeakerProperties* to, VstSpeakerProperties* from)
{
    if (to == nullptr || from == nullptr)
        return false;

    std::strncpy (to->speakerName, from->speakerName, sizeof (to->speakerName) - 1);
    to->speakerName[sizeof (to->speakerName) - 1] = 0;
    to->speakerType = from->speakerType;
    std::memcpy (to->speakerPosition, from->speakerPosition, sizeof (to->speakerPosition));
    std::memcpy (to->speakerReserved, from->speakerReserved, sizeof (to->speakerReserved));
    return true;
}

bool AudioEffectX::matchArrangement (VstSpeakerArrangement** to, VstSpeakerArrangement* from)
{
    if (to == nullptr || from == nullptr)
        return false;

    if (! deallocateArrangement (to) || ! allocateArrangement (to, from->channelCount))
        return false;

    auto* copy = *to;
    copy->arrangementType = from->arrangementType;

    for (int32 i = 0; i < copy->channelCount; ++i)
        if (! copySpeaker (copy->getChannel (i), from->getChannel (i)))
            return false;

    return true;
}
