// SSE2 kernels: four pixels per step, every x86-64 processor has them.
#include "graphics/RowKernels.h"

#if defined(__x86_64__) || defined(__SSE2__)
#include <emmintrin.h>

namespace {

void CopyRowSse2(const TteColor* source, TteColor* destination, std::size_t count)
{
    if (source == destination)
        return;
    std::size_t i = 0;
    // Loads of a step happen before its stores, so copying away from the overlap is safe.
    if (destination > source && destination < source + count) {
        std::size_t n = count;
        for (; n >= 8; n -= 8) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + n - 8));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + n - 4));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + n - 4), b);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + n - 8), a);
        }
        while (n-- > 0)
            destination[n] = source[n];
        return;
    }
    for (; i + 8 <= count; i += 8) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i + 4));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + i), a);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + i + 4), b);
    }
    for (; i < count; ++i)
        destination[i] = source[i];
}

void KeyCopyRowSse2(const TteColor* source, TteColor* destination, std::size_t count)
{
    const __m128i rgbMask = _mm_set1_epi32(static_cast<int>(kRgbMask));
    const __m128i key = _mm_set1_epi32(static_cast<int>(TransparentKey));
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    std::size_t i = 0;
    // No branch on whether a step holds keys: scattered keys would make it unpredictable.
    for (; i + 4 <= count; i += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
        __m128i* out = reinterpret_cast<__m128i*>(destination + i);
        const __m128i d = _mm_loadu_si128(out);
        const __m128i isKey = _mm_cmpeq_epi32(_mm_and_si128(s, rgbMask), key);
        const __m128i solid = _mm_or_si128(s, opaque);
        _mm_storeu_si128(out, _mm_or_si128(_mm_and_si128(isKey, d), _mm_andnot_si128(isKey, solid)));
    }
    ScalarRowKernels().KeyCopy(source + i, destination + i, count - i);
}

// t * a + b * (256 - a) = (t - b) * a + b * 256, which lies in 0 .. 255 * 256: computed
// modulo 2^16 it comes out exact with one multiply. Each pixel is taken apart in place into
// its blue-red and green-alpha byte pairs (one channel per 16-bit lane) by masks and shifts;
// a carries the alpha of each pixel in both of its lanes.
inline __m128i BlendFour(__m128i s, __m128i d, __m128i a)
{
    const __m128i low = _mm_set1_epi32(0x00FF00FF);
    const __m128i blueRed = _mm_add_epi16(
        _mm_mullo_epi16(_mm_sub_epi16(_mm_and_si128(s, low), _mm_and_si128(d, low)), a), _mm_slli_epi16(d, 8));
    const __m128i greenAlpha = _mm_add_epi16(
        _mm_mullo_epi16(_mm_sub_epi16(_mm_srli_epi16(s, 8), _mm_srli_epi16(d, 8)), a), _mm_andnot_si128(low, d));
    return _mm_or_si128(_mm_srli_epi16(blueRed, 8), _mm_andnot_si128(low, greenAlpha));
}

void BlendRowSse2(const TteColor* source, TteColor* destination, std::size_t count)
{
    const __m128i alphaMask = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    const __m128i zero = _mm_setzero_si128();
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
        const __m128i alpha = _mm_and_si128(s, alphaMask);
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(alpha, zero)) == 0xFFFF)
            continue;
        const __m128i opaque = _mm_cmpeq_epi32(alpha, alphaMask);
        __m128i* out = reinterpret_cast<__m128i*>(destination + i);
        if (_mm_movemask_epi8(opaque) == 0xFFFF) {
            _mm_storeu_si128(out, s);
            continue;
        }
        // Alpha 0 needs no case of its own: (b * 256) >> 8 is b.
        const __m128i d = _mm_loadu_si128(out);
        const __m128i a = _mm_srli_epi32(s, 24);
        const __m128i mixed = BlendFour(s, d, _mm_or_si128(a, _mm_slli_epi32(a, 16)));
        _mm_storeu_si128(out, _mm_or_si128(_mm_and_si128(opaque, s), _mm_andnot_si128(opaque, mixed)));
    }
    ScalarRowKernels().Blend(source + i, destination + i, count - i);
}

unsigned KeyNearRowSse2(TteColor* row, std::size_t count)
{
    const __m128i byteMask = _mm_set1_epi32(0xFF);
    const __m128i key = _mm_set1_epi32(static_cast<int>(TransparentKey));
    __m128i keyed = _mm_setzero_si128();
    __m128i blended = _mm_setzero_si128();
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        __m128i* at = reinterpret_cast<__m128i*>(row + i);
        const __m128i p = _mm_loadu_si128(at);
        const __m128i red = _mm_and_si128(_mm_srli_epi32(p, 16), byteMask);
        const __m128i green = _mm_and_si128(_mm_srli_epi32(p, 8), byteMask);
        const __m128i blue = _mm_and_si128(p, byteMask);
        const __m128i magenta =
            _mm_and_si128(_mm_cmpgt_epi32(red, _mm_set1_epi32(249)), _mm_cmpgt_epi32(blue, _mm_set1_epi32(249)));
        const __m128i keyColour = _mm_and_si128(
            _mm_and_si128(_mm_cmpgt_epi32(red, _mm_set1_epi32(121)), _mm_cmplt_epi32(red, _mm_set1_epi32(133))),
            _mm_and_si128(_mm_cmpgt_epi32(blue, _mm_set1_epi32(121)), _mm_cmplt_epi32(blue, _mm_set1_epi32(133))));
        const __m128i near = _mm_and_si128(_mm_cmplt_epi32(green, _mm_set1_epi32(6)), _mm_or_si128(magenta, keyColour));
        const __m128i kept = _mm_or_si128(_mm_and_si128(near, key), _mm_andnot_si128(near, p));
        _mm_storeu_si128(at, kept);
        keyed = _mm_or_si128(keyed, near);
        const __m128i alpha = _mm_srli_epi32(kept, 24);
        blended = _mm_or_si128(blended, _mm_and_si128(_mm_cmpgt_epi32(alpha, _mm_setzero_si128()),
                                                      _mm_cmplt_epi32(alpha, _mm_set1_epi32(255))));
    }
    unsigned found = ScalarRowKernels().KeyNear(row + i, count - i);
    if (_mm_movemask_epi8(keyed) != 0)
        found |= kRowKeyed;
    if (_mm_movemask_epi8(blended) != 0)
        found |= kRowBlended;
    return found;
}

}  // namespace

const TRowKernels* Sse2RowKernels()
{
    static const TRowKernels kernels{"sse2", CopyRowSse2, KeyCopyRowSse2, BlendRowSse2,
                                     ScalarRowKernels().ClearKeyAlpha, KeyNearRowSse2};
    return &kernels;
}

#else

const TRowKernels* Sse2RowKernels()
{
    return nullptr;
}

#endif
