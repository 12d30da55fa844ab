// TDisc: an opened drive or disc image with its table of contents.
#pragma once

#include "CDRip.h"

#include <cdio/cdio.h>

#include <memory>
#include <string>
#include <vector>

namespace cdrip {

class TDisc {
public:
    // Opens the drive or image and reads its table of contents; nullptr when either fails.
    static std::unique_ptr<TDisc> Open(const std::string& device);
    ~TDisc();
    TDisc(const TDisc&) = delete;
    TDisc& operator=(const TDisc&) = delete;

    CdIo_t* Handle() const { return FHandle; }
    bool IsImage() const { return FIsImage; }
    // The tracks' entries followed by the lead-out.
    const std::vector<CR_TocEntry>& Toc() const { return FToc; }
    int TrackCount() const { return static_cast<int>(FToc.size()) - 1; }
    uint32_t LeadOut() const { return FToc.back().FirstSector; }

private:
    explicit TDisc(CdIo_t* handle, bool isImage) : FHandle(handle), FIsImage(isImage) {}

    CdIo_t* FHandle;
    bool FIsImage;
    std::vector<CR_TocEntry> FToc;
};

}
