#pragma once
// The checksums of one ripped track, summed up chunk by chunk while the rip loop writes the audio: the CRC32 of
// the audio as written, the AccurateRip v1 and v2 checksums and the peak level.
#include <cstddef>
#include <cstdint>

struct TTrackChecksums {
    std::uint32_t Crc32 = 0;
    // Only for CD audio (44100 Hz stereo): AccurateRip sums the disc's own samples.
    bool HasAccurateRip = false;
    std::uint32_t AccurateRipV1 = 0;
    std::uint32_t AccurateRipV2 = 0;
    // Largest magnitude of a sample, 0 to 32768.
    std::uint32_t Peak = 0;
    std::uint64_t Bytes = 0;
};

class TChecksumAccumulator {
public:
    // AccurateRip leaves out the disc's first five sectors but one sample, and its last five sectors:
    // firstTrack and lastTrack say which of those this track holds; totalSamples is the track's length.
    void Start(bool accurateRip, bool firstTrack, bool lastTrack, std::uint64_t totalSamples);
    // The next bytes of the track as written; stereo CD audio always comes in whole samples.
    void Add(const std::uint8_t* bytes, std::size_t count);
    const TTrackChecksums& Result() const { return sums_; }

private:
    TTrackChecksums sums_;
    std::uint64_t position_ = 0;   // samples (4-byte frames) seen so far
    std::uint64_t checkFrom_ = 0;  // 1-based positions [checkFrom_, checkTo_] are summed
    std::uint64_t checkTo_ = 0;
};
