#pragma once
// The 44-byte header of a 16-bit PCM WAV file, and patching its two lengths once the audio is written.
#include <array>
#include <cstdint>

class TStream;

std::array<unsigned char, 44> MakeWavHeader(std::uint16_t channels, std::uint32_t sampleRate,
                                            std::uint32_t dataLength);
// Rewrites the RIFF and data lengths for dataLength bytes of audio; the position is restored.
// Answers false when the stream took fewer bytes than given.
bool PatchWavLengths(TStream& stream, std::int64_t dataLength);
