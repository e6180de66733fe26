#pragma once

#include "AAX_Results.h"

#include <functional>

class AAX_ICollection;

/** What the test executable's description hook does; describes nothing and answers 0 by default. */
extern std::function<AAX_ResultCode (AAX_ICollection*)> testDescriptionHook;
