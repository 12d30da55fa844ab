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
// modulo 2^16 it comes out exact with one multiply. Each pixel is taken apart in place into
// its blue-red and green-alpha byte pairs (one channel per 16-bit lane), which needs masks and
// shifts only, no unpacking; a carries the alpha of each pixel in both of its lanes.
TW_AVX2 inline __m256i BlendEight(__m256i s, __m256i d, __m256i a)
{
    const __m256i low = _mm256_set1_epi32(0x00FF00FF);
    const __m256i blueRed = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_sub_epi16(_mm256_and_si256(s, low),
                                                                                  _mm256_and_si256(d, low)), a),
                                             _mm256_slli_epi16(d, 8));
    const __m256i greenAlpha = _mm256_add_epi16(
        _mm256_mullo_epi16(_mm256_sub_epi16(_mm256_srli_epi16(s, 8), _mm256_srli_epi16(d, 8)), a),
        _mm256_andnot_si256(low, d));
    return _mm256_or_si256(_mm256_srli_epi16(blueRed, 8), _mm256_andnot_si256(low, greenAlpha));
}

TW_AVX2 void BlendRowAvx2(const TteColor* source, TteColor* destination, std::size_t count)
{
    const __m256i alphaMask = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    // The alpha byte of each pixel into the low byte of both of its 16-bit lanes.
    const __m256i spreadAlpha = _mm256_setr_epi8(3, -1, 3, -1, 7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1,
                                                 3, -1, 3, -1, 7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1);
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
        // Alpha 0 needs no case of its own: (b * 256) >> 8 is b.
        const __m256i d = _mm256_loadu_si256(out);
        const __m256i mixed = BlendEight(s, d, _mm256_shuffle_epi8(s, spreadAlpha));
        _mm256_storeu_si256(out, _mm256_blendv_epi8(mixed, s, opaque));
    }
    ScalarRowKernels().Blend(source + i, destination + i, count - i);
}

}  // namespace

const TRowKernels* Avx2RowKernels()
{
    // Keying is read-bound: the four-pixel version serves.
    static const TRowKernels kernels{"avx2", CopyRowAvx2, KeyCopyRowAvx2, BlendRowAvx2,
                                     ScalarRowKernels().ClearKeyAlpha, Sse2RowKernels()->KeyNear};
    return __builtin_cpu_supports("avx2") ? &kernels : nullptr;
}

#else

const TRowKernels* Avx2RowKernels()
{
    return nullptr;
}

#endif
