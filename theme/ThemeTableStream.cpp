#include "theme/ThemeTableStream.h"

#include "graphics/StoredString.h"

void WriteTableEntry(TStream& stream, const QString& name, const QString& value)
{
    WriteStoredString(stream, name);
    WriteStoredString(stream, QStringLiteral(":"));
    WriteStoredString(stream, value);
}

QString ReadTableEntry(TStream& stream)
{
    SkipStoredString(stream);
    SkipStoredString(stream);
    return ReadStoredString(stream);
}
