#include "OffsetSource.h"

#include <algorithm>
#include <cstring>

namespace cdrip {

namespace {
constexpr int64_t kSector = 2352;
constexpr int64_t kSampleBytes = 4;

// The first disc sector holding byte.
int64_t SectorOf(int64_t byte)
{
    return byte >= 0 ? byte / kSector : -((-byte + kSector - 1) / kSector);
}
}

TOffsetSource::TInnerRange TOffsetSource::InnerRange(int32_t offset, uint32_t first, uint32_t last, uint32_t leadOut)
{
    const int64_t begin = int64_t{first} * kSector + int64_t{offset} * kSampleBytes;
    const int64_t end = (int64_t{last} + 1) * kSector + int64_t{offset} * kSampleBytes;
    const int64_t firstSector = std::max<int64_t>(SectorOf(begin), 0);
    const int64_t lastSector = std::min<int64_t>(SectorOf(end - 1), int64_t{leadOut} - 1);
    if (firstSector > lastSector)
        return {};
    return {static_cast<uint32_t>(firstSector), static_cast<uint32_t>(lastSector), false};
}

TOffsetSource::TOffsetSource(std::unique_ptr<TSectorSource> inner, int32_t offset, uint32_t first, uint32_t leadOut)
    : FInner(std::move(inner)), FShift(int64_t{offset} * kSampleBytes), FDiscEnd(int64_t{leadOut} * kSector)
{
    FNextInner = std::max<int64_t>(SectorOf(int64_t{first} * kSector + FShift), 0);
    FPendingStart = FNextInner * kSector;
}

TReadOutcome TOffsetSource::ReadUpTo(int64_t end)
{
    TReadOutcome outcome = TReadOutcome::roRead;
    end = std::min(end, FDiscEnd);
    const int64_t have = FPendingStart + static_cast<int64_t>(FPending.size());
    if (end <= have || FInner == nullptr)
        return outcome;
    const int64_t count = SectorOf(end - 1) - FNextInner + 1;
    const size_t at = FPending.size();
    FPending.resize(at + static_cast<size_t>(count * kSector));
    outcome = FInner->Read(static_cast<uint32_t>(FNextInner), static_cast<uint32_t>(count), FPending.data() + at);
    if (outcome == TReadOutcome::roFailed)
        std::memset(FPending.data() + at, 0, static_cast<size_t>(count * kSector));
    FNextInner += count;
    return outcome;
}

TReadOutcome TOffsetSource::Read(uint32_t first, uint32_t count, uint8_t* out)
{
    const int64_t begin = int64_t{first} * kSector + FShift;
    const int64_t end = begin + int64_t{count} * kSector;
    const TReadOutcome outcome = ReadUpTo(end);
    std::memset(out, 0, static_cast<size_t>(end - begin));
    // The part of [begin, end) that lies on the disc comes from the pending bytes.
    const int64_t from = std::max<int64_t>(begin, 0);
    const int64_t to = std::min(end, FDiscEnd);
    if (from < to)
        std::memcpy(out + (from - begin), FPending.data() + (from - FPendingStart), static_cast<size_t>(to - from));
    // Reads go forward: what lies before this read's end is never needed again.
    const int64_t drop = std::clamp<int64_t>(end - FPendingStart, 0, static_cast<int64_t>(FPending.size()));
    FPending.erase(FPending.begin(), FPending.begin() + drop);
    FPendingStart += drop;
    return outcome;
}

}
