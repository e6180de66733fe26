#pragma once

#include "vst2/AudioEffect.h"
#include "vst2/VstRecords.h"
#include "vst2/VstSpeakerArrangement.h"

/**
    The extended VST 2.x plug-in base: answers dispatcher opcodes 25 to 79 (everything
    else goes to AudioEffect::dispatcher), offers neutral defaults for the extended
    plug-in-side operations and wraps the extended host-callback opcodes.

    Plug-in-side defaults report failure in their neutral form (false, 0, null).
    Host-callback wrappers answer their stated default when there is no host callback.
*/
class AudioEffectX : public AudioEffect
{
public:
    AudioEffectX (VstHostCallback hostCallback, int32 programCount, int32 parameterCount);
    ~AudioEffectX() override;

    intptr dispatcher (int32 opcode, int32 index, intptr value, void* ptr, float opt) override;
    /** Asks the host for events when the plug-in is a synth or receives MIDI. */
    void resume() override;

    virtual bool canParameterBeAutomated (int32 index)                                       { (void) index; return true; }
    virtual bool string2parameter (int32 index, const char* text)                            { (void) index; (void) text; return false; }
    virtual bool getParameterProperties (int32 index, VstParameterProperties* p)             { (void) index; (void) p; return false; }
    virtual bool beginEdit (int32 index);
    virtual bool endEdit (int32 index);
    virtual bool getProgramNameIndexed (int32 category, int32 index, char* text)             { (void) category; (void) index; (void) text; return false; }
    virtual bool beginSetProgram()                                                           { return false; }
    virtual bool endSetProgram()                                                             { return false; }
    virtual int32 beginLoadBank (VstPatchChunkInfo* info)                                    { (void) info; return 0; }
    virtual int32 beginLoadProgram (VstPatchChunkInfo* info)                                 { (void) info; return 0; }
    virtual bool ioChanged();
    virtual double updateSampleRate();
    virtual int32 updateBlockSize();
    virtual int32 getInputLatency();
    virtual int32 getOutputLatency();
    virtual bool getInputProperties (int32 index, VstPinProperties* p)                       { (void) index; (void) p; return false; }
    virtual bool getOutputProperties (int32 index, VstPinProperties* p)                      { (void) index; (void) p; return false; }
    virtual bool setSpeakerArrangement (VstSpeakerArrangement* input, VstSpeakerArrangement* output) { (void) input; (void) output; return false; }
    virtual bool getSpeakerArrangement (VstSpeakerArrangement** input, VstSpeakerArrangement** output);
    virtual bool setBypass (bool state)                                                      { (void) state; return false; }
    virtual bool setPanLaw (int32 type, float value)                                         { (void) type; (void) value; return false; }
    virtual bool setProcessPrecision (int32 precision)                                       { (void) precision; return false; }
    virtual int32 getNumMidiInputChannels()                                                  { return 0; }
    virtual int32 getNumMidiOutputChannels()                                                 { return 0; }
    /** The host's time-info record for the fields in filter, or null. */
    virtual VstTimeInfo* getTimeInfo (int32 filter);
    virtual int32 getCurrentProcessLevel();
    virtual int32 getAutomationState();
    virtual int32 processEvents (VstEvents* events)                                          { (void) events; return 0; }
    virtual int32 startProcess()                                                             { return 0; }
    virtual int32 stopProcess()                                                              { return 0; }
    virtual bool processVariableIo (VstVariableIo* io)                                       { (void) io; return false; }
    virtual int32 setTotalSampleToProcess (int32 value)                                      { return value; }
    virtual bool getHostVendorString (char* text);
    virtual bool getHostProductString (char* text);
    virtual int32 getHostVendorVersion();
    virtual intptr hostVendorSpecific (int32 index, intptr value, void* ptr, float opt);
    virtual int32 canHostDo (const char* text);
    virtual int32 getHostLanguage();
    virtual void isSynth (bool state)                                                        { setFlag (VstEffectFlags::isSynth, state); }
    virtual void noTail (bool state)                                                         { setFlag (VstEffectFlags::noSoundInStop, state); }
    virtual int32 getGetTailSize()                                                           { return 0; }
    virtual void* getDirectory();
    virtual bool getEffectName (char* name)                                                  { (void) name; return false; }
    virtual bool getVendorString (char* text)                                                { (void) text; return false; }
    virtual bool getProductString (char* text)                                               { (void) text; return false; }
    virtual int32 getVendorVersion()                                                         { return 0; }
    virtual intptr vendorSpecific (int32 index, intptr value, void* ptr, float opt)          { (void) index; (void) value; (void) ptr; (void) opt; return 0; }
    virtual int32 canDo (const char* text)                                                   { (void) text; return 0; }
    virtual int32 getVstVersion()                                                            { return 2400; }
    virtual int32 getPlugCategory()                                                          { return hasFlag (VstEffectFlags::isSynth) ? 2 : 0; }
    virtual int32 getMidiProgramName (int32 channel, MidiProgramName* name)                  { (void) channel; (void) name; return 0; }
    virtual int32 getCurrentMidiProgram (int32 channel, MidiProgramName* name)               { (void) channel; (void) name; return -1; }
    virtual int32 getMidiProgramCategory (int32 channel, MidiProgramCategory* category)      { (void) channel; (void) category; return 0; }
    virtual bool hasMidiProgramsChanged (int32 channel)                                      { (void) channel; return false; }
    virtual bool getMidiKeyName (int32 channel, MidiKeyName* keyName)                        { (void) channel; (void) keyName; return false; }
    virtual bool updateDisplay();
    virtual bool sizeWindow (int32 width, int32 height);
    virtual bool openFileSelector (VstFileSelect* select);
    virtual bool closeFileSelector (VstFileSelect* select);
    virtual int32 getNextShellPlugin (char* name)                                            { (void) name; return 0; }

    /** Replaces *arrangement with a zeroed record of channels speakers; false for a count
        below zero or one whose size does not fit in 32 bits. */
    virtual bool allocateArrangement (VstSpeakerArrangement** arrangement, int32 channels);
    virtual bool deallocateArrangement (VstSpeakerArrangement** arrangement);
    virtual bool copySpeaker (VstSpeakerProperties* to, VstSpeakerProperties* from);
    /** Makes *to a copy of from, through the three operations above. */
    virtual bool matchArrangement (VstSpeakerArrangement** to, VstSpeakerArrangement* from);

    virtual bool offlineRead (VstOfflineTask* task, VstOfflineOption option, bool readSource);
    virtual bool offlineWrite (VstOfflineTask* task, VstOfflineOption option);
    virtual bool offlineStart (VstAudioFile* files, int32 audioFileCount, int32 newAudioFileCount);
    virtual int32 offlineGetCurrentPass();
    virtual int32 offlineGetCurrentMetaPass();
    virtual bool offlineNotify (VstAudioFile* files, int32 audioFileCount, bool start)       { (void) files; (void) audioFileCount; (void) start; return false; }
    virtual bool offlinePrepare (VstOfflineTask* tasks, int32 count)                         { (void) tasks; (void) count; return false; }
    virtual bool offlineRun (VstOfflineTask* tasks, int32 count)                             { (void) tasks; (void) count; return false; }
    virtual int32 offlineGetNumPasses()                                                      { return 0; }
    virtual int32 offlineGetNumMetaPasses()                                                  { return 0; }

    virtual void __wantEventsDeprecated (int32 filter);
    virtual int32 __tempoAtDeprecated (int32 position);
    virtual int32 __getNumAutomatableParametersDeprecated();
    virtual int32 __getParameterQuantizationDeprecated();
    virtual int32 __getNumCategoriesDeprecated()                                             { return 1; }
    virtual bool __copyProgramDeprecated (int32 destination)                                 { (void) destination; return false; }
    virtual bool __needIdleDeprecated();
    virtual AEffect* __getPreviousPlugDeprecated (int32 input);
    virtual AEffect* __getNextPlugDeprecated (int32 output);
    virtual void __inputConnectedDeprecated (int32 index, bool state)                        { (void) index; (void) state; }
    virtual void __outputConnectedDeprecated (int32 index, bool state)                       { (void) index; (void) state; }
    virtual int32 __willProcessReplacingDeprecated();
    virtual void __wantAsyncOperationDeprecated (bool state)                                 { setFlag (VstEffectFlags::extIsAsync, state); }
    virtual void __hasExternalBufferDeprecated (bool state)                                  { setFlag (VstEffectFlags::extHasBuffer, state); }
    virtual int32 __reportCurrentPositionDeprecated()                                        { return 0; }
    virtual float* __reportDestinationBufferDeprecated()                                     { return nullptr; }
    virtual void __setOutputSamplerateDeprecated (float rate);
    virtual VstSpeakerArrangement* __getInputSpeakerArrangementDeprecated();
    virtual VstSpeakerArrangement* __getOutputSpeakerArrangementDeprecated();
    virtual void* __openWindowDeprecated (__VstWindowDeprecated* window);
    virtual bool __closeWindowDeprecated (__VstWindowDeprecated* window);
    virtual void __setBlockSizeAndSampleRateDeprecated (int32 newBlockSize, float newSampleRate) { blockSize = newBlockSize; sampleRate = newSampleRate; }
    virtual bool __getErrorTextDeprecated (char* text)                                       { (void) text; return false; }
    virtual void* __getIconDeprecated()                                                      { return nullptr; }
    virtual bool __setViewPositionDeprecated (int32 x, int32 y)                              { (void) x; (void) y; return false; }
    virtual int32 __fxIdleDeprecated()                                                       { return 0; }
    virtual bool __keysRequiredDeprecated()                                                  { return false; }
    virtual bool __getChunkFileDeprecated (void* nativePath);
};
