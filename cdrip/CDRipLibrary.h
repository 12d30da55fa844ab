#pragma once
// The CD extraction library's calls, loaded at run time; an absent library fails every call, so the
// program sees no drive and no tracks.
#include <QString>

#include "framework/SharedLibrary.h"
#include "libs/cdrip/CDRip.h"

class TCDRipLibrary {
public:
    // Opened on first use from $TRACKWELL_CDRIP_LIBRARY, else libcdrip.so beside the executable.
    static TCDRipLibrary& Instance();

    // Switches to another file (an empty path leaves the library absent); answers whether it loaded.
    bool Load(const QString& path);
    bool IsLoaded() const { return loaded_; }
    const QString& ErrorText() const { return library_.ErrorText(); }

    std::int32_t GetCDRipVersion();
    std::int32_t Init();
    std::int32_t GetCDROMParameters(CR_DriveParameters* parameters);
    std::int32_t GetActiveCDROM();
    std::int32_t SetActiveCDROM(std::int32_t drive);
    std::int32_t SetCDROMParameters(const CR_DriveParameters* parameters);
    std::int32_t ReadToc();
    std::int32_t GetNumTocEntries();
    CR_TocEntry GetTocEntry(std::int32_t index);
    std::int32_t OpenRipper(std::int32_t* bufferSize, std::int32_t firstSector, std::int32_t lastSector);
    std::int32_t RipChunk(std::uint8_t* buffer, std::int32_t* bytesRead);
    void GetLastJitterErrorPosition(std::uint32_t* firstSector, std::uint32_t* lastSector);
    std::int32_t GetPercentCompleted();
    std::int32_t GetNumberOfJitterErrors();
    std::int32_t CloseRipper();
    // Why the last CR_Init, CR_ReadToc or CR_OpenRipper failed, from the library's optional
    // CR_GetLastErrorText; empty when the library does not say.
    QString LastErrorText();
    // The library's optional CR_SetReadOffset; a library without it takes only 0.
    std::int32_t SetReadOffset(std::int32_t samples);
    // The optional CR_GetRangeChecksums; fails when the library has no such call.
    std::int32_t GetRangeChecksums(CR_RangeChecksums* checksums);
    // The optional CR_GetReadEvents; fails when the library has no such call.
    std::int32_t GetReadEvents(CR_ReadEvents* events);
    // The optional CR_GetDiscCatalog and CR_GetTrackExtras: empty, and a track's start as its pregap, when the
    // library or the disc does not tell.
    QString DiscCatalog();
    std::int32_t GetTrackExtras(std::int32_t index, CR_TrackExtras* extras);
    // The optional CR_GetDiscText: a CR_TEXT_ field of the disc (track 0) or a track (1 to N); empty when the
    // library or the disc does not tell.
    QString DiscText(std::int32_t track, std::int32_t field);

private:
    TCDRipLibrary();

    struct Calls {
        decltype(&CR_GetCDRipVersion) getCDRipVersion = nullptr;
        decltype(&CR_Init) init = nullptr;
        decltype(&CR_GetCDROMParameters) getCDROMParameters = nullptr;
        decltype(&CR_GetActiveCDROM) getActiveCDROM = nullptr;
        decltype(&CR_SetActiveCDROM) setActiveCDROM = nullptr;
        decltype(&CR_SetCDROMParameters) setCDROMParameters = nullptr;
        decltype(&CR_ReadToc) readToc = nullptr;
        decltype(&CR_GetNumTocEntries) getNumTocEntries = nullptr;
        decltype(&CR_GetTocEntry) getTocEntry = nullptr;
        decltype(&CR_OpenRipper) openRipper = nullptr;
        decltype(&CR_RipChunk) ripChunk = nullptr;
        decltype(&CR_GetLastJitterErrorPosition) getLastJitterErrorPosition = nullptr;
        decltype(&CR_GetPercentCompleted) getPercentCompleted = nullptr;
        decltype(&CR_GetNumberOfJitterErrors) getNumberOfJitterErrors = nullptr;
        decltype(&CR_CloseRipper) closeRipper = nullptr;
        decltype(&CR_GetLastErrorText) getLastErrorText = nullptr;  // optional
        decltype(&CR_SetReadOffset) setReadOffset = nullptr;        // optional
        decltype(&CR_GetRangeChecksums) getRangeChecksums = nullptr;  // optional
        decltype(&CR_GetReadEvents) getReadEvents = nullptr;          // optional
        decltype(&CR_GetDiscCatalog) getDiscCatalog = nullptr;      // optional
        decltype(&CR_GetTrackExtras) getTrackExtras = nullptr;      // optional
        decltype(&CR_GetDiscText) getDiscText = nullptr;            // optional
    };

    TSharedLibrary library_;
    Calls calls_;
    bool loaded_ = false;
};
