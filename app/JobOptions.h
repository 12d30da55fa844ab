#pragma once
// The command line of a headless job: what to do, on which device, into which folder, with which
// encoder settings. Settings left out keep the values the main window starts with.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "cdrip/OutputFormat.h"
#include "coder/AudioFileFormat.h"
#include "coder/LameCoder.h"
#include "framework/Exception.h"

// A command line that does not parse; the program prints the text and the usage and exits with 2.
class EUsageError : public Exception {
public:
    using Exception::Exception;
};

enum class TJobKind { jkNone, jkList, jkRip, jkConvert, jkChecksums, jkCheckLog };

struct TEncoderOptions {
    std::optional<std::uint32_t> SampleRate;
    std::optional<std::uint32_t> Bitrate;
    std::optional<std::uint32_t> MaxBitrate;
    std::optional<TLameMode> Mode;
    std::optional<MPEG_QUALITY> Quality;
    std::optional<std::int32_t> VBRQuality;  // given: VBR on
    bool VBRHeader = false;
    bool Copyright = false;
    bool Original = false;
    bool NoCRC = false;
    bool Private = false;
};

struct TJobOptions {
    TJobKind Kind = TJobKind::jkNone;
    QString Device;
    bool AllTracks = false;
    std::vector<int> Tracks;  // 1-based, as given
    TAudioFileFormat Format = TAudioFileFormat::afMp3;
    int FlacLevel = 5;            // --flac-level, 0 (fastest) to 8 (smallest)
    QString OutputFolder;
    std::optional<TOutputFormat> OutputFormat;
    bool NoJitterCorrection = false;
    std::int32_t ReadOffset = 0;  // samples
    QString VerifyWith;           // a dBAR file; empty: ask the database online
    bool Offline = false;         // ask no database
    bool NoLog = false;           // no rip log and cue sheet beside the files
    QString LogFile;              // --check-log
    QString NameTemplate;         // --name; empty: the TrackNN names, written over an older file of that name
    bool Overwrite = false;       // a named file takes the place of an older one instead of getting a number
    QStringList Files;
    TEncoderOptions Encoder;
};

// Parses the arguments after the program name; raises EUsageError.
TJobOptions ParseJobOptions(const QStringList& arguments);
// True when the arguments ask for a headless job (--list, --rip, --convert, --checksums or --check-log).
bool IsHeadlessJob(const QStringList& arguments);
QString UsageText();
