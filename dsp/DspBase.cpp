#include "dsp/DspBase.h"

DspBase::~DspBase() = default;

void DspBase::setSampleRate (float newSampleRate)   { sampleRate_ = newSampleRate; }
float DspBase::getSampleRate()                       { return sampleRate_; }
const char* DspBase::getName()                       { return name_ != nullptr ? name_ : ""; }

void DspBase::reset()
{
    resetBuffer();
    resetCoeffs();
}

void DspBase::resetBuffer() {}
void DspBase::resetCoeffs() {}
void DspBase::calc() {}
