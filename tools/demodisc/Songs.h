// The demo disc's three songs, written as code: chord progressions with bass, pads, plucks and bells.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace demodisc {

struct TSong {
    std::string Title;
    std::vector<int16_t> Pcm;   // 44100 Hz stereo, whole sectors
};

std::vector<TSong> RenderSongs();

}
