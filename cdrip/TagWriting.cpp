#include "cdrip/TagWriting.h"

#include <QFileDevice>

TagLib::String TagText(const QString& text)
{
    return TagLib::String(text.toUtf8().constData(), TagLib::String::UTF8);
}

QByteArray TagBytes(const TagLib::ByteVector& bytes)
{
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::vector<TTagField> CommonTagFields(const TDiscMetadata& disc, int track, const QString& encoder)
{
    const TTrackMetadata& own = disc.Track(track);
    return {
        {"TIT2", "TITLE", own.Title},
        {"TPE1", "ARTIST", disc.TrackArtist(track)},
        {"TALB", "ALBUM", disc.Album},
        {"TPE2", "ALBUMARTIST", disc.AlbumArtist},
        {"TCOM", "COMPOSER", own.Songwriter},
        {"TCON", "GENRE", disc.Genre},
        {"TSRC", "ISRC", own.Isrc},
        {"TSSE", "ENCODER", encoder},
    };
}

void FailTagging(const QString& why)
{
    throw ETagFailure{why};
}

QByteArray ReadExactly(QFile& file, qint64 count)
{
    const QByteArray bytes = file.read(count);
    if (bytes.size() != count)
        FailTagging(file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("the file ends too early"));
    return bytes;
}

void WriteAll(QFile& out, const QByteArray& bytes)
{
    // Qt names no reason for a short write; a full disk is the usual one.
    if (out.write(bytes) != bytes.size())
        FailTagging(QStringLiteral("the tagged file could not be written whole (is the disk full?)"));
}

void CopyRest(QFile& in, QFile& out)
{
    constexpr qint64 kBlock = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray block = in.read(kBlock);
        if (block.isEmpty())
            FailTagging(in.errorString());
        WriteAll(out, block);
    }
}

void SkipId3v2(QFile& file)
{
    for (;;) {
        const qint64 at = file.pos();
        const QByteArray header = file.read(10);
        if (header.size() < 10 || !header.startsWith("ID3")) {
            file.seek(at);
            return;
        }
        // The size is "synchsafe": seven bits per byte; a footer of 10 bytes follows when flag 0x10 is set.
        qint64 size = 0;
        for (int i = 6; i < 10; ++i)
            size = size << 7 | (static_cast<unsigned char>(header.at(i)) & 0x7F);
        const bool footer = (static_cast<unsigned char>(header.at(5)) & 0x10) != 0;
        const qint64 end = at + 10 + size + (footer ? 10 : 0);
        // A "tag" longer than the file is none: skipping it would drop the audio.
        if (end > file.size()) {
            file.seek(at);
            return;
        }
        file.seek(end);
    }
}

