// TSectorSource: reads raw audio sectors from an opened disc, through full paranoia or with plain reads.
#pragma once

#include <cdio/cdio.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <cstdint>
#include <memory>

namespace cdrip {

enum class TReadOutcome { roRead, roJitterFixed, roFailed };

class TSectorSource {
public:
    // The disc handle stays owned by the caller and must outlive the source; nullptr when the drive cannot be
    // opened for audio reading.
    static std::unique_ptr<TSectorSource> Open(CdIo_t* disc, bool jitterCorrection, int speed, uint32_t firstSector);
    ~TSectorSource();
    TSectorSource(const TSectorSource&) = delete;
    TSectorSource& operator=(const TSectorSource&) = delete;

    // Reads count sectors, first being the sector after the previous read's last, into out (count * 2352 bytes).
    TReadOutcome Read(uint32_t first, uint32_t count, uint8_t* out);

private:
    TSectorSource(cdrom_drive_t* drive, cdrom_paranoia_t* paranoia) : FDrive(drive), FParanoia(paranoia) {}
    TReadOutcome ReadPlain(uint32_t first, uint32_t count, uint8_t* out);
    TReadOutcome ReadParanoid(uint32_t count, uint8_t* out);

    cdrom_drive_t* FDrive;
    cdrom_paranoia_t* FParanoia;
};

}
