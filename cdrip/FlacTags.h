#pragma once
// A FLAC file's tagged copy: its metadata blocks with a new Vorbis comment block (the old one's vendor and foreign
// fields kept) and fresh padding, then its audio frames as they were.
#include <QFile>

#include "cdrip/DiscMetadata.h"

// Writes the tagged copy of in (open for reading) into out; raises ETagFailure.
void WriteFlacTagged(QFile& in, QFile& out, const TDiscMetadata& disc, int track, const QString& encoder);
