#include "graphics/StretchMap.h"

#include <cmath>

std::vector<int> StretchMap(int srcStart, int srcEnd, long long destLength, long long first, int count)
{
    std::vector<int> map(static_cast<std::size_t>(count > 0 ? count : 0));
    if (destLength < 2) {
        const int middle = static_cast<int>((static_cast<long long>(srcStart) + srcEnd - 1) / 2);
        for (int& index : map)
            index = middle;
        return map;
    }
    // The float ratio is part of the result: 7 / 10 as a float lies just below 0.7, so 8 columns
    // stretched to 11 never reach the last source column.
    const float ratio = static_cast<float>(static_cast<double>(srcEnd - srcStart - 1) / static_cast<double>(destLength - 1));
    for (int i = 0; i < count; ++i) {
        const double position = static_cast<double>(i + first) * static_cast<double>(ratio) + srcStart;
        map[static_cast<std::size_t>(i)] = static_cast<int>(std::trunc(position));
    }
    return map;
}
