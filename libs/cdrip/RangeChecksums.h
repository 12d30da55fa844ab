// TRangeChecksums: the checksums of an open range's audio as the library delivers it, summed chunk by chunk on the
// read-ahead thread: CRC32, the AccurateRip v1 and v2 sums, and the peak level.
#pragma once

#include "CDRip.h"

#include <cstddef>
#include <cstdint>

namespace cdrip {

class TRangeChecksums {
public:
    // AccurateRip sums CD audio only (accurateRip: the output is 44100 Hz stereo); it leaves out the disc's first
    // five sectors but one sample (firstTrack) and its last five sectors (lastTrack) of a track of totalSamples.
    TRangeChecksums(bool accurateRip, bool firstTrack, bool lastTrack, uint64_t totalSamples);
    // The next delivered bytes; CD audio comes in whole 4-byte samples.
    void Add(const uint8_t* bytes, size_t count);
    const CR_RangeChecksums& Sums() const { return FSums; }

private:
    void AddAccurateRip(const uint8_t* bytes, size_t samples);
    void AddPeak(const uint8_t* bytes, size_t values);

    CR_RangeChecksums FSums{};
    uint64_t FPosition = 0;   // samples summed so far
    uint64_t FCheckFrom = 0;  // 1-based positions [FCheckFrom, FCheckTo] count
    uint64_t FCheckTo = 0;
};

}
