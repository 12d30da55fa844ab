#pragma once
// Tags from the disc's metadata written into a finished track file: ID3v2.4 for MP3 (Latin-1 or UTF-16 text), Vorbis comments for
// FLAC (by the file's extension).
#include <QString>

#include "cdrip/DiscMetadata.h"

// Tags track (1-based) of disc into fileName; encoder names the program and its settings (MP3's encoder tag,
// FLAC's ENCODER). Writes nothing when the disc has no metadata or the file is neither .mp3 nor .flac. Tags the file
// had are replaced. The tagged file is written whole beside the old one and takes its place only when every write
// succeeded, so a failure leaves the file as it was: it raises Exception "Cannot write the tags of <file>: <why>".
void WriteTrackTags(const QString& fileName, const TDiscMetadata& disc, int track, const QString& encoder);
