// The texts a cue sheet or cdrdao .toc file names the disc and its tracks with, as the CD library tells them: UTF-8
// whatever the sheet was saved in, the disc's apart from its tracks', nothing where the sheet says nothing.
#include "AudioFiles.h"
#include "DiscImages.h"
#include "RipRange.h"

#include "libs/cdrip/CDRip.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

using namespace libstest;

std::string DiscText(int32_t track, int32_t field)
{
    char text[256] = {};
    const int32_t length = CR_GetDiscText(track, field, text, sizeof text);
    EXPECT_EQ(length, static_cast<int32_t>(std::string(text).size()));
    return text;
}

class DiscTextTest : public testing::Test {
protected:
    void SetUp() override { WriteBytes(FFolder.Path() / "disc.bin", Joined({TrackSectors(0, 80, true), TrackSectors(1, 90, true)})); }
    void TearDown() override { unsetenv("TRACKWELL_DEVICE"); }
    void Open(const std::string& sheet, const std::string& name = "disc.cue")
    {
        std::ofstream(FFolder.Path() / name, std::ios::binary) << sheet;
        setenv("TRACKWELL_DEVICE", (FFolder.Path() / name).c_str(), 1);
        ASSERT_EQ(CR_Init(), CR_CHUNK_READ);
        ASSERT_EQ(CR_ReadToc(), CR_CHUNK_READ) << LastErrorText();
    }
    TTempFolder FFolder;
};

const std::string kTracks = "FILE \"disc.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n  TRACK 02 AUDIO\n";

TEST_F(DiscTextTest, TheSheetsTextsAreToldInUtf8ForTheDiscAndEachTrack)
{
    const struct {
        const char* Name;
        std::string Sheet;
    } cases[] = {
        {"UTF-8, quoted", "\xEF\xBB\xBFREM GENRE \"Musique concrète\"\nREM DATE 1998\nPERFORMER \"Björk Guðmundsdóttir\"\n"
                          "TITLE \"Ænima — 東京\"\n" + kTracks.substr(0, kTracks.find("  TRACK 02")) +
                          "  TRACK 02 AUDIO\n    TITLE \"Straße 𝄞\"\n    PERFORMER \"Zoë\"\n    SONGWRITER \"Søren\"\n"},
        // Windows rippers save their sheets in Latin-1 and leave quotes out.
        {"Latin-1, unquoted", "REM GENRE Musique concr\xE8te\nREM DATE 1998\nPERFORMER Bj\xF6rk Gu\xF0mundsd\xF3ttir\n"
                              "TITLE \xC6nima\n" + kTracks.substr(0, kTracks.find("  TRACK 02")) +
                              "  TRACK 02 AUDIO\n    TITLE Stra\xDF" "e\n    PERFORMER Zo\xEB\n    SONGWRITER S\xF8ren\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Open(c.Sheet + "    INDEX 01 00:01:05\n");
        const bool latin1 = c.Name[0] == 'L';
        EXPECT_EQ(DiscText(0, CR_TEXT_TITLE), latin1 ? "Ænima" : "Ænima — 東京");
        EXPECT_EQ(DiscText(0, CR_TEXT_PERFORMER), "Björk Guðmundsdóttir");
        EXPECT_EQ(DiscText(0, CR_TEXT_GENRE), "Musique concrète");
        EXPECT_EQ(DiscText(0, CR_TEXT_DATE), "1998");
        EXPECT_EQ(DiscText(1, CR_TEXT_TITLE), "") << "track 1 has no title";
        EXPECT_EQ(DiscText(2, CR_TEXT_TITLE), latin1 ? "Straße" : "Straße 𝄞");
        EXPECT_EQ(DiscText(2, CR_TEXT_PERFORMER), "Zoë");
        EXPECT_EQ(DiscText(2, CR_TEXT_SONGWRITER), "Søren");
        EXPECT_EQ(DiscText(2, CR_TEXT_GENRE), "") << "a genre is the disc's";
        EXPECT_EQ(DiscText(3, CR_TEXT_TITLE), "") << "beyond the tracks";
    }
}

TEST_F(DiscTextTest, AQuoteDoubledInsideQuotesIsAQuoteOfTheText)
{
    Open("TITLE \"Say \"\"Hi\"\" \"\"\"\"\"\nPERFORMER \"\"\"\"\nFILE \"disc.bin\" BINARY\n  TRACK 01 AUDIO\n"
         "    TITLE \"\"\n    INDEX 01 00:00:00\n");
    EXPECT_EQ(DiscText(0, CR_TEXT_TITLE), "Say \"Hi\" \"\"");
    EXPECT_EQ(DiscText(0, CR_TEXT_PERFORMER), "\"");
    EXPECT_EQ(DiscText(1, CR_TEXT_TITLE), "") << "an empty quoted text";
}

TEST_F(DiscTextTest, LengthsComeFirstAndTextsAreCutToTheBuffer)
{
    Open("TITLE \"Long Player\"\n" + kTracks + "    INDEX 01 00:01:05\n");
    EXPECT_EQ(CR_GetDiscText(0, CR_TEXT_TITLE, nullptr, 0), 11);
    char cut[5] = {'x', 'x', 'x', 'x', 'x'};
    EXPECT_EQ(CR_GetDiscText(0, CR_TEXT_TITLE, cut, sizeof cut), 11);
    EXPECT_STREQ(cut, "Long");
    // A sheet without texts, read after it, tells none.
    Open(kTracks + "    INDEX 01 00:01:05\n");
    EXPECT_EQ(DiscText(0, CR_TEXT_TITLE), "");
    EXPECT_EQ(DiscText(0, CR_TEXT_PERFORMER), "");
}

TEST_F(DiscTextTest, ATocFileTellsTheTextsOfItsFirstLanguageWithItsCatalogueAndIsrcs)
{
    // cdrdao escapes bytes beyond ASCII in octal; its texts are Latin-1.
    Open("CD_DA\nCATALOG \"0731454569821\"\nCD_TEXT {\n  LANGUAGE_MAP {\n    0 : EN\n    1 : DE\n  }\n"
         "  LANGUAGE 1 {\n    TITLE \"Anderes\"\n  }\n  LANGUAGE 0 {\n    TITLE \"\\306nima\"\n    PERFORMER \"Bj\\366rk\"\n  }\n}\n"
         "TRACK AUDIO\nFILE \"disc.bin\" 0 00:01:05\n"
         "TRACK AUDIO\nISRC \"GBAYE0601498\"\nCD_TEXT {\n  LANGUAGE 0 {\n    TITLE \"Stra\\337e\"\n    SONGWRITER \"S\\370ren\"\n  }\n}\n"
         "FILE \"disc.bin\" 00:01:05 00:01:15\n",
        "disc.toc");
    EXPECT_EQ(DiscText(0, CR_TEXT_TITLE), "Ænima");
    EXPECT_EQ(DiscText(0, CR_TEXT_PERFORMER), "Björk");
    EXPECT_EQ(DiscText(1, CR_TEXT_TITLE), "");
    EXPECT_EQ(DiscText(2, CR_TEXT_TITLE), "Straße");
    EXPECT_EQ(DiscText(2, CR_TEXT_SONGWRITER), "Søren");
    char catalog[32] = {};
    EXPECT_EQ(CR_GetDiscCatalog(catalog, sizeof catalog), 13);
    EXPECT_STREQ(catalog, "0731454569821");
    CR_TrackExtras extras{};
    ASSERT_EQ(CR_GetTrackExtras(1, &extras), CR_CHUNK_READ);
    EXPECT_STREQ(extras.Isrc, "GBAYE0601498");
}

}
