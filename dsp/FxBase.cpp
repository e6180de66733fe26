#include "dsp/FxBase.h"

FxBase::~FxBase() = default;

float FxBase::getParameter (int index)            { return parameters_ != nullptr ? parameters_[index] : 0.0f; }
float* FxBase::getAllParameters()                  { return parameters_; }
int FxBase::getParameterNum()                      { return parameterNum_; }
void FxBase::setExpectedSampleFrame (int n)        { expectedSampleFrame_ = n; }
int FxBase::getExpectedSampleFrame()               { return expectedSampleFrame_; }
void FxBase::setBpm (float newBpm)                 { bpm_ = newBpm; }
float FxBase::getBpm()                             { return bpm_; }
