// Helpers for the library tests: files, temporary folders, decoding MP3 with mpg123, MP3 frame walking.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace libstest {

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// A fresh folder under the system's temporary folder, removed with the object.
class TTempFolder {
public:
    TTempFolder();
    ~TTempFolder();
    const std::filesystem::path& Path() const { return FPath; }

private:
    std::filesystem::path FPath;
};

struct TPcm {
    int Rate = 0;
    int Channels = 0;
    std::vector<int16_t> Samples;
    size_t Frames() const { return Channels == 0 ? 0 : Samples.size() / static_cast<size_t>(Channels); }
};

// Decodes with `mpg123 -w`; fails the calling test (empty result) when mpg123 does.
TPcm DecodeMp3(const std::filesystem::path& mp3);

// The strongest frequency below 3 kHz in the first channel's middle half second, to 5 Hz.
double DominantFrequency(const TPcm& pcm);

struct TMp3Frame {
    size_t Offset;
    size_t Length;
};
// Walks MPEG audio frame headers from offset 0; stops at the first byte that is no frame header.
std::vector<TMp3Frame> Mp3Frames(const std::vector<uint8_t>& mp3);

}
