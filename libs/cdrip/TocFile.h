// cdrdao .toc files, read into a TImageLayout.
#pragma once

#include "ImageLayout.h"

#include <filesystem>

namespace cdrip {

// Reads a .toc file and probes the files it names (relative to its folder). Tracks: AUDIO, MODE1_RAW, MODE2_RAW.
// Per track: SILENCE/ZERO lengths, FILE/AUDIOFILE "name" [SWAP] [#byte-offset] start [length] and
// DATAFILE "name" [#byte-offset] [length], START [offset] and PREGAP length (the track starts there; what lies
// before ends the previous track). Times are mm:ss:ff or counts of samples (1/44100 s). As cdrdao defines them,
// raw audio files hold big-endian samples unless SWAP is given; .wav files are read after their header.
// Throws EDiscError naming the file's line on any damage.
TImageLayout ReadTocFile(const std::filesystem::path& sheet);

}
