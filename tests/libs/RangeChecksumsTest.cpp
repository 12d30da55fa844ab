// The sums of a range as the read-ahead takes them chunk by chunk, against their definitions summed here sample by
// sample: chunks of odd lengths, so that the vector loops' tails and the left-out edges fall anywhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "libs/cdrip/RangeChecksums.h"

namespace {

TEST(RangeChecksums, EqualTheirDefinitionsWhateverTheChunksAndEdges)
{
    std::vector<uint32_t> samples(20 * 588 + 13);
    uint32_t state = 5;
    for (uint32_t& sample : samples)
        sample = state = state * 1664525u + 1013904223u;
    for (const bool firstTrack : {false, true})
        for (const bool lastTrack : {false, true})
            for (const size_t chunk : {size_t{1}, size_t{7}, size_t{4000}, samples.size()}) {
                SCOPED_TRACE(testing::Message() << "first " << firstTrack << ", last " << lastTrack << ", chunk " << chunk);
                const uint64_t count = samples.size();
                const uint64_t from = firstTrack ? 5 * 588 : 1;
                const uint64_t to = lastTrack ? count - 5 * 588 : count;
                uint32_t v1 = 0, v2 = 0, words = 0;
                for (uint64_t k = from; k <= to; ++k) {
                    const uint64_t product = uint64_t{samples[k - 1]} * k;
                    v1 += static_cast<uint32_t>(product);
                    v2 += static_cast<uint32_t>(product) + static_cast<uint32_t>(product >> 32);
                    words += samples[k - 1];
                }
                cdrip::TRangeChecksums sums(true, firstTrack, lastTrack, count);
                for (size_t at = 0; at < samples.size(); at += chunk)
                    sums.Add(reinterpret_cast<const uint8_t*>(samples.data() + at), 4 * std::min(chunk, samples.size() - at));
                EXPECT_EQ(sums.Sums().AccurateRipV1, v1);
                EXPECT_EQ(sums.Sums().AccurateRipV2, v2);
                EXPECT_EQ(sums.Sums().AccurateRipWords, words);
            }
}

}  // namespace
