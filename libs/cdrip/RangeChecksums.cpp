#include "RangeChecksums.h"

#include "Crc32.h"

#include <algorithm>
#include <cstring>

namespace cdrip {

namespace {
constexpr uint64_t kSamplesPerSector = 588;

uint32_t Magnitude(int16_t value)
{
    return static_cast<uint32_t>(value < 0 ? -int32_t{value} : int32_t{value});
}
}

TRangeChecksums::TRangeChecksums(bool accurateRip, bool firstTrack, bool lastTrack, uint64_t totalSamples)
{
    FSums.Crc32 = 0;
    FSums.AccurateRip = accurateRip ? 1 : 0;
    FCheckFrom = firstTrack ? 5 * kSamplesPerSector : 1;
    FCheckTo = lastTrack && totalSamples >= 5 * kSamplesPerSector ? totalSamples - 5 * kSamplesPerSector : totalSamples;
}

void TRangeChecksums::Add(const uint8_t* bytes, size_t count)
{
    FSums.Crc32 = Crc32(FSums.Crc32, bytes, count);
    FSums.Bytes += count;
    if (FSums.AccurateRip != 0)
        AddAccurateRip(bytes, count / 4);
    AddPeak(bytes, count / 2);
}

void TRangeChecksums::AddAccurateRip(const uint8_t* bytes, size_t samples)
{
    // Sample k (1-based in the track), a little-endian 32-bit word of both channels, adds word * k; v2 adds the
    // 64-bit product's high half too. Only positions inside [FCheckFrom, FCheckTo] count: the loop runs over
    // that part alone, with no test per sample.
    // The halves are summed apart (v2 is their sum) so that the loop vectorises. A track's positions fit in 32
    // bits: 80 minutes are 212 million samples.
    const uint64_t first = FPosition + 1;
    const uint64_t from = std::max(first, FCheckFrom);
    const uint64_t end = std::min(first + samples, FCheckTo + 1);
    uint32_t low = 0;
    uint32_t high = 0;
    uint32_t words = 0;
    const uint8_t* at = bytes + 4 * (from - first);
    const uint32_t position = static_cast<uint32_t>(from);
    const uint32_t count = end > from ? static_cast<uint32_t>(end - from) : 0;
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t word = 0;
        std::memcpy(&word, at + 4 * size_t{i}, 4);
        const uint64_t product = uint64_t{word} * (position + i);
        low += static_cast<uint32_t>(product);
        high += static_cast<uint32_t>(product >> 32);
        words += word;
    }
    FSums.AccurateRipV1 += low;
    FSums.AccurateRipV2 += low + high;
    FSums.AccurateRipWords += words;
    FPosition += samples;
}

void TRangeChecksums::AddPeak(const uint8_t* bytes, size_t values)
{
    int16_t low = 0;
    int16_t high = 0;
    for (size_t i = 0; i < values; ++i) {
        int16_t value = 0;
        std::memcpy(&value, bytes + 2 * i, 2);
        low = std::min(low, value);
        high = std::max(high, value);
    }
    FSums.Peak = std::max({FSums.Peak, Magnitude(low), Magnitude(high)});
}

}
