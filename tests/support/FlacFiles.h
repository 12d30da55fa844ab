#pragma once
// Decodes a FLAC file with libFLAC for the tests: its samples as 16-bit PCM, what its header says, and whether the
// stream was whole (no errors, and the MD5 of the header, when set, equals that of the decoded audio).
#include <FLAC/stream_decoder.h>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

namespace flac {

struct Decoded {
    bool Opened = false;
    bool Whole = false;              // decoded to its end without an error, MD5 checked when set
    int Errors = 0;                  // lost sync, bad frame headers, CRC mismatches met on the way
    unsigned SampleRate = 0;
    unsigned Channels = 0;
    std::uint64_t HeaderSamples = 0; // per channel, as STREAMINFO says (0: unknown)
    bool HeaderMd5Set = false;
    QByteArray Pcm;                  // interleaved 16-bit little-endian
    int Frames() const { return Channels > 0 ? Pcm.size() / (2 * static_cast<int>(Channels)) : 0; }
};

inline Decoded Decode(const QString& path)
{
    Decoded decoded;
    FLAC__StreamDecoder* decoder = FLAC__stream_decoder_new();
    FLAC__stream_decoder_set_md5_checking(decoder, true);
    auto write = [](const FLAC__StreamDecoder*, const FLAC__Frame* frame, const FLAC__int32* const buffer[],
                    void* data) -> FLAC__StreamDecoderWriteStatus {
        auto* out = static_cast<Decoded*>(data);
        for (unsigned i = 0; i < frame->header.blocksize; ++i)
            for (unsigned c = 0; c < frame->header.channels; ++c) {
                const auto sample = static_cast<std::int16_t>(buffer[c][i]);
                out->Pcm.append(reinterpret_cast<const char*>(&sample), 2);
            }
        return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
    };
    auto metadata = [](const FLAC__StreamDecoder*, const FLAC__StreamMetadata* block, void* data) {
        if (block->type != FLAC__METADATA_TYPE_STREAMINFO)
            return;
        auto* out = static_cast<Decoded*>(data);
        out->SampleRate = block->data.stream_info.sample_rate;
        out->Channels = block->data.stream_info.channels;
        out->HeaderSamples = block->data.stream_info.total_samples;
        for (const FLAC__byte byte : block->data.stream_info.md5sum)
            out->HeaderMd5Set = out->HeaderMd5Set || byte != 0;
    };
    auto error = [](const FLAC__StreamDecoder*, FLAC__StreamDecoderErrorStatus, void* data) { ++static_cast<Decoded*>(data)->Errors; };
    const QByteArray name = QFile::encodeName(path);
    if (FLAC__stream_decoder_init_file(decoder, name.constData(), write, metadata, error, &decoded) ==
        FLAC__STREAM_DECODER_INIT_STATUS_OK) {
        decoded.Opened = true;
        const bool read = FLAC__stream_decoder_process_until_end_of_stream(decoder);
        const bool md5 = FLAC__stream_decoder_finish(decoder);
        decoded.Whole = read && md5 && decoded.Errors == 0;
    }
    FLAC__stream_decoder_delete(decoder);
    return decoded;
}

}  // namespace flac
