#pragma once
// The six formats of ripped audio, and the sample rate and channel count each one means.
#include <cstdint>

enum class TOutputFormat : std::uint8_t { STEREO44100, MONO44100, STEREO22050, MONO22050, STEREO11025, MONO11025 };

std::uint32_t OutputFormatSampleRate(TOutputFormat format);
std::uint16_t OutputFormatChannels(TOutputFormat format);
