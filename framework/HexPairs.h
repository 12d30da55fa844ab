// Decoding runs of hexadecimal digit pairs, as binary data is written in object text.
#pragma once

#include <array>
#include <cstdint>

// The digit's value, or -1 when c is no hexadecimal digit.
inline int HexDigit(char16_t c)
{
    static constexpr auto table = [] {
        std::array<signed char, 128> digits{};
        digits.fill(-1);
        for (int i = 0; i < 10; ++i)
            digits['0' + i] = static_cast<signed char>(i);
        for (int i = 0; i < 6; ++i) {
            digits['a' + i] = static_cast<signed char>(10 + i);
            digits['A' + i] = static_cast<signed char>(10 + i);
        }
        return digits;
    }();
    return c < 128 ? table[c] : -1;
}

// Decodes digit pairs from at on into out while both digits of a pair are hexadecimal and a
// whole pair remains before end; answers where it stopped and moves out past what it wrote.
template <typename Unit>
const Unit* DecodeHexPairsOneByOne(const Unit* at, const Unit* end, char*& out)
{
    for (; end - at >= 2; at += 2) {
        const int first = HexDigit(at[0]);
        const int second = HexDigit(at[1]);
        if ((first | second) < 0)
            break;
        *out++ = static_cast<char>(first << 4 | second);
    }
    return at;
}

// The same, sixteen digits at a time where the processor allows.
const unsigned char* DecodeHexPairs(const unsigned char* at, const unsigned char* end, char*& out);

inline const char16_t* DecodeHexPairs(const char16_t* at, const char16_t* end, char*& out)
{
    return DecodeHexPairsOneByOne(at, end, out);
}
