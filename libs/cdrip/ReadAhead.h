// TReadAhead: reads an open range's chunks on its own thread into a bounded ring while the caller takes them.
#pragma once

#include "FormatConverter.h"
#include "RangeChecksums.h"
#include "SectorSource.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace cdrip {

struct TChunkInfo {
    TReadOutcome Outcome = TReadOutcome::roRead;
    uint32_t FirstSector = 0;
    uint32_t LastSector = 0;
    bool Last = false;
    size_t Bytes = 0;
    CR_RangeChecksums Sums{};   // of the range up to and including this chunk
    CR_ReadEvents Events{};     // likewise
};

class TReadAhead {
public:
    static constexpr uint32_t kSectorsPerChunk = 26;
    static constexpr size_t kChunkBytes = kSectorsPerChunk * 2352;
    // About four seconds of audio: enough to ride out a slow encoder pass without the drive stopping.
    static constexpr size_t kRingChunks = 12;

    // The checksums (when given) are summed on the reading thread, so they cost the caller's thread nothing.
    TReadAhead(std::unique_ptr<TSectorSource> source, std::unique_ptr<TFormatConverter> converter,
        std::optional<TRangeChecksums> checksums, uint32_t first, uint32_t last);
    ~TReadAhead();
    TReadAhead(const TReadAhead&) = delete;
    TReadAhead& operator=(const TReadAhead&) = delete;

    // Waits for the next chunk in range order and copies its data into buffer (at least kChunkBytes).
    TChunkInfo Take(uint8_t* buffer);

private:
    struct TSlot {
        TChunkInfo Info;
        std::unique_ptr<uint8_t[]> Data;
    };

    void Run();
    void Fill(TSlot& slot, uint32_t first, uint8_t* raw);

    std::unique_ptr<TSectorSource> FSource;
    std::unique_ptr<TFormatConverter> FConverter;
    std::optional<TRangeChecksums> FChecksums;
    const uint32_t FFirst;
    const uint32_t FLast;
    std::vector<TSlot> FRing;
    std::mutex FLock;
    std::condition_variable FChanged;
    size_t FFilled = 0;   // chunks the reader has published
    size_t FTaken = 0;    // chunks the caller has taken
    bool FStopping = false;
    std::thread FThread;
};

}
