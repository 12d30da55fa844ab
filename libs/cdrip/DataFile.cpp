#include "DataFile.h"

#include "DiscError.h"

#include <array>
#include <cstring>
#include <fstream>
#include <string>

namespace cdrip {

namespace {

constexpr uint16_t kWavePcm = 1;
constexpr uint16_t kWaveExtensible = 0xFFFE;

uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t{p[3]} << 24; }
uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

TDataFile ProbeWave(const std::filesystem::path& path, std::ifstream& in, uint64_t fileBytes)
{
    const std::string name = path.string();
    std::array<uint8_t, 12> riff{};
    if (!in.read(reinterpret_cast<char*>(riff.data()), riff.size()) || std::memcmp(riff.data(), "RIFF", 4) != 0
        || std::memcmp(riff.data() + 8, "WAVE", 4) != 0)
        throw EDiscError(name + ": not a WAVE file (no RIFF/WAVE header)");
    bool formatSeen = false;
    // Chunks follow one another, each padded to an even length; "fmt " must come before "data".
    for (uint64_t at = riff.size(); at + 8 <= fileBytes;) {
        std::array<uint8_t, 8> header{};
        in.seekg(static_cast<std::streamoff>(at));
        if (!in.read(reinterpret_cast<char*>(header.data()), header.size()))
            break;
        const uint64_t size = Le32(header.data() + 4);
        const uint64_t body = at + header.size();
        if (std::memcmp(header.data(), "fmt ", 4) == 0) {
            std::array<uint8_t, 26> format{};
            const size_t wanted = static_cast<size_t>(std::min<uint64_t>(size, format.size()));
            if (size < 16 || !in.read(reinterpret_cast<char*>(format.data()), static_cast<std::streamsize>(wanted)))
                throw EDiscError(name + ": damaged WAVE format chunk");
            uint16_t tag = Le16(format.data());
            if (tag == kWaveExtensible && size >= 26)
                tag = Le16(format.data() + 24);   // the sub-format's first two bytes name the encoding
            const uint16_t channels = Le16(format.data() + 2);
            const uint32_t rate = Le32(format.data() + 4);
            const uint16_t bits = Le16(format.data() + 14);
            if (tag != kWavePcm || channels != 2 || rate != 44100 || bits != 16)
                throw EDiscError(name + ": WAVE audio of format " + std::to_string(tag) + ", " + std::to_string(channels)
                    + " channels, " + std::to_string(rate) + " Hz, " + std::to_string(bits)
                    + " bits; only 16-bit 44100 Hz stereo PCM can be read");
            formatSeen = true;
        } else if (std::memcmp(header.data(), "data", 4) == 0) {
            if (!formatSeen)
                throw EDiscError(name + ": WAVE data chunk before its format chunk");
            // Streamed WAVE files may leave the size unset; the file's end bounds it.
            return {body, std::min(size, fileBytes - body)};
        }
        at = body + size + (size & 1);
    }
    throw EDiscError(name + ": WAVE file without a data chunk");
}

}

TDataFile ProbeDataFile(const std::filesystem::path& path, TDataFileKind kind)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::is_regular_file(status))
        throw EDiscError(path.string() + ": no such file");
    const uint64_t bytes = std::filesystem::file_size(path, error);
    if (error)
        throw EDiscError(path.string() + ": cannot be read (" + error.message() + ")");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw EDiscError(path.string() + ": cannot be opened");
    if (kind == TDataFileKind::dfWave)
        return ProbeWave(path, in, bytes);
    return {0, bytes};
}

}
