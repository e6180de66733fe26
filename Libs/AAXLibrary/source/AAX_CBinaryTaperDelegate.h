#pragma once

#include "AAX_ITaperDelegate.h"

/** False and true as normalised 0 and 1; any normalised value above 0 is true. */
template <typename T>
class AAX_CBinaryTaperDelegate : public AAX_ITaperDelegate<T>
{
public:
    AAX_CBinaryTaperDelegate* Clone() const override        { return new AAX_CBinaryTaperDelegate (*this); }
    T GetMaximumValue() const override                       { return true; }
    T GetMinimumValue() const override                       { return false; }
    T ConstrainRealValue (T value) const override            { return value; }
    T NormalizedToReal (double normalizedValue) const override { return normalizedValue > 0.0; }
    double RealToNormalized (T realValue) const override     { return realValue ? 1.0 : 0.0; }
};
