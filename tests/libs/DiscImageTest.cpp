// The CD library on disc images as rippers write them: cue sheets naming any files (BINARY, MOTOROLA, WAVE, one
// per track), pregaps and gaps, cdrdao .toc files, data tracks, and damaged sheets refused with the file and line.
#include "AudioFiles.h"
#include "DiscImages.h"
#include "RipRange.h"

#include "libs/cdrip/CDRip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>

namespace {

using namespace libstest;

// Three tracks of a few seconds; track 2 has a 30-sector pregap (INDEX 00) that rippers list as track 1's end.
constexpr uint32_t kLengths[] = {161, 237, 190};
constexpr uint32_t kPregap = 30;
constexpr uint32_t kStarts[] = {0, 161, 398, 588};   // the tracks and the lead-out

std::vector<uint8_t> Track(int track) { return TrackSectors(track, kLengths[track], true); }
std::vector<uint8_t> Disc() { return Joined({Track(0), Track(1), Track(2)}); }
std::vector<uint8_t> Silence(uint32_t sectors) { return std::vector<uint8_t>(sectors * kSectorBytes, 0); }
std::vector<uint8_t> Part(const std::vector<uint8_t>& bytes, uint32_t first, uint32_t last)
{
    return {bytes.begin() + first * kSectorBytes, bytes.begin() + last * kSectorBytes};
}

class DiscImageTest : public testing::Test {
protected:
    void TearDown() override
    {
        CR_CloseRipper();
        unsetenv("TRACKWELL_DEVICE");
    }
    std::filesystem::path File(const std::string& name) const { return FFolder.Path() / name; }
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) const
    {
        std::filesystem::create_directories(File(name).parent_path());
        WriteBytes(File(name), bytes);
    }
    std::string Sheet(const std::string& name, const std::string& text) const
    {
        std::ofstream(File(name), std::ios::binary) << text;
        return File(name).string();
    }
    // Opens the device; the table of contents must read.
    static void Open(const std::string& device)
    {
        setenv("TRACKWELL_DEVICE", device.c_str(), 1);
        ASSERT_EQ(CR_Init(), CR_CHUNK_READ);
        ASSERT_EQ(CR_ReadToc(), CR_CHUNK_READ) << LastErrorText();
        EXPECT_EQ(LastErrorText(), "");
    }
    // Every track ripped on its own (paranoia asked for, as the program does by default), joined.
    static std::vector<uint8_t> RipEveryTrack()
    {
        SetOutputFormat(CR_STEREO44100, true);
        std::vector<uint8_t> bytes;
        for (int32_t i = 0; i < CR_GetNumTocEntries(); ++i) {
            const TRip rip = RipRange(static_cast<int32_t>(CR_GetTocEntry(i).FirstSector),
                static_cast<int32_t>(CR_GetTocEntry(i + 1).FirstSector) - 1);
            EXPECT_EQ(rip.Statuses.back(), CR_RANGE_DONE) << "track " << i + 1;
            bytes.insert(bytes.end(), rip.Bytes.begin(), rip.Bytes.end());
            CR_CloseRipper();
        }
        return bytes;
    }
    static std::vector<uint32_t> TocStarts()
    {
        std::vector<uint32_t> starts;
        for (int32_t i = 0; i <= CR_GetNumTocEntries(); ++i)
            starts.push_back(CR_GetTocEntry(i).FirstSector);
        return starts;
    }

    TTempFolder FFolder;
};

TEST_F(DiscImageTest, EveryShapeOfTheSameDiscRipsToTheSameBytes)
{
    const std::vector<uint8_t> disc = Disc();
    const uint32_t pregapStart = kStarts[1] - kPregap;
    const std::string pregap = CueTime(pregapStart);
    const struct {
        const char* Shape;
        std::function<std::string()> Make;   // writes the files, returns the sheet
    } cases[] = {
        {"one BINARY file named unlike the sheet, with the lines rippers add",
            [&] {
                Write("Artist - Album (Disc 1).bin", disc);
                return Sheet("Artist - Album.cue",
                    "\xEF\xBB\xBFREM GENRE Test\r\nREM DATE 2024\r\nCATALOG 0000000000000\r\nPERFORMER \"Artist\"\r\n"
                    "TITLE \"Album\"\r\nFILE \"Artist - Album (Disc 1).bin\" BINARY\r\n"
                    "  TRACK 01 AUDIO\r\n    TITLE \"One\"\r\n    PERFORMER \"Artist\"\r\n    SONGWRITER \"Someone\"\r\n"
                    "    ISRC ABCDE1234567\r\n    FLAGS DCP PRE\r\n    INDEX 01 00:00:00\r\n"
                    "  TRACK 02 AUDIO\r\n    INDEX 00 " + pregap + "\r\n    INDEX 01 " + CueTime(kStarts[1]) + "\r\n"
                    "  TRACK 03 AUDIO\r\n    INDEX 01 " + CueTime(kStarts[2]) + "\r\n    INDEX 02 " + CueTime(kStarts[2] + 75)
                    + "\r\n");
            }},
        {"an unquoted name and lower-case commands",
            [&] {
                Write("disc.img", disc);
                return Sheet("x.cue", "file disc.img binary\ntrack 1 audio\nindex 1 00:00:00\ntrack 2 audio\nindex 1 "
                        + CueTime(kStarts[1]) + "\ntrack 3 audio\nindex 1 " + CueTime(kStarts[2]) + "\n");
            }},
        {"MOTOROLA: big-endian samples",
            [&] {
                Write("big.bin", Swapped(disc));
                return Sheet("big.cue", "FILE \"big.bin\" MOTOROLA\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\n"
                                        "INDEX 00 " + pregap + "\nINDEX 01 " + CueTime(kStarts[1]) + "\nTRACK 03 AUDIO\n"
                                        "INDEX 01 " + CueTime(kStarts[2]) + "\n");
            }},
        {"one WAVE file per track, each starting at INDEX 01, names of every kind",
            [&] {
                Write("01 - Intro.wav", Wave(Track(0), true));
                Write("sub dir/02 Two's.wav", Wave(Track(1)));
                Write("03.wav", Wave(Track(2), true));
                return Sheet("tracks.cue", "FILE \"01 - Intro.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                                           "FILE \"sub dir/02 Two's.wav\" WAVE\n  TRACK 02 AUDIO\n    INDEX 01 00:00:00\n"
                                           "FILE 03.wav WAVE\n  TRACK 03 AUDIO\n    INDEX 01 00:00:00\n");
            }},
        {"one file per track with the pregap at the head of the next file, WAVE and BINARY mixed",
            [&] {
                Write("a.wav", Wave(Part(disc, 0, pregapStart)));
                Write("b.bin", Part(disc, pregapStart, kStarts[2]));
                Write("c.wav", Wave(Part(disc, kStarts[2], kStarts[3])));
                return Sheet("gaps.cue", "FILE \"a.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                                         "FILE \"b.bin\" BINARY\n  TRACK 02 AUDIO\n    INDEX 00 00:00:00\n    INDEX 01 "
                    + CueTime(kPregap) + "\nFILE \"c.wav\" WAVE\n  TRACK 03 AUDIO\n    INDEX 01 00:00:00\n");
            }},
        {"a cdrdao .toc: big-endian raw audio, sample counts and times, START after a pregap",
            [&] {
                Write("album.raw", Swapped(disc));
                return Sheet("album.toc", "CD_DA\n// made for the test\nCD_TEXT {\n  LANGUAGE_MAP { 0 : EN }\n}\n"
                                          "TRACK AUDIO\nNO COPY\nAUDIOFILE \"album.raw\" 0 "
                    + std::to_string(pregapStart * 588) + "\nTRACK AUDIO\nISRC \"ABCDE1234567\"\n"
                    + "FILE \"album.raw\" " + CueTime(pregapStart) + " " + CueTime(kPregap + kLengths[1]) + "\nSTART "
                    + CueTime(kPregap) + "\nTRACK AUDIO\nAUDIOFILE \"album.raw\" #" + std::to_string(kStarts[2] * kSectorBytes)
                    + " 0\n");
            }},
        {"a cdrdao .toc: WAVE and little-endian (SWAP) raw files",
            [&] {
                Write("one.wav", Wave(Track(0)));
                Write("rest.bin", Part(disc, kStarts[1], kStarts[3]));
                return Sheet("swap.toc", "TRACK AUDIO\nFILE \"one.wav\" 0\nTRACK AUDIO\nFILE \"rest.bin\" SWAP 0 "
                    + CueTime(kLengths[1]) + "\nTRACK AUDIO\nFILE \"rest.bin\" SWAP " + CueTime(kLengths[1]) + "\n");
            }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Shape);
        Open(c.Make());
        EXPECT_EQ(TocStarts(), std::vector<uint32_t>(std::begin(kStarts), std::end(kStarts)));
        for (int32_t i = 0; i < 3; ++i)
            EXPECT_EQ(CR_GetTocEntry(i).Flags, CR_TOC_AUDIO);
        EXPECT_TRUE(RipEveryTrack() == disc);
    }
}

TEST_F(DiscImageTest, PregapAndPostgapLinesAddSilenceThatNoFileHolds)
{
    Write("disc.bin", Disc());
    Open(Sheet("gaps.cue", "FILE \"disc.bin\" BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nPREGAP 00:00:40\n"
                           "INDEX 01 " + CueTime(kStarts[1]) + "\nTRACK 03 AUDIO\nINDEX 01 " + CueTime(kStarts[2])
        + "\nPOSTGAP 00:01:00\n"));
    EXPECT_EQ(TocStarts(), (std::vector<uint32_t>{0, 201, 438, 703}));
    EXPECT_TRUE(RipEveryTrack() == Joined({Track(0), Silence(40), Track(1), Track(2), Silence(75)}));
}

TEST_F(DiscImageTest, AFileThatEndsInsideASectorIsPaddedWithSilence)
{
    std::vector<uint8_t> short3 = Track(2);
    short3.resize(short3.size() - 1000);
    Write("1.wav", Wave(Track(0)));
    Write("2.wav", Wave(Track(1)));
    Write("3.wav", Wave(short3));
    Open(Sheet("short.cue", "FILE 1.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nFILE 2.wav WAVE\nTRACK 02 AUDIO\n"
                            "INDEX 01 00:00:00\nFILE 3.wav WAVE\nTRACK 03 AUDIO\nINDEX 01 00:00:00\n"));
    EXPECT_EQ(TocStarts(), std::vector<uint32_t>(std::begin(kStarts), std::end(kStarts)));
    short3.resize(short3.size() + 1000, 0);
    EXPECT_TRUE(RipEveryTrack() == Joined({Track(0), Track(1), short3}));
}

// Paranoia never settles on a data track's sectors: before, a rip of one never ended.
TEST_F(DiscImageTest, DataTracksAreListedAsDataAndRipToTheirRawSectors)
{
    const std::vector<uint8_t> data = TrackSectors(9, 200, false);
    const struct {
        const char* Shape;
        std::vector<std::vector<uint8_t>> Tracks;
        const char* Modes[3];
    } cases[] = {
        {"mixed mode: data first", {data, Track(1), Track(2)}, {"MODE1/2352", "AUDIO", "AUDIO"}},
        {"enhanced CD: data last", {Track(0), Track(1), data}, {"AUDIO", "AUDIO", "MODE2/2352"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Shape);
        Write("data.bin", Joined(c.Tracks));
        std::string sheet = "FILE \"data.bin\" BINARY\n";
        uint32_t start = 0;
        for (int i = 0; i < 3; ++i) {
            sheet += "TRACK 0" + std::to_string(i + 1) + " " + c.Modes[i] + "\nINDEX 01 " + CueTime(start) + "\n";
            start += static_cast<uint32_t>(c.Tracks[static_cast<size_t>(i)].size() / kSectorBytes);
        }
        Open(Sheet("data.cue", sheet));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(CR_GetTocEntry(i).Flags, std::string(c.Modes[i]) == "AUDIO" ? CR_TOC_AUDIO : 0) << "track " << i + 1;
        EXPECT_TRUE(RipEveryTrack() == Joined(c.Tracks));
    }
}

// The bytes Debian's cd-paranoia extracts from an image it can read (the .bin named like the sheet).
TEST_F(DiscImageTest, RipsAreTheBytesCdParanoiaExtracts)
{
    if (std::system("command -v cd-paranoia >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "cd-paranoia is missing (bash scripts/setup.sh)";
    Write("same.bin", Disc());
    const std::string sheet = Sheet("same.cue", "FILE \"same.bin\" BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\n"
                                                "INDEX 00 " + CueTime(kStarts[1] - kPregap) + "\nINDEX 01 "
        + CueTime(kStarts[1]) + "\nTRACK 03 AUDIO\nINDEX 01 " + CueTime(kStarts[2]) + "\n");
    Open(sheet);
    SetOutputFormat(CR_STEREO44100, true);
    for (int32_t track = 1; track <= 3; ++track) {
        SCOPED_TRACE(testing::Message() << "track " << track);
        const std::filesystem::path raw = File("paranoia.raw");
        // -c: the image holds little-endian samples (cd-paranoia otherwise guesses); -r: raw little-endian out.
        const std::string command = "cd-paranoia -q -c -d '" + sheet + "' -r " + std::to_string(track) + " '" + raw.string()
            + "' >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        const TRip rip = RipRange(static_cast<int32_t>(kStarts[track - 1]), static_cast<int32_t>(kStarts[track]) - 1);
        CR_CloseRipper();
        EXPECT_TRUE(rip.Bytes == ReadBytes(raw)) << rip.Bytes.size() << " bytes ripped, " << ReadBytes(raw).size()
                                                 << " from cd-paranoia";
    }
}

TEST_F(DiscImageTest, DamagedSheetsAreRefusedNamingTheFileAndLine)
{
    Write("disc.bin", Disc());
    Write("mono.wav", Wave(Track(0), false, 1, 22050));
    const struct {
        const char* Name;
        std::string Text;
        const char* Expected;   // after "<sheet>:"
    } cases[] = {
        {"missing.cue", "FILE \"gone.bin\" BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n", "1: "},
        {"short.cue", "FILE disc.bin BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nINDEX 01 00:09:00\n",
            "5: INDEX 01 at 0:09.00 lies beyond the end of disc.bin, which holds 0:07.63"},
        {"backwards.cue", "FILE disc.bin BINARY\nTRACK 01 AUDIO\nINDEX 01 00:03:00\nTRACK 02 AUDIO\nINDEX 01 00:01:00\n",
            "5: INDEX 01 at 0:01.00 lies before the previous index at 0:03.00"},
        {"garbage.cue", "FILE disc.bin BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nhello world\n",
            "4: unknown command \"hello\""},
        {"badtime.cue", "FILE disc.bin BINARY\nTRACK 01 AUDIO\nINDEX 01 00:61:00\n", "3: \"00:61:00\" is no time"},
        {"noindex.cue", "FILE disc.bin BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nTRACK 03 AUDIO\n",
            "5: track 2 has no INDEX 01"},
        {"order.cue", "FILE disc.bin BINARY\nTRACK 02 AUDIO\nINDEX 01 00:00:00\n", "2: TRACK 02 where track 1 was due"},
        {"mono.cue", "FILE mono.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n", "only 16-bit 44100 Hz stereo PCM"},
        {"cooked.cue", "FILE disc.bin BINARY\nTRACK 01 MODE1/2048\nINDEX 01 00:00:00\n", "2: TRACK mode MODE1/2048"},
        {"mp3.cue", "FILE disc.mp3 MP3\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n", "1: FILE type MP3 cannot be read"},
        {"empty.cue", "REM nothing\n", "no track"},
        {"quote.cue", "FILE \"disc.bin BINARY\n", "1: a quoted name has no closing quote"},
        {"long.toc", "TRACK AUDIO\nFILE \"disc.bin\" 0 00:09:00\n", "2: " },
        {"unknown.toc", "TRACK AUDIO\nFILE \"disc.bin\" 0\nBANANA 3\n", "3: unknown statement \"BANANA\""},
        {"start.toc", "TRACK AUDIO\nFILE \"disc.bin\" 0 00:01:00\nSTART 00:02:00\n", "3: START 00:02:00 lies beyond"},
        {"samples.toc", "TRACK AUDIO\nFILE \"disc.bin\" 0 1000\n", "2: length 1000 is not a whole number of sectors"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        setenv("TRACKWELL_DEVICE", Sheet(c.Name, c.Text).c_str(), 1);
        ASSERT_EQ(CR_Init(), CR_CHUNK_READ);
        EXPECT_EQ(CR_ReadToc(), CR_FAILURE);
        EXPECT_EQ(CR_GetNumTocEntries(), 0);
        const std::string prefix = File(c.Name).string() + ":";
        const std::string text = LastErrorText();
        EXPECT_EQ(text.rfind(prefix, 0), 0u) << text;
        EXPECT_NE(text.find(c.Expected, prefix.size()), std::string::npos) << text;
        int32_t bufferSize = 0;
        EXPECT_EQ(CR_OpenRipper(&bufferSize, 0, 10), CR_FAILURE);
    }
}

TEST_F(DiscImageTest, LastErrorTextIsCutToTheBufferAndClearedBySuccess)
{
    setenv("TRACKWELL_DEVICE", File("absent.cue").c_str(), 1);
    ASSERT_EQ(CR_Init(), CR_FAILURE);
    const std::string full = File("absent.cue").string() + ": no such drive or disc image";
    EXPECT_EQ(LastErrorText(), full);
    char small[8];
    std::memset(small, 'x', sizeof small);
    EXPECT_EQ(CR_GetLastErrorText(small, sizeof small), static_cast<int32_t>(full.size()));
    EXPECT_EQ(std::string(small), full.substr(0, 7));
    EXPECT_EQ(CR_GetLastErrorText(small, 0), static_cast<int32_t>(full.size()));

    Write("disc.bin", Disc());
    Open(Sheet("ok.cue", "FILE disc.bin BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n"));
    EXPECT_EQ(CR_GetLastErrorText(small, sizeof small), 0);
    EXPECT_STREQ(small, "");
    int32_t bufferSize = 0;
    EXPECT_EQ(CR_OpenRipper(&bufferSize, 0, static_cast<int32_t>(kStarts[3])), CR_FAILURE);
    EXPECT_NE(LastErrorText().find("do not lie on the disc"), std::string::npos) << LastErrorText();
}

// A file that shrinks under an open sheet fails its chunks and the range still ends.
TEST_F(DiscImageTest, AFileCutShortWhileRippingFailsItsChunksAndTheRangeEnds)
{
    Write("disc.bin", Disc());
    Open(Sheet("cut.cue", "FILE disc.bin BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n"));
    std::filesystem::resize_file(File("disc.bin"), 100 * kSectorBytes);
    SetOutputFormat(CR_STEREO44100, false);
    int32_t bufferSize = 0;
    ASSERT_EQ(CR_OpenRipper(&bufferSize, 0, static_cast<int32_t>(kStarts[3]) - 1), CR_CHUNK_READ);
    std::vector<uint8_t> buffer(static_cast<size_t>(bufferSize));
    std::vector<int32_t> statuses;
    for (int pass = 0; pass < 100 && (statuses.empty() || statuses.back() != CR_RANGE_DONE); ++pass) {
        int32_t bytes = 0;
        statuses.push_back(CR_RipChunk(buffer.data(), &bytes));
    }
    EXPECT_EQ(statuses.back(), CR_RANGE_DONE);
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), CR_FAILURE), statuses.end());
    EXPECT_EQ(CR_GetPercentCompleted(), 100);
}

}
