// TSectorSource: where an open range's raw 2352-byte sectors come from (a drive through libcdio, or image files).
#pragma once

#include "CDRip.h"

#include <cstdint>

namespace cdrip {

enum class TReadOutcome { roRead, roJitterFixed, roFailed };

class TSectorSource {
public:
    virtual ~TSectorSource() = default;
    // Reads count sectors, first being the sector after the previous read's last, into out (count * 2352 bytes).
    virtual TReadOutcome Read(uint32_t first, uint32_t count, uint8_t* out) = 0;
    // What the reads so far met, by kind; asked on the reading thread after each Read.
    virtual CR_ReadEvents Events() const { return {}; }
};

}
