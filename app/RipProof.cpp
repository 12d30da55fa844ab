#include "app/RipProof.h"

#include <QFile>
#include <QFileInfo>

#include "app/Version.h"
#include "cdrip/CDRIP.h"
#include "framework/Exception.h"

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

TRipProof::TRipProof(const TCDRIP& cdrip, const QString& verifyWith, bool offline, QTextStream* console)
    : console_(console), session_(cdrip, DeviceName(cdrip))
{
    const TDiscIds& ids = session_.Ids();
    if (console_)
        *console_ << "AccurateRip disc ID: " << ids.AccurateRipFileName() << Qt::endl
                  << "freedb disc ID: " << ids.CddbText() << Qt::endl
                  << "MusicBrainz disc ID: " << ids.MusicBrainz << Qt::endl;
    if (!verifyWith.isEmpty()) {
        QFile file(verifyWith);
        QString error;
        std::optional<TAccurateRipDatabase> database;
        if (!file.open(QIODevice::ReadOnly))
            error = file.errorString();
        else
            database = TAccurateRipDatabase::Parse(file.readAll(), ids, &error);
        if (database) {
            session_.SetDatabase(std::move(database), verifyWith);
        } else {
            const QString refused = QStringLiteral("%1 refused: %2").arg(verifyWith, error);
            if (console_)
                *console_ << "AccurateRip: " << refused << "; the rip goes on unverified" << Qt::endl;
            session_.SetDatabase(std::nullopt, refused);
        }
    } else if (!offline) {
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
        if (!database && console_)
            *console_ << "AccurateRip: " << source << Qt::endl;
        session_.SetDatabase(std::move(database), source);
        fetch_.reset();
    }
    if (console_)
        PrintTracks();
    if (!logFiles)
        return;
    session_.WriteFiles(folder, QStringLiteral("Trackwell"), QStringLiteral(TRACKWELL_VERSION));
    if (console_)
        *console_ << "Rip log and cue sheet: " << QFileInfo(folder + QLatin1Char('/') + session_.DiscName()).filePath()
                  << ".log, .cue" << Qt::endl;
}

QString TRipProof::FinishIncomplete(const TCDRIP& cdrip, int ripping, const QString& written, const QString& reason,
                                    const QString& folder, bool logFiles)
{
    try {
        if (ripping != 0 && QFileInfo::exists(written))
            AddTrack(cdrip, ripping, written, QStringLiteral("not ripped whole"));
        SetIncomplete(reason);
        Finish(folder, logFiles);
    } catch (const Exception& error) {
        return error.Message();
    }
    return {};
}

void TRipProof::PrintTracks()
{
    QTextStream& out = *console_;
    for (const TRippedTrack& track : session_.Tracks()) {
        out << QStringLiteral("Track%1").arg(track.Number, 2, 10, QLatin1Char('0'));
        if (!track.Sums.Available)
            out << "  no checksums: the CD library does not sum them";
        else
            out << QStringLiteral("  CRC32 %1").arg(Hex(track.Sums.Crc32));
        if (track.Sums.HasAccurateRip)
            out << QStringLiteral("  AccurateRip v1 %1 v2 %2").arg(Hex(track.Sums.AccurateRipV1), Hex(track.Sums.AccurateRipV2));
        if (track.Sums.Available)
            out << QStringLiteral("  peak %1 %").arg(track.Sums.Peak * 100.0 / 32768, 0, 'f', 1);
        if (track.JitterChunks + track.FailedChunks > 0)
            out << QStringLiteral("  jitter %1, skipped %2").arg(track.JitterChunks).arg(track.FailedChunks);
        if (track.Result)
            out << ": " << track.Result->Text();
        out << Qt::endl;
    }
}
