#include "cdrip/TrackTags.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>

#include "cdrip/FlacTags.h"
#include "cdrip/Id3v2Tags.h"
#include "cdrip/TagWriting.h"
#include "coder/AudioFileFormat.h"
#include "framework/Exception.h"

void WriteTrackTags(const QString& fileName, const TDiscMetadata& disc, int track, const QString& encoder)
{
    const std::optional<TAudioFileFormat> format = AudioFileFormatOf(fileName);
    if ((format != TAudioFileFormat::afMp3 && format != TAudioFileFormat::afFlac) || disc.IsEmpty())
        return;
    // The tagged file is written beside the old one and takes its place only when every byte was written; a rename
    // within the folder replaces it in one step. Not synced to the disk: the ripped file was not either, and
    // syncing would cost a rip more than the tags do.
    const QFileInfo info(fileName);
    QFile in(fileName);
    QTemporaryFile out(info.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(info.fileName())));
    try {
        if (!in.open(QIODevice::ReadOnly))
            FailTagging(in.errorString());
        if (!out.open())
            FailTagging(out.errorString());
        if (format == TAudioFileFormat::afMp3)
            WriteId3v2Tagged(in, out, disc, track, encoder);
        else
            WriteFlacTagged(in, out, disc, track, encoder);
        if (!out.flush())
            FailTagging(QStringLiteral("the tagged file could not be written whole (is the disk full?)"));
        out.setPermissions(in.permissions());
        if (std::rename(QFile::encodeName(out.fileName()).constData(), QFile::encodeName(fileName).constData()) != 0)
            FailTagging(QStringLiteral("the tagged file cannot take its place"));
        out.setAutoRemove(false);
    } catch (const ETagFailure& failure) {
        throw Exception(QStringLiteral("Cannot write the tags of %1: %2").arg(fileName, failure.Why));
    }
}
