#pragma once
// The entry form the colour and font tables share in a stream: a stored name, a stored ":" and
// the value as stored text.
#include <QString>

class TStream;

void WriteTableEntry(TStream& stream, const QString& name, const QString& value);
// Answers the value text; the name and the separator are read and ignored.
QString ReadTableEntry(TStream& stream);
