#pragma once
// A FLAC encoder stream on libFLAC: 16-bit PCM in, lossless frames written to a stream as each one completes, so
// that what a full disk cuts off still decodes up to its last whole frame. Finish writes the last frame and
// rewrites the stream's header with the sample count and the MD5 of the audio.
#include <cstddef>
#include <cstdint>
#include <memory>

#include <QString>

#include "framework/Exception.h"

class TStream;

// An encoder that cannot start or a stream that takes fewer bytes than written ("Write error").
class EFlacError : public Exception {
public:
    using Exception::Exception;
};

class TFlacEncoder {
public:
    static constexpr int kDefaultLevel = 5;
    static constexpr int kMaxLevel = 8;

    // out must be seekable for the header to be rewritten at the end. level: 0 (fastest) to 8 (smallest).
    // expectedFrames (samples per channel; 0 when unknown) lays out a seek table with a point every 10 seconds.
    TFlacEncoder(TStream& out, std::uint32_t sampleRate, std::uint16_t channels, int level, std::uint64_t expectedFrames);
    ~TFlacEncoder();
    TFlacEncoder(const TFlacEncoder&) = delete;
    TFlacEncoder& operator=(const TFlacEncoder&) = delete;

    // Interleaved samples, frames of them per channel.
    void Encode(const std::int16_t* samples, std::size_t frames);
    // Ends the stream; after a failed write it only lets go of the encoder, leaving the frames already written.
    void Finish();

    // "libFLAC 1.4.2", for the tags that name the encoder.
    static QString LibraryName();

private:
    struct TState;  // libFLAC's encoder and the blocks written before the audio
    std::unique_ptr<TState> state_;
};
