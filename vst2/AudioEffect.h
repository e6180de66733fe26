#pragma once

#include "vst2/AEffect.h"
#include "vst2/EffectEditor.h"
#include "vst2/VstOpcodes.h"

#include <cstdint>
#include <memory>

/**
    The plug-in side of the VST 2.4 binary interface: owns the AEffect record handed to
    the host, turns the host's calls through the record into virtual operations and
    answers dispatcher opcodes 0 to 24. Derived classes override what they support.

    No locks: every operation runs on its caller's thread.
*/
class AudioEffect
{
public:
    using int32 = std::int32_t;
    using intptr = std::intptr_t;

    AudioEffect (VstHostCallback hostCallback, int32 programCount, int32 parameterCount);
    virtual ~AudioEffect();

    AudioEffect (const AudioEffect&) = delete;
    AudioEffect& operator= (const AudioEffect&) = delete;

    virtual intptr dispatcher (int32 opcode, int32 index, intptr value, void* ptr, float opt);

    virtual void open()                                                 {}
    virtual void close()                                                {}
    virtual void suspend()                                              {}
    virtual void resume()                                               {}

    virtual void setSampleRate (float rate)                             { sampleRate = rate; }
    virtual void setBlockSize (int32 size)                              { blockSize = size; }

    virtual void processReplacing (float** inputs, float** outputs, int32 sampleFrames) = 0;
    virtual void processDoubleReplacing (double** inputs, double** outputs, int32 sampleFrames);

    virtual void setParameter (int32 index, float value);
    virtual float getParameter (int32 index);
    /** Sets the parameter, then tells the host it was changed by the plug-in. */
    virtual void setParameterAutomated (int32 index, float value);

    virtual int32 getProgram()                                          { return currentProgram; }
    virtual void setProgram (int32 program)                             { currentProgram = program; }
    virtual void setProgramName (const char* name);
    virtual void getProgramName (char* name);
    virtual void getParameterLabel (int32 index, char* label);
    virtual void getParameterDisplay (int32 index, char* text);
    virtual void getParameterName (int32 index, char* text);

    /** Points *data at the chunk and answers its size in bytes; 0 means no chunk. */
    virtual int32 getChunk (void** data, bool isProgram);
    virtual int32 setChunk (void* data, int32 byteSize, bool isProgram);

    virtual void setUniqueID (int32 id)                                 { aeffect.uniqueID = id; }
    virtual void setNumInputs (int32 count)                             { aeffect.numInputs = count; }
    virtual void setNumOutputs (int32 count)                            { aeffect.numOutputs = count; }
    virtual void canProcessReplacing (bool state)                       { setFlag (VstEffectFlags::canReplacing, state); }
    virtual void canDoubleReplacing (bool state)                        { setFlag (VstEffectFlags::canDoubleReplacing, state); }
    virtual void programsAreChunks (bool state)                         { setFlag (VstEffectFlags::programChunks, state); }
    virtual void setInitialDelay (int32 frames)                         { aeffect.initialDelay = frames; }

    virtual EffectEditor* getEditor()                                   { return editor.get(); }
    virtual AEffect* getAeffect()                                       { return &aeffect; }
    virtual float getSampleRate()                                       { return sampleRate; }
    virtual int32 getBlockSize()                                        { return blockSize; }

    virtual int32 getMasterVersion();
    virtual int32 getCurrentUniqueId();
    virtual void masterIdle();

    // Value-to-text conversions: text must hold maxLen + 1 bytes.
    virtual void dB2string (float value, char* text, int32 maxLen);
    virtual void Hz2string (float samples, char* text, int32 maxLen);
    virtual void ms2string (float samples, char* text, int32 maxLen);
    virtual void float2string (float value, char* text, int32 maxLen);
    virtual void int2string (int32 value, char* text, int32 maxLen);

    virtual void __processDeprecated (float** inputs, float** outputs, int32 sampleFrames);
    virtual float __getVuDeprecated()                                   { return 0.0f; }
    virtual void __hasVuDeprecated (bool state)                         { setFlag (VstEffectFlags::hasVu, state); }
    virtual void __hasClipDeprecated (bool state)                       { setFlag (VstEffectFlags::hasClip, state); }
    virtual void __canMonoDeprecated (bool state)                       { setFlag (VstEffectFlags::canMono, state); }
    virtual void __setRealtimeQualitiesDeprecated (int32 qualities)     { aeffect.realQualities = qualities; }
    virtual void __setOfflineQualitiesDeprecated (int32 qualities)      { aeffect.offQualities = qualities; }
    virtual bool __isInputConnectedDeprecated (int32 input);
    virtual bool __isOutputConnectedDeprecated (int32 output);

    // The trampolines installed in the record.
    static intptr dispatchEffectClass (AEffect* e, int32 opcode, int32 index, intptr value, void* ptr, float opt);
    static void __processClassDeprecated (AEffect* e, float** inputs, float** outputs, int32 sampleFrames);
    static void setParameterClass (AEffect* e, int32 index, float value);
    static float getParameterClass (AEffect* e, int32 index);
    static void processClassReplacing (AEffect* e, float** inputs, float** outputs, int32 sampleFrames);
    static void processClassDoubleReplacing (AEffect* e, double** inputs, double** outputs, int32 sampleFrames);

protected:
    /** Calls the host with this object's record first; 0 without a host callback. */
    intptr callHost (VstHostOpcode opcode, int32 index = 0, intptr value = 0, void* ptr = nullptr, float opt = 0.0f);

    void setFlag (VstEffectFlags flag, bool state) noexcept;
    bool hasFlag (VstEffectFlags flag) const noexcept                   { return (aeffect.flags & toBits (flag)) != 0; }

    VstHostCallback hostCallback;
    std::unique_ptr<EffectEditor> editor;
    float sampleRate = 44100.0f;
    int32 blockSize = 1024;
    int32 programCount;
    int32 parameterCount;
    int32 currentProgram = 0;
    AEffect aeffect;
};
