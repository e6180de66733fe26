#pragma once

#include "AAX_Results.h"

#include <utility>

/**
    Runs the work of a host-facing operation and answers its result; an exception becomes
    ACF_RESULT_UNEXPECTED instead of leaving for the host, which cannot take one.
*/
template <class Operation>
AAX_ResultCode AAX_Guarded (Operation&& operation) noexcept
{
    try
    {
        return std::forward<Operation> (operation)();
    }
    catch (...)
    {
        return ACF_RESULT_UNEXPECTED;
    }
}
