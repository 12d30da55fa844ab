#include "coder/SameFile.h"

#include <QFile>
#include <sys/stat.h>

bool IsSameFile(const QString& a, const QString& b)
{
    struct stat first {};
    struct stat second {};
    // A file that does not exist yet cannot be another one; device and inode see through every link.
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}
