#pragma once

/** Any taper, whatever its value type: what a parameter accepts before it checks the type. */
class AAX_ITaperDelegateBase
{
public:
    virtual ~AAX_ITaperDelegateBase() = default;

protected:
    AAX_ITaperDelegateBase() = default;
    AAX_ITaperDelegateBase (const AAX_ITaperDelegateBase&) = default;
    AAX_ITaperDelegateBase& operator= (const AAX_ITaperDelegateBase&) = default;
};

/**
    Maps a parameter's real value of type T to and from the normalised value (0 to 1) in
    which the host deals, and clamps real values into its range. Immutable once made.
*/
template <typename T>
class AAX_ITaperDelegate : public AAX_ITaperDelegateBase
{
public:
    /** A new copy, owned by the caller. */
    virtual AAX_ITaperDelegate* Clone() const = 0;
    virtual T GetMaximumValue() const = 0;
    virtual T GetMinimumValue() const = 0;
    virtual T ConstrainRealValue (T value) const = 0;
    virtual T NormalizedToReal (double normalizedValue) const = 0;
    virtual double RealToNormalized (T realValue) const = 0;
};
