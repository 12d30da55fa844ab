// Disc identifiers from generated tables of contents, against libdiscid's answers for the same tables.
#include <discid/discid.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "cdrip/DiscIds.h"

namespace {

struct TToc {
    const char* name;
    std::vector<std::uint32_t> starts;  // then the lead-out
};

TEST(DiscIds, MusicBrainzAndFreedbIdsEqualLibdiscids)
{
    const std::vector<TToc> tables = {
        {"one track", {0, 20000}},
        {"three tracks", {0, 1650, 3515, 5165}},
        {"a start past the lead-in", {182, 19360, 41410, 70000, 102342, 150000, 210000, 330000}},
        {"99 tracks", [] {
             std::vector<std::uint32_t> starts;
             for (std::uint32_t i = 0; i <= 99; ++i)
                 starts.push_back(i * 3000 + i * i);
             return starts;
         }()},
    };
    for (const TToc& table : tables) {
        SCOPED_TRACE(table.name);
        std::vector<CR_TocEntry> toc;
        std::vector<int> offsets(100, 0);
        const int count = static_cast<int>(table.starts.size()) - 1;
        for (int i = 0; i <= count; ++i) {
            toc.push_back({table.starts[static_cast<std::size_t>(i)], static_cast<std::uint8_t>(i < count ? CR_TOC_AUDIO : 0), 0});
            offsets[static_cast<std::size_t>(i < count ? i + 1 : 0)] = static_cast<int>(table.starts[static_cast<std::size_t>(i)]) + 150;
        }
        std::unique_ptr<DiscId, decltype(&discid_free)> disc(discid_new(), &discid_free);
        ASSERT_TRUE(discid_put(disc.get(), 1, count, offsets.data())) << discid_get_error_msg(disc.get());

        const TDiscIds ids = ComputeDiscIds(toc);
        EXPECT_EQ(ids.MusicBrainz.toStdString(), discid_get_id(disc.get()));
        EXPECT_EQ(ids.CddbText().toStdString(), discid_get_freedb_id(disc.get()));
        EXPECT_EQ(ids.TrackCount, count);
    }
}

TEST(DiscIds, AccurateRipIdsSumTheTrackStartsAndNameTheAnswerFile)
{
    // Starts 0, 1650, 3515 and the lead-out 5165: id1 is their sum, id2 weighs each by its track number (the
    // lead-out by the count plus one, a start of 0 as 1).
    const std::vector<CR_TocEntry> toc = {{0, CR_TOC_AUDIO, 0}, {1650, CR_TOC_AUDIO, 0}, {3515, CR_TOC_AUDIO, 0}, {5165, 0, 0}};
    const TDiscIds ids = ComputeDiscIds(toc);
    EXPECT_EQ(ids.AccurateRip1, 0u + 1650 + 3515 + 5165);
    EXPECT_EQ(ids.AccurateRip2, 1u * 1 + 1650 * 2 + 3515 * 3 + 5165 * 4);
    EXPECT_EQ(ids.AccurateRipFileName(), QStringLiteral("dBAR-003-%1-%2-%3.bin")
                                             .arg(ids.AccurateRip1, 8, 16, QLatin1Char('0'))
                                             .arg(ids.AccurateRip2, 8, 16, QLatin1Char('0'))
                                             .arg(ids.CddbText()));
    const QString id1 = QStringLiteral("%1").arg(ids.AccurateRip1, 8, 16, QLatin1Char('0'));
    EXPECT_TRUE(ids.AccurateRipPath().startsWith(QStringLiteral("%1/%2/%3/dBAR-").arg(id1[7]).arg(id1[6]).arg(id1[5])));
}

TEST(DiscIds, AnEnhancedCdsDataTrackEndsTheAudioBeforeItsSessionGap)
{
    const std::vector<CR_TocEntry> toc = {{0, CR_TOC_AUDIO, 0}, {20000, CR_TOC_AUDIO, 0}, {60000, 0, 0}, {90000, 0, 0}};
    const TDiscIds ids = ComputeDiscIds(toc);
    EXPECT_EQ(ids.TrackCount, 3);
    EXPECT_EQ(ids.AccurateRip1, 20000u + (60000 - 11400));
    EXPECT_EQ(ids.AccurateRip2, 1u + 20000 * 2 + (60000 - 11400) * 3);
}

}  // namespace
