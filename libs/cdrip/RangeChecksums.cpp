#include "RangeChecksums.h"

#include "Crc32.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace cdrip {

namespace {
constexpr uint64_t kSamplesPerSector = 588;

uint32_t Magnitude(int16_t value)
{
    return static_cast<uint32_t>(value < 0 ? -int32_t{value} : int32_t{value});
}

// The peak loop is built twice, for the baseline and for AVX2, and the loader picks the one the processor runs.
#if defined(__x86_64__)
#define CDRIP_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define CDRIP_VECTOR_CLONES
#endif

struct TWeightedSums {
    uint32_t Low = 0;    // of the products word * position, modulo 2^32
    uint32_t High = 0;   // of their high halves
    uint32_t Words = 0;  // of the words alone
};

// count little-endian 32-bit words from at, the first at the 1-based position given, added to sums. The halves are summed apart
// (v2 is their sum) so that the loop vectorises. A track's positions fit in 32 bits: 80 minutes are 212 million
// samples.
TWeightedSums SumWeighted(const uint8_t* at, uint32_t position, uint32_t count, TWeightedSums sums = {})
{
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t word = 0;
        std::memcpy(&word, at + 4 * size_t{i}, 4);
        const uint64_t product = uint64_t{word} * (position + i);
        sums.Low += static_cast<uint32_t>(product);
        sums.High += static_cast<uint32_t>(product >> 32);
        sums.Words += word;
    }
    return sums;
}

#if defined(__x86_64__)
// The same sums eight words at a time; the compiler finds no profitable AVX2 form of the loop above. Each 64-bit
// lane adds whole products (their sum's low half is the sum of the low halves) and, apart, their low halves: the
// difference of the two is the sum of the high halves, shifted up, carries and all taken out.
__attribute__((target("avx2"))) TWeightedSums SumWeightedAvx2(const uint8_t* at, uint32_t position, uint32_t count)
{
    const __m256i lowMask = _mm256_set1_epi64x(0xFFFFFFFF);
    __m256i positions = _mm256_add_epi32(_mm256_set1_epi32(static_cast<int>(position)), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
    __m256i products = _mm256_setzero_si256();
    __m256i lows = _mm256_setzero_si256();
    __m256i words = _mm256_setzero_si256();
    uint32_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i word = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + 4 * size_t{i}));
        const __m256i even = _mm256_mul_epu32(word, positions);
        const __m256i odd = _mm256_mul_epu32(_mm256_srli_epi64(word, 32), _mm256_srli_epi64(positions, 32));
        products = _mm256_add_epi64(products, _mm256_add_epi64(even, odd));
        lows = _mm256_add_epi64(lows, _mm256_add_epi64(_mm256_and_si256(even, lowMask), _mm256_and_si256(odd, lowMask)));
        words = _mm256_add_epi32(words, word);
        positions = _mm256_add_epi32(positions, _mm256_set1_epi32(8));
    }
    alignas(32) uint64_t productLanes[4];
    alignas(32) uint64_t lowLanes[4];
    alignas(32) uint32_t wordLanes[8];
    _mm256_store_si256(reinterpret_cast<__m256i*>(productLanes), products);
    _mm256_store_si256(reinterpret_cast<__m256i*>(lowLanes), lows);
    _mm256_store_si256(reinterpret_cast<__m256i*>(wordLanes), words);
    uint64_t product = 0;
    uint64_t low = 0;
    TWeightedSums sums;
    for (int lane = 0; lane < 4; ++lane) {
        product += productLanes[lane];
        low += lowLanes[lane];
    }
    for (const uint32_t lane : wordLanes)
        sums.Words += lane;
    sums.Low = static_cast<uint32_t>(product);
    sums.High = static_cast<uint32_t>((product - low) >> 32);
    return SumWeighted(at + 4 * size_t{i}, position + i, count - i, sums);
}

const bool kHasAvx2 = __builtin_cpu_supports("avx2");
#endif

// The largest magnitude among values 16-bit samples.
CDRIP_VECTOR_CLONES uint32_t PeakOf(const uint8_t* bytes, size_t values)
{
    int16_t low = 0;
    int16_t high = 0;
    for (size_t i = 0; i < values; ++i) {
        int16_t value = 0;
        std::memcpy(&value, bytes + 2 * i, 2);
        low = std::min(low, value);
        high = std::max(high, value);
    }
    return std::max(Magnitude(low), Magnitude(high));
}
}

TRangeChecksums::TRangeChecksums(bool accurateRip, bool firstTrack, bool lastTrack, uint64_t totalSamples)
{
    FSums.Crc32 = 0;
    FSums.AccurateRip = accurateRip ? 1 : 0;
    FCheckFrom = firstTrack ? 5 * kSamplesPerSector : 1;
    FCheckTo = lastTrack && totalSamples >= 5 * kSamplesPerSector ? totalSamples - 5 * kSamplesPerSector : totalSamples;
}

void TRangeChecksums::Add(const uint8_t* bytes, size_t count)
{
    FSums.Crc32 = Crc32(FSums.Crc32, bytes, count);
    FSums.Bytes += count;
    if (FSums.AccurateRip != 0)
        AddAccurateRip(bytes, count / 4);
    AddPeak(bytes, count / 2);
}

void TRangeChecksums::AddAccurateRip(const uint8_t* bytes, size_t samples)
{
    // Sample k (1-based in the track), a little-endian 32-bit word of both channels, adds word * k; v2 adds the
    // 64-bit product's high half too. Only positions inside [FCheckFrom, FCheckTo] count: the loop runs over
    // that part alone, with no test per sample.
    const uint64_t first = FPosition + 1;
    const uint64_t from = std::max(first, FCheckFrom);
    const uint64_t end = std::min(first + samples, FCheckTo + 1);
    if (end > from) {
        const uint8_t* at = bytes + 4 * (from - first);
        const auto position = static_cast<uint32_t>(from);
        const auto count = static_cast<uint32_t>(end - from);
#if defined(__x86_64__)
        const TWeightedSums sums = kHasAvx2 ? SumWeightedAvx2(at, position, count) : SumWeighted(at, position, count);
#else
        const TWeightedSums sums = SumWeighted(at, position, count);
#endif
        FSums.AccurateRipV1 += sums.Low;
        FSums.AccurateRipV2 += sums.Low + sums.High;
        FSums.AccurateRipWords += sums.Words;
    }
    FPosition += samples;
}

void TRangeChecksums::AddPeak(const uint8_t* bytes, size_t values)
{
    FSums.Peak = std::max(FSums.Peak, PeakOf(bytes, values));
}

}
