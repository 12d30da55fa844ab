#include "cdrip/WavHeader.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

#include "framework/Stream.h"

namespace {

// The RIFF length field is 32 bits; longer audio cannot be described.
constexpr std::int64_t MaxDataLength = 0xFFFFFFFFll - 36;

}  // namespace

std::array<unsigned char, 44> MakeWavHeader(std::uint16_t channels, std::uint32_t sampleRate,
                                            std::uint32_t dataLength)
{
    std::array<unsigned char, 44> header{};
    unsigned char* h = header.data();
    std::memcpy(h, "RIFF", 4);
    qToLittleEndian<std::uint32_t>(dataLength + 36, h + 4);
    std::memcpy(h + 8, "WAVE", 4);
    std::memcpy(h + 12, "fmt ", 4);
    qToLittleEndian<std::uint32_t>(16, h + 16);
    qToLittleEndian<std::uint16_t>(1, h + 20);
    qToLittleEndian<std::uint16_t>(channels, h + 22);
    qToLittleEndian<std::uint32_t>(sampleRate, h + 24);
    qToLittleEndian<std::uint32_t>(channels * sampleRate * 2, h + 28);
    qToLittleEndian<std::uint16_t>(static_cast<std::uint16_t>(channels * 2), h + 32);
    qToLittleEndian<std::uint16_t>(16, h + 34);
    std::memcpy(h + 36, "data", 4);
    qToLittleEndian<std::uint32_t>(dataLength, h + 40);
    return header;
}

bool PatchWavLengths(TStream& stream, std::int64_t dataLength)
{
    const auto length = static_cast<std::uint32_t>(std::clamp<std::int64_t>(dataLength, 0, MaxDataLength));
    unsigned char riff[4];
    unsigned char data[4];
    qToLittleEndian<std::uint32_t>(length + 36, riff);
    qToLittleEndian<std::uint32_t>(length, data);
    const std::int64_t position = stream.Position();
    stream.SetPosition(4);
    bool whole = stream.Write(riff, 4) == 4;
    stream.SetPosition(40);
    whole = stream.Write(data, 4) == 4 && whole;
    stream.SetPosition(position);
    return whole;
}
