#pragma once

#include "AAX_ITaperDelegate.h"

#include <cstdint>

/**
    A straight line from the minimum (normalised 0) to the maximum (normalised 1); values
    outside either range are clamped, a NaN passes through. The range must not be empty.
    RealPrecision 0 means that real values are not rounded, the only kind this library has.
*/
template <typename T, std::int32_t RealPrecision = 0>
class AAX_CLinearTaperDelegate : public AAX_ITaperDelegate<T>
{
    static_assert (RealPrecision == 0, "real values are never rounded");

public:
    AAX_CLinearTaperDelegate (T minValue, T maxValue) noexcept : m_MinValue (minValue), m_MaxValue (maxValue) {}

    AAX_CLinearTaperDelegate* Clone() const override        { return new AAX_CLinearTaperDelegate (*this); }
    T GetMaximumValue() const override                       { return m_MaxValue; }
    T GetMinimumValue() const override                       { return m_MinValue; }

    T ConstrainRealValue (T value) const override
    {
        if (value > m_MaxValue) return m_MaxValue;
        if (value < m_MinValue) return m_MinValue;
        return value;
    }

    T NormalizedToReal (double normalizedValue) const override
    {
        const auto real = (static_cast<double> (m_MaxValue) - static_cast<double> (m_MinValue)) * normalizedValue
                            + static_cast<double> (m_MinValue);
        return this->ConstrainRealValue (static_cast<T> (real));
    }

    double RealToNormalized (T realValue) const override
    {
        const auto constrained = static_cast<double> (this->ConstrainRealValue (realValue));
        const auto minValue = static_cast<double> (m_MinValue);
        return (constrained - minValue) / (static_cast<double> (m_MaxValue) - minValue);
    }

private:
    T m_MinValue;
    T m_MaxValue;
};
