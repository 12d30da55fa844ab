#include "ReadAhead.h"

#include <algorithm>
#include <cstring>
#include <exception>

namespace cdrip {

TReadAhead::TReadAhead(std::unique_ptr<TSectorSource> source, std::unique_ptr<TFormatConverter> converter,
    std::optional<TRangeChecksums> checksums, uint32_t first, uint32_t last)
    : FSource(std::move(source)), FConverter(std::move(converter)), FChecksums(std::move(checksums)), FFirst(first), FLast(last),
      FRing(kRingChunks)
{
    for (TSlot& slot : FRing)
        slot.Data.reset(new uint8_t[kChunkBytes]);
    FThread = std::thread(&TReadAhead::Run, this);
}

TReadAhead::~TReadAhead()
{
    {
        std::lock_guard lock(FLock);
        FStopping = true;
    }
    FChanged.notify_all();
    FThread.join();
}

TChunkInfo TReadAhead::Take(uint8_t* buffer)
{
    std::unique_lock lock(FLock);
    FChanged.wait(lock, [this] { return FFilled > FTaken; });
    TSlot& slot = FRing[FTaken % FRing.size()];
    const TChunkInfo info = slot.Info;
    lock.unlock();
    if (info.Outcome != TReadOutcome::roFailed)
        std::memcpy(buffer, slot.Data.get(), info.Bytes);
    lock.lock();
    ++FTaken;
    lock.unlock();
    FChanged.notify_all();
    return info;
}

void TReadAhead::Run()
{
    std::unique_ptr<uint8_t[]> raw(new uint8_t[kChunkBytes]);
    for (uint32_t first = FFirst;; first += kSectorsPerChunk) {
        size_t index = 0;
        {
            std::unique_lock lock(FLock);
            FChanged.wait(lock, [this] { return FStopping || FFilled - FTaken < FRing.size(); });
            if (FStopping)
                return;
            index = FFilled % FRing.size();
        }
        // The slot is the reader's alone until it is published below.
        Fill(FRing[index], first, raw.get());
        {
            std::lock_guard lock(FLock);
            ++FFilled;
        }
        FChanged.notify_all();
        if (FLast - first < kSectorsPerChunk)
            break;
    }
}

void TReadAhead::Fill(TSlot& slot, uint32_t first, uint8_t* raw)
{
    const uint32_t count = std::min(kSectorsPerChunk, FLast - first + 1);
    TChunkInfo& info = slot.Info;
    info.FirstSector = first;
    info.LastSector = first + count - 1;
    info.Last = info.LastSector == FLast;
    info.Bytes = 0;
    // CD audio kept as it is goes straight into the slot, with no copy on this thread.
    const bool direct = FConverter->PassesThrough();
    uint8_t* target = direct ? slot.Data.get() : raw;
    try {
        info.Outcome = FSource->Read(first, count, target);
        // A failed chunk still goes through the resampler as silence, so the chunks around it keep their timing.
        if (info.Outcome == TReadOutcome::roFailed)
            std::memset(target, 0, count * 2352);
        info.Bytes = direct ? size_t{count} * 2352
                            : FConverter->Convert(reinterpret_cast<const int16_t*>(raw), count * 588, info.Last, slot.Data.get(), kChunkBytes);
    } catch (const std::exception&) {
        info.Outcome = TReadOutcome::roFailed;
    }
    // A failed chunk delivers nothing, so it adds nothing.
    if (FChecksums && info.Outcome != TReadOutcome::roFailed)
        FChecksums->Add(slot.Data.get(), info.Bytes);
    info.Sums = FChecksums ? FChecksums->Sums() : CR_RangeChecksums{};
    info.Events = FSource->Events();
}

}
