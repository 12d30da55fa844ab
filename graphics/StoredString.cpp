#include "graphics/StoredString.h"

#include <QByteArray>
#include <QtEndian>

#include "framework/Stream.h"

QString ReadStoredString(TStream& stream)
{
    unsigned char raw[4];
    stream.ReadBuffer(raw, 4);
    const qint32 length = qFromLittleEndian<qint32>(raw);
    // A corrupt count must not turn into a huge allocation before the short read is noticed.
    if (length < 0 || length > stream.Size() - stream.Position())
        throw EReadError();
    QByteArray bytes(length, Qt::Uninitialized);
    stream.ReadBuffer(bytes.data(), length);
    return QString::fromLatin1(bytes);
}

void WriteStoredString(TStream& stream, const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    unsigned char raw[4];
    qToLittleEndian<qint32>(static_cast<qint32>(bytes.size()), raw);
    stream.WriteBuffer(raw, 4);
    stream.WriteBuffer(bytes.constData(), bytes.size());
}
