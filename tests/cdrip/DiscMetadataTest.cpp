// The disc's metadata as the CD library tells it: texts of the disc and its tracks, catalogue number and ISRCs.
#include <gtest/gtest.h>

#include "cdrip/CDRIP.h"
#include "cdrip/DiscMetadata.h"
#include "tests/cdrip/ScriptedLibrary.h"

namespace {

const std::string kTwoTracks = "drive\n  parameters ok\n  toc ok\n  track 0 audio\n  track 1000 audio\n  leadout 2000\n";

class DiscMetadata : public ScriptedLibrary {
protected:
    TDiscMetadata Read(const std::string& texts)
    {
        Script((kTwoTracks + texts).c_str());
        const TCDRIP cdrip(nullptr);
        return ReadDiscMetadata(cdrip.TrackCount());
    }
};

TEST_F(DiscMetadata, TheLibrarysTextsCatalogueAndIsrcsFillTheRecord)
{
    const TDiscMetadata disc = Read("  catalog 0731454569821\n  isrc 2 GBAYE0601498\n"
                                    "  text title 0 Ænima — 東京\n  text performer 0 Björk\n  text date 0 1998\n"
                                    "  text genre 0 Trip Hop\n  text title 1 Erste\n  text title 2 Straße 𝄞\n"
                                    "  text performer 2 Zoë\n  text songwriter 2 Søren\n");
    EXPECT_EQ(disc.Album, QString("Ænima — 東京"));
    EXPECT_EQ(disc.AlbumArtist, QString("Björk"));
    EXPECT_EQ(disc.Year, QString("1998"));
    EXPECT_EQ(disc.Genre, QString("Trip Hop"));
    EXPECT_EQ(disc.Catalog, QString("0731454569821"));
    ASSERT_EQ(disc.Tracks.size(), 2u);
    EXPECT_EQ(disc.Track(1).Title, QString("Erste"));
    EXPECT_EQ(disc.Track(1).Isrc, QString());
    EXPECT_EQ(disc.TrackArtist(1), QString("Björk")) << "a track without its own performer has the album's";
    EXPECT_EQ(disc.Track(2).Title, QString("Straße 𝄞"));
    EXPECT_EQ(disc.TrackArtist(2), QString("Zoë"));
    EXPECT_EQ(disc.Track(2).Songwriter, QString("Søren"));
    EXPECT_EQ(disc.Track(2).Isrc, QString("GBAYE0601498"));
    EXPECT_EQ(disc.Track(3).Title, QString()) << "beyond the tracks";
    EXPECT_FALSE(disc.IsEmpty());
}

TEST_F(DiscMetadata, ADiscIsEmptyOnlyWhenItTellsNothingAtAll)
{
    const struct {
        const char* Texts;
        bool Empty;
    } cases[] = {
        {"", true},
        {"  isrc 1 GBAYE0601498\n", false},
        {"  catalog 0731454569821\n", false},
        {"  text songwriter 2 Søren\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Texts);
        const TDiscMetadata disc = Read(c.Texts);
        EXPECT_EQ(disc.Tracks.size(), 2u);
        EXPECT_EQ(disc.IsEmpty(), c.Empty);
    }
}

}  // namespace
