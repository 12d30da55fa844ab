#include "graphics/PngWriter.h"

#include <QImageWriter>

#include "framework/Stream.h"
#include "graphics/Bitmap.h"

void SaveBitmapToPng(const TteBitmap& bitmap, const QString& fileName)
{
    if (bitmap.Empty())
        throw EBitmapError(QStringLiteral("Cannot write an empty bitmap to %1").arg(fileName));
    QImageWriter writer(fileName, "png");
    if (!writer.write(bitmap.Surface()))
        throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, writer.errorString()));
}
