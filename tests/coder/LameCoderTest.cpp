// The MP3 coder's settings rules and its WAV/PCM conversion, on the real encoder library.
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "coder/ChangeFileExt.h"
#include "coder/LameCoder.h"
#include "coder/LameEncLibrary.h"
#include "tests/support/AudioFiles.h"

namespace {

TEST(LameCoderSettings, StartsWithTheDocumentedValues)
{
    TLameCoder coder(nullptr);
    EXPECT_EQ(coder.SampleRate(), 44100u);
    EXPECT_EQ(coder.Bitrate(), 128u);
    EXPECT_EQ(coder.MaxBitrate(), 320u);
    EXPECT_EQ(coder.Quality(), MPEG_QUALITY::NORMAL_QUALITY);
    EXPECT_FALSE(coder.Private());
    EXPECT_TRUE(coder.CRC());
    EXPECT_EQ(coder.Mode(), TLameMode::STEREO);
    EXPECT_FALSE(coder.WriteVBRHeader());
    EXPECT_FALSE(coder.EnableVBR());
    EXPECT_EQ(coder.VBRQuality(), 4);
    EXPECT_EQ(coder.DefaultExt(), ".mp3");
    EXPECT_EQ(coder.SamplesPerChunk(), 0u);
    EXPECT_EQ(coder.OutputBufferSize(), 0u);
    EXPECT_GT(coder.LameVersion().MajorVersion() + coder.LameVersion().DLLMajorVersion(), 0);
}

TEST(LameCoderSettings, EnableVBRAlsoSetsTheHeaderButNotTheOtherWayRound)
{
    TLameCoder coder(nullptr);
    coder.SetEnableVBR(true);
    EXPECT_TRUE(coder.WriteVBRHeader());
    coder.SetWriteVBRHeader(false);
    EXPECT_TRUE(coder.EnableVBR());
    EXPECT_FALSE(coder.WriteVBRHeader());
}

TEST(LameCoderSettings, IgnoresAModeOutsideTheEnumeration)
{
    TLameCoder coder(nullptr);
    coder.SetMode(TLameMode::MONO);
    coder.SetMode(static_cast<TLameMode>(4));
    EXPECT_EQ(coder.Mode(), TLameMode::MONO);
}

TEST(LameCoderSettings, AssignCopiesTheEncoderSettingsOnly)
{
    TLameCoder source(nullptr);
    source.SetSampleRate(22050);
    source.SetMode(TLameMode::JSTEREO);
    source.SetBitrate(192);
    source.SetMaxBitrate(256);
    source.SetQuality(MPEG_QUALITY::HIGH_QUALITY);
    source.SetPrivate(true);
    source.SetCRC(false);
    source.SetCopyright(true);
    source.SetOriginal(true);
    source.SetEnableVBR(true);
    source.SetVBRQuality(7);
    source.SetInputFiles({"/a/b.wav"});
    source.SetDefaultExt(".xyz");

    TLameCoder copy(nullptr);
    copy.Assign(&source);
    EXPECT_EQ(copy.SampleRate(), 22050u);
    EXPECT_EQ(copy.Mode(), TLameMode::JSTEREO);
    EXPECT_EQ(copy.Bitrate(), 192u);
    EXPECT_EQ(copy.MaxBitrate(), 256u);
    EXPECT_EQ(copy.Quality(), MPEG_QUALITY::HIGH_QUALITY);
    EXPECT_TRUE(copy.Private());
    EXPECT_FALSE(copy.CRC());
    EXPECT_TRUE(copy.Copyright());
    EXPECT_TRUE(copy.Original());
    EXPECT_TRUE(copy.EnableVBR());
    EXPECT_TRUE(copy.WriteVBRHeader());
    EXPECT_EQ(copy.VBRQuality(), 7);
    EXPECT_TRUE(copy.InputFiles().isEmpty());
    EXPECT_EQ(copy.DefaultExt(), ".mp3");
}

TEST(LameCoderSettings, InputFilesDeriveTheOutputNames)
{
    const struct {
        const char* input;
        const char* ext;
        const char* output;
    } cases[] = {
        {"/music/song.wav", ".mp3", "/music/song.mp3"},
        {"/music/song", ".mp3", "/music/song.mp3"},
        {"/music.d/song", ".mp3", "/music.d/song.mp3"},
        {"/music/a.b.wav", ".mp3", "/music/a.b.mp3"},
        {"/x/Output/Track01.mp3", "jitt", "/x/Output/Track01jitt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChangeFileExt(c.input, c.ext), c.output) << c.input;

    TLameCoder coder(nullptr);
    coder.SetInputFiles({"/a/one.wav", "/a/two.wav"});
    EXPECT_EQ(coder.OutputFiles(), QStringList({"/a/one.mp3", "/a/two.mp3"}));
}

// A conversion on files in a temporary folder, with the events it fired.
class LameCoderProcess : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TLameEncLibrary::Instance().IsLoaded()) << TLameEncLibrary::Instance().ErrorText().toStdString();
        coder.SetOnBeginProcess([this](TObject*) { events << "BeginProcess"; });
        coder.SetOnBeginFile([this](TObject*, std::uint16_t n, const QString&) { events << QString("BeginFile %1").arg(n); });
        coder.SetOnEndFile([this](TObject*, std::uint16_t n, const QString&) { events << QString("EndFile %1").arg(n); });
        coder.SetOnEndProcess([this](TObject*) { events << "EndProcess"; });
        coder.SetOnProgress([this](TObject*, std::uint16_t percent) { progress.push_back(percent); });
    }

    QString Path(const QString& name) const { return folder.filePath(name); }
    QString Write(const QString& name, const QByteArray& bytes) const
    {
        EXPECT_TRUE(audio::WriteFile(Path(name), bytes));
        return Path(name);
    }

    QTemporaryDir folder;
    TLameCoder coder{nullptr};
    QStringList events;
    std::vector<std::uint16_t> progress;
};

TEST_F(LameCoderProcess, ConvertsAStereoWavInChunksOfTheBlockAlignTimesTheSamplesPerChunk)
{
    // 250000 stereo frames = 1,000,000 data bytes; chunks of 2304 x 4 = 9216 bytes: 108 full and one of 4672.
    const QByteArray pcm = audio::SinePcm(44100, 2, 250000);
    coder.SetInputFiles({Write("song.wav", audio::Wav(44100, 2, pcm))});
    coder.Process();

    EXPECT_EQ(coder.SamplesPerChunk(), 2304u);
    EXPECT_EQ(events, QStringList({"BeginProcess", "BeginFile 0", "EndFile 0", "EndProcess"}));
    ASSERT_EQ(progress.size(), 109u);
    EXPECT_EQ(progress[0], 0);  // 9216 / 1,000,000, truncated
    EXPECT_EQ(progress.back(), 100);

    const audio::Decoded decoded = audio::DecodeMp3(Path("song.mp3"));
    ASSERT_TRUE(decoded.Ok);
    EXPECT_EQ(decoded.SampleRate, 44100);
    EXPECT_EQ(decoded.Channels, 2);
    EXPECT_NEAR(decoded.Frames(), 250000, 1152 + 2257);
    EXPECT_GT(audio::BestCorrelation(pcm, 2, decoded), 0.95);
}

TEST_F(LameCoderProcess, TakesRateChannelsAndAudioFromTheFmtAndDataChunks)
{
    // Mono at 22050 Hz with a LIST chunk before the audio: the header is longer than 44 bytes.
    const QByteArray pcm = audio::SinePcm(22050, 1, 44100);
    audio::WavOptions options;
    options.ExtraChunk = QByteArray("LIST") + QByteArray("\x0a\0\0\0", 4) + QByteArray(10, 'x');
    coder.SetInputFiles({Write("voice.wav", audio::Wav(22050, 1, pcm, options))});
    coder.Process();

    const audio::Decoded decoded = audio::DecodeMp3(Path("voice.mp3"));
    ASSERT_TRUE(decoded.Ok);
    EXPECT_EQ(decoded.SampleRate, 22050);
    EXPECT_EQ(decoded.Channels, 1);
    EXPECT_NEAR(decoded.Frames(), 44100, 576 + 2257);
    EXPECT_GT(audio::BestCorrelation(pcm, 1, decoded), 0.95);
    EXPECT_EQ(coder.SampleRate(), 44100u) << "the file's format is not the coder's setting";
}

TEST_F(LameCoderProcess, EncodesAFileThatIsNotWaveAsRawPcmFromByteZero)
{
    const QByteArray pcm = audio::SinePcm(44100, 2, 88200);
    coder.SetInputFiles({Write("raw.pcm", pcm)});
    coder.Process();

    const audio::Decoded decoded = audio::DecodeMp3(Path("raw.mp3"));
    ASSERT_TRUE(decoded.Ok);
    EXPECT_EQ(decoded.Channels, 2);
    EXPECT_NEAR(decoded.Frames(), 88200, 1152 + 2257);
    EXPECT_GT(audio::BestCorrelation(pcm, 2, decoded), 0.95);
}

TEST_F(LameCoderProcess, RefusesAWavThatIsNot16BitPcmNamingItsFormat)
{
    const struct {
        std::uint16_t tag;
        std::uint16_t bits;
        const char* named;
    } cases[] = {{3, 32, "32-bit IEEE float"}, {1, 24, "24-bit PCM"}, {1, 8, "8-bit PCM"}, {7, 8, "mu-law"}};
    for (const auto& c : cases) {
        audio::WavOptions options;
        options.FormatTag = c.tag;
        options.Bits = c.bits;
        coder.SetInputFiles({Write("odd.wav", audio::Wav(44100, 2, QByteArray(4000, 1), options))});
        try {
            coder.Process();
            ADD_FAILURE() << "no error for " << c.named;
        } catch (const ELameError& error) {
            EXPECT_TRUE(error.Message().contains(c.named)) << error.Message().toStdString();
        }
        EXPECT_FALSE(QFile::exists(Path("odd.mp3")));
    }
}

TEST_F(LameCoderProcess, AnEmptyListOnlyBeginsAndEnds)
{
    coder.Process();
    EXPECT_EQ(events, QStringList({"BeginProcess", "EndProcess"}));
}

// Each failure leaves the output file closed with what was written, stops the list and fires no end events.
TEST_F(LameCoderProcess, FailuresStopTheListWithTheirMessages)
{
    const QByteArray pcm = audio::SinePcm(44100, 2, 44100);
    audio::WavOptions truncated;
    truncated.DeclaredDataLength = pcm.size() * 2;
    const QString good = Write("good.wav", audio::Wav(44100, 2, pcm));
    const QString cut = Write("cut.wav", audio::Wav(44100, 2, pcm, truncated));
    const QString tiny = Write("tiny.wav", audio::Wav(44100, 2, audio::SinePcm(44100, 2, 100)));

    const struct {
        const char* name;
        QStringList inputs;
        QStringList outputs;
        std::uint32_t bitrate;
        QString message;
    } cases[] = {
        {"short read", {cut, good}, {Path("cut.mp3"), Path("good.mp3")}, 128, "Read Error"},
        {"encoder error", {good, good}, {Path("a.mp3"), Path("b.mp3")}, 7, "beEncodeChunk failed 4"},
        {"short write", {good, good}, {"/dev/full", Path("b.mp3")}, 128, "Write Error"},
        {"short final write", {tiny, good}, {"/dev/full", Path("b.mp3")}, 128, "Write error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        events.clear();
        coder.SetBitrate(c.bitrate);
        coder.SetInputFiles(c.inputs);
        coder.SetOutputFiles(c.outputs);
        try {
            coder.Process();
            ADD_FAILURE() << "no error";
        } catch (const ELameError& error) {
            EXPECT_EQ(error.Message(), c.message);
        }
        EXPECT_EQ(events, QStringList({"BeginProcess", "BeginFile 0"}));
        EXPECT_FALSE(QFile::exists(c.outputs[1]));
    }
    EXPECT_GT(QFileInfo(Path("cut.mp3")).size(), 0) << "what was encoded before the short read stays";
}

TEST_F(LameCoderProcess, CancelEndsAfterTheCurrentChunkWithoutTheFlush)
{
    const QByteArray wav = audio::Wav(44100, 2, audio::SinePcm(44100, 2, 100000));
    coder.SetInputFiles({Write("one.wav", wav), Write("two.wav", wav)});
    coder.SetOnProgress([this](TObject*, std::uint16_t percent) {
        progress.push_back(percent);
        if (progress.size() == 3)
            coder.Cancel();
    });
    coder.Process();
    EXPECT_EQ(progress.size(), 3u);
    EXPECT_EQ(events, QStringList({"BeginProcess", "BeginFile 0"}));
    EXPECT_TRUE(QFile::exists(Path("one.mp3")));
    EXPECT_FALSE(QFile::exists(Path("two.mp3")));
}

// The Xing/Info tag at the start of the first frame: the frame count must be the file's.
int TaggedFrameCount(const QByteArray& mp3)
{
    for (const char* marker : {"Xing", "Info"}) {
        const qsizetype at = mp3.indexOf(marker);
        if (at >= 0 && at < 64 && (qFromBigEndian<std::uint32_t>(mp3.constData() + at + 4) & 1))
            return static_cast<int>(qFromBigEndian<std::uint32_t>(mp3.constData() + at + 8));
    }
    return -1;
}

TEST_F(LameCoderProcess, WritesACorrectInfoTagWhenAskedFor)
{
    const QByteArray wav = audio::Wav(44100, 2, audio::SinePcm(44100, 2, 441000));
    for (bool vbr : {false, true}) {
        SCOPED_TRACE(vbr ? "VBR" : "CBR with header");
        coder.SetEnableVBR(vbr);
        coder.SetWriteVBRHeader(true);
        coder.SetInputFiles({Write("tagged.wav", wav)});
        coder.Process();
        const QByteArray mp3 = audio::ReadFile(Path("tagged.mp3"));
        // 441000 frames of 1152 samples, plus the encoder's padding, plus the tag frame.
        const int frames = TaggedFrameCount(mp3);
        EXPECT_GE(frames, 441000 / 1152);
        EXPECT_LE(frames, 441000 / 1152 + 4);
    }
}

}  // namespace
