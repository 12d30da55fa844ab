#pragma once
// The settings every rip starts from, in the main window and on the command line alike: the values the ripping
// component is kept with, and the encoder settings the window's settings controls first select.
#include <cstdint>

#include "coder/LameCoder.h"

class TCDRIP;

struct TFirstEncoderSettings {
    std::uint32_t SampleRate = 44100;
    std::uint32_t Bitrate = 256;
    TLameMode Mode = TLameMode::STEREO;
    bool EnableVBR = false;
    bool Copyright = false;
    bool CRC = true;
    bool Original = false;
    std::int32_t VBRQuality = 3;
};
inline constexpr TFirstEncoderSettings kFirstEncoderSettings{};

// The first drive, the component's own copy of the drive table (a dense ATAPI drive; the library never sees it), WAV
// files, version "111" and speed 32.
void ApplyStoredRipValues(TCDRIP& cdrip);
// Hands kFirstEncoderSettings to the coder; MaxBitrate, Quality and Private keep the coder's own first values.
void ApplyFirstEncoderSettings(TLameCoder& coder);
