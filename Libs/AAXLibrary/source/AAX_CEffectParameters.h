#pragma once

#include "AAX_CChunkDataParser.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_CParameterManager.h"
#include "AAX_IEffectParameters.h"

#include <memory>
#include <set>
#include <string>

class AAX_IAutomationDelegate;
class AAX_IController;
class AAX_ITransport;

/** The parameter that the host's preview notification ('ASPv') switches. */
inline constexpr const char* cPreviewID = "PreviewID";
/** The identifier of the master-bypass parameter; it never enters the controls chunk. */
inline constexpr const char* cDefaultMasterBypassID = "MasterBypassID";

/** The controls chunk: every parameter's value but the filtered ones, at chunk index 0. */
inline constexpr std::uint32_t CONTROLS_CHUNK_TAG = 0x656C636B;   // 'elck'
inline constexpr const char* CONTROLS_CHUNK_DESCRIPTION = "Complete Controls State";

/**
    The base of the plug-in's data-model object: the host creates it, hands Initialize its
    controller, and then drives it through the host interface. The parameters live in
    m_ParameterManager (the subclass creates them in EffectInit), their values reach the
    processing component as packets through m_PacketDispatcher, and the controls chunk
    saves, restores and compares them.

    Every host operation has a default here. Most look the parameter up by identifier
    (-20001 and untouched outputs when there is none) and forward to it. A null output
    pointer is refused (-20002 for texts, ACF_RESULT_NULL_POINTER otherwise), and no
    exception leaves a default: it becomes ACF_RESULT_UNEXPECTED.

    The object owns its host wrappers. Uninitialize, a second Initialize and destruction
    free them, after the parameters (which unregister from the automation delegate) and
    after the dispatcher has let go of the controller.
*/
class AAX_CEffectParameters : public AAX_IEffectParameters
{
public:
    AAX_CEffectParameters();
    ~AAX_CEffectParameters() override;

    AAX_CEffectParameters (const AAX_CEffectParameters&) = delete;
    AAX_CEffectParameters& operator= (const AAX_CEffectParameters&) = delete;

    /**
        Makes the controller, automation and transport wrappers on the host's unknown, readies
        the parameter manager and the dispatcher, calls EffectInit (whose failure is returned
        at once) and keeps the master bypass out of the controls chunk.
    */
    AAX_ResultCode Initialize (IACFUnknown* host) override;
    /** Deletes the parameters, then the wrappers. Filters, chunk values and packet registrations stay. */
    AAX_ResultCode Uninitialize() override;
    /** 'ASPv' with a 32-bit payload switches the "PreviewID" parameter; always 0. */
    AAX_ResultCode NotificationReceived (std::uint32_t type, const void* data, std::uint32_t size) override;

    AAX_ResultCode GetNumberOfParameters (std::int32_t* numParameters) const override;
    /** The master-bypass identifier when that parameter exists, else the empty text. */
    AAX_ResultCode GetMasterBypassParameter (AAX_IString* parameterID) const override;
    /** Writes 0 first, so an unknown identifier leaves false. */
    AAX_ResultCode GetParameterIsAutomatable (const char* parameterID, AAX_CBoolean* automatable) const override;
    /** -20033, and nothing written, for a count that reads as negative. */
    AAX_ResultCode GetParameterNumberOfSteps (const char* parameterID, std::int32_t* numSteps) const override;
    /** An unknown identifier gets the empty text and 0. */
    AAX_ResultCode GetParameterName (const char* parameterID, AAX_IString* name) const override;
    /**
        The longest line of the parameter's shortened name for that length that fits; else as
        many of its first characters as fit. An unknown identifier or an empty name gets the
        empty text and 0.
    */
    AAX_ResultCode GetParameterNameOfLength (const char* parameterID, AAX_IString* name,
                                             std::int32_t maxLength) const override;
    AAX_ResultCode GetParameterDefaultNormalizedValue (const char* parameterID, double* value) const override;
    AAX_ResultCode SetParameterDefaultNormalizedValue (const char* parameterID, double value) override;
    AAX_ResultCode GetParameterType (const char* parameterID, AAX_EParameterType* type) const override;
    AAX_ResultCode GetParameterOrientation (const char* parameterID, std::int32_t* orientation) const override;
    AAX_ResultCode GetParameter (const char* parameterID, AAX_IParameter** parameter) override;
    /** Always writes the index (-1 when unknown). */
    AAX_ResultCode GetParameterIndex (const char* parameterID, std::int32_t* index) const override;
    /** An index without a parameter gets the empty text and -20001. */
    AAX_ResultCode GetParameterIDFromIndex (std::int32_t index, AAX_IString* parameterID) const override;
    /** Not provided: writes 0, -20009. */
    AAX_ResultCode GetParameterValueInfo (const char* parameterID, std::int32_t selector,
                                          std::int32_t* value) const override;
    /** -20002, nothing written, for text the parameter refuses or a number outside its range. */
    AAX_ResultCode GetParameterValueFromString (const char* parameterID, double* value,
                                                const AAX_IString& valueString) const override;
    /** -20002, nothing written, when the parameter cannot show that value. */
    AAX_ResultCode GetParameterStringFromValue (const char* parameterID, double value, AAX_IString* valueString,
                                                std::int32_t maxLength) const override;
    AAX_ResultCode GetParameterValueString (const char* parameterID, AAX_IString* valueString,
                                            std::int32_t maxLength) const override;
    AAX_ResultCode GetParameterNormalizedValue (const char* parameterID, double* value) const override;
    /** Asks the parameter to take the value (through the host when automation is attached). */
    AAX_ResultCode SetParameterNormalizedValue (const char* parameterID, double value) override;
    /** The current value plus delta, kept within 0 to 1, through SetParameterNormalizedValue. */
    AAX_ResultCode SetParameterNormalizedRelative (const char* parameterID, double delta) override;
    AAX_ResultCode TouchParameter (const char* parameterID) override;
    AAX_ResultCode ReleaseParameter (const char* parameterID) override;
    AAX_ResultCode UpdateParameterTouch (const char* parameterID, AAX_CBoolean touched) override;
    /**
        Stores the host's value in the parameter, marks its packets for the next
        GenerateCoefficients and counts a change when the value differs. The source is ignored.
    */
    AAX_ResultCode UpdateParameterNormalizedValue (const char* parameterID, double value,
                                                   AAX_EUpdateSource source) override;
    /** The current value plus delta, kept within 0 to 1, through UpdateParameterNormalizedValue. */
    AAX_ResultCode UpdateParameterNormalizedRelative (const char* parameterID, double delta) override;
    AAX_ResultCode GenerateCoefficients() override;
    /** Zeroes the field's bytes, whatever the field. */
    AAX_ResultCode ResetFieldData (AAX_CFieldIndex fieldIndex, void* data, std::uint32_t size) const override;

    /** One chunk: the controls chunk. */
    AAX_ResultCode GetNumberOfChunks (std::int32_t* numChunks) const override;
    /** Index 0 is CONTROLS_CHUNK_TAG; any other writes 0 and answers -20006. */
    AAX_ResultCode GetChunkIDFromIndex (std::int32_t index, std::uint32_t* chunkID) const override;
    /** Rebuilds the controls chunk and reports its body size; another ID writes 0 and answers -20007. */
    AAX_ResultCode GetChunkSize (std::uint32_t chunkID, std::uint32_t* size) const override;
    /**
        Fills the record (version -1, name, body, dataSize; the ID fields stay the host's).
        -20008, record untouched, unless the body has the size the last GetChunkSize reported.
    */
    AAX_ResultCode GetChunk (std::uint32_t chunkID, AAX_SPlugInChunk* chunk) const override;
    /**
        Sets every saved parameter that the record holds a value for, through the parameter's
        own set. An unreadable body restores nothing and still answers 0.
    */
    AAX_ResultCode SetChunk (std::uint32_t chunkID, const AAX_SPlugInChunk* chunk) override;
    /**
        1 when every saved parameter has its stored value, 0 when one differs or is missing.
        A record of another chunk counts as equal.
    */
    AAX_ResultCode CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* isEqual) const override;
    AAX_ResultCode GetNumberOfChanges (std::int32_t* numChanges) const override;

    AAX_ResultCode TimerWakeup() override;
    /** Not provided: -20009. */
    AAX_ResultCode GetCurveData (std::uint32_t curveType, const float* values, std::uint32_t numValues,
                                 float* outValues) const override;
    /** No custom data: writes size 0. */
    AAX_ResultCode GetCustomData (std::uint32_t dataBlockID, std::uint32_t size, void* data,
                                  std::uint32_t* sizeOut) const override;
    AAX_ResultCode SetCustomData (std::uint32_t dataBlockID, std::uint32_t size, const void* data) override;
    AAX_ResultCode DoMIDITransfers() override;
    /** Not provided: -20009. */
    AAX_ResultCode RenderAudio_Hybrid (AAX_SHybridRenderInfo* renderInfo) override;
    AAX_ResultCode UpdateMIDINodes (AAX_CFieldIndex fieldIndex, AAX_CMidiPacket& packet) override;
    AAX_ResultCode UpdateControlMIDINodes (std::uint32_t nodeID, AAX_CMidiPacket& packet) override;
    /** Not provided: -20009. */
    AAX_ResultCode GetCurveDataMeterIds (std::uint32_t curveType, std::uint32_t* xMeterID,
                                         std::uint32_t* yMeterID) const override;
    /** Not provided: -20009. */
    AAX_ResultCode GetCurveDataDisplayRange (std::uint32_t curveType, float* xMin, float* xMax, float* yMin,
                                             float* yMax) const override;

    /** The subclass creates its parameters and registers its packets here; the default does nothing. */
    virtual AAX_ResultCode EffectInit();

    /** Null outside Initialize ... Uninitialize. */
    AAX_IController* Controller() const noexcept           { return m_Controller.get(); }
    AAX_ITransport* Transport() const noexcept             { return m_Transport.get(); }

    /** Fills the chunk values from the saved parameters, in index order. */
    void BuildChunkData() const;

protected:
    /** Keeps the parameter out of the controls chunk; null is ignored. */
    void FilterParameterIDOnSave (const char* parameterID);

    /** Counted changes, reported by GetNumberOfChanges; the subclass counts its processor's own. */
    std::int32_t m_ChangeCount = 0;

private:
    mutable std::int32_t m_LastChunkSize = 0;
    mutable AAX_CChunkDataParser m_ChunkParser;

protected:
    AAX_CPacketDispatcher m_PacketDispatcher;
    AAX_CParameterManager m_ParameterManager;

private:
    /** Parameters first, then the dispatcher's controller, then the wrappers themselves. */
    void ReleaseHostWrappers() noexcept;

    std::set<std::string, std::less<>> m_FilteredParameterIDs;
    std::unique_ptr<AAX_IController> m_Controller;
    std::unique_ptr<AAX_ITransport> m_Transport;
    std::unique_ptr<AAX_IAutomationDelegate> m_AutomationDelegate;
};
