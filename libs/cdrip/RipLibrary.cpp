#include "RipLibrary.h"

#include "DriveList.h"
#include "OffsetSource.h"

#include <cdio/logging.h>
#include <sys/stat.h>

#include <cstring>
#include <exception>

namespace cdrip {

namespace {
constexpr int32_t kTrue = -1;
}

TRipLibrary& TRipLibrary::Instance()
{
    static TRipLibrary library;
    return library;
}

int32_t TRipLibrary::Init()
{
    CloseRange();
    FDisc.reset();
    cdio_loglevel_default = CDIO_LOG_ERROR;
    FDrives = FindDrives();
    FActive = 0;
    if (FDrives.empty())
        return Outcome(CR_FAILURE, "no drive found and TRACKWELL_DEVICE names none");
    struct stat info {};
    if (stat(FDrives.front().c_str(), &info) != 0) {
        const std::string missing = FDrives.front();
        FDrives.clear();
        return Outcome(CR_FAILURE, missing + ": no such drive or disc image");
    }
    ResetParameters();
    return Outcome(CR_CHUNK_READ);
}

int32_t TRipLibrary::Outcome(int32_t status, std::string text)
{
    FLastError = std::move(text);
    return status;
}

void TRipLibrary::ResetParameters()
{
    FParameters = CR_DriveParameters{};
    const std::string& name = FDrives[static_cast<size_t>(FActive)];
    std::strncpy(FParameters.DriveId, name.c_str(), sizeof FParameters.DriveId - 1);
    FParameters.JitterCorrection = kTrue;
    FParameters.SetSpeed = 1;
    FParameters.Endian = 1;
    struct stat info {};
    const bool device = stat(name.c_str(), &info) == 0 && S_ISBLK(info.st_mode);
    FParameters.Atapi = device ? kTrue : 0;
    FParameters.OutputFormat = CR_STEREO44100;
}

int32_t TRipLibrary::GetParameters(CR_DriveParameters* parameters) const
{
    if (parameters == nullptr || FDrives.empty())
        return CR_FAILURE;
    *parameters = FParameters;
    return CR_CHUNK_READ;
}

int32_t TRipLibrary::SetActiveDrive(int32_t drive)
{
    if (drive < 0 || static_cast<size_t>(drive) >= FDrives.size())
        return CR_FAILURE;
    if (drive != FActive) {
        CloseRange();
        FDisc.reset();
        FActive = drive;
        ResetParameters();
    }
    return CR_CHUNK_READ;
}

int32_t TRipLibrary::SetParameters(const CR_DriveParameters* parameters)
{
    if (parameters == nullptr || FDrives.empty() || parameters->OutputFormat < CR_STEREO44100
        || parameters->OutputFormat > CR_MONO11025 || parameters->ReadSpeed < 0)
        return CR_FAILURE;
    FParameters = *parameters;
    return CR_CHUNK_READ;
}

int32_t TRipLibrary::ReadToc()
{
    if (FDrives.empty())
        return Outcome(CR_FAILURE, "no drive: CR_Init found none");
    CloseRange();
    FDisc.reset();
    try {
        FDisc = TDisc::Open(FDrives[static_cast<size_t>(FActive)]);
    } catch (const std::exception& error) {
        return Outcome(CR_FAILURE, error.what());
    }
    return Outcome(CR_CHUNK_READ);
}

int32_t TRipLibrary::TocEntryCount() const
{
    return FDisc ? FDisc->TrackCount() : 0;
}

CR_TocEntry TRipLibrary::TocEntry(int32_t index) const
{
    if (!FDisc || index < 0 || index > FDisc->TrackCount())
        return CR_TocEntry{};
    return FDisc->Toc()[static_cast<size_t>(index)];
}

int32_t TRipLibrary::OpenRange(int32_t* bufferSize, int32_t first, int32_t last)
{
    CloseRange();
    if (bufferSize == nullptr)
        return Outcome(CR_FAILURE, "no buffer size to answer into");
    if (!FDisc)
        return Outcome(CR_FAILURE, "no table of contents read");
    if (first < 0 || last < first || static_cast<uint32_t>(last) >= FDisc->LeadOut())
        return Outcome(CR_FAILURE, "sectors " + std::to_string(first) + " to " + std::to_string(last)
            + " do not lie on the disc, which ends before sector " + std::to_string(FDisc->LeadOut()));
    try {
        auto converter = std::make_unique<TFormatConverter>(int{FParameters.OutputFormat});   // the field is unaligned: pass a copy
        std::unique_ptr<TSectorSource> source;
        const auto inner = TOffsetSource::InnerRange(FReadOffset, static_cast<uint32_t>(first),
            static_cast<uint32_t>(last), FDisc->LeadOut());
        if (!inner.Empty) {
            source = FDisc->OpenSource(FParameters.JitterCorrection != 0, FParameters.ReadSpeed, inner.First, inner.Last);
            if (!source)
                return Outcome(CR_FAILURE, FDrives[static_cast<size_t>(FActive)] + ": cannot be opened for audio reading");
        }
        // Without an offset the drive's own source is read directly: no copy through the shifting buffer.
        if (FReadOffset != 0 || inner.Empty)
            source = std::make_unique<TOffsetSource>(std::move(source), FReadOffset, static_cast<uint32_t>(first),
                FDisc->LeadOut());
        const TRangeChecksums sums(FParameters.OutputFormat == CR_STEREO44100, StartsAudio(static_cast<uint32_t>(first)),
            EndsAudio(static_cast<uint32_t>(last)), (uint64_t{static_cast<uint32_t>(last)} - static_cast<uint32_t>(first) + 1) * 588);
        FRange = std::make_unique<TReadAhead>(std::move(source), std::move(converter),
            FChecksumsEnabled ? std::optional<TRangeChecksums>(sums) : std::nullopt,
            static_cast<uint32_t>(first), static_cast<uint32_t>(last));
    } catch (const std::exception& error) {
        return Outcome(CR_FAILURE, error.what());
    }
    FRangeSectors = static_cast<uint32_t>(last - first + 1);
    *bufferSize = static_cast<int32_t>(TReadAhead::kChunkBytes);
    return Outcome(CR_CHUNK_READ);
}

int32_t TRipLibrary::RipChunk(uint8_t* buffer, int32_t* bytesRead)
{
    if (bytesRead != nullptr)
        *bytesRead = 0;
    if (!FRange || buffer == nullptr || bytesRead == nullptr)
        return CR_FAILURE;
    if (FRangeDone)
        return CR_RANGE_DONE;
    const TChunkInfo chunk = FRange->Take(buffer);
    FSectorsDone += chunk.LastSector - chunk.FirstSector + 1;
    FRangeDone = chunk.Last;
    // A failed chunk delivers nothing, but what paranoia met reading it counts.
    FEvents = chunk.Events;
    if (chunk.Outcome == TReadOutcome::roFailed)
        return CR_FAILURE;
    *bytesRead = static_cast<int32_t>(chunk.Bytes);
    FSums = chunk.Sums;
    const bool jitter = chunk.Outcome == TReadOutcome::roJitterFixed;
    if (jitter) {
        ++FJitterErrors;
        FJitterFirst = chunk.FirstSector;
        FJitterLast = chunk.LastSector;
    }
    // The end of the range outranks a jitter report: the caller stops only on CR_RANGE_DONE.
    if (chunk.Last)
        return CR_RANGE_DONE;
    return jitter ? CR_JITTER_FIXED : CR_CHUNK_READ;
}

void TRipLibrary::LastJitterPosition(uint32_t* first, uint32_t* last) const
{
    if (first != nullptr)
        *first = FJitterFirst;
    if (last != nullptr)
        *last = FJitterLast;
}

int32_t TRipLibrary::PercentCompleted() const
{
    if (FRangeSectors == 0)
        return 0;
    return static_cast<int32_t>(uint64_t{FSectorsDone} * 100 / FRangeSectors);
}

int32_t TRipLibrary::SetReadOffset(int32_t samples)
{
    constexpr int32_t kMostOffset = 44100;
    if (samples < -kMostOffset || samples > kMostOffset)
        return CR_FAILURE;
    FReadOffset = samples;
    return CR_CHUNK_READ;
}

int32_t TRipLibrary::TrackExtras(int32_t index, CR_TrackExtras* extras) const
{
    if (!FDisc || extras == nullptr || index < 0 || index >= FDisc->TrackCount())
        return CR_FAILURE;
    *extras = CR_TrackExtras{};
    const std::string isrc = FDisc->Isrc(index);
    std::strncpy(extras->Isrc, isrc.c_str(), sizeof extras->Isrc - 1);
    extras->PregapSector = FDisc->PregapStart(index);
    return CR_CHUNK_READ;
}

int32_t TRipLibrary::CloseRange()
{
    FRange.reset();
    FRangeSectors = 0;
    FSectorsDone = 0;
    FRangeDone = false;
    FJitterErrors = 0;
    FJitterFirst = 0;
    FJitterLast = 0;
    FSums = CR_RangeChecksums{};
    FEvents = CR_ReadEvents{};
    return CR_CHUNK_READ;
}

int32_t TRipLibrary::ReadEvents(CR_ReadEvents* events) const
{
    if (!FRange || events == nullptr)
        return CR_FAILURE;
    *events = FEvents;
    return CR_CHUNK_READ;
}

int32_t TRipLibrary::RangeChecksums(CR_RangeChecksums* checksums) const
{
    if (!FRange || checksums == nullptr)
        return CR_FAILURE;
    *checksums = FSums;
    return CR_CHUNK_READ;
}

bool TRipLibrary::StartsAudio(uint32_t first) const
{
    for (int i = 0; i < FDisc->TrackCount(); ++i)
        if ((FDisc->Toc()[static_cast<size_t>(i)].Flags & CR_TOC_AUDIO) != 0)
            return FDisc->Toc()[static_cast<size_t>(i)].FirstSector == first;
    return false;
}

bool TRipLibrary::EndsAudio(uint32_t last) const
{
    for (int i = FDisc->TrackCount() - 1; i >= 0; --i)
        if ((FDisc->Toc()[static_cast<size_t>(i)].Flags & CR_TOC_AUDIO) != 0)
            return FDisc->Toc()[static_cast<size_t>(i) + 1].FirstSector == last + 1;
    return false;
}

}
