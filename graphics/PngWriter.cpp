#include "graphics/PngWriter.h"

#include <QImageWriter>

#include "framework/Stream.h"
#include "graphics/Bitmap.h"

void SaveBitmapToPng(const TteBitmap& bitmap, const QString& fileName)
{
    if (bitmap.Empty())
        throw EBitmapError(QStringLiteral("Cannot write an empty bitmap to %1").arg(fileName));
    // A read-only image over the pixels: the writer reads them where they are.
    const TtePixelView pixels = bitmap.View();
    const QImage image(reinterpret_cast<const uchar*>(pixels.Bits), pixels.Width, pixels.Height,
                       static_cast<qsizetype>(pixels.Stride) * 4, QImage::Format_ARGB32);
    QImageWriter writer(fileName, "png");
    if (!writer.write(image))
        throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, writer.errorString()));
}
