#include "cdrip/Id3v2Tags.h"

#include <QRegularExpression>
#include <taglib/id3v2tag.h>
#include <taglib/textidentificationframe.h>

#include "cdrip/TagWriting.h"

namespace {

// The leading ISO 8601 date of a sheet's date ("1999", "1999-05-01"); ID3v2.4 takes nothing else as its time.
QString IsoDate(const QString& date)
{
    static const QRegularExpression kDate(QStringLiteral("^\\d{4}(-\\d{2}(-\\d{2})?)?"));
    return kDate.match(date).captured();
}

QByteArray Id3v2Tag(const TDiscMetadata& disc, int track, const QString& encoder)
{
    TagLib::ID3v2::Tag tag;
    const auto put = [&](const char* id, const QString& value) {
        if (value.isEmpty())
            return;
        auto* frame = new TagLib::ID3v2::TextIdentificationFrame(id, TagLib::String::UTF8);
        frame->setText(TagText(value));
        tag.addFrame(frame);
    };
    for (const TTagField& field : CommonTagFields(disc, track, encoder))
        put(field.Id3v2, field.Value);
    put("TRCK", QStringLiteral("%1/%2").arg(track).arg(disc.Tracks.size()));
    put("TDRC", IsoDate(disc.Year));
    // The media catalogue number is the disc's bar code; players read it under this name.
    if (!disc.Catalog.isEmpty())
        tag.addFrame(new TagLib::ID3v2::UserTextIdentificationFrame("BARCODE", TagLib::StringList(TagText(disc.Catalog))));
    return TagBytes(tag.render(TagLib::ID3v2::v4));
}

}  // namespace

void WriteId3v2Tagged(QFile& in, QFile& out, const TDiscMetadata& disc, int track, const QString& encoder)
{
    SkipId3v2(in);
    WriteAll(out, Id3v2Tag(disc, track, encoder));
    CopyRest(in, out);
}

