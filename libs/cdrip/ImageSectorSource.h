// TImageSectorSource: reads raw sectors of a disc image from the files its sheet names.
#pragma once

#include "ImageLayout.h"
#include "SectorSource.h"

#include <memory>
#include <vector>

namespace cdrip {

class TImageSectorSource : public TSectorSource {
public:
    // The layout must outlive the source. Throws EDiscError naming a file that cannot be opened.
    explicit TImageSectorSource(const TImageLayout& layout);
    ~TImageSectorSource() override;
    TImageSectorSource(const TImageSectorSource&) = delete;
    TImageSectorSource& operator=(const TImageSectorSource&) = delete;

    // Plain reads: a file gives the same bytes every time, so there is no jitter to correct. Fails when a file
    // turned shorter or unreadable since the sheet was read.
    TReadOutcome Read(uint32_t first, uint32_t count, uint8_t* out) override;

private:
    bool ReadExtent(const TImageExtent& extent, uint32_t sector, uint32_t count, uint8_t* out) const;

    const TImageLayout& FLayout;
    std::vector<int> FFiles;
};

}
