#pragma once
// Test helpers for audio files: PCM and WAV files made in memory, MP3 files decoded with mpg123, and a
// check that two signals are recognisably the same after an encoder's delay.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QtEndian>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace audio {

// frames of a sine per channel (the right channel a fifth higher), interleaved 16-bit.
inline QByteArray SinePcm(int rate, int channels, int frames, double frequency = 440)
{
    QByteArray pcm(frames * channels * 2, Qt::Uninitialized);
    auto* samples = reinterpret_cast<std::int16_t*>(pcm.data());
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            samples[i * channels + c] =
                static_cast<std::int16_t>(12000 * std::sin(2 * M_PI * frequency * (1 + 0.5 * c) * i / rate));
    return pcm;
}

struct WavOptions {
    std::uint16_t FormatTag = 1;
    std::uint16_t Bits = 16;
    // A chunk placed between "fmt " and "data", as many tools write them.
    QByteArray ExtraChunk;
    // The "data" length written into the header; -1 writes the real one.
    std::int64_t DeclaredDataLength = -1;
};

inline QByteArray Wav(int rate, int channels, const QByteArray& pcm, const WavOptions& options = {})
{
    auto le32 = [](std::uint32_t v) {
        QByteArray b(4, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    auto le16 = [](std::uint16_t v) {
        QByteArray b(2, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    const int blockAlign = channels * options.Bits / 8;
    QByteArray fmt = le16(options.FormatTag) + le16(static_cast<std::uint16_t>(channels)) + le32(rate) +
                     le32(rate * blockAlign) + le16(static_cast<std::uint16_t>(blockAlign)) + le16(options.Bits);
    QByteArray body = "WAVE" + QByteArray("fmt ") + le32(16) + fmt + options.ExtraChunk + "data" +
                      le32(options.DeclaredDataLength < 0 ? pcm.size()
                                                          : static_cast<std::uint32_t>(options.DeclaredDataLength)) +
                      pcm;
    return "RIFF" + le32(body.size()) + body;
}

inline bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Decoded {
    bool Ok = false;
    int SampleRate = 0;
    int Channels = 0;
    QByteArray Pcm;
    int Frames() const { return Channels > 0 ? Pcm.size() / (2 * Channels) : 0; }
};

// Decodes an MP3 file with mpg123 into 16-bit PCM at its own rate and channel count.
inline Decoded DecodeMp3(const QString& path)
{
    Decoded decoded;
    const QString wav = path + QStringLiteral(".decoded.wav");
    QProcess mpg123;
    mpg123.start(QStringLiteral("mpg123"), {QStringLiteral("-q"), QStringLiteral("-w"), wav, path});
    if (!mpg123.waitForFinished(60000) || mpg123.exitCode() != 0)
        return decoded;
    const QByteArray bytes = ReadFile(wav);
    QFile::remove(wav);
    if (bytes.size() < 44)
        return decoded;
    decoded.Channels = qFromLittleEndian<std::uint16_t>(bytes.constData() + 22);
    decoded.SampleRate = static_cast<int>(qFromLittleEndian<std::uint32_t>(bytes.constData() + 24));
    decoded.Pcm = bytes.mid(44);
    decoded.Ok = true;
    return decoded;
}

// The best normalised correlation of the first channel of decoded against original, over the delays an
// encoder and decoder add (up to maxLag frames); near 1 means the same sound.
inline double BestCorrelation(const QByteArray& original, int originalChannels, const Decoded& decoded,
                              int maxLag = 3000, int window = 8192, int start = 4096)
{
    auto sample = [](const QByteArray& pcm, int channels, int frame) {
        return static_cast<double>(reinterpret_cast<const std::int16_t*>(pcm.constData())[frame * channels]);
    };
    const int originalFrames = original.size() / (2 * originalChannels);
    if (originalFrames < start + window || decoded.Frames() < start + window + maxLag)
        return 0;
    double best = 0;
    for (int lag = 0; lag <= maxLag; ++lag) {
        double xy = 0, xx = 0, yy = 0;
        for (int i = start; i < start + window; ++i) {
            const double x = sample(original, originalChannels, i);
            const double y = sample(decoded.Pcm, decoded.Channels, i + lag);
            xy += x * y;
            xx += x * x;
            yy += y * y;
        }
        if (xx > 0 && yy > 0)
            best = std::max(best, xy / std::sqrt(xx * yy));
    }
    return best;
}

}  // namespace audio
