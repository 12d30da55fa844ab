#pragma once
// What writing either kind of tag takes: the fields both kinds carry, text for TagLib, and the reading and writing
// of the tagged copy of a file, whose failures are raised as ETagFailure with their reason.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <taglib/tbytevector.h>
#include <taglib/tstring.h>
#include <vector>

#include "cdrip/DiscMetadata.h"

struct ETagFailure {
    QString Why;
};
[[noreturn]] void FailTagging(const QString& why);

TagLib::String TagText(const QString& text);
QByteArray TagBytes(const TagLib::ByteVector& bytes);

// A field of the tags, named in each kind's own words; fields with empty values are left out.
struct TTagField {
    const char* Id3v2;
    const char* Vorbis;
    QString Value;
};
// The fields both kinds carry alike (not the track number and date, which they write differently).
std::vector<TTagField> CommonTagFields(const TDiscMetadata& disc, int track, const QString& encoder);

// Exactly count bytes of file, or ETagFailure.
QByteArray ReadExactly(QFile& file, qint64 count);
void WriteAll(QFile& out, const QByteArray& bytes);
// Copies what is left of in to out.
void CopyRest(QFile& in, QFile& out);
// Moves past the ID3v2 tags at the start of file (an MP3 tagged before; some tools put one before FLAC too).
void SkipId3v2(QFile& file);
