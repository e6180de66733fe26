#pragma once

#include <cstdint>

/*
    Protocol records that these classes only pass on between host and derived class;
    nothing here reads or writes their fields, so they stay incomplete.
*/
struct VstEvents;
struct VstPinProperties;
struct VstParameterProperties;
struct VstVariableIo;
struct VstPatchChunkInfo;
struct VstAudioFile;
struct VstOfflineTask;
struct VstFileSelect;
struct VstTimeInfo;
struct MidiProgramName;
struct MidiProgramCategory;
struct MidiKeyName;
struct __VstWindowDeprecated;

/** Offline access option, passed through to the host unchanged. */
enum VstOfflineOption : std::int32_t {};
