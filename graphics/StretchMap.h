#pragma once
// Nearest-pixel maps from target columns (or rows) to source columns, both ends aligned.
#include <vector>

// Source index for each of count target positions starting first positions into a target span
// of destLength, sampling the source span [srcStart, srcEnd). The ratio is held as a 32-bit
// float, (srcLength - 1) / (destLength - 1), and the product is truncated toward zero. A target
// span under 2 takes the middle source index.
std::vector<int> StretchMap(int srcStart, int srcEnd, long long destLength, long long first, int count);
