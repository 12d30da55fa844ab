// Ripping through the CD library's C interface as the program does, for the library tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace libstest {

struct TRip {
    int32_t BufferSize = 0;
    std::vector<uint8_t> Bytes;
    std::vector<int32_t> Statuses;
    std::vector<int32_t> Percents;
};

// Sets the output format and jitter correction in the active drive's parameters (fails the test otherwise).
void SetOutputFormat(int32_t format, bool jitterCorrection);

// Rips [first, last]: chunks until status 4 or 1, the percentage after each; gives up after one pass per sector.
TRip RipRange(int32_t first, int32_t last);

// CR_GetLastErrorText as a string.
std::string LastErrorText();

}
