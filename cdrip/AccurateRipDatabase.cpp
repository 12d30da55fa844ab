#include "cdrip/AccurateRipDatabase.h"

#include <QtEndian>

#include "cdrip/PressingOffsets.h"

namespace {

constexpr int kHeaderBytes = 13;  // track count, three disc IDs
constexpr int kEntryBytes = 9;    // confidence, checksum, offset checksum

std::uint32_t Word(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + at);
}

}  // namespace

QString TAccurateRipResult::Text() const
{
    switch (Verdict) {
    case TAccurateRipVerdict::arAccurate:
        if (PressingOffset != 0)
            return QStringLiteral("accurately ripped with pressing offset %1 (confidence %2, v%3)")
                .arg(PressingOffset)
                .arg(Confidence)
                .arg(Version);
        return QStringLiteral("accurately ripped (confidence %1, v%2)").arg(Confidence).arg(Version);
    case TAccurateRipVerdict::arNotPresent:
        return QStringLiteral("not present in the database");
    case TAccurateRipVerdict::arNotAccurate:
        return QStringLiteral("NOT accurate (%1 pressing%2 with confidence %3 differ)")
            .arg(Pressings)
            .arg(Pressings == 1 ? "" : "s")
            .arg(TotalConfidence);
    case TAccurateRipVerdict::arNoChecksums:
        break;
    }
    return QStringLiteral("not checked: AccurateRip needs 44100 Hz stereo audio summed by the CD library");
}

std::optional<TAccurateRipDatabase> TAccurateRipDatabase::Parse(const QByteArray& bytes, const TDiscIds& ids, QString* error)
{
    auto refuse = [&](const QString& why) -> std::optional<TAccurateRipDatabase> {
        if (error != nullptr)
            *error = why;
        return std::nullopt;
    };
    if (bytes.isEmpty())
        return refuse(QStringLiteral("the AccurateRip answer is empty"));
    TAccurateRipDatabase database;
    for (qsizetype at = 0; at < bytes.size();) {
        const int pressing = static_cast<int>(database.pressings_.size()) + 1;
        if (bytes.size() - at < kHeaderBytes)
            return refuse(QStringLiteral("the AccurateRip answer is cut inside the header of pressing %1").arg(pressing));
        const int count = static_cast<std::uint8_t>(bytes[at]);
        if (count != ids.TrackCount)
            return refuse(QStringLiteral("pressing %1 of the AccurateRip answer lists %2 tracks, the disc has %3")
                              .arg(pressing)
                              .arg(count)
                              .arg(ids.TrackCount));
        if (Word(bytes, at + 1) != ids.AccurateRip1 || Word(bytes, at + 5) != ids.AccurateRip2 || Word(bytes, at + 9) != ids.Cddb)
            return refuse(QStringLiteral("the AccurateRip answer belongs to another disc (pressing %1 is for %2-%3-%4, "
                                         "this disc is %5)")
                              .arg(pressing)
                              .arg(Word(bytes, at + 1), 8, 16, QLatin1Char('0'))
                              .arg(Word(bytes, at + 5), 8, 16, QLatin1Char('0'))
                              .arg(Word(bytes, at + 9), 8, 16, QLatin1Char('0'))
                              .arg(ids.AccurateRipFileName()));
        at += kHeaderBytes;
        if (bytes.size() - at < qsizetype{count} * kEntryBytes)
            return refuse(QStringLiteral("the AccurateRip answer is cut inside pressing %1").arg(pressing));
        TAccurateRipPressing entries;
        for (int t = 0; t < count; ++t, at += kEntryBytes)
            entries.Tracks.push_back({static_cast<std::uint8_t>(bytes[at]), Word(bytes, at + 1), Word(bytes, at + 5)});
        database.pressings_.push_back(std::move(entries));
    }
    return database;
}

TAccurateRipResult TAccurateRipDatabase::Verify(int track, const TTrackChecksums& sums, const TShiftedTrack* shifted) const
{
    TAccurateRipResult result;
    if (!sums.HasAccurateRip) {
        result.Verdict = TAccurateRipVerdict::arNoChecksums;
        return result;
    }
    for (const TAccurateRipPressing& pressing : pressings_) {
        if (track < 1 || track > static_cast<int>(pressing.Tracks.size()))
            continue;
        const TAccurateRipEntry& entry = pressing.Tracks[static_cast<std::size_t>(track - 1)];
        if (entry.Confidence == 0)
            continue;
        ++result.Pressings;
        result.TotalConfidence += entry.Confidence;
        // v2 first: a disc whose sums agree in both (silence) counts as the newer kind.
        const int version = entry.Checksum == sums.AccurateRipV2 ? 2 : entry.Checksum == sums.AccurateRipV1 ? 1 : 0;
        if (version != 0 && entry.Confidence > result.Confidence) {
            result.Verdict = TAccurateRipVerdict::arAccurate;
            result.Confidence = entry.Confidence;
            result.Version = version;
        }
    }
    if (result.Verdict != TAccurateRipVerdict::arAccurate && shifted != nullptr)
        VerifyAtPressingOffsets(track, *shifted, result);
    if (result.Verdict != TAccurateRipVerdict::arAccurate && result.Pressings > 0)
        result.Verdict = TAccurateRipVerdict::arNotAccurate;
    return result;
}

void TAccurateRipDatabase::VerifyAtPressingOffsets(int track, const TShiftedTrack& shifted, TAccurateRipResult& result) const
{
    const std::vector<std::uint32_t>& frame450 = shifted.Frame450Sums();
    for (const TAccurateRipPressing& pressing : pressings_) {
        if (track < 1 || track > static_cast<int>(pressing.Tracks.size()))
            continue;
        const TAccurateRipEntry& entry = pressing.Tracks[static_cast<std::size_t>(track - 1)];
        // A pressing without the sector's checksum cannot be placed.
        if (entry.Confidence <= result.Confidence || entry.OffsetChecksum == 0)
            continue;
        for (std::size_t i = 0; i < frame450.size(); ++i) {
            const int offset = static_cast<int>(i) - kMaxPressingOffset;
            if (offset == 0 || frame450[i] != entry.OffsetChecksum)
                continue;
            if (shifted.AccurateRipV1(offset) == entry.Checksum) {
                result.Verdict = TAccurateRipVerdict::arAccurate;
                result.Confidence = entry.Confidence;
                result.Version = 1;
                result.PressingOffset = offset;
                break;
            }
        }
    }
}
