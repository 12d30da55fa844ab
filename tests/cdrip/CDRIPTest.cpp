// The ripping component's creation, track list and drive selection, against the scripted CD library.
#include <QString>
#include <gtest/gtest.h>

#include "cdrip/CDRIP.h"
#include "coder/LameCoder.h"
#include "tests/cdrip/ScriptedLibrary.h"

namespace {

using CDRIPCreation = ScriptedLibrary;

// A drive whose table of contents has count audio tracks of 1000 sectors each, the last one a data track.
std::string Disc(int count, const char* parameters = "parameters ok speed=8 type=14 read=2 setspeed=1 endian=1 density=7 atapi=-1 format=0")
{
    std::string script = std::string("version 111\ndrive\n  ") + parameters + "\n  toc ok\n";
    for (int i = 0; i < count; ++i)
        script += "  track " + std::to_string(i * 1000) + (i + 1 == count ? " data\n" : " audio\n");
    return script + "  leadout " + std::to_string(count * 1000 + 150) + "\n";
}

TEST_F(CDRIPCreation, ReadsTheTableOfContentsIntoNamedTracks)
{
    Script(Disc(12).c_str());
    TCDRIP cdrip(nullptr);

    EXPECT_EQ(Calls().mid(0, 7), QStringList({"CR_GetCDRipVersion", "CR_Init", "CR_GetCDROMParameters", "CR_GetActiveCDROM",
                                              "CR_ReadToc", "CR_GetNumTocEntries", "CR_GetTocEntry 0"}));
    EXPECT_EQ(cdrip.Version(), "111");
    ASSERT_EQ(cdrip.TrackCount(), 12);
    ASSERT_EQ(cdrip.TrackList().size(), 12);
    EXPECT_EQ(cdrip.TrackList().first(), "Track01");
    EXPECT_EQ(cdrip.TrackList().last(), "Track12");
    EXPECT_EQ(cdrip.Track(0).TrackNumber, 1);
    EXPECT_EQ(cdrip.Track(0).StartSector, 0u);
    EXPECT_EQ(cdrip.Track(0).EndSector, 999u);
    EXPECT_EQ(cdrip.Track(0).TrackType, "Audio");
    EXPECT_EQ(cdrip.Track(11).StartSector, 11000u);
    EXPECT_EQ(cdrip.Track(11).EndSector, 12149u) << "the lead-out's first sector minus 1";
    EXPECT_EQ(cdrip.Track(11).TrackType, "Data");

    ASSERT_NE(cdrip.DriveTable(), nullptr);
    EXPECT_EQ(cdrip.DriveTable()->DriveType, TDriveType::PLEXTOR);
    EXPECT_EQ(cdrip.DriveTable()->ReadMethod, TReadMethod::READNEC);
    EXPECT_EQ(cdrip.DriveTable()->SetSpeed, TSetSpeed::SPEEDMMC);
    EXPECT_EQ(cdrip.DriveTable()->Endian, TEndian::LITTLEENDIAN);
    EXPECT_EQ(cdrip.DriveTable()->Density, 7);
    EXPECT_TRUE(cdrip.DriveTable()->Atapi);
    EXPECT_EQ(cdrip.Speed(), 8);
    EXPECT_TRUE(cdrip.JitterCorrect());
    EXPECT_EQ(cdrip.Parameters().JitterCorrection, -1);
    EXPECT_EQ(cdrip.JitterErrorCount(), 0);
}

// A table whose tracks do not follow each other would list negative lengths: it is refused, naming the drive.
TEST_F(CDRIPCreation, ADamagedTableOfContentsIsRefused)
{
    const struct {
        const char* name;
        const char* tracks;
        const char* says;
    } cases[] = {
        {"a start before the previous one", "track 0 audio\n  track 1353 audio\n  track 626 audio\n  leadout 3000\n",
         "track 3 starts at sector 626, not after track 2 (sector 1353)"},
        {"two tracks at one sector", "track 0 audio\n  track 0 audio\n  leadout 3000\n",
         "track 2 starts at sector 0, not after track 1 (sector 0)"},
        {"the lead-out before the last start", "track 0 audio\n  track 1353 audio\n  leadout 900\n",
         "the disc ends at sector 900, before track 2 starts (sector 1353)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Script((std::string("drive\n  parameters ok id=/dev/sr7\n  toc ok\n  ") + c.tracks).c_str());
        TCDRIP cdrip(nullptr);
        EXPECT_EQ(cdrip.TrackCount(), 0);
        EXPECT_TRUE(cdrip.TrackList().isEmpty());
        EXPECT_EQ(cdrip.TocError(), QString("The table of contents of \"/dev/sr7\" is damaged: ") + c.says);
    }
    Script(Disc(2).c_str());
    EXPECT_TRUE(TCDRIP(nullptr).TocError().isEmpty());
}

TEST_F(CDRIPCreation, NamesTracksWithAtLeastTwoDigits)
{
    const struct {
        int n;
        const char* text;
    } cases[] = {{1, "01"}, {7, "07"}, {10, "10"}, {99, "99"}, {100, "100"}};
    for (const auto& c : cases)
        EXPECT_EQ(TCDRIP::PadTrackNumber(c.n), c.text);

    Script(Disc(100).c_str());
    TCDRIP cdrip(nullptr);
    ASSERT_EQ(cdrip.TrackCount(), 100);
    EXPECT_EQ(cdrip.TrackList().at(99), "Track100");
}

TEST_F(CDRIPCreation, AFailureStatusLeavesTheComponentWithoutTracksOrDriveDescription)
{
    const struct {
        const char* name;
        std::string script;
        int tracks;
        bool driveTable;
    } cases[] = {
        {"init fails", "init fail\n" + Disc(3), 0, false},
        {"parameters fail", Disc(3, "parameters fail"), 3, false},
        {"table of contents fails", "drive\n  parameters ok\n  toc fail\n  track 0 audio\n  leadout 100\n", 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Script(c.script.c_str());
        TCDRIP cdrip(nullptr);
        EXPECT_EQ(cdrip.TrackCount(), c.tracks);
        EXPECT_EQ(cdrip.TrackList().size(), c.tracks);
        EXPECT_EQ(cdrip.DriveTable() != nullptr, c.driveTable);
        EXPECT_EQ(cdrip.JitterCorrect(), c.driveTable);
    }
}

TEST_F(CDRIPCreation, WithoutALibraryThereAreNoTracks)
{
    TCDRipLibrary::Instance().Load({});
    TCDRIP cdrip(nullptr);
    EXPECT_EQ(cdrip.TrackCount(), 0);
    EXPECT_EQ(cdrip.DriveTable(), nullptr);
    EXPECT_FALSE(cdrip.ApplyParameters());
    ASSERT_TRUE(TCDRipLibrary::Instance().Load(TRACKWELL_SCRIPTED_CDRIP));
}

TEST_F(CDRIPCreation, OutputFormatReachesTheRecordAndTheCoder)
{
    Script(Disc(2).c_str());
    TCDRIP cdrip(nullptr);
    TLameCoder coder(nullptr);
    cdrip.SetCoder(&coder);
    EXPECT_EQ(coder.Mode(), TLameMode::STEREO);
    EXPECT_EQ(coder.SampleRate(), 44100u);

    cdrip.SetOutputFormat(TOutputFormat::MONO22050);
    EXPECT_EQ(coder.Mode(), TLameMode::MONO);
    EXPECT_EQ(coder.SampleRate(), 22050u);
    cdrip.SetOutputFormat(TOutputFormat::STEREO11025);
    EXPECT_EQ(coder.Mode(), TLameMode::STEREO);
    EXPECT_EQ(coder.SampleRate(), 11025u);
    cdrip.SetOutputFormat(TOutputFormat::MONO22050);
    cdrip.SetJitterCorrect(false);
    EXPECT_TRUE(cdrip.ApplyParameters());
    EXPECT_EQ(Calls("CR_SetCDROMParameters").last(), "CR_SetCDROMParameters format=3 jitter=0 speed=8");
}

TEST_F(CDRIPCreation, DriveTableAndSpeedAreTheComponentsOwnCopies)
{
    Script(Disc(2).c_str());
    TCDRIP cdrip(nullptr);
    TDriveTableClass table;
    table.DriveType = TDriveType::SONY;
    cdrip.SetDriveTable(table);
    cdrip.SetSpeed(32);
    EXPECT_EQ(cdrip.DriveTable()->DriveType, TDriveType::SONY);
    EXPECT_EQ(cdrip.Parameters().DriveType, 14);
    cdrip.ApplyParameters();
    EXPECT_EQ(Calls("CR_SetCDROMParameters").last(), "CR_SetCDROMParameters format=0 jitter=-1 speed=8");
}

TEST_F(CDRIPCreation, SelectingADriveReadsItsTracks)
{
    Script("drive\n  parameters ok speed=4\n  toc ok\n  track 0 audio\n  leadout 500\n"
           "drive\n  parameters ok speed=16 format=1\n  toc ok\n  track 0 audio\n  track 300 audio\n  track 600 data\n  leadout 900\n"
           "drive\n  select fail\n  toc fail\n");
    TCDRIP cdrip(nullptr);
    ASSERT_EQ(cdrip.TrackCount(), 1);

    const qsizetype before = Calls().size();
    cdrip.SetCDRomNum(0);
    EXPECT_EQ(Calls().size(), before) << "the drive in use is not read again";

    cdrip.SetJitterCorrect(false);
    cdrip.SetCDRomNum(1);
    EXPECT_EQ(cdrip.CDRomNum(), 1);
    EXPECT_EQ(cdrip.TrackCount(), 3);
    EXPECT_EQ(cdrip.TrackList(), QStringList({"Track01", "Track02", "Track03"}));
    EXPECT_EQ(cdrip.Track(2).EndSector, 899u);
    EXPECT_EQ(cdrip.Speed(), 16);
    EXPECT_EQ(cdrip.OutputFormat(), TOutputFormat::MONO44100);
    EXPECT_FALSE(cdrip.JitterCorrect()) << "kept across the change";

    // A drive that cannot be selected keeps the number; its unreadable table keeps the old tracks.
    cdrip.SetCDRomNum(2);
    EXPECT_EQ(cdrip.CDRomNum(), 1);
    EXPECT_EQ(cdrip.TrackCount(), 3);
    EXPECT_EQ(cdrip.TrackList().size(), 3);
}

// Encoding goes before FLAC and FLAC before WAV; an MP3 or FLAC rip takes its format's extension, a WAV or raw one keeps
// the name it is given.
TEST_F(CDRIPCreation, TheOutputFlagsChooseTheFileFormatAndTheNameWritten)
{
    Script(Disc(2).c_str());
    TCDRIP cdrip(nullptr);
    const struct {
        bool Encode;
        bool Flac;
        bool WriteWAV;
        TAudioFileFormat Format;
        QString Written;
    } cases[] = {
        {true, true, true, TAudioFileFormat::afMp3, "out.d/Track01.mp3"},
        {false, true, true, TAudioFileFormat::afFlac, "out.d/Track01.flac"},
        {false, false, true, TAudioFileFormat::afWav, "out.d/Track01.wav"},
        {false, false, false, TAudioFileFormat::afPcm, "out.d/Track01.wav"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Written.toStdString());
        cdrip.SetEncode(c.Encode);
        cdrip.SetFlac(c.Flac);
        cdrip.SetWriteWAV(c.WriteWAV);
        EXPECT_EQ(cdrip.FileFormat(), c.Format);
        EXPECT_EQ(cdrip.OutputFileName("out.d/Track01.wav"), c.Written);
    }
}

}  // namespace
