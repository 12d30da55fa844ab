#pragma once
// The skin filters: each has a 5-byte header, a file extension and a description, and reads and
// writes a skin body, plain or through zlib, in the text or the binary form.
#include <QByteArray>
#include <QString>
#include <vector>

#include "graphics/ZlibCompression.h"

class TStream;
class TSeSkinSource;

class TSeSkinFilter {
public:
    virtual ~TSeSkinFilter() = default;
    // Five bytes: four characters and a 0.
    virtual QByteArray Header() const { return QByteArray("0000\0", 5); }
    // Without the dot; empty for the base filter.
    virtual QString Extension() const { return {}; }
    virtual QString Description() const { return {}; }
    // The header is optional: when the next five bytes are not this filter's, reading starts there.
    void Read(TStream& stream, TSeSkinSource& source) const;
    void Write(TStream& stream, const TSeSkinSource& source) const;

protected:
    virtual void ReadBody(TStream& stream, TSeSkinSource& source) const;
    virtual void WriteBody(TStream& stream, const TSeSkinSource& source) const;
};

class TSeSkinFilterUncompressed : public TSeSkinFilter {
public:
    QByteArray Header() const override { return QByteArray("_UCT\0", 5); }
    QString Extension() const override { return QStringLiteral("uskn"); }
    QString Description() const override { return QStringLiteral("Uncompressed Skin"); }
};

// The marker "ZVLZ", then the body through zlib.
class TSeSkinFilterCompressed : public TSeSkinFilter {
public:
    QByteArray Header() const override { return QByteArray("_DCT\0", 5); }
    QString Extension() const override { return QStringLiteral("zvkn"); }
    QString Description() const override { return QStringLiteral("Compressed Skin"); }
    static constexpr char kMarker[4] = {'Z', 'V', 'L', 'Z'};
    // Inflated bodies are held to this size: a few kilobytes could otherwise inflate to gigabytes.
    static constexpr std::int64_t kMaxBodySize = std::int64_t(256) << 20;

protected:
    void ReadBody(TStream& stream, TSeSkinSource& source) const override;
    void WriteBody(TStream& stream, const TSeSkinSource& source) const override;
    virtual TCompressionLevel Level() const { return TCompressionLevel::lvFastest; }
    virtual bool Binary() const { return false; }
};

class TSeSkinFilterUltraCompressed : public TSeSkinFilterCompressed {
public:
    QByteArray Header() const override { return QByteArray("_TCT\0", 5); }
    QString Extension() const override { return QStringLiteral("xskn"); }
    QString Description() const override { return QStringLiteral("Ultra Compressed Skin"); }

protected:
    TCompressionLevel Level() const override { return TCompressionLevel::lvDefault; }
};

// The binary body, compressed as the ultra filter does.
class TSeSkinFilterMaxCompression : public TSeSkinFilterUltraCompressed {
public:
    QByteArray Header() const override { return QByteArray("_MCT\0", 5); }
    QString Extension() const override { return QStringLiteral("mskn"); }
    QString Description() const override { return QStringLiteral("Maximum Compressed"); }

protected:
    bool Binary() const override { return true; }
};

// The registered filters in registration order (the four above).
const std::vector<const TSeSkinFilter*>& SkinFilters();
const TSeSkinFilter& UncompressedSkinFilter();
const TSeSkinFilter& CompressedSkinFilter();
const TSeSkinFilter& UltraCompressedSkinFilter();
const TSeSkinFilter& MaxCompressionSkinFilter();
// The filter whose header the stream's next five bytes are (the position is restored), or null.
const TSeSkinFilter* FilterOfHeader(TStream& stream);
// The filter of a file name's extension (case ignored), or null.
const TSeSkinFilter* FilterOfFileName(const QString& fileName);
// The filter of every write that names none; one setting for the process.
const TSeSkinFilter& DefaultSkinFilter();
void SetDefaultSkinFilter(const TSeSkinFilter& filter);
// Inflates a compressed skin body (after the marker) whole, so zlib checks it before any of it is
// used; raises EDecompressionError for damaged or oversized data.
QByteArray InflateSkinBody(TStream& source);
