// TOffsetSource: the sectors of a range shifted by the drive's read offset, with silence beyond the disc's edges.
#pragma once

#include "SectorSource.h"

#include <memory>
#include <vector>

namespace cdrip {

class TOffsetSource : public TSectorSource {
public:
    // The disc sectors [first, last] read shifted by offset samples (4 bytes each): a drive that delivers audio
    // offset samples early is corrected by a positive offset. Sectors before 0 and from leadOut on read as
    // silence. Inner is opened for InnerRange (null when that is empty); reads must go forward from first.
    TOffsetSource(std::unique_ptr<TSectorSource> inner, int32_t offset, uint32_t first, uint32_t leadOut);

    // The disc sectors a shifted range needs, clamped to the disc.
    struct TInnerRange {
        uint32_t First = 0;
        uint32_t Last = 0;
        bool Empty = true;
    };
    static TInnerRange InnerRange(int32_t offset, uint32_t first, uint32_t last, uint32_t leadOut);

    TReadOutcome Read(uint32_t first, uint32_t count, uint8_t* out) override;
    CR_ReadEvents Events() const override { return FInner ? FInner->Events() : CR_ReadEvents{}; }

private:
    // Makes the disc bytes up to end (exclusive) available in FPending, reading inner sectors in order.
    TReadOutcome ReadUpTo(int64_t end);

    std::unique_ptr<TSectorSource> FInner;
    const int64_t FShift;          // bytes
    const int64_t FDiscEnd;        // bytes: the lead-out's first byte
    std::vector<uint8_t> FPending; // disc bytes [FPendingStart, FPendingStart + size)
    int64_t FPendingStart = 0;
    int64_t FNextInner = 0;        // the next inner sector to read
};

}
