// Ripping the demo disc's first track through the CD library, alone and feeding the encoder library as the rip
// loop does: with the library reading ahead on its own thread, the second should cost little more than encoding.
#include <benchmark/benchmark.h>

#include "libs/cdrip/CDRip.h"
#include "libs/lame_enc/LameEnc.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

bool OpenDemoDisc(bool paranoia)
{
    setenv("TRACKWELL_DEVICE", TRACKWELL_DEMO_DISC, 1);
    CR_DriveParameters parameters{};
    if (CR_Init() != CR_CHUNK_READ || CR_ReadToc() != CR_CHUNK_READ || CR_GetCDROMParameters(&parameters) != CR_CHUNK_READ)
        return false;
    parameters.JitterCorrection = paranoia ? -1 : 0;
    return CR_SetCDROMParameters(&parameters) == CR_CHUNK_READ;
}

// Rips track 1; with an encoder stream, cuts the audio into encoder chunks as the rip loop does.
int64_t RipTrackOne(uint32_t stream, uint32_t samplesPerChunk, std::vector<uint8_t>& output)
{
    int32_t bufferSize = 0;
    if (CR_OpenRipper(&bufferSize, static_cast<int32_t>(CR_GetTocEntry(0).FirstSector),
            static_cast<int32_t>(CR_GetTocEntry(1).FirstSector) - 1) != CR_CHUNK_READ)
        return 0;
    const size_t chunk = 2 * size_t{samplesPerChunk};
    std::vector<uint8_t> buffer(static_cast<size_t>(bufferSize) + chunk);
    size_t carry = 0;
    int64_t bytes = 0;
    for (int32_t status = CR_CHUNK_READ; status != CR_RANGE_DONE;) {
        int32_t read = 0;
        status = CR_RipChunk(buffer.data() + carry, &read);
        if (status == CR_FAILURE)
            continue;
        bytes += read;
        if (chunk == 0)
            continue;
        const size_t total = carry + static_cast<size_t>(read);
        size_t at = 0;
        for (; at + chunk <= total; at += chunk) {
            uint32_t produced = 0;
            beEncodeChunk(stream, samplesPerChunk, reinterpret_cast<const int16_t*>(buffer.data() + at), output.data(), &produced);
        }
        carry = total - at;
        std::memmove(buffer.data(), buffer.data() + at, carry);
    }
    CR_CloseRipper();
    return bytes;
}

void BM_RipTrack(benchmark::State& state)
{
    if (!OpenDemoDisc(state.range(0) != 0)) {
        state.SkipWithError("demo disc missing");
        return;
    }
    std::vector<uint8_t> none;
    int64_t bytes = 0;
    for (auto _ : state)
        bytes += RipTrackOne(0, 0, none);
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_RipTrack)->Arg(0)->Arg(1)->ArgName("paranoia")->Unit(benchmark::kMillisecond);

void BM_RipTrackIntoEncoder(benchmark::State& state)
{
    if (!OpenDemoDisc(true)) {
        state.SkipWithError("demo disc missing");
        return;
    }
    BE_Config config{};
    config.Config = BE_CONFIG_LAME;
    config.StructVersion = BE_CONFIG_STRUCT_VERSION;
    config.StructSize = BE_CONFIG_STRUCT_SIZE;
    config.SampleRate = 44100;
    config.Mode = BE_MODE_JSTEREO;
    config.Bitrate = 128;
    config.MaxBitrate = 320;
    int64_t bytes = 0;
    for (auto _ : state) {
        uint32_t samples = 0, outputSize = 0, stream = 0;
        beInitStream(&config, &samples, &outputSize, &stream);
        std::vector<uint8_t> output(outputSize);
        bytes += RipTrackOne(stream, samples, output);
        uint32_t produced = 0;
        beDeinitStream(stream, output.data(), &produced);
        beCloseStream(stream);
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_RipTrackIntoEncoder)->Unit(benchmark::kMillisecond);

}
