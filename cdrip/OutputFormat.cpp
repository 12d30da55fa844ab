#include "cdrip/OutputFormat.h"

std::uint32_t OutputFormatSampleRate(TOutputFormat format)
{
    switch (format) {
    case TOutputFormat::STEREO44100:
    case TOutputFormat::MONO44100: return 44100;
    case TOutputFormat::STEREO22050:
    case TOutputFormat::MONO22050: return 22050;
    case TOutputFormat::STEREO11025:
    case TOutputFormat::MONO11025: return 11025;
    }
    return 44100;
}

std::uint16_t OutputFormatChannels(TOutputFormat format)
{
    // Even values are stereo, odd ones mono.
    return static_cast<std::uint8_t>(format) % 2 == 0 ? 2 : 1;
}
