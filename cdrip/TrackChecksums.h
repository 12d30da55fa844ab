#pragma once
// The checksums of one ripped track, as the CD library summed them while it delivered the audio: the CRC32 of the
// audio as written (or fed to the encoder), the AccurateRip v1 and v2 sums and the peak level.
#include <cstdint>

struct TTrackChecksums {
    // False when the CD library does not sum checksums: then every other field is 0.
    bool Available = false;
    std::uint32_t Crc32 = 0;
    // Only for CD audio (44100 Hz stereo): AccurateRip sums the disc's own samples.
    bool HasAccurateRip = false;
    std::uint32_t AccurateRipV1 = 0;
    std::uint32_t AccurateRipV2 = 0;
    // The plain sum of the sample words AccurateRip summed: with the samples at the track's edges it gives the v1
    // sum at another offset.
    std::uint32_t AccurateRipWords = 0;
    // Largest magnitude of a sample, 0 to 32768.
    std::uint32_t Peak = 0;
    std::uint64_t Bytes = 0;
};
