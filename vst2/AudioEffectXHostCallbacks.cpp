// The extended host-callback wrappers of AudioEffectX: each asks or tells the host one
// thing and turns its answer into the operation's result.

#include "vst2/AudioEffectX.h"

namespace
{
    using int32 = std::int32_t;
    using intptr = std::intptr_t;

    int32 low32 (intptr answer) noexcept      { return static_cast<int32> (answer); }

    template <typename Pointer>
    Pointer* asPointer (intptr answer) noexcept
    {
        return reinterpret_cast<Pointer*> (answer);
    }
}

void AudioEffectX::__wantEventsDeprecated (int32 filter)                 { callHost (VstHostOpcode::wantMidi, 0, filter); }
VstTimeInfo* AudioEffectX::getTimeInfo (int32 filter)                   { return asPointer<VstTimeInfo> (callHost (VstHostOpcode::getTime, 0, filter)); }
AudioEffectX::int32 AudioEffectX::__tempoAtDeprecated (int32 position)  { return low32 (callHost (VstHostOpcode::tempoAt, 0, position)); }

AudioEffectX::int32 AudioEffectX::__getNumAutomatableParametersDeprecated()  { return low32 (callHost (VstHostOpcode::getNumAutomatableParameters)); }
AudioEffectX::int32 AudioEffectX::__getParameterQuantizationDeprecated()     { return low32 (callHost (VstHostOpcode::getParameterQuantization)); }

bool AudioEffectX::ioChanged()                                           { return callHost (VstHostOpcode::ioChanged) != 0; }
bool AudioEffectX::__needIdleDeprecated()                                { return callHost (VstHostOpcode::needIdle) != 0; }
bool AudioEffectX::sizeWindow (int32 width, int32 height)                { return callHost (VstHostOpcode::sizeWindow, width, height) != 0; }

double AudioEffectX::updateSampleRate()
{
    const auto answer = callHost (VstHostOpcode::getSampleRate);

    if (answer > 0)
        sampleRate = static_cast<float> (answer);

    return static_cast<double> (sampleRate);
}

AudioEffectX::int32 AudioEffectX::updateBlockSize()
{
    const auto answer = low32 (callHost (VstHostOpcode::getBlockSize));

    if (answer > 0)
        blockSize = answer;

    return blockSize;
}

AudioEffectX::int32 AudioEffectX::getInputLatency()                      { return low32 (callHost (VstHostOpcode::getInputLatency)); }
AudioEffectX::int32 AudioEffectX::getOutputLatency()                     { return low32 (callHost (VstHostOpcode::getOutputLatency)); }

// The host's protocol takes no pin number for these two.
AEffect* AudioEffectX::__getPreviousPlugDeprecated (int32)               { return asPointer<AEffect> (callHost (VstHostOpcode::getPreviousPlug)); }
AEffect* AudioEffectX::__getNextPlugDeprecated (int32)                   { return asPointer<AEffect> (callHost (VstHostOpcode::getNextPlug)); }

AudioEffectX::int32 AudioEffectX::__willProcessReplacingDeprecated()     { return low32 (callHost (VstHostOpcode::willProcessReplacing)); }
AudioEffectX::int32 AudioEffectX::getCurrentProcessLevel()               { return low32 (callHost (VstHostOpcode::getCurrentProcessLevel)); }
AudioEffectX::int32 AudioEffectX::getAutomationState()                   { return low32 (callHost (VstHostOpcode::getAutomationState)); }

bool AudioEffectX::offlineStart (VstAudioFile* files, int32 audioFileCount, int32 newAudioFileCount)
{
    return callHost (VstHostOpcode::offlineStart, newAudioFileCount, audioFileCount, files) != 0;
}

bool AudioEffectX::offlineRead (VstOfflineTask* task, VstOfflineOption option, bool readSource)
{
    return callHost (VstHostOpcode::offlineRead, readSource ? 1 : 0, option, task) != 0;
}

bool AudioEffectX::offlineWrite (VstOfflineTask* task, VstOfflineOption option)
{
    return callHost (VstHostOpcode::offlineWrite, 0, option, task) != 0;
}

AudioEffectX::int32 AudioEffectX::offlineGetCurrentPass()                { return callHost (VstHostOpcode::offlineGetCurrentPass) != 0 ? 1 : 0; }
AudioEffectX::int32 AudioEffectX::offlineGetCurrentMetaPass()            { return callHost (VstHostOpcode::offlineGetCurrentMetaPass) != 0 ? 1 : 0; }

void AudioEffectX::__setOutputSamplerateDeprecated (float rate)          { callHost (VstHostOpcode::setOutputSampleRate, 0, 0, nullptr, rate); }

VstSpeakerArrangement* AudioEffectX::__getOutputSpeakerArrangementDeprecated()
{
    return asPointer<VstSpeakerArrangement> (callHost (VstHostOpcode::getOutputSpeakerArrangement));
}

VstSpeakerArrangement* AudioEffectX::__getInputSpeakerArrangementDeprecated()
{
    return asPointer<VstSpeakerArrangement> (callHost (VstHostOpcode::getInputSpeakerArrangement));
}

bool AudioEffectX::getHostVendorString (char* text)                      { return callHost (VstHostOpcode::getVendorString, 0, 0, text) != 0; }
bool AudioEffectX::getHostProductString (char* text)                     { return callHost (VstHostOpcode::getProductString, 0, 0, text) != 0; }
AudioEffectX::int32 AudioEffectX::getHostVendorVersion()                 { return low32 (callHost (VstHostOpcode::getVendorVersion)); }

AudioEffectX::intptr AudioEffectX::hostVendorSpecific (int32 index, intptr value, void* ptr, float opt)
{
    return callHost (VstHostOpcode::vendorSpecific, index, value, ptr, opt);
}

AudioEffectX::int32 AudioEffectX::canHostDo (const char* text)
{
    // The host only reads the text; the protocol's pointer is not const.
    return callHost (VstHostOpcode::canDo, 0, 0, const_cast<char*> (text)) != 0 ? 1 : 0;
}

AudioEffectX::int32 AudioEffectX::getHostLanguage()                      { return low32 (callHost (VstHostOpcode::getLanguage)); }

void* AudioEffectX::__openWindowDeprecated (__VstWindowDeprecated* window)
{
    return asPointer<void> (callHost (VstHostOpcode::openWindow, 0, 0, window));
}

bool AudioEffectX::__closeWindowDeprecated (__VstWindowDeprecated* window)
{
    return callHost (VstHostOpcode::closeWindow, 0, 0, window) != 0;
}

void* AudioEffectX::getDirectory()                                       { return asPointer<void> (callHost (VstHostOpcode::getDirectory)); }
bool AudioEffectX::updateDisplay()                                       { return callHost (VstHostOpcode::updateDisplay) != 0; }
bool AudioEffectX::beginEdit (int32 index)                               { return callHost (VstHostOpcode::beginEdit, index) != 0; }
bool AudioEffectX::endEdit (int32 index)                                 { return callHost (VstHostOpcode::endEdit, index) != 0; }

bool AudioEffectX::openFileSelector (VstFileSelect* select)
{
    return select != nullptr && callHost (VstHostOpcode::openFileSelector, 0, 0, select) != 0;
}

bool AudioEffectX::closeFileSelector (VstFileSelect* select)
{
    return select != nullptr && callHost (VstHostOpcode::closeFileSelector, 0, 0, select) != 0;
}

bool AudioEffectX::__getChunkFileDeprecated (void* nativePath)
{
    return nativePath != nullptr && callHost (VstHostOpcode::getChunkFile, 0, 0, nativePath) != 0;
}
