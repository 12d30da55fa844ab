#include "DriveSectorSource.h"

#include <cstring>

namespace cdrip {

namespace {

constexpr int kPlainRetries = 3;
// Bounds paranoia's never-skip mode, which would otherwise retry a bad sector forever.
constexpr int kParanoiaRetries = 20;

struct TParanoiaEvents {
    bool JitterFixed = false;
    bool Skipped = false;
    CR_ReadEvents* Counts = nullptr;
};

// paranoia's callback carries no user pointer; only the reading thread calls it.
thread_local TParanoiaEvents* CurrentEvents = nullptr;

void ParanoiaCallback(long, paranoia_cb_mode_t mode)
{
    if (CurrentEvents == nullptr)
        return;
    CR_ReadEvents& counts = *CurrentEvents->Counts;
    switch (mode) {
    case PARANOIA_CB_FIXUP_EDGE: ++counts.EdgeFixups; break;
    case PARANOIA_CB_FIXUP_ATOM: ++counts.AtomFixups; break;
    case PARANOIA_CB_FIXUP_DROPPED: ++counts.Dropped; break;
    case PARANOIA_CB_FIXUP_DUPED: ++counts.Duplicated; break;
    case PARANOIA_CB_DRIFT: ++counts.Drift; break;
    case PARANOIA_CB_READERR: ++counts.ReadErrors; break;
    case PARANOIA_CB_SCRATCH: ++counts.Scratches; break;
    case PARANOIA_CB_REPAIR: ++counts.Repairs; break;
    case PARANOIA_CB_SKIP: ++counts.Skips; break;
    default: break;
    }
    switch (mode) {
    case PARANOIA_CB_FIXUP_EDGE:
    case PARANOIA_CB_FIXUP_ATOM:
    case PARANOIA_CB_FIXUP_DROPPED:
    case PARANOIA_CB_FIXUP_DUPED:
    case PARANOIA_CB_DRIFT:
        CurrentEvents->JitterFixed = true;
        break;
    case PARANOIA_CB_SKIP:
        CurrentEvents->Skipped = true;
        break;
    default:
        break;
    }
}

}

std::unique_ptr<TDriveSectorSource> TDriveSectorSource::Open(CdIo_t* disc, bool jitterCorrection, int speed, uint32_t firstSector)
{
    cdrom_drive_t* drive = cdio_cddap_identify_cdio(disc, CDDA_MESSAGE_FORGETIT, nullptr);
    if (drive == nullptr)
        return nullptr;
    if (cdio_cddap_open(drive) != 0) {
        cdio_cddap_close_no_free_cdio(drive);
        return nullptr;
    }
    // Drives deliver audio sectors little-endian over MMC, and .bin images store them that way; guessing from
    // the samples could swap quiet passages.
    drive->bigendianp = 0;
    if (speed > 0)
        cdio_cddap_speed_set(drive, speed);

    cdrom_paranoia_t* paranoia = nullptr;
    if (jitterCorrection) {
        paranoia = cdio_paranoia_init(drive);
        if (paranoia == nullptr) {
            cdio_cddap_close_no_free_cdio(drive);
            return nullptr;
        }
        cdio_paranoia_modeset(paranoia, PARANOIA_MODE_FULL);
        cdio_paranoia_seek(paranoia, static_cast<int32_t>(firstSector), SEEK_SET);
    }
    return std::unique_ptr<TDriveSectorSource>(new TDriveSectorSource(drive, paranoia));
}

TDriveSectorSource::~TDriveSectorSource()
{
    if (FParanoia != nullptr)
        cdio_paranoia_free(FParanoia);
    cdio_cddap_close_no_free_cdio(FDrive);
}

TReadOutcome TDriveSectorSource::Read(uint32_t first, uint32_t count, uint8_t* out)
{
    return FParanoia != nullptr ? ReadParanoid(count, out) : ReadPlain(first, count, out);
}

TReadOutcome TDriveSectorSource::ReadPlain(uint32_t first, uint32_t count, uint8_t* out)
{
    if (cdio_cddap_read(FDrive, out, static_cast<lsn_t>(first), static_cast<long>(count)) == static_cast<long>(count))
        return TReadOutcome::roRead;
    // A block read failed somewhere: retry sector by sector so one bad sector does not cost the whole chunk.
    for (uint32_t i = 0; i < count; ++i) {
        bool read = false;
        for (int attempt = 0; attempt < kPlainRetries && !read; ++attempt)
            read = cdio_cddap_read(FDrive, out + i * CDIO_CD_FRAMESIZE_RAW, static_cast<lsn_t>(first + i), 1) == 1;
        if (!read)
            return TReadOutcome::roFailed;
    }
    return TReadOutcome::roRead;
}

TReadOutcome TDriveSectorSource::ReadParanoid(uint32_t count, uint8_t* out)
{
    TParanoiaEvents events;
    events.Counts = &FEvents;
    CurrentEvents = &events;
    bool failed = false;
    // Every sector is read even after a failure, so the next chunk starts where paranoia stands.
    for (uint32_t i = 0; i < count; ++i) {
        const int16_t* sector = cdio_paranoia_read_limited(FParanoia, ParanoiaCallback, kParanoiaRetries);
        if (sector == nullptr)
            failed = true;
        else
            std::memcpy(out + i * CDIO_CD_FRAMESIZE_RAW, sector, CDIO_CD_FRAMESIZE_RAW);
    }
    CurrentEvents = nullptr;
    if (failed || events.Skipped)
        return TReadOutcome::roFailed;
    return events.JitterFixed ? TReadOutcome::roJitterFixed : TReadOutcome::roRead;
}

}
