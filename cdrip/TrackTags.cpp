#include "cdrip/TrackTags.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <cstdio>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>
#include <taglib/xiphcomment.h>

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

TagLib::String Text(const QString& text)
{
    return TagLib::String(text.toUtf8().constData(), TagLib::String::UTF8);
}

// The leading ISO 8601 date of a sheet's date ("1999", "1999-05-01"); ID3v2.4 takes nothing else as its time.
QString IsoDate(const QString& date)
{
    static const QRegularExpression kDate(QStringLiteral("^\\d{4}(-\\d{2}(-\\d{2})?)?"));
    return kDate.match(date).captured();
}

// The tag's fields as (name, value) pairs, the names in the tag kind's own words; empty values left out.
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

void ReplaceText(TagLib::ID3v2::Tag& tag, const char* id, const QString& value)
{
    if (value.isEmpty())
        return;
    tag.removeFrames(id);
    auto* frame = new TagLib::ID3v2::TextIdentificationFrame(id, TagLib::String::UTF8);
    frame->setText(Text(value));
    tag.addFrame(frame);
}

// Answers why the tags could not be written; empty when they were.
QString TagId3v2(const QString& path, const TDiscMetadata& disc, int track, const QString& encoder)
{
    TagLib::MPEG::File file(QFile::encodeName(path).constData(), false);
    if (!file.isValid())
        return QStringLiteral("it cannot be read as an MP3 file");
    TagLib::ID3v2::Tag& tag = *file.ID3v2Tag(true);
    for (const TTagField& field : Fields(disc, track, encoder))
        ReplaceText(tag, field.Id3v2, field.Value);
    ReplaceText(tag, "TRCK", QStringLiteral("%1/%2").arg(track).arg(disc.Tracks.size()));
    ReplaceText(tag, "TDRC", IsoDate(disc.Year));
    if (!disc.Catalog.isEmpty())
        tag.addFrame(new TagLib::ID3v2::UserTextIdentificationFrame("BARCODE", TagLib::StringList(Text(disc.Catalog))));
    if (!file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers, TagLib::ID3v2::v4, TagLib::File::DoNotDuplicate))
        return QStringLiteral("the tagged file could not be saved");
    return {};
}

QString TagVorbis(const QString& path, const TDiscMetadata& disc, int track, const QString& encoder)
{
    TagLib::FLAC::File file(QFile::encodeName(path).constData(), false);
    if (!file.isValid())
        return QStringLiteral("it cannot be read as a FLAC file");
    TagLib::Ogg::XiphComment& comment = *file.xiphComment(true);
    auto put = [&](const char* name, const QString& value) {
        if (!value.isEmpty())
            comment.addField(name, Text(value), true);
    };
    for (const TTagField& field : Fields(disc, track, encoder))
        put(field.Vorbis, field.Value);
    put("TRACKNUMBER", QString::number(track));
    put("TRACKTOTAL", QString::number(disc.Tracks.size()));
    put("DATE", disc.Year);
    put("BARCODE", disc.Catalog);
    if (!file.save())
        return QStringLiteral("the tagged file could not be saved");
    return {};
}

// Copies source into copy, which is open for writing; answers why it failed, empty when it did not.
QString CopyInto(const QString& source, QFile& copy)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    constexpr qint64 kBlock = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray block = in.read(kBlock);
        if (block.isEmpty() && in.error() != QFileDevice::NoError)
            return in.errorString();
        if (copy.write(block) != block.size())
            return copy.errorString();
    }
    if (!copy.flush())
        return copy.errorString();
    copy.setPermissions(in.permissions());
    return {};
}

}  // namespace

bool TakesTrackTags(const QString& fileName)
{
    return KindOf(fileName) != TTagKind::tkNone;
}

void WriteTrackTags(const QString& fileName, const TDiscMetadata& disc, int track, const QString& encoder)
{
    const TTagKind kind = KindOf(fileName);
    if (kind == TTagKind::tkNone || disc.IsEmpty())
        return;
    const QFileInfo info(fileName);
    QTemporaryFile copy(info.dir().filePath(QStringLiteral(".%1.tagging-XXXXXX").arg(info.fileName())));
    QString why;
    if (!copy.open())
        why = copy.errorString();
    else
        why = CopyInto(fileName, copy);
    copy.close();
    if (why.isEmpty())
        why = kind == TTagKind::tkId3v2 ? TagId3v2(copy.fileName(), disc, track, encoder)
                                        : TagVorbis(copy.fileName(), disc, track, encoder);
    // A rename within the folder replaces the file in one step: a reader sees the old file or the tagged one.
    if (why.isEmpty() && std::rename(QFile::encodeName(copy.fileName()).constData(), QFile::encodeName(fileName).constData()) != 0)
        why = QStringLiteral("the tagged copy cannot take its place");
    if (!why.isEmpty())
        throw Exception(QStringLiteral("Cannot write the tags of %1: %2").arg(fileName, why));
    copy.setAutoRemove(false);
}
