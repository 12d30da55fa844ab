// Data files named by a sheet: where their sector bytes start and how many there are.
#pragma once

#include <cstdint>
#include <filesystem>

namespace cdrip {

enum class TDataFileKind { dfRaw, dfWave };

struct TDataFile {
    uint64_t Offset = 0;   // first byte of sector data
    uint64_t Bytes = 0;    // bytes of sector data
};

// A raw file is sector data from its first byte to its end; a WAVE file's data chunk must hold 16-bit 44100 Hz
// stereo PCM. Throws EDiscError naming the file when it is missing, unreadable or of another audio format.
TDataFile ProbeDataFile(const std::filesystem::path& path, TDataFileKind kind);

}
