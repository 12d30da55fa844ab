#include "cdrip/RipSession.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <utility>

#include "cdrip/CDRIP.h"
#include "cdrip/CDRipLibrary.h"
#include "cdrip/PressingOffsets.h"
#include "coder/AudioFileFormat.h"
#include "framework/Exception.h"

namespace {

const QString kChecksumLabel = QStringLiteral("Log checksum (SHA-256 of the lines above): ");

QString Hex(std::uint32_t value)
{
    return QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

// mm:ss:ff of a sector count, as cue sheets and logs write positions.
QString CueTime(std::uint32_t sectors)
{
    return QStringLiteral("%1:%2:%3")
        .arg(sectors / 75 / 60, 2, 10, QLatin1Char('0'))
        .arg(sectors / 75 % 60, 2, 10, QLatin1Char('0'))
        .arg(sectors % 75, 2, 10, QLatin1Char('0'));
}

QString Sha256(const QString& text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QString FormatName(const TCDRIP& cdrip)
{
    static const char* const names[] = {"44100 Hz stereo", "44100 Hz mono", "22050 Hz stereo", "22050 Hz mono",
                                        "11025 Hz stereo", "11025 Hz mono"};
    const QString audio = QString::fromLatin1(names[static_cast<int>(cdrip.OutputFormat())]);
    switch (cdrip.FileFormat()) {
    case TAudioFileFormat::afMp3: return QStringLiteral("MP3 from %1").arg(audio);
    case TAudioFileFormat::afFlac: return QStringLiteral("FLAC at level %1, %2").arg(cdrip.FlacLevel()).arg(audio);
    case TAudioFileFormat::afWav: return QStringLiteral("WAV, ") + audio;
    case TAudioFileFormat::afPcm: break;
    }
    return QStringLiteral("raw PCM, ") + audio;
}

QString CueFileType(const QString& fileName)
{
    const std::optional<TAudioFileFormat> format = AudioFileFormatOf(fileName);
    if (format == TAudioFileFormat::afMp3)
        return QStringLiteral("MP3");
    // The sheet's types know no FLAC: players take such a file as WAVE, the audio type.
    if (format == TAudioFileFormat::afWav || format == TAudioFileFormat::afFlac)
        return QStringLiteral("WAVE");
    return QStringLiteral("BINARY");
}

// A text in double quotes as the sheet holds it, a quote in it doubled (the CD library reads it back so).
QString CueQuoted(const QString& text)
{
    return QLatin1Char('"') + OneLine(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// A catalogue number or ISRC stands unquoted in the sheet: only letters and digits, else it is left out.
bool CueWord(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetterOrNumber() && c.unicode() < 0x80; });
}

void WriteText(const QString& path, const QString& text)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Exception(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}

}  // namespace

TRipSession::TRipSession(const TCDRIP& cdrip, const QString& device) : device_(device), offset_(cdrip.ReadOffset())
{
    // The parameters mark a drive (not an image file) as ATAPI.
    if (cdrip.Parameters().Atapi == 0)
        readMode_ = QStringLiteral("disc image, read exactly as its files hold it");
    else if (cdrip.JitterCorrect())
        readMode_ = QStringLiteral("secure: paranoia verifies and corrects jitter");
    else
        readMode_ = QStringLiteral("plain reads with retries, no jitter correction");
    format_ = FormatName(cdrip);
    disc_ = ReadDiscMetadata(cdrip.TrackCount());
    TCDRipLibrary& library = TCDRipLibrary::Instance();
    std::vector<CR_TocEntry> toc;
    for (int i = 0; i < cdrip.TrackCount(); ++i) {
        const TTrack& track = cdrip.Track(i);
        toc.push_back({track.StartSector, static_cast<std::uint8_t>(track.TrackType == QLatin1String("Audio") ? CR_TOC_AUDIO : 0), 0});
        TDiscTrack disc{track.StartSector, track.EndSector, track.StartSector, track.TrackType == QLatin1String("Audio")};
        // Only a pregap inside the previous track is one the files hold.
        if (CR_TrackExtras extras{}; i > 0 && library.GetTrackExtras(i, &extras) != CR_FAILURE &&
                                     extras.PregapSector < track.StartSector && extras.PregapSector > cdrip.Track(i - 1).StartSector)
            disc.Pregap = extras.PregapSector;
        discTracks_.push_back(disc);
    }
    if (!discTracks_.empty())
        toc.push_back({discTracks_.back().Last + 1, 0, 0});
    ids_ = ComputeDiscIds(toc);
}

void TRipSession::AddTrack(const TCDRIP& cdrip, int trackNum, const QString& fileName, const QString& incomplete)
{
    TRippedTrack track;
    track.Number = trackNum;
    track.FileName = fileName;
    track.FirstSector = discTracks_.at(static_cast<std::size_t>(trackNum - 1)).First;
    track.LastSector = discTracks_.at(static_cast<std::size_t>(trackNum - 1)).Last;
    track.Sums = cdrip.LastChecksums();
    track.JitterChunks = cdrip.JitterErrorCount();
    track.FailedChunks = cdrip.LastFailedChunks();
    track.Events = cdrip.LastReadEvents();
    track.Edges = cdrip.LastEdges();
    track.Incomplete = incomplete;
    tracks_.push_back(std::move(track));
    VerifyTracks();
}

void TRipSession::SetDatabase(std::optional<TAccurateRipDatabase> database, const QString& source)
{
    database_ = std::move(database);
    databaseSource_ = source;
    VerifyTracks();
}

const TRippedTrack* TRipSession::Ripped(int trackNum) const
{
    for (const TRippedTrack& track : tracks_)
        if (track.Number == trackNum && track.Incomplete.isEmpty() && track.Sums.HasAccurateRip)
            return &track;
    return nullptr;
}

void TRipSession::VerifyTracks()
{
    int firstAudio = 0;
    int lastAudio = 0;
    for (std::size_t i = 0; i < discTracks_.size(); ++i)
        if (discTracks_[i].Audio) {
            firstAudio = firstAudio == 0 ? static_cast<int>(i) + 1 : firstAudio;
            lastAudio = static_cast<int>(i) + 1;
        }
    for (TRippedTrack& track : tracks_) {
        track.Result.reset();
        // Part of a track proves nothing either way.
        if (!database_ || !track.Incomplete.isEmpty())
            continue;
        const TRippedTrack* previous = Ripped(track.Number - 1);
        const TRippedTrack* next = Ripped(track.Number + 1);
        const TShiftedTrack shifted(track.Sums, track.Edges, track.Number == firstAudio, track.Number == lastAudio,
                                    previous != nullptr ? &previous->Edges : nullptr, next != nullptr ? &next->Edges : nullptr);
        track.Result = database_->Verify(track.Number, track.Sums, &shifted);
    }
}

QString TRipSession::DiscName() const
{
    return QStringLiteral("Disc-") + ids_.CddbText();
}

QString TRipSession::LogText(const QString& program, const QString& version) const
{
    QStringList lines;
    lines << QStringLiteral("%1 %2 rip log").arg(program, version)
          << QStringLiteral("Date: %1").arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate))
          << QStringLiteral("Device: %1").arg(device_) << QStringLiteral("Read mode: %1").arg(readMode_)
          << QStringLiteral("Read offset: %1 samples").arg(offset_) << QStringLiteral("Output: %1").arg(format_);
    if (!incomplete_.isEmpty())
        lines << QStringLiteral("INCOMPLETE RIP: %1").arg(incomplete_);
    lines << QString()
          << QStringLiteral("Tracks on the disc: %1").arg(ids_.TrackCount)
          << QStringLiteral("AccurateRip disc ID: %1").arg(ids_.AccurateRipFileName())
          << QStringLiteral("freedb disc ID: %1").arg(ids_.CddbText())
          << QStringLiteral("MusicBrainz disc ID: %1").arg(ids_.MusicBrainz)
          << QStringLiteral("Catalogue number: %1").arg(disc_.Catalog.isEmpty() ? QStringLiteral("none reported") : OneLine(disc_.Catalog));
    const std::pair<const char*, QString> discTexts[] = {
        {"Album", disc_.Album}, {"Album artist", disc_.AlbumArtist}, {"Release date", disc_.Year}, {"Genre", disc_.Genre}};
    for (const auto& [label, text] : discTexts)
        if (!text.isEmpty())
            lines << QStringLiteral("%1: %2").arg(QLatin1String(label), OneLine(text));
    lines << QStringLiteral("AccurateRip database: %1").arg(databaseSource_) << QString();

    int accurate = 0, inaccurate = 0, absent = 0, troubled = 0;
    for (const TRippedTrack& track : tracks_) {
        const std::uint32_t sectors = track.LastSector - track.FirstSector + 1;
        lines << QStringLiteral("Track %1").arg(track.Number, 2, 10, QLatin1Char('0'))
              << QStringLiteral("  File: %1").arg(QFileInfo(track.FileName).fileName())
              << QStringLiteral("  Sectors: %1-%2 (start %3, length %4)")
                     .arg(track.FirstSector)
                     .arg(track.LastSector)
                     .arg(CueTime(track.FirstSector), CueTime(sectors));
        const TTrackMetadata& text = disc_.Track(track.Number);
        if (!text.Title.isEmpty())
            lines << QStringLiteral("  Title: %1").arg(OneLine(text.Title));
        if (!text.Artist.isEmpty())
            lines << QStringLiteral("  Performer: %1").arg(OneLine(text.Artist));
        if (!track.Incomplete.isEmpty())
            lines << QStringLiteral("  INCOMPLETE: %1; the file holds %2 of its %3 sectors")
                         .arg(track.Incomplete)
                         .arg(track.Sums.Bytes / 2352)
                         .arg(sectors);
        if (track.Sums.Available)
            lines << QStringLiteral("  Peak level: %1 %").arg(track.Sums.Peak * 100.0 / 32768, 0, 'f', 1)
                  << QStringLiteral("  CRC32: %1").arg(Hex(track.Sums.Crc32));
        else
            lines << QStringLiteral("  Checksums: none, the CD library does not sum them");
        if (!text.Isrc.isEmpty())
            lines << QStringLiteral("  ISRC: %1").arg(OneLine(text.Isrc));
        if (track.Sums.HasAccurateRip)
            lines << QStringLiteral("  AccurateRip v1: %1").arg(Hex(track.Sums.AccurateRipV1))
                  << QStringLiteral("  AccurateRip v2: %1").arg(Hex(track.Sums.AccurateRipV2));
        lines << QStringLiteral("  Jitter corrected: %1 chunk%2; skipped unreadable: %3 chunk%4")
                     .arg(track.JitterChunks)
                     .arg(track.JitterChunks == 1 ? "" : "s")
                     .arg(track.FailedChunks)
                     .arg(track.FailedChunks == 1 ? "" : "s")
              << QStringLiteral("  Read events: %1 edge and %2 atom jitter fixups, %3 dropped and %4 duplicated bytes "
                                "restored, %5 drift, %6 read errors, %7 scratches, %8 repaired, %9 skips")
                     .arg(track.Events.EdgeFixups)
                     .arg(track.Events.AtomFixups)
                     .arg(track.Events.Dropped)
                     .arg(track.Events.Duplicated)
                     .arg(track.Events.Drift)
                     .arg(track.Events.ReadErrors)
                     .arg(track.Events.Scratches)
                     .arg(track.Events.Repairs)
                     .arg(track.Events.Skips);
        if (track.Result) {
            lines << QStringLiteral("  AccurateRip: %1").arg(track.Result->Text());
            accurate += track.Result->Verdict == TAccurateRipVerdict::arAccurate;
            inaccurate += track.Result->Verdict == TAccurateRipVerdict::arNotAccurate;
            absent += track.Result->Verdict == TAccurateRipVerdict::arNotPresent;
        } else {
            lines << (track.Incomplete.isEmpty() ? QStringLiteral("  AccurateRip: not verified")
                                                 : QStringLiteral("  AccurateRip: not verified, the track was not ripped whole"));
        }
        troubled += track.FailedChunks > 0;
    }

    lines << QString() << QStringLiteral("Summary");
    lines << QStringLiteral("  %1 track%2 ripped, %3 with unreadable chunks")
                 .arg(tracks_.size())
                 .arg(tracks_.size() == 1 ? "" : "s")
                 .arg(troubled);
    if (database_)
        lines << QStringLiteral("  AccurateRip: %1 accurate, %2 not accurate, %3 not present").arg(accurate).arg(inaccurate).arg(absent);
    else
        lines << QStringLiteral("  AccurateRip: not verified (%1)").arg(databaseSource_);
    if (!incomplete_.isEmpty())
        lines << QStringLiteral("  The rip is incomplete: %1").arg(incomplete_);
    else
        lines << (troubled == 0 && inaccurate == 0 ? QStringLiteral("  No errors occurred") : QStringLiteral("  There were errors"));
    lines << QString();
    const QString body = lines.join(QLatin1Char('\n'));
    return body + kChecksumLabel + Sha256(body) + QLatin1Char('\n');
}

bool TRipSession::LogChecksumHolds(const QString& text)
{
    const qsizetype at = text.lastIndexOf(kChecksumLabel);
    if (at < 0)
        return false;
    const QString stated = text.mid(at + kChecksumLabel.size()).trimmed();
    return stated == Sha256(text.left(at));
}

QString TRipSession::CueText() const
{
    QStringList lines;
    if (!disc_.Genre.isEmpty())
        lines << QStringLiteral("REM GENRE ") + CueQuoted(disc_.Genre);
    if (!disc_.Year.isEmpty())
        lines << QStringLiteral("REM DATE ") + CueQuoted(disc_.Year);
    lines << QStringLiteral("REM DISCID %1").arg(ids_.CddbText().toUpper())
          << QStringLiteral("REM COMMENT ") + CueQuoted(QStringLiteral("ripped with read offset %1").arg(offset_));
    if (!incomplete_.isEmpty())
        lines << QStringLiteral("REM COMMENT ") + CueQuoted(QStringLiteral("incomplete rip: ") + incomplete_);
    if (CueWord(disc_.Catalog))
        lines << QStringLiteral("CATALOG %1").arg(disc_.Catalog);
    if (!disc_.AlbumArtist.isEmpty())
        lines << QStringLiteral("PERFORMER ") + CueQuoted(disc_.AlbumArtist);
    if (!disc_.Album.isEmpty())
        lines << QStringLiteral("TITLE ") + CueQuoted(disc_.Album);
    // Tracks are numbered from 1 in the sheet whichever were ripped; a pregap is written only when the previous
    // track's file, which holds it, was ripped too.
    const TRippedTrack* previous = nullptr;
    int number = 0;
    for (const TRippedTrack& track : tracks_) {
        const TDiscTrack& disc = discTracks_.at(static_cast<std::size_t>(track.Number - 1));
        const bool pregap = previous != nullptr && previous->Number == track.Number - 1 && disc.Pregap < disc.First;
        const QString file = QStringLiteral("FILE %1 %2").arg(CueQuoted(QFileInfo(track.FileName).fileName()), CueFileType(track.FileName));
        if (!pregap)
            lines << file;
        // A data track's file holds its raw sectors.
        lines << QStringLiteral("  TRACK %1 %2").arg(++number, 2, 10, QLatin1Char('0')).arg(disc.Audio ? "AUDIO" : "MODE1/2352");
        const TTrackMetadata& text = disc_.Track(track.Number);
        const std::pair<const char*, QString> texts[] = {
            {"TITLE", text.Title}, {"PERFORMER", text.Artist}, {"SONGWRITER", text.Songwriter}};
        for (const auto& [command, value] : texts)
            if (!value.isEmpty())
                lines << QStringLiteral("    %1 ").arg(QLatin1String(command)) + CueQuoted(value);
        if (CueWord(text.Isrc))
            lines << QStringLiteral("    ISRC %1").arg(text.Isrc);
        if (pregap)
            lines << QStringLiteral("    INDEX 00 %1").arg(CueTime(disc.Pregap - previous->FirstSector)) << file;
        lines << QStringLiteral("    INDEX 01 00:00:00");
        previous = &track;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void TRipSession::WriteFiles(const QString& folder, const QString& program, const QString& version) const
{
    const QDir dir(folder);
    WriteText(dir.filePath(DiscName() + QStringLiteral(".log")), LogText(program, version));
    WriteText(dir.filePath(DiscName() + QStringLiteral(".cue")), CueText());
}
