// The CD extraction library on the demo disc image: table of contents, bit-exact ripping, ranges, statuses,
// progress, output formats, parameters and broken images.
#include "AudioFiles.h"
#include "RipRange.h"

#include "libs/cdrip/CDRip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace {

using libstest::ReadBytes;
using libstest::RipRange;
using libstest::SetOutputFormat;
using libstest::TRip;

constexpr int32_t kLeadOut = 5165;
constexpr int32_t kTrackStarts[] = {0, 1650, 3515};
constexpr size_t kSector = 2352;

const std::vector<uint8_t>& DemoBin()
{
    static const std::vector<uint8_t> bin = ReadBytes(std::filesystem::path(TRACKWELL_DEMO_DISC).replace_extension(".bin"));
    return bin;
}

std::vector<uint8_t> Sectors(int32_t first, int32_t last)
{
    return {DemoBin().begin() + first * static_cast<ptrdiff_t>(kSector), DemoBin().begin() + (last + 1) * static_cast<ptrdiff_t>(kSector)};
}

class CDRipTest : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("TRACKWELL_DEVICE", TRACKWELL_DEMO_DISC, 1);
        ASSERT_EQ(CR_Init(), CR_CHUNK_READ);
        ASSERT_EQ(CR_ReadToc(), CR_CHUNK_READ);
    }
    void TearDown() override { CR_CloseRipper(); }
};

TEST_F(CDRipTest, TableOfContentsOfTheDemoDisc)
{
    ASSERT_EQ(CR_GetNumTocEntries(), 3);
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(CR_GetTocEntry(i).FirstSector, static_cast<uint32_t>(kTrackStarts[i])) << "track " << i + 1;
        EXPECT_EQ(CR_GetTocEntry(i).Flags, CR_TOC_AUDIO) << "track " << i + 1;
    }
    EXPECT_EQ(CR_GetTocEntry(3).FirstSector, static_cast<uint32_t>(kLeadOut));
    EXPECT_EQ(static_cast<size_t>(kLeadOut) * kSector, DemoBin().size());
    EXPECT_EQ(CR_GetTocEntry(4).FirstSector, 0u);
    EXPECT_EQ(CR_GetTocEntry(-1).FirstSector, 0u);
}

TEST_F(CDRipTest, EveryTrackRipsToTheImagesBytesWithAndWithoutParanoia)
{
    for (bool paranoia : {true, false}) {
        SetOutputFormat(CR_STEREO44100, paranoia);
        for (int32_t track = 0; track < 3; ++track) {
            SCOPED_TRACE(testing::Message() << "track " << track + 1 << (paranoia ? " with paranoia" : " plain"));
            const int32_t first = kTrackStarts[track];
            const int32_t last = (track < 2 ? kTrackStarts[track + 1] : kLeadOut) - 1;
            const TRip rip = RipRange(first, last);
            EXPECT_GE(rip.BufferSize, static_cast<int32_t>(2 * kSector));
            EXPECT_TRUE(rip.Bytes == Sectors(first, last)) << rip.Bytes.size() << " bytes ripped";
            ASSERT_FALSE(rip.Statuses.empty());
            EXPECT_EQ(rip.Statuses.back(), CR_RANGE_DONE);
            EXPECT_EQ(std::count(rip.Statuses.begin(), rip.Statuses.end(), CR_CHUNK_READ),
                static_cast<ptrdiff_t>(rip.Statuses.size()) - 1);
            EXPECT_TRUE(std::is_sorted(rip.Percents.begin(), rip.Percents.end()));
            EXPECT_EQ(rip.Percents.back(), 100);
            EXPECT_EQ(CR_GetNumberOfJitterErrors(), 0);
            CR_CloseRipper();
        }
    }
}

TEST_F(CDRipTest, RangesIncludeBothEnds)
{
    const struct {
        int32_t First, Last;
    } cases[] = {{100, 100}, {10, 60}, {0, 25}, {0, 26}, {1640, 1660}, {kLeadOut - 1, kLeadOut - 1}};
    for (bool paranoia : {true, false}) {
        SetOutputFormat(CR_STEREO44100, paranoia);
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.First << ".." << c.Last << (paranoia ? " with paranoia" : " plain"));
            const TRip rip = RipRange(c.First, c.Last);
            EXPECT_TRUE(rip.Bytes == Sectors(c.First, c.Last)) << rip.Bytes.size() << " bytes ripped";
            EXPECT_EQ(rip.Statuses.back(), CR_RANGE_DONE);
            CR_CloseRipper();
        }
    }
}

TEST_F(CDRipTest, PercentageCountsTheSectorsDelivered)
{
    SetOutputFormat(CR_STEREO44100, false);
    const TRip rip = RipRange(0, 99);
    // 26-sector chunks of a 100-sector range.
    EXPECT_EQ(rip.Percents, (std::vector<int32_t>{26, 52, 78, 100}));
    EXPECT_EQ(rip.Statuses, (std::vector<int32_t>{CR_CHUNK_READ, CR_CHUNK_READ, CR_CHUNK_READ, CR_RANGE_DONE}));
}

TEST_F(CDRipTest, AFinishedRangeKeepsAnsweringDoneAndAClosedOneFails)
{
    SetOutputFormat(CR_STEREO44100, true);
    const TRip rip = RipRange(200, 210);
    std::vector<uint8_t> buffer(static_cast<size_t>(rip.BufferSize));
    int32_t bytes = -1;
    EXPECT_EQ(CR_RipChunk(buffer.data(), &bytes), CR_RANGE_DONE);
    EXPECT_EQ(bytes, 0);
    CR_CloseRipper();
    EXPECT_EQ(CR_RipChunk(buffer.data(), &bytes), CR_FAILURE);
    EXPECT_EQ(bytes, 0);
    EXPECT_EQ(CR_GetPercentCompleted(), 0);
}

TEST_F(CDRipTest, ClosingInTheMiddleOfARangeStopsTheReader)
{
    SetOutputFormat(CR_STEREO44100, true);
    int32_t bufferSize = 0;
    ASSERT_EQ(CR_OpenRipper(&bufferSize, 0, kLeadOut - 1), CR_CHUNK_READ);
    std::vector<uint8_t> buffer(static_cast<size_t>(bufferSize));
    int32_t bytes = 0;
    EXPECT_EQ(CR_RipChunk(buffer.data(), &bytes), CR_CHUNK_READ);
    EXPECT_EQ(CR_CloseRipper(), CR_CHUNK_READ);
    // A new range starts from its own first sector, not where the closed one stood.
    const TRip rip = RipRange(300, 301);
    EXPECT_TRUE(rip.Bytes == Sectors(300, 301));
}

TEST_F(CDRipTest, RangesOutsideTheDiscFail)
{
    const struct {
        int32_t First, Last;
    } cases[] = {{10, 9}, {-1, 5}, {0, kLeadOut}, {kLeadOut, kLeadOut + 10}};
    for (const auto& c : cases) {
        int32_t bufferSize = 0;
        EXPECT_EQ(CR_OpenRipper(&bufferSize, c.First, c.Last), CR_FAILURE) << c.First << ".." << c.Last;
    }
    EXPECT_EQ(CR_OpenRipper(nullptr, 0, 10), CR_FAILURE);
}

TEST_F(CDRipTest, OutputFormatsHaveTheirRateChannelsAndSound)
{
    constexpr int32_t first = 300;
    constexpr int32_t last = 1049;   // 750 sectors: ten seconds
    const std::vector<uint8_t> cd = Sectors(first, last);
    const auto* cdSamples = reinterpret_cast<const int16_t*>(cd.data());
    const size_t cdFrames = cd.size() / 4;
    const struct {
        int32_t Format;
        int Rate, Channels;
    } cases[] = {{CR_MONO44100, 44100, 1}, {CR_STEREO22050, 22050, 2}, {CR_MONO22050, 22050, 1},
        {CR_STEREO11025, 11025, 2}, {CR_MONO11025, 11025, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "format " << c.Format);
        SetOutputFormat(c.Format, false);
        const TRip rip = RipRange(first, last);
        CR_CloseRipper();
        const auto* samples = reinterpret_cast<const int16_t*>(rip.Bytes.data());
        const size_t frames = rip.Bytes.size() / (2 * static_cast<size_t>(c.Channels));
        EXPECT_EQ(rip.Bytes.size() % (2 * static_cast<size_t>(c.Channels)), 0u);
        EXPECT_NEAR(static_cast<double>(frames), cdFrames * c.Rate / 44100.0, 2.0);

        // Energy survives the conversion: the music lies well below the new Nyquist frequency.
        double cdEnergy = 0, energy = 0;
        for (size_t i = 0; i < cdFrames; ++i)
            for (int ch = 0; ch < c.Channels; ++ch) {
                const double v = c.Channels == 2 ? cdSamples[2 * i + ch] : (cdSamples[2 * i] + cdSamples[2 * i + 1]) / 2.0;
                cdEnergy += v * v;
            }
        for (size_t i = 0; i < frames * c.Channels; ++i)
            energy += static_cast<double>(samples[i]) * samples[i];
        const double ratio = std::sqrt((energy / frames) / (cdEnergy / cdFrames));
        EXPECT_NEAR(ratio, 1.0, 0.1);
        if (c.Format == CR_MONO44100) {
            for (size_t i = 0; i < frames; ++i)
                ASSERT_EQ(samples[i], static_cast<int16_t>((cdSamples[2 * i] + cdSamples[2 * i + 1]) >> 1)) << "frame " << i;
        }
    }
}

TEST_F(CDRipTest, ParametersRecordDescribesTheImageAndKeepsTheCallersBytes)
{
    CR_DriveParameters parameters{};
    ASSERT_EQ(CR_GetCDROMParameters(&parameters), CR_CHUNK_READ);
    EXPECT_STREQ(parameters.DriveId, TRACKWELL_DEMO_DISC);
    EXPECT_EQ(parameters.JitterCorrection, -1);
    EXPECT_EQ(int32_t{parameters.OutputFormat}, CR_STEREO44100);   // a copy: the field is unaligned
    EXPECT_EQ(parameters.Endian, 1);
    EXPECT_EQ(parameters.Atapi, 0);
    EXPECT_EQ(CR_GetActiveCDROM(), 0);

    parameters.Reserved1[3] = 0x5A;
    parameters.DriveType = 14;
    parameters.OutputFormat = CR_MONO22050;
    ASSERT_EQ(CR_SetCDROMParameters(&parameters), CR_CHUNK_READ);
    CR_DriveParameters back{};
    ASSERT_EQ(CR_GetCDROMParameters(&back), CR_CHUNK_READ);
    EXPECT_EQ(std::memcmp(&back, &parameters, sizeof parameters), 0);

    for (int32_t format : {-1, 6}) {
        parameters.OutputFormat = format;
        EXPECT_EQ(CR_SetCDROMParameters(&parameters), CR_FAILURE) << format;
    }
    EXPECT_EQ(CR_SetCDROMParameters(nullptr), CR_FAILURE);
    EXPECT_EQ(CR_GetCDROMParameters(nullptr), CR_FAILURE);
}

TEST_F(CDRipTest, OnlyExistingDrivesCanBeSelected)
{
    EXPECT_EQ(CR_SetActiveCDROM(0), CR_CHUNK_READ);
    EXPECT_EQ(CR_SetActiveCDROM(-1), CR_FAILURE);
    EXPECT_EQ(CR_SetActiveCDROM(1000), CR_FAILURE);
    EXPECT_EQ(CR_GetActiveCDROM(), 0);
}

TEST(CDRipBrokenImage, MissingOrDamagedImagesFailWithoutTracks)
{
    libstest::TTempFolder folder;
    const auto path = [&](const char* name) { return (folder.Path() / name).string(); };
    std::ofstream(path("garbage.cue")) << "THIS IS NOT\x01 A CUE SHEET\nTRACK banana\n";
    std::ofstream(path("nobin.cue")) << "FILE \"absent.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n";
    std::ofstream(path("empty.cue"));
    const struct {
        std::string Device;
        int32_t Init;
    } cases[] = {{path("missing.cue"), CR_FAILURE}, {path("garbage.cue"), CR_CHUNK_READ},
        {path("nobin.cue"), CR_CHUNK_READ}, {path("empty.cue"), CR_CHUNK_READ}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Device);
        setenv("TRACKWELL_DEVICE", c.Device.c_str(), 1);
        EXPECT_EQ(CR_Init(), c.Init);
        CR_DriveParameters parameters{};
        EXPECT_EQ(CR_GetCDROMParameters(&parameters), c.Init);
        EXPECT_EQ(CR_ReadToc(), CR_FAILURE);
        EXPECT_EQ(CR_GetNumTocEntries(), 0);
        int32_t bufferSize = 0;
        EXPECT_EQ(CR_OpenRipper(&bufferSize, 0, 10), CR_FAILURE);
    }
    unsetenv("TRACKWELL_DEVICE");
}

}
