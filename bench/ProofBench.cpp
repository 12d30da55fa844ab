// The cost of proving a rip: a WAV rip of a 74-minute image (one track, made here from the demo disc's audio)
// through the CD library, written to a file as the rip loop writes it, with the library summing its checksums
// while it reads ahead and without; the goal is at least 0.9 times the speed without them.
#include <benchmark/benchmark.h>

#include "libs/cdrip/CDRip.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr std::uint32_t kSectors = 74 * 60 * 75;

// The image, made once per process in a temporary folder that is removed at exit.
class TLongImage {
public:
    static const TLongImage& Get()
    {
        static const TLongImage image;
        return image;
    }
    std::string Sheet() const { return (folder_ / "long.cue").string(); }
    std::string Output() const { return (folder_ / "Track01.wav").string(); }
    ~TLongImage() { std::filesystem::remove_all(folder_); }

private:
    TLongImage() : folder_(std::filesystem::temp_directory_path() / ("trackwell-proof-bench-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(folder_);
        std::ifstream demo(std::filesystem::path(TRACKWELL_DEMO_DISC).replace_extension(".bin"), std::ios::binary);
        const std::vector<char> audio((std::istreambuf_iterator<char>(demo)), std::istreambuf_iterator<char>());
        std::ofstream bin(folder_ / "long.bin", std::ios::binary);
        for (std::uint64_t left = std::uint64_t{kSectors} * 2352; left > 0 && !audio.empty();) {
            const std::uint64_t part = std::min<std::uint64_t>(left, audio.size());
            bin.write(audio.data(), static_cast<std::streamsize>(part));
            left -= part;
        }
        std::ofstream(folder_ / "long.cue") << "FILE \"long.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n";
    }

    std::filesystem::path folder_;
};

// Rips the one track into a file (a 44-byte header, then every chunk as it comes); returns the audio bytes.
std::int64_t RipIntoWav()
{
    const TLongImage& image = TLongImage::Get();
    std::FILE* file = std::fopen(image.Output().c_str(), "wb");
    if (file == nullptr)
        return 0;
    const char header[44] = {};
    std::fwrite(header, 1, sizeof header, file);
    int32_t bufferSize = 0;
    std::int64_t bytes = 0;
    if (CR_OpenRipper(&bufferSize, 0, static_cast<int32_t>(kSectors) - 1) == CR_CHUNK_READ) {
        std::vector<std::uint8_t> buffer(static_cast<std::size_t>(bufferSize));
        for (int32_t status = CR_CHUNK_READ; status != CR_RANGE_DONE;) {
            int32_t read = 0;
            status = CR_RipChunk(buffer.data(), &read);
            if (status == CR_FAILURE)
                continue;
            std::fwrite(buffer.data(), 1, static_cast<std::size_t>(read), file);
            bytes += read;
        }
        CR_RangeChecksums sums{};
        CR_GetRangeChecksums(&sums);
        benchmark::DoNotOptimize(sums);
        CR_CloseRipper();
    }
    std::fclose(file);
    return bytes;
}

void BM_RipWav74Minutes(benchmark::State& state)
{
    setenv("TRACKWELL_DEVICE", TLongImage::Get().Sheet().c_str(), 1);
    CR_DriveParameters parameters{};
    if (CR_Init() != CR_CHUNK_READ || CR_ReadToc() != CR_CHUNK_READ || CR_GetCDROMParameters(&parameters) != CR_CHUNK_READ) {
        state.SkipWithError("the 74-minute image cannot be opened");
        return;
    }
    CR_SetRangeChecksums(static_cast<int32_t>(state.range(0)));
    std::int64_t bytes = 0;
    for (auto _ : state)
        bytes += RipIntoWav();
    CR_SetRangeChecksums(1);
    state.SetBytesProcessed(bytes);
}
// Alternating, so both see the same disk and page cache. The CPU column counts every thread of the process, the
// read-ahead's too, so on a busy machine it still shows what the checksums cost where the real time cannot.
BENCHMARK(BM_RipWav74Minutes)->Arg(0)->Arg(1)->Arg(0)->Arg(1)->ArgName("checksums")->Iterations(2)
    ->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

}
