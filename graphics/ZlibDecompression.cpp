#include "graphics/ZlibDecompression.h"

#include <algorithm>
#include <climits>

namespace {

void InvalidOperation()
{
    throw EDecompressionError(QStringLiteral("Invalid stream operation"));
}

}  // namespace

TDecompressionStream::TDecompressionStream(TStream& source) : TCustomZlibStream(source), start_(streamPosition_)
{
    zstream_.next_in = reinterpret_cast<Bytef*>(buffer_);
    zstream_.avail_in = 0;
    if (inflateInit2(&zstream_, MAX_WBITS) != Z_OK)
        throw EDecompressionError(QStringLiteral("error"));
}

TDecompressionStream::~TDecompressionStream()
{
    inflateEnd(&zstream_);
}

void TDecompressionStream::Fail()
{
    throw EDecompressionError(QStringLiteral("error"));
}

std::int64_t TDecompressionStream::Read(void* buffer, std::int64_t count)
{
    if (count <= 0 || ended_)
        return 0;
    ReturnToStreamPosition();
    auto* out = static_cast<Bytef*>(buffer);
    std::int64_t produced = 0;
    while (produced < count) {
        if (zstream_.avail_in == 0) {
            const std::int64_t got = stream_.Read(buffer_, kBufferSize);
            // The source ending before the data and its checksum did is a truncated body, not a
            // short one.
            if (got <= 0)
                Fail();
            zstream_.next_in = reinterpret_cast<Bytef*>(buffer_);
            zstream_.avail_in = static_cast<uInt>(got);
            streamPosition_ = stream_.Position();
            Progress();
        }
        const auto room = static_cast<uInt>(std::min<std::int64_t>(count - produced, UINT_MAX));
        zstream_.next_out = out + produced;
        zstream_.avail_out = room;
        const int result = inflate(&zstream_, Z_NO_FLUSH);
        produced += room - zstream_.avail_out;
        if (result == Z_STREAM_END) {
            ended_ = true;
            break;
        }
        // Z_BUF_ERROR only says that no progress was possible: the input buffer is empty.
        if (result != Z_OK && result != Z_BUF_ERROR)
            Fail();
    }
    return produced;
}

std::int64_t TDecompressionStream::Write(const void*, std::int64_t)
{
    InvalidOperation();
    return 0;
}

void TDecompressionStream::Restart()
{
    if (inflateReset(&zstream_) != Z_OK)
        Fail();
    zstream_.next_in = reinterpret_cast<Bytef*>(buffer_);
    zstream_.avail_in = 0;
    ended_ = false;
    // Back to where the data starts, which need not be the source's beginning: framing written
    // in front of the data is not part of it.
    stream_.SetPosition(start_);
    streamPosition_ = start_;
}

void TDecompressionStream::Discard(std::int64_t count)
{
    char scrap[4096];
    while (count > 0) {
        const std::int64_t piece = std::min<std::int64_t>(count, sizeof scrap);
        ReadBuffer(scrap, piece);
        count -= piece;
    }
}

std::int64_t TDecompressionStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    const auto current = static_cast<std::int64_t>(zstream_.total_out);
    if (origin == TSeekOrigin::soBeginning && offset == 0)
        Restart();
    else if (origin == TSeekOrigin::soCurrent && offset >= 0)
        Discard(offset);
    else if (origin == TSeekOrigin::soBeginning && offset >= current)
        Discard(offset - current);
    else
        InvalidOperation();
    return static_cast<std::int64_t>(zstream_.total_out);
}

std::int64_t TDecompressionStream::SkipToEnd()
{
    char scrap[kBufferSize];
    std::int64_t skipped = 0;
    while (!ended_)
        skipped += Read(scrap, sizeof scrap);
    return skipped;
}
