#include "graphics/StoredString.h"

#include <QByteArray>

#include "framework/Stream.h"

QByteArray ReadStoredLatin1(TStream& stream)
{
    const std::int32_t length = ReadInt32(stream);
    // A corrupt count must not turn into a huge allocation before the short read is noticed.
    if (length < 0 || length > stream.Size() - stream.Position())
        throw EReadError();
    QByteArray bytes(length, Qt::Uninitialized);
    stream.ReadBuffer(bytes.data(), length);
    return bytes;
}

QString ReadStoredString(TStream& stream)
{
    return QString::fromLatin1(ReadStoredLatin1(stream));
}

void WriteStoredString(TStream& stream, const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    WriteInt32(stream, static_cast<std::int32_t>(bytes.size()));
    stream.WriteBuffer(bytes.constData(), bytes.size());
}
