#pragma once
// The AccurateRip database's answer for one disc (a dBAR file): one or more pressings, each with a confidence and
// a checksum per track, and what a rip's checksums are against it.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "cdrip/DiscIds.h"
#include "cdrip/TrackChecksums.h"

class TShiftedTrack;

struct TAccurateRipEntry {
    std::uint8_t Confidence = 0;
    std::uint32_t Checksum = 0;       // v1 or v2: the database keeps both kinds as separate pressings
    std::uint32_t OffsetChecksum = 0; // of the track's 450th sector, by which a pressing's offset is found
};

struct TAccurateRipPressing {
    std::vector<TAccurateRipEntry> Tracks;
};

enum class TAccurateRipVerdict { arAccurate, arNotPresent, arNotAccurate, arNoChecksums };

struct TAccurateRipResult {
    TAccurateRipVerdict Verdict = TAccurateRipVerdict::arNotPresent;
    int Confidence = 0;         // of the matching pressing
    int Version = 0;            // 1 or 2: which checksum matched
    int PressingOffset = 0;     // samples between this rip and the matching pressing; 0: the rip itself matched
    int Pressings = 0;          // pressings that list the track with some confidence
    int TotalConfidence = 0;    // of all of them
    // "accurately ripped (confidence N, v2)", "accurately ripped with pressing offset N (confidence N, v1)",
    // "not present in the database", "NOT accurate (...)".
    QString Text() const;
};

class TAccurateRipDatabase {
public:
    // Reads a dBAR answer and checks that it belongs to the disc ids describes; std::nullopt with *error set when
    // it is cut, its counts are wrong, or it is another disc's.
    static std::optional<TAccurateRipDatabase> Parse(const QByteArray& bytes, const TDiscIds& ids, QString* error);
    // track is 1-based. A track that matches no pressing as ripped is tried against the pressings whose 450th
    // sector it holds at another offset (v1 only: v2 at another offset would need the audio summed again), when
    // shifted is given.
    TAccurateRipResult Verify(int track, const TTrackChecksums& sums, const TShiftedTrack* shifted = nullptr) const;

private:
    void VerifyAtPressingOffsets(int track, const TShiftedTrack& shifted, TAccurateRipResult& result) const;

    std::vector<TAccurateRipPressing> pressings_;
};
