#include "cdrip/Id3v2Tags.h"

#include <QRegularExpression>
#include <algorithm>
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

// Latin-1 where the text fits, else UTF-16 with a byte-order mark: the two encodings every ID3v2 reader knows
// (UTF-8 came with version 2.4, and players that read only 2.3 show it garbled).
TagLib::String::Type FrameEncoding(const QString& text)
{
    const bool latin1 = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
    return latin1 ? TagLib::String::Latin1 : TagLib::String::UTF16;
}

QByteArray Id3v2Tag(const TDiscMetadata& disc, int track, const QString& encoder)
{
    TagLib::ID3v2::Tag tag;
    const auto put = [&](const char* id, const QString& value) {
        if (value.isEmpty())
            return;
        auto* frame = new TagLib::ID3v2::TextIdentificationFrame(id, FrameEncoding(value));
        frame->setText(TagText(value));
        tag.addFrame(frame);
    };
    for (const TTagField& field : CommonTagFields(disc, track, encoder))
        put(field.Id3v2, field.Value);
    put("TRCK", QStringLiteral("%1/%2").arg(track).arg(disc.Tracks.size()));
    put("TDRC", IsoDate(disc.Year));
    // The media catalogue number is the disc's bar code; players read it under this name.
    if (!disc.Catalog.isEmpty())
        tag.addFrame(new TagLib::ID3v2::UserTextIdentificationFrame("BARCODE", TagLib::StringList(TagText(disc.Catalog)),
                                                                         FrameEncoding(disc.Catalog)));
    return TagBytes(tag.render(TagLib::ID3v2::v4));
}

}  // namespace

void WriteId3v2Tagged(QFile& in, QFile& out, const TDiscMetadata& disc, int track, const QString& encoder)
{
    SkipId3v2(in);
    WriteAll(out, Id3v2Tag(disc, track, encoder));
    CopyRest(in, out);
}

