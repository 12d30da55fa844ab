// TImageDisc: a disc image described by a cue sheet or a cdrdao .toc file, read from its files by our own reader.
#pragma once

#include "Disc.h"
#include "ImageLayout.h"

namespace cdrip {

class TImageDisc : public TDisc {
public:
    // Throws EDiscError naming the sheet when the layout's table of contents is damaged.
    TImageDisc(const std::string& sheet, TImageLayout layout);

    // Always plain reads: jitter correction and speed mean nothing for a file.
    std::unique_ptr<TSectorSource> OpenSource(bool jitterCorrection, int speed, uint32_t first, uint32_t last) override;

private:
    TImageLayout FLayout;
};

}
