#include "cdrip/TrackTags.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <cstdio>
#include <taglib/id3v2tag.h>
#include <taglib/textidentificationframe.h>
#include <taglib/xiphcomment.h>
#include <memory>
#include <vector>

#include "framework/Exception.h"

namespace {

enum class TTagKind { tkNone, tkId3v2, tkVorbis };

TTagKind KindOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("mp3"))
        return TTagKind::tkId3v2;
    if (suffix == QLatin1String("flac"))
        return TTagKind::tkVorbis;
    return TTagKind::tkNone;
}

// A failure to tag a file: its reason, raised as an Exception naming the file by WriteTrackTags.
struct ETagFailure {
    QString Why;
};

TagLib::String Text(const QString& text)
{
    return TagLib::String(text.toUtf8().constData(), TagLib::String::UTF8);
}

QByteArray Bytes(const TagLib::ByteVector& bytes)
{
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The leading ISO 8601 date of a sheet's date ("1999", "1999-05-01"); ID3v2.4 takes nothing else as its time.
QString IsoDate(const QString& date)
{
    static const QRegularExpression kDate(QStringLiteral("^\\d{4}(-\\d{2}(-\\d{2})?)?"));
    return kDate.match(date).captured();
}

// A field of the tags, named in each kind's own words; fields with empty values are left out.
struct TTagField {
    const char* Id3v2;
    const char* Vorbis;
    QString Value;
};

std::vector<TTagField> Fields(const TDiscMetadata& disc, int track, const QString& encoder)
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

QByteArray Id3v2Tag(const TDiscMetadata& disc, int track, const QString& encoder)
{
    TagLib::ID3v2::Tag tag;
    const auto put = [&](const char* id, const QString& value) {
        if (value.isEmpty())
            return;
        auto* frame = new TagLib::ID3v2::TextIdentificationFrame(id, TagLib::String::UTF8);
        frame->setText(Text(value));
        tag.addFrame(frame);
    };
    for (const TTagField& field : Fields(disc, track, encoder))
        put(field.Id3v2, field.Value);
    put("TRCK", QStringLiteral("%1/%2").arg(track).arg(disc.Tracks.size()));
    put("TDRC", IsoDate(disc.Year));
    // The media catalogue number is the disc's bar code; players read it under this name.
    if (!disc.Catalog.isEmpty())
        tag.addFrame(new TagLib::ID3v2::UserTextIdentificationFrame("BARCODE", TagLib::StringList(Text(disc.Catalog))));
    return Bytes(tag.render(TagLib::ID3v2::v4));
}

void Fail(const QString& why)
{
    throw ETagFailure{why};
}

QByteArray ReadExactly(QFile& file, qint64 count)
{
    const QByteArray bytes = file.read(count);
    if (bytes.size() != count)
        Fail(file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("the file ends too early"));
    return bytes;
}

void Write(QFile& out, const QByteArray& bytes)
{
    // Qt names no reason for a short write; a full disk is the usual one.
    if (out.write(bytes) != bytes.size())
        Fail(QStringLiteral("the tagged file could not be written whole (is the disk full?)"));
}

// Copies what is left of in to out.
void CopyRest(QFile& in, QFile& out)
{
    constexpr qint64 kBlock = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray block = in.read(kBlock);
        if (block.isEmpty())
            Fail(in.errorString());
        Write(out, block);
    }
}

// Moves past the ID3v2 tags at the start of file (an MP3 tagged before; some tools put one before FLAC too).
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
        file.seek(at + 10 + size + (footer ? 10 : 0));
    }
}

void TagMp3(QFile& in, QFile& out, const TDiscMetadata& disc, int track, const QString& encoder)
{
    SkipId3v2(in);
    Write(out, Id3v2Tag(disc, track, encoder));
    CopyRest(in, out);
}

// FLAC metadata blocks: the type in the low seven bits of the first header byte, "last" in its high bit.
enum : int { kStreamInfo = 0, kPadding = 1, kVorbisComment = 4 };
// Room left for later tag edits that need not move the audio.
constexpr int kFlacPadding = 4096;

struct TFlacBlock {
    int Type = 0;
    QByteArray Data;
};

QByteArray FlacBlockHeader(int type, qsizetype length, bool last)
{
    const auto size = static_cast<std::uint32_t>(length);
    const char header[] = {static_cast<char>(type | (last ? 0x80 : 0)), static_cast<char>(size >> 16),
                           static_cast<char>(size >> 8), static_cast<char>(size)};
    return QByteArray(header, sizeof header);
}

std::vector<TFlacBlock> ReadFlacBlocks(QFile& in)
{
    SkipId3v2(in);
    if (in.read(4) != "fLaC")
        Fail(QStringLiteral("it is no FLAC file"));
    std::vector<TFlacBlock> blocks;
    for (bool last = false; !last;) {
        const QByteArray header = ReadExactly(in, 4);
        const auto byte = [&](int i) { return static_cast<unsigned char>(header.at(i)); };
        last = (byte(0) & 0x80) != 0;
        const qint64 length = byte(1) << 16 | byte(2) << 8 | byte(3);
        blocks.push_back({byte(0) & 0x7F, ReadExactly(in, length)});
    }
    if (blocks.front().Type != kStreamInfo)
        Fail(QStringLiteral("its first metadata block is no STREAMINFO"));
    return blocks;
}

void TagFlac(QFile& in, QFile& out, const TDiscMetadata& disc, int track, const QString& encoder)
{
    // The comment block is rebuilt from the old one (its vendor and fields of other programs stay); old padding
    // is replaced by new.
    QByteArray oldComment;
    std::vector<TFlacBlock> kept;
    for (TFlacBlock& block : ReadFlacBlocks(in)) {
        if (block.Type == kVorbisComment)
            oldComment = block.Data;
        else if (block.Type != kPadding)
            kept.push_back(std::move(block));
    }
    auto comment = oldComment.isEmpty() ? std::make_unique<TagLib::Ogg::XiphComment>()
                                        : std::make_unique<TagLib::Ogg::XiphComment>(TagLib::ByteVector(
                                              oldComment.constData(), static_cast<unsigned>(oldComment.size())));
    const auto put = [&](const char* name, const QString& value) {
        if (!value.isEmpty())
            comment->addField(name, Text(value), true);
    };
    for (const TTagField& field : Fields(disc, track, encoder))
        put(field.Vorbis, field.Value);
    put("TRACKNUMBER", QString::number(track));
    put("TRACKTOTAL", QString::number(disc.Tracks.size()));
    put("DATE", disc.Year);
    put("BARCODE", disc.Catalog);

    Write(out, "fLaC");
    for (const TFlacBlock& block : kept)
        Write(out, FlacBlockHeader(block.Type, block.Data.size(), false) + block.Data);
    const QByteArray rendered = Bytes(comment->render(false));
    Write(out, FlacBlockHeader(kVorbisComment, rendered.size(), false) + rendered);
    Write(out, FlacBlockHeader(kPadding, kFlacPadding, true) + QByteArray(kFlacPadding, '\0'));
    CopyRest(in, out);
}

}  // namespace

void WriteTrackTags(const QString& fileName, const TDiscMetadata& disc, int track, const QString& encoder)
{
    const TTagKind kind = KindOf(fileName);
    if (kind == TTagKind::tkNone || disc.IsEmpty())
        return;
    // The tagged file is written beside the old one and takes its place only when every byte was written; a rename
    // within the folder replaces it in one step. Not synced to the disk: the ripped file was not either, and
    // syncing would cost a rip more than the tags do.
    const QFileInfo info(fileName);
    QFile in(fileName);
    QTemporaryFile out(info.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(info.fileName())));
    try {
        if (!in.open(QIODevice::ReadOnly))
            Fail(in.errorString());
        if (!out.open())
            Fail(out.errorString());
        if (kind == TTagKind::tkId3v2)
            TagMp3(in, out, disc, track, encoder);
        else
            TagFlac(in, out, disc, track, encoder);
        if (!out.flush())
            Fail(QStringLiteral("the tagged file could not be written whole (is the disk full?)"));
        out.setPermissions(in.permissions());
        if (std::rename(QFile::encodeName(out.fileName()).constData(), QFile::encodeName(fileName).constData()) != 0)
            Fail(QStringLiteral("the tagged file cannot take its place"));
        out.setAutoRemove(false);
    } catch (const ETagFailure& failure) {
        throw Exception(QStringLiteral("Cannot write the tags of %1: %2").arg(fileName, failure.Why));
    }
}
