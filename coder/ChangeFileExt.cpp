#include "coder/ChangeFileExt.h"

QString ChangeFileExt(const QString& path, const QString& ext)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype separator = path.lastIndexOf(QLatin1Char('/'));
    if (dot < 0 || dot < separator)
        return path + ext;
    return path.left(dot) + ext;
}
