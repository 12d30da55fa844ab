#include "app/RipProof.h"

#include <QFile>
#include <QFileInfo>

#include "app/Version.h"
#include "cdrip/CDRIP.h"

namespace {

QString DeviceName(const TCDRIP& cdrip)
{
    const CR_DriveParameters& parameters = cdrip.Parameters();
    return QString::fromLocal8Bit(parameters.DriveId, qstrnlen(parameters.DriveId, sizeof parameters.DriveId));
}

QString Hex(std::uint32_t value)
{
    return QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

TRipProof::TRipProof(const TCDRIP& cdrip, const TJobOptions& options, QTextStream& out)
    : out_(out), session_(cdrip, DeviceName(cdrip))
{
    const TDiscIds& ids = session_.Ids();
    out_ << "AccurateRip disc ID: " << ids.AccurateRipFileName() << Qt::endl
         << "freedb disc ID: " << ids.CddbText() << Qt::endl
         << "MusicBrainz disc ID: " << ids.MusicBrainz << Qt::endl;
    if (!options.VerifyWith.isEmpty()) {
        QFile file(options.VerifyWith);
        QString error;
        std::optional<TAccurateRipDatabase> database;
        if (!file.open(QIODevice::ReadOnly))
            error = file.errorString();
        else
            database = TAccurateRipDatabase::Parse(file.readAll(), ids, &error);
        if (database) {
            session_.SetDatabase(std::move(database), options.VerifyWith);
        } else {
            const QString refused = QStringLiteral("%1 refused: %2").arg(options.VerifyWith, error);
            out_ << "AccurateRip: " << refused << "; the rip goes on unverified" << Qt::endl;
            session_.SetDatabase(std::nullopt, refused);
        }
    } else if (!options.Offline) {
        fetch_ = std::make_unique<TAccurateRipFetch>(ids, kLookupTimeoutMs);
    } else {
        session_.SetDatabase(std::nullopt, QStringLiteral("not asked (--offline)"));
    }
}

void TRipProof::Finish(const QString& folder, bool logFiles)
{
    if (fetch_) {
        QString source;
        auto database = fetch_->Wait(&source);
        if (!database)
            out_ << "AccurateRip: " << source << Qt::endl;
        session_.SetDatabase(std::move(database), source);
        fetch_.reset();
    }
    for (const TRippedTrack& track : session_.Tracks()) {
        out_ << QStringLiteral("Track%1").arg(track.Number, 2, 10, QLatin1Char('0'));
        if (!track.Sums.Available)
            out_ << "  no checksums: the CD library does not sum them";
        else
            out_ << QStringLiteral("  CRC32 %1").arg(Hex(track.Sums.Crc32));
        if (track.Sums.HasAccurateRip)
            out_ << QStringLiteral("  AccurateRip v1 %1 v2 %2").arg(Hex(track.Sums.AccurateRipV1), Hex(track.Sums.AccurateRipV2));
        if (track.Sums.Available)
            out_ << QStringLiteral("  peak %1 %").arg(track.Sums.Peak * 100.0 / 32768, 0, 'f', 1);
        if (track.JitterChunks + track.FailedChunks > 0)
            out_ << QStringLiteral("  jitter %1, skipped %2").arg(track.JitterChunks).arg(track.FailedChunks);
        if (track.Result)
            out_ << ": " << track.Result->Text();
        out_ << Qt::endl;
    }
    if (!logFiles)
        return;
    session_.WriteFiles(folder, QStringLiteral("Trackwell"), QStringLiteral(TRACKWELL_VERSION));
    out_ << "Rip log and cue sheet: " << QFileInfo(folder + QLatin1Char('/') + session_.DiscName()).filePath()
         << ".log, .cue" << Qt::endl;
}
