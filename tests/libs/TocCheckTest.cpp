// The check every table of contents passes, drives' included: tracks in order and the lead-out after them.
#include "libs/cdrip/TocCheck.h"

#include <gtest/gtest.h>

namespace {

TEST(TocCheck, TracksOutOfOrderOrALeadOutBeforeTheLastTrackAreNamed)
{
    const struct {
        std::vector<uint32_t> Starts;   // tracks, then the lead-out
        std::string Damage;
    } cases[] = {
        {{0, 1650, 3515, 5165}, ""},
        {{150, 151}, ""},
        {{1353, 651, 9000}, "track 2 starts at 0:08.51, before track 1's start 0:18.03"},
        {{0, 500, 500, 9000}, "track 3 starts at 0:06.50, not after track 2's start 0:06.50"},
        {{0, 500, 400}, "the lead-out at 0:05.25 is before track 2's start 0:06.50"},
        {{0, 0}, "the lead-out at 0:00.00 is not after track 1's start 0:00.00"},
        {{0}, "no track"},
    };
    for (const auto& c : cases) {
        std::vector<CR_TocEntry> toc;
        for (const uint32_t start : c.Starts)
            toc.push_back({start, CR_TOC_AUDIO, 0});
        EXPECT_EQ(cdrip::TocDamage(toc), c.Damage);
    }
}

}
