#pragma once
// A read-only stream that hands out the inflated bytes of the zlib data stream (RFC 1950) found at
// a source stream's position.
#include "graphics/ZlibStream.h"

class TDecompressionStream : public TCustomZlibStream {
public:
    // Starts at source's current position. Raises EDecompressionError "error" when zlib cannot
    // start.
    explicit TDecompressionStream(TStream& source);
    ~TDecompressionStream() override;

    // Up to count bytes; fewer only when the data has ended (0 from then on). Damaged data, a
    // failed checksum and a source that ends before the data does raise EDecompressionError
    // "error".
    std::int64_t Read(void* buffer, std::int64_t count) override;
    // Raises EDecompressionError "Invalid stream operation".
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    // Answers the position in the inflated data. Seek(0, soBeginning) starts again where the data
    // started; forward seeks read and discard (EReadError past the end); backward and end seeks
    // raise EDecompressionError "Invalid stream operation".
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

    // Reads and discards the rest of the data up to its checksum, which zlib verifies, and answers
    // how many bytes were left. Raises like Read.
    std::int64_t SkipToEnd();
    // True once the data's end and its checksum have been read.
    bool Ended() const { return ended_; }

private:
    void Discard(std::int64_t count);
    void Restart();
    [[noreturn]] void Fail();

    std::int64_t start_;
    bool ended_ = false;
};
