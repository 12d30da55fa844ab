#include "coder/AudioFileFormat.h"

#include <QFileInfo>

namespace {

const struct {
    TAudioFileFormat Format;
    const char* Extension;
} kExtensions[] = {
    {TAudioFileFormat::afMp3, ".mp3"},
    {TAudioFileFormat::afWav, ".wav"},
    {TAudioFileFormat::afPcm, ".pcm"},
    {TAudioFileFormat::afFlac, ".flac"},
};

}  // namespace

QString AudioFileExtension(TAudioFileFormat format)
{
    for (const auto& entry : kExtensions)
        if (entry.Format == format)
            return QLatin1String(entry.Extension);
    return {};
}

std::optional<TAudioFileFormat> AudioFileFormatOf(const QString& fileName)
{
    const QString suffix = QLatin1Char('.') + QFileInfo(fileName).suffix();
    for (const auto& entry : kExtensions)
        if (suffix.compare(QLatin1String(entry.Extension), Qt::CaseInsensitive) == 0)
            return entry.Format;
    return std::nullopt;
}
