#pragma once
// The program's rounding to an integer: to the nearest, halves to even (nearbyint in the default
// rounding mode).
#include <cmath>

inline int RoundEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}
