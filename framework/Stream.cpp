#include "framework/Stream.h"

#include <QtEndian>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

EReadError::EReadError() : EStreamError(QStringLiteral("Stream read error")) {}
EWriteError::EWriteError() : EStreamError(QStringLiteral("Stream write error")) {}

void TStream::SetSize(std::int64_t) {}

std::int64_t TStream::Size()
{
    const std::int64_t position = Seek(0, TSeekOrigin::soCurrent);
    const std::int64_t size = Seek(0, TSeekOrigin::soEnd);
    Seek(position, TSeekOrigin::soBeginning);
    return size;
}

void TStream::ReadBuffer(void* buffer, std::int64_t count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError();
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw EWriteError();
}

std::int32_t ReadInt32(TStream& stream)
{
    unsigned char raw[4];
    stream.ReadBuffer(raw, 4);
    return qFromLittleEndian<std::int32_t>(raw);
}

void WriteInt32(TStream& stream, std::int32_t value)
{
    unsigned char raw[4];
    qToLittleEndian<std::int32_t>(value, raw);
    stream.WriteBuffer(raw, 4);
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    constexpr std::int64_t kChunk = 61440;
    std::vector<char> buffer(static_cast<std::size_t>(std::min(count, kChunk)));
    for (std::int64_t left = count; left > 0;) {
        const std::int64_t piece = std::min(left, kChunk);
        source.ReadBuffer(buffer.data(), piece);
        WriteBuffer(buffer.data(), piece);
        left -= piece;
    }
    return count;
}

// --- memory stream

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count)
{
    if (position_ < 0 || count <= 0 || position_ >= data_.size())
        return 0;
    const std::int64_t available = std::min<std::int64_t>(count, data_.size() - position_);
    std::memcpy(buffer, data_.constData() + position_, static_cast<std::size_t>(available));
    position_ += available;
    return available;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count)
{
    if (position_ < 0 || count <= 0)
        return 0;
    const std::int64_t end = position_ + count;
    if (end > data_.size()) {
        const std::int64_t oldSize = data_.size();
        if (end > data_.capacity())
            data_.reserve(std::max<std::int64_t>(end, data_.capacity() * 2));
        data_.resize(end);
        // A gap left by seeking past the end reads as zeros; the rest is written over at once.
        if (position_ > oldSize)
            std::memset(data_.data() + oldSize, 0, static_cast<std::size_t>(position_ - oldSize));
    }
    std::memcpy(data_.data() + position_, buffer, static_cast<std::size_t>(count));
    position_ = end;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    switch (origin) {
    case TSeekOrigin::soBeginning: position_ = offset; break;
    case TSeekOrigin::soCurrent: position_ += offset; break;
    case TSeekOrigin::soEnd: position_ = data_.size() + offset; break;
    }
    return position_;
}

void TMemoryStream::SetSize(std::int64_t size)
{
    data_.resize(std::max<std::int64_t>(size, 0), '\0');
    position_ = std::min(position_, Size());
}

void TMemoryStream::Clear()
{
    data_.clear();
    position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream)
{
    stream.SetPosition(0);
    const std::int64_t size = stream.Size();
    QByteArray data(size, Qt::Uninitialized);
    stream.ReadBuffer(data.data(), size);
    data_ = std::move(data);
    position_ = 0;
}

void TMemoryStream::LoadFromFile(const QString& fileName)
{
    TFileStream file(fileName, TFileMode::fmOpenRead);
    LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& stream) const
{
    stream.WriteBuffer(data_.constData(), data_.size());
}

void TMemoryStream::SaveToFile(const QString& fileName) const
{
    TFileStream file(fileName, TFileMode::fmCreate);
    SaveToStream(file);
}

// --- file stream

namespace {

int OpenFlags(TFileMode mode)
{
    switch (mode) {
    case TFileMode::fmCreate: return O_RDWR | O_CREAT | O_TRUNC;
    case TFileMode::fmOpenRead: return O_RDONLY;
    case TFileMode::fmOpenWrite: return O_WRONLY;
    case TFileMode::fmOpenReadWrite: return O_RDWR;
    }
    return O_RDONLY;
}

QString ErrnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

}  // namespace

TFileStream::TFileStream(const QString& fileName, TFileMode mode) : fileName_(fileName)
{
    const QByteArray path = fileName.toLocal8Bit();
    do {
        handle_ = ::open(path.constData(), OpenFlags(mode) | O_CLOEXEC, 0666);
    } while (handle_ < 0 && errno == EINTR);
    if (handle_ >= 0)
        return;
    if (mode == TFileMode::fmCreate)
        throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, ErrnoText()));
    throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, ErrnoText()));
}

TFileStream::~TFileStream()
{
    if (handle_ >= 0)
        ::close(handle_);
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count)
{
    std::int64_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(handle_, static_cast<char*>(buffer) + done, static_cast<std::size_t>(count - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += got;
    }
    return done;
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count)
{
    std::int64_t done = 0;
    while (done < count) {
        const ssize_t put =
            ::write(handle_, static_cast<const char*>(buffer) + done, static_cast<std::size_t>(count - done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            break;  // a full disk or a file size limit: the caller sees the short count
        done += put;
    }
    return done;
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    const int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
                       : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                           : SEEK_END;
    return ::lseek(handle_, offset, whence);
}

void TFileStream::SetSize(std::int64_t size)
{
    if (::ftruncate(handle_, size) != 0)
        throw EStreamError(QStringLiteral("Cannot set the size of \"%1\". %2").arg(fileName_, ErrnoText()));
    if (Position() > size)
        SetPosition(size);
}
