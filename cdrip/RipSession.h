#pragma once
// What proves a rip: the tracks ripped with their checksums and read events, the disc's identifiers, and their
// comparison with the AccurateRip database; written beside the files as a rip log and a cue sheet. The command
// line and the main window both make one per rip: AddTrack after each RipTrack, WriteFiles at the end.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "cdrip/AccurateRipDatabase.h"
#include "cdrip/DiscIds.h"
#include "cdrip/DiscMetadata.h"
#include "cdrip/TrackChecksums.h"
#include "cdrip/TrackEdges.h"

class TCDRIP;

struct TRippedTrack {
    int Number = 0;                    // 1-based, on the disc
    QString FileName;                  // as written
    std::uint32_t FirstSector = 0;
    std::uint32_t LastSector = 0;
    TTrackChecksums Sums;
    int JitterChunks = 0;              // chunks that needed jitter correction
    int FailedChunks = 0;              // chunks skipped as silence: unreadable after retries
    CR_ReadEvents Events{};            // what paranoia met, by kind
    TTrackEdges Edges;                 // for matching the database's other pressings
    QString Incomplete;                // why the file holds only part of the track; empty when it holds all
    std::optional<TAccurateRipResult> Result;
};

class TRipSession {
public:
    // Takes the disc's table of contents, read offset and read mode from the ripping component, and the disc's text,
    // catalogue number, ISRCs and pregaps from the CD library where it tells them.
    TRipSession(const TCDRIP& cdrip, const QString& device);

    const TDiscIds& Ids() const { return ids_; }
    const std::vector<TRippedTrack>& Tracks() const { return tracks_; }
    // Takes the last RipTrack's checksums and read events; fileName is the file it wrote. incomplete says why a
    // track was not ripped whole (a stop, a failure), which leaves it unverified.
    void AddTrack(const TCDRIP& cdrip, int trackNum, const QString& fileName, const QString& incomplete = {});
    // Marks the rip as ended early, for the reason given; the log and cue sheet say so.
    void SetIncomplete(const QString& reason) { incomplete_ = reason; }
    // The database's answer (or why there is none: offline, refused, not asked) for the tracks ripped so far and
    // those added later.
    void SetDatabase(std::optional<TAccurateRipDatabase> database, const QString& source);

    // The rip log; its last line is a SHA-256 of everything before it, so an edited log shows.
    QString LogText(const QString& program, const QString& version) const;
    // The cue sheet of the ripped files, one FILE per track, with the disc's text; a track's pregap, which the
    // previous track's file holds, is its INDEX 00 in that file. Texts are quoted with a quote in them doubled and
    // control characters made blanks, so no text can break the sheet.
    QString CueText() const;
    // Writes <folder>/<DiscName()>.log and .cue; raises Exception naming the file when one cannot be written.
    void WriteFiles(const QString& folder, const QString& program, const QString& version) const;
    // "Disc-<CDDB ID>", the name of both files.
    QString DiscName() const;

    // Whether a rip log's last line still matches the text above it.
    static bool LogChecksumHolds(const QString& text);

private:
    // Each track against the database; a track's neighbours ripped in the same run let it be matched against
    // pressings at other offsets.
    void VerifyTracks();
    const TRippedTrack* Ripped(int trackNum) const;

    QString device_;
    QString readMode_;
    std::int32_t offset_ = 0;
    QString format_;
    TDiscIds ids_;
    struct TDiscTrack {
        std::uint32_t First = 0;
        std::uint32_t Last = 0;
        std::uint32_t Pregap = 0;  // first sector of its pregap; First when it has none
        bool Audio = true;
    };
    std::vector<TDiscTrack> discTracks_;
    TDiscMetadata disc_;
    std::vector<TRippedTrack> tracks_;
    std::optional<TAccurateRipDatabase> database_;
    QString databaseSource_ = QStringLiteral("not asked");
    QString incomplete_;
};
