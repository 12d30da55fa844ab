#include "DriveDisc.h"

#include "DriveSectorSource.h"
#include "DiscError.h"

#include <cdio/cdtext.h>

namespace cdrip {

TDriveDisc::TDriveDisc(const std::string& device) : TDriveDisc(device, OpenDevice(device)) {}

TDriveDisc::TDriveDisc(const std::string& device, TOpened opened)
    : TDisc(device, std::move(opened.Toc)), FHandle(std::move(opened.Handle))
{
    SetExtras(ReadExtras(FHandle.get(), TrackCount()));
}

TDiscExtras TDriveDisc::ReadExtras(CdIo_t* handle, int tracks)
{
    // libcdio hands out its texts in memory of its own allocation.
    const auto take = [](char* text) {
        std::string value = text != nullptr ? text : "";
        cdio_free(text);
        return value;
    };
    TDiscExtras extras;
    extras.Catalog = take(cdio_get_mcn(handle));
    const track_t first = cdio_get_first_track_num(handle);
    for (int i = 0; i < tracks; ++i) {
        const track_t track = static_cast<track_t>(first + i);
        extras.Isrcs.push_back(take(cdio_get_track_isrc(handle, track)));
        const lsn_t pregap = cdio_get_track_pregap_lsn(handle, track);
        extras.PregapStarts.push_back(pregap == CDIO_INVALID_LSN || pregap < 0 ? TDiscExtras::kNoPregap : static_cast<uint32_t>(pregap));
    }
    ReadCdText(handle, tracks, extras);
    return extras;
}

void TDriveDisc::ReadCdText(CdIo_t* handle, int tracks, TDiscExtras& extras)
{
    // Owned by the handle. libcdio hands its texts out in UTF-8 whatever character set the disc used.
    const cdtext_t* const cdtext = cdio_get_cdtext(handle);
    if (cdtext == nullptr)
        return;
    const auto put = [&](int track, int field, const char* text) {
        if (text != nullptr && *text != '\0')
            extras.Texts[{track, field}] = text;
    };
    const track_t first = cdio_get_first_track_num(handle);
    static constexpr std::pair<cdtext_field_t, int> kFields[] = {{CDTEXT_FIELD_TITLE, CR_TEXT_TITLE},
        {CDTEXT_FIELD_PERFORMER, CR_TEXT_PERFORMER}, {CDTEXT_FIELD_SONGWRITER, CR_TEXT_SONGWRITER}};
    for (int track = 0; track <= tracks; ++track)
        for (const auto& [cdField, field] : kFields)
            put(track, field, cdtext_get_const(cdtext, cdField, static_cast<track_t>(track == 0 ? 0 : first + track - 1)));
    // The genre's own text, else the name of its code.
    put(0, CR_TEXT_GENRE, cdtext_get_const(cdtext, CDTEXT_FIELD_GENRE, 0));
    const cdtext_genre_t genre = cdtext_get_genre(cdtext);
    if (!extras.Texts.contains({0, CR_TEXT_GENRE}) && genre > CDTEXT_GENRE_UNDEFINED)
        put(0, CR_TEXT_GENRE, cdtext_genre2str(genre));
}

TDriveDisc::TOpened TDriveDisc::OpenDevice(const std::string& device)
{
    TOpened opened{THandle(cdio_open(device.c_str(), DRIVER_UNKNOWN)), {}};
    CdIo_t* const handle = opened.Handle.get();
    if (handle == nullptr)
        throw EDiscError(device + ": cannot be opened as a drive or disc image");
    const auto fail = [&](const std::string& text) { throw EDiscError(device + ": " + text); };
    const track_t first = cdio_get_first_track_num(handle);
    const track_t count = cdio_get_num_tracks(handle);
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0)
        fail("no disc, or no readable table of contents");
    for (track_t track = first; track < first + count; ++track) {
        const lsn_t start = cdio_get_track_lsn(handle, track);
        // A negative start would be listed as a sector near 4 billion.
        if (start == CDIO_INVALID_LSN || start < 0)
            fail("track " + std::to_string(track - first + 1) + " has no valid start");
        const bool audio = cdio_get_track_format(handle, track) == TRACK_FORMAT_AUDIO;
        opened.Toc.push_back({static_cast<uint32_t>(start), static_cast<uint8_t>(audio ? CR_TOC_AUDIO : 0), 0});
    }
    const lsn_t leadOut = cdio_get_track_lsn(handle, CDIO_CDROM_LEADOUT_TRACK);
    if (leadOut == CDIO_INVALID_LSN || leadOut < 0)
        fail("the lead-out has no valid start");
    opened.Toc.push_back({static_cast<uint32_t>(leadOut), 0, 0});
    return opened;
}

std::unique_ptr<TSectorSource> TDriveDisc::OpenSource(bool jitterCorrection, int speed, uint32_t first, uint32_t last)
{
    return TDriveSectorSource::Open(FHandle.get(), jitterCorrection && !TouchesDataTrack(first, last), speed, first);
}

}
