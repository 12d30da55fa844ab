#pragma once
// The identifiers databases know a disc by, computed from its table of contents: the AccurateRip disc IDs (and
// the name of the database's answer file), the freedb/CDDB disc ID and the MusicBrainz disc ID.
#include <QString>
#include <cstdint>
#include <vector>

#include "libs/cdrip/CDRip.h"

struct TDiscIds {
    int TrackCount = 0;  // every track, data tracks too
    std::uint32_t AccurateRip1 = 0;
    std::uint32_t AccurateRip2 = 0;
    std::uint32_t Cddb = 0;
    QString MusicBrainz;

    // dBAR-NNN-XXXXXXXX-XXXXXXXX-XXXXXXXX.bin
    QString AccurateRipFileName() const;
    // a/b/c/dBAR-....bin: where the database keeps the answer, below its root.
    QString AccurateRipPath() const;
    // The CDDB ID as eight lower-case hex digits.
    QString CddbText() const;
};

// Entries as the CD library gives them: the tracks followed by the lead-out, sectors from 0 (the 150-sector
// lead-in is added where an identifier counts from the disc's very start). A data track after the audio (an
// enhanced CD) ends the audio 11400 sectors before it, as AccurateRip and MusicBrainz count it.
TDiscIds ComputeDiscIds(const std::vector<CR_TocEntry>& toc);
