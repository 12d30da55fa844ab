#pragma once
// The common part of the zlib compression and decompression streams: the stream underneath, the
// 8192-byte buffer, zlib's state record, the progress notification, and the errors.
#include <zlib.h>

#include <cstdint>

#include "framework/Component.h"
#include "framework/Exception.h"
#include "framework/Stream.h"

class EZlibError : public Exception {
public:
    using Exception::Exception;
};
class ECompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};

class TCustomZlibStream : public TStream {
public:
    TCustomZlibStream(const TCustomZlibStream&) = delete;
    TCustomZlibStream& operator=(const TCustomZlibStream&) = delete;

    // Fired after each buffer of traffic with the stream underneath; the sender is this stream.
    TNotifyEvent OnProgress;

protected:
    static constexpr int kBufferSize = 8192;

    // The stream underneath is not owned and must outlive this one.
    explicit TCustomZlibStream(TStream& stream);

    virtual void Progress();
    // Puts the stream underneath back at the stream position if someone else moved it.
    void ReturnToStreamPosition();

    TStream& stream_;
    std::int64_t streamPosition_;
    z_stream zstream_{};
    char buffer_[kBufferSize];
};
