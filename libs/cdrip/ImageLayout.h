// TImageLayout: a disc image kept in files: its table of contents and where every sector's bytes lie.
#pragma once

#include "CDRip.h"
#include "DiscExtras.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace cdrip {

constexpr uint64_t kSectorBytes = 2352;
// 99 minutes: more than any disc holds, little enough that sector numbers never overflow.
constexpr uint32_t kMostSectors = 99 * 60 * 75;

// A run of sectors that lie back to back in one file, or silence that no file holds (pregaps, postgaps).
struct TImageExtent {
    uint32_t FirstSector = 0;     // on the disc
    uint32_t Sectors = 0;
    int File = -1;                // index into TImageLayout::Files; -1 for silence
    uint64_t Offset = 0;          // byte of the file where FirstSector starts
    uint64_t Bytes = 0;           // bytes the file holds for the run; a short last sector reads as zeros after them
    bool SwapBytes = false;       // the file holds big-endian samples
};

struct TImageLayout {
    std::vector<std::filesystem::path> Files;
    std::vector<TImageExtent> Extents;   // in disc order, back to back from sector 0 to the lead-out
    std::vector<CR_TocEntry> Toc;        // the tracks followed by the lead-out
    TDiscExtras Extras;
};

}
