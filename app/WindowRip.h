#pragma once
// A rip started from the main window: each track through the rip step into its TrackNN file, untagged, and the rip
// log and cue sheet written beside the files as a command-line rip writes them. The database is asked online while
// the run rips, each track is kept as it ends, and the files are written when the run ends, marked incomplete when
// Stop or an error ended it early.
#include <QString>

#include "app/RipProof.h"
#include "app/TrackFiles.h"
#include "app/TrackStep.h"

class Exception;
class TCDRIP;

class TWindowRip {
public:
    // At Start, with the format and disc the run rips; the files go to folder.
    TWindowRip(TCDRIP& cdrip, const QString& folder);

    // Rips track (1-based). Its OnEndTrack comes before this returns; the window calls TrackEnded there and may start
    // the next track from there.
    void Rip(int track) { step_.Rip(track); }
    // Track trackNum ended (OnEndTrack). stopRequested: the user's Stop is pending; moreToRip: the run would go on to
    // another track.
    void TrackEnded(int trackNum, bool stopRequested, bool moreToRip);
    // The run ended: writes the log and cue sheet; raises Exception naming the file that cannot be written.
    void Finish();
    // Called while handling error, which ended the run while a track was being ripped: writes the log and cue sheet
    // marked incomplete and raises error again, with the reason they could not be written added when they could not.
    [[noreturn]] void Fail(const Exception& error);

private:
    TCDRIP& cdrip_;
    QString folder_;
    TTrackFiles files_;
    TRipProof proof_;
    TTrackStep step_;
};
