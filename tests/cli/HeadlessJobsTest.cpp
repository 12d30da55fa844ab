// The headless jobs of the trackwell executable on the demo disc image: what they write, and how
// each kind of bad input ends (a clear message, exit code 1, earlier files untouched).
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <map>

#include <map>

#include "tests/support/AudioFiles.h"
#include "tests/support/FlacFiles.h"

namespace {

struct JobRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class HeadlessJobs : public testing::Test {
protected:
    static QString Bin(const QString& name) { return QCoreApplication::applicationDirPath() + "/" + name; }
    static QString Disc() { return Bin("demo/Trackwell-Demo.cue"); }

    JobRun Trackwell(const QStringList& arguments, const QString& wrapper = {}) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("TRACKWELL_DEVICE");
        environment.remove("QT_QPA_PLATFORM");  // headless jobs need no GUI platform at all
        // Rips ask the AccurateRip database; here a closed loopback port answers at once that it is offline.
        environment.insert("TRACKWELL_ACCURATERIP_URL", "http://127.0.0.1:9/");
        process.setProcessEnvironment(environment);
        if (wrapper.isEmpty())
            process.start(Bin("trackwell"), arguments);
        else
            process.start(wrapper.section(' ', 0, 0), wrapper.section(' ', 1).split(' ') + QStringList{Bin("trackwell")} + arguments);
        JobRun run;
        if (!process.waitForFinished(120000))
            return run;
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
        run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
        run.err = QString::fromLocal8Bit(process.readAllStandardError());
        return run;
    }

    // The sectors of a track as the image holds them.
    static QByteArray ImageSectors(int first, int last)
    {
        QFile bin(Bin("demo/Trackwell-Demo.bin"));
        EXPECT_TRUE(bin.open(QIODevice::ReadOnly));
        bin.seek(qint64{first} * 2352);
        return bin.read(qint64{last - first + 1} * 2352);
    }

    QString Out(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    // The demo disc's table of contents, as its cue sheet gives it.
    const std::vector<std::pair<int, int>> tracks{{0, 1649}, {1650, 3514}, {3515, 5164}};
};

TEST_F(HeadlessJobs, ListPrintsTheTrackNamesAndSectorRanges)
{
    const JobRun run = Trackwell({"--device", Disc(), "--list"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    // The demo disc has text: its album and artist come first, and each track's title ends its line.
    ASSERT_EQ(lines.size(), 5) << run.out.toStdString();
    EXPECT_EQ(lines[0], "Album: Trackwell Demo");
    EXPECT_EQ(lines[1], "Artist: Trackwell");
    const char* const titles[] = {"Morning Steps", "Lantern Waltz", "Quiet River"};
    for (int i = 0; i < 3; ++i) {
        const QString& line = lines[i + 2];
        EXPECT_TRUE(line.startsWith(QString("Track0%1").arg(i + 1))) << line.toStdString();
        EXPECT_TRUE(line.contains(QString("%1-%2").arg(tracks[i].first).arg(tracks[i].second))) << line.toStdString();
        EXPECT_TRUE(line.endsWith(QString("  ") + titles[i])) << line.toStdString();
    }
}

TEST_F(HeadlessJobs, RipsToWavFilesHoldingExactlyTheTracksSectors)
{
    const JobRun run = Trackwell({"--device", Disc(), "--rip", "all", "--format", "wav", "--output", folder.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("Ripped 3 tracks")) << run.out.toStdString();
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        const QByteArray wav = audio::ReadFile(Out(QString("Track0%1.wav").arg(i + 1)));
        const QByteArray sectors = ImageSectors(tracks[i].first, tracks[i].second);
        ASSERT_EQ(wav.size(), 44 + sectors.size());
        EXPECT_EQ(wav.mid(0, 4), "RIFF");
        EXPECT_EQ(qFromLittleEndian<std::uint32_t>(wav.constData() + 4), std::uint32_t(wav.size() - 8));
        EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(qFromLittleEndian<std::uint16_t>(wav.constData() + 22), 2);
        EXPECT_EQ(qFromLittleEndian<std::uint32_t>(wav.constData() + 24), 44100u);
        EXPECT_EQ(wav.mid(36, 4), "data");
        EXPECT_EQ(qFromLittleEndian<std::uint32_t>(wav.constData() + 40), std::uint32_t(sectors.size()));
        EXPECT_TRUE(wav.mid(44) == sectors) << "the audio differs from the image's sectors";
    }
}

TEST_F(HeadlessJobs, RipsToMp3FilesOfTheTracksDurationAndContent)
{
    const JobRun run = Trackwell({"--device", Disc(), "--rip", "1,3", "--format", "mp3", "--output", folder.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(Out("Track02.mp3")));
    for (int i : {0, 2}) {
        SCOPED_TRACE(i + 1);
        const QByteArray sectors = ImageSectors(tracks[i].first, tracks[i].second);
        const audio::Decoded decoded = audio::DecodeMp3(Out(QString("Track0%1.mp3").arg(i + 1)));
        ASSERT_TRUE(decoded.Ok);
        EXPECT_EQ(decoded.SampleRate, 44100);
        EXPECT_EQ(decoded.Channels, 2);
        // The whole track, its last partial encoder chunk included: within one frame plus the encoder's delay.
        const int frames = sectors.size() / 4;
        EXPECT_GE(decoded.Frames(), frames - 1152);
        EXPECT_LE(decoded.Frames(), frames + 1152 + 2257);
        EXPECT_GT(audio::BestCorrelation(sectors, 2, decoded, 3000, 8192, frames / 2), 0.9);
    }
}

TEST_F(HeadlessJobs, FlacRipsDecodeBitIdenticalToTheWavRipAtEveryLevel)
{
    const JobRun wav = Trackwell({"--device", Disc(), "--rip", "all", "--format", "wav", "--output", Out("wav")});
    ASSERT_EQ(wav.exitCode, 0) << wav.err.toStdString();
    std::map<QString, qint64> sizes;
    for (const QString level : {"0", "5", "8"}) {
        SCOPED_TRACE(level.toStdString());
        QStringList arguments{"--device", Disc(), "--rip", "all", "--format", "flac", "--output", Out("flac" + level)};
        if (level != "5")
            arguments << "--flac-level" << level;  // 5 is the default
        const JobRun run = Trackwell(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        for (int t = 1; t <= 3; ++t) {
            SCOPED_TRACE(t);
            const QString file = Out(QString("flac%1/Track0%2.flac").arg(level).arg(t));
            const flac::Decoded decoded = flac::Decode(file);
            EXPECT_TRUE(decoded.Whole);
            EXPECT_TRUE(decoded.HeaderMd5Set);
            EXPECT_TRUE(decoded.Pcm == audio::ReadFile(Out(QString("wav/Track0%1.wav").arg(t))).mid(44)) << "not bit-identical";
            sizes[level] += QFileInfo(file).size();
        }
        EXPECT_TRUE(run.out.contains("Rip log and cue sheet")) << run.out.toStdString();
        // The disc's text goes into the files, which name their encoder.
        const QByteArray flac = audio::ReadFile(Out("flac" + level + "/Track01.flac"));
        EXPECT_TRUE(flac.contains("TITLE=")) << "no tags";
        EXPECT_TRUE(flac.contains("ENCODER=Trackwell "));
        EXPECT_TRUE(flac.contains(QStringLiteral("(libFLAC %1): lossless, level %2").arg(QString::fromLatin1(FLAC__VERSION_STRING), level).toLatin1()));
    }
    EXPECT_LT(sizes["8"], sizes["0"]);
}

TEST_F(HeadlessJobs, ConvertsWavFilesToFlacBesideThem)
{
    const QByteArray stereo = audio::SinePcm(44100, 2, 70000);
    const QByteArray mono = audio::SinePcm(22050, 1, 30000);
    ASSERT_TRUE(audio::WriteFile(Out("stereo.wav"), audio::Wav(44100, 2, stereo)));
    ASSERT_TRUE(audio::WriteFile(Out("mono.wav"), audio::Wav(22050, 1, mono)));
    const JobRun run = Trackwell({"--convert", Out("stereo.wav"), Out("mono.wav"), "--format", "flac", "--flac-level", "8"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("Converted 2 files")) << run.out.toStdString();
    const flac::Decoded decodedStereo = flac::Decode(Out("stereo.flac"));
    EXPECT_TRUE(decodedStereo.Whole);
    EXPECT_EQ(decodedStereo.Channels, 2u);
    EXPECT_TRUE(decodedStereo.Pcm == stereo);
    const flac::Decoded decodedMono = flac::Decode(Out("mono.flac"));
    EXPECT_TRUE(decodedMono.Whole);
    EXPECT_EQ(decodedMono.SampleRate, 22050u);
    EXPECT_TRUE(decodedMono.Pcm == mono);
}

TEST_F(HeadlessJobs, ConvertsWavFilesBesideThem)
{
    const QString wav = Out("song.wav");
    ASSERT_TRUE(audio::WriteFile(wav, audio::Wav(44100, 2, audio::SinePcm(44100, 2, 44100))));
    const JobRun run = Trackwell({"--convert", wav, "--bitrate", "192", "--mode", "joint"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("Converted 1 file")) << run.out.toStdString();
    EXPECT_TRUE(audio::DecodeMp3(Out("song.mp3")).Ok);
}

TEST_F(HeadlessJobs, BadInputEndsWithAClearMessageAndLeavesEarlierFilesAlone)
{
    // An earlier rip's file that no failing job may touch.
    const QByteArray earlier("earlier output");
    ASSERT_TRUE(audio::WriteFile(Out("Track02.mp3"), earlier));
    ASSERT_TRUE(audio::WriteFile(Out("Track02.wav"), earlier));
    ASSERT_TRUE(audio::WriteFile(Out("damaged.cue"), "FILE \"nothing.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"));
    ASSERT_TRUE(audio::WriteFile(Out("garbage.cue"), QByteArray(300, '\x07')));
    audio::WavOptions cut;
    cut.DeclaredDataLength = 400000;
    ASSERT_TRUE(audio::WriteFile(Out("cut.wav"), audio::Wav(44100, 2, audio::SinePcm(44100, 2, 20000), cut)));
    ASSERT_TRUE(audio::WriteFile(Out("plain-file"), "x"));

    const struct {
        const char* name;
        QStringList arguments;
        QString wrapper;
        QString message;
    } cases[] = {
        {"missing image", {"--device", Out("missing.cue"), "--list"}, {}, "missing.cue: no such drive or disc image"},
        {"damaged image", {"--device", Out("damaged.cue"), "--rip", "all", "--output", folder.path()}, {},
         "Cannot read a disc: " + Out("damaged.cue:1: ") + Out("nothing.bin: no such file")},
        {"garbage image", {"--device", Out("garbage.cue"), "--list"}, {}, "garbage.cue:1: control characters in the line"},
        {"track out of range", {"--device", Disc(), "--rip", "1,9", "--output", folder.path()}, {}, "Track 9 does not exist: the disc has 3 tracks"},
        {"folder not creatable", {"--device", Disc(), "--rip", "1", "--output", Out("plain-file/sub")}, {}, "Cannot create the output folder"},
        {"disk full, MP3", {"--device", Disc(), "--rip", "1", "--output", folder.path()}, "prlimit --fsize=100000", "Write error (ripping Track01"},
        {"disk full, WAV", {"--device", Disc(), "--rip", "1", "--format", "wav", "--output", folder.path()}, "prlimit --fsize=100000", "Write error (ripping Track01"},
        {"disk full, FLAC", {"--device", Disc(), "--rip", "1", "--format", "flac", "--output", folder.path()}, "prlimit --fsize=100000", "Write error (ripping Track01"},
        {"missing WAV", {"--convert", Out("none.wav")}, {}, "Cannot open file"},
        {"converting an MP3 onto itself", {"--convert", Out("Track02.mp3")}, {}, "would be written over the input file"},
        // The same refused settings give the same message whichever job opens the stream.
        {"refused settings, rip", {"--device", Disc(), "--rip", "1", "--vbr", "4", "--max-bitrate", "128", "--output", folder.path()},
         {}, "beInitStream failed 2: the encoder refuses these settings (44100 Hz, 256 kbit/s, stereo, fed 44100 Hz in 2 channels)"},
        {"refused settings, convert", {"--convert", Out("cut.wav"), "--vbr", "4", "--max-bitrate", "128"},
         {}, "beInitStream failed 2: the encoder refuses these settings (44100 Hz, 256 kbit/s, stereo, fed 44100 Hz in 2 channels)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const JobRun run = Trackwell(c.arguments, c.wrapper);
        EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith("trackwell: ")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_EQ(audio::ReadFile(Out("Track02.mp3")), earlier);
        EXPECT_EQ(audio::ReadFile(Out("Track02.wav")), earlier);
    }
    // What a full disk let through keeps a header that describes it.
    const QByteArray wav = audio::ReadFile(Out("Track01.wav"));
    ASSERT_GE(wav.size(), 44);
    EXPECT_EQ(qFromLittleEndian<std::uint32_t>(wav.constData() + 40), std::uint32_t(wav.size() - 44));
    EXPECT_EQ(qFromLittleEndian<std::uint32_t>(wav.constData() + 4), std::uint32_t(wav.size() - 8));
}

TEST_F(HeadlessJobs, AMalformedCommandLineIsAUsageError)
{
    for (const QStringList& arguments : {QStringList{"--rip"}, QStringList{"--rip", "x"}, QStringList{"--list", "--rip", "1"},
                                         QStringList{"--rip", "1", "--bitrate", "999"}, QStringList{"--list", "--frobnicate"},
                                         QStringList{"--frobnicate"}, QStringList{"--device", "x.cue", "stray"},
                                         QStringList{"--rip", "1", "--format", "flac", "--flac-level", "9"},
                                         QStringList{"--convert", "a.wav", "--format", "wav"}}) {
        const JobRun run = Trackwell(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("usage: trackwell")) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    }
}

TEST_F(HeadlessJobs, AWavShorterThanItsHeaderSaysIsConvertedAndNamedShort)
{
    audio::WavOptions cut;
    cut.DeclaredDataLength = 400000;
    ASSERT_TRUE(audio::WriteFile(Out("cut.wav"), audio::Wav(44100, 2, audio::SinePcm(44100, 2, 20000), cut)));
    const JobRun run = Trackwell({"--convert", Out("cut.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("the WAV file ends before its header says")) << run.out.toStdString();
    const audio::Decoded decoded = audio::DecodeMp3(Out("cut.mp3"));
    ASSERT_TRUE(decoded.Ok);
    EXPECT_NEAR(decoded.Frames(), 20000, 1152 + 2257);
}

// A one-track image of seconds of a stereo sine, as a sheet and a raw file named like it.
QString MakeImage(const QString& folder, double seconds)
{
    const int sectors = static_cast<int>(seconds * 75);
    EXPECT_TRUE(audio::WriteFile(folder + "/tone.bin", audio::SinePcm(44100, 2, sectors * 588)));
    EXPECT_TRUE(audio::WriteFile(folder + "/tone.cue", "FILE \"tone.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"));
    return folder + "/tone.cue";
}

// Every rate, mode and ripped format the command line offers: the MP3 lasts as long as the audio that was
// ripped, at the rate and in the channels asked for.
TEST_F(HeadlessJobs, RippedMp3sLastAsLongAsTheAudioAtTheChosenRateAndMode)
{
    const QString image = MakeImage(folder.path(), 2);
    const QStringList formats{"stereo44100", "mono44100", "stereo22050", "mono22050", "stereo11025", "mono11025"};
    const QStringList modes{"stereo", "joint", "dual", "mono"};
    for (const QString rate : {"44100", "32000", "22050"})
        for (const QString& mode : modes)
            for (const QString& format : formats) {
                SCOPED_TRACE((rate + " " + mode + " " + format).toStdString());
                const JobRun run = Trackwell({"--device", image, "--rip", "1", "--rate", rate, "--mode", mode,
                                              "--output-format", format, "--vbr-header", "--output", folder.path()});
                ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
                const audio::Decoded decoded = audio::DecodeMp3(Out("Track01.mp3"));
                ASSERT_TRUE(decoded.Ok);
                EXPECT_EQ(decoded.SampleRate, rate.toInt());
                EXPECT_EQ(decoded.Channels, mode == "mono" ? 1 : 2);
                EXPECT_NEAR(decoded.Frames(), 2 * rate.toInt(), 1152) << "two seconds";
            }
}

// Mixed-mode discs, the data track first or last (Enhanced CD): "all" rips the audio and says what it skipped;
// a data track asked for by number rips its raw sectors and ends.
TEST_F(HeadlessJobs, DataTracksAreSkippedByAllAndRippedRawWhenNamed)
{
    QByteArray data(150 * 2352, Qt::Uninitialized);
    for (qsizetype i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i * 7 % 253);
    const QByteArray audio = audio::SinePcm(44100, 2, 150 * 588);
    const struct {
        const char* name;
        QByteArray bin;
        const char* cue;
        int dataTrack;
    } cases[] = {
        {"data first", data + audio,
         "FILE \"mixed.bin\" BINARY\n  TRACK 01 MODE1/2352\n    INDEX 01 00:00:00\n  TRACK 02 AUDIO\n    INDEX 01 00:02:00\n", 1},
        {"data last", audio + data,
         "FILE \"mixed.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n  TRACK 02 MODE2/2352\n    INDEX 01 00:02:00\n", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(audio::WriteFile(Out("mixed.bin"), c.bin));
        ASSERT_TRUE(audio::WriteFile(Out("mixed.cue"), c.cue));
        const QString dataName = QString("Track0%1").arg(c.dataTrack);
        const QString audioName = QString("Track0%1").arg(3 - c.dataTrack);
        QFile::remove(Out("Track01.wav"));
        QFile::remove(Out("Track02.wav"));

        const JobRun list = Trackwell({"--device", Out("mixed.cue"), "--list"});
        ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
        EXPECT_TRUE(list.out.contains(QRegularExpression(dataName + "\\s+Data"))) << list.out.toStdString();

        const JobRun all = Trackwell({"--device", Out("mixed.cue"), "--rip", "all", "--format", "wav", "--output", folder.path()});
        ASSERT_EQ(all.exitCode, 0) << all.err.toStdString();
        EXPECT_TRUE(all.out.contains("Skipping " + dataName + ": a data track")) << all.out.toStdString();
        EXPECT_FALSE(QFile::exists(Out(dataName + ".wav")));
        EXPECT_EQ(audio::ReadFile(Out(audioName + ".wav")).mid(44), audio);

        const JobRun named = Trackwell({"--device", Out("mixed.cue"), "--rip", QString::number(c.dataTrack), "--format",
                                        "wav", "--output", folder.path()});
        ASSERT_EQ(named.exitCode, 0) << named.err.toStdString();
        EXPECT_EQ(audio::ReadFile(Out(dataName + ".wav")).mid(44), data);
    }
}

TEST_F(HeadlessJobs, ADamagedTableOfContentsIsRefusedNamingTheSheet)
{
    ASSERT_TRUE(audio::WriteFile(Out("tone.bin"), audio::SinePcm(44100, 2, 300 * 588)));
    ASSERT_TRUE(audio::WriteFile(Out("back.cue"), "FILE \"tone.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:03:00\n"
                                                  "  TRACK 02 AUDIO\n    INDEX 01 00:01:00\n"));
    for (const QString job : {"--list", "--rip"}) {
        QStringList arguments{"--device", Out("back.cue"), job};
        if (job == "--rip")
            arguments << "all" << "--output" << folder.path();
        const JobRun run = Trackwell(arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(Out("back.cue"))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    }
    EXPECT_FALSE(QFile::exists(Out("Track01.mp3")));
}

}  // namespace

// Where "Output" beside the program cannot be used (here a file holds the name), the files go to
// the music folder the desktop's user folders name, else to ~/Music.
TEST_F(HeadlessJobs, WithoutAnOutputFolderBesideTheProgramFilesGoToTheMusicFolder)
{
    struct Case {
        const char* UserDirs;  // the user-dirs.dirs file, or null for none
        const char* Music;     // below HOME
    } const cases[] = {
        {"XDG_MUSIC_DIR=\"$HOME/Tunes\"\n", "Tunes"},
        {nullptr, "Music"},
    };
    for (const Case& c : cases) {
        QTemporaryDir root;
        ASSERT_TRUE(QDir(root.path()).mkpath("bin") && QDir(root.path()).mkpath("home") &&
                    QDir(root.path()).mkpath("config"));
        // A copy of the program, since its folder is where it looks for "Output".
        const QString program = root.filePath("bin/trackwell");
        ASSERT_TRUE(QFile::copy(Bin("trackwell"), program));
        QFile blocker(root.filePath("bin/Output"));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        if (c.UserDirs != nullptr) {
            QFile userDirs(root.filePath("config/user-dirs.dirs"));
            ASSERT_TRUE(userDirs.open(QIODevice::WriteOnly));
            userDirs.write(c.UserDirs);
        }
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        environment.insert("HOME", root.filePath("home"));
        environment.insert("XDG_CONFIG_HOME", root.filePath("config"));
        environment.insert("TRACKWELL_CDRIP_LIBRARY", Bin("libcdrip.so"));
        environment.insert("TRACKWELL_LAME_LIBRARY", Bin("liblame_enc.so"));
        environment.insert("TRACKWELL_ACCURATERIP_URL", "http://127.0.0.1:9/");
        process.setProcessEnvironment(environment);
        process.start(program, {"--device", Disc(), "--rip", "1", "--format", "wav"});
        ASSERT_TRUE(process.waitForFinished(120000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        const QString expected = root.filePath(QStringLiteral("home/%1/Trackwell/Output/Track01.wav").arg(c.Music));
        EXPECT_TRUE(QFileInfo::exists(expected)) << expected.toStdString();
    }
}

// A two-track image whose cue sheet names the disc and its tracks in UTF-8; the first track's title would climb
// out of the output folder.
QString MakeNamedImage(const QString& folder)
{
    EXPECT_TRUE(audio::WriteFile(folder + "/named.bin", audio::SinePcm(44100, 2, 150 * 588)));
    EXPECT_TRUE(audio::WriteFile(folder + "/named.cue",
                                 "REM GENRE \"Trip Hop\"\nREM DATE 1998\nCATALOG 0731454569821\nPERFORMER \"Björk\"\n"
                                 "TITLE \"Ænima — 東京\"\nFILE \"named.bin\" BINARY\n  TRACK 01 AUDIO\n"
                                 "    TITLE \"../../escape\"\n    SONGWRITER \"Ελληνικά\"\n    INDEX 01 00:00:00\n"
                                 "  TRACK 02 AUDIO\n    TITLE \"Straße 𝄞\"\n"
                                 "    PERFORMER \"Zoë\"\n    SONGWRITER \"Søren\"\n    ISRC GBAYE0601498\n    INDEX 01 00:01:00\n"));
    return folder + "/named.cue";
}

// The format tags of a media file as ffprobe reads them.
QJsonObject FfprobeTags(const QString& file)
{
    QProcess ffprobe;
    ffprobe.start("ffprobe", {"-v", "quiet", "-print_format", "json", "-show_entries", "format_tags", file});
    EXPECT_TRUE(ffprobe.waitForFinished(60000));
    return QJsonDocument::fromJson(ffprobe.readAllStandardOutput()).object()["format"].toObject()["tags"].toObject();
}

TEST_F(HeadlessJobs, NamedFilesCarryTheDiscsTextAndNeverReplaceOrEscape)
{
    if (QStandardPaths::findExecutable("ffprobe").isEmpty())
        GTEST_SKIP() << "ffprobe is missing (bash scripts/setup.sh)";
    const QString image = MakeNamedImage(folder.path());
    const QString output = Out("out");
    const QStringList rip{"--device", image, "--rip", "all", "--name", "%n %a - %t", "--output", output};
    JobRun run = Trackwell(rip);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString first = output + "/01 Björk - .._.._escape.mp3";
    const QString second = output + "/02 Zoë - Straße 𝄞.mp3";
    ASSERT_TRUE(QFileInfo::exists(first) && QFileInfo::exists(second)) << QDir(output).entryList().join(", ").toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"named.bin", "named.cue", "out"}))
        << "nothing beside the output folder";

    const QJsonObject tags = FfprobeTags(second);
    const std::map<QString, QString> expected = {
        {"title", "Straße 𝄞"}, {"artist", "Zoë"}, {"album", "Ænima — 東京"}, {"album_artist", "Björk"},
        {"composer", "Søren"}, {"genre", "Trip Hop"}, {"date", "1998"}, {"track", "2/2"}, {"TSRC", "GBAYE0601498"},
        {"BARCODE", "0731454569821"},
    };
    for (const auto& [key, value] : expected)
        EXPECT_EQ(tags[key].toString(), value) << key.toStdString();
    EXPECT_TRUE(tags["encoder"].toString().startsWith("Trackwell ")) << tags["encoder"].toString().toStdString();
    EXPECT_TRUE(tags["encoder"].toString().endsWith(": 256 kbit/s CBR, 44100 Hz, stereo, normal quality"));
    EXPECT_EQ(FfprobeTags(first)["title"].toString(), "../../escape");
    EXPECT_EQ(FfprobeTags(first)["artist"].toString(), "Björk") << "the album's performer";
    // Latin-1 frames (Björk, Zoë) and UTF-16 ones, inside the BMP and beyond it, read back alike.
    EXPECT_EQ(FfprobeTags(first)["composer"].toString(), "Ελληνικά");
    const audio::Decoded decoded = audio::DecodeMp3(second);
    ASSERT_TRUE(decoded.Ok);
    EXPECT_NEAR(decoded.Frames(), 75 * 588, 1152 + 2257);

    // Again into the same folder: the files of the first rip stay and the new ones are numbered, unless asked.
    const QByteArray firstBytes = audio::ReadFile(first);
    run = Trackwell(rip);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(audio::ReadFile(first), firstBytes);
    EXPECT_TRUE(QFileInfo::exists(output + "/01 Björk - .._.._escape (2).mp3"));
    EXPECT_TRUE(QFileInfo::exists(output + "/02 Zoë - Straße 𝄞 (2).mp3"));
    const int files = static_cast<int>(QDir(output).entryList(QDir::Files).size());
    run = Trackwell(rip + QStringList{"--overwrite"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QDir(output).entryList(QDir::Files).size(), files);
}

// A disk that holds the audio but not the tag: the file stays as ripped and the job says so.
TEST_F(HeadlessJobs, ATagThatCannotBeWrittenLeavesTheAudioAndFailsTheJob)
{
    const QString image = MakeNamedImage(folder.path());
    JobRun run = Trackwell({"--device", image, "--rip", "2", "--no-log", "--output", Out("tagged")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray tagged = audio::ReadFile(Out("tagged/Track02.mp3"));
    ASSERT_TRUE(tagged.startsWith("ID3"));
    qint64 tagSize = 10;  // the header, then the size in seven bits per byte
    for (int i = 6; i < 10; ++i)
        tagSize += qint64{tagged.at(i) & 0x7F} << (7 * (9 - i));
    const QByteArray audio = tagged.mid(tagSize);

    run = Trackwell({"--device", image, "--rip", "2", "--no-log", "--output", folder.path()},
                    QString("prlimit --fsize=%1").arg(audio.size() + 100));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("The audio was ripped, but 1 file could not be tagged: Cannot write the tags of " + Out("Track02.mp3")))
        << run.err.toStdString();
    EXPECT_EQ(audio::ReadFile(Out("Track02.mp3")), audio);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"named.bin", "named.cue", "Track02.mp3"}));
}

TEST_F(HeadlessJobs, ADiscWithoutTextGetsTrackNamesAndNoTagsAndIsListedWithoutText)
{
    const QString image = MakeImage(folder.path(), 1);
    const JobRun run = Trackwell({"--device", image, "--rip", "1", "--output", folder.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(audio::ReadFile(Out("Track01.mp3")).startsWith("ID3"));
    const JobRun listed = Trackwell({"--device", image, "--list"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    EXPECT_EQ(listed.out, "Track01  Audio  0-74           0:01\n");
}

TEST_F(HeadlessJobs, NameTemplatesThatMakeNoFileNameOrNameNoRipAreUsageErrors)
{
    const QStringList rip{"--device", Disc(), "--rip", "1", "--output", folder.path()};
    for (const QStringList& arguments : {rip + QStringList{"--name", "%n/%t"}, rip + QStringList{"--name", "%q"},
                                         rip + QStringList{"--name", ""}, QStringList{"--device", Disc(), "--list", "--name", "%t"},
                                         QStringList{"--device", Disc(), "--checksums", "--overwrite"}}) {
        const JobRun run = Trackwell(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("--name")) << run.err.toStdString();
        EXPECT_TRUE(QDir(folder.path()).isEmpty());
    }
}
