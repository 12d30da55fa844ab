// TDriveSectorSource: reads raw sectors from a disc opened by libcdio, through full paranoia or with plain reads.
#pragma once

#include "SectorSource.h"

#include <cdio/cdio.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <memory>

namespace cdrip {

class TDriveSectorSource : public TSectorSource {
public:
    // The disc handle stays owned by the caller and must outlive the source; nullptr when the drive cannot be
    // opened for audio reading.
    static std::unique_ptr<TDriveSectorSource> Open(CdIo_t* disc, bool jitterCorrection, int speed, uint32_t firstSector);
    ~TDriveSectorSource() override;
    TDriveSectorSource(const TDriveSectorSource&) = delete;
    TDriveSectorSource& operator=(const TDriveSectorSource&) = delete;

    TReadOutcome Read(uint32_t first, uint32_t count, uint8_t* out) override;
    CR_ReadEvents Events() const override { return FEvents; }

private:
    TDriveSectorSource(cdrom_drive_t* drive, cdrom_paranoia_t* paranoia) : FDrive(drive), FParanoia(paranoia) {}
    TReadOutcome ReadPlain(uint32_t first, uint32_t count, uint8_t* out);
    TReadOutcome ReadParanoid(uint32_t count, uint8_t* out);

    cdrom_drive_t* FDrive;
    cdrom_paranoia_t* FParanoia;
    CR_ReadEvents FEvents{};
};

}
