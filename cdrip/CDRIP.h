#pragma once
// The ripping component: reads the disc's table of contents through the CD library, keeps the drive
// description and track list, and rips a track into a WAV, raw PCM or FLAC file, or (through the coder) an MP3 file.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

#include "cdrip/CDRIPError.h"
#include "cdrip/DriveTable.h"
#include "cdrip/OutputFormat.h"
#include "cdrip/Track.h"
#include "cdrip/TrackChecksums.h"
#include "cdrip/TrackEdges.h"
#include "coder/AudioFileFormat.h"
#include "coder/ProgressEvent.h"
#include "framework/ComponentRef.h"
#include "libs/cdrip/CDRip.h"

class TLameCoder;

// (Sender, 1-based track number).
using TProcessTrackEvent = TMethod<void(TObject* sender, std::uint16_t trackNum)>;

class TCDRIP : public TComponent {
public:
    // Opens the CD library and reads the active drive's table of contents; a library error raises
    // ECDRIPError "Initialization failure", a failure status only leaves the component without tracks.
    explicit TCDRIP(TComponent* owner);
    ~TCDRIP() override;

    std::int32_t CDRomNum() const { return cdRomNum_; }
    // Selects another drive and reads its table of contents.
    void SetCDRomNum(std::int32_t value);
    // Absent when the library gave no drive parameters.
    TDriveTableClass* DriveTable() const { return driveTable_.get(); }
    // Changes only the component's copy, never what the library sees.
    void SetDriveTable(const TDriveTableClass& value);
    // The copy a stored description is read into, made when the library gave none.
    TDriveTableClass* EnsureDriveTable();
    TOutputFormat OutputFormat() const { return outputFormat_; }
    void SetOutputFormat(TOutputFormat value);
    TLameCoder* Coder() const;
    void SetCoder(TLameCoder* coder);

    std::int32_t TrackCount() const { return trackCount_; }
    // The tracks' names (Track01, ...) in disc order, and the track of a 0-based index.
    const QStringList& TrackList() const { return trackNames_; }
    const TTrack& Track(int index) const { return *tracks_.at(static_cast<std::size_t>(index)); }
    // Why the last reading of the table of contents gave no tracks: the library's reason, or a table whose
    // tracks do not follow each other; empty after a good reading.
    const QString& TocError() const { return tocError_; }
    // Every jitter error since the component was made, "first last" per line.
    const QStringList& JitterLog() const { return jitterLog_; }
    std::int32_t JitterErrorCount() const { return jitterErrorCount_; }

    bool JitterCorrect() const { return jitterCorrect_; }
    void SetJitterCorrect(bool value);
    bool Encode() const { return encode_; }
    void SetEncode(bool value) { encode_ = value; }
    bool WriteWAV() const { return writeWAV_; }
    void SetWriteWAV(bool value) { writeWAV_ = value; }
    // Rip losslessly into a FLAC file instead of a WAV or raw file (Encode, the MP3 coder, goes first), at a
    // compression level from 0 (fastest) to 8 (smallest).
    bool Flac() const { return flac_; }
    void SetFlac(bool value) { flac_ = value; }
    int FlacLevel() const { return flacLevel_; }
    void SetFlacLevel(int level) { flacLevel_ = level; }
    // The kind of file a rip writes: MP3 when encoding, else FLAC, else WAV or raw PCM.
    TAudioFileFormat FileFormat() const;
    bool AbortRequested() const { return abortRequested_; }
    std::int32_t Speed() const { return speed_; }
    void SetSpeed(std::int32_t value) { speed_ = value; }
    const QString& Version() const { return version_; }
    void SetVersion(const QString& value) { version_ = value; }
    // The parameters record as it is handed to the library.
    const CR_DriveParameters& Parameters() const { return parameters_; }

    void SetOnBeginTrack(TProcessTrackEvent handler) { onBeginTrack_ = std::move(handler); }
    void SetOnEndTrack(TProcessTrackEvent handler) { onEndTrack_ = std::move(handler); }
    void SetOnProgress(TProgressEvent handler) { onProgress_ = std::move(handler); }
    // The events as the component streaming binds them by handler name.
    TProcessTrackEvent& OnBeginTrack() { return onBeginTrack_; }
    TProcessTrackEvent& OnEndTrack() { return onEndTrack_; }
    TProgressEvent& OnProgress() { return onProgress_; }

    // Hands the output format's channel mode and sample rate to the coder, when there is one.
    void UpdateCoderFormat();
    // Hands the parameters record to the library; false when it reports failure.
    bool ApplyParameters();

    // Rips track trackNum (1-based) into fileName, between OnBeginTrack and OnEndTrack.
    void RipTrack(std::uint16_t trackNum, const QString& fileName);
    // Rips the sectors first to last, both included, into OutputFileName(fileName). A chunk is read per
    // posted step while this waits handling events, so that a menu or a modal window opened meanwhile
    // runs the steps in its own loop and the rip goes on under it.
    void RipSectors(std::uint32_t first, std::uint32_t last, const QString& fileName);
    // The file a rip into fileName writes: an MP3 or FLAC file takes its format's extension, a WAV or raw one the name given.
    QString OutputFileName(const QString& fileName) const;
    // Whether the last RipSectors read its range to the end (not stopped, not failed).
    bool LastRipWhole() const { return lastRipWhole_; }
    // The drive's read offset in samples, handed to the library before every rip (0: none).
    std::int32_t ReadOffset() const { return readOffset_; }
    void SetReadOffset(std::int32_t samples) { readOffset_ = samples; }
    // The checksums of the audio the last RipSectors wrote (or fed to the encoder), as the CD library summed them
    // while reading ahead, and its chunks that could not be read even after retries (they were skipped).
    const TTrackChecksums& LastChecksums() const { return checksums_; }
    std::int32_t LastFailedChunks() const { return failedChunks_; }
    // The samples at the edges of what the last RipSectors delivered of CD audio, kept for matching other
    // pressings after the rip; empty for the other output formats.
    const TTrackEdges& LastEdges() const { return edges_.Edges(); }
    // What paranoia met during the last RipSectors, by kind; all 0 when the library does not tell.
    const CR_ReadEvents& LastReadEvents() const { return readEvents_; }
    // Ends a running rip before its next chunk.
    void Stop() { abortRequested_ = true; }

    // n as at least two decimal digits: 7 gives 07, 100 gives 100.
    static QString PadTrackNumber(int n);

private:
    class TRipSteps;

    void ReadParameters();
    // Reads the table of contents into the track list; a failed or damaged one leaves the list as it was.
    void ReadToc();
    QString DriveName() const;

    std::int32_t cdRomNum_ = 0;
    std::unique_ptr<TDriveTableClass> driveTable_;
    TOutputFormat outputFormat_ = TOutputFormat::STEREO44100;
    // Not owned: another component's, or the window's.
    TComponentRef<TLameCoder> coder_;
    std::int32_t trackCount_ = 0;
    QStringList trackNames_;
    std::vector<std::unique_ptr<TTrack>> tracks_;
    QString tocError_;
    QStringList jitterLog_;
    std::int32_t jitterErrorCount_ = 0;
    bool jitterCorrect_ = false;
    bool encode_ = false;
    bool writeWAV_ = false;
    bool flac_ = false;
    int flacLevel_ = 5;
    bool abortRequested_ = false;
    std::int32_t speed_ = 0;
    TProcessTrackEvent onBeginTrack_;
    TProcessTrackEvent onEndTrack_;
    TProgressEvent onProgress_;
    QString version_;
    std::int32_t readOffset_ = 0;
    TTrackChecksums checksums_;
    std::int32_t failedChunks_ = 0;
    bool lastRipWhole_ = false;
    TTrackEdgeCapture edges_;
    CR_ReadEvents readEvents_{};
    CR_DriveParameters parameters_{};
};

// Registers TCDRIP and TDriveTableClass with the component streaming: their stored properties in order,
// with their defaults.
void RegisterCDRIPComponents();
