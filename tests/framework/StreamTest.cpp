#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "framework/Stream.h"

TEST(MemoryStream, SeekOriginsAndGapsReadAsZeros)
{
    TMemoryStream stream;
    stream.WriteBuffer("abc", 3);
    EXPECT_EQ(stream.Seek(-1, TSeekOrigin::soEnd), 2);
    EXPECT_EQ(stream.Seek(-1, TSeekOrigin::soCurrent), 1);
    EXPECT_EQ(stream.Seek(5, TSeekOrigin::soBeginning), 5);
    stream.WriteBuffer("z", 1);
    EXPECT_EQ(stream.Size(), 6);
    EXPECT_EQ(stream.Bytes(), QByteArray("abc\0\0z", 6));
    char buffer[8] = {};
    stream.SetPosition(4);
    EXPECT_EQ(stream.Read(buffer, 8), 2);
    EXPECT_EQ(stream.Read(buffer, 8), 0);
}

TEST(MemoryStream, ShortReadRaisesStreamReadError)
{
    TMemoryStream stream;
    stream.WriteBuffer("ab", 2);
    stream.SetPosition(0);
    char buffer[4];
    try {
        stream.ReadBuffer(buffer, 3);
        FAIL();
    } catch (const EReadError& error) {
        EXPECT_EQ(error.Message(), "Stream read error");
    }
}

TEST(MemoryStream, Int32sAreLittleEndianAndAShortOneRaises)
{
    TMemoryStream stream;
    WriteInt32(stream, -2);
    WriteInt32(stream, 0x01020304);
    EXPECT_EQ(stream.Bytes(), QByteArray("\xFE\xFF\xFF\xFF\x04\x03\x02\x01", 8));
    stream.SetPosition(0);
    EXPECT_EQ(ReadInt32(stream), -2);
    EXPECT_EQ(ReadInt32(stream), 0x01020304);
    stream.SetPosition(5);
    EXPECT_THROW(ReadInt32(stream), EReadError);
}

TEST(FileStream, CreateWriteReopenAndCopy)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("data.bin");
    {
        TFileStream file(path, TFileMode::fmCreate);
        file.WriteBuffer("0123456789", 10);
        EXPECT_EQ(file.Size(), 10);
        EXPECT_EQ(file.Position(), 10);
    }
    {
        TFileStream file(path, TFileMode::fmOpenReadWrite);
        file.Seek(-2, TSeekOrigin::soEnd);
        file.WriteBuffer("XY", 2);
        file.SetSize(8);
        EXPECT_EQ(file.Position(), 8);
    }
    TFileStream file(path, TFileMode::fmOpenRead);
    TMemoryStream copy;
    EXPECT_EQ(copy.CopyFrom(file, 0), 8);
    EXPECT_EQ(copy.Bytes(), QByteArray("01234567"));
    EXPECT_THROW(file.WriteBuffer("a", 1), EWriteError);
}

TEST(FileStream, OpenAndCreateFailuresNameTheFile)
{
    QTemporaryDir folder;
    const QString missing = folder.filePath("missing.bin");
    try {
        TFileStream file(missing, TFileMode::fmOpenRead);
        FAIL();
    } catch (const EFOpenError& error) {
        EXPECT_TRUE(error.Message().startsWith(QStringLiteral("Cannot open file \"%1\".").arg(missing)));
    }
    EXPECT_THROW(TFileStream(folder.filePath("no/such/folder.bin"), TFileMode::fmCreate), EFCreateError);
}
