// The rip loop of the ripping component: one track into one WAV, raw, FLAC or MP3 file.
#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>
#include <memory>
#include <vector>

#include "cdrip/CDRIP.h"
#include "cdrip/CDRipLibrary.h"
#include "cdrip/WavHeader.h"
#include "coder/ChangeFileExt.h"
#include "coder/FlacEncoder.h"
#include "coder/LameCoder.h"
#include "coder/RunningJob.h"
#include "framework/PostedSteps.h"
#include "framework/Stream.h"

void TCDRIP::RipTrack(std::uint16_t trackNum, const QString& fileName)
{
    // Commands stay clickable during a rip or a conversion; a second job would take over the library's one
    // open range or the coder's one stream under the running loop.
    if (TRunningJob::Active())
        return;
    if (onBeginTrack_)
        onBeginTrack_(this, trackNum);
    if (trackNum < 1 || trackNum > tracks_.size())
        throw ECDRIPError(QStringLiteral("Track %1 does not exist: the disc has %2 tracks")
                              .arg(trackNum)
                              .arg(tracks_.size()));
    const TTrack& track = *tracks_[trackNum - 1];
    {
        TRunningJob job;
        RipSectors(track.StartSector, track.EndSector, fileName);
    }
    // Outside the job: the handler may start the next track.
    if (onEndTrack_)
        onEndTrack_(this, trackNum);
}

namespace {

// The encoder's failures are the ripping component's own ("Write error" for a full disk, as for WAV files).
template <typename Step>
void EncodeFlac(Step step)
{
    try {
        step();
    } catch (const EFlacError& error) {
        throw ECDRIPError(error.Message());
    }
}

}  // namespace

TAudioFileFormat TCDRIP::FileFormat() const
{
    if (encode_)
        return TAudioFileFormat::afMp3;
    if (flac_)
        return TAudioFileFormat::afFlac;
    return writeWAV_ ? TAudioFileFormat::afWav : TAudioFileFormat::afPcm;
}

QString TCDRIP::OutputFileName(const QString& fileName) const
{
    const TAudioFileFormat format = FileFormat();
    if (format == TAudioFileFormat::afMp3 || format == TAudioFileFormat::afFlac)
        return ChangeFileExt(fileName, AudioFileExtension(format));
    return fileName;
}

// The chunk loop of one range as steps posted to whatever event loop runs: each reads one chunk, feeds it
// on, reports progress and only then posts the next, so a handler that opens a modal window never sees
// a step run inside it. It lives in RipSectors' frame, and so does the object its steps are posted to.
class TCDRIP::TRipSteps {
public:
    TRipSteps(TCDRIP& rip, std::unique_ptr<TFileStream> file, std::unique_ptr<TFlacEncoder> flac, std::int32_t bufferSize,
              std::uint16_t channels)
        : rip_(rip),
          library_(TCDRipLibrary::Instance()),
          file_(std::move(file)),
          flac_(std::move(flac)),
          channels_(channels),
          encoding_(rip.encode_ && rip.coder_ != nullptr),
          cdAudio_(rip.outputFormat_ == TOutputFormat::STEREO44100)
    {
        if (encoding_) {
            chunkSize_ = 2 * rip_.coder_->SamplesPerChunk();
            encoded_.resize(rip_.coder_->OutputBufferSize());
            staging_.resize(chunkSize_);
        }
        ripBuffer_.resize(static_cast<std::size_t>(std::max(bufferSize, 0)) + chunkSize_);
    }

    // Runs the steps to the end, handling events meanwhile; the first error any of them met is thrown.
    void Run(bool wavHeader)
    {
        wavHeader_ = wavHeader;
        // The first chunk is read at once, as the loop did: what was pending waits until it is in.
        RunPostedSteps([this] { return Step(); });
        if (error_)
            std::rethrow_exception(error_);
    }

private:
    bool Step()
    {
        bool more = false;
        try {
            more = ReadChunk();
        } catch (...) {
            error_ = std::current_exception();
        }
        if (!more)
            Finish();
        return more;
    }

    // Answers whether another chunk follows.
    bool ReadChunk()
    {
        if (rip_.abortRequested_)
            return false;
        std::int32_t bytesRead = 0;
        const std::int32_t status = library_.RipChunk(ripBuffer_.data() + carry_, &bytesRead);
        const auto n = static_cast<std::uint32_t>(std::max(bytesRead, 0));
        if (status == CR_FAILURE)
            ++rip_.failedChunks_;
        else
            Deliver(n);
        if (status == CR_JITTER_FIXED) {
            LogJitter();
            ++jitterLogged_;
        }
        const auto percent = static_cast<std::uint16_t>(library_.GetPercentCompleted());
        if (rip_.onProgress_)
            rip_.onProgress_(&rip_, percent);
        if (status == CR_RANGE_DONE) {
            rip_.lastRipWhole_ = true;
            return false;
        }
        return true;
    }

    void Deliver(std::uint32_t n)
    {
        if (cdAudio_)
            rip_.edges_.Add(ripBuffer_.data() + carry_, n);
        if (encoding_) {
            const std::uint32_t total = carry_ + n;
            const std::uint32_t chunks = chunkSize_ > 0 ? total / chunkSize_ : 0;
            for (std::uint32_t k = 0; k < chunks; ++k) {
                std::memcpy(staging_.data(), ripBuffer_.data() + std::size_t{k} * chunkSize_, chunkSize_);
                WriteEncoded(rip_.coder_->SamplesPerChunk());
            }
            carry_ = total - chunks * chunkSize_;
            std::memmove(ripBuffer_.data(), ripBuffer_.data() + std::size_t{chunks} * chunkSize_, carry_);
        } else if (flac_) {
            EncodeFlac([&] { flac_->Encode(reinterpret_cast<const std::int16_t*>(ripBuffer_.data()), n / (2u * channels_)); });
        } else if (!rip_.encode_) {
            const std::int64_t put = file_->Write(ripBuffer_.data(), n);
            audioWritten_ += put;  // a short write still leaves its bytes in the file
            if (put < n)
                throw ECDRIPError(QStringLiteral("Write error"));
        }
    }

    void WriteEncoded(std::uint32_t sampleCount)
    {
        std::uint32_t produced = 0;
        rip_.coder_->EncodeChunk(sampleCount, reinterpret_cast<const std::int16_t*>(staging_.data()), encoded_.data(),
                                 produced);
        if (file_->Write(encoded_.data(), produced) < produced)
            throw ECDRIPError(QStringLiteral("Write error"));
    }

    void LogJitter()
    {
        std::uint32_t jitterFirst = 0;
        std::uint32_t jitterLast = 0;
        library_.GetLastJitterErrorPosition(&jitterFirst, &jitterLast);
        rip_.jitterLog_.append(QStringLiteral("%1 %2").arg(jitterFirst).arg(jitterLast));
    }

    // The track's tail, in the last step: the file is whole before anything else runs.
    void Finish() noexcept
    {
        try {
            Close();
        } catch (...) {
            if (!error_)
                error_ = std::current_exception();
        }
    }

    void Close()
    {
        // The audio left over is shorter than one encoder chunk; it is the track's last fraction of a second.
        if (!error_ && encoding_ && carry_ >= 2) {
            try {
                std::memcpy(staging_.data(), ripBuffer_.data(), carry_);
                WriteEncoded(carry_ / 2);
            } catch (...) {
                error_ = std::current_exception();
            }
        }
        if (encoding_) {
            try {
                std::uint32_t produced = 0;
                rip_.coder_->DeinitStream(encoded_.data(), produced);
                if (file_->Write(encoded_.data(), produced) < produced || (!error_ && !rip_.coder_->WriteInfoTag(*file_)))
                    throw ECDRIPError(QStringLiteral("Write error"));
            } catch (...) {
                if (!error_)
                    error_ = std::current_exception();
            }
        }
        if (flac_) {
            try {
                EncodeFlac([&] { flac_->Finish(); });
            } catch (...) {
                if (!error_)
                    error_ = std::current_exception();
            }
            flac_.reset();
        }
        rip_.jitterErrorCount_ = library_.GetNumberOfJitterErrors();
        // The library summed what it delivered while reading ahead: no second pass over the track.
        if (CR_RangeChecksums sums{}; library_.GetRangeChecksums(&sums) != CR_FAILURE)
            rip_.checksums_ = {true, sums.Crc32, sums.AccurateRip != 0, sums.AccurateRipV1, sums.AccurateRipV2, sums.AccurateRipWords, sums.Peak, sums.Bytes};
        library_.GetReadEvents(&rip_.readEvents_);
        // The range's last chunk answers "done" even when it needed jitter correction; its error is logged too.
        if (rip_.jitterErrorCount_ > jitterLogged_)
            LogJitter();
        library_.CloseRipper();
        if (wavHeader_ && !PatchWavLengths(*file_, audioWritten_) && !error_)
            error_ = std::make_exception_ptr(ECDRIPError(QStringLiteral("Write error")));
        const QString outputName = file_->FileName();
        file_.reset();
        if (encoding_)
            rip_.coder_->CloseStream();
        if (error_ || rip_.jitterLog_.isEmpty())
            return;
        TFileStream log(ChangeFileExt(outputName, QStringLiteral("jitt")), TFileMode::fmCreate);
        const QByteArray text = (rip_.jitterLog_.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
        if (log.Write(text.constData(), text.size()) < text.size())
            throw ECDRIPError(QStringLiteral("Write error"));
    }

    TCDRIP& rip_;
    TCDRipLibrary& library_;
    std::unique_ptr<TFileStream> file_;
    std::unique_ptr<TFlacEncoder> flac_;
    const std::uint16_t channels_;
    const bool encoding_;
    const bool cdAudio_;
    bool wavHeader_ = false;
    std::uint32_t chunkSize_ = 0;
    std::vector<std::uint8_t> encoded_;
    std::vector<std::uint8_t> staging_;
    std::vector<std::uint8_t> ripBuffer_;
    std::uint32_t carry_ = 0;
    std::int64_t audioWritten_ = 0;
    std::int32_t jitterLogged_ = 0;
    std::exception_ptr error_;
};

void TCDRIP::RipSectors(std::uint32_t first, std::uint32_t last, const QString& fileName)
{
    if (!ApplyParameters())
        throw ECDRIPError(QStringLiteral("Invalid CD-ROM parameters"));
    abortRequested_ = false;
    // A rip that fails before its loop leaves nothing of an earlier track's to be taken for its own.
    checksums_ = {};
    failedChunks_ = 0;
    readEvents_ = {};
    edges_.Clear();
    lastRipWhole_ = false;
    TCDRipLibrary& library = TCDRipLibrary::Instance();
    if (library.SetReadOffset(readOffset_) == CR_FAILURE)
        throw ECDRIPError(QStringLiteral("The CD library cannot shift the audio by a read offset of %1 samples").arg(readOffset_));
    std::int32_t bufferSize = 0;
    if (library.OpenRipper(&bufferSize, static_cast<std::int32_t>(first), static_cast<std::int32_t>(last)) ==
        CR_FAILURE)
        return;

    // The encoder is fed what the library delivers; an encoder that refuses its settings would leave an empty
    // MP3 file behind a rip that seemed to work.
    const std::uint32_t sampleRate = OutputFormatSampleRate(outputFormat_);
    const std::uint16_t channels = OutputFormatChannels(outputFormat_);
    const bool encoding = encode_ && coder_ != nullptr;
    if (encoding) {
        try {
            coder_->OpenStream({sampleRate, channels});
        } catch (...) {
            library.CloseRipper();
            throw;
        }
    }

    const QString outputName = OutputFileName(fileName);
    std::unique_ptr<TFileStream> file;
    try {
        file = std::make_unique<TFileStream>(outputName, TFileMode::fmCreate);
    } catch (...) {
        // Neither the range nor the stream may stay open for the next rip.
        if (encoding)
            coder_->CloseStream();
        library.CloseRipper();
        throw;
    }

    const bool wavHeader = writeWAV_ && !encode_ && !flac_;
    if (wavHeader) {
        // The range is inclusive; the header is patched to the bytes really written once the rip ends.
        const double sectors = std::max(0.0, static_cast<double>(last) - first + 1);
        const auto dataLength = static_cast<std::uint32_t>(std::nearbyint(channels * sampleRate * 2.0 * sectors / 75));
        const auto header = MakeWavHeader(channels, sampleRate, dataLength);
        file->Write(header.data(), static_cast<std::int64_t>(header.size()));
    }

    // FLAC frames go to the file as they complete, so that a stop or a full disk leaves a stream that decodes.
    std::unique_ptr<TFlacEncoder> flac;
    if (flac_ && !encode_) {
        try {
            const double frames = std::max(0.0, static_cast<double>(last) - first + 1) * sampleRate / 75;
            flac = std::make_unique<TFlacEncoder>(*file, sampleRate, channels, flacLevel_, static_cast<std::uint64_t>(frames));
        } catch (...) {
            // Nothing was ripped into it: a refused encoder leaves no file behind.
            file.reset();
            QFile::remove(outputName);
            library.CloseRipper();
            throw;
        }
    }

    TRipSteps(*this, std::move(file), std::move(flac), bufferSize, channels).Run(wavHeader);
}
