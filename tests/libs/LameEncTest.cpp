// The encoder library: configurations, encoding a sine and decoding it with mpg123, the info tag, bad input.
#include "AudioFiles.h"

#include "libs/lame_enc/LameEnc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

using libstest::TPcm;

BE_Config Config(uint32_t rate, int32_t mode)
{
    BE_Config config{};
    config.Config = BE_CONFIG_LAME;
    config.StructVersion = BE_CONFIG_STRUCT_VERSION;
    config.StructSize = BE_CONFIG_STRUCT_SIZE;
    config.SampleRate = rate;
    config.Mode = mode;
    config.Bitrate = 128;
    config.MaxBitrate = 320;
    config.MpegVersion = 1;
    config.CRC = -1;
    config.VBRQuality = 4;
    return config;
}

std::vector<int16_t> Sine(double frequency, int rate, int channels, size_t frames)
{
    std::vector<int16_t> samples(frames * static_cast<size_t>(channels));
    for (size_t i = 0; i < frames; ++i)
        for (int ch = 0; ch < channels; ++ch)
            samples[i * channels + ch] = static_cast<int16_t>(std::lrint(12000 * std::sin(2 * std::numbers::pi * frequency * i / rate)));
    return samples;
}

struct TEncoded {
    std::vector<uint8_t> Mp3;       // with the info tag over its first frame when the stream has one
    std::vector<uint8_t> InfoTag;
    uint32_t SamplesPerChunk = 0;
};

// Encodes as the program's rip does: whole chunks of the reported size, the rest in one last call; then puts the
// info tag in place as the program does.
TEncoded Encode(const BE_Config& config, const std::vector<int16_t>& samples, uint32_t samplesPerCall = 0)
{
    TEncoded encoded;
    uint32_t outputSize = 0, stream = 0;
    EXPECT_EQ(beInitStream(&config, &encoded.SamplesPerChunk, &outputSize, &stream), BE_ERR_SUCCESSFUL);
    if (encoded.SamplesPerChunk == 0)
        return encoded;
    const uint32_t step = samplesPerCall != 0 ? samplesPerCall : encoded.SamplesPerChunk;
    std::vector<uint8_t> output(outputSize);
    uint32_t bytes = 0;
    for (size_t at = 0; at < samples.size(); at += step) {
        const auto count = static_cast<uint32_t>(std::min<size_t>(step, samples.size() - at));
        EXPECT_EQ(beEncodeChunk(stream, count, samples.data() + at, output.data(), &bytes), BE_ERR_SUCCESSFUL);
        EXPECT_LE(bytes, outputSize);
        encoded.Mp3.insert(encoded.Mp3.end(), output.begin(), output.begin() + bytes);
    }
    EXPECT_EQ(beDeinitStream(stream, output.data(), &bytes), BE_ERR_SUCCESSFUL);
    encoded.Mp3.insert(encoded.Mp3.end(), output.begin(), output.begin() + bytes);
    if (beGetInfoTag(stream, output.data(), outputSize, &bytes) == BE_ERR_SUCCESSFUL) {
        encoded.InfoTag.assign(output.begin(), output.begin() + bytes);
        EXPECT_LE(bytes, encoded.Mp3.size());
        std::copy_n(encoded.InfoTag.begin(), std::min<size_t>(bytes, encoded.Mp3.size()), encoded.Mp3.begin());
    }
    EXPECT_EQ(beCloseStream(stream), BE_ERR_SUCCESSFUL);
    return encoded;
}

TPcm Decode(const std::vector<uint8_t>& mp3)
{
    libstest::TTempFolder folder;
    libstest::WriteBytes(folder.Path() / "out.mp3", mp3);
    return libstest::DecodeMp3(folder.Path() / "out.mp3");
}

TEST(LameEnc, VersionNamesLibraryAndEngine)
{
    BE_Version version;
    std::memset(&version, 0xCC, sizeof version);
    beVersion(&version);
    EXPECT_EQ(version.DLLMajorVersion, 1);
    EXPECT_EQ(version.MajorVersion, 3);
    EXPECT_GE(version.MinorVersion, 99);
    EXPECT_EQ(version.Reserved[0], 0);
}

TEST(LameEnc, EveryModeQualityAndRateEncodesASineThatDecodesToItsLengthAndPitch)
{
    const struct {
        uint32_t Rate;
        int32_t Mode, Quality;
        bool Vbr;
        int32_t VbrQuality;
        uint32_t FrameSize;   // input samples per channel of one MP3 frame
    } cases[] = {
        {44100, BE_MODE_STEREO, BE_QUALITY_NORMAL, false, 4, 1152},
        {44100, BE_MODE_JSTEREO, BE_QUALITY_HIGH, false, 4, 1152},
        {44100, BE_MODE_DUALCHANNEL, BE_QUALITY_LOW, false, 4, 1152},
        {44100, BE_MODE_MONO, BE_QUALITY_VOICE, false, 4, 1588},   // the speech preset resamples to 32 kHz
        {44100, BE_MODE_JSTEREO, BE_QUALITY_NORMAL, true, 0, 1152},
        {44100, BE_MODE_STEREO, BE_QUALITY_NORMAL, true, 10, 1152},
        {32000, BE_MODE_STEREO, BE_QUALITY_NORMAL, false, 4, 1152},
        {22050, BE_MODE_STEREO, BE_QUALITY_NORMAL, false, 4, 576},
        {22050, BE_MODE_MONO, BE_QUALITY_NORMAL, true, 5, 576},
        {11025, BE_MODE_MONO, BE_QUALITY_LOW, false, 4, 576},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Rate << " Hz, mode " << c.Mode << ", quality " << c.Quality
                                        << (c.Vbr ? ", VBR " : ", CBR ") << c.VbrQuality);
        BE_Config config = Config(c.Rate, c.Mode);
        config.Quality = c.Quality;
        config.EnableVBR = c.Vbr ? -1 : 0;
        config.VBRQuality = c.VbrQuality;
        const int channels = c.Mode == BE_MODE_MONO ? 1 : 2;
        const size_t frames = c.Rate * 2;   // two seconds
        const double pitch = 440;
        const TEncoded encoded = Encode(config, Sine(pitch, static_cast<int>(c.Rate), channels, frames));
        EXPECT_EQ(encoded.SamplesPerChunk, c.FrameSize * channels);

        const TPcm pcm = Decode(encoded.Mp3);
        EXPECT_EQ(pcm.Channels, channels);
        // The voice preset may lower the output rate; the length in seconds is what must hold. A stream with an
        // info tag is trimmed by the decoder to the exact length; one without keeps the encoder's delay and padding.
        const double seconds = static_cast<double>(pcm.Frames()) / pcm.Rate;
        const double slack = encoded.InfoTag.empty() ? (2.0 * c.FrameSize + 1105) / c.Rate : 1.0 / pcm.Rate;
        EXPECT_EQ(encoded.InfoTag.empty(), !c.Vbr);
        EXPECT_GE(seconds, 2.0 - 1.0 / c.Rate);
        EXPECT_LE(seconds, 2.0 + slack);
        EXPECT_NEAR(libstest::DominantFrequency(pcm), pitch, 10);
    }
}

TEST(LameEnc, LargerAndOddChunksEncodeTheSameAudio)
{
    const BE_Config config = Config(44100, BE_MODE_STEREO);
    const std::vector<int16_t> sine = Sine(1000, 44100, 2, 44100);
    const TEncoded regular = Encode(config, sine);
    // Twice the chunk, as a WAV conversion hands over, the most the buffer size is reported for, and an odd
    // count that splits a stereo pair.
    for (uint32_t perCall : {2 * regular.SamplesPerChunk, 8 * regular.SamplesPerChunk, 1001u}) {
        const TEncoded other = Encode(config, sine, perCall);
        EXPECT_TRUE(other.Mp3 == regular.Mp3) << perCall << " samples per call";
    }
}

TEST(LameEnc, InfoTagMakesTheDecodedLengthExact)
{
    for (bool vbr : {false, true}) {
        SCOPED_TRACE(vbr ? "VBR" : "CBR with header");
        BE_Config config = Config(44100, BE_MODE_JSTEREO);
        config.WriteVBRHeader = -1;
        config.EnableVBR = vbr ? -1 : 0;
        const size_t frames = 44100 * 3 + 123;
        const TEncoded encoded = Encode(config, Sine(440, 44100, 2, frames));

        const std::vector<libstest::TMp3Frame> mp3Frames = libstest::Mp3Frames(encoded.Mp3);
        ASSERT_GT(mp3Frames.size(), 100u);
        EXPECT_EQ(mp3Frames.back().Offset + mp3Frames.back().Length, encoded.Mp3.size());
        ASSERT_EQ(encoded.InfoTag.size(), mp3Frames.front().Length);

        // The tag's frame count (big-endian, after the "Xing"/"Info" marker and its flags) counts the audio frames.
        const auto marker = std::search(encoded.Mp3.begin(), encoded.Mp3.begin() + 64, std::begin("Info"), std::end("Info") - 1);
        const auto xing = std::search(encoded.Mp3.begin(), encoded.Mp3.begin() + 64, std::begin("Xing"), std::end("Xing") - 1);
        const auto at = marker != encoded.Mp3.begin() + 64 ? marker : xing;
        ASSERT_NE(at, encoded.Mp3.begin() + 64);
        const uint8_t* count = &*at + 8;
        EXPECT_EQ(static_cast<size_t>(count[0] << 24 | count[1] << 16 | count[2] << 8 | count[3]), mp3Frames.size() - 1);

        const TPcm pcm = Decode(encoded.Mp3);
        EXPECT_EQ(pcm.Frames(), frames);
    }
}

TEST(LameEnc, StreamsWithoutTheHeaderHaveNoInfoTag)
{
    const TEncoded encoded = Encode(Config(44100, BE_MODE_STEREO), Sine(440, 44100, 2, 4410));
    EXPECT_TRUE(encoded.InfoTag.empty());
    EXPECT_EQ(libstest::Mp3Frames(encoded.Mp3).size() * 1152 >= 4410, true);
}

TEST(LameEnc, InvalidConfigurationsAreRefused)
{
    const struct {
        const char* What;
        void (*Spoil)(BE_Config&);
        uint32_t Result;
    } cases[] = {
        {"record kind", [](BE_Config& c) { c.Config = 0; }, BE_ERR_INVALID_FORMAT},
        {"structure version", [](BE_Config& c) { c.StructVersion = 2; }, BE_ERR_INVALID_FORMAT},
        {"structure size", [](BE_Config& c) { c.StructSize = 330; }, BE_ERR_INVALID_FORMAT},
        {"sample rate", [](BE_Config& c) { c.SampleRate = 44000; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"resampling rate", [](BE_Config& c) { c.ReSampleRate = 7; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"mode", [](BE_Config& c) { c.Mode = 4; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"quality", [](BE_Config& c) { c.Quality = -1; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"bit rate", [](BE_Config& c) { c.Bitrate = 0; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"bit rate too high", [](BE_Config& c) { c.Bitrate = 640; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"VBR quality", [](BE_Config& c) { c.EnableVBR = -1; c.VBRQuality = 11; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"VBR maximum below minimum", [](BE_Config& c) { c.EnableVBR = -1; c.MaxBitrate = 64; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
        {"emphasis", [](BE_Config& c) { c.Emphasis = 2; }, BE_ERR_INVALID_FORMAT_PARAMETERS},
    };
    for (const auto& c : cases) {
        BE_Config config = Config(44100, BE_MODE_STEREO);
        c.Spoil(config);
        uint32_t samples = 7, size = 7, stream = 7;
        EXPECT_EQ(beInitStream(&config, &samples, &size, &stream), c.Result) << c.What;
    }
    uint32_t samples = 0, size = 0, stream = 0;
    EXPECT_EQ(beInitStream(nullptr, &samples, &size, &stream), BE_ERR_INVALID_FORMAT_PARAMETERS);
}

TEST(LameEnc, UnknownAndClosedHandlesAreRefused)
{
    const BE_Config config = Config(44100, BE_MODE_STEREO);
    uint32_t samples = 0, size = 0, stream = 0;
    ASSERT_EQ(beInitStream(&config, &samples, &size, &stream), BE_ERR_SUCCESSFUL);
    EXPECT_NE(stream, 0u);
    std::vector<uint8_t> output(size);
    std::vector<int16_t> input(samples);
    uint32_t bytes = 0;
    EXPECT_EQ(beCloseStream(stream), BE_ERR_SUCCESSFUL);
    EXPECT_EQ(beEncodeChunk(stream, samples, input.data(), output.data(), &bytes), BE_ERR_INVALID_HANDLE);
    EXPECT_EQ(beDeinitStream(stream, output.data(), &bytes), BE_ERR_INVALID_HANDLE);
    EXPECT_EQ(beCloseStream(stream), BE_ERR_INVALID_HANDLE);
    EXPECT_EQ(beEncodeChunk(0, samples, input.data(), output.data(), &bytes), BE_ERR_INVALID_HANDLE);
}

}
