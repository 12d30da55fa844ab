// trackwell-make-demo-disc: writes the demo disc image (Trackwell-Demo.cue and .bin) into the given folder.
#include "Songs.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

// Cue sheets give positions as minutes, seconds and frames of 1/75 s.
std::string CueTime(size_t sector)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02zu:%02zu:%02zu", sector / (75 * 60), sector / 75 % 60, sector % 75);
    return text;
}

void Write(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    const std::vector<demodisc::TSong> songs = demodisc::RenderSongs();
    std::ofstream bin(folder / "Trackwell-Demo.bin", std::ios::binary | std::ios::trunc);
    std::ofstream cue(folder / "Trackwell-Demo.cue", std::ios::trunc);
    cue << "REM Trackwell demo disc: synthesized, deterministic\r\n"
        << "PERFORMER \"Trackwell\"\r\nTITLE \"Trackwell Demo\"\r\nFILE \"Trackwell-Demo.bin\" BINARY\r\n";
    size_t sector = 0;
    for (size_t i = 0; i < songs.size(); ++i) {
        char track[24];
        std::snprintf(track, sizeof track, "%02zu", i + 1);
        cue << "  TRACK " << track << " AUDIO\r\n    TITLE \"" << songs[i].Title << "\"\r\n    INDEX 01 "
            << CueTime(sector) << "\r\n";
        // CD audio is little-endian, as is every machine this tool runs on.
        bin.write(reinterpret_cast<const char*>(songs[i].Pcm.data()), static_cast<std::streamsize>(songs[i].Pcm.size() * 2));
        sector += songs[i].Pcm.size() * 2 / 2352;
    }
    bin.close();
    cue.close();
    if (!bin || !cue)
        throw std::runtime_error("cannot write the demo disc into " + folder.string());
}

}

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: trackwell-make-demo-disc FOLDER\n";
        return 2;
    }
    try {
        Write(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "trackwell-make-demo-disc: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
