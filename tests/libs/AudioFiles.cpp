#include "AudioFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <numbers>
#include <random>

namespace libstest {

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TTempFolder::TTempFolder()
{
    std::random_device random;
    FPath = std::filesystem::temp_directory_path() / ("trackwell-libs-" + std::to_string(random()));
    std::filesystem::create_directories(FPath);
}

TTempFolder::~TTempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
}

namespace {

uint32_t Le32(const uint8_t* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

}

TPcm DecodeMp3(const std::filesystem::path& mp3)
{
    const std::filesystem::path wav = mp3.string() + ".wav";
    const std::string command = "mpg123 -q -w '" + wav.string() + "' '" + mp3.string() + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0) {
        ADD_FAILURE() << "mpg123 could not decode " << mp3;
        return {};
    }
    const std::vector<uint8_t> bytes = ReadBytes(wav);
    TPcm pcm;
    // RIFF chunks after the 12-byte header: "fmt " gives the format, "data" the samples.
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const uint32_t size = Le32(&bytes[at + 4]);
        const uint8_t* body = &bytes[at + 8];
        if (std::memcmp(&bytes[at], "fmt ", 4) == 0) {
            pcm.Channels = body[2] | body[3] << 8;
            pcm.Rate = static_cast<int>(Le32(body + 4));
        } else if (std::memcmp(&bytes[at], "data", 4) == 0) {
            const size_t available = std::min<size_t>(size, bytes.size() - at - 8);
            pcm.Samples.resize(available / 2);
            std::memcpy(pcm.Samples.data(), body, pcm.Samples.size() * 2);
            break;
        }
        at += 8 + size + (size & 1);
    }
    return pcm;
}

double DominantFrequency(const TPcm& pcm)
{
    // Goertzel's single-bin power at each candidate frequency, away from the stream's silent edges.
    const size_t window = static_cast<size_t>(pcm.Rate / 2);
    if (pcm.Frames() < window)
        return 0;
    const size_t start = (pcm.Frames() - window) / 2;
    const size_t step = static_cast<size_t>(pcm.Channels);
    double best = 0, bestPower = -1;
    for (double f = 50; f < std::min(3000.0, pcm.Rate / 2.0); f += 5) {
        const double coefficient = 2 * std::cos(2 * std::numbers::pi * f / pcm.Rate);
        double s1 = 0, s2 = 0;
        for (size_t i = start; i < start + window; ++i) {
            const double s0 = pcm.Samples[i * step] + coefficient * s1 - s2;
            s2 = s1;
            s1 = s0;
        }
        const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
        if (power > bestPower) {
            bestPower = power;
            best = f;
        }
    }
    return best;
}

std::vector<TMp3Frame> Mp3Frames(const std::vector<uint8_t>& mp3)
{
    static constexpr int kBitrates[2][16] = {
        {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},   // MPEG-1 layer III
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0}};      // MPEG-2 and 2.5
    static constexpr int kRates[4][3] = {{11025, 12000, 8000}, {0, 0, 0}, {22050, 24000, 16000}, {44100, 48000, 32000}};
    std::vector<TMp3Frame> frames;
    for (size_t at = 0; at + 4 <= mp3.size();) {
        const uint8_t* h = &mp3[at];
        if (h[0] != 0xFF || (h[1] & 0xE0) != 0xE0 || (h[1] & 0x06) != 0x02)
            break;
        const int version = (h[1] >> 3) & 3;   // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
        const int bitrate = kBitrates[version == 3 ? 0 : 1][h[2] >> 4];
        const int rate = kRates[version][(h[2] >> 2) & 3];
        if (bitrate == 0 || rate == 0)
            break;
        const size_t length = static_cast<size_t>((version == 3 ? 144000 : 72000) * bitrate / rate + ((h[2] >> 1) & 1));
        frames.push_back({at, length});
        at += length;
    }
    return frames;
}

}
