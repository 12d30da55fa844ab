// Small disc images made by the library tests: generated audio and data sectors, the files sheets name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace libstest {

constexpr size_t kSectorBytes = 2352;

// A track's sectors: audio is a tone per track with noise (so swapped or shifted bytes show), data is random bytes
// behind a CD-ROM sync pattern. Deterministic.
std::vector<uint8_t> TrackSectors(int track, uint32_t sectors, bool audio);

// The bytes with every pair swapped: big-endian samples.
std::vector<uint8_t> Swapped(std::vector<uint8_t> bytes);

// A 16-bit stereo WAVE file around the samples; an odd-sized "LIST" chunk before "data" when extraChunk is set.
std::vector<uint8_t> Wave(const std::vector<uint8_t>& samples, bool extraChunk = false, uint16_t channels = 2,
    uint32_t rate = 44100);

// "mm:ss:ff" of a sector count, as cue sheets write positions.
std::string CueTime(uint32_t sectors);

// Concatenation.
std::vector<uint8_t> Joined(const std::vector<std::vector<uint8_t>>& parts);

}
