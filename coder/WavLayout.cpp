#include "coder/WavLayout.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

#include "coder/LameError.h"

namespace {

constexpr std::uint16_t FormatPcm = 1;
constexpr std::uint16_t FormatExtensible = 0xFFFE;

QString FormatName(std::uint16_t tag, std::uint16_t bits)
{
    switch (tag) {
    case FormatPcm: return QStringLiteral("%1-bit PCM").arg(bits);
    case 2: return QStringLiteral("Microsoft ADPCM");
    case 3: return QStringLiteral("%1-bit IEEE float").arg(bits);
    case 6: return QStringLiteral("A-law");
    case 7: return QStringLiteral("mu-law");
    case 0x11: return QStringLiteral("IMA ADPCM");
    case 0x55: return QStringLiteral("MPEG layer 3");
    default: return QStringLiteral("format 0x%1").arg(tag, 4, 16, QLatin1Char('0'));
    }
}

}  // namespace

TWavLayout ReadWavLayout(TStream& stream, const QString& fileName)
{
    TWavLayout layout;
    const std::int64_t size = stream.Size();
    unsigned char riff[12] = {};
    stream.SetPosition(0);
    if (stream.Read(riff, 12) < 12 || std::memcmp(riff + 8, "WAVE", 4) != 0) {
        layout.DataLength = size;
        layout.DeclaredLength = size;
        return layout;
    }
    layout.IsWave = true;

    bool haveFormat = false;
    std::int64_t position = 12;
    while (position + 8 <= size) {
        unsigned char chunk[8];
        stream.SetPosition(position);
        if (stream.Read(chunk, 8) < 8)
            break;
        const std::uint32_t length = qFromLittleEndian<std::uint32_t>(chunk + 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            unsigned char fmt[40] = {};
            const std::int64_t got = stream.Read(fmt, std::min<std::uint32_t>(length, sizeof fmt));
            if (got < 16)
                throw ELameError(QStringLiteral("\"%1\" is damaged: its \"fmt \" chunk is cut short").arg(fileName));
            std::uint16_t tag = qFromLittleEndian<std::uint16_t>(fmt);
            const std::uint16_t bits = qFromLittleEndian<std::uint16_t>(fmt + 14);
            if (tag == FormatExtensible && got >= 26)
                tag = qFromLittleEndian<std::uint16_t>(fmt + 24);  // the sub-format's leading number
            layout.Channels = qFromLittleEndian<std::uint16_t>(fmt + 2);
            layout.SampleRate = qFromLittleEndian<std::uint32_t>(fmt + 4);
            if (tag != FormatPcm || bits != 16)
                throw ELameError(QStringLiteral("\"%1\" holds %2 audio; only 16-bit PCM can be converted")
                                     .arg(fileName, FormatName(tag, bits)));
            if (layout.Channels < 1 || layout.Channels > 2 || layout.SampleRate == 0)
                throw ELameError(QStringLiteral("\"%1\" holds %2-channel audio at %3 Hz; only mono or stereo can be "
                                                "converted")
                                     .arg(fileName)
                                     .arg(layout.Channels)
                                     .arg(layout.SampleRate));
            layout.BlockAlign = static_cast<std::uint16_t>(layout.Channels * 2);
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat)
                break;
            layout.DataOffset = position + 8;
            layout.DeclaredLength = length;
            layout.DataLength = std::min<std::int64_t>(length, size - layout.DataOffset);
            return layout;
        }
        position += 8 + length + (length & 1);  // chunks are padded to even sizes
    }
    throw ELameError(QStringLiteral("\"%1\" is not a usable WAV file: no %2 chunk")
                         .arg(fileName, haveFormat ? QStringLiteral("\"data\"") : QStringLiteral("\"fmt \"")));
}
