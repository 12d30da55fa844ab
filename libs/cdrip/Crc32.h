// Crc32: the CRC32 of zlib (and of WAV and FLAC tools), several times faster on processors that multiply
// carry-less (PCLMULQDQ), so that summing a rip costs little next to reading it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace cdrip {

// Continues crc (0 to start) over count bytes, as zlib's crc32 does.
uint32_t Crc32(uint32_t crc, const uint8_t* bytes, size_t count);

}
