#include "Disc.h"

namespace cdrip {

std::unique_ptr<TDisc> TDisc::Open(const std::string& device)
{
    CdIo_t* handle = cdio_open(device.c_str(), DRIVER_UNKNOWN);
    if (handle == nullptr)
        return nullptr;
    const driver_id_t driver = cdio_get_driver_id(handle);
    std::unique_ptr<TDisc> disc(new TDisc(handle, driver == DRIVER_BINCUE || driver == DRIVER_CDRDAO || driver == DRIVER_NRG));

    const track_t first = cdio_get_first_track_num(handle);
    const track_t count = cdio_get_num_tracks(handle);
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0)
        return nullptr;
    for (track_t track = first; track < first + count; ++track) {
        const lsn_t start = cdio_get_track_lsn(handle, track);
        if (start == CDIO_INVALID_LSN)
            return nullptr;
        const bool audio = cdio_get_track_format(handle, track) == TRACK_FORMAT_AUDIO;
        disc->FToc.push_back({static_cast<uint32_t>(start), static_cast<uint8_t>(audio ? CR_TOC_AUDIO : 0), 0});
    }
    const lsn_t leadOut = cdio_get_track_lsn(handle, CDIO_CDROM_LEADOUT_TRACK);
    if (leadOut == CDIO_INVALID_LSN || static_cast<uint32_t>(leadOut) <= disc->FToc.back().FirstSector)
        return nullptr;
    disc->FToc.push_back({static_cast<uint32_t>(leadOut), 0, 0});
    return disc;
}

TDisc::~TDisc()
{
    cdio_destroy(FHandle);
}

}
