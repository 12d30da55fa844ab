#pragma once
// A write-only stream that deflates everything written to it into one zlib data stream (RFC 1950)
// on a destination stream.
#include "graphics/ZlibStream.h"

enum class TCompressionLevel { lvNone, lvFastest, lvDefault, lvMax };

class TCompressionStream : public TCustomZlibStream {
public:
    // Starts at destination's current position. Raises ECompressionError "error" when zlib cannot
    // start.
    TCompressionStream(TCompressionLevel level, TStream& destination);
    // Completes the data when Finish was not called; a failure here cannot be reported, so code
    // that must know that the data reached the destination calls Finish first.
    ~TCompressionStream() override;

    // Feeds all count bytes to the compressor; each full buffer goes to the destination (a short
    // write raises EWriteError, a compressor failure ECompressionError "error").
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    // Raises ECompressionError "Invalid stream operation".
    std::int64_t Read(void* buffer, std::int64_t count) override;
    // Only Seek(0, soCurrent) is allowed: it answers the number of bytes written so far.
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

    // Writes the rest of the data and the checksum to the destination; afterwards the stream takes
    // no more data. Calling it again does nothing.
    void Finish();

private:
    void FlushBuffer(int bytes);
    [[noreturn]] void Fail();

    bool finished_ = false;
    bool failed_ = false;
};
