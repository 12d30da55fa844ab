// Ripping a track against the scripted CD library: files, headers, chunks, events, stops and failures.
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <optional>
#include <gtest/gtest.h>

#include "cdrip/CDRIP.h"
#include "coder/LameCoder.h"
#include "coder/LameEncLibrary.h"
#include "framework/Stream.h"
#include "tests/cdrip/FileSizeLimit.h"
#include "tests/cdrip/ScriptedLibrary.h"
#include "tests/support/AudioFiles.h"
#include "tests/support/FlacFiles.h"

namespace {

// The bytes the scripted library delivers for the first count bytes of a range.
QByteArray Pattern(qint64 count, qint64 from = 0)
{
    QByteArray bytes(count, Qt::Uninitialized);
    for (qint64 k = 0; k < count; ++k)
        bytes[k] = static_cast<char>((from + k) % 251);
    return bytes;
}

std::uint32_t Le32(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + offset);
}

// Two tracks: sectors 0 to 1000 and 1001 to 1500.
const char* const TwoTracks = "drive\n  parameters ok\n  toc ok\n  track 0 audio\n  track 1001 audio\n  leadout 1501\n";

class Rip : public ScriptedLibrary {
protected:
    void Make(const std::string& ranges)
    {
        Script((TwoTracks + ranges).c_str());
        cdrip = std::make_unique<TCDRIP>(nullptr);
        cdrip->SetOnBeginTrack([this](TObject*, std::uint16_t n) { events << QString("Begin %1").arg(n); });
        cdrip->SetOnEndTrack([this](TObject*, std::uint16_t n) { events << QString("End %1").arg(n); });
        cdrip->SetOnProgress([this](TObject*, std::uint16_t percent) {
            progress.push_back(percent);
            if (onProgress)
                onProgress();
        });
    }

    std::unique_ptr<TCDRIP> cdrip;
    QStringList events;
    std::vector<std::uint16_t> progress;
    std::function<void()> onProgress;
};

TEST_F(Rip, WritesAWavFileWhoseHeaderDescribesTheAudio)
{
    // Sectors 0 to 1000 inclusive: 1001 x 2352 bytes, in chunks of 26 sectors and a shorter last one.
    const int total = 1001 * 2352;
    std::string range = "range\n  open ok 61152\n";
    for (int left = total; left > 0; left -= 61152)
        range += "  chunk " + std::string(left <= 61152 ? "4 " : "0 ") + std::to_string(std::min(left, 61152)) + " 50\n";
    Make(range);
    cdrip->SetWriteWAV(true);
    std::uint32_t dataLengthWhileRipping = 0;
    onProgress = [&] {
        if (progress.size() == 1)
            dataLengthWhileRipping = Le32(audio::ReadFile(Path("Track01.wav")), 40);
    };
    cdrip->RipTrack(1, Path("Track01.wav"));

    EXPECT_EQ(dataLengthWhileRipping, std::uint32_t(total)) << "the range is inclusive";
    const QByteArray wav = audio::ReadFile(Path("Track01.wav"));
    ASSERT_EQ(wav.size(), 44 + total);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(Le32(wav, 4), std::uint32_t(total + 36));
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(Le32(wav, 16), 16u);
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(wav.constData() + 20), 1);
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(wav.constData() + 22), 2);
    EXPECT_EQ(Le32(wav, 24), 44100u);
    EXPECT_EQ(Le32(wav, 28), 176400u);
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(wav.constData() + 32), 4);
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(wav.constData() + 34), 16);
    EXPECT_EQ(wav.mid(36, 4), "data");
    EXPECT_EQ(Le32(wav, 40), std::uint32_t(total));
    EXPECT_TRUE(wav.mid(44) == Pattern(total));
    EXPECT_EQ(events, QStringList({"Begin 1", "End 1"}));
    EXPECT_EQ(Calls("CR_OpenRipper"), QStringList({"CR_OpenRipper 0 1000"}));
}

TEST_F(Rip, AMonoWavHeaderUsesTheOutputFormatsRateAndChannels)
{
    Make("range\n  open ok 4410\n  chunk 4 4410 100\n");
    cdrip->SetWriteWAV(true);
    cdrip->SetOutputFormat(TOutputFormat::MONO22050);
    cdrip->RipSectors(0, 74, Path("mono.wav"));
    const QByteArray wav = audio::ReadFile(Path("mono.wav"));
    ASSERT_EQ(wav.size(), 44 + 4410);
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(wav.constData() + 22), 1);
    EXPECT_EQ(Le32(wav, 24), 22050u);
    EXPECT_EQ(Le32(wav, 28), 44100u);
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(wav.constData() + 32), 2);
    EXPECT_EQ(Le32(wav, 40), 4410u);
}

TEST_F(Rip, WithoutHeaderOrEncoderTheFileHoldsOnlyTheSamples)
{
    // A failed read (status 1) writes nothing, yet progress is reported after it like after any chunk.
    Make("range\n  open ok 2352\n  chunk 0 2352 30\n  chunk 1 2352 30\n  chunk 3 2352 60 jitter 1520 1546\n  chunk 4 1000 100\n");
    cdrip->RipTrack(2, Path("Track02.pcm"));
    EXPECT_TRUE(audio::ReadFile(Path("Track02.pcm")) == Pattern(2352 * 2 + 1000));
    EXPECT_EQ(progress, std::vector<std::uint16_t>({30, 30, 60, 100}));
    EXPECT_EQ(Calls("CR_OpenRipper"), QStringList({"CR_OpenRipper 1001 1500"}));
}

TEST_F(Rip, JitterErrorsAreLoggedBesideEveryLaterTrack)
{
    Make("range\n  open ok 2352\n  chunk 3 2352 50 jitter 1520 1546\n  chunk 4 2352 100\n  jittercount 1\n"
         "range\n  open ok 2352\n  chunk 4 2352 100\n"
         "range\n  open ok 2352\n  chunk 3 2352 50 jitter 7 9\n  chunk 4 2352 100\n  jittercount 1\n");
    cdrip->RipTrack(1, Path("Track01.pcm"));
    EXPECT_EQ(cdrip->JitterLog(), QStringList({"1520 1546"}));
    EXPECT_EQ(cdrip->JitterErrorCount(), 1);
    EXPECT_EQ(audio::ReadFile(Path("Track01jitt")), "1520 1546\r\n");

    cdrip->RipTrack(2, Path("Track02.pcm"));
    EXPECT_EQ(cdrip->JitterErrorCount(), 0);
    EXPECT_EQ(audio::ReadFile(Path("Track02jitt")), "1520 1546\r\n") << "the log is never emptied";

    cdrip->RipTrack(1, Path("Again.pcm"));
    EXPECT_EQ(audio::ReadFile(Path("Againjitt")), "1520 1546\r\n7 9\r\n");
}

TEST_F(Rip, JitterInTheRangesLastChunkIsLoggedToo)
{
    // The library answers "done" for the last chunk even when it needed correcting; only its count says so.
    Make("range\n  open ok 2352\n  chunk 0 2352 50\n  chunk 4 2352 100 jitter 30 31\n  jittercount 1\n");
    cdrip->RipTrack(1, Path("Track01.pcm"));
    EXPECT_EQ(cdrip->JitterErrorCount(), 1);
    EXPECT_EQ(cdrip->JitterLog(), QStringList({"30 31"}));
    EXPECT_EQ(audio::ReadFile(Path("Track01jitt")), "30 31\r\n");
}

TEST_F(Rip, StopEndsTheLoopBeforeTheNextChunkAndKeepsWhatWasWritten)
{
    Make("range\n  open ok 2352\n  chunk 0 2352 10\n  chunk 0 2352 20\n  chunk 0 2352 30\n  chunk 4 2352 100\n");
    cdrip->SetWriteWAV(true);
    onProgress = [&] {
        if (progress.size() == 2)
            cdrip->Stop();
    };
    cdrip->RipTrack(1, Path("Track01.wav"));
    EXPECT_EQ(Calls("CR_RipChunk").size(), 2);
    EXPECT_EQ(Calls().filter("CR_CloseRipper").size(), 1);
    EXPECT_EQ(events, QStringList({"Begin 1", "End 1"}));
    const QByteArray wav = audio::ReadFile(Path("Track01.wav"));
    ASSERT_EQ(wav.size(), 44 + 2 * 2352);
    EXPECT_EQ(Le32(wav, 40), 2u * 2352) << "the header describes what the file holds";
    EXPECT_TRUE(cdrip->AbortRequested());
    EXPECT_FALSE(cdrip->LastRipWhole());
}

TEST_F(Rip, AStopWhileIdleIsClearedByTheNextRip)
{
    Make("range\n  open ok 2352\n  chunk 0 2352 50\n  chunk 4 2352 100\n");
    cdrip->Stop();
    cdrip->RipTrack(1, Path("Track01.pcm"));
    EXPECT_EQ(QFileInfo(Path("Track01.pcm")).size(), 2 * 2352);
    EXPECT_TRUE(cdrip->LastRipWhole());
}

TEST_F(Rip, ParametersGoToTheLibraryBeforeEveryTrack)
{
    Make("range\n  open ok 2352\n  chunk 4 2352 100\nrange\n  open ok 2352\n  chunk 4 2352 100\n");
    cdrip->RipTrack(1, Path("Track01.pcm"));
    cdrip->RipTrack(2, Path("Track02.pcm"));
    QStringList order;
    for (const QString& call : Calls())
        if (call.startsWith("CR_SetCDROMParameters") || call.startsWith("CR_OpenRipper") || call.startsWith("CR_CloseRipper") ||
            call.startsWith("CR_GetNumberOfJitterErrors"))
            order << call.section(' ', 0, 0);
    EXPECT_EQ(order, QStringList({"CR_SetCDROMParameters", "CR_OpenRipper", "CR_GetNumberOfJitterErrors", "CR_CloseRipper",
                                  "CR_SetCDROMParameters", "CR_OpenRipper", "CR_GetNumberOfJitterErrors", "CR_CloseRipper"}));
}

TEST_F(Rip, FailuresEndTheRipAsDocumented)
{
    // Parameters refused: an error, no file, no end event.
    Make("setparameters fail\n");
    EXPECT_THROW(
        try { cdrip->RipTrack(1, Path("a.wav")); } catch (const ECDRIPError& error) {
            EXPECT_EQ(error.Message(), "Invalid CD-ROM parameters");
            throw;
        },
        ECDRIPError);
    EXPECT_FALSE(QFile::exists(Path("a.wav")));
    EXPECT_EQ(events, QStringList({"Begin 1"}));

    // The range does not open: a quiet return, no file, the end event all the same.
    events.clear();
    Make("range\n  open fail 2352\n");
    cdrip->RipTrack(1, Path("b.wav"));
    EXPECT_FALSE(QFile::exists(Path("b.wav")));
    EXPECT_EQ(events, QStringList({"Begin 1", "End 1"}));

    // The file cannot be created: the platform's error, and the range is closed again.
    events.clear();
    Make("range\n  open ok 2352\n  chunk 4 2352 100\n");
    EXPECT_THROW(cdrip->RipTrack(1, Path("no/such/folder/c.wav")), EFCreateError);
    EXPECT_EQ(Calls().filter("CR_CloseRipper").size(), 1);
    EXPECT_EQ(events, QStringList({"Begin 1"}));

    // A track the disc does not have.
    EXPECT_THROW(cdrip->RipTrack(3, Path("d.wav")), ECDRIPError);
}

TEST_F(Rip, AShortWriteIsAWriteErrorAfterTheCleanUpWithoutJitterLog)
{
    Make("range\n  open ok 23520\n  chunk 3 23520 10 jitter 1 2\n  chunk 0 23520 20\n  chunk 4 23520 100\n  jittercount 1\n");
    cdrip->SetWriteWAV(true);
    {
        FileSizeLimit limit(30000);
        try {
            cdrip->RipTrack(1, Path("full.wav"));
            ADD_FAILURE() << "no error";
        } catch (const ECDRIPError& error) {
            EXPECT_EQ(error.Message(), "Write error");
        }
    }
    EXPECT_EQ(Calls("CR_RipChunk").size(), 2);
    EXPECT_EQ(Calls().filter("CR_CloseRipper").size(), 1);
    EXPECT_EQ(cdrip->JitterErrorCount(), 1);
    EXPECT_FALSE(QFile::exists(Path("fulljitt")));
    EXPECT_EQ(events, QStringList({"Begin 1"}));
    const QByteArray wav = audio::ReadFile(Path("full.wav"));
    ASSERT_EQ(wav.size(), 30000);
    EXPECT_EQ(Le32(wav, 40), 30000u - 44);
}

TEST_F(Rip, AFlacRipDecodesToTheDeliveredAudioAndAStopOrAFullDiskLeavesAStreamThatDecodes)
{
    constexpr int kChunk = 23520;
    constexpr int kChunks = 12;
    std::string range = "range\n  open ok 23520\n";
    for (int k = 1; k <= kChunks; ++k)
        range += "  chunk " + std::string(k == kChunks ? "4 " : "0 ") + std::to_string(kChunk) + " " + std::to_string(k * 8) + "\n";
    const struct {
        const char* name;
        TOutputFormat format;
        int stopAfter;   // chunks; 0: none
        int sizeLimit;   // bytes; 0: none
        int frames;      // decoded, per channel; -1: a prefix of whole FLAC frames
    } cases[] = {
        {"whole", TOutputFormat::STEREO44100, 0, 0, kChunks * kChunk / 4},
        {"mono", TOutputFormat::MONO22050, 0, 0, kChunks * kChunk / 2},
        {"stopped", TOutputFormat::STEREO44100, 3, 0, 3 * kChunk / 4},
        {"disk full", TOutputFormat::STEREO44100, 0, 60000, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Make(range);
        progress.clear();
        cdrip->SetFlac(true);
        cdrip->SetWriteWAV(true);  // a FLAC file has no WAV header
        cdrip->SetOutputFormat(c.format);
        onProgress = [&] {
            if (static_cast<int>(progress.size()) == c.stopAfter)
                cdrip->Stop();
        };
        QString error;
        {
            std::optional<FileSizeLimit> limit;
            if (c.sizeLimit > 0)
                limit.emplace(c.sizeLimit);
            try {
                cdrip->RipTrack(1, Path("Track01.wav"));
            } catch (const ECDRIPError& e) {
                error = e.Message();
            }
        }
        const flac::Decoded decoded = flac::Decode(Path("Track01.flac"));
        ASSERT_TRUE(decoded.Opened);
        EXPECT_EQ(decoded.Channels, c.format == TOutputFormat::MONO22050 ? 1u : 2u);
        EXPECT_EQ(decoded.SampleRate, c.format == TOutputFormat::MONO22050 ? 22050u : 44100u);
        EXPECT_TRUE(decoded.Pcm == Pattern(decoded.Pcm.size())) << "the decoded audio is what was delivered";
        if (c.frames >= 0) {
            EXPECT_EQ(error, QString());
            EXPECT_TRUE(decoded.Whole);
            EXPECT_TRUE(decoded.HeaderMd5Set);
            EXPECT_EQ(decoded.Frames(), c.frames);
            EXPECT_EQ(decoded.HeaderSamples, std::uint64_t(c.frames)) << "the header is rewritten at the end";
        } else {
            EXPECT_EQ(error, "Write error");
            EXPECT_GT(decoded.Frames(), 0);
            EXPECT_EQ(decoded.Frames() % 4096, 0) << "up to the last complete FLAC frame";
        }
    }
}

class EncodingRip : public Rip {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TLameEncLibrary::Instance().IsLoaded()) << TLameEncLibrary::Instance().ErrorText().toStdString();
    }
    void Attach()
    {
        cdrip->SetCoder(&coder);
        cdrip->SetEncode(true);
    }
    TLameCoder coder{nullptr};
};

TEST_F(EncodingRip, EncodesEveryByteIntoAnMp3FileWhateverTheExtension)
{
    // 1001 sectors in odd-sized chunks: the encoder's chunks straddle them, and the last one is partial.
    const int total = 1001 * 2352;
    std::string range = "range\n  open ok 50000\n";
    for (int left = total; left > 0; left -= 49999 + 1)
        range += "  chunk " + std::string(left <= 50000 ? "4 " : "0 ") + std::to_string(std::min(left, 50000)) + " 50\n";
    Make(range);
    Attach();
    // With the info tag the decoder drops the encoder's delay and padding: every sample must come back.
    coder.SetWriteVBRHeader(true);
    cdrip->SetWriteWAV(true);
    cdrip->RipTrack(1, Path("Track01.wav"));

    EXPECT_FALSE(QFile::exists(Path("Track01.wav")));
    const QByteArray mp3 = audio::ReadFile(Path("Track01.mp3"));
    ASSERT_FALSE(mp3.isEmpty());
    EXPECT_NE(mp3.left(4), "RIFF");
    const audio::Decoded decoded = audio::DecodeMp3(Path("Track01.mp3"));
    ASSERT_TRUE(decoded.Ok);
    EXPECT_EQ(decoded.Frames(), total / 4) << "the last partial encoder chunk is encoded too";
}

TEST_F(EncodingRip, AnEncodingStoppedEarlyIsStillFlushed)
{
    Make("range\n  open ok 23520\n  chunk 0 23520 10\n  chunk 0 23520 20\n  chunk 4 23520 100\n");
    Attach();
    onProgress = [&] { cdrip->Stop(); };
    cdrip->RipTrack(1, Path("Track01.mp3"));
    EXPECT_EQ(events, QStringList({"Begin 1", "End 1"}));
    const audio::Decoded decoded = audio::DecodeMp3(Path("Track01.mp3"));
    ASSERT_TRUE(decoded.Ok);
    EXPECT_GE(decoded.Frames(), 23520 / 4 - 1152);
}

TEST_F(EncodingRip, AnEncoderThatRefusesItsSettingsStopsTheRipBeforeAnyFile)
{
    Make("range\n  open ok 2352\n  chunk 4 2352 100\n");
    Attach();
    coder.SetBitrate(7);
    try {
        cdrip->RipTrack(1, Path("Track01.mp3"));
        ADD_FAILURE() << "no error";
    } catch (const ELameError& error) {
        // The message a conversion gives for the same settings.
        EXPECT_EQ(error.Message(), "beInitStream failed 2: the encoder refuses these settings (44100 Hz, 7 kbit/s, "
                                   "stereo, fed 44100 Hz in 2 channels)");
    }
    EXPECT_FALSE(QFile::exists(Path("Track01.mp3")));
    EXPECT_EQ(Calls().filter("CR_CloseRipper").size(), 1);
    EXPECT_EQ(events, QStringList({"Begin 1"}));
}

// Every command stays clickable during a rip; a rip or a conversion started meanwhile does nothing, and the
// running rip goes on undisturbed.
TEST_F(EncodingRip, ARipOrConversionStartedDuringARipDoesNothing)
{
    const int total = 20 * 2352;
    std::string range = "range\n  open ok 2352\n";
    for (int i = 1; i <= 20; ++i)
        range += "  chunk " + std::string(i == 20 ? "4" : "0") + " 2352 " + std::to_string(i * 5) + "\n";
    Make(range + "range\n  open ok 2352\n  chunk 4 2352 100\n");
    Attach();
    coder.SetWriteVBRHeader(true);
    TLameCoder converter(nullptr);
    ASSERT_TRUE(audio::WriteFile(Path("song.wav"), audio::Wav(44100, 2, audio::SinePcm(44100, 2, 4410))));
    converter.SetInputFiles({Path("song.wav")});
    onProgress = [&] {
        cdrip->RipTrack(2, Path("Track02.mp3"));
        coder.SetInputFiles({Path("song.wav")});
        coder.Process();
        converter.Process();
    };
    cdrip->RipTrack(1, Path("Track01.mp3"));

    EXPECT_EQ(events, QStringList({"Begin 1", "End 1"}));
    EXPECT_EQ(Calls("CR_OpenRipper").size(), 1);
    EXPECT_EQ(progress.size(), 20u);
    EXPECT_FALSE(QFile::exists(Path("Track02.mp3")));
    EXPECT_FALSE(QFile::exists(Path("song.mp3")));
    const audio::Decoded decoded = audio::DecodeMp3(Path("Track01.mp3"));
    ASSERT_TRUE(decoded.Ok);
    EXPECT_EQ(decoded.Frames(), total / 4);

    // Once the rip is over the next one runs.
    onProgress = nullptr;
    cdrip->RipTrack(2, Path("Track02.mp3"));
    EXPECT_TRUE(QFile::exists(Path("Track02.mp3")));
}

// The encoder is fed what the library delivers: the output format's rate and channels, whatever the coder's
// own rate and mode (which the MP3 takes).
TEST_F(EncodingRip, TheEncoderIsFedTheOutputFormat)
{
    // Two seconds of MONO22050: 88200 bytes.
    std::string range = "range\n  open ok 8820\n";
    for (int i = 1; i <= 10; ++i)
        range += "  chunk " + std::string(i == 10 ? "4" : "0") + " 8820 " + std::to_string(i * 10) + "\n";
    Make(range);
    Attach();
    cdrip->SetOutputFormat(TOutputFormat::MONO22050);
    coder.SetWriteVBRHeader(true);
    coder.SetSampleRate(44100);
    coder.SetMode(TLameMode::JSTEREO);
    cdrip->RipTrack(1, Path("Track01.mp3"));

    const audio::Decoded decoded = audio::DecodeMp3(Path("Track01.mp3"));
    ASSERT_TRUE(decoded.Ok);
    EXPECT_EQ(decoded.SampleRate, 44100);
    EXPECT_EQ(decoded.Channels, 2);
    EXPECT_NEAR(decoded.Frames(), 88200, 1152) << "two seconds, not one or four";
}

TEST_F(EncodingRip, EncodeWithoutACoderDiscardsTheAudio)
{
    Make("range\n  open ok 2352\n  chunk 4 2352 100\n");
    cdrip->SetEncode(true);
    cdrip->RipTrack(1, Path("Track01.wav"));
    EXPECT_EQ(QFileInfo(Path("Track01.mp3")).size(), 0);
}

TEST_F(EncodingRip, ShortWritesOfEncodedDataAreWriteErrors)
{
    const struct {
        const char* name;
        const char* range;
        rlim_t limit;
    } cases[] = {
        // Plenty of audio: an encoded chunk meets the limit inside the loop.
        {"encoded chunk", "range\n  open ok 235200\n  chunk 0 235200 50\n  chunk 4 235200 100\n", 20000},
        // Too little audio for the encoder to give anything before its final flush.
        {"final flush", "range\n  open ok 800\n  chunk 4 800 100\n", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        events.clear();
        Make(c.range);
        Attach();
        {
            FileSizeLimit limit(c.limit);
            try {
                cdrip->RipTrack(1, Path("Track01.mp3"));
                ADD_FAILURE() << "no error";
            } catch (const ECDRIPError& error) {
                EXPECT_EQ(error.Message(), "Write error");
            }
        }
        EXPECT_EQ(events, QStringList({"Begin 1"}));
        EXPECT_EQ(Calls().filter("CR_CloseRipper").size(), 1);
    }
}

}  // namespace
