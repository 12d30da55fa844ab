#pragma once
// Replaces a path's extension (from the last dot of its file name, dot included) by ext, or appends ext.
#include <QString>

QString ChangeFileExt(const QString& path, const QString& ext);
