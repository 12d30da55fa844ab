#pragma once
// Nearest-pixel maps from target columns (or rows) to source columns, both ends aligned.

// The source index for each position of a target span of destLength that samples the source
// span [srcStart, srcEnd). The ratio is held as a 32-bit float, (srcLength - 1) / (destLength - 1),
// and the product is truncated toward zero. A target span under 2 takes the middle source index.
class TStretchMap {
public:
    TStretchMap(int srcStart, int srcEnd, long long destLength);

    // position counts from the start of the target span.
    int operator()(long long position) const;

private:
    int srcStart_;
    int middle_;
    float ratio_;
    bool single_;
};
