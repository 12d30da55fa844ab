// TDisc: an opened drive or disc image with its checked table of contents; opens sector sources for ranges.
#pragma once

#include "CDRip.h"
#include "DiscExtras.h"
#include "SectorSource.h"

#include <memory>
#include <string>
#include <vector>

namespace cdrip {

class TDisc {
public:
    // Cue sheets and .toc files are read by our own sheet reader, everything else (drives, .nrg) through libcdio.
    // Throws EDiscError with a text naming the device when it cannot be opened or its table of contents is damaged.
    static std::unique_ptr<TDisc> Open(const std::string& device);
    virtual ~TDisc() = default;
    TDisc(const TDisc&) = delete;
    TDisc& operator=(const TDisc&) = delete;

    // The tracks' entries followed by the lead-out.
    const std::vector<CR_TocEntry>& Toc() const { return FToc; }
    int TrackCount() const { return static_cast<int>(FToc.size()) - 1; }
    uint32_t LeadOut() const { return FToc.back().FirstSector; }
    const std::string& Catalog() const { return FExtras.Catalog; }
    // track is 0-based; an empty ISRC when none is known, the track's own start when it has no pregap.
    std::string Isrc(int track) const;
    uint32_t PregapStart(int track) const;
    // A CR_TEXT_ field of the disc (track 0) or of a track (1 to N); empty when the disc does not tell it.
    std::string Text(int track, int field) const;

    // A source for the range [first, last] (inside the disc); throws EDiscError or returns nullptr when the
    // disc cannot be read.
    virtual std::unique_ptr<TSectorSource> OpenSource(bool jitterCorrection, int speed, uint32_t first, uint32_t last) = 0;

protected:
    // Throws EDiscError naming the device unless the track starts increase and the lead-out follows the last.
    TDisc(const std::string& device, std::vector<CR_TocEntry> toc);
    // Whether a data track has a sector in [first, last].
    bool TouchesDataTrack(uint32_t first, uint32_t last) const;
    void SetExtras(TDiscExtras extras) { FExtras = std::move(extras); }

private:
    std::vector<CR_TocEntry> FToc;
    TDiscExtras FExtras;
};

}
