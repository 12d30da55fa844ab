// Arbitrary bytes as a zlib body: the decompression stream must hand out data or raise an error,
// never crash or hang; data it accepts must come out the same when read again in other pieces and
// must survive compressing and decompressing once more.
#include <cstddef>
#include <cstdint>

#include <QByteArray>

#include "framework/Exception.h"
#include "framework/Stream.h"
#include "graphics/ZlibCompression.h"
#include "graphics/ZlibDecompression.h"

namespace {

// Bodies that inflate to more than this are read only this far: a tiny input can claim gigabytes.
constexpr qsizetype kLimit = 1 << 20;

QByteArray ReadUpToLimit(TDecompressionStream& stream, qsizetype piece)
{
    QByteArray all;
    QByteArray buffer(piece, '\0');
    while (all.size() < kLimit) {
        const std::int64_t got = stream.Read(buffer.data(), piece);
        if (got == 0)
            break;
        all.append(buffer.constData(), got);
    }
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream source;
    source.Write(data, static_cast<std::int64_t>(size));
    source.SetPosition(0);
    TDecompressionStream stream(source);
    QByteArray first;
    try {
        first = ReadUpToLimit(stream, 4099);
    } catch (const Exception&) {
        return 0;
    }
    if (!stream.Ended())
        return 0;
    if (stream.Position() != first.size())
        __builtin_trap();

    // Once accepted, the body must read the same again, in other pieces, from a restart.
    if (stream.Seek(0, TSeekOrigin::soBeginning) != 0 || ReadUpToLimit(stream, 777) != first || !stream.Ended())
        __builtin_trap();

    TMemoryStream packed;
    {
        TCompressionStream compressor(TCompressionLevel::lvFastest, packed);
        compressor.WriteBuffer(first.constData(), first.size());
        compressor.Finish();
    }
    packed.SetPosition(0);
    TDecompressionStream again(packed);
    if (ReadUpToLimit(again, 65536) != first || again.SkipToEnd() != 0)
        __builtin_trap();
    return 0;
}
