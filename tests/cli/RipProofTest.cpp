// The proof of a rip on a generated disc image: checksums against a reference written here from the published
// AccurateRip and CRC32 algorithms, the read offset, verification against dBAR answers from a file and from a
// loopback HTTP server, and the rip log and cue sheet written beside the files.
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace {

struct TJobRun {
    int exitCode = -1;
    QString out;
    QString err;
};

struct TSums {
    std::uint32_t crc = 0;
    std::uint32_t v1 = 0;
    std::uint32_t v2 = 0;
};

// The table of contents of the generated disc: three tracks, the middle one longer.
constexpr std::array<std::uint32_t, 4> kStarts = {0, 400, 1000, 1450};  // the last is the lead-out

// Bitwise CRC32 (reflected, polynomial EDB88320), independent of the zlib the program uses.
std::uint32_t ReferenceCrc32(const std::uint8_t* bytes, std::size_t count)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < count; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

class RipProof : public testing::Test {
protected:
    void SetUp() override
    {
        // Noise over the whole 16-bit range, so swapped, shifted or dropped samples all change the sums.
        disc.resize(std::size_t{kStarts.back()} * 588);
        std::uint32_t state = 12345;
        for (std::uint32_t& sample : disc) {
            state = state * 1664525u + 1013904223u;
            sample = state;
        }
        QFile bin(dir.filePath("disc.bin"));
        ASSERT_TRUE(bin.open(QIODevice::WriteOnly));
        bin.write(reinterpret_cast<const char*>(disc.data()), static_cast<qint64>(disc.size() * 4));
        bin.close();
        QFile cue(dir.filePath("disc.cue"));
        ASSERT_TRUE(cue.open(QIODevice::WriteOnly));
        // Track 2 has a pregap of 25 sectors and an ISRC; the disc a catalogue number.
        QByteArray sheet = "CATALOG 0731454569821\nFILE \"disc.bin\" BINARY\n";
        for (int t = 0; t < 3; ++t)
            sheet += QStringLiteral("  TRACK %1 AUDIO\n%5    INDEX 01 %2:%3:%4\n")
                         .arg(t + 1, 2, 10, QLatin1Char('0'))
                         .arg(kStarts[t] / 75 / 60, 2, 10, QLatin1Char('0'))
                         .arg(kStarts[t] / 75 % 60, 2, 10, QLatin1Char('0'))
                         .arg(kStarts[t] % 75, 2, 10, QLatin1Char('0'))
                         .arg(t == 1 ? "    ISRC GBAYE0601498\n    INDEX 00 00:05:00\n" : "")
                         .toLatin1();
        cue.write(sheet);
    }

    // Track t (0-based) as a drive with read offset correction `offset` delivers it: silence off the disc.
    std::vector<std::uint32_t> Track(int t, int offset) const
    {
        const std::int64_t first = std::int64_t{kStarts[t]} * 588;
        const std::int64_t count = std::int64_t{kStarts[t + 1] - kStarts[t]} * 588;
        std::vector<std::uint32_t> track(static_cast<std::size_t>(count));
        for (std::int64_t i = 0; i < count; ++i) {
            const std::int64_t at = first + i + offset;
            track[static_cast<std::size_t>(i)] = at >= 0 && at < static_cast<std::int64_t>(disc.size()) ? disc[static_cast<std::size_t>(at)] : 0;
        }
        return track;
    }

    // The checksum by which a pressing is placed: the 450th sector's 588 samples, each weighted by its 1-based
    // place in the sector.
    std::uint32_t ReferenceFrame450(int t, int offset) const
    {
        const std::vector<std::uint32_t> track = Track(t, offset);
        std::uint32_t sum = 0;
        for (std::size_t j = 0; j < 588; ++j)
            sum += static_cast<std::uint32_t>(j + 1) * track[450 * 588 + j];
        return sum;
    }

    TSums Reference(int t, int offset) const
    {
        const std::vector<std::uint32_t> track = Track(t, offset);
        const auto count = static_cast<std::int64_t>(track.size());
        TSums sums;
        sums.crc = ReferenceCrc32(reinterpret_cast<const std::uint8_t*>(track.data()), track.size() * 4);
        // AccurateRip: sample k (1-based) weighs k; the disc's first 5 sectors but one sample and its last 5
        // sectors are left out.
        const std::int64_t from = t == 0 ? 5 * 588 : 1;
        const std::int64_t to = t == 2 ? count - 5 * 588 : count;
        for (std::int64_t k = 1; k <= count; ++k) {
            if (k < from || k > to)
                continue;
            const std::uint64_t product = std::uint64_t{track[static_cast<std::size_t>(k - 1)]} * static_cast<std::uint64_t>(k);
            sums.v1 += static_cast<std::uint32_t>(product);
            sums.v2 += static_cast<std::uint32_t>(product) + static_cast<std::uint32_t>(product >> 32);
        }
        return sums;
    }

    bool TrackwellChecksLog(const QString& path) const { return Trackwell({"--check-log", path}).exitCode == 0; }

    static QString Bin(const QString& name) { return QCoreApplication::applicationDirPath() + "/" + name; }

    // Runs trackwell while this thread's event loop keeps serving (the loopback database lives on it).
    // program: another program started in its place (prlimit, which starts trackwell under a limit).
    TJobRun Trackwell(const QStringList& arguments, const QString& databaseUrl = QStringLiteral("http://127.0.0.1:9/"),
                      const QString& program = QStringLiteral("trackwell")) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("TRACKWELL_DEVICE");
        environment.remove("QT_QPA_PLATFORM");
        environment.insert("TRACKWELL_ACCURATERIP_URL", databaseUrl);
        process.setProcessEnvironment(environment);
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(120000, &loop, &QEventLoop::quit);
        process.start(program == QLatin1String("trackwell") ? Bin("trackwell") : program, arguments);
        loop.exec();
        TJobRun run;
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
        run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
        run.err = QString::fromLocal8Bit(process.readAllStandardError());
        return run;
    }

    // The per-track checksum lines a run printed, by track number.
    static std::map<int, TSums> PrintedSums(const QString& out)
    {
        std::map<int, TSums> sums;
        static const QRegularExpression line(QStringLiteral(R"(Track(\d+)  CRC32 ([0-9A-F]{8})  AccurateRip v1 ([0-9A-F]{8}) v2 ([0-9A-F]{8}))"));
        for (auto match = line.globalMatch(out); match.hasNext();) {
            const auto m = match.next();
            sums[m.captured(1).toInt()] = {m.captured(2).toUInt(nullptr, 16), m.captured(3).toUInt(nullptr, 16), m.captured(4).toUInt(nullptr, 16)};
        }
        return sums;
    }

    static QString Field(const QString& out, const QString& label)
    {
        const QRegularExpression pattern(QRegularExpression::escape(label) + QStringLiteral(": (\\S+)"));
        return pattern.match(out).captured(1);
    }

    struct TEntry {
        int confidence = 0;
        std::uint32_t checksum = 0;
        std::uint32_t frame450 = 0;
    };

    // A dBAR answer: one pressing per entry list, with the disc IDs the program printed.
    static QByteArray DbarFile(const QString& out, const std::vector<std::vector<TEntry>>& pressings, int trackCount = 3)
    {
        const QStringList parts = Field(out, "AccurateRip disc ID").chopped(4).split('-');
        QByteArray bytes;
        auto word = [&](std::uint32_t value) {
            char le[4];
            qToLittleEndian(value, le);
            bytes.append(le, 4);
        };
        for (const auto& pressing : pressings) {
            bytes.append(static_cast<char>(trackCount));
            for (int i = 2; i <= 4; ++i)
                word(parts.at(i).toUInt(nullptr, 16));
            for (const TEntry& entry : pressing) {
                bytes.append(static_cast<char>(entry.confidence));
                word(entry.checksum);
                word(entry.frame450);
            }
        }
        return bytes;
    }

    QString Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QString Cue() const { return dir.filePath("disc.cue"); }

    QTemporaryDir dir;
    std::vector<std::uint32_t> disc;
};

TEST_F(RipProof, ChecksumsMatchTheReferenceForFirstMiddleAndLastTrackAtEachOffset)
{
    for (const int offset : {-30, 0, 667}) {
        SCOPED_TRACE(offset);
        const TJobRun run = Trackwell({"--device", Cue(), "--checksums", "--offline", "--offset", QString::number(offset)});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const auto sums = PrintedSums(run.out);
        ASSERT_EQ(sums.size(), 3u) << run.out.toStdString();
        for (int t = 0; t < 3; ++t) {
            const TSums expected = Reference(t, offset);
            EXPECT_EQ(sums.at(t + 1).crc, expected.crc) << "track " << t + 1;
            EXPECT_EQ(sums.at(t + 1).v1, expected.v1) << "track " << t + 1;
            EXPECT_EQ(sums.at(t + 1).v2, expected.v2) << "track " << t + 1;
        }
    }
}

TEST_F(RipProof, AWavRipWritesTheSameChecksumsAndALogAndCueSheetThatReadsBack)
{
    const QString out = dir.filePath("out");
    const TJobRun run = Trackwell({"--device", Cue(), "--rip", "all", "--format", "wav", "--offline", "--output", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto sums = PrintedSums(run.out);
    ASSERT_EQ(sums.size(), 3u) << run.out.toStdString();
    EXPECT_EQ(sums.at(2).v2, Reference(1, 0).v2);
    // The CRC32 is that of the WAV data, the header left out.
    QFile wav(out + "/Track02.wav");
    ASSERT_TRUE(wav.open(QIODevice::ReadOnly));
    const QByteArray data = wav.readAll().mid(44);
    EXPECT_EQ(sums.at(2).crc, ReferenceCrc32(reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())));

    const QString name = "Disc-" + Field(run.out, "freedb disc ID");
    QFile log(out + "/" + name + ".log");
    ASSERT_TRUE(log.open(QIODevice::ReadOnly)) << run.out.toStdString();
    const QString text = QString::fromUtf8(log.readAll());
    for (const char* expected : {"Read offset: 0 samples", "File: Track03.wav", "Sectors: 400-999", "AccurateRip v2: ",
                                 "CRC32: ", "Peak level: ", "Jitter corrected: 0 chunks", "No errors occurred"})
        EXPECT_TRUE(text.contains(expected)) << expected << "\n" << text.toStdString();

    // The cue sheet names the files, keeps track 2's pregap at the end of Track01.wav, and given back as the
    // device lists the same tracks.
    QFile cue(out + "/" + name + ".cue");
    ASSERT_TRUE(cue.open(QIODevice::ReadOnly));
    const QString sheet = QString::fromUtf8(cue.readAll());
    EXPECT_TRUE(sheet.contains("CATALOG 0731454569821\n")) << sheet.toStdString();
    EXPECT_TRUE(sheet.contains("FILE \"Track01.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n  TRACK 02 AUDIO\n"
                               "    ISRC GBAYE0601498\n    INDEX 00 00:05:00\nFILE \"Track02.wav\" WAVE\n    INDEX 01 00:00:00\n"))
        << sheet.toStdString();
    const TJobRun listed = Trackwell({"--device", out + "/" + name + ".cue", "--list"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    const QStringList lines = listed.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << listed.out.toStdString();
    for (int t = 0; t < 3; ++t)
        EXPECT_TRUE(lines[t].contains(QStringLiteral("%1-%2").arg(kStarts[t]).arg(kStarts[t + 1] - 1))) << lines[t].toStdString();
}

TEST_F(RipProof, TheDiscsTextGoesIntoTheCueSheetAndReadsBackTheSame)
{
    // The fixture's disc with text: quotes, UTF-8 beyond Latin-1, a track without any.
    QFile plain(Cue());
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    QString sheet = "REM GENRE \"Trip Hop\"\nREM DATE 1998\nPERFORMER \"Björk\"\nTITLE \"Say \"\"Hi\"\" — 東京\"\n" +
                    QString::fromUtf8(plain.readAll());
    sheet.replace("  TRACK 01 AUDIO\n", "  TRACK 01 AUDIO\n    TITLE \"Straße 𝄞\"\n    PERFORMER \"Zoë\"\n    SONGWRITER \"Søren\"\n");
    sheet.replace("  TRACK 03 AUDIO\n", "  TRACK 03 AUDIO\n    TITLE \"\"\"\"\n");
    const QString texts = Write("texts.cue", sheet.toUtf8());

    const TJobRun run = Trackwell({"--device", texts, "--rip", "all", "--format", "wav", "--offline", "--output", dir.filePath("out")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString written = dir.filePath("out/Disc-" + Field(run.out, "freedb disc ID") + ".cue");
    QFile cue(written);
    ASSERT_TRUE(cue.open(QIODevice::ReadOnly));
    const QByteArray first = cue.readAll();
    for (const char* line : {"REM GENRE \"Trip Hop\"\n", "REM DATE \"1998\"\n", "PERFORMER \"Björk\"\n",
                             "TITLE \"Say \"\"Hi\"\" — 東京\"\n", "    TITLE \"Straße 𝄞\"\n", "    SONGWRITER \"Søren\"\n",
                             "    TITLE \"\"\"\"\n", "    ISRC GBAYE0601498\n", "CATALOG 0731454569821\n"})
        EXPECT_TRUE(first.contains(line)) << line << "\n" << first.toStdString();

    // Given back as the device: the same tracks with the same text, and ripped again, the same sheet.
    const TJobRun listed = Trackwell({"--device", written, "--list"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    const QStringList lines = listed.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << listed.out.toStdString();
    EXPECT_EQ(lines[0], "Album: Say \"Hi\" — 東京");
    EXPECT_EQ(lines[1], "Artist: Björk");
    for (int t = 0; t < 3; ++t)
        EXPECT_TRUE(lines[t + 2].contains(QStringLiteral("%1-%2").arg(kStarts[t]).arg(kStarts[t + 1] - 1))) << lines[t + 2].toStdString();
    EXPECT_TRUE(lines[2].endsWith("  Straße 𝄞 (Zoë)")) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].endsWith(":08")) << "no text: " << lines[3].toStdString();
    EXPECT_TRUE(lines[4].endsWith("  \"")) << lines[4].toStdString();

    const TJobRun again = Trackwell({"--device", written, "--rip", "all", "--format", "wav", "--offline", "--output", dir.filePath("again")});
    ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
    QFile second(dir.filePath("again/" + QFileInfo(written).fileName()));
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    EXPECT_EQ(second.readAll(), first);
}

TEST_F(RipProof, AnMp3RipSumsThePcmFedToTheEncoder)
{
    const TJobRun sums = Trackwell({"--device", Cue(), "--checksums", "--offline", "--offset", "667"});
    const TJobRun mp3 = Trackwell({"--device", Cue(), "--rip", "all", "--format", "mp3", "--offline", "--offset", "667",
                                   "--output", dir.filePath("mp3")});
    ASSERT_EQ(mp3.exitCode, 0) << mp3.err.toStdString();
    const auto expected = PrintedSums(sums.out);
    const auto got = PrintedSums(mp3.out);
    ASSERT_EQ(got.size(), 3u) << mp3.out.toStdString();
    for (int t = 1; t <= 3; ++t) {
        EXPECT_EQ(got.at(t).crc, expected.at(t).crc) << "track " << t;
        EXPECT_EQ(got.at(t).v2, expected.at(t).v2) << "track " << t;
    }
}

TEST_F(RipProof, AnEditedLogNoLongerMatchesItsChecksum)
{
    const QString out = dir.filePath("out");
    const TJobRun run = Trackwell({"--device", Cue(), "--rip", "1", "--format", "pcm", "--offline", "--output", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString path = out + "/Disc-" + Field(run.out, "freedb disc ID") + ".log";
    QFile log(path);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    log.close();
    // The last line is the SHA-256 of the text above it.
    const QRegularExpression checksumLine(QStringLiteral("Log checksum \\(SHA-256 of the lines above\\): ([0-9a-f]{64})\\n$"));
    const auto match = checksumLine.match(text);
    ASSERT_TRUE(match.hasMatch()) << text.toStdString();
    EXPECT_EQ(match.captured(1), QCryptographicHash::hash(text.left(match.capturedStart()).toUtf8(), QCryptographicHash::Sha256).toHex());
    EXPECT_EQ(Trackwell({"--check-log", path}).exitCode, 0);

    // One changed digit of a checksum shows.
    QString edited = text;
    const qsizetype at = edited.indexOf("CRC32: ") + 7;
    edited[at] = edited[at] == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
    ASSERT_TRUE(log.open(QIODevice::WriteOnly | QIODevice::Truncate));
    log.write(edited.toUtf8());
    log.close();
    const TJobRun check = Trackwell({"--check-log", path});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_TRUE(check.err.contains("was changed after it was written")) << check.err.toStdString();
}

TEST_F(RipProof, NoLogLeavesOnlyTheAudioFiles)
{
    const QString out = dir.filePath("out");
    const TJobRun run = Trackwell({"--device", Cue(), "--rip", "all", "--format", "wav", "--offline", "--no-log", "--output", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QDir(out).entryList(QDir::Files), (QStringList{"Track01.wav", "Track02.wav", "Track03.wav"}));
}

TEST_F(RipProof, VerifiesEachTrackAgainstADbarFile)
{
    const TJobRun first = Trackwell({"--device", Cue(), "--checksums", "--offline"});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const auto sums = PrintedSums(first.out);
    ASSERT_EQ(sums.size(), 3u);
    // Two pressings: a v1 one that agrees on track 1, lacks track 3 and differs on track 2; a v2 one that agrees
    // on track 1 with more confidence.
    const QString dbar = Write("answer.bin", DbarFile(first.out, {{{3, sums.at(1).v1}, {4, sums.at(2).v1 ^ 1}, {0, 0}},
                                                                   {{7, sums.at(1).v2}, {2, sums.at(2).v2 + 5}, {0, 0}}}));
    const TJobRun run = Trackwell({"--device", Cue(), "--checksums", "--verify-with", dbar});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QRegularExpression("Track01 .*: accurately ripped \\(confidence 7, v2\\)"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QRegularExpression("Track02 .*: NOT accurate \\(2 pressings with confidence 6 differ\\)"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QRegularExpression("Track03 .*: not present in the database"))) << run.out.toStdString();
}

TEST_F(RipProof, ATrackMatchesAPressingAtAnotherOffsetByItsSectorChecksum)
{
    // Only the middle track is long enough to hold its 450th sector with the search around it; its neighbours,
    // ripped in the same run, hold the audio a shift brings in.
    const TJobRun first = Trackwell({"--device", Cue(), "--checksums", "--offline"});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const struct {
        int offset;
        bool sameAudio;
        const char* verdict;
    } cases[] = {
        {667, true, "accurately ripped with pressing offset 667 (confidence 9, v1)"},
        {-1234, true, "accurately ripped with pressing offset -1234 (confidence 9, v1)"},
        // Placed by its sector, yet its audio differs: no match.
        {30, false, "NOT accurate (1 pressing with confidence 9 differ)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        const std::uint32_t v1 = Reference(1, c.offset).v1 ^ (c.sameAudio ? 0u : 1u);
        const QString dbar = Write("pressing.bin", DbarFile(first.out, {{{}, {9, v1, ReferenceFrame450(1, c.offset)}, {}}}));
        const TJobRun run = Trackwell({"--device", Cue(), "--checksums", "--verify-with", dbar});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(QRegularExpression("Track02 .*: " + QRegularExpression::escape(c.verdict)))) << run.out.toStdString();
    }
}

TEST_F(RipProof, ARipEndedByAFullDiskStillWritesItsLogAndCueSheetMarkedIncomplete)
{
    // Room for the first track's file and part of the second.
    const QString out = dir.filePath("out");
    const TJobRun run = Trackwell({"--fsize=1300000", Bin("trackwell"), "--device", Cue(), "--rip", "all", "--format", "wav",
                                   "--offline", "--output", out}, QStringLiteral("http://127.0.0.1:9/"), "prlimit");
    ASSERT_EQ(run.exitCode, 1) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains("Write error (ripping Track02")) << run.err.toStdString();
    const QString name = out + "/Disc-" + Field(run.out, "freedb disc ID");
    QFile log(name + ".log");
    ASSERT_TRUE(log.open(QIODevice::ReadOnly)) << run.out.toStdString();
    const QString text = QString::fromUtf8(log.readAll());
    for (const char* expected : {"INCOMPLETE RIP: Write error (ripping Track02", "File: Track01.wav", "File: Track02.wav",
                                 "INCOMPLETE: not ripped whole; the file holds ", "The rip is incomplete"})
        EXPECT_TRUE(text.contains(expected)) << expected << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains("File: Track03")) << text.toStdString();
    EXPECT_TRUE(TrackwellChecksLog(name + ".log"));
    QFile cue(name + ".cue");
    ASSERT_TRUE(cue.open(QIODevice::ReadOnly));
    const QString sheet = QString::fromUtf8(cue.readAll());
    EXPECT_TRUE(sheet.contains("REM COMMENT \"incomplete rip: Write error")) << sheet.toStdString();
    EXPECT_TRUE(sheet.contains("FILE \"Track02.wav\" WAVE")) << sheet.toStdString();
}

TEST_F(RipProof, ABadDbarFileIsRefusedAndTheRipGoesOnUnaffected)
{
    const TJobRun first = Trackwell({"--device", Cue(), "--checksums", "--offline"});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const QByteArray good = DbarFile(first.out, {{{1, 1}, {1, 2}, {1, 3}}});
    QByteArray otherDisc = good;
    otherDisc[2] = static_cast<char>(otherDisc[2] ^ 0x40);
    struct TCase {
        const char* name;
        QByteArray bytes;
        const char* message;
    };
    const std::vector<TCase> cases = {
        {"cut", good.left(good.size() - 3), "is cut inside pressing 1"},
        {"header cut", good + good.left(7), "is cut inside the header of pressing 2"},
        {"wrong count", DbarFile(first.out, {{{1, 1}, {1, 2}}}, 2), "lists 2 tracks, the disc has 3"},
        {"other disc", otherDisc, "belongs to another disc"},
        {"empty", QByteArray(), "is empty"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString out = dir.filePath(QStringLiteral("out-%1").arg(c.name).replace(' ', '-'));
        const TJobRun run = Trackwell({"--device", Cue(), "--rip", "all", "--format", "wav", "--output", out,
                                       "--verify-with", Write("bad.bin", c.bytes)});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.contains("refused")) << run.out.toStdString();
        EXPECT_TRUE(run.out.contains(c.message)) << run.out.toStdString();
        EXPECT_EQ(PrintedSums(run.out).size(), 3u);
        EXPECT_EQ(QFileInfo(out + "/Track02.wav").size(), 44 + (kStarts[2] - kStarts[1]) * 2352);
    }
}

// A one-file HTTP server on the loopback address, answering every GET for the file with it, anything else 404.
class TLoopbackDatabase {
public:
    TLoopbackDatabase(QString fileName, QByteArray body) : fileName_(std::move(fileName)), body_(std::move(body))
    {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Answer(socket); });
        });
    }
    QString Url() const { return QStringLiteral("http://127.0.0.1:%1/ar/").arg(server_.serverPort()); }
    QStringList Paths() const { return paths_; }

private:
    void Answer(QTcpSocket* socket)
    {
        request_ += socket->readAll();
        if (!request_.contains("\r\n\r\n"))
            return;
        const QByteArray path = request_.split(' ').value(1);
        request_.clear();
        paths_.append(QString::fromLatin1(path));
        const bool found = path.endsWith(fileName_.toLatin1());
        const QByteArray body = found ? body_ : QByteArray("not here");
        socket->write((found ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n") + QByteArray("Content-Length: ")
                      + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QString fileName_;
    QByteArray body_;
    QByteArray request_;
    QStringList paths_;
};

TEST_F(RipProof, FetchesTheAnswerItselfFromTheDatabaseOnline)
{
    const TJobRun first = Trackwell({"--device", Cue(), "--checksums", "--offline"});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const auto sums = PrintedSums(first.out);
    ASSERT_EQ(sums.size(), 3u);
    const QString fileName = Field(first.out, "AccurateRip disc ID");
    TLoopbackDatabase database(fileName, DbarFile(first.out, {{{12, sums.at(1).v2}, {12, sums.at(2).v2}, {12, sums.at(3).v2}}}));

    const QString out = dir.filePath("out");
    const TJobRun run = Trackwell({"--device", Cue(), "--rip", "all", "--format", "wav", "--output", out}, database.Url());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(database.Paths().size(), 1);
    // Kept below the root by the ID's last three hex digits, last first.
    const QString id1 = fileName.split('-').at(2);
    EXPECT_EQ(database.Paths().at(0), QStringLiteral("/ar/%1/%2/%3/%4").arg(id1[7]).arg(id1[6]).arg(id1[5]).arg(fileName));
    EXPECT_EQ(run.out.count("accurately ripped (confidence 12, v2)"), 3) << run.out.toStdString();
    QFile log(out + "/Disc-" + Field(first.out, "freedb disc ID") + ".log");
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("AccurateRip: 3 accurate, 0 not accurate, 0 not present"));
}

TEST_F(RipProof, AnUnknownDiscOrAnUnreachableDatabaseIsSaidClearly)
{
    TLoopbackDatabase database("dBAR-none.bin", {});
    const TJobRun unknown = Trackwell({"--device", Cue(), "--checksums"}, database.Url());
    ASSERT_EQ(unknown.exitCode, 0) << unknown.err.toStdString();
    EXPECT_EQ(unknown.out.count("not present in the database"), 3) << unknown.out.toStdString();

    const TJobRun offline = Trackwell({"--device", Cue(), "--checksums"});
    ASSERT_EQ(offline.exitCode, 0) << offline.err.toStdString();
    EXPECT_TRUE(offline.out.contains("AccurateRip: offline: http://127.0.0.1:9/")) << offline.out.toStdString();
    EXPECT_EQ(PrintedSums(offline.out).size(), 3u);
}

}  // namespace
