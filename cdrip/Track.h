#pragma once
// One track of the disc as the table of contents describes it.
#include <QString>
#include <cstdint>

struct TTrack {
    std::int32_t TrackNumber = 0;
    // Both inclusive: the track's first and last sector.
    std::uint32_t StartSector = 0;
    std::uint32_t EndSector = 0;
    // "Audio" or "Data".
    QString TrackType;
};
