#include "Crc32.h"

#include <zlib.h>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace cdrip {

#if defined(__x86_64__)
namespace {

// x times k folded onto the next 16 bytes.
__attribute__((target("pclmul,sse4.1"))) inline __m128i Fold(__m128i x, __m128i k, __m128i next)
{
    return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x11), next), _mm_clmulepi64_si128(x, k, 0x00));
}

// Folds four consecutive 128-bit lanes into one, then the 16-byte blocks left in buf, and reduces to 32 bits: to 64
// bits by one more fold, then by Barrett's method. len is a multiple of 16.
__attribute__((target("pclmul,sse4.1"))) uint32_t ReduceFour(__m128i x1, __m128i x2, __m128i x3, __m128i x4, const uint8_t* buf, size_t len)
{
    alignas(16) static const uint64_t k3k4[] = {0x01751997d0, 0x00ccaa009e};
    alignas(16) static const uint64_t k5k0[] = {0x0163cd6124, 0x0000000000};
    alignas(16) static const uint64_t poly[] = {0x01db710641, 0x01f7011641};
    __m128i k = _mm_load_si128(reinterpret_cast<const __m128i*>(k3k4));
    x1 = Fold(x1, k, x2);
    x1 = Fold(x1, k, x3);
    x1 = Fold(x1, k, x4);
    for (; len >= 16; buf += 16, len -= 16)
        x1 = Fold(x1, k, _mm_loadu_si128(reinterpret_cast<const __m128i*>(buf)));

    // 128 to 64 bits.
    const __m128i low32 = _mm_setr_epi32(~0, 0, ~0, 0);
    x1 = _mm_xor_si128(_mm_srli_si128(x1, 8), _mm_clmulepi64_si128(x1, k, 0x10));
    k = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(k5k0));
    x1 = _mm_xor_si128(_mm_clmulepi64_si128(_mm_and_si128(x1, low32), k, 0x00), _mm_srli_si128(x1, 4));
    // Barrett reduction to 32 bits.
    k = _mm_load_si128(reinterpret_cast<const __m128i*>(poly));
    __m128i x2b = _mm_clmulepi64_si128(_mm_and_si128(x1, low32), k, 0x10);
    x2b = _mm_clmulepi64_si128(_mm_and_si128(x2b, low32), k, 0x00);
    return static_cast<uint32_t>(_mm_extract_epi32(_mm_xor_si128(x1, x2b), 1));
}

// Folds four 128-bit lanes by carry-less multiplication with the constants x^(k) mod P of the reflected CRC32
// polynomial. len is at least 64 and a multiple of 16; crc is the running register, not inverted.
__attribute__((target("pclmul,sse4.1"))) uint32_t FoldCrc(const uint8_t* buf, size_t len, uint32_t crc)
{
    alignas(16) static const uint64_t k1k2[] = {0x0154442bd4, 0x01c6e41596};
    const auto load = [](const uint8_t* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); };

    __m128i x1 = _mm_xor_si128(load(buf), _mm_cvtsi32_si128(static_cast<int>(crc)));
    __m128i x2 = load(buf + 16);
    __m128i x3 = load(buf + 32);
    __m128i x4 = load(buf + 48);
    buf += 64;
    len -= 64;
    const __m128i k = _mm_load_si128(reinterpret_cast<const __m128i*>(k1k2));
    for (; len >= 64; buf += 64, len -= 64) {
        x1 = Fold(x1, k, load(buf));
        x2 = Fold(x2, k, load(buf + 16));
        x3 = Fold(x3, k, load(buf + 32));
        x4 = Fold(x4, k, load(buf + 48));
    }
    return ReduceFour(x1, x2, x3, x4, buf, len);
}

#define CDRIP_WIDE_TARGET __attribute__((target("avx512f,avx512vl,vpclmulqdq,pclmul,sse4.1")))

CDRIP_WIDE_TARGET inline __m512i FoldWide(__m512i x, __m512i k, __m512i next)
{
    return _mm512_ternarylogic_epi64(_mm512_clmulepi64_epi128(x, k, 0x11), _mm512_clmulepi64_epi128(x, k, 0x00), next, 0x96);
}

// The same with four 512-bit registers of four lanes each, 256 bytes a pass, where the processor multiplies
// carry-lessly on 512 bits: the single 128-bit lanes wait on each multiply's latency. len is at least 256 and a
// multiple of 16.
CDRIP_WIDE_TARGET uint32_t FoldCrcWide(const uint8_t* buf, size_t len, uint32_t crc)
{
    const __m512i by256 = _mm512_set_epi64(0x01322d1430, 0x011542778a, 0x01322d1430, 0x011542778a, 0x01322d1430,
                                           0x011542778a, 0x01322d1430, 0x011542778a);
    const __m512i by64 = _mm512_set_epi64(0x01c6e41596, 0x0154442bd4, 0x01c6e41596, 0x0154442bd4, 0x01c6e41596,
                                          0x0154442bd4, 0x01c6e41596, 0x0154442bd4);

    __m512i x0 = _mm512_xor_si512(_mm512_loadu_si512(buf), _mm512_zextsi128_si512(_mm_cvtsi32_si128(static_cast<int>(crc))));
    __m512i x1 = _mm512_loadu_si512(buf + 64);
    __m512i x2 = _mm512_loadu_si512(buf + 128);
    __m512i x3 = _mm512_loadu_si512(buf + 192);
    buf += 256;
    len -= 256;
    for (; len >= 256; buf += 256, len -= 256) {
        x0 = FoldWide(x0, by256, _mm512_loadu_si512(buf));
        x1 = FoldWide(x1, by256, _mm512_loadu_si512(buf + 64));
        x2 = FoldWide(x2, by256, _mm512_loadu_si512(buf + 128));
        x3 = FoldWide(x3, by256, _mm512_loadu_si512(buf + 192));
    }
    x0 = FoldWide(x0, by64, x1);
    x0 = FoldWide(x0, by64, x2);
    x0 = FoldWide(x0, by64, x3);
    for (; len >= 64; buf += 64, len -= 64)
        x0 = FoldWide(x0, by64, _mm512_loadu_si512(buf));
    alignas(64) __m128i lanes[4];
    _mm512_store_si512(lanes, x0);
    return ReduceFour(lanes[0], lanes[1], lanes[2], lanes[3], buf, len);
}

const bool kHasWideCarryless = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
                               __builtin_cpu_supports("vpclmulqdq");
const bool kHasCarryless = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");

}
#endif

uint32_t Crc32(uint32_t crc, const uint8_t* bytes, size_t count)
{
#if defined(__x86_64__)
    if (kHasCarryless && count >= 64) {
        const size_t body = count & ~size_t{15};
        crc = kHasWideCarryless && body >= 256 ? ~FoldCrcWide(bytes, body, ~crc) : ~FoldCrc(bytes, body, ~crc);
        bytes += body;
        count -= body;
    }
#endif
    // zlib takes at most UINT_MAX bytes a call; what is left here is less than 16.
    return static_cast<uint32_t>(crc32(crc, bytes, static_cast<uInt>(count)));
}

}
