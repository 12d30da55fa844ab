#include "app/OutputFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "framework/Exception.h"

namespace {

bool Writable(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

}  // namespace

QString OutputFolder(const QString& override)
{
    if (!override.isEmpty())
        return QDir::cleanPath(QDir::current().absoluteFilePath(override));
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString beside = programFolder + QStringLiteral("/Output");
    // An installed program sits in a folder only root may write; its files then go to the user's music.
    if (Writable(beside) || (!QFileInfo::exists(beside) && Writable(programFolder)))
        return beside;
    // The desktop's user folders (XDG_MUSIC_DIR in user-dirs.dirs), else ~/Music.
    QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (music.isEmpty())
        music = QDir::homePath() + QStringLiteral("/Music");
    return music + QStringLiteral("/Trackwell/Output");
}

void EnsureOutputFolder(const QString& folder)
{
    if (QFileInfo(folder).isDir())
        return;
    if (QFileInfo::exists(folder))
        throw Exception(QStringLiteral("Cannot use the output folder \"%1\": a file of that name exists").arg(folder));
    if (!QDir().mkpath(folder))
        throw Exception(QStringLiteral("Cannot create the output folder \"%1\"").arg(folder));
}
