#pragma once
// The platform's multiply-then-divide: a × b / c in 64 bits, rounded to the nearest with halves
// away from zero; -1 for a divisor of 0.
#include <cstdint>

constexpr int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t p = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = (c < 0 ? -c : c) / 2;
    const bool negative = (p < 0) != (c < 0);
    return static_cast<int>((negative ? p - (c < 0 ? -half : half) : p + (c < 0 ? -half : half)) / c);
}
