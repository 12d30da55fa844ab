// TFormatConverter: turns 44100 Hz stereo CD audio into one of the six output formats (downmix, then libsoxr).
#pragma once

#include <soxr.h>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace cdrip {

class TFormatConverter {
public:
    // Throws std::invalid_argument for a format outside 0..5 and std::runtime_error when libsoxr fails.
    explicit TFormatConverter(int outputFormat);
    ~TFormatConverter();
    TFormatConverter(const TFormatConverter&) = delete;
    TFormatConverter& operator=(const TFormatConverter&) = delete;

    static int SampleRate(int outputFormat);
    static int Channels(int outputFormat);

    // Converts frames of interleaved stereo samples into out (capacity bytes) and returns the bytes written;
    // last flushes what the resampler still holds. frames may be 0.
    size_t Convert(const int16_t* in, size_t frames, bool last, uint8_t* out, size_t capacity);
    // The output is CD audio as it comes (44100 Hz stereo): Convert would only copy it.
    bool PassesThrough() const { return FChannels == 2 && FResampler == nullptr; }

private:
    size_t Resample(const int16_t* in, size_t frames, bool last, int16_t* out, size_t outFrames);

    int FChannels;
    soxr_t FResampler = nullptr;
    std::unique_ptr<int16_t[]> FMono;
    size_t FMonoFrames = 0;
};

}
