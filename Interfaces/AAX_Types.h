#pragma once

#include "ACFBase.h"

#include <cstddef>

/** The host's 8-bit boolean: any non-zero value is true, and values pass through unfolded. */
using AAX_CBoolean = std::uint8_t;

/** Index of a field in a processing component's context record. */
using AAX_CFieldIndex = std::int32_t;

/** Identifies which creator function a registered procedure pointer is. */
using AAX_CProcPtrID = std::int32_t;

inline constexpr AAX_CProcPtrID AAX_PROCPTR_EFFECT_PARAMETERS = 0;
inline constexpr AAX_CProcPtrID AAX_PROCPTR_EFFECT_GUI        = 1;

// The numbers below belong to the host; the library passes every value through unchecked,
// so an enumeration names only the values this plug-in uses.

enum AAX_EProperty : std::int32_t
{
    AAX_PROPERTY_MANUFACTURER_CODE      = 11,
    AAX_PROPERTY_PRODUCT_CODE           = 12,
    AAX_PROPERTY_NATIVE_PLUGIN_CODE     = 13,
    AAX_PROPERTY_AUDIOSUITE_PLUGIN_CODE = 14,
    AAX_PROPERTY_INPUT_STEM_FORMAT      = 51,
    AAX_PROPERTY_OUTPUT_STEM_FORMAT     = 52,
    AAX_PROPERTY_CAN_BYPASS             = 60,
    AAX_PROPERTY_SIDECHAIN_INPUT        = 116,
    AAX_PROPERTY_MULTIMONO_SUPPORT      = 304
};

enum AAX_EDataInPortType : std::int32_t {};
enum AAX_EMIDINodeType : std::int32_t {};
enum AAX_EResourceType : std::int32_t {};
enum AAX_EComponentInstanceInitAction : std::int32_t {};
enum AAX_EStemFormat : std::int32_t {};
enum AAX_EFrameRate : std::int32_t {};
enum AAX_EFeetFramesRate : std::int32_t {};
/** Why the host changed a parameter's value. */
enum AAX_EUpdateSource : std::int32_t {};

/** Stored and answered by a parameter; only the host interprets it. */
enum AAX_EParameterType : std::int32_t
{
    AAX_PARAMETER_TYPE_DISCRETE   = 0,
    AAX_PARAMETER_TYPE_CONTINUOUS = 1
};

/** Where the host's direct-memory-access modes live. */
struct AAX_IDma
{
    enum EMode : std::int32_t {};
};

enum AAX_ETracePriorityHost : std::int32_t
{
    AAX_eTracePriorityHost_Normal = 0x08000000
};

/** A rectangle of the host's view; the library only passes it through. */
struct AAX_Rect;

/** Which of the host's labels a GUI may replace. */
enum AAX_EPlugInStrings : std::int32_t {};
/** The colour the host asks a control to be highlighted in. */
enum AAX_EHighlightColor : std::int32_t {};

/** A view size as the host exchanges it: the vertical extent first. */
struct AAX_Point
{
    float vertical;
    float horizontal;
};

/** The host's MIDI packet; the library only passes it through. */
struct AAX_CMidiPacket;

/** The host's description of a hybrid processing pass; the library never reads it. */
struct AAX_SHybridRenderInfo;

/**
    The host's chunk record: a 56-byte head, then dataSize bytes of body in data. Hosts
    allocate it for the body they expect, so only the first dataSize bytes of data exist.
*/
struct AAX_SPlugInChunk
{
    std::int32_t dataSize;
    std::int32_t version;
    std::uint32_t manufacturerID;
    std::uint32_t productID;
    std::uint32_t plugInID;
    std::uint32_t chunkID;
    char name[32];
    char data[1];
};

static_assert (offsetof (AAX_SPlugInChunk, data) == 56, "the chunk body follows the 56-byte head");

/** One plug-in identity as the host records it: manufacturer, product and plug-in codes. */
struct AAX_SPlugInIdentifierTriad
{
    std::uint32_t manufacturerID;
    std::uint32_t productID;
    std::uint32_t plugInID;
};

/** The real-time processing callback: a range of component instances to process. */
using AAX_CProcessProc = void (*) (void* const* instancesBegin, const void* instancesEnd);
/** Called by the host when it creates or destroys a processing instance. */
using AAX_CInstanceInitProc = int (*) (const void* instance, AAX_EComponentInstanceInitAction action);
/** A further callback without arguments that the host may run. */
using AAX_CBackgroundProc = int (*)();

class IACFUnknown;

/** A creator registered with AddProcPtr: a new object without references yet, reached
    through its host interface (whose first operations are those of IACFUnknown). */
using AAX_CCreateProc = IACFUnknown* (*)();
