#include "themes/SkinFilters.h"

#include <QFileInfo>
#include <algorithm>

#include "framework/Stream.h"
#include "graphics/ZlibDecompression.h"
#include "themes/SkinSource.h"

void TSeSkinFilter::Read(TStream& stream, TSeSkinSource& source) const
{
    char header[5];
    const std::int64_t got = stream.Read(header, sizeof header);
    if (got != sizeof header || QByteArray(header, sizeof header) != Header())
        stream.Seek(-got, TSeekOrigin::soCurrent);
    ReadBody(stream, source);
}

void TSeSkinFilter::Write(TStream& stream, const TSeSkinSource& source) const
{
    const QByteArray header = Header();
    stream.WriteBuffer(header.constData(), header.size());
    WriteBody(stream, source);
}

void TSeSkinFilter::ReadBody(TStream& stream, TSeSkinSource& source) const { source.ReadBody(stream, false); }

void TSeSkinFilter::WriteBody(TStream& stream, const TSeSkinSource& source) const { source.WriteBody(stream, false); }

QByteArray InflateSkinBody(TStream& source)
{
    // Inflated straight into the body's own bytes, grown by doubling: a staging buffer would copy
    // every byte once more. The first size is a guess from the compressed size that holds most
    // skins whole, so the body is seldom moved; pages beyond what is inflated are never touched.
    // One byte past the limit tells an oversized body from one that fits.
    constexpr std::int64_t kLimit = TSeSkinFilterCompressed::kMaxBodySize + 1;
    constexpr std::int64_t kSmallestGuess = 65536;
    constexpr std::int64_t kLargestGuess = std::int64_t(16) << 20;
    constexpr std::int64_t kUsualRatio = 32;
    const std::int64_t compressed = std::max<std::int64_t>(source.Size() - source.Position(), 0);
    const std::int64_t firstSize =
        std::clamp(std::min(compressed, kLargestGuess / kUsualRatio) * kUsualRatio, kSmallestGuess, kLargestGuess);
    QByteArray body;
    std::int64_t used = 0;
    try {
        TDecompressionStream inflater(source);
        for (;;) {
            if (used == body.size()) {
                if (used == kLimit)
                    break;
                body.resize(std::min(used == 0 ? firstSize : used * 2, kLimit));
            }
            const std::int64_t got = inflater.Read(body.data() + used, body.size() - used);
            if (got <= 0)
                break;
            used += got;
        }
        if (used < kLimit)
            inflater.SkipToEnd();
    } catch (const EDecompressionError& error) {
        throw EDecompressionError(
            QStringLiteral("Damaged skin: the compressed body is invalid (%1)").arg(error.Message()));
    }
    if (used == kLimit)
        throw EDecompressionError(QStringLiteral("Damaged skin: the body is larger than %1 MB")
                                      .arg(TSeSkinFilterCompressed::kMaxBodySize >> 20));
    body.truncate(used);
    return body;
}

void TSeSkinFilterCompressed::ReadBody(TStream& stream, TSeSkinSource& source) const
{
    // The marker is not checked: streams without it were never written.
    char marker[sizeof kMarker];
    stream.ReadBuffer(marker, sizeof marker);
    TMemoryStream body(InflateSkinBody(stream));
    source.ReadBody(body, Binary());
}

void TSeSkinFilterCompressed::WriteBody(TStream& stream, const TSeSkinSource& source) const
{
    stream.WriteBuffer(kMarker, sizeof kMarker);
    TCompressionStream deflater(Level(), stream);
    // The body is made whole first: the compressor then takes it in one call.
    TMemoryStream body;
    source.WriteBody(body, Binary());
    deflater.WriteBuffer(body.Memory(), body.Size());
    deflater.Finish();
}

const TSeSkinFilter& UncompressedSkinFilter()
{
    static const TSeSkinFilterUncompressed filter;
    return filter;
}

const TSeSkinFilter& CompressedSkinFilter()
{
    static const TSeSkinFilterCompressed filter;
    return filter;
}

const TSeSkinFilter& UltraCompressedSkinFilter()
{
    static const TSeSkinFilterUltraCompressed filter;
    return filter;
}

const TSeSkinFilter& MaxCompressionSkinFilter()
{
    static const TSeSkinFilterMaxCompression filter;
    return filter;
}

const std::vector<const TSeSkinFilter*>& SkinFilters()
{
    static const std::vector<const TSeSkinFilter*> filters = {&UncompressedSkinFilter(), &CompressedSkinFilter(),
                                                              &UltraCompressedSkinFilter(),
                                                              &MaxCompressionSkinFilter()};
    return filters;
}

const TSeSkinFilter* FilterOfHeader(TStream& stream)
{
    char header[5];
    const std::int64_t got = stream.Read(header, sizeof header);
    stream.Seek(-got, TSeekOrigin::soCurrent);
    if (got != sizeof header)
        return nullptr;
    for (const TSeSkinFilter* filter : SkinFilters())
        if (QByteArray(header, sizeof header) == filter->Header())
            return filter;
    return nullptr;
}

const TSeSkinFilter* FilterOfFileName(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    for (const TSeSkinFilter* filter : SkinFilters())
        if (!suffix.isEmpty() && suffix.compare(filter->Extension(), Qt::CaseInsensitive) == 0)
            return filter;
    return nullptr;
}

namespace {

const TSeSkinFilter* defaultFilter = nullptr;

}  // namespace

const TSeSkinFilter& DefaultSkinFilter()
{
    return defaultFilter != nullptr ? *defaultFilter : CompressedSkinFilter();
}

void SetDefaultSkinFilter(const TSeSkinFilter& filter) { defaultFilter = &filter; }
