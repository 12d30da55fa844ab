#pragma once
// An MP3 file's tagged copy: an ID3v2.4 tag (text in Latin-1 where it fits, else UTF-16) in place of the tags it had, then its audio.
#include <QFile>

#include "cdrip/DiscMetadata.h"

// Writes the tagged copy of in (open for reading) into out; raises ETagFailure.
void WriteId3v2Tagged(QFile& in, QFile& out, const TDiscMetadata& disc, int track, const QString& encoder);
