#include "TocCheck.h"

#include "SheetLines.h"

namespace cdrip {

std::string TocDamage(const std::vector<CR_TocEntry>& toc)
{
    if (toc.size() < 2)
        return "no track";
    for (size_t i = 1; i < toc.size(); ++i) {
        const uint32_t start = toc[i].FirstSector;
        const uint32_t previous = toc[i - 1].FirstSector;
        if (start > previous)
            continue;
        const std::string earlier = std::string(start < previous ? "before" : "not after") + " track " + std::to_string(i)
            + "'s start " + SectorTimeText(previous);
        if (i + 1 == toc.size())
            return "the lead-out at " + SectorTimeText(start) + " is " + earlier;
        return "track " + std::to_string(i + 1) + " starts at " + SectorTimeText(start) + ", " + earlier;
    }
    return {};
}

}
