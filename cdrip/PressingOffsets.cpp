#include "cdrip/PressingOffsets.h"

namespace {

constexpr std::int64_t kSectorSamples = 588;

}  // namespace

TShiftedTrack::TShiftedTrack(const TTrackChecksums& sums, const TTrackEdges& edges, bool firstTrack, bool lastTrack,
                             const TTrackEdges* previous, const TTrackEdges* next)
    : sums_(sums), edges_(edges), previous_(previous), next_(next)
{
    const auto samples = static_cast<std::int64_t>(edges.Samples);
    from_ = firstTrack ? 5 * kSectorSamples : 1;
    to_ = lastTrack && samples >= 5 * kSectorSamples ? samples - 5 * kSectorSamples : samples;

    const std::vector<std::uint32_t>& window = edges.Frame450;
    if (window.size() != kSectorSamples + 2 * std::size_t{kMaxPressingOffset})
        return;
    // One sum by the definition, then each next offset from the last: the sector moves on by one sample, so every
    // weight falls by one (less the plain sum) and the new last sample comes in with weight 588.
    std::uint32_t weighted = 0;
    std::uint32_t plain = 0;
    for (std::size_t j = 0; j < kSectorSamples; ++j) {
        weighted += static_cast<std::uint32_t>(j + 1) * window[j];
        plain += window[j];
    }
    frame450_.reserve(2 * kMaxPressingOffset + 1);
    for (std::size_t start = 0;; ++start) {
        frame450_.push_back(weighted);
        if (start + kSectorSamples >= window.size())
            break;
        const std::uint32_t incoming = window[start + kSectorSamples];
        weighted = weighted - plain + kSectorSamples * incoming;
        plain = plain - window[start] + incoming;
    }
}

std::optional<std::uint32_t> TShiftedTrack::Sample(std::int64_t m) const
{
    const auto samples = static_cast<std::int64_t>(edges_.Samples);
    const TTrackEdges* edges = &edges_;
    if (m < 1) {
        if (previous_ == nullptr)
            return std::nullopt;
        edges = previous_;
        m += static_cast<std::int64_t>(previous_->Samples);
    } else if (m > samples) {
        if (next_ == nullptr)
            return std::nullopt;
        edges = next_;
        m -= samples;
    }
    const auto length = static_cast<std::int64_t>(edges->Samples);
    const auto head = static_cast<std::int64_t>(edges->Head.size());
    const auto tail = static_cast<std::int64_t>(edges->Tail.size());
    if (m >= 1 && m <= head)
        return edges->Head[static_cast<std::size_t>(m - 1)];
    if (m > length - tail && m <= length)
        return edges->Tail[static_cast<std::size_t>(m - (length - tail) - 1)];
    return std::nullopt;
}

std::optional<std::uint32_t> TShiftedTrack::Sum(std::int64_t from, std::int64_t to, bool weighted) const
{
    std::uint32_t sum = 0;
    for (std::int64_t m = from; m <= to; ++m) {
        const std::optional<std::uint32_t> word = Sample(m);
        if (!word)
            return std::nullopt;
        // Positions before the track weigh negatively; modulo 2^32 that is the same sum.
        sum += weighted ? static_cast<std::uint32_t>(m) * *word : *word;
    }
    return sum;
}

std::optional<std::uint32_t> TShiftedTrack::AccurateRipV1(int offset) const
{
    // v1 at offset o sums k * w(k + o) for k in [from, to], that is m * w(m) - o * w(m) for m in [from + o, to + o]:
    // the rip's own sums over [from, to], with the samples the shift moves out taken off and those it brings in
    // added.
    if (!sums_.HasAccurateRip || offset < -kMaxPressingOffset || offset > kMaxPressingOffset)
        return std::nullopt;
    std::uint32_t weighted = sums_.AccurateRipV1;
    std::uint32_t plain = sums_.AccurateRipWords;
    auto change = [&](std::int64_t from, std::int64_t to, bool add) {
        const std::optional<std::uint32_t> w = Sum(from, to, true);
        const std::optional<std::uint32_t> p = Sum(from, to, false);
        if (!w || !p)
            return false;
        weighted = add ? weighted + *w : weighted - *w;
        plain = add ? plain + *p : plain - *p;
        return true;
    };
    const bool known = offset >= 0 ? change(from_, from_ + offset - 1, false) && change(to_ + 1, to_ + offset, true)
                                   : change(from_ + offset, from_ - 1, true) && change(to_ + offset + 1, to_, false);
    if (!known)
        return std::nullopt;
    return weighted - static_cast<std::uint32_t>(offset) * plain;
}
