#pragma once
// The binary form's encoding of names and tagged values, little-endian, with every length checked
// against what is left of the stream before anything is allocated.
#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "framework/Filer.h"

class TValueWriter {
public:
    explicit TValueWriter(TStream& stream) : stream_(stream) {}

    void WriteSignature();
    void WriteType(TValueType type);
    // A class, component or property name: one length byte and 8-bit characters; "" ends a list.
    void WriteName(const QString& name);
    // The smallest of vaInt8, vaInt16, vaInt32, vaInt64 that holds value.
    void WriteInteger(std::int64_t value);
    void WriteDouble(double value);
    // vaString when every character fits in 8 bits, else vaWString.
    void WriteString(const QString& value);
    void WriteString8(const QByteArray& value);
    void WriteIdent(const QString& ident);
    void WriteSet(const QStringList& names);
    void WriteBinary(const QByteArray& bytes);
    // Before each child of an object (true) and after the last one (false).
    void WriteChildMarker(bool childFollows) { WriteByte(childFollows ? 1 : 0); }

private:
    void WriteByte(std::uint8_t byte);
    void WriteInt32(std::int32_t value);
    void WriteRaw(const void* data, std::int64_t count) { stream_.WriteBuffer(data, count); }

    TStream& stream_;
};

class TValueReader {
public:
    // Reads from the stream's position up to its end; a memory stream is read in place, and its
    // position is brought up to date when the reader goes.
    explicit TValueReader(TStream& stream);
    ~TValueReader();
    TValueReader(const TValueReader&) = delete;
    TValueReader& operator=(const TValueReader&) = delete;

    // Raises for a wrong signature or an unknown version.
    void ReadSignature();
    TValueType ReadType();
    TValueType PeekType();
    QString ReadName();
    // The same without making a string: valid until the next read (read in place from a memory
    // stream, else copied).
    QLatin1String ReadNameView();
    // True when another child of an object follows, false after the last one; raises for any
    // other marker.
    bool ReadChildMarker()
    {
        const std::uint8_t marker = ReadByte();
        if (marker > 1)
            Invalid(QStringLiteral("bad child marker %1").arg(marker));
        return marker == 1;
    }
    // The value after an integer tag.
    std::int64_t ReadIntegerBody(TValueType type);
    double ReadDoubleBody();
    QByteArray ReadString8Body();
    // The same as text, without the bytes in between when read in place.
    QString ReadString8BodyAsText();
    QString ReadWStringBody();
    QString ReadIdentBody() { return ReadName(); }
    QLatin1String ReadIdentView() { return ReadNameView(); }
    QStringList ReadSetBody();
    QByteArray ReadBinaryBody();
    // The same, read in place when the stream is a memory stream: valid while that stream's
    // memory is unchanged, so only for data used before the reading goes on.
    QByteArray ReadBinaryBodyInPlace();

    // Raises "Invalid component stream: <what>".
    [[noreturn]] static void Invalid(const QString& what);

private:
    // Inline: a component's every value starts with one.
    std::uint8_t ReadByte()
    {
        if (peeked_ < 0 && memory_ != nullptr && left_ > 0) {
            --left_;
            return static_cast<std::uint8_t>(memory_[position_++]);
        }
        return ReadByteSlowly();
    }
    std::uint8_t ReadByteSlowly();
    void ReadRaw(void* data, std::int64_t count);
    std::int32_t ReadLength();

    TStream& stream_;
    std::int64_t left_;
    int peeked_ = -1;
    // The memory read in place and the position in it, when the stream is a memory stream.
    const char* memory_ = nullptr;
    std::int64_t position_ = 0;
    char name_[256];
};

// A value type's name for messages ("an integer", "a string").
QString ValueTypeDescription(TValueType type);
