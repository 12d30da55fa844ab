#include "graphics/ZlibCompression.h"

#include <algorithm>
#include <climits>

namespace {

int ZlibLevel(TCompressionLevel level)
{
    switch (level) {
    case TCompressionLevel::lvNone: return 0;
    case TCompressionLevel::lvFastest: return 1;
    case TCompressionLevel::lvDefault: return Z_DEFAULT_COMPRESSION;
    case TCompressionLevel::lvMax: return 9;
    }
    return Z_DEFAULT_COMPRESSION;
}

void InvalidOperation()
{
    throw ECompressionError(QStringLiteral("Invalid stream operation"));
}

}  // namespace

TCompressionStream::TCompressionStream(TCompressionLevel level, TStream& destination)
    : TCustomZlibStream(destination)
{
    zstream_.next_out = reinterpret_cast<Bytef*>(buffer_);
    zstream_.avail_out = kBufferSize;
    if (deflateInit2(&zstream_, ZlibLevel(level), Z_DEFLATED, MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw ECompressionError(QStringLiteral("error"));
}

TCompressionStream::~TCompressionStream()
{
    if (!finished_ && !failed_) {
        try {
            Finish();
        } catch (const Exception&) {
            // Nowhere to report it from here; a reader of the destination finds the data incomplete.
        }
    }
    deflateEnd(&zstream_);
}

void TCompressionStream::Fail()
{
    failed_ = true;
    throw ECompressionError(QStringLiteral("error"));
}

// Sends the first bytes of the buffer to the destination and makes the whole buffer free again.
void TCompressionStream::FlushBuffer(int bytes)
{
    try {
        stream_.WriteBuffer(buffer_, bytes);
    } catch (...) {
        failed_ = true;
        throw;
    }
    zstream_.next_out = reinterpret_cast<Bytef*>(buffer_);
    zstream_.avail_out = kBufferSize;
    streamPosition_ = stream_.Position();
    Progress();
}

std::int64_t TCompressionStream::Write(const void* buffer, std::int64_t count)
{
    if (failed_)
        Fail();
    if (finished_)
        InvalidOperation();
    if (count <= 0)
        return 0;
    ReturnToStreamPosition();
    auto* next = static_cast<const Bytef*>(buffer);
    std::int64_t left = count;
    while (left > 0) {
        // zlib counts in unsigned int; larger writes go in pieces.
        const auto piece = static_cast<uInt>(std::min<std::int64_t>(left, UINT_MAX));
        zstream_.next_in = const_cast<Bytef*>(next);
        zstream_.avail_in = piece;
        while (zstream_.avail_in > 0) {
            if (deflate(&zstream_, Z_NO_FLUSH) != Z_OK)
                Fail();
            if (zstream_.avail_out == 0)
                FlushBuffer(kBufferSize);
        }
        next += piece;
        left -= piece;
    }
    return count;
}

void TCompressionStream::Finish()
{
    if (finished_)
        return;
    if (failed_)
        Fail();
    ReturnToStreamPosition();
    zstream_.next_in = nullptr;
    zstream_.avail_in = 0;
    for (;;) {
        const int result = deflate(&zstream_, Z_FINISH);
        if (result == Z_STREAM_END)
            break;
        if (result != Z_OK && result != Z_BUF_ERROR)
            Fail();
        if (zstream_.avail_out == 0)
            FlushBuffer(kBufferSize);
        else if (result == Z_BUF_ERROR)
            Fail();
    }
    if (zstream_.avail_out < static_cast<uInt>(kBufferSize))
        FlushBuffer(kBufferSize - static_cast<int>(zstream_.avail_out));
    finished_ = true;
}

std::int64_t TCompressionStream::Read(void*, std::int64_t)
{
    InvalidOperation();
    return 0;
}

std::int64_t TCompressionStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    if (offset != 0 || origin != TSeekOrigin::soCurrent)
        InvalidOperation();
    return static_cast<std::int64_t>(zstream_.total_in);
}
