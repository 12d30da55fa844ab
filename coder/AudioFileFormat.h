#pragma once
// The kinds of audio file the program writes and the extension each is written with: the one table that rips,
// conversions, tags and cue sheets read a file's format from.
#include <QString>
#include <optional>

enum class TAudioFileFormat { afMp3, afWav, afPcm, afFlac };

// ".mp3", ".wav", ".pcm" or ".flac".
QString AudioFileExtension(TAudioFileFormat format);
// The format a file's extension names, in any case; none for any other extension.
std::optional<TAudioFileFormat> AudioFileFormatOf(const QString& fileName);
