#include "framework/HexPairs.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

const unsigned char* DecodeHexPairs(const unsigned char* at, const unsigned char* end, char*& out)
{
#if defined(__SSE2__)
    // Stored lines hold 64 digits: nearly all of them go through here.
    const __m128i zero = _mm_set1_epi8('0');
    const __m128i nine = _mm_set1_epi8(9);
    const __m128i lower = _mm_set1_epi8(0x20);
    const __m128i letterA = _mm_set1_epi8('a');
    const __m128i five = _mm_set1_epi8(5);
    const __m128i ten = _mm_set1_epi8(10);
    const __m128i highNibble = _mm_set1_epi16(0x00F0);
    for (; end - at >= 16; at += 16) {
        const __m128i text = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const __m128i digit = _mm_sub_epi8(text, zero);
        const __m128i isDigit = _mm_cmpeq_epi8(_mm_min_epu8(digit, nine), digit);
        const __m128i letter = _mm_sub_epi8(_mm_or_si128(text, lower), letterA);
        const __m128i isLetter = _mm_cmpeq_epi8(_mm_min_epu8(letter, five), letter);
        if (_mm_movemask_epi8(_mm_or_si128(isDigit, isLetter)) != 0xFFFF)
            break;
        const __m128i nibbles = _mm_or_si128(_mm_and_si128(isDigit, digit),
                                             _mm_and_si128(isLetter, _mm_add_epi8(letter, ten)));
        // Each 16-bit lane holds a pair: its first digit in the low byte, its second in the high.
        const __m128i bytes = _mm_or_si128(_mm_and_si128(_mm_slli_epi16(nibbles, 4), highNibble),
                                           _mm_srli_epi16(nibbles, 8));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(bytes, bytes));
        out += 8;
    }
#endif
    return DecodeHexPairsOneByOne(at, end, out);
}
