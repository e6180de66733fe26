#pragma once

#include <cstdint>

/** What the host asks of the plug-in through AEffect::dispatcher. */
enum class VstDispatcherOpcode : std::int32_t
{
    open                    = 0,
    close                   = 1,
    setProgram              = 2,
    getProgram              = 3,
    setProgramName          = 4,
    getProgramName          = 5,
    getParameterLabel       = 6,
    getParameterDisplay     = 7,
    getParameterName        = 8,
    setSampleRate           = 10,
    setBlockSize            = 11,
    suspendResume           = 12,
    editorGetRect           = 13,
    editorOpen              = 14,
    editorClose             = 15,
    editorIdle              = 19,
    identify                = 22,
    getChunk                = 23,
    setChunk                = 24,

    processEvents           = 25,
    canBeAutomated          = 26,
    string2parameter        = 27,
    getProgramNameIndexed   = 29,
    getInputProperties      = 33,
    getOutputProperties     = 34,
    getPlugCategory         = 35,
    offlineNotify           = 38,
    offlinePrepare          = 39,
    offlineRun              = 40,
    processVariableIo       = 41,
    setSpeakerArrangement   = 42,
    setBypass               = 44,
    getEffectName           = 45,
    getVendorString         = 47,
    getProductString        = 48,
    getVendorVersion        = 49,
    vendorSpecific          = 50,
    canDo                   = 51,
    getTailSize             = 52,
    getParameterProperties  = 56,
    getVstVersion           = 58,
    editorKeyDown           = 59,
    editorKeyUp             = 60,
    editorSetKnobMode       = 61,
    getMidiProgramName      = 62,
    getCurrentMidiProgram   = 63,
    getMidiProgramCategory  = 64,
    hasMidiProgramsChanged  = 65,
    getMidiKeyName          = 66,
    beginSetProgram         = 67,
    endSetProgram           = 68,
    getSpeakerArrangement   = 69,
    getNextShellPlugin      = 70,
    startProcess            = 71,
    stopProcess             = 72,
    setTotalSampleToProcess = 73,
    setPanLaw               = 74,
    beginLoadBank           = 75,
    beginLoadProgram        = 76,
    setProcessPrecision     = 77,
    getNumMidiInputChannels = 78,
    getNumMidiOutputChannels = 79
};

/** What the plug-in asks of or tells the host through its VstHostCallback. */
enum class VstHostOpcode : std::int32_t
{
    automate                    = 0,
    version                     = 1,
    currentUniqueId             = 2,
    idle                        = 3,
    pinConnected                = 4,
    wantMidi                    = 6,
    getTime                     = 7,
    tempoAt                     = 10,
    getNumAutomatableParameters = 11,
    getParameterQuantization    = 12,
    ioChanged                   = 13,
    needIdle                    = 14,
    sizeWindow                  = 15,
    getSampleRate               = 16,
    getBlockSize                = 17,
    getInputLatency             = 18,
    getOutputLatency            = 19,
    getPreviousPlug             = 20,
    getNextPlug                 = 21,
    willProcessReplacing        = 22,
    getCurrentProcessLevel      = 23,
    getAutomationState          = 24,
    offlineStart                = 25,
    offlineRead                 = 26,
    offlineWrite                = 27,
    offlineGetCurrentPass       = 28,
    offlineGetCurrentMetaPass   = 29,
    setOutputSampleRate         = 30,
    getOutputSpeakerArrangement = 31,
    getVendorString             = 32,
    getProductString            = 33,
    getVendorVersion            = 34,
    vendorSpecific              = 35,
    canDo                       = 37,
    getLanguage                 = 38,
    openWindow                  = 39,
    closeWindow                 = 40,
    getDirectory                = 41,
    updateDisplay               = 42,
    beginEdit                   = 43,
    endEdit                     = 44,
    openFileSelector            = 45,
    closeFileSelector           = 46,
    getChunkFile                = 48,
    getInputSpeakerArrangement  = 49
};

/** The time-info filter that asks for every field the host can give. */
constexpr std::int32_t vstTimeInfoAllFields = 0xFE00;

/** Plug-in category of an audio effect (answered to dispatcher opcode 35). */
constexpr std::int32_t vstPlugCategoryEffect = 1;

/** Process level the host reports while it renders offline. */
constexpr std::int32_t vstProcessLevelOffline = 4;

constexpr std::int32_t toInt (VstDispatcherOpcode op) noexcept  { return static_cast<std::int32_t> (op); }
constexpr std::int32_t toInt (VstHostOpcode op) noexcept        { return static_cast<std::int32_t> (op); }

/** Capability texts of canDo and canHostDo used by these classes and their users. */
namespace PlugCanDos
{
    constexpr const char* canDoReceiveVstMidiEvent = "receiveVstMidiEvent";
}

namespace HostCanDos
{
    constexpr const char* canDoSizeWindow = "sizeWindow";
}
