// A drive's CD-Text as libcdio reads it, on an image libcdio opens the way it opens a drive: the disc's texts and
// each track's under the library's numbers, and none where the disc has none.
#include "AudioFiles.h"
#include "DiscImages.h"

#include "libs/cdrip/DriveDisc.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace libstest;

class DriveTextTest : public testing::Test {
protected:
    // A two-track image in libcdio's own reading of cue sheets, which takes their texts for Latin-1 as CD-Text
    // usually is.
    std::string Image(const std::string& texts, const std::string& firstTrack, const std::string& secondTrack) const
    {
        WriteBytes(FFolder.Path() / "disc.bin", Joined({TrackSectors(0, 80, true), TrackSectors(1, 90, true)}));
        std::ofstream(FFolder.Path() / "disc.cue", std::ios::binary)
            << texts << "FILE \"disc.bin\" BINARY\n  TRACK 01 AUDIO\n" << firstTrack << "    INDEX 01 00:00:00\n"
            << "  TRACK 02 AUDIO\n" << secondTrack << "    INDEX 01 00:01:05\n";
        return (FFolder.Path() / "disc.cue").string();
    }
    TTempFolder FFolder;
};

TEST_F(DriveTextTest, TheDiscsCdTextIsToldInUtf8ForTheDiscAndEachTrack)
{
    const cdrip::TDriveDisc disc(Image("PERFORMER \"Bj\xF6rk\"\nTITLE \"\xC6nima\"\n", "    TITLE \"Erste\"\n",
        "    TITLE \"Stra\xDF" "e\"\n    PERFORMER \"Zo\xEB\"\n    SONGWRITER \"S\xF8ren\"\n"));
    ASSERT_EQ(disc.TrackCount(), 2);
    EXPECT_EQ(disc.Text(0, CR_TEXT_TITLE), "Ænima");
    EXPECT_EQ(disc.Text(0, CR_TEXT_PERFORMER), "Björk");
    EXPECT_EQ(disc.Text(1, CR_TEXT_TITLE), "Erste");
    EXPECT_EQ(disc.Text(1, CR_TEXT_PERFORMER), "");
    EXPECT_EQ(disc.Text(2, CR_TEXT_TITLE), "Straße");
    EXPECT_EQ(disc.Text(2, CR_TEXT_PERFORMER), "Zoë");
    EXPECT_EQ(disc.Text(2, CR_TEXT_SONGWRITER), "Søren");
    EXPECT_EQ(disc.Text(0, CR_TEXT_GENRE), "");
}

TEST_F(DriveTextTest, ADiscWithoutCdTextTellsNothing)
{
    const cdrip::TDriveDisc disc(Image("", "", ""));
    for (int track = 0; track <= 2; ++track)
        for (int field : {CR_TEXT_TITLE, CR_TEXT_PERFORMER, CR_TEXT_SONGWRITER, CR_TEXT_GENRE, CR_TEXT_DATE})
            EXPECT_EQ(disc.Text(track, field), "") << track << " " << field;
}

}
