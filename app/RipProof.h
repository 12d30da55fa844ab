#pragma once
// The proof of a headless rip: the disc's identifiers, the AccurateRip answer (a dBAR file, or fetched online
// while the rip runs), each track's checksums and verdict on the console, and the rip log and cue sheet.
#include <QString>
#include <QTextStream>
#include <memory>

#include "app/JobOptions.h"
#include "cdrip/AccurateRipFetch.h"
#include "cdrip/RipSession.h"

class TCDRIP;

class TRipProof {
public:
    // Prints the identifiers and reads --verify-with (a refused file is reported, and the rip goes on without
    // it) or starts the online lookup.
    TRipProof(const TCDRIP& cdrip, const TJobOptions& options, QTextStream& out);
    void AddTrack(const TCDRIP& cdrip, int trackNum, const QString& fileName, const QString& incomplete = {})
    {
        session_.AddTrack(cdrip, trackNum, fileName, incomplete);
    }
    // The rip ended early for reason: the log and cue sheet say so.
    void SetIncomplete(const QString& reason) { session_.SetIncomplete(reason); }
    // Collects the online answer, prints every track's checksums and verdict, and writes the log and cue sheet
    // into folder unless logFiles is false.
    void Finish(const QString& folder, bool logFiles);

private:
    static constexpr int kLookupTimeoutMs = 10000;

    QTextStream& out_;
    TRipSession session_;
    std::unique_ptr<TAccurateRipFetch> fetch_;
};
