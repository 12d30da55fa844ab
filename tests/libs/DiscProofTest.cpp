// What the CD library tells beyond the table of contents and the audio: a sheet's catalogue number, ISRCs and
// pregaps, the read offset's limits and its silence beyond the disc's edges, and the sums of what it delivered.
#include "AudioFiles.h"
#include "DiscImages.h"
#include "RipRange.h"

#include "libs/cdrip/CDRip.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <zlib.h>

namespace {

using namespace libstest;

class DiscProofTest : public testing::Test {
protected:
    void SetUp() override
    {
        WriteBytes(FFolder.Path() / "disc.bin", Joined({TrackSectors(0, 100, true), TrackSectors(1, 120, true)}));
        // Track 2 starts at sector 100 behind a pregap: 10 sectors of the file (INDEX 00) after 5 of silence.
        std::ofstream(FFolder.Path() / "disc.cue") << "CATALOG 0731454569821\nFILE \"disc.bin\" BINARY\n"
                                                      "  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                                                      "  TRACK 02 AUDIO\n    ISRC GBAYE0601498\n    PREGAP 00:00:05\n"
                                                      "    INDEX 00 00:01:15\n    INDEX 01 00:01:25\n";
        setenv("TRACKWELL_DEVICE", (FFolder.Path() / "disc.cue").c_str(), 1);
        ASSERT_EQ(CR_Init(), CR_CHUNK_READ);
        ASSERT_EQ(CR_ReadToc(), CR_CHUNK_READ) << LastErrorText();
    }
    void TearDown() override
    {
        CR_CloseRipper();
        CR_SetReadOffset(0);
        unsetenv("TRACKWELL_DEVICE");
    }
    TTempFolder FFolder;
};

TEST_F(DiscProofTest, TheSheetsCatalogueIsrcsAndPregapsAreTold)
{
    char catalog[32] = {};
    EXPECT_EQ(CR_GetDiscCatalog(catalog, sizeof catalog), 13);
    EXPECT_STREQ(catalog, "0731454569821");
    CR_TrackExtras extras{};
    ASSERT_EQ(CR_GetTrackExtras(0, &extras), CR_CHUNK_READ);
    EXPECT_STREQ(extras.Isrc, "");
    EXPECT_EQ(extras.PregapSector, 0u);  // no pregap: its own start
    ASSERT_EQ(CR_GetTrackExtras(1, &extras), CR_CHUNK_READ);
    EXPECT_STREQ(extras.Isrc, "GBAYE0601498");
    // The silence comes first: the pregap starts 15 sectors before the track's start at 90 + 5 + 10 = 105.
    EXPECT_EQ(CR_GetTocEntry(1).FirstSector, 105u);
    EXPECT_EQ(extras.PregapSector, 90u);
    EXPECT_EQ(CR_GetTrackExtras(2, &extras), CR_FAILURE);
}

TEST_F(DiscProofTest, ReadOffsetsBeyondOneSecondAreRefused)
{
    EXPECT_EQ(CR_SetReadOffset(44100), CR_CHUNK_READ);
    EXPECT_EQ(CR_SetReadOffset(-44100), CR_CHUNK_READ);
    EXPECT_EQ(CR_SetReadOffset(44101), CR_FAILURE);
    EXPECT_EQ(CR_SetReadOffset(-44101), CR_FAILURE);
}

TEST_F(DiscProofTest, AnOffsetShiftsTheAudioAndFillsTheDiscsEdgesWithSilence)
{
    SetOutputFormat(CR_STEREO44100, false);
    const uint32_t leadOut = CR_GetTocEntry(2).FirstSector;
    const TRip plain = RipRange(0, static_cast<int32_t>(leadOut) - 1);
    ASSERT_EQ(plain.Bytes.size(), size_t{leadOut} * kSectorBytes);
    for (const int32_t offset : {-700, -30, 30, 667, 2000}) {
        SCOPED_TRACE(offset);
        ASSERT_EQ(CR_SetReadOffset(offset), CR_CHUNK_READ);
        const TRip shifted = RipRange(0, static_cast<int32_t>(leadOut) - 1);
        ASSERT_EQ(shifted.Bytes.size(), plain.Bytes.size());
        const uint8_t silence[4] = {};
        for (size_t i = 0; i < shifted.Bytes.size(); i += 4) {
            const int64_t from = static_cast<int64_t>(i) + int64_t{offset} * 4;
            const bool onDisc = from >= 0 && from < static_cast<int64_t>(plain.Bytes.size());
            if (std::memcmp(&shifted.Bytes[i], onDisc ? &plain.Bytes[static_cast<size_t>(from)] : silence, 4) != 0)
                FAIL() << "sample " << i / 4;
        }
    }
}

TEST_F(DiscProofTest, TheSumsCoverWhatWasDeliveredAndNeedAnOpenRange)
{
    CR_RangeChecksums sums{};
    EXPECT_EQ(CR_GetRangeChecksums(&sums), CR_FAILURE);
    CR_ReadEvents events{};
    EXPECT_EQ(CR_GetReadEvents(&events), CR_FAILURE);

    SetOutputFormat(CR_MONO22050, false);
    int32_t bufferSize = 0;
    ASSERT_EQ(CR_OpenRipper(&bufferSize, 0, 99), CR_CHUNK_READ);
    std::vector<uint8_t> buffer(static_cast<size_t>(bufferSize));
    std::vector<uint8_t> delivered;
    for (int32_t status = CR_CHUNK_READ; status != CR_RANGE_DONE && status != CR_FAILURE;) {
        int32_t read = 0;
        status = CR_RipChunk(buffer.data(), &read);
        delivered.insert(delivered.end(), buffer.begin(), buffer.begin() + read);
    }
    ASSERT_EQ(CR_GetRangeChecksums(&sums), CR_CHUNK_READ);
    EXPECT_EQ(sums.Bytes, delivered.size());
    EXPECT_EQ(sums.Crc32, static_cast<uint32_t>(crc32(0, delivered.data(), static_cast<uInt>(delivered.size()))));
    EXPECT_EQ(sums.AccurateRip, 0);  // resampled mono is no CD audio
    ASSERT_EQ(CR_GetReadEvents(&events), CR_CHUNK_READ);
    EXPECT_EQ(events.Skips + events.ReadErrors + events.EdgeFixups, 0u);  // an image reads exactly
}

}
