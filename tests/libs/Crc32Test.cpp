// The fast CRC32 against zlib's on lengths around its 16-, 64- and 256-byte blocks, at unaligned starts, continued.
#include <gtest/gtest.h>
#include <zlib.h>

#include <vector>

#include "libs/cdrip/Crc32.h"

namespace {

TEST(Crc32, EqualsZlibsForEveryLengthAndAlignment)
{
    std::vector<uint8_t> bytes(26 * 2352 + 64);
    uint32_t state = 7;
    for (uint8_t& byte : bytes)
        byte = static_cast<uint8_t>((state = state * 1664525u + 1013904223u) >> 24);
    for (const size_t count : {0, 1, 15, 16, 17, 63, 64, 65, 79, 80, 127, 128, 255, 256, 257, 320, 335, 511, 512, 1000, 26 * 2352}) {
        for (const size_t start : {0, 1, 3, 8}) {
            const uint8_t* at = bytes.data() + start;
            const uint32_t expected = static_cast<uint32_t>(crc32(0, at, static_cast<uInt>(count)));
            EXPECT_EQ(cdrip::Crc32(0, at, count), expected) << count << " bytes from " << start;
            // Continued over a second piece, as chunks follow each other.
            const uint32_t both = static_cast<uint32_t>(crc32(expected, bytes.data(), 100));
            EXPECT_EQ(cdrip::Crc32(cdrip::Crc32(0, at, count), bytes.data(), 100), both) << count << " bytes from " << start;
        }
    }
}

}
