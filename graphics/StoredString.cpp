#include "graphics/StoredString.h"

#include <QByteArray>

#include "framework/Stream.h"

namespace {

std::int32_t ReadStoredLength(TStream& stream)
{
    const std::int32_t length = ReadInt32(stream);
    // A corrupt count must not turn into a huge allocation before the short read is noticed.
    if (length < 0 || length > stream.Size() - stream.Position())
        throw EReadError();
    return length;
}

}  // namespace

QByteArray ReadStoredLatin1(TStream& stream)
{
    const std::int32_t length = ReadStoredLength(stream);
    QByteArray bytes(length, Qt::Uninitialized);
    stream.ReadBuffer(bytes.data(), length);
    return bytes;
}

QString ReadStoredString(TStream& stream)
{
    // Skins hold hundreds of these: from memory the characters go straight into the string.
    if (const auto* memory = dynamic_cast<const TMemoryStream*>(&stream)) {
        const std::int32_t length = ReadStoredLength(stream);
        const QString text = QString::fromLatin1(memory->Memory() + stream.Position(), length);
        stream.Seek(length, TSeekOrigin::soCurrent);
        return text;
    }
    return QString::fromLatin1(ReadStoredLatin1(stream));
}

void SkipStoredString(TStream& stream)
{
    const std::int32_t length = ReadStoredLength(stream);
    stream.Seek(length, TSeekOrigin::soCurrent);
}

void WriteStoredString(TStream& stream, const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    WriteInt32(stream, static_cast<std::int32_t>(bytes.size()));
    stream.WriteBuffer(bytes.constData(), bytes.size());
}
