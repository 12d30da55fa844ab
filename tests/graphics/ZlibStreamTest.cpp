// The zlib compression and decompression streams: exact zlib output, buffering, seek rules, framing
// around the data, and damaged or truncated bodies.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QByteArray>
#include <random>
#include <vector>

#include "framework/Stream.h"
#include "graphics/ZlibCompression.h"
#include "graphics/ZlibDecompression.h"

namespace {

// Random bytes (incompressible) or text-like bytes (compressible), always the same for a size.
QByteArray Data(qsizetype size, bool random)
{
    std::mt19937 generator(static_cast<unsigned>(size));
    QByteArray bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random ? generator() : "theme bitmaps "[generator() % 14]);
    return bytes;
}

// zlib's own one-call compression with the same parameters: the reference for our output.
QByteArray ZlibCompress(const QByteArray& data, int level)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    QByteArray out(static_cast<qsizetype>(size), '\0');
    EXPECT_EQ(compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.constData()),
                        static_cast<uLong>(data.size()), level),
              Z_OK);
    out.resize(static_cast<qsizetype>(size));
    return out;
}

QByteArray Compress(const QByteArray& data, TCompressionLevel level = TCompressionLevel::lvFastest)
{
    TMemoryStream destination;
    {
        TCompressionStream stream(level, destination);
        stream.WriteBuffer(data.constData(), data.size());
    }
    return destination.Bytes();
}

TMemoryStream& Fill(TMemoryStream& stream, const QByteArray& bytes)
{
    stream.Write(bytes.constData(), bytes.size());
    stream.SetPosition(0);
    return stream;
}

// Reads everything in pieces of the given size until a read returns 0.
QByteArray ReadAll(TStream& stream, qsizetype piece)
{
    QByteArray all;
    QByteArray buffer(piece, '\0');
    for (std::int64_t got; (got = stream.Read(buffer.data(), piece)) > 0;)
        all += buffer.left(got);
    return all;
}

template <typename E>
QString ErrorText(auto&& call)
{
    try {
        call();
    } catch (const E& error) {
        return error.Message();
    }
    return QStringLiteral("no error");
}

// A destination that takes only so many bytes in all.
class TFullStream : public TMemoryStream {
public:
    explicit TFullStream(std::int64_t room) : room_(room) {}
    std::int64_t Write(const void* buffer, std::int64_t count) override
    {
        const std::int64_t taken = std::min(count, room_);
        room_ -= taken;
        return TMemoryStream::Write(buffer, taken);
    }

private:
    std::int64_t room_;
};

TEST(ZlibStreamTest, RoundTripsAndWritesExactlyZlibsStream)
{
    const struct {
        qsizetype size;
        bool random;
        TCompressionLevel level;
        int zlibLevel;
    } cases[] = {
        {0, false, TCompressionLevel::lvFastest, 1},
        {1, false, TCompressionLevel::lvDefault, 6},
        // Stored blocks: 11 bytes of framing, so these put the output just under, at and over one buffer.
        {8180, true, TCompressionLevel::lvNone, 0},
        {8181, true, TCompressionLevel::lvNone, 0},
        {8182, true, TCompressionLevel::lvNone, 0},
        {16373, true, TCompressionLevel::lvNone, 0},
        {8191, true, TCompressionLevel::lvFastest, 1},
        {8192, true, TCompressionLevel::lvFastest, 1},
        {8193, true, TCompressionLevel::lvMax, 9},
        {3 * 8192 + 1, false, TCompressionLevel::lvDefault, 6},
        {3 << 20, true, TCompressionLevel::lvFastest, 1},
        {2 << 20, false, TCompressionLevel::lvDefault, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "size " << c.size << " zlib level " << c.zlibLevel);
        const QByteArray data = Data(c.size, c.random);
        const QByteArray packed = Compress(data, c.level);
        EXPECT_EQ(packed, ZlibCompress(data, c.zlibLevel));

        TMemoryStream source;
        TDecompressionStream stream(Fill(source, packed));
        EXPECT_EQ(ReadAll(stream, 5000), data);
        EXPECT_TRUE(stream.Ended());
        EXPECT_EQ(stream.Read(source.Memory(), 1), 0);
        EXPECT_EQ(stream.Position(), c.size);
    }
}

TEST(ZlibStreamTest, HeaderOfEachLevel)
{
    EXPECT_EQ(Compress("x", TCompressionLevel::lvFastest).left(2), QByteArray("\x78\x01"));
    EXPECT_EQ(Compress("x", TCompressionLevel::lvDefault).left(2), QByteArray("\x78\x9C"));
    EXPECT_EQ(Compress("", TCompressionLevel::lvFastest), QByteArray::fromHex("7801030000000001"))
        << "an empty final block and the checksum of no data";
}

TEST(ZlibStreamTest, OneReadReturnsOnlyWhatTheDataHolds)
{
    const QByteArray data = Data(100 * 1024, false);
    TMemoryStream source;
    TDecompressionStream stream(Fill(source, Compress(data)));
    QByteArray buffer(300 * 1024, '\0');
    ASSERT_EQ(stream.Read(buffer.data(), buffer.size()), data.size());
    EXPECT_EQ(buffer.left(data.size()), data);
    EXPECT_EQ(stream.Read(buffer.data(), buffer.size()), 0);
}

TEST(ZlibStreamTest, TrafficGoesInBufferSizedPiecesWithProgress)
{
    const QByteArray data = Data(40000, true);
    TMemoryStream destination;
    std::vector<std::int64_t> sizes;
    {
        TCompressionStream stream(TCompressionLevel::lvNone, destination);
        stream.OnProgress = [&](TObject* sender) {
            EXPECT_EQ(sender, &stream);
            sizes.push_back(destination.Size());
        };
        for (qsizetype at = 0; at < data.size(); at += 1000)
            stream.WriteBuffer(data.constData() + at, 1000);
        EXPECT_EQ(sizes, (std::vector<std::int64_t>{8192, 16384, 24576, 32768}));
    }
    EXPECT_EQ(sizes.back(), destination.Size()) << "the final piece is announced too";

    std::vector<std::int64_t> positions;
    destination.SetPosition(0);
    TDecompressionStream stream(destination);
    stream.OnProgress = [&](TObject*) { positions.push_back(destination.Position()); };
    EXPECT_EQ(ReadAll(stream, 100), data);
    EXPECT_EQ(positions, (std::vector<std::int64_t>{8192, 16384, 24576, 32768, destination.Size()}));
}

TEST(ZlibStreamTest, CompressionStreamSeeksOnlyToAskThePosition)
{
    TMemoryStream destination;
    TCompressionStream stream(TCompressionLevel::lvDefault, destination);
    stream.WriteBuffer("0123456789", 10);
    EXPECT_EQ(stream.Seek(0, TSeekOrigin::soCurrent), 10);
    const struct {
        std::int64_t offset;
        TSeekOrigin origin;
    } refused[] = {{5, TSeekOrigin::soBeginning}, {0, TSeekOrigin::soBeginning}, {1, TSeekOrigin::soCurrent},
                   {-1, TSeekOrigin::soCurrent},  {0, TSeekOrigin::soEnd}};
    for (const auto& c : refused)
        EXPECT_EQ(ErrorText<ECompressionError>([&] { stream.Seek(c.offset, c.origin); }), "Invalid stream operation")
            << c.offset << " from " << static_cast<int>(c.origin);
    char byte;
    EXPECT_EQ(ErrorText<ECompressionError>([&] { stream.Read(&byte, 1); }), "Invalid stream operation");
    stream.Finish();
    EXPECT_EQ(ErrorText<ECompressionError>([&] { stream.Write("x", 1); }), "Invalid stream operation");
    EXPECT_EQ(destination.Bytes(), ZlibCompress("0123456789", 6));
}

TEST(ZlibStreamTest, DecompressionStreamSeekRules)
{
    const QByteArray data = Data(50000, false);
    // Framing in front of the data, as the theme files have it.
    const QByteArray framed = "MAGIC" + Compress(data);
    const struct {
        std::int64_t offset;
        TSeekOrigin origin;
        std::int64_t expected;  // -1: refused
    } cases[] = {
        {0, TSeekOrigin::soCurrent, 10},     {25, TSeekOrigin::soCurrent, 35},  {20, TSeekOrigin::soBeginning, 20},
        {10, TSeekOrigin::soBeginning, 10},  {45000, TSeekOrigin::soBeginning, 45000},
        {0, TSeekOrigin::soBeginning, 0},    {9, TSeekOrigin::soBeginning, -1}, {-1, TSeekOrigin::soCurrent, -1},
        {0, TSeekOrigin::soEnd, -1},         {-5, TSeekOrigin::soEnd, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.offset << " from " << static_cast<int>(c.origin));
        TMemoryStream source;
        Fill(source, framed).SetPosition(5);
        TDecompressionStream stream(source);
        char head[10];
        stream.ReadBuffer(head, 10);
        if (c.expected < 0) {
            EXPECT_EQ(ErrorText<EDecompressionError>([&] { stream.Seek(c.offset, c.origin); }),
                      "Invalid stream operation");
            continue;
        }
        EXPECT_EQ(stream.Seek(c.offset, c.origin), c.expected);
        EXPECT_EQ(ReadAll(stream, 4096), data.mid(c.expected));
    }
}

TEST(ZlibStreamTest, SeekingPastTheEndIsAReadError)
{
    TMemoryStream source;
    TDecompressionStream stream(Fill(source, Compress(Data(10000, false))));
    EXPECT_EQ(ErrorText<EReadError>([&] { stream.Seek(10001, TSeekOrigin::soBeginning); }), "Stream read error");
    char byte;
    EXPECT_EQ(ErrorText<EDecompressionError>([&] { stream.Write(&byte, 1); }), "Invalid stream operation");
}

TEST(ZlibStreamTest, ShortWriteOfTheDestinationIsAWriteError)
{
    const QByteArray data = Data(20000, true);
    // Room for less than the first buffer, and for the buffers written while writing but not the last piece.
    for (std::int64_t room : {100, 16384}) {
        SCOPED_TRACE(room);
        TFullStream destination(room);
        TCompressionStream stream(TCompressionLevel::lvNone, destination);
        const QString text = ErrorText<EWriteError>([&] {
            stream.WriteBuffer(data.constData(), data.size());
            stream.Finish();
        });
        EXPECT_EQ(text, "Stream write error");
        EXPECT_EQ(ErrorText<ECompressionError>([&] { stream.Write("x", 1); }), "error") << "only destroying is left";
    }
}

TEST(ZlibStreamTest, DamagedBodiesAreRefused)
{
    const QByteArray data = Data(30000, false);
    const QByteArray good = Compress(data, TCompressionLevel::lvDefault);
    QByteArray badChecksum = good;
    badChecksum[good.size() - 1] = static_cast<char>(badChecksum.back() ^ 1);
    QByteArray badData = good;
    badData[good.size() / 2] = static_cast<char>(badData[good.size() / 2] ^ 0x55);
    QByteArray badHeader = good;
    badHeader[1] = static_cast<char>(badHeader[1] + 1);
    const struct {
        const char* name;
        QByteArray body;
    } cases[] = {
        {"empty source", {}},
        {"header only", good.left(2)},
        {"cut in the middle", good.left(good.size() / 2)},
        {"checksum cut short", good.left(good.size() - 1)},
        {"checksum damaged", badChecksum},
        {"data damaged", badData},
        {"header check fails", badHeader},
        {"gzip header", QByteArray::fromHex("1f8b08000000000000ff")},
        {"preset dictionary asked for", QByteArray::fromHex("78bb00000001")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TMemoryStream source;
        TDecompressionStream whole(Fill(source, c.body));
        QByteArray buffer(data.size() + 1, '\0');
        EXPECT_EQ(ErrorText<EDecompressionError>([&] { whole.Read(buffer.data(), buffer.size()); }), "error");

        TMemoryStream again;
        TDecompressionStream skipped(Fill(again, c.body));
        EXPECT_EQ(ErrorText<EDecompressionError>([&] { skipped.SkipToEnd(); }), "error");
    }
}

TEST(ZlibStreamTest, SkipToEndVerifiesTheChecksumAfterTheLastByte)
{
    const QByteArray data = Data(20000, false);
    QByteArray body = Compress(data);
    {
        TMemoryStream source;
        TDecompressionStream stream(Fill(source, body));
        QByteArray buffer(data.size(), '\0');
        stream.ReadBuffer(buffer.data(), buffer.size());
        EXPECT_EQ(stream.SkipToEnd(), 0);
        EXPECT_TRUE(stream.Ended());
        EXPECT_EQ(stream.SkipToEnd(), 0);
    }
    body[body.size() - 2] = static_cast<char>(body[body.size() - 2] ^ 0x10);
    TMemoryStream source;
    TDecompressionStream stream(Fill(source, body));
    QByteArray buffer(data.size(), '\0');
    stream.ReadBuffer(buffer.data(), 100);
    EXPECT_EQ(ErrorText<EDecompressionError>([&] { stream.SkipToEnd(); }), "error");

    TMemoryStream partSource;
    TDecompressionStream part(Fill(partSource, Compress(data)));
    part.ReadBuffer(buffer.data(), 100);
    EXPECT_EQ(part.SkipToEnd(), data.size() - 100);
}

TEST(ZlibStreamTest, ContinuesWhereItWasWhenSomeoneElseMovesTheStream)
{
    const QByteArray data = Data(30000, true);
    TMemoryStream destination;
    destination.Write("HEAD", 4);
    {
        TCompressionStream stream(TCompressionLevel::lvNone, destination);
        stream.WriteBuffer(data.constData(), 10000);
        destination.SetPosition(0);
        stream.WriteBuffer(data.constData() + 10000, 10000);
        destination.SetPosition(2);
        stream.WriteBuffer(data.constData() + 20000, 10000);
        destination.SetPosition(1);
    }
    EXPECT_EQ(destination.Bytes(), "HEAD" + ZlibCompress(data, 0));

    destination.SetPosition(4);
    TDecompressionStream inflater(destination);
    QByteArray got(30000, '\0');
    inflater.ReadBuffer(got.data(), 10000);
    destination.SetPosition(0);
    inflater.ReadBuffer(got.data() + 10000, 20000);
    EXPECT_EQ(got, data);
}

}  // namespace
