// Cue sheets as rippers and burners write them, read into a TImageLayout.
#pragma once

#include "ImageLayout.h"

#include <filesystem>

namespace cdrip {

// Reads a cue sheet and probes the files it names (relative to its folder): BINARY (little-endian), MOTOROLA
// (big-endian) and WAVE (16-bit 44100 Hz stereo PCM) files; AUDIO, MODE1/2352 and MODE2/2352 tracks. A track
// starts at its INDEX 01; what lies before it (INDEX 00, PREGAP silence) ends the previous track, as rippers list
// it; POSTGAP silence follows the track's data. Throws EDiscError naming the sheet's line on any damage.
TImageLayout ReadCueSheet(const std::filesystem::path& sheet);

}
