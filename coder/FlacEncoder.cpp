#include "coder/FlacEncoder.h"

#include <FLAC/format.h>
#include <FLAC/metadata.h>
#include <FLAC/stream_encoder.h>
#include <QString>
#include <algorithm>
#include <vector>

#include "framework/Stream.h"

namespace {

constexpr unsigned kSeekPointSeconds = 10;
// Frames are gathered into writes of about this size: a write and a seek per frame would cost the encoding a
// twentieth of its time in system calls.
constexpr std::size_t kWriteBlock = 256 * 1024;

}  // namespace

struct TFlacEncoder::TState {
    TState(TStream& out, std::uint16_t channels)
        : Out(out), Channels(channels), Position(static_cast<FLAC__uint64>(std::max<std::int64_t>(out.Position(), 0)))
    {
        Pending.reserve(kWriteBlock + 64 * 1024);
    }
    ~TState()
    {
        if (Encoder != nullptr) {
            // An encoder let go without Finish (an error unwinding the rip) keeps what it wrote.
            if (!Finished)
                FLAC__stream_encoder_finish(Encoder);
            FLAC__stream_encoder_delete(Encoder);
        }
        Flush();
        for (FLAC__StreamMetadata* block : Metadata)
            FLAC__metadata_object_delete(block);
    }

    // Writes what was gathered; false (and WriteFailed) when the stream takes less: what it took stays, so the
    // file still decodes up to its last whole frame.
    bool Flush()
    {
        // After a short write nothing more may follow: a gap would break the frames after it.
        if (WriteFailed) {
            Pending.clear();
            return false;
        }
        const auto size = static_cast<std::int64_t>(Pending.size());
        const std::int64_t put = size > 0 ? Out.Write(Pending.data(), size) : 0;
        Pending.clear();
        if (put < size)
            WriteFailed = true;
        return !WriteFailed;
    }

    QString Failure() const
    {
        return WriteFailed ? QStringLiteral("Write error")
                           : QStringLiteral("FLAC encoding failed: %1").arg(QString::fromLatin1(FLAC__stream_encoder_get_resolved_state_string(Encoder)));
    }

    static FLAC__StreamEncoderWriteStatus Write(const FLAC__StreamEncoder*, const FLAC__byte buffer[], size_t bytes,
                                                uint32_t, uint32_t, void* data)
    {
        auto* self = static_cast<TState*>(data);
        self->Pending.insert(self->Pending.end(), buffer, buffer + bytes);
        self->Position += bytes;
        if (self->Pending.size() >= kWriteBlock && !self->Flush())
            return FLAC__STREAM_ENCODER_WRITE_STATUS_FATAL_ERROR;
        return FLAC__STREAM_ENCODER_WRITE_STATUS_OK;
    }
    static FLAC__StreamEncoderSeekStatus Seek(const FLAC__StreamEncoder*, FLAC__uint64 offset, void* data)
    {
        auto* self = static_cast<TState*>(data);
        const auto target = static_cast<std::int64_t>(offset);
        if (!self->Flush() || self->Out.Seek(target, TSeekOrigin::soBeginning) != target)
            return FLAC__STREAM_ENCODER_SEEK_STATUS_ERROR;
        self->Position = offset;
        return FLAC__STREAM_ENCODER_SEEK_STATUS_OK;
    }
    static FLAC__StreamEncoderTellStatus Tell(const FLAC__StreamEncoder*, FLAC__uint64* offset, void* data)
    {
        *offset = static_cast<TState*>(data)->Position;
        return FLAC__STREAM_ENCODER_TELL_STATUS_OK;
    }

    TStream& Out;
    const std::uint16_t Channels;
    FLAC__StreamEncoder* Encoder = nullptr;
    std::vector<FLAC__StreamMetadata*> Metadata;
    std::vector<FLAC__int32> Widened;  // libFLAC takes 32-bit samples
    std::vector<FLAC__byte> Pending;   // frames not yet written
    FLAC__uint64 Position;             // in the stream, the pending bytes counted
    bool WriteFailed = false;
    bool Finished = false;
};

TFlacEncoder::TFlacEncoder(TStream& out, std::uint32_t sampleRate, std::uint16_t channels, int level, std::uint64_t expectedFrames)
    : state_(std::make_unique<TState>(out, channels))
{
    if (level < 0 || level > kMaxLevel)
        throw EFlacError(QStringLiteral("FLAC compression level %1 is outside 0 to %2").arg(level).arg(kMaxLevel));
    FLAC__StreamEncoder* encoder = state_->Encoder = FLAC__stream_encoder_new();
    if (encoder == nullptr)
        throw EFlacError(QStringLiteral("The FLAC encoder cannot be created"));
    FLAC__stream_encoder_set_channels(encoder, channels);
    FLAC__stream_encoder_set_bits_per_sample(encoder, 16);
    FLAC__stream_encoder_set_sample_rate(encoder, sampleRate);
    FLAC__stream_encoder_set_compression_level(encoder, static_cast<uint32_t>(level));
    FLAC__stream_encoder_set_total_samples_estimate(encoder, expectedFrames);

    std::vector<FLAC__StreamMetadata*>& metadata = state_->Metadata;
    if (expectedFrames > 0)
        if (FLAC__StreamMetadata* seekTable = FLAC__metadata_object_new(FLAC__METADATA_TYPE_SEEKTABLE)) {
            metadata.push_back(seekTable);
            // Placeholders that the encoder fills as it goes and writes back at the end.
            FLAC__metadata_object_seektable_template_append_spaced_points_by_samples(seekTable, kSeekPointSeconds * sampleRate,
                                                                                    expectedFrames);
            FLAC__metadata_object_seektable_template_sort(seekTable, true);
        }
    FLAC__stream_encoder_set_metadata(encoder, metadata.data(), static_cast<uint32_t>(metadata.size()));

    const FLAC__StreamEncoderInitStatus status =
        FLAC__stream_encoder_init_stream(encoder, &TState::Write, &TState::Seek, &TState::Tell, nullptr, state_.get());
    if (status == FLAC__STREAM_ENCODER_INIT_STATUS_ENCODER_ERROR)
        throw EFlacError(state_->Failure());
    if (status != FLAC__STREAM_ENCODER_INIT_STATUS_OK)
        throw EFlacError(QStringLiteral("The FLAC encoder refuses %1 Hz in %2 channels: %3")
                             .arg(sampleRate)
                             .arg(channels)
                             .arg(QString::fromLatin1(FLAC__StreamEncoderInitStatusString[status])));
}

TFlacEncoder::~TFlacEncoder() = default;

void TFlacEncoder::Encode(const std::int16_t* samples, std::size_t frames)
{
    TState& state = *state_;
    const std::size_t count = frames * state.Channels;
    if (state.Widened.size() < count)
        state.Widened.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        state.Widened[i] = samples[i];
    if (!FLAC__stream_encoder_process_interleaved(state.Encoder, state.Widened.data(), static_cast<uint32_t>(frames)))
        throw EFlacError(state.Failure());
}

void TFlacEncoder::Finish()
{
    TState& state = *state_;
    if (state.Finished)
        return;
    state.Finished = true;
    // The header rewritten at the end is still pending after finish.
    const bool finished = FLAC__stream_encoder_finish(state.Encoder);
    if (!state.Flush() || !finished)
        throw EFlacError(state.Failure());
}

QString TFlacEncoder::LibraryName()
{
    return QStringLiteral("libFLAC %1").arg(QString::fromLatin1(FLAC__VERSION_STRING));
}
