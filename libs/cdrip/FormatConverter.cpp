#include "FormatConverter.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

namespace cdrip {

namespace {
constexpr int kCdRate = 44100;
}

int TFormatConverter::SampleRate(int outputFormat)
{
    static constexpr int kRates[] = {44100, 44100, 22050, 22050, 11025, 11025};
    return kRates[outputFormat];
}

int TFormatConverter::Channels(int outputFormat)
{
    return outputFormat % 2 == 0 ? 2 : 1;
}

TFormatConverter::TFormatConverter(int outputFormat)
{
    if (outputFormat < 0 || outputFormat > 5)
        throw std::invalid_argument("output format " + std::to_string(outputFormat) + " is not 0 to 5");
    FChannels = Channels(outputFormat);
    const int rate = SampleRate(outputFormat);
    if (rate != kCdRate) {
        // Without dither the output is a pure function of the input, so a rip can be repeated bit for bit.
        soxr_io_spec_t io = soxr_io_spec(SOXR_INT16_I, SOXR_INT16_I);
        io.flags |= SOXR_NO_DITHER;
        const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
        soxr_error_t error = nullptr;
        FResampler = soxr_create(kCdRate, rate, static_cast<unsigned>(FChannels), &error, &io, &quality, nullptr);
        if (error != nullptr)
            throw std::runtime_error(std::string("resampler: ") + error);
    }
}

TFormatConverter::~TFormatConverter()
{
    if (FResampler != nullptr)
        soxr_delete(FResampler);
}

size_t TFormatConverter::Convert(const int16_t* in, size_t frames, bool last, uint8_t* out, size_t capacity)
{
    const int16_t* samples = in;
    if (FChannels == 1) {
        if (FMonoFrames < frames) {
            FMono.reset(new int16_t[frames]);
            FMonoFrames = frames;
        }
        for (size_t i = 0; i < frames; ++i)
            FMono[i] = static_cast<int16_t>((in[2 * i] + in[2 * i + 1]) >> 1);
        samples = FMono.get();
    }
    const size_t frameBytes = 2 * static_cast<size_t>(FChannels);
    if (FResampler == nullptr) {
        const size_t bytes = std::min(frames * frameBytes, capacity);
        std::memcpy(out, samples, bytes);
        return bytes;
    }
    return Resample(samples, frames, last, reinterpret_cast<int16_t*>(out), capacity / frameBytes) * frameBytes;
}

size_t TFormatConverter::Resample(const int16_t* in, size_t frames, bool last, int16_t* out, size_t outFrames)
{
    size_t consumed = 0;
    size_t produced = 0;
    if (frames > 0 && (soxr_process(FResampler, in, frames, &consumed, out, outFrames, &produced) != nullptr || consumed != frames))
        throw std::runtime_error("resampling failed");
    if (last) {
        // A null input tells soxr that the stream ends, so it releases the tail it still holds.
        size_t tail = 0;
        do {
            tail = 0;
            if (soxr_process(FResampler, nullptr, 0, nullptr, out + produced * FChannels, outFrames - produced, &tail) != nullptr)
                throw std::runtime_error("resampling failed");
            produced += tail;
        } while (tail > 0 && produced < outFrames);
    }
    return produced;
}

}
