#pragma once

/** The five host parameters, by index. Shared by the gate, the processor and the editor. */
enum ParamIndex
{
    bypassParam = 0,   // the gate's on-switch: a value above 0 engages the gate
    dualMonoParam,
    thresholdParam,
    attackParam,
    decayParam,
    totalNumParams
};
