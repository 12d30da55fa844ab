#pragma once
// The MP3 coder: encoder settings, encoder streams for the ripper, and WAV/PCM-to-MP3 conversion.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "coder/AudioFileFormat.h"
#include "coder/LameError.h"
#include "coder/LameVersion.h"
#include "coder/ProgressEvent.h"
#include "framework/Component.h"

class TStream;

enum class TLameMode : std::uint32_t { STEREO, JSTEREO, DUALCHANNEL, MONO };
enum class MPEG_QUALITY : std::uint32_t { NORMAL_QUALITY, LOW_QUALITY, HIGH_QUALITY, VOICE_QUALITY };

// The samples an encoder stream is fed: their rate and channel count.
struct TPcmFormat {
    std::uint32_t SampleRate = 44100;
    std::uint16_t Channels = 2;
};

// (Sender, 0-based file number, file name).
using TProcessFileEvent = TMethod<void(TObject* sender, std::uint16_t num, const QString& fileName)>;

class TLameCoder : public TComponent {
public:
    explicit TLameCoder(TComponent* owner);
    ~TLameCoder() override;

    // From another coder: the encoder settings (not the files, names or events).
    void Assign(const TPersistent* source) override;

    std::uint32_t SampleRate() const { return sampleRate_; }
    void SetSampleRate(std::uint32_t value) { sampleRate_ = value; }
    std::uint32_t Bitrate() const { return bitrate_; }
    void SetBitrate(std::uint32_t value) { bitrate_ = value; }
    std::uint32_t MaxBitrate() const { return maxBitrate_; }
    void SetMaxBitrate(std::uint32_t value) { maxBitrate_ = value; }
    MPEG_QUALITY Quality() const { return quality_; }
    void SetQuality(MPEG_QUALITY value) { quality_ = value; }
    bool Private() const { return private_; }
    void SetPrivate(bool value) { private_ = value; }
    bool CRC() const { return crc_; }
    void SetCRC(bool value) { crc_ = value; }
    TLameMode Mode() const { return mode_; }
    // A value outside the enumeration is ignored.
    void SetMode(TLameMode value);
    bool Copyright() const { return copyright_; }
    void SetCopyright(bool value) { copyright_ = value; }
    bool Original() const { return original_; }
    void SetOriginal(bool value) { original_ = value; }
    bool WriteVBRHeader() const { return writeVBRHeader_; }
    void SetWriteVBRHeader(bool value) { writeVBRHeader_ = value; }
    bool EnableVBR() const { return enableVBR_; }
    // Sets WriteVBRHeader to the same value.
    void SetEnableVBR(bool value);
    std::int32_t VBRQuality() const { return vbrQuality_; }
    void SetVBRQuality(std::int32_t value) { vbrQuality_ = value; }

    const QStringList& InputFiles() const { return inputFiles_; }
    // Also rebuilds OutputFiles: each input path with its extension replaced by DefaultExt.
    void SetInputFiles(const QStringList& files);
    const QStringList& OutputFiles() const { return outputFiles_; }
    void SetOutputFiles(const QStringList& files) { outputFiles_ = files; }
    const TLameVersion& LameVersion() const { return *lameVersion_; }
    TLameVersion& LameVersion() { return *lameVersion_; }
    const QString& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const QString& value) { defaultExt_ = value; }
    const QString& Mp3FileName() const { return mp3FileName_; }
    void SetMp3FileName(const QString& value) { mp3FileName_ = value; }

    void SetOnBeginProcess(TNotifyEvent handler) { onBeginProcess_ = std::move(handler); }
    void SetOnBeginFile(TProcessFileEvent handler) { onBeginFile_ = std::move(handler); }
    void SetOnEndFile(TProcessFileEvent handler) { onEndFile_ = std::move(handler); }
    void SetOnEndProcess(TNotifyEvent handler) { onEndProcess_ = std::move(handler); }
    void SetOnProgress(TProgressEvent handler) { onProgress_ = std::move(handler); }
    // The events as the component streaming binds them by handler name.
    TNotifyEvent& OnBeginProcess() { return onBeginProcess_; }
    TProcessFileEvent& OnBeginFile() { return onBeginFile_; }
    TProcessFileEvent& OnEndFile() { return onEndFile_; }
    TNotifyEvent& OnEndProcess() { return onEndProcess_; }
    TProgressEvent& OnProgress() { return onProgress_; }

    // The figures the last InitStream reported (0 before the first).
    std::uint32_t SamplesPerChunk() const { return samplesPerChunk_; }
    std::uint32_t OutputBufferSize() const { return outputBufferSize_; }

    // Encoder streams, one at a time; results are the library's (0 success). The MP3 is made at SampleRate in
    // Mode; the stream is fed input (LAME resamples and mixes as needed), or without input samples at the
    // coder's own rate and mode.
    std::uint32_t InitStream();
    std::uint32_t InitStream(const TPcmFormat& input);
    // InitStream(input) that raises ELameError "beInitStream failed N: ..." when the encoder refuses.
    void OpenStream(const TPcmFormat& input);
    // Encodes SamplesPerChunk samples.
    std::uint32_t EncodeChunk(const std::int16_t* samples, std::uint8_t* output, std::uint32_t& produced);
    // Encodes count samples: the last, shorter piece of a stream.
    std::uint32_t EncodeChunk(std::uint32_t count, const std::int16_t* samples, std::uint8_t* output,
                              std::uint32_t& produced);
    std::uint32_t DeinitStream(std::uint8_t* output, std::uint32_t& produced);
    // When a VBR header is wanted, writes the finished stream's info tag over the first frame of file
    // (which holds only this stream); a library without the tag call leaves the file as it is.
    // Call after DeinitStream; answers false on a short write.
    bool WriteInfoTag(TStream& file);
    void CloseStream();

    // Converts every InputFiles entry into the OutputFiles entry of the same index. Does nothing while
    // another job (a conversion or a rip) runs; an output that is one of the input files is refused
    // before any file is opened.
    void Process();
    // Process without refusing the outputs again, for a caller that converts the files one at a time after
    // RefuseOverwritingInputs refused them all together.
    void ProcessRefused();
    // The input files of the last Process whose audio ended before their WAV header said; what was
    // there was converted.
    const QStringList& ShortInputs() const { return shortInputs_; }
    // Ends a running Process after its current chunk.
    void Cancel() { cancelled_ = true; }
    // Raises ELameError when an OutputFiles entry is one of the InputFiles.
    void RefuseOverwritingInputs() const;

private:
    TPcmFormat OwnFormat() const;
    class TConversion;

    std::uint32_t sampleRate_ = 44100;
    std::uint32_t bitrate_ = 128;
    std::uint32_t maxBitrate_ = 320;
    MPEG_QUALITY quality_ = MPEG_QUALITY::NORMAL_QUALITY;
    bool private_ = false;
    bool crc_ = true;
    TLameMode mode_ = TLameMode::STEREO;
    bool copyright_ = false;
    bool original_ = false;
    bool writeVBRHeader_ = false;
    bool enableVBR_ = false;
    std::int32_t vbrQuality_ = 4;
    QStringList inputFiles_;
    QStringList outputFiles_;
    std::unique_ptr<TLameVersion> lameVersion_;
    QString defaultExt_ = AudioFileExtension(TAudioFileFormat::afMp3);
    QString mp3FileName_;

    TNotifyEvent onBeginProcess_;
    TProcessFileEvent onBeginFile_;
    TProcessFileEvent onEndFile_;
    TNotifyEvent onEndProcess_;
    TProgressEvent onProgress_;

    std::uint32_t streamHandle_ = 0;
    std::uint32_t samplesPerChunk_ = 0;
    std::uint32_t outputBufferSize_ = 0;
    std::vector<std::uint8_t> outputBuffer_;
    bool cancelled_ = false;
    QStringList shortInputs_;
};

// Registers TLameCoder and TLameVersion with the component streaming: their stored properties in
// order, with the initial values as defaults.
void RegisterLameCoderComponents();
