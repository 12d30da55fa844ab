// AVX2 kernels: eight pixels per step. Only these functions are compiled for AVX2 (target
// attribute), so the rest of the program runs on any x86-64; they are used only when the
// processor reports AVX2.
#include "graphics/RowKernels.h"

#if defined(__x86_64__)
#include <immintrin.h>

#define TW_AVX2 __attribute__((target("avx2")))

namespace {

TW_AVX2 void CopyRowAvx2(const TteColor* source, TteColor* destination, std::size_t count)
{
    if (source == destination)
        return;
    // Loads of a step happen before its stores, so copying away from the overlap is safe.
    if (destination > source && destination < source + count) {
        std::size_t n = count;
        for (; n >= 16; n -= 16) {
            const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + n - 16));
            const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + n - 8));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(destination + n - 8), b);
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(destination + n - 16), a);
        }
        while (n-- > 0)
            destination[n] = source[n];
        return;
    }
    std::size_t i = 0;
    for (; i + 16 <= count; i += 16) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i + 8));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(destination + i), a);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(destination + i + 8), b);
    }
    for (; i < count; ++i)
        destination[i] = source[i];
}

TW_AVX2 void KeyCopyRowAvx2(const TteColor* source, TteColor* destination, std::size_t count)
{
    const __m256i rgbMask = _mm256_set1_epi32(static_cast<int>(kRgbMask));
    const __m256i key = _mm256_set1_epi32(static_cast<int>(TransparentKey));
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    std::size_t i = 0;
    // No branch on whether a step holds keys: scattered keys would make it unpredictable.
    for (; i + 8 <= count; i += 8) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i));
        __m256i* out = reinterpret_cast<__m256i*>(destination + i);
        const __m256i d = _mm256_loadu_si256(out);
        const __m256i isKey = _mm256_cmpeq_epi32(_mm256_and_si256(s, rgbMask), key);
        _mm256_storeu_si256(out, _mm256_blendv_epi8(_mm256_or_si256(s, opaque), d, isKey));
    }
    ScalarRowKernels().KeyCopy(source + i, destination + i, count - i);
}

// t * a + b * (256 - a) = (t - b) * a + b * 256, which lies in 0 .. 255 * 256: computed
// modulo 2^16 in 16-bit lanes it comes out exact, with one multiply instead of two. The
// alpha of each pixel is spread over its four lanes straight from the packed pixels.
TW_AVX2 inline __m256i BlendLanes(__m256i top, __m256i bottom, __m256i alpha)
{
    const __m256i product = _mm256_mullo_epi16(_mm256_sub_epi16(top, bottom), alpha);
    return _mm256_srli_epi16(_mm256_add_epi16(product, _mm256_slli_epi16(bottom, 8)), 8);
}

TW_AVX2 void BlendRowAvx2(const TteColor* source, TteColor* destination, std::size_t count)
{
    const __m256i alphaMask = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    const __m256i zero = _mm256_setzero_si256();
    // Byte 3 (7, 11, 15) of each pixel into the low byte of its four 16-bit lanes.
    const __m256i spreadLow = _mm256_setr_epi8(3, -1, 3, -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1,
                                               3, -1, 3, -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1);
    const __m256i spreadHigh = _mm256_setr_epi8(11, -1, 11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1,
                                                11, -1, 11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1);
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i));
        const __m256i alpha = _mm256_and_si256(s, alphaMask);
        if (_mm256_testz_si256(alpha, alpha))
            continue;
        const __m256i opaque = _mm256_cmpeq_epi32(alpha, alphaMask);
        __m256i* out = reinterpret_cast<__m256i*>(destination + i);
        if (_mm256_movemask_epi8(opaque) == -1) {
            _mm256_storeu_si256(out, s);
            continue;
        }
        // Alpha 0 needs no case of its own: (b * 256) >> 8 is b. Unpack and pack both work
        // within 128-bit halves, so the pixel order comes back unchanged.
        const __m256i d = _mm256_loadu_si256(out);
        const __m256i low = BlendLanes(_mm256_unpacklo_epi8(s, zero), _mm256_unpacklo_epi8(d, zero),
                                       _mm256_shuffle_epi8(s, spreadLow));
        const __m256i high = BlendLanes(_mm256_unpackhi_epi8(s, zero), _mm256_unpackhi_epi8(d, zero),
                                        _mm256_shuffle_epi8(s, spreadHigh));
        _mm256_storeu_si256(out, _mm256_blendv_epi8(_mm256_packus_epi16(low, high), s, opaque));
    }
    ScalarRowKernels().Blend(source + i, destination + i, count - i);
}

}  // namespace

const TRowKernels* Avx2RowKernels()
{
    static const TRowKernels kernels{"avx2", CopyRowAvx2, KeyCopyRowAvx2, BlendRowAvx2,
                                     ScalarRowKernels().ClearKeyAlpha};
    return __builtin_cpu_supports("avx2") ? &kernels : nullptr;
}

#else

const TRowKernels* Avx2RowKernels()
{
    return nullptr;
}

#endif
