#pragma once
// A ripped track as another pressing of the disc would have given it: the AccurateRip checksum of its 450th sector
// at each offset up to kMaxPressingOffset either way, and its v1 sum at an offset, from the sums of the rip and
// the samples kept at its edges (and at its neighbours' edges, which hold the audio a shift brings in).
#include <cstdint>
#include <optional>
#include <vector>

#include "cdrip/TrackChecksums.h"
#include "cdrip/TrackEdges.h"

class TShiftedTrack {
public:
    // firstTrack and lastTrack: the track starts or ends the disc's audio, where AccurateRip leaves five sectors
    // out. previous and next are the neighbouring tracks' edges, when they were ripped in the same run.
    TShiftedTrack(const TTrackChecksums& sums, const TTrackEdges& edges, bool firstTrack, bool lastTrack,
                  const TTrackEdges* previous, const TTrackEdges* next);

    // The checksums of the 450th sector at offsets -kMaxPressingOffset to kMaxPressingOffset (index offset +
    // kMaxPressingOffset): its 588 samples, each weighted by its 1-based place in the sector. Empty when the track
    // is too short to hold the window.
    const std::vector<std::uint32_t>& Frame450Sums() const { return frame450_; }
    // The v1 sum of the track had its audio been taken offset samples later (earlier when negative), or nothing
    // when the audio that brings in was not ripped.
    std::optional<std::uint32_t> AccurateRipV1(int offset) const;

private:
    // Sample m (1-based in the track; below 1 and above its length from the neighbours), when it was kept.
    std::optional<std::uint32_t> Sample(std::int64_t m) const;
    // Sum of m * w(m) (weighted) or of w(m) over m in [from, to], when every sample there was kept.
    std::optional<std::uint32_t> Sum(std::int64_t from, std::int64_t to, bool weighted) const;

    const TTrackChecksums& sums_;
    const TTrackEdges& edges_;
    const TTrackEdges* previous_;
    const TTrackEdges* next_;
    std::int64_t from_ = 1;  // the positions AccurateRip sums, 1-based
    std::int64_t to_ = 0;
    std::vector<std::uint32_t> frame450_;
};
