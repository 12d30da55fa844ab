#pragma once
// The proof of a rip, from the command line or the main window: the AccurateRip answer (a dBAR file, or fetched
// online while the rip runs), the rip log and cue sheet, and for the command line the disc's identifiers and each
// track's checksums and verdict on the console.
#include <QString>
#include <QTextStream>
#include <memory>

#include "cdrip/AccurateRipFetch.h"
#include "cdrip/RipSession.h"

class TCDRIP;

class TRipProof {
public:
    // Reads verifyWith, a dBAR file (a refused one is reported, and the rip goes on without it), or else starts the
    // online lookup unless offline. console: where the identifiers, a refused file and each track's checksums and
    // verdict are printed; none for a window rip, which shows none of it.
    TRipProof(const TCDRIP& cdrip, const QString& verifyWith, bool offline, QTextStream* console);
    void AddTrack(const TCDRIP& cdrip, int trackNum, const QString& fileName, const QString& incomplete = {})
    {
        session_.AddTrack(cdrip, trackNum, fileName, incomplete);
    }
    // The rip ended early for reason: the log and cue sheet say so.
    void SetIncomplete(const QString& reason) { session_.SetIncomplete(reason); }
    // Collects the online answer, prints every track's checksums and verdict, and writes the log and cue sheet
    // into folder unless logFiles is false; raises Exception when they cannot be written.
    void Finish(const QString& folder, bool logFiles);
    // The rip ended early for reason: track ripping (0: none), whose file written holds only part of it, is kept as
    // far as it got, and the log and cue sheet are written marked incomplete. Answers why they could not be written,
    // empty when they were: that failure must not hide why the rip ended.
    QString FinishIncomplete(const TCDRIP& cdrip, int ripping, const QString& written, const QString& reason,
                             const QString& folder, bool logFiles);

private:
    // Each track's checksums and verdict, one line per track.
    void PrintTracks();

    static constexpr int kLookupTimeoutMs = 10000;

    QTextStream* console_;
    TRipSession session_;
    std::unique_ptr<TAccurateRipFetch> fetch_;
};
