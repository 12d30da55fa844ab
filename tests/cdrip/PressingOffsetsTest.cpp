// A ripped track as another pressing would give it, from the sums of the rip and the samples kept at the edges,
// against sums taken by brute force over the shifted audio.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "cdrip/PressingOffsets.h"

namespace {

// Three tracks, long enough to hold their 450th sector and the window around it.
constexpr std::array<std::int64_t, 4> kStarts = {0, 470 * 588, 950 * 588, 1420 * 588};  // the last: the lead-out
constexpr int kTracks = 3;

class ShiftedTrack : public testing::Test {
protected:
    void SetUp() override
    {
        disc.resize(static_cast<std::size_t>(kStarts.back()));
        std::uint32_t state = 99;
        for (std::uint32_t& sample : disc) {
            state = state * 1664525u + 1013904223u;
            sample = state;
        }
        for (int t = 0; t < kTracks; ++t) {
            // Chunks of an odd size, so that the windows and edges fall across chunk boundaries.
            TTrackEdgeCapture capture;
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(disc.data() + kStarts[t]);
            const std::size_t total = static_cast<std::size_t>(kStarts[t + 1] - kStarts[t]) * 4;
            for (std::size_t at = 0; at < total; at += 4 * 7001)
                capture.Add(bytes + at, std::min<std::size_t>(4 * 7001, total - at));
            edges[t] = capture.Edges();
            sums[t] = Sums(t, 0);
        }
    }

    // Sample k (1-based) of track t as a pressing offset samples later gives it; silence off the disc.
    std::uint32_t Sample(int t, std::int64_t k, int offset) const
    {
        const std::int64_t at = kStarts[t] + k - 1 + offset;
        return at >= 0 && at < kStarts.back() ? disc[static_cast<std::size_t>(at)] : 0;
    }

    // AccurateRip v1 by its definition, and the plain sum of the same words.
    TTrackChecksums Sums(int t, int offset) const
    {
        const std::int64_t count = kStarts[t + 1] - kStarts[t];
        const std::int64_t from = t == 0 ? 5 * 588 : 1;
        const std::int64_t to = t == kTracks - 1 ? count - 5 * 588 : count;
        TTrackChecksums result;
        result.Available = result.HasAccurateRip = true;
        for (std::int64_t k = from; k <= to; ++k) {
            result.AccurateRipV1 += static_cast<std::uint32_t>(k) * Sample(t, k, offset);
            result.AccurateRipWords += Sample(t, k, offset);
        }
        return result;
    }

    std::uint32_t Frame450(int t, int offset) const
    {
        std::uint32_t sum = 0;
        for (std::int64_t j = 0; j < 588; ++j)
            sum += static_cast<std::uint32_t>(j + 1) * Sample(t, 450 * 588 + 1 + j, offset);
        return sum;
    }

    TShiftedTrack Shifted(int t, bool neighbours = true) const
    {
        return TShiftedTrack(sums[t], edges[t], t == 0, t == kTracks - 1,
                             neighbours && t > 0 ? &edges[t - 1] : nullptr, neighbours && t < kTracks - 1 ? &edges[t + 1] : nullptr);
    }

    std::vector<std::uint32_t> disc;
    std::array<TTrackEdges, kTracks> edges;
    std::array<TTrackChecksums, kTracks> sums;
};

TEST_F(ShiftedTrack, V1AtAnOffsetEqualsTheSumOverTheShiftedAudio)
{
    for (int t = 0; t < kTracks; ++t)
        for (const int offset : {-kMaxPressingOffset, -667, -1, 0, 1, 30, 588, kMaxPressingOffset}) {
            SCOPED_TRACE(testing::Message() << "track " << t + 1 << ", offset " << offset);
            EXPECT_EQ(Shifted(t).AccurateRipV1(offset), Sums(t, offset).AccurateRipV1);
        }
}

TEST_F(ShiftedTrack, TheSectorChecksumsFindTheOffsetOfAPressing)
{
    for (int t = 0; t < kTracks; ++t) {
        const TShiftedTrack shifted = Shifted(t);
        const std::vector<std::uint32_t>& frame450 = shifted.Frame450Sums();
        ASSERT_EQ(frame450.size(), 2u * kMaxPressingOffset + 1);
        for (const int offset : {-kMaxPressingOffset, -5, 0, 1, 1234, kMaxPressingOffset})
            EXPECT_EQ(frame450[static_cast<std::size_t>(offset + kMaxPressingOffset)], Frame450(t, offset))
                << "track " << t + 1 << ", offset " << offset;
    }
}

TEST_F(ShiftedTrack, AShiftNeedsTheNeighboursAudioAndStaysWithinTheSearch)
{
    // The middle track takes the audio a shift brings in from its neighbours; the disc's first and last tracks
    // have it in the edges AccurateRip leaves out.
    EXPECT_EQ(Shifted(1, false).AccurateRipV1(5), std::nullopt);
    EXPECT_EQ(Shifted(1, false).AccurateRipV1(-5), std::nullopt);
    EXPECT_EQ(Shifted(0, false).AccurateRipV1(-700), Sums(0, -700).AccurateRipV1);
    EXPECT_EQ(Shifted(0, false).AccurateRipV1(700), std::nullopt);
    EXPECT_EQ(Shifted(2, false).AccurateRipV1(700), Sums(2, 700).AccurateRipV1);
    EXPECT_EQ(Shifted(1).AccurateRipV1(kMaxPressingOffset + 1), std::nullopt);

    // A track too short for the window around its 450th sector cannot be placed.
    TTrackEdgeCapture capture;
    capture.Add(reinterpret_cast<const std::uint8_t*>(disc.data()), 451 * 588 * 4);
    EXPECT_TRUE(TShiftedTrack(sums[0], capture.Edges(), true, false, nullptr, nullptr).Frame450Sums().empty());
}

}  // namespace
