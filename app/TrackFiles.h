#pragma once
// How a rip names and tags its files. The command line's: the disc's metadata read once, each file named by --name
// (or TrackNN), and tagged once it is complete. The window's: TrackNN, written over an older file of that name, and
// untagged.
#include <QString>
#include <QStringList>

#include "app/JobOptions.h"
#include "cdrip/DiscMetadata.h"
#include "cdrip/TrackFileName.h"

class TCDRIP;

class TTrackFiles {
public:
    // The window's files: it reads no disc text, so it tags nothing.
    TTrackFiles();
    // The command line's: reads the metadata of the disc whose table of contents cdrip read; coder gives the settings
    // the encoder tag names.
    TTrackFiles(const TCDRIP& cdrip, const TJobOptions& options, const TLameCoder& coder);

    // The path track (1-based) is written to, with extension (".mp3" ...).
    QString Path(const QString& folder, int track, const QString& extension) const;
    // Tags the complete file of track; answers why it could not (the file is then as it was), empty when it was
    // tagged or takes no tags.
    QString Tag(const QString& fileName, int track);
    // The texts of the files whose tags could not be written, one per file.
    const QStringList& Failures() const { return failures_; }

private:
    TDiscMetadata disc_;
    TFileNameTemplate template_;
    bool numbered_;  // an existing file keeps its name: named files only; TrackNN files are replaced, as the window does
    QString encoder_;
    QStringList failures_;
};

// The program and the encoder's settings as a tag names them: "Trackwell 1.0 (LAME 3.100): 256 kbit/s CBR, ...".
QString EncoderSettingsText(const TLameCoder& coder);
// The same for a FLAC rip: "Trackwell 1.0 (libFLAC 1.4.2): lossless, level 5".
QString FlacSettingsText(int level);
