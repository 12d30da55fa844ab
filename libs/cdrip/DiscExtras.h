// TDiscExtras: what a disc tells beyond its track starts: its catalogue number, the tracks' ISRCs and pregaps.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cdrip {

struct TDiscExtras {
    std::string Catalog;                 // 13 digits, empty when the disc has none
    std::vector<std::string> Isrcs;      // per track; empty entries (or a short list) where none is known
    std::vector<uint32_t> PregapStarts;  // per track: the first sector of its pregap (INDEX 00); kNoPregap (or a
                                         // short list) where it has none
    static constexpr uint32_t kNoPregap = UINT32_MAX;
};

}
