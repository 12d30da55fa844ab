#pragma once
// Whether two paths name one existing file, whatever their spelling: links, "..", another
// relative form.
#include <QString>

bool IsSameFile(const QString& a, const QString& b);
