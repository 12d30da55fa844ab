#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <random>

#include "framework/HexPairs.h"

namespace {

struct TDecoded {
    qsizetype Stopped;
    QByteArray Bytes;
};

// The run decoded from the bytes, and one by one from the same text in wide characters.
TDecoded Decode(const QByteArray& text)
{
    const auto* begin = reinterpret_cast<const unsigned char*>(text.constData());
    QByteArray bytes(text.size() / 2, '\0');
    char* out = bytes.data();
    const qsizetype stopped = DecodeHexPairs(begin, begin + text.size(), out) - begin;
    bytes.truncate(out - bytes.constData());
    return {stopped, bytes};
}

TDecoded DecodeWide(const QByteArray& text)
{
    const QString wide = QString::fromLatin1(text);
    const auto* begin = reinterpret_cast<const char16_t*>(wide.utf16());
    QByteArray bytes(text.size() / 2, '\0');
    char* out = bytes.data();
    const qsizetype stopped = DecodeHexPairs(begin, begin + wide.size(), out) - begin;
    bytes.truncate(out - bytes.constData());
    return {stopped, bytes};
}

TEST(HexPairs, DecodesEveryDigitInBothCases)
{
    const QByteArray text = "00FF0a1B2c3D4e5F6789abcdefABCDEF";
    const TDecoded decoded = Decode(text);
    EXPECT_EQ(decoded.Stopped, text.size());
    EXPECT_EQ(decoded.Bytes, QByteArray::fromHex(text));
}

// A character that is no digit stops the run at its pair, wherever it falls in a block of
// sixteen; the characters chosen sit just beside the digits' ranges.
TEST(HexPairs, StopsAtThePairHoldingANonDigit)
{
    const QByteArray line = QByteArray("0123456789abcdefABCDEF0123456789").repeated(3);
    for (const char odd : {'/', ':', '@', 'G', '`', 'g', ' ', '\n', '\x80', '\xC1', '\xE6', '\0'}) {
        for (qsizetype at = 0; at < line.size(); ++at) {
            QByteArray text = line;
            text[at] = odd;
            const TDecoded decoded = Decode(text);
            SCOPED_TRACE(testing::Message() << "character " << int(static_cast<unsigned char>(odd)) << " at " << at);
            ASSERT_EQ(decoded.Stopped, at & ~qsizetype{1});
            ASSERT_EQ(decoded.Bytes, QByteArray::fromHex(line.left(decoded.Stopped)));
            const TDecoded wide = DecodeWide(text);
            ASSERT_EQ(wide.Stopped, decoded.Stopped);
            ASSERT_EQ(wide.Bytes, decoded.Bytes);
        }
    }
}

TEST(HexPairs, LeavesAnUnpairedLastDigit)
{
    for (qsizetype size = 0; size <= 40; ++size) {
        const QByteArray text = QByteArray("9F").repeated(size / 2 + 1).left(size);
        const TDecoded decoded = Decode(text);
        ASSERT_EQ(decoded.Stopped, size & ~qsizetype{1}) << size;
        ASSERT_EQ(decoded.Bytes, QByteArray::fromHex(text.left(decoded.Stopped))) << size;
    }
}

TEST(HexPairs, RandomBytesRoundTrip)
{
    std::mt19937 random(7);
    QByteArray bytes(4099, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    for (const QByteArray& text : {bytes.toHex(), bytes.toHex().toUpper()}) {
        const TDecoded decoded = Decode(text);
        EXPECT_EQ(decoded.Stopped, text.size());
        EXPECT_EQ(decoded.Bytes, bytes);
    }
}

}  // namespace
