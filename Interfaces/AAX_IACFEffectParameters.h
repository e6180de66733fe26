#pragma once

#include "AAX_IString.h"
#include "AAX_Results.h"
#include "AAX_Types.h"
#include "IACFUnknown.h"

class AAX_IParameter;

// The host's view of the plug-in's data-model object, in three versions that share one
// table: each version appends its operations to the one below, and the host calls them by
// position. Parameters are addressed by their text identifiers; values are normalised.

class AAX_IACFEffectParameters : public IACFUnknown
{
public:
    virtual AAX_ResultCode Initialize (IACFUnknown* host) = 0;
    virtual AAX_ResultCode Uninitialize() = 0;
    virtual AAX_ResultCode NotificationReceived (std::uint32_t type, const void* data, std::uint32_t size) = 0;

    virtual AAX_ResultCode GetNumberOfParameters (std::int32_t* numParameters) const = 0;
    virtual AAX_ResultCode GetMasterBypassParameter (AAX_IString* parameterID) const = 0;
    virtual AAX_ResultCode GetParameterIsAutomatable (const char* parameterID, AAX_CBoolean* automatable) const = 0;
    virtual AAX_ResultCode GetParameterNumberOfSteps (const char* parameterID, std::int32_t* numSteps) const = 0;
    virtual AAX_ResultCode GetParameterName (const char* parameterID, AAX_IString* name) const = 0;
    virtual AAX_ResultCode GetParameterNameOfLength (const char* parameterID, AAX_IString* name,
                                                     std::int32_t maxLength) const = 0;
    virtual AAX_ResultCode GetParameterDefaultNormalizedValue (const char* parameterID, double* value) const = 0;
    virtual AAX_ResultCode SetParameterDefaultNormalizedValue (const char* parameterID, double value) = 0;
    virtual AAX_ResultCode GetParameterType (const char* parameterID, AAX_EParameterType* type) const = 0;
    virtual AAX_ResultCode GetParameterOrientation (const char* parameterID, std::int32_t* orientation) const = 0;
    /** Writes the parameter with that identifier (null when there is none): 0, or -20001 when unknown. */
    virtual AAX_ResultCode GetParameter (const char* parameterID, AAX_IParameter** parameter) = 0;
    virtual AAX_ResultCode GetParameterIndex (const char* parameterID, std::int32_t* index) const = 0;
    virtual AAX_ResultCode GetParameterIDFromIndex (std::int32_t index, AAX_IString* parameterID) const = 0;
    virtual AAX_ResultCode GetParameterValueInfo (const char* parameterID, std::int32_t selector,
                                                  std::int32_t* value) const = 0;
    virtual AAX_ResultCode GetParameterValueFromString (const char* parameterID, double* value,
                                                        const AAX_IString& valueString) const = 0;
    virtual AAX_ResultCode GetParameterStringFromValue (const char* parameterID, double value, AAX_IString* valueString,
                                                        std::int32_t maxLength) const = 0;
    virtual AAX_ResultCode GetParameterValueString (const char* parameterID, AAX_IString* valueString,
                                                    std::int32_t maxLength) const = 0;
    virtual AAX_ResultCode GetParameterNormalizedValue (const char* parameterID, double* value) const = 0;
    virtual AAX_ResultCode SetParameterNormalizedValue (const char* parameterID, double value) = 0;
    virtual AAX_ResultCode SetParameterNormalizedRelative (const char* parameterID, double delta) = 0;
    virtual AAX_ResultCode TouchParameter (const char* parameterID) = 0;
    virtual AAX_ResultCode ReleaseParameter (const char* parameterID) = 0;
    virtual AAX_ResultCode UpdateParameterTouch (const char* parameterID, AAX_CBoolean touched) = 0;
    /** The host's answer to a set-value request: the value to store. */
    virtual AAX_ResultCode UpdateParameterNormalizedValue (const char* parameterID, double value,
                                                           AAX_EUpdateSource source) = 0;
    virtual AAX_ResultCode UpdateParameterNormalizedRelative (const char* parameterID, double delta) = 0;
    /** Brings the processing component up to date: posts the packets of changed parameters. */
    virtual AAX_ResultCode GenerateCoefficients() = 0;
    virtual AAX_ResultCode ResetFieldData (AAX_CFieldIndex fieldIndex, void* data, std::uint32_t size) const = 0;

    virtual AAX_ResultCode GetNumberOfChunks (std::int32_t* numChunks) const = 0;
    virtual AAX_ResultCode GetChunkIDFromIndex (std::int32_t index, std::uint32_t* chunkID) const = 0;
    /** The body size; the host then hands GetChunk a record with room for the head and that many bytes. */
    virtual AAX_ResultCode GetChunkSize (std::uint32_t chunkID, std::uint32_t* size) const = 0;
    virtual AAX_ResultCode GetChunk (std::uint32_t chunkID, AAX_SPlugInChunk* chunk) const = 0;
    virtual AAX_ResultCode SetChunk (std::uint32_t chunkID, const AAX_SPlugInChunk* chunk) = 0;
    virtual AAX_ResultCode CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* isEqual) const = 0;
    virtual AAX_ResultCode GetNumberOfChanges (std::int32_t* numChanges) const = 0;

protected:
    ~AAX_IACFEffectParameters() = default;
};

/** Second version: timer, curves, custom data, MIDI and hybrid processing. */
class AAX_IACFEffectParameters_V2 : public AAX_IACFEffectParameters
{
public:
    virtual AAX_ResultCode TimerWakeup() = 0;
    virtual AAX_ResultCode GetCurveData (std::uint32_t curveType, const float* values, std::uint32_t numValues,
                                         float* outValues) const = 0;
    virtual AAX_ResultCode GetCustomData (std::uint32_t dataBlockID, std::uint32_t size, void* data,
                                          std::uint32_t* sizeOut) const = 0;
    virtual AAX_ResultCode SetCustomData (std::uint32_t dataBlockID, std::uint32_t size, const void* data) = 0;
    virtual AAX_ResultCode DoMIDITransfers() = 0;
    virtual AAX_ResultCode RenderAudio_Hybrid (AAX_SHybridRenderInfo* renderInfo) = 0;
    virtual AAX_ResultCode UpdateMIDINodes (AAX_CFieldIndex fieldIndex, AAX_CMidiPacket& packet) = 0;
    virtual AAX_ResultCode UpdateControlMIDINodes (std::uint32_t nodeID, AAX_CMidiPacket& packet) = 0;

protected:
    ~AAX_IACFEffectParameters_V2() = default;
};

/** Third version: the meters and display range behind a curve. */
class AAX_IACFEffectParameters_V3 : public AAX_IACFEffectParameters_V2
{
public:
    virtual AAX_ResultCode GetCurveDataMeterIds (std::uint32_t curveType, std::uint32_t* xMeterID,
                                                 std::uint32_t* yMeterID) const = 0;
    virtual AAX_ResultCode GetCurveDataDisplayRange (std::uint32_t curveType, float* xMin, float* xMax, float* yMin,
                                                     float* yMax) const = 0;

protected:
    ~AAX_IACFEffectParameters_V3() = default;
};
