#pragma once
// The few samples of a ripped track that let its AccurateRip sum be known at another offset after the rip, without
// reading it again: its head and tail, and the stretch around its 450th sector, by whose checksum the database's
// other pressings are found. Taken while the track is ripped, from CD audio (44100 Hz stereo) only.
#include <cstddef>
#include <cstdint>
#include <vector>

// The furthest offset, either way, at which another pressing is looked for: the first and the last track leave
// out five sectors at the disc's edges, so a shift of less than that needs no audio from beyond the disc.
constexpr int kMaxPressingOffset = 5 * 588 - 1;

struct TTrackEdges {
    static constexpr std::size_t kEdgeSamples = 2 * 5 * 588;
    static constexpr std::uint64_t kFrame450 = 450 * 588;  // 0-based first sample of the 450th sector

    std::uint64_t Samples = 0;              // of the whole track
    std::vector<std::uint32_t> Head;        // the first samples, up to kEdgeSamples
    std::vector<std::uint32_t> Tail;        // the last samples, up to kEdgeSamples
    // Samples kFrame450 - kMaxPressingOffset to kFrame450 + 588 + kMaxPressingOffset (excluded); empty when the
    // track is shorter.
    std::vector<std::uint32_t> Frame450;
};

// Takes a track's edges from the audio as it is ripped, chunk by chunk.
class TTrackEdgeCapture {
public:
    void Clear() { edges_ = {}; }
    // The next bytes of the track, in whole 4-byte samples.
    void Add(const std::uint8_t* bytes, std::size_t count);
    const TTrackEdges& Edges() const { return edges_; }

private:
    TTrackEdges edges_;
};
