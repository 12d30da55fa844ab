#include "cdrip/TrackEdges.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint64_t kWindowFirst = TTrackEdges::kFrame450 - kMaxPressingOffset;
constexpr std::uint64_t kWindowSamples = 588 + 2 * kMaxPressingOffset;

void Append(std::vector<std::uint32_t>& to, const std::uint8_t* bytes, std::size_t samples)
{
    const std::size_t at = to.size();
    to.resize(at + samples);
    std::memcpy(to.data() + at, bytes, samples * 4);
}

}  // namespace

void TTrackEdgeCapture::Add(const std::uint8_t* bytes, std::size_t count)
{
    const std::size_t samples = count / 4;
    const std::uint64_t first = edges_.Samples;
    edges_.Samples += samples;

    if (edges_.Head.size() < TTrackEdges::kEdgeSamples)
        Append(edges_.Head, bytes, std::min(samples, TTrackEdges::kEdgeSamples - edges_.Head.size()));

    // Only the part of the chunk that falls into the window around the 450th sector.
    const std::uint64_t from = std::max(first, kWindowFirst);
    const std::uint64_t to = std::min(edges_.Samples, kWindowFirst + kWindowSamples);
    if (from < to)
        Append(edges_.Frame450, bytes + 4 * (from - first), static_cast<std::size_t>(to - from));

    // The tail keeps the last samples seen: a chunk is longer than the tail, so it mostly starts anew.
    std::vector<std::uint32_t>& tail = edges_.Tail;
    const std::size_t keep = std::min(tail.size(), TTrackEdges::kEdgeSamples - std::min(samples, TTrackEdges::kEdgeSamples));
    tail.erase(tail.begin(), tail.end() - static_cast<std::ptrdiff_t>(keep));
    const std::size_t taken = std::min(samples, TTrackEdges::kEdgeSamples);
    Append(tail, bytes + 4 * (samples - taken), taken);
}
