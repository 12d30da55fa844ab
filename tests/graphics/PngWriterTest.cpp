// PNG files of bitmaps, and bitmaps loaded from image resources.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "framework/Stream.h"
#include "graphics/Bitmap.h"
#include "graphics/PngWriter.h"
#include "tests/graphics/TestBitmaps.h"

namespace {

TEST(PngWriterTest, WritesStraightAlphaThatLoadsBackAsTheSamePixels)
{
    QTemporaryDir folder;
    TteBitmap bitmap;
    Make(bitmap, {{0x80FF0000u, 0x00000000u, 0xFF123456u}, {0x01020304u, 0xFEFFFFFFu, TransparentKey}});
    const QString path = folder.filePath(QStringLiteral("picture.png"));
    SaveBitmapToPng(bitmap, path);

    // Read back as a resource of a module folder: a 32-bit picture with alpha keeps it.
    TteBitmap loaded;
    loaded.LoadFromResource(folder.path(), QStringLiteral("picture"));
    EXPECT_EQ(Pixels(loaded), Pixels(bitmap));
    EXPECT_TRUE(loaded.AlphaBlend());

    loaded.LoadFromResource(folder.path(), QStringLiteral("missing"));
    EXPECT_EQ(Pixels(loaded), Pixels(bitmap)) << "a missing resource changes nothing";
}

TEST(PngWriterTest, ReportsWhatCannotBeWritten)
{
    TteBitmap empty;
    EXPECT_THROW(SaveBitmapToPng(empty, QDir::temp().filePath(QStringLiteral("empty.png"))), EBitmapError);
    TteBitmap bitmap;
    bitmap.SetSize(1, 1);
    EXPECT_THROW(SaveBitmapToPng(bitmap, QStringLiteral("/nonexistent-folder/x.png")), EFCreateError);
}

}  // namespace
