// TDiscExtras: what a disc tells beyond its track starts: its catalogue number, the tracks' ISRCs and pregaps, and
// the texts it names itself and its tracks with.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace cdrip {

struct TDiscExtras {
    std::string Catalog;                 // 13 digits, empty when the disc has none
    std::vector<std::string> Isrcs;      // per track; empty entries (or a short list) where none is known
    std::vector<uint32_t> PregapStarts;  // per track: the first sector of its pregap (INDEX 00); kNoPregap (or a
                                         // short list) where it has none
    static constexpr uint32_t kNoPregap = UINT32_MAX;
    // UTF-8 texts by (track, CR_TEXT_ field): track 0 is the disc, 1 to N the tracks. Absent where none is known.
    std::map<std::pair<int, int>, std::string> Texts;
};

}
