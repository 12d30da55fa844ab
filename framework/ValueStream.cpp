#include "framework/ValueStream.h"

#include <QtEndian>
#include <cstring>
#include <limits>

void TValueWriter::WriteSignature()
{
    WriteRaw(kComponentStreamSignature, sizeof(kComponentStreamSignature));
    WriteByte(kComponentStreamVersion);
}

void TValueWriter::WriteByte(std::uint8_t byte)
{
    WriteRaw(&byte, 1);
}

void TValueWriter::WriteType(TValueType type)
{
    WriteByte(static_cast<std::uint8_t>(type));
}

void TValueWriter::WriteName(const QString& name)
{
    const QByteArray bytes = name.toLatin1();
    if (bytes.size() > 255 || QString::fromLatin1(bytes) != name)
        throw EFilerError(QStringLiteral("The name %1 cannot be stored").arg(name));
    WriteByte(static_cast<std::uint8_t>(bytes.size()));
    WriteRaw(bytes.constData(), bytes.size());
}

void TValueWriter::WriteInt32(std::int32_t value)
{
    const std::int32_t le = qToLittleEndian(value);
    WriteRaw(&le, 4);
}

void TValueWriter::WriteInteger(std::int64_t value)
{
    if (value >= INT8_MIN && value <= INT8_MAX) {
        WriteType(TValueType::vaInt8);
        WriteByte(static_cast<std::uint8_t>(static_cast<std::int8_t>(value)));
    } else if (value >= INT16_MIN && value <= INT16_MAX) {
        WriteType(TValueType::vaInt16);
        const std::int16_t le = qToLittleEndian(static_cast<std::int16_t>(value));
        WriteRaw(&le, 2);
    } else if (value >= INT32_MIN && value <= INT32_MAX) {
        WriteType(TValueType::vaInt32);
        WriteInt32(static_cast<std::int32_t>(value));
    } else {
        WriteType(TValueType::vaInt64);
        const std::int64_t le = qToLittleEndian(value);
        WriteRaw(&le, 8);
    }
}

void TValueWriter::WriteDouble(double value)
{
    WriteType(TValueType::vaDouble);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, 8);
    const std::uint64_t le = qToLittleEndian(bits);
    WriteRaw(&le, 8);
}

void TValueWriter::WriteString(const QString& value)
{
    bool narrow = true;
    for (QChar c : value)
        if (c.unicode() > 0xFF) {
            narrow = false;
            break;
        }
    if (narrow) {
        WriteString8(value.toLatin1());
        return;
    }
    WriteType(TValueType::vaWString);
    WriteInt32(static_cast<std::int32_t>(value.size()));
    for (QChar c : value) {
        const std::uint16_t le = qToLittleEndian(c.unicode());
        WriteRaw(&le, 2);
    }
}

void TValueWriter::WriteString8(const QByteArray& value)
{
    WriteType(TValueType::vaString);
    WriteInt32(static_cast<std::int32_t>(value.size()));
    WriteRaw(value.constData(), value.size());
}

void TValueWriter::WriteIdent(const QString& ident)
{
    WriteType(TValueType::vaIdent);
    WriteName(ident);
}

void TValueWriter::WriteSet(const QStringList& names)
{
    WriteType(TValueType::vaSet);
    for (const QString& name : names)
        WriteName(name);
    WriteByte(0);
}

void TValueWriter::WriteBinary(const QByteArray& bytes)
{
    if (bytes.size() > std::numeric_limits<std::int32_t>::max())
        throw EFilerError(QStringLiteral("A binary value of %1 bytes is too large to store").arg(bytes.size()));
    WriteType(TValueType::vaBinary);
    WriteInt32(static_cast<std::int32_t>(bytes.size()));
    WriteRaw(bytes.constData(), bytes.size());
}

// --- reading

TValueReader::TValueReader(TStream& stream) : stream_(stream)
{
    position_ = stream.Position();
    left_ = stream.Size() - position_;
    if (const auto* memory = dynamic_cast<const TMemoryStream*>(&stream))
        memory_ = memory->Memory();
}

TValueReader::~TValueReader()
{
    if (memory_ != nullptr)
        stream_.SetPosition(position_);
}

void TValueReader::Invalid(const QString& what)
{
    throw EFilerError(QStringLiteral("Invalid component stream: %1").arg(what));
}

void TValueReader::ReadRaw(void* data, std::int64_t count)
{
    if (count > left_)
        throw EFilerError(QStringLiteral("Component stream ends early"));
    if (memory_ != nullptr) {
        std::memcpy(data, memory_ + position_, static_cast<std::size_t>(count));
        position_ += count;
    } else {
        stream_.ReadBuffer(data, count);
    }
    left_ -= count;
}

std::uint8_t TValueReader::ReadByteSlowly()
{
    if (peeked_ >= 0) {
        const auto byte = static_cast<std::uint8_t>(peeked_);
        peeked_ = -1;
        return byte;
    }
    std::uint8_t byte = 0;
    ReadRaw(&byte, 1);
    return byte;
}

void TValueReader::ReadSignature()
{
    char signature[sizeof(kComponentStreamSignature)] = {};
    if (left_ < static_cast<std::int64_t>(sizeof(signature)) + 1)
        Invalid(QStringLiteral("too short to be a component stream"));
    ReadRaw(signature, sizeof(signature));
    if (std::memcmp(signature, kComponentStreamSignature, sizeof(signature)) != 0)
        Invalid(QStringLiteral("wrong signature"));
    const std::uint8_t version = ReadByte();
    if (version != kComponentStreamVersion)
        Invalid(QStringLiteral("unsupported version %1").arg(version));
}

TValueType TValueReader::ReadType()
{
    const std::uint8_t byte = ReadByte();
    if (byte > static_cast<std::uint8_t>(TValueType::vaValueList))
        Invalid(QStringLiteral("unknown value type %1").arg(byte));
    return static_cast<TValueType>(byte);
}

TValueType TValueReader::PeekType()
{
    const TValueType type = ReadType();
    peeked_ = static_cast<int>(type);
    return type;
}

QString TValueReader::ReadName()
{
    return QString(ReadNameView());
}

QLatin1String TValueReader::ReadNameView()
{
    const std::uint8_t length = ReadByte();
    if (memory_ != nullptr && length <= left_) {
        const char* name = memory_ + position_;
        position_ += length;
        left_ -= length;
        return QLatin1String(name, length);
    }
    ReadRaw(name_, length);
    return QLatin1String(name_, length);
}

std::int32_t TValueReader::ReadLength()
{
    std::int32_t le = 0;
    ReadRaw(&le, 4);
    const std::int32_t length = qFromLittleEndian(le);
    if (length < 0)
        Invalid(QStringLiteral("negative length %1").arg(length));
    return length;
}

std::int64_t TValueReader::ReadIntegerBody(TValueType type)
{
    switch (type) {
    case TValueType::vaInt8: return static_cast<std::int8_t>(ReadByte());
    case TValueType::vaInt16: {
        std::int16_t le = 0;
        ReadRaw(&le, 2);
        return qFromLittleEndian(le);
    }
    case TValueType::vaInt32: {
        std::int32_t le = 0;
        ReadRaw(&le, 4);
        return qFromLittleEndian(le);
    }
    case TValueType::vaInt64: {
        std::int64_t le = 0;
        ReadRaw(&le, 8);
        return qFromLittleEndian(le);
    }
    default: Invalid(QStringLiteral("%1 where an integer was expected").arg(ValueTypeDescription(type)));
    }
}

double TValueReader::ReadDoubleBody()
{
    std::uint64_t le = 0;
    ReadRaw(&le, 8);
    const std::uint64_t bits = qFromLittleEndian(le);
    double value = 0;
    std::memcpy(&value, &bits, 8);
    return value;
}

QByteArray TValueReader::ReadString8Body()
{
    const std::int32_t length = ReadLength();
    if (length > left_)
        Invalid(QStringLiteral("a length of %1 bytes exceeds the rest of the stream").arg(length));
    QByteArray bytes(length, Qt::Uninitialized);
    ReadRaw(bytes.data(), length);
    return bytes;
}

QString TValueReader::ReadString8BodyAsText()
{
    // A string body is stored as binary data is.
    return QString::fromLatin1(ReadBinaryBodyInPlace());
}

QString TValueReader::ReadWStringBody()
{
    const std::int32_t length = ReadLength();
    if (length > left_ / 2)
        Invalid(QStringLiteral("a length of %1 characters exceeds the rest of the stream").arg(length));
    QString text(length, Qt::Uninitialized);
    for (std::int32_t i = 0; i < length; ++i) {
        std::uint16_t le = 0;
        ReadRaw(&le, 2);
        text[i] = QChar(qFromLittleEndian(le));
    }
    return text;
}

QStringList TValueReader::ReadSetBody()
{
    QStringList names;
    for (QString name = ReadName(); !name.isEmpty(); name = ReadName())
        names << name;
    return names;
}

QByteArray TValueReader::ReadBinaryBody()
{
    return ReadString8Body();
}

QByteArray TValueReader::ReadBinaryBodyInPlace()
{
    if (memory_ == nullptr)
        return ReadBinaryBody();
    const std::int32_t length = ReadLength();
    if (length > left_)
        Invalid(QStringLiteral("a length of %1 bytes exceeds the rest of the stream").arg(length));
    const QByteArray bytes = QByteArray::fromRawData(memory_ + position_, length);
    position_ += length;
    left_ -= length;
    return bytes;
}

QString ValueTypeDescription(TValueType type)
{
    switch (type) {
    case TValueType::vaNull: return QStringLiteral("an end of list");
    case TValueType::vaList: return QStringLiteral("a collection item");
    case TValueType::vaInt8:
    case TValueType::vaInt16:
    case TValueType::vaInt32:
    case TValueType::vaInt64: return QStringLiteral("an integer");
    case TValueType::vaDouble: return QStringLiteral("a floating point number");
    case TValueType::vaString:
    case TValueType::vaWString: return QStringLiteral("a string");
    case TValueType::vaIdent: return QStringLiteral("an identifier");
    case TValueType::vaFalse:
    case TValueType::vaTrue: return QStringLiteral("a boolean");
    case TValueType::vaSet: return QStringLiteral("a set");
    case TValueType::vaBinary: return QStringLiteral("binary data");
    case TValueType::vaCollection: return QStringLiteral("a collection");
    case TValueType::vaNil: return QStringLiteral("nil");
    case TValueType::vaValueList: return QStringLiteral("a list");
    }
    return QStringLiteral("an unknown value");
}
