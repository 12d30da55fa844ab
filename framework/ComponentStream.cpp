#include "framework/ComponentStream.h"

#include <QFile>
#include <cstring>

#include "framework/ObjectText.h"
#include "framework/Reader.h"
#include "framework/Writer.h"

void WriteComponent(TStream& stream, const TComponent& instance)
{
    TWriter(stream).WriteRootComponent(instance);
}

TComponent* ReadComponent(TStream& stream, TComponent* instance, TComponent* owner)
{
    return TReader(stream).ReadRootComponent(instance, owner);
}

QString ComponentToString(const TComponent& instance)
{
    TMemoryStream binary;
    WriteComponent(binary, instance);
    binary.SetPosition(0);
    TMemoryStream text;
    ObjectBinaryToText(binary, text);
    return QString::fromUtf8(text.Bytes());
}

TComponent* StringToComponent(const QString& text, TComponent* instance, TComponent* owner)
{
    TMemoryStream binary;
    ObjectTextToBinary(text, binary);
    binary.SetPosition(0);
    return ReadComponent(binary, instance, owner);
}

void ReadComponentResource(TComponent& instance, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFilerError(QStringLiteral("Cannot open the stored description %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    TMemoryStream source;
    source.WriteBuffer(bytes.constData(), bytes.size());
    source.SetPosition(0);
    const bool binary = bytes.size() >= static_cast<qsizetype>(sizeof(kComponentStreamSignature)) &&
                        std::memcmp(bytes.constData(), kComponentStreamSignature, sizeof(kComponentStreamSignature)) == 0;
    if (binary) {
        ReadComponent(source, &instance);
        return;
    }
    TMemoryStream converted;
    ObjectTextToBinary(source, converted);
    converted.SetPosition(0);
    ReadComponent(converted, &instance);
}
