// TteBitmap: copying from and to other objects and images, the stored record, resources.
#include <QDir>
#include <QFileInfo>
#include <cstring>

#include "framework/Stream.h"
#include "graphics/Bitmap.h"
#include "graphics/StoredString.h"

void TteBitmap::Assign(const TPersistent* source)
{
    if (const auto* bitmap = dynamic_cast<const TteBitmap*>(source)) {
        Assign(*bitmap);
        return;
    }
    TPersistent::Assign(source);
}

void TteBitmap::AssignTo(TPersistent* destination) const
{
    if (auto* bitmap = dynamic_cast<TteBitmap*>(destination)) {
        bitmap->Assign(*this);
        return;
    }
    TPersistent::AssignTo(destination);
}

void TteBitmap::Assign(const TteBitmap& source)
{
    if (&source == this)
        return;
    if (source.Empty()) {
        // Nothing to copy from: this bitmap becomes empty too rather than keeping stale pixels.
        CheckNotPainted();
        ReleaseStore();
        width_ = height_ = 0;
    } else {
        Resize(source.width_, source.height_, false);
        std::memcpy(bits_.get(), source.bits_.get(), static_cast<std::size_t>(width_) * height_ * sizeof(TteColor));
    }
    name_ = source.name_;
    transparent_ = source.transparent_;
    alphaBlend_ = source.alphaBlend_;
}

void TteBitmap::Assign(const QImage& image)
{
    if (image.isNull())
        return;
    // Only a 32-bit picture carries an alpha channel worth keeping; others become opaque.
    if (image.depth() == 32 && image.hasAlphaChannel()) {
        CopyFromImage(image.convertToFormat(QImage::Format_ARGB32));
        DetectAlpha();
    } else {
        CopyFromImage(image.convertToFormat(QImage::Format_RGB32));
        SetAlpha(255);
    }
}

void TteBitmap::CopyFromImage(const QImage& image)
{
    Resize(image.width(), image.height(), false);
    if (Empty())
        return;
    for (int y = 0; y < height_; ++y)
        std::memcpy(ScanLine(y), image.constScanLine(y), static_cast<std::size_t>(width_) * sizeof(TteColor));
}

QImage TteBitmap::ToImage() const
{
    return surface_.copy();
}

void TteBitmap::LoadFromStream(TStream& stream)
{
    const QString name = ReadStoredString(stream);
    const qint32 width = ReadInt32(stream);
    qint32 height = ReadInt32(stream);
    // A negative width is never written: the record is corrupt, and its pixel bytes could not
    // be skipped reliably.
    if (width < 0)
        throw EReadError(QStringLiteral("Invalid bitmap size %1 x %2 in stream").arg(width).arg(height));
    const bool bottomUp = height <= 0;
    const long long rows = std::llabs(static_cast<long long>(height));
    // Pixels that the stream cannot hold are refused before any memory is set aside for them.
    const long long pixels = static_cast<long long>(width) * rows;
    if (pixels > 0 && pixels > (stream.Size() - stream.Position()) / 4)
        throw EReadError();
    name_ = name;
    Resize(width, static_cast<int>(bottomUp ? -rows : rows), false);
    if (width_ != width || height_ != rows)
        return;
    try {
        stream.ReadBuffer(bits_.get(), pixels * 4);
    } catch (...) {
        // No pixels left unread in a bitmap that stays.
        ReleaseStore();
        width_ = height_ = 0;
        throw;
    }
    if (bottomUp)
        FlipVertical();
}

void TteBitmap::SaveToStream(TStream& stream) const
{
    WriteStoredString(stream, name_);
    WriteInt32(stream, width_);
    WriteInt32(stream, height_);
    if (bits_ != nullptr)
        stream.WriteBuffer(bits_.get(), static_cast<std::int64_t>(width_) * height_ * 4);
}

void TteBitmap::LoadDrawFlags(TStream& stream)
{
    char flags[2] = {};
    stream.ReadBuffer(flags, sizeof flags);
    transparent_ = flags[0] != 0;
    alphaBlend_ = flags[1] != 0;
}

void TteBitmap::SaveDrawFlags(TStream& stream) const
{
    const char flags[2] = {transparent_ ? char(1) : char(0), alphaBlend_ ? char(1) : char(0)};
    stream.WriteBuffer(flags, sizeof flags);
}

void TteBitmap::LoadFromResource(const QString& moduleName, const QString& resourceName)
{
    const QDir module(moduleName);
    for (const char* suffix : {".png", ".bmp"}) {
        const QString path = module.filePath(resourceName + QLatin1String(suffix));
        if (!QFileInfo::exists(path))
            continue;
        QImage image;
        if (image.load(path))
            Assign(image);
        return;
    }
}
