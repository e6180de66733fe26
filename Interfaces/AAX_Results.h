#pragma once

#include "ACFBase.h"

/** The result of every library operation that can fail: 0 for success, negative on failure. */
using AAX_ResultCode = std::int32_t;

inline constexpr AAX_ResultCode AAX_SUCCESS                  = 0;
inline constexpr AAX_ResultCode AAX_RESULT_UNKNOWN_PARAMETER = -20001;
inline constexpr AAX_ResultCode AAX_RESULT_BAD_STRING        = -20002;
inline constexpr AAX_ResultCode AAX_RESULT_MISSING_OBJECT    = -20004;
inline constexpr AAX_ResultCode AAX_RESULT_BAD_CHUNK_INDEX   = -20006;
inline constexpr AAX_ResultCode AAX_RESULT_BAD_CHUNK_ID      = -20007;
inline constexpr AAX_ResultCode AAX_RESULT_BAD_CHUNK_SIZE    = -20008;
inline constexpr AAX_ResultCode AAX_RESULT_NOT_IMPLEMENTED   = -20009;
inline constexpr AAX_ResultCode AAX_RESULT_NO_HOST           = -20011;
inline constexpr AAX_ResultCode AAX_RESULT_BAD_STEP_COUNT    = -20033;
inline constexpr AAX_ResultCode AAX_RESULT_CHUNK_OVERFLOW    = -333;
