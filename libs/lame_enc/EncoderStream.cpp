#include "EncoderStream.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace lameenc {

namespace {

// One call may carry this many chunks; the buffer size reported to the caller covers them.
constexpr int kChunksPerCall = 8;

bool IsLameRate(uint32_t rate)
{
    for (uint32_t r : {8000u, 11025u, 12000u, 16000u, 22050u, 24000u, 32000u, 44100u, 48000u})
        if (r == rate)
            return true;
    return false;
}

bool IsValid(const BE_Config& c)
{
    const bool vbr = c.EnableVBR != 0;
    return IsLameRate(c.SampleRate) && c.InputChannels <= 2 && (c.ReSampleRate == 0 || IsLameRate(c.ReSampleRate))
        && c.Mode >= BE_MODE_STEREO && c.Mode <= BE_MODE_MONO && c.Quality >= BE_QUALITY_NORMAL
        && c.Quality <= BE_QUALITY_VOICE && c.Bitrate >= 8 && c.Bitrate <= 320
        && (!vbr || (c.MaxBitrate >= c.Bitrate && c.MaxBitrate <= 320 && c.VBRQuality >= 0 && c.VBRQuality <= 10))
        && (c.Emphasis == 0 || c.Emphasis == 1 || c.Emphasis == 3);
}

void ApplyQuality(lame_global_flags* flags, int32_t quality)
{
    switch (quality) {
    case BE_QUALITY_LOW:
        lame_set_quality(flags, 7);
        break;
    case BE_QUALITY_HIGH:
        lame_set_quality(flags, 2);
        break;
    case BE_QUALITY_VOICE:
        // LAME's own low-rate preset, the one it offers for speech; it chooses the rate itself.
        lame_set_preset(flags, 56);
        break;
    default:
        break; // LAME's default quality
    }
}

int InputChannels(const BE_Config& c)
{
    if (c.InputChannels != 0)
        return static_cast<int>(c.InputChannels);
    return c.Mode == BE_MODE_MONO ? 1 : 2;
}

void Configure(lame_global_flags* flags, const BE_Config& c)
{
    static constexpr MPEG_mode kModes[] = {STEREO, JOINT_STEREO, DUAL_CHANNEL, MONO};
    lame_set_in_samplerate(flags, static_cast<int>(c.SampleRate));
    if (c.ReSampleRate != 0)
        lame_set_out_samplerate(flags, static_cast<int>(c.ReSampleRate));
    // Two channels into a mono MP3 are mixed down by LAME; one channel into a two-channel mode is fed twice.
    lame_set_num_channels(flags, c.Mode == BE_MODE_MONO ? InputChannels(c) : 2);
    lame_set_mode(flags, kModes[c.Mode]);
    lame_set_brate(flags, static_cast<int>(c.Bitrate));
    ApplyQuality(flags, c.Quality);
    lame_set_emphasis(flags, static_cast<int>(c.Emphasis));
    lame_set_extension(flags, c.Private != 0);
    lame_set_error_protection(flags, c.CRC != 0);
    lame_set_copyright(flags, c.Copyright != 0);
    lame_set_original(flags, c.Original != 0);
    if (c.EnableVBR != 0) {
        lame_set_VBR(flags, vbr_default);
        lame_set_VBR_q(flags, std::min(c.VBRQuality, 9));
        lame_set_VBR_min_bitrate_kbps(flags, static_cast<int>(c.Bitrate));
        lame_set_VBR_max_bitrate_kbps(flags, static_cast<int>(c.MaxBitrate));
    }
    // A VBR stream without its tag shows a wrong duration everywhere, so VBR always writes one.
    lame_set_bWriteVbrTag(flags, c.WriteVBRHeader != 0 || c.EnableVBR != 0);
    lame_set_write_id3tag_automatic(flags, 0);
}

}

uint32_t TEncoderStream::Create(const BE_Config& config, std::unique_ptr<TEncoderStream>& stream)
{
    if (config.Config != BE_CONFIG_LAME || config.StructVersion != BE_CONFIG_STRUCT_VERSION
        || config.StructSize != BE_CONFIG_STRUCT_SIZE)
        return BE_ERR_INVALID_FORMAT;
    if (!IsValid(config))
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    lame_global_flags* flags = lame_init();
    if (flags == nullptr)
        return BE_ERR_NO_MORE_HANDLES;
    Configure(flags, config);
    if (lame_init_params(flags) < 0) {
        lame_close(flags);
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    }
    stream.reset(new TEncoderStream(flags, InputChannels(config)));
    return BE_ERR_SUCCESSFUL;
}

TEncoderStream::TEncoderStream(lame_global_flags* flags, int channels) : FFlags(flags), FChannels(channels)
{
    // One MP3 frame's worth of input; LAME may resample (low VBR qualities and presets do), so the frame, which
    // counts output samples, is scaled back to the input rate.
    const int outputFrame = lame_get_framesize(flags);
    const int frameSize = static_cast<int>(std::lround(static_cast<double>(outputFrame)
        * lame_get_in_samplerate(flags) / lame_get_out_samplerate(flags)));
    FSamplesPerChunk = static_cast<uint32_t>(frameSize * channels);
    // LAME's documented worst case for n samples per channel is 1.25 n + 7200 bytes; when it raises the rate, the
    // samples it encodes outnumber those it is given.
    FOutputBufferSize = static_cast<uint32_t>(kChunksPerCall * std::max(frameSize, outputFrame) * 5 / 4 + 7200);
}

TEncoderStream::~TEncoderStream()
{
    lame_close(FFlags);
}

int TEncoderStream::EncodeFrames(const int16_t* input, int frames, uint8_t* output, int capacity)
{
    // LAME takes the buffers as non-const but only reads them.
    auto* pcm = const_cast<int16_t*>(input);
    if (FChannels == 1)
        return lame_encode_buffer(FFlags, pcm, pcm, frames, output, capacity);
    return lame_encode_buffer_interleaved(FFlags, pcm, frames, output, capacity);
}

uint32_t TEncoderStream::Encode(uint32_t samples, const int16_t* input, uint8_t* output, uint32_t* outputBytes)
{
    if (outputBytes == nullptr || output == nullptr || (input == nullptr && samples > 0))
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    *outputBytes = 0;
    if (FFinished)
        return BE_ERR_ENCODING_FAILED;

    uint32_t produced = 0;
    auto put = [&](const int16_t* pcm, int frames) -> uint32_t {
        const int room = static_cast<int>(FOutputBufferSize - produced);
        // A size of 0 would tell LAME the buffer is unbounded.
        if (room == 0)
            return BE_ERR_BUFFER_TOO_SMALL;
        const int bytes = EncodeFrames(pcm, frames, output + produced, room);
        if (bytes == -1)
            return BE_ERR_BUFFER_TOO_SMALL;
        if (bytes < 0)
            return BE_ERR_ENCODING_FAILED;
        produced += static_cast<uint32_t>(bytes);
        return BE_ERR_SUCCESSFUL;
    };

    uint32_t result = BE_ERR_SUCCESSFUL;
    if (FHasPending && samples > 0) {
        FPending[1] = input[0];
        FHasPending = false;
        ++input;
        --samples;
        result = put(FPending, 1);
    }
    const uint32_t pieceFrames = FSamplesPerChunk / static_cast<uint32_t>(FChannels) * kChunksPerCall;
    uint32_t frames = samples / static_cast<uint32_t>(FChannels);
    while (result == BE_ERR_SUCCESSFUL && frames > 0) {
        const uint32_t piece = std::min(frames, pieceFrames);
        result = put(input, static_cast<int>(piece));
        input += piece * static_cast<uint32_t>(FChannels);
        frames -= piece;
    }
    if (result == BE_ERR_SUCCESSFUL && samples % static_cast<uint32_t>(FChannels) != 0) {
        FPending[0] = input[0];
        FHasPending = true;
    }
    *outputBytes = produced;
    return result;
}

uint32_t TEncoderStream::Finish(uint8_t* output, uint32_t* outputBytes)
{
    if (outputBytes == nullptr || output == nullptr)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    *outputBytes = 0;
    if (FFinished)
        return BE_ERR_SUCCESSFUL;
    FFinished = true;
    const int bytes = lame_encode_flush(FFlags, output, static_cast<int>(FOutputBufferSize));
    if (bytes < 0)
        return bytes == -1 ? BE_ERR_BUFFER_TOO_SMALL : BE_ERR_ENCODING_FAILED;
    *outputBytes = static_cast<uint32_t>(bytes);
    return BE_ERR_SUCCESSFUL;
}

uint32_t TEncoderStream::InfoTag(uint8_t* buffer, uint32_t bufferSize, uint32_t* tagBytes) const
{
    if (tagBytes == nullptr || buffer == nullptr)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    *tagBytes = 0;
    // The tag counts frames and carries the stream's CRC, so it exists only once the stream is flushed.
    if (!FFinished || lame_get_bWriteVbrTag(FFlags) == 0)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    const size_t size = lame_get_lametag_frame(FFlags, buffer, bufferSize);
    if (size == 0)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    if (size > bufferSize)
        return BE_ERR_BUFFER_TOO_SMALL;
    *tagBytes = static_cast<uint32_t>(size);
    return BE_ERR_SUCCESSFUL;
}

}
