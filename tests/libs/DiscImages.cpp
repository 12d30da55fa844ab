#include "DiscImages.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <random>

namespace libstest {

std::vector<uint8_t> TrackSectors(int track, uint32_t sectors, bool audio)
{
    std::vector<uint8_t> bytes(sectors * kSectorBytes);
    std::mt19937 random(static_cast<uint32_t>(track) * 7919u + (audio ? 1 : 2));
    if (!audio) {
        for (uint8_t& byte : bytes)
            byte = static_cast<uint8_t>(random());
        static const uint8_t sync[12] = {0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0};
        for (uint32_t s = 0; s < sectors; ++s)
            std::memcpy(bytes.data() + s * kSectorBytes, sync, sizeof sync);
        return bytes;
    }
    const double frequency = 220.0 * (track + 1);
    std::uniform_int_distribution<int> noise(-300, 300);
    for (size_t frame = 0; frame < bytes.size() / 4; ++frame) {
        const double tone = 12000.0 * std::sin(2 * std::numbers::pi * frequency * static_cast<double>(frame) / 44100.0);
        for (int channel = 0; channel < 2; ++channel) {
            const auto sample = static_cast<int16_t>(std::lround(tone * (channel == 0 ? 1.0 : 0.5)) + noise(random));
            bytes[frame * 4 + channel * 2] = static_cast<uint8_t>(sample & 0xFF);
            bytes[frame * 4 + channel * 2 + 1] = static_cast<uint8_t>((sample >> 8) & 0xFF);
        }
    }
    return bytes;
}

std::vector<uint8_t> Swapped(std::vector<uint8_t> bytes)
{
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        std::swap(bytes[i], bytes[i + 1]);
    return bytes;
}

namespace {
void Put32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
void Put16(std::vector<uint8_t>& out, uint16_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}
void PutTag(std::vector<uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(tag[i]));
}
}

std::vector<uint8_t> Wave(const std::vector<uint8_t>& samples, bool extraChunk, uint16_t channels, uint32_t rate)
{
    std::vector<uint8_t> out;
    PutTag(out, "RIFF");
    Put32(out, 0);   // patched below
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, channels);
    Put32(out, rate);
    Put32(out, rate * channels * 2);
    Put16(out, static_cast<uint16_t>(channels * 2));
    Put16(out, 16);
    if (extraChunk) {
        PutTag(out, "LIST");
        Put32(out, 5);
        out.insert(out.end(), {'I', 'N', 'F', 'O', 'x', 0});   // five bytes and the pad byte
    }
    PutTag(out, "data");
    Put32(out, static_cast<uint32_t>(samples.size()));
    out.insert(out.end(), samples.begin(), samples.end());
    const auto riffSize = static_cast<uint32_t>(out.size() - 8);
    std::memcpy(out.data() + 4, &riffSize, 4);
    return out;
}

std::string CueTime(uint32_t sectors)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u", sectors / (75 * 60), sectors / 75 % 60, sectors % 75);
    return text;
}

std::vector<uint8_t> Joined(const std::vector<std::vector<uint8_t>>& parts)
{
    std::vector<uint8_t> out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

}
