#pragma once

#include <cstdint>

/** The gate's on/off state, driven by the bypass parameter. */
enum CrossfadeState : std::int32_t
{
    stateOff = 0,
    stateFadingIn = 1,
    stateOn = 2,
    stateFadingOut = 3
};
