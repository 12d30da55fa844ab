// TRipLibrary: the state behind the CR_ calls: drives, the active disc, the parameters and the open range.
#pragma once

#include "CDRip.h"
#include "Disc.h"
#include "ReadAhead.h"

#include <memory>
#include <string>
#include <vector>

namespace cdrip {

class TRipLibrary {
public:
    static TRipLibrary& Instance();

    int32_t Init();
    int32_t GetParameters(CR_DriveParameters* parameters) const;
    int32_t ActiveDrive() const { return FActive; }
    int32_t SetActiveDrive(int32_t drive);
    int32_t SetParameters(const CR_DriveParameters* parameters);
    int32_t ReadToc();
    int32_t TocEntryCount() const;
    CR_TocEntry TocEntry(int32_t index) const;
    int32_t OpenRange(int32_t* bufferSize, int32_t first, int32_t last);
    int32_t RipChunk(uint8_t* buffer, int32_t* bytesRead);
    void LastJitterPosition(uint32_t* first, uint32_t* last) const;
    int32_t PercentCompleted() const;
    int32_t JitterErrorCount() const { return FJitterErrors; }
    int32_t CloseRange();
    int32_t RangeChecksums(CR_RangeChecksums* checksums) const;
    int32_t ReadEvents(CR_ReadEvents* events) const;
    int32_t SetRangeChecksums(bool enabled)
    {
        FChecksumsEnabled = enabled;
        return CR_CHUNK_READ;
    }
    // Samples the audio of later ranges is shifted by; fails beyond one second either way.
    int32_t SetReadOffset(int32_t samples);
    // Empty without a disc.
    std::string Catalog() const { return FDisc ? FDisc->Catalog() : std::string(); }
    int32_t TrackExtras(int32_t index, CR_TrackExtras* extras) const;
    // Empty without a disc.
    std::string Text(int32_t track, int32_t field) const { return FDisc ? FDisc->Text(track, field) : std::string(); }
    // Why the last Init, ReadToc or OpenRange failed; empty after a success.
    const std::string& LastError() const { return FLastError; }

private:
    TRipLibrary() = default;
    void ResetParameters();
    // Whether [first, last] starts the disc's first audio track, and ends its last one: AccurateRip leaves out
    // the disc's edges.
    bool StartsAudio(uint32_t first) const;
    bool EndsAudio(uint32_t last) const;
    // Returns status after recording why it failed (text) or that it succeeded (empty text).
    int32_t Outcome(int32_t status, std::string text = {});

    std::vector<std::string> FDrives;
    int32_t FActive = 0;
    CR_DriveParameters FParameters{};
    std::unique_ptr<TDisc> FDisc;
    std::string FLastError;
    int32_t FReadOffset = 0;

    std::unique_ptr<TReadAhead> FRange;
    uint32_t FRangeSectors = 0;
    uint32_t FSectorsDone = 0;
    bool FRangeDone = false;
    int32_t FJitterErrors = 0;
    CR_RangeChecksums FSums{};
    CR_ReadEvents FEvents{};
    bool FChecksumsEnabled = true;
    uint32_t FJitterFirst = 0;
    uint32_t FJitterLast = 0;
};

}
