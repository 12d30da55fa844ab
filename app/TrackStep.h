#pragma once
// One track of a rip, the same step in the main window and on the command line: the file it goes to (its name and
// the extension of the format ripped), the ripping component's RipTrack, a whole track's place in the rip log and
// cue sheet and its tags, the stop rule, and what is kept of the track being ripped when the run ends early.
#include <QString>

class TCDRIP;
class TRipProof;
class TTrackFiles;

// How the rip of a track ended.
struct TTrackEnd {
    bool Whole = false;  // read to its end: it is in the proof, and tagged
    QString TagFailure;  // why the whole track's file could not be tagged; empty when it was or takes no tags
};

class TTrackStep {
public:
    // The files go to folder, named by files; each whole track goes into proof.
    TTrackStep(TCDRIP& cdrip, TRipProof& proof, TTrackFiles& files, const QString& folder);

    // Rips track (1-based) into its file. The ripping component's events fire meanwhile, OnEndTrack last; the window
    // starts its next track from there, so nothing of this step runs after RipTrack returns.
    void Rip(int track);
    // The file of the track Rip was last given.
    const QString& File() const { return file_; }
    // Once track's RipTrack ended: a whole track goes into the proof and is tagged. A track cut short is left to the
    // caller, which knows why it was.
    TTrackEnd End(int track);
    // A stop asked for while a track was ripped whole ends the run there, when more was to be ripped.
    static bool StopEndsRun(bool stopRequested, bool moreToRip) { return stopRequested && moreToRip; }
    // The run ended early for reason: the track being ripped, when its rip had begun reading (its file then holds
    // part of it), is kept as far as it got, and the log and cue sheet are written marked incomplete unless logFiles
    // is false. Answers why they could not be written, empty when they were.
    QString Fail(const QString& reason, bool readBegun, bool logFiles);

private:
    TCDRIP& cdrip_;
    TRipProof& proof_;
    TTrackFiles& files_;
    QString folder_;
    int ripping_ = 0;  // the track whose file is being written, until it is whole
    QString file_;
};
