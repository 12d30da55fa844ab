#include "graphics/StretchMap.h"

#include <cmath>

TStretchMap::TStretchMap(int srcStart, int srcEnd, long long destLength)
    : srcStart_(srcStart),
      middle_(static_cast<int>((static_cast<long long>(srcStart) + srcEnd - 1) / 2)),
      // The float ratio is part of the result: 7 / 10 as a float lies just below 0.7, so 8 columns
      // stretched to 11 never reach the last source column.
      ratio_(destLength < 2 ? 0.0f
                            : static_cast<float>(static_cast<double>(srcEnd - srcStart - 1) /
                                                 static_cast<double>(destLength - 1))),
      single_(destLength < 2)
{
}

int TStretchMap::operator()(long long position) const
{
    if (single_)
        return middle_;
    const double at = static_cast<double>(position) * static_cast<double>(ratio_) + srcStart_;
    return static_cast<int>(std::trunc(at));
}
