#pragma once
// The form every stream of the theme library stores a string in: a signed 32-bit little-endian
// byte count, then that many 8-bit characters.
#include <QByteArray>
#include <QString>

class TStream;

// Raises EReadError for a negative count or one larger than what is left of the stream.
QString ReadStoredString(TStream& stream);
// The same string's characters as they are stored, Latin-1, one a byte.
QByteArray ReadStoredLatin1(TStream& stream);
// Passes over a stored string, raising as ReadStoredString does.
void SkipStoredString(TStream& stream);
void WriteStoredString(TStream& stream, const QString& text);
