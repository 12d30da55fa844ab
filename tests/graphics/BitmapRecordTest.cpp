// The stored bitmap record: its byte layout, bottom-up records, and corrupt records.
#include <gtest/gtest.h>

#include <QtEndian>

#include "framework/Stream.h"
#include "graphics/Bitmap.h"
#include "tests/graphics/TestBitmaps.h"

namespace {

QByteArray Int32(qint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<qint32>(value, bytes.data());
    return bytes;
}

QByteArray Record(const QByteArray& name, qint32 width, qint32 height, const std::vector<TteColor>& pixels)
{
    QByteArray bytes = Int32(static_cast<qint32>(name.size())) + name + Int32(width) + Int32(height);
    for (TteColor p : pixels)
        bytes += Int32(static_cast<qint32>(p));
    return bytes;
}

void Load(TteBitmap& bitmap, const QByteArray& bytes)
{
    TMemoryStream stream;
    stream.Write(bytes.constData(), bytes.size());
    stream.SetPosition(0);
    bitmap.LoadFromStream(stream);
}

TEST(BitmapRecordTest, WritesTheRecordByteForByte)
{
    TteBitmap bitmap;
    Make(bitmap, {{0x11223344u, 0x55667788u}});
    bitmap.SetName(QStringLiteral("Btn"));
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    EXPECT_EQ(stream.Bytes(), QByteArray::fromHex("03000000" "42746e" "02000000" "01000000" "44332211" "88776655"));

    TteBitmap empty;
    TMemoryStream emptyStream;
    empty.SaveToStream(emptyStream);
    EXPECT_EQ(emptyStream.Bytes(), QByteArray::fromHex("00000000" "00000000" "00000000"));
}

TEST(BitmapRecordTest, NegativeHeightMeansBottomRowFirst)
{
    const TteColor a = 0xFF0000AAu, b = 0xFF0000BBu;
    TteBitmap bitmap;
    Load(bitmap, Record("x", 1, -2, {a, b}));
    EXPECT_EQ(Pixels(bitmap), (std::vector<TteColor>{b, a}));
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    EXPECT_EQ(stream.Bytes(), Record("x", 1, 2, {b, a})) << "written top-down with a positive height";
}

TEST(BitmapRecordTest, RoundTripsNameAndPixels)
{
    TteBitmap bitmap;
    Make(bitmap, {{1, 2, 3}, {4, 5, 6}});
    bitmap.SetName(QStringLiteral("Caption\xE9"));
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    bitmap.SaveToStream(stream);
    stream.SetPosition(0);
    TteBitmap first, second;
    first.LoadFromStream(stream);
    second.LoadFromStream(stream);
    EXPECT_EQ(Pixels(second), Pixels(bitmap));
    EXPECT_EQ(second.Name(), bitmap.Name());
    EXPECT_EQ(stream.Position(), stream.Size());
}

TEST(BitmapRecordTest, ZeroSizedRecordsKeepThePixels)
{
    TteBitmap bitmap;
    Make(bitmap, {{7, 8}});
    Load(bitmap, Record("z", 0, 0, {}));
    EXPECT_EQ(Pixels(bitmap), (std::vector<TteColor>{7, 8}));
    Load(bitmap, Record("z", 5, 0, {}));
    EXPECT_EQ(Pixels(bitmap), (std::vector<TteColor>{7, 8}));
}

// A corrupt record raises an error and leaves the bitmap as it was, without reserving memory
// for pixels the stream does not hold.
TEST(BitmapRecordTest, RefusesCorruptRecords)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        QString message;
    } cases[] = {
        {"huge size, few bytes", Record("h", 0x7FFFFFFF, 0x7FFFFFFF, {1, 2}), QStringLiteral("Stream read error")},
        {"huge bottom-up size", Record("h", 65536, INT32_MIN, {}), QStringLiteral("Stream read error")},
        {"one pixel short", Record("s", 2, 2, {1, 2, 3}), QStringLiteral("Stream read error")},
        {"negative width", Record("n", -3, 2, {1, 2, 3, 4, 5, 6}),
         QStringLiteral("Invalid bitmap size -3 x 2 in stream")},
        {"name longer than the stream", Int32(1000) + "abc", QStringLiteral("Stream read error")},
        {"negative name length", Int32(-1) + Int32(1) + Int32(1) + Int32(0), QStringLiteral("Stream read error")},
        {"cut in the header", Record("c", 1, 1, {}).left(9), QStringLiteral("Stream read error")},
    };
    for (const Case& c : cases) {
        TteBitmap bitmap;
        Make(bitmap, {{7, 8}});
        bitmap.SetName(QStringLiteral("kept"));
        try {
            Load(bitmap, c.bytes);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), c.message) << c.what;
        }
        EXPECT_EQ(Pixels(bitmap), (std::vector<TteColor>{7, 8})) << c.what;
        EXPECT_EQ(bitmap.Name(), QStringLiteral("kept")) << c.what;
    }
}

}  // namespace
