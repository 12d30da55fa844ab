#pragma once
// Byte streams: the abstract stream with its exact read, write and seek rules, and the memory and
// file streams.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <utility>

#include "framework/Exception.h"
#include "framework/Object.h"

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class EStreamError : public Exception {
public:
    using Exception::Exception;
};
// A short read in ReadBuffer: "Stream read error".
class EReadError : public EStreamError {
public:
    EReadError();
    using EStreamError::EStreamError;
};
// A short write in WriteBuffer: "Stream write error".
class EWriteError : public EStreamError {
public:
    EWriteError();
    using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

class TStream : public TObject {
public:
    // Reads up to count bytes at the position; answers how many were read (0 at the end).
    virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
    // Writes count bytes at the position; answers how many were written.
    virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
    // Moves the position; answers the new position from the beginning.
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
    virtual void SetSize(std::int64_t size);

    std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
    // The size without moving the position.
    virtual std::int64_t Size();

    // Exactly count bytes or EReadError / EWriteError.
    void ReadBuffer(void* buffer, std::int64_t count);
    void WriteBuffer(const void* buffer, std::int64_t count);
    // Copies count bytes from source's position; count 0 copies the whole source from its start.
    std::int64_t CopyFrom(TStream& source, std::int64_t count);
};

// A signed 32-bit value in little-endian order, as every stored form of the program keeps counts
// and sizes; a short read raises EReadError.
std::int32_t ReadInt32(TStream& stream);
void WriteInt32(TStream& stream, std::int32_t value);

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    // Holds bytes (shared, not copied) at position 0.
    explicit TMemoryStream(QByteArray bytes) : data_(std::move(bytes)) {}

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    void SetSize(std::int64_t size) override;
    std::int64_t Size() override { return data_.size(); }

    const char* Memory() const { return data_.constData(); }
    char* Memory() { return data_.data(); }
    const QByteArray& Bytes() const { return data_; }
    // Room for capacity bytes, so writing up to there never moves the content.
    void Reserve(std::int64_t capacity) { data_.reserve(capacity); }
    void Clear();
    // Replaces the content with the whole of stream (from its start) or file; position 0.
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const QString& fileName);
    // Writes the whole content to stream at its position, or to a new file.
    void SaveToStream(TStream& stream) const;
    void SaveToFile(const QString& fileName) const;

private:
    QByteArray data_;
    std::int64_t position_ = 0;
};

enum class TFileMode { fmCreate, fmOpenRead, fmOpenWrite, fmOpenReadWrite };

class TFileStream : public TStream {
public:
    // fmCreate creates or truncates; the others open an existing file. Failures raise
    // EFCreateError or EFOpenError naming the file and the reason.
    TFileStream(const QString& fileName, TFileMode mode);
    ~TFileStream() override;

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    void SetSize(std::int64_t size) override;

    const QString& FileName() const { return fileName_; }

private:
    QString fileName_;
    int handle_ = -1;
};
