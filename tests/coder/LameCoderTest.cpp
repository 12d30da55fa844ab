// The MP3 coder's settings rules and its WAV/PCM conversion, on the real encoder library.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

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
    coder.SetSampleRate(22050);
    coder.SetMode(TLameMode::MONO);
    coder.SetInputFiles({Write("voice.wav", audio::Wav(22050, 1, pcm, options))});
    coder.Process();

    const audio::Decoded decoded = audio::DecodeMp3(Path("voice.mp3"));
    ASSERT_TRUE(decoded.Ok);
    EXPECT_EQ(decoded.SampleRate, 22050);
    EXPECT_EQ(decoded.Channels, 1);
    EXPECT_NEAR(decoded.Frames(), 44100, 576 + 2257);
    EXPECT_GT(audio::BestCorrelation(pcm, 1, decoded), 0.95);
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
    const QString good = Write("good.wav", audio::Wav(44100, 2, audio::SinePcm(44100, 2, 44100)));
    const QString tiny = Write("tiny.wav", audio::Wav(44100, 2, audio::SinePcm(44100, 2, 100)));

    const struct {
        const char* name;
        QStringList inputs;
        QStringList outputs;
        std::uint32_t bitrate;
        QString message;
        QStringList events;
    } cases[] = {
        // Refused settings end the list before its file begins, with the message a rip gives.
        {"refused settings", {good, good}, {Path("a.mp3"), Path("b.mp3")}, 7,
         "beInitStream failed 2: the encoder refuses these settings (44100 Hz, 7 kbit/s, stereo, fed 44100 Hz in 2 "
         "channels)",
         {"BeginProcess"}},
        {"short write", {good, good}, {"/dev/full", Path("b.mp3")}, 128, "Write Error", {"BeginProcess", "BeginFile 0"}},
        {"short final write", {tiny, good}, {"/dev/full", Path("b.mp3")}, 128, "Write error",
         {"BeginProcess", "BeginFile 0"}},
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
        EXPECT_EQ(events, c.events);
        EXPECT_FALSE(QFile::exists(c.outputs[1]));
    }
    EXPECT_FALSE(QFile::exists(Path("a.mp3"))) << "a refused stream opens no file";
}

// A WAV cut off, or written through a pipe with a placeholder length, converts the audio it holds into a
// finished MP3 and is named as short.
TEST_F(LameCoderProcess, AWavShorterThanItsHeaderSaysConvertsWhatIsThere)
{
    const QByteArray pcm = audio::SinePcm(44100, 2, 44100);
    audio::WavOptions cutOff;
    cutOff.DeclaredDataLength = pcm.size() * 2;
    audio::WavOptions piped;
    piped.DeclaredDataLength = 0xFFFFFFFF;
    const QString cut = Write("cut.wav", audio::Wav(44100, 2, pcm, cutOff));
    const QString pipe = Write("pipe.wav", audio::Wav(44100, 2, pcm, piped));
    const QString whole = Write("whole.wav", audio::Wav(44100, 2, pcm));
    coder.SetWriteVBRHeader(true);
    coder.SetInputFiles({cut, whole, pipe});
    coder.Process();

    EXPECT_EQ(events, QStringList({"BeginProcess", "BeginFile 0", "EndFile 0", "BeginFile 1", "EndFile 1",
                                   "BeginFile 2", "EndFile 2", "EndProcess"}));
    EXPECT_EQ(coder.ShortInputs(), QStringList({cut, pipe}));
    for (const QString name : {"cut.mp3", "pipe.mp3"}) {
        SCOPED_TRACE(name.toStdString());
        const audio::Decoded decoded = audio::DecodeMp3(Path(name));
        ASSERT_TRUE(decoded.Ok);
        // The info tag written after the flush lets the decoder drop the encoder's delay and padding.
        EXPECT_NEAR(decoded.Frames(), 44100, 1152);
        EXPECT_EQ(audio::ReadFile(Path(name)), audio::ReadFile(Path("whole.mp3")));
    }
}

// The MP3 is made at the coder's rate and mode whatever the WAV holds: LAME resamples, mixes down, or
// puts one channel into both.
TEST_F(LameCoderProcess, TheMp3TakesTheCodersRateAndModeFromAnyWav)
{
    const struct {
        int rate;
        int channels;
        std::uint32_t mp3Rate;
        TLameMode mode;
        int mp3Channels;
    } cases[] = {
        {44100, 2, 44100, TLameMode::MONO, 1},   {44100, 1, 44100, TLameMode::STEREO, 2},
        {44100, 2, 22050, TLameMode::JSTEREO, 2}, {22050, 1, 44100, TLameMode::DUALCHANNEL, 2},
        {11025, 2, 32000, TLameMode::MONO, 1},
    };
    coder.SetWriteVBRHeader(true);
    for (const auto& c : cases) {
        SCOPED_TRACE(QString("%1 Hz x%2 -> %3 Hz mode %4").arg(c.rate).arg(c.channels).arg(c.mp3Rate).arg(int(c.mode)).toStdString());
        const QByteArray pcm = audio::SinePcm(c.rate, c.channels, c.rate * 2);
        coder.SetSampleRate(c.mp3Rate);
        coder.SetMode(c.mode);
        coder.SetInputFiles({Write("in.wav", audio::Wav(c.rate, c.channels, pcm))});
        coder.Process();
        const audio::Decoded decoded = audio::DecodeMp3(Path("in.mp3"));
        ASSERT_TRUE(decoded.Ok);
        EXPECT_EQ(decoded.SampleRate, static_cast<int>(c.mp3Rate));
        EXPECT_EQ(decoded.Channels, c.mp3Channels);
        EXPECT_NEAR(decoded.Frames(), 2 * static_cast<int>(c.mp3Rate), 1152) << "two seconds";
    }
}

// An output that is one of the inputs, under any spelling, is refused before any file is touched.
TEST_F(LameCoderProcess, NeverWritesOverAnInputFile)
{
    const QByteArray mp3 = "ID3 not really an mp3 but precious";
    const QString input = Write("song.mp3", mp3);
    Write("other.wav", audio::Wav(44100, 2, audio::SinePcm(44100, 2, 4410)));
    QDir(folder.path()).mkdir("sub");
    ASSERT_TRUE(QFile::link(input, Path("link.mp3")));
    ASSERT_EQ(::link(QFile::encodeName(input).constData(), QFile::encodeName(Path("hard.mp3")).constData()), 0);

    const struct {
        const char* name;
        QStringList inputs;
        QStringList outputs;
    } cases[] = {
        {"the same path", {input}, {}},
        {"another spelling", {Path("other.wav"), input}, {Path("other.mp3"), Path("sub/../song.mp3")}},
        {"a symbolic link", {input}, {Path("link.mp3")}},
        {"a hard link", {Path("other.wav"), input}, {Path("x.mp3"), Path("hard.mp3")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        events.clear();
        coder.SetInputFiles(c.inputs);
        if (!c.outputs.isEmpty())
            coder.SetOutputFiles(c.outputs);
        try {
            coder.Process();
            ADD_FAILURE() << "no error";
        } catch (const ELameError& error) {
            EXPECT_TRUE(error.Message().contains("would be written over the input file")) << error.Message().toStdString();
        }
        EXPECT_TRUE(events.isEmpty());
        EXPECT_EQ(audio::ReadFile(input), mp3);
        EXPECT_FALSE(QFile::exists(Path("other.mp3")));
    }
}

// Commands stay clickable while a conversion pumps messages; one started meanwhile does nothing.
TEST_F(LameCoderProcess, AConversionStartedDuringAnotherDoesNothing)
{
    const QByteArray pcm = audio::SinePcm(44100, 2, 88200);
    coder.SetInputFiles({Write("one.wav", audio::Wav(44100, 2, pcm))});
    TLameCoder second(nullptr);
    second.SetInputFiles({Write("two.wav", audio::Wav(44100, 2, pcm))});
    int nested = 0;
    coder.SetOnProgress([&](TObject*, std::uint16_t) {
        ++nested;
        coder.Process();
        second.Process();
    });
    coder.Process();

    EXPECT_GT(nested, 1);
    EXPECT_EQ(events, QStringList({"BeginProcess", "BeginFile 0", "EndFile 0", "EndProcess"}));
    EXPECT_FALSE(QFile::exists(Path("two.mp3")));
    const audio::Decoded decoded = audio::DecodeMp3(Path("one.mp3"));
    ASSERT_TRUE(decoded.Ok);
    EXPECT_GT(audio::BestCorrelation(pcm, 2, decoded), 0.95);
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
