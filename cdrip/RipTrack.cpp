// The rip loop of the ripping component: one track into one WAV, raw, FLAC or MP3 file.
#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>
#include <vector>

#include "cdrip/CDRIP.h"
#include "cdrip/CDRipLibrary.h"
#include "cdrip/WavHeader.h"
#include "coder/ChangeFileExt.h"
#include "coder/FlacEncoder.h"
#include "coder/LameCoder.h"
#include "coder/RunningJob.h"
#include "framework/Application.h"
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

QString TCDRIP::OutputFileName(const QString& fileName) const
{
    if (encode_)
        return ChangeFileExt(fileName, QStringLiteral(".mp3"));
    return flac_ ? ChangeFileExt(fileName, QStringLiteral(".flac")) : fileName;
}

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

    std::uint32_t chunkSize = 0;
    std::vector<std::uint8_t> encoded;
    std::vector<std::uint8_t> staging;
    if (encoding) {
        chunkSize = 2 * coder_->SamplesPerChunk();
        encoded.resize(coder_->OutputBufferSize());
        staging.resize(chunkSize);
    }
    std::vector<std::uint8_t> ripBuffer(static_cast<std::size_t>(std::max(bufferSize, 0)) + chunkSize);

    auto writeEncoded = [&](std::uint32_t sampleCount) {
        std::uint32_t produced = 0;
        coder_->EncodeChunk(sampleCount, reinterpret_cast<const std::int16_t*>(staging.data()), encoded.data(),
                            produced);
        if (file->Write(encoded.data(), produced) < produced)
            throw ECDRIPError(QStringLiteral("Write error"));
    };

    auto logJitter = [&] {
        std::uint32_t jitterFirst = 0;
        std::uint32_t jitterLast = 0;
        library.GetLastJitterErrorPosition(&jitterFirst, &jitterLast);
        jitterLog_.append(QStringLiteral("%1 %2").arg(jitterFirst).arg(jitterLast));
    };

    const bool cdAudio = outputFormat_ == TOutputFormat::STEREO44100;
    std::exception_ptr error;
    std::int32_t jitterLogged = 0;
    std::int64_t audioWritten = 0;
    std::uint32_t carry = 0;
    try {
        for (;;) {
            if (abortRequested_)
                break;
            std::int32_t bytesRead = 0;
            const std::int32_t status = library.RipChunk(ripBuffer.data() + carry, &bytesRead);
            const auto n = static_cast<std::uint32_t>(std::max(bytesRead, 0));
            if (status == CR_FAILURE) {
                ++failedChunks_;
            } else {
                if (cdAudio)
                    edges_.Add(ripBuffer.data() + carry, n);
                if (encoding) {
                    const std::uint32_t total = carry + n;
                    const std::uint32_t chunks = chunkSize > 0 ? total / chunkSize : 0;
                    for (std::uint32_t k = 0; k < chunks; ++k) {
                        std::memcpy(staging.data(), ripBuffer.data() + std::size_t{k} * chunkSize, chunkSize);
                        writeEncoded(coder_->SamplesPerChunk());
                    }
                    carry = total - chunks * chunkSize;
                    std::memmove(ripBuffer.data(), ripBuffer.data() + std::size_t{chunks} * chunkSize, carry);
                } else if (flac) {
                    EncodeFlac([&] { flac->Encode(reinterpret_cast<const std::int16_t*>(ripBuffer.data()), n / (2u * channels)); });
                } else if (!encode_) {
                    const std::int64_t put = file->Write(ripBuffer.data(), n);
                    audioWritten += put;  // a short write still leaves its bytes in the file
                    if (put < n)
                        throw ECDRIPError(QStringLiteral("Write error"));
                }
            }
            if (status == CR_JITTER_FIXED) {
                logJitter();
                ++jitterLogged;
            }
            const auto percent = static_cast<std::uint16_t>(library.GetPercentCompleted());
            if (onProgress_)
                onProgress_(this, percent);
            Application->ProcessMessages();
            if (status == CR_RANGE_DONE) {
                lastRipWhole_ = true;
                break;
            }
        }
        // The audio left over is shorter than one encoder chunk; it is the track's last fraction of a second.
        if (encoding && carry >= 2) {
            std::memcpy(staging.data(), ripBuffer.data(), carry);
            writeEncoded(carry / 2);
        }
    } catch (...) {
        error = std::current_exception();
    }

    if (encoding) {
        try {
            std::uint32_t produced = 0;
            coder_->DeinitStream(encoded.data(), produced);
            if (file->Write(encoded.data(), produced) < produced || (!error && !coder_->WriteInfoTag(*file)))
                throw ECDRIPError(QStringLiteral("Write error"));
        } catch (...) {
            if (!error)
                error = std::current_exception();
        }
    }
    if (flac) {
        try {
            EncodeFlac([&] { flac->Finish(); });
        } catch (...) {
            if (!error)
                error = std::current_exception();
        }
        flac.reset();
    }
    jitterErrorCount_ = library.GetNumberOfJitterErrors();
    // The library summed what it delivered while reading ahead: no second pass over the track.
    if (CR_RangeChecksums sums{}; library.GetRangeChecksums(&sums) != CR_FAILURE)
        checksums_ = {true, sums.Crc32, sums.AccurateRip != 0, sums.AccurateRipV1, sums.AccurateRipV2, sums.AccurateRipWords, sums.Peak, sums.Bytes};
    library.GetReadEvents(&readEvents_);
    // The range's last chunk answers "done" even when it needed jitter correction; its error is logged too.
    if (jitterErrorCount_ > jitterLogged)
        logJitter();
    library.CloseRipper();
    if (wavHeader && !PatchWavLengths(*file, audioWritten) && !error)
        error = std::make_exception_ptr(ECDRIPError(QStringLiteral("Write error")));
    file.reset();
    if (encoding)
        coder_->CloseStream();
    if (error)
        std::rethrow_exception(error);

    if (!jitterLog_.isEmpty()) {
        TFileStream log(ChangeFileExt(outputName, QStringLiteral("jitt")), TFileMode::fmCreate);
        const QByteArray text = (jitterLog_.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
        if (log.Write(text.constData(), text.size()) < text.size())
            throw ECDRIPError(QStringLiteral("Write error"));
    }
}
