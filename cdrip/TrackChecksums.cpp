#include "cdrip/TrackChecksums.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace {
constexpr std::uint64_t kSamplesPerSector = 588;
}

void TChecksumAccumulator::Start(bool accurateRip, bool firstTrack, bool lastTrack, std::uint64_t totalSamples)
{
    sums_ = {};
    sums_.HasAccurateRip = accurateRip;
    sums_.Crc32 = static_cast<std::uint32_t>(crc32(0, nullptr, 0));
    position_ = 0;
    checkFrom_ = firstTrack ? 5 * kSamplesPerSector : 1;
    checkTo_ = lastTrack && totalSamples >= 5 * kSamplesPerSector ? totalSamples - 5 * kSamplesPerSector : totalSamples;
}

void TChecksumAccumulator::Add(const std::uint8_t* bytes, std::size_t count)
{
    // zlib takes at most UINT_MAX bytes a call; chunks are far smaller.
    sums_.Crc32 = static_cast<std::uint32_t>(crc32(sums_.Crc32, bytes, static_cast<uInt>(count)));
    sums_.Bytes += count;

    const std::size_t values = count / 2;
    std::int32_t low = 0;
    std::int32_t high = 0;
    for (std::size_t i = 0; i < values; ++i) {
        std::int16_t value = 0;
        std::memcpy(&value, bytes + 2 * i, 2);
        low = std::min<std::int32_t>(low, value);
        high = std::max<std::int32_t>(high, value);
    }
    sums_.Peak = std::max(sums_.Peak, static_cast<std::uint32_t>(std::max(-low, high)));

    if (!sums_.HasAccurateRip)
        return;
    const std::size_t samples = count / 4;
    std::uint32_t v1 = sums_.AccurateRipV1;
    std::uint32_t v2 = sums_.AccurateRipV2;
    // The sums take each stereo sample as one little-endian 32-bit word times its 1-based position in the track.
    for (std::size_t i = 0; i < samples; ++i) {
        const std::uint64_t position = position_ + i + 1;
        if (position < checkFrom_ || position > checkTo_)
            continue;
        std::uint32_t word = 0;
        std::memcpy(&word, bytes + 4 * i, 4);
        const std::uint64_t product = std::uint64_t{word} * (position & 0xFFFFFFFFu);
        v1 += static_cast<std::uint32_t>(product);
        v2 += static_cast<std::uint32_t>(product) + static_cast<std::uint32_t>(product >> 32);
    }
    sums_.AccurateRipV1 = v1;
    sums_.AccurateRipV2 = v2;
    position_ += samples;
}
