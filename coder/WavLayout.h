#pragma once
// Where the audio of a file to convert lies and what it is: a WAV file's "fmt " and "data" chunks,
// or raw PCM from byte 0 when the file is not "WAVE".
#include <QString>
#include <cstdint>

#include "framework/Stream.h"

struct TWavLayout {
    bool IsWave = false;
    std::uint32_t SampleRate = 0;
    std::uint16_t Channels = 0;
    std::uint16_t BlockAlign = 0;
    std::int64_t DataOffset = 0;
    // The audio bytes the file holds: as the "data" chunk declares them, or fewer when the file ends
    // sooner (cut off, or written through a pipe with a placeholder length).
    std::int64_t DataLength = 0;
    std::int64_t DeclaredLength = 0;
};

// Reads the layout of stream, which is fileName. A "WAVE" file without a "fmt " or "data" chunk, or
// whose audio is not 16-bit PCM in one or two channels, raises ELameError naming what it found.
TWavLayout ReadWavLayout(TStream& stream, const QString& fileName);
