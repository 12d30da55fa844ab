#pragma once
// The rip log and cue sheet of a rip started from the main window, written beside its files as a command-line rip
// writes them: the database is asked online while the run rips, each track is kept as it ends, and the files are
// written when the run ends, marked incomplete when Stop or an error ended it early.
#include <QString>

#include "app/RipProof.h"

class Exception;
class TCDRIP;

class TWindowRipProof {
public:
    // At Start, with the format and disc the run rips; the files go to folder.
    TWindowRipProof(const TCDRIP& cdrip, const QString& folder);

    // Track trackNum ended (OnEndTrack) into fileName, the name the window gave it before the ripping component chose
    // the extension. stopRequested: the user's Stop is pending; moreToRip: the run would go on to another track.
    void TrackEnded(const TCDRIP& cdrip, int trackNum, const QString& fileName, bool stopRequested, bool moreToRip);
    // The run ended: writes the log and cue sheet; raises Exception naming the file that cannot be written.
    void Finish();
    // Called while handling error, which ended the run while track ripping was being ripped into fileName: writes
    // the log and cue sheet marked incomplete and raises error again, with the reason they could not be written
    // added when they could not.
    [[noreturn]] void Fail(const TCDRIP& cdrip, int ripping, const QString& fileName, const Exception& error);

private:
    QString folder_;
    TRipProof proof_;
};
