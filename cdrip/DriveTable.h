#pragma once
// The drive description: the seven values of the CD library's parameters record that name the drive's kind.
#include <cstdint>

#include "framework/Persistent.h"

enum class TDriveType : std::int32_t {
    GENERIC, TOSHIBA, TOSHIBANEW, IBM, NEC, DEC, IMS, KODAK, RICOH, HP, PHILIPS, PLASMON, GRUNDIGCDR100IPW,
    MITSUMICDR, PLEXTOR, SONY, YAMAHA, NRC, IMSCDD5, CUSTOMDRIVE
};
enum class TReadMethod : std::int32_t { READMMC, READ10, READNEC, READSONY, READMMC2, READMMC3, READC1, READC2, READC3 };
enum class TSetSpeed : std::int32_t { SPEEDNONE, SPEEDMMC, SPEEDSONY, SPEEDYAMAHA, SPEEDTOSHIBA, SPEEDPHILIPS, SPEEDNEC };
enum class TEndian : std::int32_t { BIGENDIAN, LITTLEENDIAN };
enum class TEnableMode : std::int32_t { ENABLENONE, ENABLESTD };

class TDriveTableClass : public TPersistent {
public:
    void Assign(const TPersistent* source) override;

    TDriveType DriveType = TDriveType::GENERIC;
    TReadMethod ReadMethod = TReadMethod::READMMC;
    TSetSpeed SetSpeed = TSetSpeed::SPEEDNONE;
    TEndian Endian = TEndian::BIGENDIAN;
    TEnableMode EnableMode = TEnableMode::ENABLENONE;
    std::int32_t Density = 0;
    bool Atapi = false;
};
